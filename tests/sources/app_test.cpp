#include <gtest/gtest.h>

#include "sources/app.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::SplitLines;
using testing::Visible;

TEST(ApplicationSources, DefaultsMatchTheCheckedFilesByteForByte) {
  GuiBuild build;
  EXPECT_EQ(Visible(build.Source(GenerateMainSource, "Main.cpp")), Visible(Golden("sources/gui/defaults/Main.cpp")));
  EXPECT_EQ(Visible(build.Header(GenerateAppHeader, "App.h")), Visible(Golden("sources/gui/defaults/App.h")));
  EXPECT_EQ(Visible(build.Source(GenerateAppSource, "App.cpp")), Visible(Golden("sources/gui/defaults/App.cpp")));
}

TEST(ApplicationSources, TheApostropheIsTheSingleWindows1252Byte) {
  GuiBuild build;
  std::string bytes = build.Header(GenerateAppHeader, "App.h");
  EXPECT_NE(bytes.find("/* the application\x92s UID, and the other creates a document."), std::string::npos);
  EXPECT_EQ(bytes.find("\xE2\x80\x99"), std::string::npos);
}

// The function bodies of Main.cpp and the slash box of App.cpp are written
// past the line counter; everything else counts.
TEST(ApplicationSources, ReportWritingAndTheCountedLines) {
  GuiBuild build;
  struct Case {
    GuiBuild::Generator generate;
    const char* file;
    bool header;
    const char* golden;
    int direct;
  };
  for (const Case& c : {Case{GenerateMainSource, "Main.cpp", false, "sources/gui/defaults/Main.cpp", 8},
                        Case{GenerateAppHeader, "App.h", true, "sources/gui/defaults/App.h", 0},
                        Case{GenerateAppSource, "App.cpp", false, "sources/gui/defaults/App.cpp", 5}}) {
    SCOPED_TRACE(c.file);
    size_t before = build.report.Lines().size();
    if (c.header) {
      build.Header(c.generate, c.file);
    } else {
      build.Source(c.generate, c.file);
    }
    const std::vector<std::string>& lines = build.report.Lines();
    ASSERT_EQ(lines.size(), before + 2);
    std::string dir = c.header ? "c:\\ProjectX\\Include\\" : "c:\\ProjectX\\GUI\\";
    EXPECT_EQ(lines[before], "Writing:  " + dir + c.file);
    size_t total = SplitLines(Golden(c.golden)).size();
    EXPECT_EQ(lines[before + 1], "\tWrote " + std::to_string(total - c.direct) + " lines.");
    EXPECT_EQ(build.context.lines_written, 0);
  }
  EXPECT_EQ(build.report.Lines()[1], "\tWrote 46 lines.");
  EXPECT_EQ(build.report.Lines()[3], "\tWrote 47 lines.");
  EXPECT_EQ(build.report.Lines()[5], "\tWrote 50 lines.");
}

TEST(ApplicationSources, ANameWithASpaceIsUsedVerbatim) {
  GuiBuild build;
  build.settings.name = "My App";
  build.Prepare();
  std::string header = build.Header(GenerateAppHeader, "App.h");
  EXPECT_NE(header.find("\r\n#ifndef __My App_APP_H "), std::string::npos);
  EXPECT_NE(header.find("\r\nclass CMy AppApplication : public CEikApplication\r\n"), std::string::npos);
  EXPECT_NE(header.find("\r\nconst TUid KUidMy AppApp = { 0x01100253 } ;\r\n"), std::string::npos);
  EXPECT_NE(header.find("/* My App.app "), std::string::npos);
  std::string main = build.Source(GenerateMainSource, "Main.cpp");
  EXPECT_NE(main.find("\r\n    return(new CMy AppApplication);\r\n"), std::string::npos);
  std::string source = build.Source(GenerateAppSource, "App.cpp");
  EXPECT_NE(source.find("\r\n    return CMy AppDocument::NewL(*this);\r\n"), std::string::npos);
  EXPECT_NE(source.find("\r\n// -----> CMy AppApplication (implementation)\r\n"), std::string::npos);
}

TEST(ApplicationSources, NamesDifferingOnlyInCaseGetDifferentGuards) {
  GuiBuild upper;
  upper.settings.name = "MyApp";
  upper.Prepare();
  GuiBuild lower;
  lower.settings.name = "myapp";
  lower.Prepare();
  std::string a = upper.Header(GenerateAppHeader, "App.h");
  std::string b = lower.Header(GenerateAppHeader, "App.h");
  EXPECT_NE(a.find("#define __MyApp_APP_H "), std::string::npos);
  EXPECT_NE(b.find("#define __myapp_APP_H "), std::string::npos);
  EXPECT_EQ(b.find("MyApp"), std::string::npos);
}

TEST(ApplicationSources, UidsGoInAsTyped) {
  GuiBuild build;
  build.settings.gui_uid = "";
  build.settings.gui_unicode_uid = "0X0110ABCD";
  std::string header = build.Header(GenerateAppHeader, "App.h");
  EXPECT_NE(header.find("\r\n#if defined(_UNICODE)\r\nconst TUid KUidProjectXApp = { 0X0110ABCD } ;\r\n#else\r\n"
                        "const TUid KUidProjectXApp = {  } ;\r\n#endif\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kelvad
