#include <gtest/gtest.h>

#include "sources/app_ui.h"
#include "sources/doc.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::LastWroteLine;
using testing::SplitLines;
using testing::Visible;
using testing::WithoutLines;

// The lines between the switch's braces.
std::vector<std::string> SwitchBody(const std::string& source) {
  const std::string open = "\r\n    switch (aCommand)\r\n    {\r\n";
  size_t begin = source.find(open);
  if (begin == std::string::npos) return {"no switch"};
  begin += open.size();
  return SplitLines(source.substr(begin, source.find("    }\r\n}\r\n", begin) - begin));
}

// The line after a command's case label.
std::string CaseAction(const std::string& source, const std::string& command) {
  const std::vector<std::string> body = SwitchBody(source);
  for (size_t i = 0; i + 1 < body.size(); ++i) {
    if (body[i].rfind("        case " + command + ":", 0) == 0) return body[i + 1];
  }
  return "no case";
}

TEST(AppUiSources, DefaultsBareAndMessagingMatchTheCheckedFiles) {
  GuiBuild build;
  build.UseSampleCommands();
  EXPECT_EQ(Visible(build.Header(GenerateAppUiHeader, "AppUI.h")), Visible(Golden("sources/gui/defaults/AppUI.h")));
  EXPECT_EQ(Visible(build.Source(GenerateAppUiSource, "AppUI.cpp")),
            Visible(Golden("sources/gui/defaults/AppUI.cpp")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 436 lines.");
  EXPECT_EQ(build.tree.Find("INC:AppUI.h")->image, 5);
  EXPECT_EQ(build.tree.Find("GUI:AppUI.cpp")->image, 4);

  // The messaging cases keep the example's capital "Case".
  GuiBuild messaging;
  messaging.UseSampleCommands();
  messaging.settings.messaging = true;
  EXPECT_EQ(Visible(WithoutLines(messaging.Header(GenerateAppUiHeader, "AppUI.h"),
                                 {"#include \"MsgI.h\"" + std::string(67, ' ') + " // ProjectX MsgI ClassDef",
                                  "    CProjectXMsgIReq* iMsgIReq;"})),
            Visible(Golden("sources/gui/defaults/AppUI.h")));
  EXPECT_EQ(LastWroteLine(messaging.report), "\tWrote 67 lines.");
  EXPECT_EQ(Visible(messaging.Source(GenerateAppUiSource, "AppUI.cpp")),
            Visible(Golden("sources/gui/messaging/AppUI.cpp")));
  EXPECT_EQ(LastWroteLine(messaging.report), "\tWrote 489 lines.");

  GuiBuild bare;
  bare.UseSampleCommands();
  bare.ClearDocumentOptions();
  bare.settings.engine = false;
  EXPECT_EQ(Visible(bare.Source(GenerateAppUiSource, "AppUI.cpp")), Visible(Golden("sources/gui/bare/AppUI.cpp")));
  EXPECT_EQ(LastWroteLine(bare.report), "\tWrote 99 lines.");
  EXPECT_EQ(Visible(bare.Header(GenerateAppUiHeader, "AppUI.h")),
            Visible(WithoutLines(
                Golden("sources/gui/defaults/AppUI.h"),
                {"#include \"engine.h\"" + std::string(66, ' ') + "// ProjectX Engine Class Def",
                 "    TBool ProcessCommandParametersL(TApaCommand aCommand, TFileName& aDocumentName, const TDesC& "
                 "/*aTail*/);",
                 "    void CmdFileNewL();", "    void CmdFileOpenL();", "    void CmdFileSaveL();",
                 "    void CmdFileSaveAsL();", "    void CmdFileRevertL();", "    void CreateFileL(TFileName& aFileName);",
                 "    void OpenFileL(const TDesC& aFileName);", "    void OpenHelpL(void);", "    CEngine *iModel;"})));
}

// Opening without creating calls SetInitialPathL, which is then never
// defined. Without command-line handling HandleModelChangeL is the stub.
// With neither toolbar nor menus the switch is empty.
TEST(AppUiSources, OpenWithoutNewFileAndNoCommandLineHandling) {
  GuiBuild build;
  build.settings.doc_new_file = build.settings.doc_command_line = false;
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  EXPECT_EQ(source.find("void CProjectXAppUi::SetInitialPathL("), std::string::npos);
  EXPECT_EQ(source.find("coeutils.h"), std::string::npos);
  EXPECT_EQ(source.find("CmdFileNewL()\r\n"), std::string::npos);
  EXPECT_NE(source.find("\r\n    SetInitialPathL(filename);\r\n"), std::string::npos);
  // CurrentFilePath now comes straight after the handler.
  EXPECT_NE(source.find("    }\r\n}\r\n\r\n/*" + std::string(74, '=') + "*/\r\n/*" + std::string(74, ' ') +
                        "*/\r\n/* CurrentFilePath()  "),
            std::string::npos);
  EXPECT_TRUE(SwitchBody(source).empty());
  EXPECT_EQ(source.find("ProcessCommandParametersL"), std::string::npos);
  EXPECT_EQ(source.find("UpdateTaskNameL"), std::string::npos);
  EXPECT_NE(source.find("}\r\nvoid CProjectXAppUi::HandleModelChangeL()" + std::string(44, ' ') +
                        "// Required to ensure compilation\r\n{\r\n}\r\n/*====="),
            std::string::npos);
  std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
  EXPECT_EQ(header.find("ProcessCommandParametersL"), std::string::npos);
  EXPECT_NE(header.find("\r\n    void HandleModelChangeL();\r\n"), std::string::npos);
  GuiBuild neither;
  neither.settings.doc_new_file = neither.settings.doc_open_file = false;
  EXPECT_EQ(neither.Source(GenerateAppUiSource, "AppUI.cpp").find("CurrentFilePath"), std::string::npos);
}

// Each option adds only its own document block (after IsCurrentFileName,
// opened by a blank line, two double rules and a blank line) and AppUi
// method, and makes only its own command's case call a method; the other
// standard commands show the placeholder. (The checked files hold every
// block and case with all options set and with none.)
TEST(SourceOptions, EachAddsOnlyItsBlockMethodAndCase) {
  struct Case {
    bool Settings::*option;
    std::string document, ui;  // signatures; "" for none
    const char* command;       // "" for none
  };
  const std::vector<Case> cases = {
      {&Settings::doc_new_file, "DoNewFileL(const TFileName& aFileName)", "CreateFileL(TFileName& aFileName)",
       "EEikCmdFileNew"},
      {&Settings::doc_open_file, "DoOpenFileL(const TFileName& aFileName)", "OpenFileL(const TDesC& aFileName)", ""},
      {&Settings::doc_save_as, "DoFileSaveToNewL(const TFileName& aNewFileName)", "CmdFileSaveAsL()",
       "EEikCmdFileSaveAs"},
      {&Settings::doc_revert, "DoFileRevertL()", "CmdFileRevertL()", "EEikCmdFileRevert"},
      {&Settings::doc_save, "", "CmdFileSaveL()", "EEikCmdFileSave"},
      {&Settings::help_on, "", "OpenHelpL(", "EEikCmdHelpContents"},
      {&Settings::help_about, "", "", "EEikCmdHelpAbout"},
  };
  const std::string opener = "\r\n\r\n/*" + std::string(74, '=') + "*/\r\n/*" + std::string(74, '=') + "*/\r\n\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    GuiBuild build;
    build.UseSampleCommands();
    build.ClearDocumentOptions();
    build.settings.*c.option = true;
    const std::string doc_header = build.Header(GenerateDocHeader, "Doc.h");
    const std::string doc = build.Source(GenerateDocSource, "Doc.cpp");
    const std::string ui_header = build.Header(GenerateAppUiHeader, "AppUI.h");
    const std::string ui = build.Source(GenerateAppUiSource, "AppUI.cpp");
    for (const Case& other : cases) {
      const bool same = &other == &c;
      if (!other.document.empty()) {
        EXPECT_EQ(doc_header.find("    void " + other.document + ";") != std::string::npos, same) << other.document;
        EXPECT_EQ(doc.find("void CProjectXDocument::" + other.document) != std::string::npos, same);
      }
      if (!other.ui.empty()) {
        EXPECT_EQ(ui_header.find("    void " + other.ui) != std::string::npos, same) << other.ui;
        EXPECT_EQ(ui.find("void CProjectXAppUi::" + other.ui) != std::string::npos, same) << other.ui;
      }
      if (*other.command) {
        EXPECT_EQ(CaseAction(ui, other.command).find("InfoMsg(") == std::string::npos, same) << other.command;
      }
    }
    if (!c.document.empty()) {
      EXPECT_NE(doc.find("    return (aFileName==Process()->MainDocFileName());\r\n}" + opener +
                         "void CProjectXDocument::" + c.document),
                std::string::npos);
    }
    EXPECT_EQ(doc.find("#include <eikproc.h>") != std::string::npos, c.option == &Settings::doc_new_file);
    EXPECT_EQ(ui.find("#include <eikdll.h>") != std::string::npos, c.option == &Settings::help_on);
  }
}

// Twice on the toolbar: two cases; on toolbar and menu: the toolbar's only;
// twice in the menus: two cases. The comparisons keep case, so a name that
// differs from a standard one in case only gets the placeholder.
TEST(AppUiSources, CasesComeFromTheToolbarThenTheMenusNotOnIt) {
  GuiBuild build;
  build.commands.toolbar = {{"ECmdB", "B"}, {"ECmdA", "A"}, {"ECmdB", "B again"}};
  for (const char* id : {"ECmdC", "ECmdA", "ECmdD", "ECmdC", "ecmda", "eeikcmdexit", "EEikCmdFileSaveas"}) {
    build.commands.menu_items.push_back({id, "", ""});
  }
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  std::vector<std::string> labels;
  for (const std::string& line : SwitchBody(source)) {
    if (line.rfind("        case ", 0) == 0) labels.push_back(line.substr(13, line.find(':') - 13));
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"ECmdB", "ECmdA", "ECmdB", "ECmdC", "ECmdD", "ECmdC", "ecmda",
                                              "eeikcmdexit", "EEikCmdFileSaveas"}));
  EXPECT_EQ(CaseAction(source, "ecmda"), "            iEikonEnv->InfoMsg(R_ECMDA_TXT);");
  EXPECT_EQ(CaseAction(source, "eeikcmdexit"), "            iEikonEnv->InfoMsg(R_EEIKCMDEXIT_TXT);");
  EXPECT_EQ(CaseAction(source, "EEikCmdFileSaveas"), "            iEikonEnv->InfoMsg(R_EEIKCMDFILESAVEAS_TXT);");
}

}  // namespace
}  // namespace kelvad
