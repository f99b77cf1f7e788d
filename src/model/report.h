#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvad {

// The wizard's status label, progress bar and report box. The core tells
// the view what changed; the wizard repaints (and pauses after each report
// line), the headless front end prints the lines.
class ReportView {
 public:
  virtual ~ReportView() = default;
  virtual void StatusChanged(const std::string& /*text*/) {}
  virtual void ProgressChanged(int /*value*/, int /*maximum*/) {}
  virtual void LineAdded(const std::string& /*plain_text*/) {}
  // The same line as the RTF the document gained: its line form with the
  // document's closing brace after it, put in place of the old one.
  virtual void RtfLineAdded(std::string_view /*rtf_line*/) {}
};

// Every backslash and brace escaped with a backslash; other characters
// copied unchanged.
std::string RtfEscape(std::string_view text);

// The progress report: an RTF document that grows by one line form at a
// time, plus the status text and the progress bar it drives.
class Report {
 public:
  explicit Report(ReportView* view = nullptr);

  // The document the report holds at start-up.
  static const std::string& StartupDocument();

  void set_view(ReportView* view) { view_ = view; }
  const std::string& Document() const { return document_; }
  // The plain text of each line added, in order.
  const std::vector<std::string>& Lines() const { return lines_; }

  void ReportPlain(std::string_view text);
  void ReportBold(std::string_view text);
  void ReportLabelValue(std::string_view label, std::string_view value);
  void ReportStage(std::int16_t maximum, std::string_view text);
  void StepProgress();

  void SetStatus(std::string_view text);
  const std::string& Status() const { return status_; }
  // A maximum below the value pulls the value down with it.
  void SetProgressMaximum(int maximum);
  void SetProgressValue(int value);
  void FillProgress() { SetProgressValue(maximum_); }
  int ProgressValue() const { return value_; }
  int ProgressMaximum() const { return maximum_; }

 private:
  void Append(std::string_view rtf_line, std::string plain);
  ReportView* view_;
  std::string document_;
  std::vector<std::string> lines_;
  std::string status_ = "Please Wait ...";
  int maximum_ = 100;
  int value_ = 0;
};

}  // namespace kelvad
