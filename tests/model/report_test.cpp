#include <gtest/gtest.h>

#include "model/output_file.h"
#include "model/report.h"
#include "platform/errors.h"
#include "support/test_build.h"

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

TEST(OutputFileWriter, DuplicateKeyMissingParentOrUnwritablePathFails) {
  testing::TestBuild build;
  EXPECT_THROW(OpenOutputFile(build.context, "a.txt", "c:\\Missing", false, "", 0), Error);
  EXPECT_THROW(MakeProjectDirectory(build.context, "c:\\No\\Parent"), Error);
  build.MakeProjectDirectories({});
  build.tree.Add("", "PRJ", "ProjectX", 7, 6);
  OutputFile first = OpenOutputFile(build.context, "a.txt", "c:\\ProjectX", true, "PRJ", 3);
  CloseOutputFile(first);
  EXPECT_THROW(OpenOutputFile(build.context, "a.txt", "c:\\ProjectX", true, "PRJ", 3), Error);
  EXPECT_THROW(OpenOutputFile(build.context, "b.txt", "c:\\ProjectX", true, "NOPE", 3), Error);
  build.fs.FailOn("/c/ProjectX/b.txt");
  EXPECT_THROW(OpenOutputFile(build.context, "b.txt", "c:\\ProjectX", false, "", 0), Error);
}

}  // namespace
}  // namespace kelvad
