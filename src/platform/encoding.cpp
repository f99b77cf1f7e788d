#include "platform/encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace kelvad {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the unassigned ones.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<unsigned char> ByteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  // The unassigned bytes were read as the C1 controls of the same value;
  // they go back to those bytes, so that a line read from a file and saved
  // again keeps its bytes, as the Windows conversion does.
  if (cp >= 0x80 && cp <= 0x9F && kHighControls[cp - 0x80] == 0) return static_cast<unsigned char>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp && cp != 0) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<char32_t> DecodeUtf8(std::string_view s, size_t& i) {
  auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int len = (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : (b0 & 0xF8) == 0xF0 ? 4 : 0;
  if (len == 0 || i + len > s.size()) return std::nullopt;
  char32_t cp = b0 & (0x7F >> len);
  for (int k = 1; k < len; ++k) {
    auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  i += len;
  return cp;
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
  });
}

bool FitsWindows1252(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    auto cp = DecodeUtf8(utf8, i);
    if (!cp || !ByteFor(*cp)) return false;
  }
  return true;
}

std::string ToWindows1252(std::string_view utf8) {
  std::string out;
  AppendWindows1252(out, utf8);
  return out;
}

void AppendWindows1252(std::string& out, std::string_view utf8) {
  out.reserve(out.size() + utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    // ASCII is the same in both, and nearly every generated line is ASCII
    // throughout: runs of it are copied as they stand.
    size_t ascii_end = i;
    for (std::uint64_t word; ascii_end + sizeof word <= utf8.size(); ascii_end += sizeof word) {
      std::memcpy(&word, utf8.data() + ascii_end, sizeof word);
      if (word & 0x8080808080808080u) break;
    }
    while (ascii_end < utf8.size() && static_cast<unsigned char>(utf8[ascii_end]) < 0x80) ++ascii_end;
    out.append(utf8.data() + i, ascii_end - i);
    i = ascii_end;
    if (i == utf8.size()) break;
    if (auto cp = DecodeUtf8(utf8, i)) {
      auto byte = ByteFor(*cp);
      out += byte ? static_cast<char>(*byte) : '?';
    } else {
      out += utf8[i++];
    }
  }
}

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    char32_t cp = b;
    if (b >= 0x80 && b < 0xA0 && kHighControls[b - 0x80] != 0) cp = kHighControls[b - 0x80];
    AppendUtf8(out, cp);
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
    return;
  }
  int n = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;  // continuation bytes
  out += static_cast<char>(((0xFF << (7 - n)) & 0xFF) | (cp >> (6 * n)));
  for (int k = n - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
}

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  LineCursor cursor(text);
  for (std::string_view line; cursor.Next(line);) lines.emplace_back(line);
  return lines;
}

}  // namespace kelvad
