#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/encoding.h"

namespace kelvad::testing {

// What a word processor takes from our RTF: the style sheet by style number
// and the body's paragraphs. Read independently of the writer, so a wrong
// document shows as wrong paragraphs, not as two equal wrong strings.
struct RtfParagraph {
  int style = 0;
  std::string text;  // UTF-8
};

struct RtfDocument {
  std::map<int, std::string> styles;
  std::vector<RtfParagraph> paragraphs;
  bool balanced = true;
};

inline std::string RtfUtf8(unsigned cp) {
  if (cp < 0x80) return std::string(1, static_cast<char>(cp));
  int n = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;  // continuation bytes
  std::string out(1, static_cast<char>(((0xFF << (7 - n)) & 0xFF) | (cp >> (6 * n))));
  for (int k = n - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
  return out;
}

// Only what the writer uses: groups, \'hh (code page 1252), \uN with its
// one fallback character, escaped \ { }, \tab, the style sheet, \sN, \pard
// and \par. The font and colour tables are skipped.
inline RtfDocument ReadRtf(const std::string& rtf) {
  enum Where { kBody, kStyleSheet, kStyle, kSkip };
  RtfDocument doc;
  std::vector<Where> groups;
  RtfParagraph para;
  int style = 0;
  std::string name;
  unsigned high = 0;  // a pending high surrogate
  auto where = [&] { return groups.empty() ? kBody : groups.back(); };
  auto text = [&](const std::string& utf8) {
    if (where() == kBody) para.text += utf8;
    if (where() == kStyle) name += utf8;
  };
  for (size_t i = 0; i < rtf.size();) {
    char c = rtf[i++];
    if (c == '{') {
      if (where() == kStyleSheet) style = 0, name.clear();
      groups.push_back(where() == kStyleSheet ? kStyle : where());
    } else if (c == '}') {
      if (groups.empty()) return doc.balanced = false, doc;
      if (groups.back() == kStyle) doc.styles[style] = name.substr(0, name.find(';'));
      groups.pop_back();
    } else if (c != '\\') {
      if (c != '\r' && c != '\n') text(std::string(1, c));
    } else if (!std::isalpha(static_cast<unsigned char>(rtf[i]))) {
      char s = rtf[i++];
      if (s != '\'') {
        text(std::string(1, s));
        continue;
      }
      text(FromWindows1252(std::string(1, static_cast<char>(std::stoi(rtf.substr(i, 2), nullptr, 16)))));
      i += 2;
    } else {
      size_t start = i;
      while (std::isalpha(static_cast<unsigned char>(rtf[i]))) ++i;
      std::string word = rtf.substr(start, i - start);
      size_t digits = rtf.find_first_not_of("-0123456789", i);
      int number = digits > i ? std::stoi(rtf.substr(i, digits - i)) : 0;
      i = digits;
      if (i < rtf.size() && rtf[i] == ' ') ++i;
      if (word == "stylesheet") groups.back() = kStyleSheet;
      if (word == "fonttbl" || word == "colortbl") groups.back() = kSkip;
      if (word == "s" && where() == kStyle) style = number;
      if (word == "s" && where() == kBody) para.style = number;
      if (word == "pard") para.style = 0;
      if (word == "tab") text("\t");
      if (word == "par" && where() == kBody) doc.paragraphs.push_back(para), para.text.clear();
      if (word != "u") continue;
      unsigned unit = static_cast<unsigned>(number) & 0xFFFF;  // \uN is signed 16-bit
      if (unit >= 0xD800 && unit < 0xDC00) {
        high = unit;
      } else {
        text(RtfUtf8(high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : unit));
        high = 0;
      }
      ++i;  // the fallback character
    }
  }
  doc.balanced = groups.empty();
  if (!para.text.empty()) doc.paragraphs.push_back(para);  // a last paragraph without \par
  return doc;
}

}  // namespace kelvad::testing
