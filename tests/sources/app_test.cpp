#include <gtest/gtest.h>

#include "sources/app.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::Visible;

// Only the file bodies count; the report names each file and its count.
TEST(ApplicationSources, DefaultsMatchTheCheckedFilesAndReportTheirCounts) {
  GuiBuild build;
  EXPECT_EQ(Visible(build.Source(GenerateMainSource, "Main.cpp")), Visible(Golden("sources/gui/defaults/Main.cpp")));
  EXPECT_EQ(Visible(build.Header(GenerateAppHeader, "App.h")), Visible(Golden("sources/gui/defaults/App.h")));
  EXPECT_EQ(Visible(build.Source(GenerateAppSource, "App.cpp")), Visible(Golden("sources/gui/defaults/App.cpp")));
  EXPECT_EQ(build.report.Lines(),
            (std::vector<std::string>{"Writing:  c:\\ProjectX\\GUI\\Main.cpp", "\tWrote 46 lines.",
                                      "Writing:  c:\\ProjectX\\Include\\App.h", "\tWrote 47 lines.",
                                      "Writing:  c:\\ProjectX\\GUI\\App.cpp", "\tWrote 50 lines."}));
  EXPECT_EQ(build.context.lines_written, 0);
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
