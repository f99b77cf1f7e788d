#include <gtest/gtest.h>

#include "model/output_file.h"
#include "model/report.h"
#include "platform/errors.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

const std::string kTail = "\\par }\r\n";

TEST(RtfEscape, DoublesBackslashesOnly) {
  EXPECT_EQ(RtfEscape("c:\\ProjectX\\Engine"), "c:\\\\ProjectX\\\\Engine");
  EXPECT_EQ(RtfEscape("{a} \xC3\xA9"), "{a} \xC3\xA9");
  EXPECT_EQ(RtfEscape(""), "");
}

TEST(ReportDocument, StartsWithTheStartupDocument) {
  Report report;
  const std::string& doc = report.Document();
  EXPECT_EQ(doc.rfind("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}", 0), 0u);
  EXPECT_NE(doc.find("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;"), std::string::npos);
  EXPECT_NE(doc.find("\\red192\\green192\\blue192;}\\deflang2057\\pard\\plain\\f2\\fs20\\par }\r\n"),
            std::string::npos);
  EXPECT_EQ(doc.substr(doc.size() - 3), "}\r\n");
}

TEST(ReportDocument, LineFormsGoBeforeTheFinalBrace) {
  Report report;
  const std::string start = Report::StartupDocument();
  const std::string head = start.substr(0, start.size() - 3);
  report.ReportPlain("plain");
  report.ReportBold("bold");
  report.ReportLabelValue("Writing: ", "c:\\\\x");
  EXPECT_EQ(report.Document(), head + "{ plain}\r\n" + kTail.substr(0, kTail.size() - 3) + "{\\b bold}\r\n" +
                                   kTail.substr(0, kTail.size() - 3) + "{ Writing: } {\\i c:\\\\x}\r\n" + kTail);
  EXPECT_EQ(report.Lines(), (std::vector<std::string>{"plain", "bold", "Writing:  c:\\x"}));
}

TEST(ReportDocument, StageSetsStatusBoldLineAndProgress) {
  Report report;
  report.SetProgressMaximum(50);
  report.SetProgressValue(20);
  report.ReportStage(6, "Creating Directories ...");
  EXPECT_EQ(report.Status(), "Creating Directories ...");
  EXPECT_EQ(report.ProgressMaximum(), 6);
  EXPECT_EQ(report.ProgressValue(), 0);
  EXPECT_EQ(report.Lines().back(), "Creating Directories ...");
  EXPECT_NE(report.Document().find("{\\b Creating Directories ...}"), std::string::npos);
}

// The report's document holds the path escaped; the plain lines are checked with each generator.
TEST(OutputFileWriter, OpeningReportsTheEscapedPath) {
  TestBuild build;
  build.MakeProjectDirectories({"\\Engine"});
  build.tree.Add("", "ENG", "engine", 7, 6);
  OutputFile file = OpenOutputFile(build.context, "engine.cpp", "c:\\ProjectX\\Engine", true, "ENG", 4);
  file.StarRule();
  CloseOutputFile(file);
  const std::string& doc = build.report.Document();
  EXPECT_NE(doc.find("{ Writing: } {\\i c:\\\\ProjectX\\\\Engine\\\\engine.cpp}\r\n\\par "), std::string::npos);
  EXPECT_NE(doc.find("{ \tWrote 1 lines.}\r\n"), std::string::npos);
}

TEST(OutputFileWriter, DuplicateKeyOrMissingParentFails) {
  TestBuild build;
  build.MakeProjectDirectories({});
  build.tree.Add("", "PRJ", "ProjectX", 7, 6);
  OutputFile first = OpenOutputFile(build.context, "a.txt", "c:\\ProjectX", true, "PRJ", 3);
  CloseOutputFile(first);
  EXPECT_THROW(OpenOutputFile(build.context, "a.txt", "c:\\ProjectX", true, "PRJ", 3), Error);
  EXPECT_THROW(OpenOutputFile(build.context, "b.txt", "c:\\ProjectX", true, "NOPE", 3), Error);
}

TEST(OutputFileWriter, UnwritableFileOrDirectoryFails) {
  TestBuild build;
  EXPECT_THROW(OpenOutputFile(build.context, "a.txt", "c:\\Missing", false, "", 0), Error);
  EXPECT_THROW(MakeProjectDirectory(build.context, "c:\\No\\Parent"), Error);
  build.MakeProjectDirectories({});
  build.fs.FailOn("/c/ProjectX/b.txt");
  EXPECT_THROW(OpenOutputFile(build.context, "b.txt", "c:\\ProjectX", false, "", 0), Error);
}

}  // namespace
}  // namespace kelvad
