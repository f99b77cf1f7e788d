#pragma once

#include <QTextEdit>
#include <memory>
#include <string>
#include <string_view>

namespace kelvad {

class RtfGrowingDocument;

// The progress report box: shows the report's RTF document and takes each
// new line as the RTF it adds, reading only what is new.
class ReportBox {
 public:
  explicit ReportBox(QTextEdit* view);
  ~ReportBox();
  // Shows a whole document afresh.
  void Reset(const std::string& document);
  // Takes one line form as Report::Append adds it, and shows it at the end.
  void AddLine(std::string_view rtf_line);
  const std::string& Document() const { return document_; }

 private:
  QTextEdit* view_;
  std::string document_;
  std::unique_ptr<RtfGrowingDocument> reader_;
};

}  // namespace kelvad
