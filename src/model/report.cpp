#include "model/report.h"

#include <algorithm>

namespace kelvad {

namespace {

// The characters RTF reads as markup: a backslash starts a control word,
// braces open and close groups.
bool IsRtfSpecial(char c) { return c == '\\' || c == '{' || c == '}'; }

// What the reader sees of an escaped value.
std::string RtfUnescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && IsRtfSpecial(text[i + 1])) ++i;
    out += text[i];
  }
  return out;
}

}  // namespace

std::string RtfEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // Braces too: a path such as "c:\\a{b" would otherwise open a group that
  // never closes, and no reader would take the rest of the report.
  for (char c : text) {
    if (IsRtfSpecial(c)) out += '\\';
    out += c;
  }
  return out;
}

const std::string& Report::StartupDocument() {
  static const std::string document =
      "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman\\fcharset2 "
      "Symbol;}{\\f2\\froman\\fprq2 Times New Roman;}}"
      "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;\\red0\\green255"
      "\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255"
      "\\blue255;\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0"
      "\\blue128;\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;\\red192"
      "\\green192\\blue192;}"
      "\\deflang2057\\pard\\plain\\f2\\fs20"
      "\\par }\r\n";
  return document;
}

Report::Report(ReportView* view) : view_(view), document_(StartupDocument()) {}

void Report::Append(std::string_view rtf_line, std::string plain) {
  // The document always ends with "}" CR LF; each line goes just before it.
  document_.resize(document_.size() - 3);
  document_ += rtf_line;
  lines_.push_back(plain);
  if (view_) {
    view_->LineAdded(plain);
    view_->RtfLineAdded(rtf_line);
  }
}

void Report::ReportPlain(std::string_view text) {
  Append("{ " + std::string(text) + "}\r\n\\par }\r\n", RtfUnescape(text));
}

void Report::ReportBold(std::string_view text) {
  Append("{\\b " + std::string(text) + "}\r\n\\par }\r\n", RtfUnescape(text));
}

void Report::ReportLabelValue(std::string_view label, std::string_view value) {
  Append("{ " + std::string(label) + "} {\\i " + std::string(value) + "}\r\n\\par }\r\n",
         RtfUnescape(label) + " " + RtfUnescape(value));
}

void Report::SetStatus(std::string_view text) {
  status_ = text;
  if (view_) view_->StatusChanged(status_);
}

void Report::ReportStage(std::int16_t maximum, std::string_view text) {
  SetStatus(text);
  ReportBold(text);
  SetProgressMaximum(maximum);
  SetProgressValue(0);
}

void Report::StepProgress() {
  if (value_ < maximum_) SetProgressValue(value_ + 1);
}

void Report::SetProgressMaximum(int maximum) {
  maximum_ = std::max(maximum, 0);
  value_ = std::min(value_, maximum_);
  if (view_) view_->ProgressChanged(value_, maximum_);
}

void Report::SetProgressValue(int value) {
  value_ = std::clamp(value, 0, maximum_);
  if (view_) view_->ProgressChanged(value_, maximum_);
}

}  // namespace kelvad
