#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/encoding.h"

namespace kelvad::testing {

// What a word processor would take from an RTF document: the style sheet
// by style number, and the body's paragraphs with their style numbers and
// text. Read independently of the writer, so that a document the writer
// gets wrong shows here as wrong paragraphs, not as equal strings.
struct RtfParagraph {
  int style = 0;
  std::string text;  // UTF-8
};

struct RtfDocument {
  std::map<int, std::string> styles;
  std::vector<RtfParagraph> paragraphs;
  bool balanced = true;  // every group closed, nothing after the last
  std::string problem;   // the first thing the reader could not make sense of
};

namespace rtf_detail {

inline void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace rtf_detail

// Understands what a plain document needs: groups, control words and
// symbols, \'hh in code page 1252, \uN with one fallback character, the
// style sheet, \pard, \sN, \par and \tab. Other destinations are skipped.
inline RtfDocument ReadRtf(const std::string& rtf) {
  enum class Where { kBody, kStyleSheet, kStyle, kSkip };
  struct Group {
    Where where;
  };
  RtfDocument doc;
  std::vector<Group> groups;
  RtfParagraph current;
  int style_number = 0;
  std::string style_name;
  unsigned high_surrogate = 0;
  bool started = false;
  auto where = [&] { return groups.empty() ? Where::kBody : groups.back().where; };
  auto text = [&](const std::string& utf8) {
    switch (where()) {
      case Where::kBody: current.text += utf8; break;
      case Where::kStyle: style_name += utf8; break;
      default: break;
    }
  };
  for (size_t i = 0; i < rtf.size();) {
    char c = rtf[i];
    if (c == '{') {
      if (started && groups.empty()) doc.balanced = false;
      started = true;
      Where w = where();
      if (w == Where::kStyleSheet) {
        w = Where::kStyle;
        style_number = 0;
        style_name.clear();
      }
      groups.push_back({w});
      ++i;
      // An ignorable destination.
      if (rtf.compare(i, 2, "\\*") == 0) groups.back().where = Where::kSkip;
      continue;
    }
    if (c == '}') {
      if (groups.empty()) {
        doc.balanced = false;
        ++i;
        continue;
      }
      if (groups.back().where == Where::kStyle) {
        size_t semicolon = style_name.find(';');
        doc.styles[style_number] = style_name.substr(0, semicolon);
      }
      groups.pop_back();
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      if (groups.empty() && started) doc.balanced = false;
      text(std::string(1, c));
      ++i;
      continue;
    }
    // A control word or symbol.
    ++i;
    if (i >= rtf.size()) break;
    char s = rtf[i];
    if (!std::isalpha(static_cast<unsigned char>(s))) {
      ++i;
      if (s == '\'') {
        std::string byte(1, static_cast<char>(std::stoi(rtf.substr(i, 2), nullptr, 16)));
        i += 2;
        text(FromWindows1252(byte));
      } else if (s == '\\' || s == '{' || s == '}') {
        text(std::string(1, s));
      } else if (s == '~') {
        text("\xC2\xA0");
      } else if (s != '*') {
        if (doc.problem.empty()) doc.problem = std::string("control symbol \\") + s;
      }
      continue;
    }
    size_t start = i;
    while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) ++i;
    std::string word = rtf.substr(start, i - start);
    bool has_number = false;
    long number = 0;
    size_t number_start = i;
    if (i < rtf.size() && (rtf[i] == '-' || std::isdigit(static_cast<unsigned char>(rtf[i])))) {
      ++i;
      while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i]))) ++i;
      number = std::stol(rtf.substr(number_start, i - number_start));
      has_number = true;
    }
    if (i < rtf.size() && rtf[i] == ' ') ++i;
    if (word == "stylesheet") {
      groups.back().where = Where::kStyleSheet;
    } else if (word == "fonttbl" || word == "colortbl" || word == "info") {
      groups.back().where = Where::kSkip;
    } else if (word == "s" && has_number) {
      if (where() == Where::kStyle) style_number = static_cast<int>(number);
      if (where() == Where::kBody) current.style = static_cast<int>(number);
    } else if (word == "pard") {
      if (where() == Where::kBody) current.style = 0;
    } else if (word == "par") {
      if (where() == Where::kBody) {
        doc.paragraphs.push_back(current);
        current.text.clear();
      }
    } else if (word == "tab") {
      text("\t");
    } else if (word == "u" && has_number) {
      unsigned unit = static_cast<unsigned>(number < 0 ? number + 65536 : number);
      if (unit >= 0xD800 && unit < 0xDC00) {
        high_surrogate = unit;
      } else {
        std::string utf8;
        if (unit >= 0xDC00 && unit < 0xE000 && high_surrogate) {
          rtf_detail::AppendUtf8(utf8, 0x10000 + ((high_surrogate - 0xD800) << 10) + (unit - 0xDC00));
          high_surrogate = 0;
        } else {
          rtf_detail::AppendUtf8(utf8, unit);
        }
        text(utf8);
      }
      // The one fallback character for readers without \u.
      if (i < rtf.size() && rtf[i] != '\\' && rtf[i] != '{' && rtf[i] != '}') ++i;
    }
  }
  if (!groups.empty()) doc.balanced = false;
  // A last paragraph without \par counts only when it holds text.
  if (!current.text.empty()) doc.paragraphs.push_back(current);
  return doc;
}

}  // namespace kelvad::testing
