#include "ui/report_box.h"

#include <QScrollBar>
#include <QTextCursor>

#include "platform/rtf_text.h"

namespace kelvad {

ReportBox::ReportBox(QTextEdit* view) : view_(view) {}

ReportBox::~ReportBox() = default;

void ReportBox::Reset(const std::string& document) {
  document_ = document;
  reader_ = std::make_unique<RtfGrowingDocument>(document_);
  view_->setTabStopDistance(reader_->start().default_tab / 15.0);
  view_->setHtml(QString::fromStdString(RtfToHtml(reader_->start())));
}

void ReportBox::AddLine(std::string_view rtf_line) {
  // The line goes where the document's closing brace and CR LF were.
  document_.resize(document_.size() - 3);
  document_ += rtf_line;
  std::string html = RtfHtmlToAppend(reader_->Update(document_));
  if (html.empty()) return;
  QTextCursor cursor(view_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertHtml(QString::fromStdString(html));
  view_->setTextCursor(cursor);
  view_->ensureCursorVisible();
}

}  // namespace kelvad
