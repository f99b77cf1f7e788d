#include "ui/report_box.h"

#include <QScrollBar>
#include <QTextCursor>

#include "platform/rtf_text.h"

namespace kelvad {

namespace {

// The report names the fonts of the machine it was first written for; on
// screen it takes the window's own family, keeping sizes and emphasis.
void UseWindowFont(RtfCharFormat& format) {
  format.font.clear();
  format.family = RtfFontFamily::kNil;
}

std::vector<RtfParagraph> InWindowFont(std::vector<RtfParagraph> paragraphs) {
  for (RtfParagraph& p : paragraphs) {
    UseWindowFont(p.mark);
    for (RtfRun& run : p.runs) UseWindowFont(run.format);
  }
  return paragraphs;
}

}  // namespace

ReportBox::ReportBox(QTextEdit* view) : view_(view) {}

ReportBox::~ReportBox() = default;

void ReportBox::Reset(const std::string& document) {
  document_ = document;
  reader_ = std::make_unique<RtfGrowingDocument>(document_);
  view_->setTabStopDistance(reader_->start().default_tab / 15.0);
  RtfDocument start = reader_->start();
  start.paragraphs = InWindowFont(std::move(start.paragraphs));
  view_->setHtml(QString::fromStdString(RtfToHtml(start)));
}

void ReportBox::AddLine(std::string_view rtf_line) {
  // The line goes where the document's closing brace and CR LF were.
  document_.resize(document_.size() - 3);
  document_ += rtf_line;
  std::string html = RtfHtmlToAppend(InWindowFont(reader_->Update(document_)));
  if (html.empty()) return;
  QTextCursor cursor(view_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertHtml(QString::fromStdString(html));
  view_->setTextCursor(cursor);
  view_->ensureCursorVisible();
}

}  // namespace kelvad
