#include "platform/word_processor.h"

#include <cstdint>
#include <cstdio>

#include "platform/dos_paths.h"
#include "platform/encoding.h"
#include "platform/errors.h"

namespace kelvad {

namespace {

constexpr int kNormal = 0;

void AppendHexByte(std::string& out, unsigned char byte) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\'%02x", byte);
  out += buffer;
}

// \uN takes a signed 16-bit number.
void AppendUnicode(std::string& out, char32_t unit) {
  out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit))) + "?";
}

const RtfStyle& StyleByNumber(int number) {
  for (const RtfStyle& style : RtfWordProcessor::Styles()) {
    if (style.number == number) return style;
  }
  return RtfWordProcessor::Styles().front();
}

std::string StyleWords(const RtfStyle& style) {
  return (style.number == kNormal ? "" : "\\s" + std::to_string(style.number)) + style.formatting;
}

}  // namespace

std::string EncodeRtfText(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    size_t start = i;
    std::optional<char32_t> decoded = DecodeUtf8(utf8, i);
    if (!decoded) {
      // Taken as a Windows-1252 byte already, as the file encoder does.
      AppendHexByte(out, static_cast<unsigned char>(utf8[i]));
      ++i;
      continue;
    }
    char32_t cp = *decoded;
    std::string sequence = utf8.substr(start, i - start);
    if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == '\t') {
      out += "\\tab ";
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (FitsWindows1252(sequence)) {
      AppendHexByte(out, static_cast<unsigned char>(ToWindows1252(sequence)[0]));
    } else if (cp > 0xFFFF) {
      cp -= 0x10000;
      AppendUnicode(out, 0xD800 + (cp >> 10));
      AppendUnicode(out, 0xDC00 + (cp & 0x3FF));
    } else {
      AppendUnicode(out, cp);
    }
  }
  return out;
}

RtfWordProcessor::RtfWordProcessor(DosDrives& drives) : drives_(drives) {}

// The help template's styles with the formatting Word gives them. Word and
// LibreOffice both take these heading names for their built-in headings.
const std::vector<RtfStyle>& RtfWordProcessor::Styles() {
  static const std::vector<RtfStyle> styles = {
      {kNormal, "Normal", "\\widctlpar\\adjustright \\f1\\fs20\\lang2057", kNormal},
      {1, "Heading 1",
       "\\sb240\\sa60\\keepn\\widctlpar\\outlinelevel0\\adjustright \\b\\f1\\fs28\\lang2057\\kerning28", kNormal},
      {2, "Heading 2", "\\sb240\\sa60\\keepn\\widctlpar\\outlinelevel1\\adjustright \\b\\i\\f1\\fs24\\lang2057",
       kNormal},
      // Successive comment lines stay comments.
      {15, "Comment", "\\widctlpar\\adjustright \\i\\f1\\fs20\\cf6\\lang2057", 15},
  };
  return styles;
}

bool RtfWordProcessor::Start() {
  running_ = true;
  has_document_ = false;
  paragraphs_.clear();
  return true;
}

bool RtfWordProcessor::NewDocument(const std::string& template_path) {
  if (!running_) return false;
  try {
    if (template_path.empty()) return false;
    // Its bytes are not used: that it is a file that can be read is enough.
    drives_.fs().ReadPrefix(drives_.Resolve(template_path), 0);
  } catch (const Error&) {
    return false;
  }
  has_document_ = true;
  paragraphs_ = {{kNormal, ""}};
  return true;
}

void RtfWordProcessor::RequireDocument() const {
  if (!running_ || !has_document_) throw Error("No document is open.");
}

void RtfWordProcessor::ClearDocument() {
  RequireDocument();
  // A document always keeps its last paragraph mark, and with it that
  // paragraph's style.
  int last_style = paragraphs_.back().style;
  paragraphs_ = {{last_style, ""}};
}

void RtfWordProcessor::SetStyle(const std::string& style_name) {
  RequireDocument();
  for (const RtfStyle& style : Styles()) {
    if (EqualsIgnoringCase(style.name, style_name)) {
      paragraphs_.back().style = style.number;
      return;
    }
  }
  throw Error("The document has no style \"" + style_name + "\".");
}

void RtfWordProcessor::TypeText(const std::string& text) {
  RequireDocument();
  paragraphs_.back().text += text;
}

void RtfWordProcessor::NewParagraph() {
  RequireDocument();
  paragraphs_.push_back({StyleByNumber(paragraphs_.back().style).next, ""});
}

std::string RtfWordProcessor::RtfText() const {
  const std::string eol = "\r\n";
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang2057\\deflangfe2057" + eol;
  out += "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}{\\f1\\fswiss\\fcharset0\\fprq2 Arial;}}" + eol;
  out += "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
         "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;}" + eol;
  out += "{\\stylesheet" + eol;
  for (const RtfStyle& style : Styles()) {
    out += "{" + StyleWords(style) + " ";
    if (style.number != kNormal) out += "\\sbasedon0 ";
    out += "\\snext" + std::to_string(style.next) + " " + style.name + ";}" + eol;
  }
  out += "}" + eol;
  out += "\\widowctrl\\ftnbj\\aenddoc\\sectd" + eol;
  for (size_t i = 0; i < paragraphs_.size(); ++i) {
    out += "\\pard\\plain " + StyleWords(StyleByNumber(paragraphs_[i].style)) + " " +
           EncodeRtfText(paragraphs_[i].text);
    // The last paragraph mark is the document's own: it has no \par.
    if (i + 1 < paragraphs_.size()) out += "\\par";
    out += eol;
  }
  out += "}" + eol;
  return out;
}

void RtfWordProcessor::SaveAsRtf(const std::string& path) {
  RequireDocument();
  drives_.WriteFile(path, RtfText());
}

void RtfWordProcessor::Quit() {
  running_ = false;
  has_document_ = false;
  paragraphs_.clear();
}

}  // namespace kelvad
