#include <gtest/gtest.h>

#include "model/output_file.h"
#include "sources/app.h"
#include "sources/app_ui.h"
#include "resources/resource_script.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::CrLf;
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
  size_t end = source.find("    }\r\n}\r\n", begin);
  return SplitLines(source.substr(begin, end - begin));
}

// The case labels of the handler, in order.
std::vector<std::string> CaseLabels(const std::string& source) {
  std::vector<std::string> labels;
  for (const std::string& line : SwitchBody(source)) {
    if (line.rfind("        case ", 0) == 0) labels.push_back(line.substr(0, line.find(':')).substr(13));
  }
  return labels;
}

// The line after a command's case label.
std::string CaseAction(const std::string& source, const std::string& command) {
  const std::vector<std::string> body = SwitchBody(source);
  for (size_t i = 0; i + 1 < body.size(); ++i) {
    if (body[i].rfind("        case " + command + ":", 0) == 0) return body[i + 1];
  }
  return "no case";
}

// What WriteCommandCase writes for one identifier, on its own.
std::string CaseFor(GuiBuild& build, const std::string& command_id) {
  {
    OutputFile file(build.context, "c:\\case.txt");
    WriteCommandCase(file, command_id, build.settings.name);
  }
  return build.Bytes("c:\\case.txt");
}

TEST(AppUiSources, DefaultsMatchTheCheckedFilesByteForByte) {
  GuiBuild build;
  build.UseSampleCommands();
  EXPECT_EQ(Visible(build.Header(GenerateAppUiHeader, "AppUI.h")), Visible(Golden("sources/gui/defaults/AppUI.h")));
  EXPECT_EQ(Visible(build.Source(GenerateAppUiSource, "AppUI.cpp")),
            Visible(Golden("sources/gui/defaults/AppUI.cpp")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 436 lines.");
  EXPECT_EQ(build.tree.Find("INC:AppUI.h")->image, 5);
  EXPECT_EQ(build.tree.Find("GUI:AppUI.cpp")->image, 4);
}

TEST(AppUiSources, EngineAndAllDocumentOptionsCleared) {
  GuiBuild build;
  build.UseSampleCommands();
  build.ClearDocumentOptions();
  build.settings.engine = false;
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  EXPECT_EQ(Visible(source), Visible(Golden("sources/gui/bare/AppUI.cpp")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 99 lines.");

  std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
  EXPECT_EQ(Visible(header),
            Visible(WithoutLines(
                Golden("sources/gui/defaults/AppUI.h"),
                {"#include \"engine.h\"                                                                  // ProjectX "
                 "Engine Class Def",
                 "    TBool ProcessCommandParametersL(TApaCommand aCommand, TFileName& aDocumentName, const TDesC& "
                 "/*aTail*/);",
                 "    void CmdFileNewL();", "    void CmdFileOpenL();", "    void CmdFileSaveL();",
                 "    void CmdFileSaveAsL();", "    void CmdFileRevertL();", "    void CreateFileL(TFileName& aFileName);",
                 "    void OpenFileL(const TDesC& aFileName);", "    void OpenHelpL(void);", "    CEngine *iModel;"})));
}

TEST(AppUiSources, MessagingAddsTheRequesterAndItsCasesAndNothingElse) {
  GuiBuild build;
  build.UseSampleCommands();
  build.settings.messaging = true;
  std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
  EXPECT_EQ(Visible(WithoutLines(header, {"#include \"MsgI.h\"" + std::string(67, ' ') + " // ProjectX MsgI ClassDef",
                                          "    CProjectXMsgIReq* iMsgIReq;"})),
            Visible(Golden("sources/gui/defaults/AppUI.h")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 67 lines.");

  // The checked file is the defaults with the requester's construction and
  // deletion and the messaging cases (capital "Case" and all) added.
  EXPECT_EQ(Visible(build.Source(GenerateAppUiSource, "AppUI.cpp")),
            Visible(Golden("sources/gui/messaging/AppUI.cpp")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 489 lines.");
}

TEST(AppUiSources, OpenFileWithoutNewFileCallsTheUndefinedSetInitialPathL) {
  GuiBuild build;
  build.settings.doc_new_file = false;
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  EXPECT_EQ(source.find("void CProjectXAppUi::SetInitialPathL("), std::string::npos);
  EXPECT_EQ(source.find("coeutils.h"), std::string::npos);
  EXPECT_EQ(source.find("CmdFileNewL()\r\n"), std::string::npos);
  EXPECT_NE(source.find("\r\n    SetInitialPathL(filename);\r\n"), std::string::npos);
  // CurrentFilePath now comes straight after the handler.
  EXPECT_NE(source.find("    }\r\n}\r\n\r\n/*==========================================================================*/\r\n"
                        "/*                                                                          */\r\n"
                        "/* CurrentFilePath()                                                        */\r\n"),
            std::string::npos);
  EXPECT_NE(source.find("\r\nTFileName CProjectXAppUi::CurrentFilePath() const\r\n"), std::string::npos);

  GuiBuild neither_build;
  neither_build.settings.doc_new_file = neither_build.settings.doc_open_file = false;
  std::string neither = neither_build.Source(GenerateAppUiSource, "AppUI.cpp");
  EXPECT_EQ(neither.find("CurrentFilePath"), std::string::npos);
}

TEST(AppUiSources, WithoutCommandLineHandlingHandleModelChangeIsTheStub) {
  GuiBuild build;
  build.settings.doc_command_line = false;
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  EXPECT_EQ(source.find("ProcessCommandParametersL"), std::string::npos);
  EXPECT_EQ(source.find("UpdateTaskNameL"), std::string::npos);
  EXPECT_NE(source.find("}\r\nvoid CProjectXAppUi::HandleModelChangeL()                                         "
                        "   // Required to ensure compilation\r\n{\r\n}\r\n/*====="),
            std::string::npos);
  std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
  EXPECT_EQ(header.find("ProcessCommandParametersL"), std::string::npos);
  EXPECT_NE(header.find("\r\n    void HandleModelChangeL();\r\n"), std::string::npos);
}

// Each option adds only its own method and makes only its own command's case
// call a method; the other standard commands show the placeholder. (The
// checked files hold every case with all options set and with none.)
TEST(AppUiSources, EachOptionAddsOnlyItsMethodAndCase) {
  struct Case {
    bool Settings::*option;
    const char* declaration;  // "" for none
    const char* definition;
    const char* command;  // "" for none
  };
  const std::vector<Case> cases = {
      {&Settings::doc_save, "    void CmdFileSaveL();", "void CProjectXAppUi::CmdFileSaveL()", "EEikCmdFileSave"},
      {&Settings::doc_save_as, "    void CmdFileSaveAsL();", "void CProjectXAppUi::CmdFileSaveAsL()",
       "EEikCmdFileSaveAs"},
      {&Settings::doc_revert, "    void CmdFileRevertL();", "void CProjectXAppUi::CmdFileRevertL()",
       "EEikCmdFileRevert"},
      {&Settings::help_on, "    void OpenHelpL(void);", "void CProjectXAppUi::OpenHelpL()", "EEikCmdHelpContents"},
      {&Settings::doc_open_file, "    void OpenFileL(const TDesC& aFileName);",
       "void CProjectXAppUi::OpenFileL(const TDesC& aFileName)", ""},
      {&Settings::doc_new_file, "    void CreateFileL(TFileName& aFileName);",
       "void CProjectXAppUi::CreateFileL(TFileName& aFileName)", "EEikCmdFileNew"},
      {&Settings::help_about, "", "", "EEikCmdHelpAbout"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    GuiBuild build;
    build.UseSampleCommands();
    build.ClearDocumentOptions();
    build.settings.*c.option = true;
    std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
    std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
    for (const Case& other : cases) {
      if (*other.declaration) {
        EXPECT_EQ(header.find(other.declaration) != std::string::npos, &other == &c) << other.declaration;
        EXPECT_EQ(source.find(other.definition) != std::string::npos, &other == &c) << other.definition;
      }
      if (*other.command) {
        EXPECT_EQ(CaseAction(source, other.command).find("InfoMsg(") == std::string::npos, &other == &c)
            << other.command;
      }
    }
    EXPECT_EQ(source.find("#include <eikdll.h>") != std::string::npos, c.option == &Settings::help_on);
  }
}

TEST(CommandCases, ToolbarFirstThenMenuCommandsNotOnTheToolbar) {
  GuiBuild build;
  build.commands.toolbar = {{"ECmdB", "B"}, {"ECmdA", "A"}, {"ECmdB", "B again"}};
  build.commands.menu_items = {{"ECmdC", "", ""}, {"ECmdA", "", ""}, {"ECmdD", "", ""}, {"ECmdC", "", ""},
                               {"ecmda", "", ""}};
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  // Twice on the toolbar: two cases; on toolbar and menu: the toolbar's
  // only; twice in the menus: two cases; the comparison keeps case.
  EXPECT_EQ(CaseLabels(source), (std::vector<std::string>{"ECmdB", "ECmdA", "ECmdB", "ECmdC", "ECmdD", "ECmdC", "ecmda"}));
  EXPECT_NE(source.find("        case ecmda:\r\n            iEikonEnv->InfoMsg(R_ECMDA_TXT);\r\n            break;\r\n"),
            std::string::npos);
}

TEST(CommandCases, NoToolbarAndNoMenusGiveAnEmptySwitch) {
  GuiBuild build;
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  EXPECT_TRUE(SwitchBody(source).empty());
}

// The comparison with the standard names keeps case.
TEST(CommandCases, NamesDifferingInCaseFromAStandardOneGetThePlaceholder) {
  GuiBuild build;
  EXPECT_EQ(Visible(CaseFor(build, "eeikcmdexit")),
            Visible(CrLf({"        case eeikcmdexit:", "            iEikonEnv->InfoMsg(R_EEIKCMDEXIT_TXT);",
                          "            break;"})));
  EXPECT_EQ(Visible(CaseFor(build, "EEikCmdFileSaveas")),
            Visible(CrLf({"        case EEikCmdFileSaveas:", "            iEikonEnv->InfoMsg(R_EEIKCMDFILESAVEAS_TXT);",
                          "            break;"})));
}

}  // namespace
}  // namespace kelvad
