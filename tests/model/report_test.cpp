#include <gtest/gtest.h>

#include "model/report.h"

namespace kelvad {
namespace {

// Each line goes before the document's final brace; backslashes and braces
// are escaped, so an unbalanced brace in a path cannot end the document early.
// A stage also sets the status and the bar.
TEST(ReportDocument, LineFormsGoBeforeTheFinalBrace) {
  Report report;
  const std::string start = Report::StartupDocument();
  report.SetProgressMaximum(50);
  report.SetProgressValue(20);
  report.ReportPlain("plain");
  report.ReportLabelValue("Writing: ", RtfEscape("c:\\x{a"));
  report.ReportStage(6, "Creating Directories ...");
  EXPECT_EQ(report.Document(), start.substr(0, start.size() - 3) + "{ plain}\r\n\\par { Writing: } {\\i c:\\\\x\\{a}\r\n" +
                                   "\\par {\\b Creating Directories ...}\r\n\\par }\r\n");
  EXPECT_EQ(report.Lines(), (std::vector<std::string>{"plain", "Writing:  c:\\x{a", "Creating Directories ..."}));
  EXPECT_EQ(report.Status(), "Creating Directories ...");
  EXPECT_EQ(report.ProgressMaximum(), 6);
  EXPECT_EQ(report.ProgressValue(), 0);
}

}  // namespace
}  // namespace kelvad
