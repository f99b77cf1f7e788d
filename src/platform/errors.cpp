#include "platform/errors.h"

#include <cstdio>
#include <optional>
#include <system_error>

#include "platform/encoding.h"

namespace kelvad {

namespace {

// Escapes the text from i on into out, moving i; false when it stopped
// after max_chars characters with more to come.
bool AppendEscaped(std::string& out, std::string_view text, size_t& i, size_t max_chars) {
  size_t shown = 0;
  while (i < text.size()) {
    if (shown == max_chars) return false;
    size_t start = i;
    std::optional<char32_t> c = DecodeUtf8(text, i);
    if (!c) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned char>(text[i++]));
      out += buffer;
    } else if (*c == '\n') {
      out += "\\n";
    } else if (*c == '\r') {
      out += "\\r";
    } else if (*c == '\t') {
      out += "\\t";
    } else if (*c < 0x20 || *c == 0x7F || (*c >= 0x80 && *c < 0xA0)) {
      char buffer[12];
      std::snprintf(buffer, sizeof buffer, *c < 0x100 ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(*c));
      out += buffer;
    } else {
      out.append(text.substr(start, i - start));
    }
    ++shown;
  }
  return true;
}

constexpr size_t kShownChars = 80;

}  // namespace

std::string Shown(std::string_view text) {
  std::string out = "\"";
  size_t i = 0;
  bool whole = AppendEscaped(out, text, i, kShownChars);
  out += whole ? "\"" : "...\"";
  return out;
}

std::string ShownPath(std::string_view path) {
  // Characters, not bytes, are counted; a cut falls between two of them.
  std::string head, tail;
  size_t i = 0;
  if (AppendEscaped(head, path, i, 3 * kShownChars)) return head;
  size_t count = 0, at = path.size();
  while (at > 0 && count < kShownChars) {
    --at;
    if ((static_cast<unsigned char>(path[at]) & 0xC0) != 0x80) ++count;
  }
  std::string first;
  size_t j = 0;
  AppendEscaped(first, path, j, kShownChars);
  size_t k = at;
  AppendEscaped(tail, path, k, std::string::npos);
  return first + "..." + tail;
}

std::string SystemReason(int error_number) { return std::generic_category().message(error_number); }

}  // namespace kelvad
