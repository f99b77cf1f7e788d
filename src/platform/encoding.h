#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvad {

// Text is UTF-8 in memory; generated files are Windows-1252 bytes.

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsWindows1252(std::string_view utf8);

// True when the text holds a C0 control character (tab and line breaks
// included) or DEL: a text of one line of a generated file holds none.
bool HasControlCharacter(std::string_view text);

// What a single-line text field of the wizard accepts: one line, every
// character with a Windows-1252 byte (anything else would become '?').
inline bool IsOneLineWindows1252(std::string_view utf8) {
  return !HasControlCharacter(utf8) && FitsWindows1252(utf8);
}

// Converts UTF-8 to Windows-1252. A character without a byte of its own
// becomes '?', as the Windows ANSI conversion does; malformed UTF-8 bytes
// are taken as Windows-1252 bytes already. The C1 controls U+0081, U+008D,
// U+008F, U+0090 and U+009D become the unassigned bytes of the same value.
std::string ToWindows1252(std::string_view utf8);
// The same, appended to out.
void AppendWindows1252(std::string& out, std::string_view utf8);

// Converts Windows-1252 bytes to UTF-8 (the five unassigned bytes map to
// the C1 control characters of the same value).
std::string FromWindows1252(std::string_view bytes);

// Decodes the UTF-8 sequence at utf8[i] and moves i past it. Malformed,
// overlong and surrogate sequences give nullopt and leave i where it was.
std::optional<char32_t> DecodeUtf8(std::string_view utf8, size_t& i);

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t code_point);

// The lines of a text one after another: split at each LF, a CR before it
// dropped; a last line without LF counts, an empty text has none. Reading a
// file of many short lines so costs no more than its text.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    ++number_;
    return true;
  }
  size_t number() const { return number_; }  // of the line Next gave last, from 1

 private:
  std::string_view text_;
  size_t pos_ = 0;
  size_t number_ = 0;
};

// The lines of a text, as LineCursor gives them.
std::vector<std::string> SplitLines(std::string_view text);

// The text with &, <, >, " and ' written as HTML entities.
std::string HtmlEscape(std::string_view text);

}  // namespace kelvad
