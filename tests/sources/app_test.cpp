#include <gtest/gtest.h>

#include "sources/app.h"
#include "sources/app_ui.h"
#include "sources/doc.h"
#include "sources/msg_requester.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::Visible;

// The counts each file reports are checked with the whole GUI step; closing
// leaves the shared counter at zero.
TEST(ApplicationSources, DefaultsMatchTheCheckedFilesByteForByte) {
  GuiBuild build;
  EXPECT_EQ(Visible(build.Source(GenerateMainSource, "Main.cpp")), Visible(Golden("sources/gui/defaults/Main.cpp")));
  EXPECT_EQ(Visible(build.Header(GenerateAppHeader, "App.h")), Visible(Golden("sources/gui/defaults/App.h")));
  EXPECT_EQ(Visible(build.Source(GenerateAppSource, "App.cpp")), Visible(Golden("sources/gui/defaults/App.cpp")));
  EXPECT_EQ(build.context.lines_written, 0);
}

// A name with a space goes verbatim into every name formed from it. The
// requester's class is declared under one name and constructed under
// another, as the example has it.
TEST(ApplicationSources, ANameWithASpaceIsUsedVerbatimInEveryFile) {
  struct Case {
    GuiBuild::Generator generate;
    const char* file;
    bool header;
    std::vector<std::string> fragments;
  };
  const std::vector<Case> cases = {
      {GenerateAppHeader, "App.h", true,
       {"\r\n#ifndef __My App_APP_H ", "\r\nclass CMy AppApplication : public CEikApplication\r\n",
        "\r\nconst TUid KUidMy AppApp = { 0x01100253 } ;\r\n", "/* My App.app "}},
      {GenerateMainSource, "Main.cpp", false, {"\r\n    return(new CMy AppApplication);\r\n"}},
      {GenerateAppSource, "App.cpp", false,
       {"\r\n    return CMy AppDocument::NewL(*this);\r\n", "\r\n// -----> CMy AppApplication (implementation)\r\n"}},
      {GenerateDocHeader, "Doc.h", true,
       {"\r\nclass CMy AppDocument : public CEikDocument\r\n", "\r\n#ifndef __My App_DOC_H "}},
      {GenerateDocSource, "Doc.cpp", false,
       {"\r\n    aStreamDic.AssignL(KUidMy AppApp, id);\r\n", "\r\n    return new(ELeave) CMy AppAppUi;\r\n",
        "/* CMy AppDoc (implementation) "}},
      {GenerateAppUiHeader, "AppUI.h", true,
       {"\r\n#define KMy AppDefaultFilePath _L(\"C:\\\\\")\r\n", "\r\n    CMy AppAppView* iAppView;\r\n"}},
      {GenerateAppUiSource, "AppUI.cpp", false,
       {"\r\n#include <My App.rsg>     ", "\r\n#include \"My App.hrh\"     ", "\r\nCMy AppAppUi::~CMy AppAppUi()\r\n"}},
      {GenerateMsgIReqHeader, "MsgI.h", true,
       {"\r\nclass CMy AppRequester: Public CActive\r\n", "\r\n  CMy AppMsgIReq( CMy AppAppUi* aAppUi ) ;\r\n"}},
      {GenerateMsgIReqSource, "MsgI.cpp", false,
       {"\r\nCMy AppMsgIReq::CMy AppMsgIReq(CExampleAppUi * aAppUi)\r\n", "/* My App.app "}},
  };
  GuiBuild build;
  build.settings.name = "My App";
  build.Prepare();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::string bytes = c.header ? build.Header(c.generate, c.file) : build.Source(c.generate, c.file);
    for (const std::string& fragment : c.fragments) EXPECT_NE(bytes.find(fragment), std::string::npos) << fragment;
  }
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
