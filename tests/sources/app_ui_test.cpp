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

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

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

TEST(AppUiSources, EachMethodFollowsItsOwnOption) {
  struct Case {
    bool Settings::*option;
    const char* declaration;
    const char* definition;
  };
  const std::vector<Case> cases = {
      {&Settings::doc_save, "    void CmdFileSaveL();", "void CProjectXAppUi::CmdFileSaveL()"},
      {&Settings::doc_save_as, "    void CmdFileSaveAsL();", "void CProjectXAppUi::CmdFileSaveAsL()"},
      {&Settings::doc_revert, "    void CmdFileRevertL();", "void CProjectXAppUi::CmdFileRevertL()"},
      {&Settings::help_on, "    void OpenHelpL(void);", "void CProjectXAppUi::OpenHelpL()"},
      {&Settings::doc_open_file, "    void OpenFileL(const TDesC& aFileName);",
       "void CProjectXAppUi::OpenFileL(const TDesC& aFileName)"},
      {&Settings::doc_new_file, "    void CreateFileL(TFileName& aFileName);",
       "void CProjectXAppUi::CreateFileL(TFileName& aFileName)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.definition);
    GuiBuild build;
    build.ClearDocumentOptions();
    build.settings.*c.option = true;
    std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
    std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
    for (const Case& other : cases) {
      EXPECT_EQ(header.find(other.declaration) != std::string::npos, other.option == c.option);
      EXPECT_EQ(source.find(other.definition) != std::string::npos, other.option == c.option);
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

TEST(CommandCases, StandardIdentifiersCallTheirMethodsWhileTheirOptionIsSet) {
  struct Case {
    const char* id;
    bool Settings::*option;
    std::vector<std::string> with_option;
    const char* placeholder = "";
  };
  const std::vector<Case> cases = {
      {"EEikCmdFileNew", &Settings::doc_new_file,
       {"        case EEikCmdFileNew:                                                         // Handle 'Create New "
        "File...'",
        "            CmdFileNewL();"},
       "R_EEIKCMDFILENEW_TXT"},
      {"EEikCmdFileSave", &Settings::doc_save, {"        case EEikCmdFileSave: ", "            CmdFileSaveL();"}, "R_EEIKCMDFILESAVE_TXT"},
      {"EEikCmdFileSaveAs", &Settings::doc_save_as,
       {"        case EEikCmdFileSaveAs: ", "            CmdFileSaveAsL();"}, "R_EEIKCMDFILESAVEAS_TXT"},
      {"EEikCmdFileRevert", &Settings::doc_revert,
       {"        case EEikCmdFileRevert: ", "            CmdFileRevertL();"}, "R_EEIKCMDFILEREVERT_TXT"},
      {"EEikCmdHelpAbout", &Settings::help_about,
       {"        case EEikCmdHelpAbout:", "            {", "                CEikDialog* about = new (ELeave) CEikDialog();",
        "                about->ExecuteLD(R_PROJECTX_ABOUT);", "            }"},
       "R_EEIKCMDHELPABOUT_TXT"},
      {"EEikCmdHelpContents", &Settings::help_on,
       {"        case EEikCmdHelpContents:", "            OpenHelpL();"}, "R_EEIKCMDHELPCONTENTS_TXT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    GuiBuild build;
    std::vector<std::string> expected = c.with_option;
    expected.push_back("            break;");
    EXPECT_EQ(Visible(CaseFor(build, c.id)), Visible(Joined(expected)));

    build.settings.*c.option = false;
    std::vector<std::string> placeholder = {c.with_option.front(),
                                            std::string("            iEikonEnv->InfoMsg(") + c.placeholder + ");",
                                            "            break;"};
    EXPECT_EQ(Visible(CaseFor(build, c.id)), Visible(Joined(placeholder)));
  }
}

TEST(CommandCases, ExitAlwaysSavesAndOtherIdentifiersGetThePlaceholder) {
  GuiBuild build;
  build.ClearDocumentOptions();
  const std::string exit = CrLf({"        case EEikCmdExit: ",
                                 "            SaveL();                                                                 "
                                 "// EIKON Apps must call SaveL() before exiting.",
                                 "            Exit();", "            break;"});
  EXPECT_EQ(Visible(CaseFor(build, "EEikCmdExit")), Visible(exit));
  build.settings.doc_save = build.settings.doc_open_file = true;
  EXPECT_EQ(Visible(CaseFor(build, "EEikCmdExit")), Visible(exit));
  // No option belongs to the open command: the placeholder even with the
  // open-file option set.
  EXPECT_EQ(Visible(CaseFor(build, "EEikCmdFileOpen")),
            Visible(CrLf({"        case EEikCmdFileOpen:", "            iEikonEnv->InfoMsg(R_EEIKCMDFILEOPEN_TXT);",
                          "            break;"})));
  // The comparison keeps case: a lower-case standard name is just another command.
  EXPECT_EQ(Visible(CaseFor(build, "eeikcmdexit")),
            Visible(CrLf({"        case eeikcmdexit:", "            iEikonEnv->InfoMsg(R_EEIKCMDEXIT_TXT);",
                          "            break;"})));
  EXPECT_EQ(Visible(CaseFor(build, "EEikCmdFileSaveas")),
            Visible(CrLf({"        case EEikCmdFileSaveas:", "            iEikonEnv->InfoMsg(R_EEIKCMDFILESAVEAS_TXT);",
                          "            break;"})));
}

TEST(CommandCases, AboutNamesTheProjectAndPlaceholdersNameTheCommand) {
  GuiBuild build;
  build.settings.name = "MyApp";
  std::string about = CaseFor(build, "EEikCmdHelpAbout");
  EXPECT_NE(about.find("\r\n                about->ExecuteLD(R_MYAPP_ABOUT);\r\n"), std::string::npos);
  EXPECT_NE(CaseFor(build, "EMyAppCmdZoom").find("(R_EMYAPPCMDZOOM_TXT);"), std::string::npos);

  build.settings.name = "myapp";
  EXPECT_NE(CaseFor(build, "EEikCmdHelpAbout").find("(R_MYAPP_ABOUT);"), std::string::npos);
  build.settings.name = "My App";
  EXPECT_NE(CaseFor(build, "EEikCmdHelpAbout").find("(R_MY APP_ABOUT);"), std::string::npos);
}

TEST(AppUiSources, NamesDifferingOnlyInCaseShareResourceNamesButNotGuards) {
  GuiBuild upper;
  upper.settings.name = "MyApp";
  upper.Prepare();
  GuiBuild lower;
  lower.settings.name = "myapp";
  lower.Prepare();
  std::string upper_app_h = upper.Header(GenerateAppHeader, "App.h");
  std::string lower_app_h = lower.Header(GenerateAppHeader, "App.h");
  EXPECT_NE(upper_app_h.find("#define __MyApp_APP_H "), std::string::npos);
  EXPECT_NE(lower_app_h.find("#define __myapp_APP_H "), std::string::npos);
  EXPECT_EQ(lower_app_h.find("MyApp"), std::string::npos);
  std::string a = upper.Source(GenerateAppUiSource, "AppUI.cpp");
  std::string b = lower.Source(GenerateAppUiSource, "AppUI.cpp");
  for (const std::string* source : {&a, &b}) {
    EXPECT_NE(source->find("        iEikonEnv->InfoMsg(R_MYAPP_DOCUMENT_UNCHANGED);\r\n"), std::string::npos);
    EXPECT_NE(source->find("(R_MYAPP_REVERT_TITLE, R_MYAPP_REVERT_TEXT))"), std::string::npos);
  }
  EXPECT_NE(b.find("\r\n#include <myapp.rsg>     "), std::string::npos);
  EXPECT_NE(b.find("iToolBar->ControlById(EmyappCmdFileName));"), std::string::npos);
  EXPECT_NE(upper.Header(GenerateAppUiHeader, "AppUI.h").find("\r\n#ifndef __MyApp_APPUI_H "), std::string::npos);
  EXPECT_NE(lower.Header(GenerateAppUiHeader, "AppUI.h").find("\r\n#ifndef __myapp_APPUI_H "), std::string::npos);
}

// The handler names the text buffers the resource script defines, so both
// upper-case the project name alike, Latin-1 letters included.
TEST(AppUiSources, ResourceNamesMatchTheResourceScriptForAccentedNames) {
  GuiBuild build;
  build.settings.name = "Caf\u00e9";
  build.Prepare();
  build.UseSampleCommands();
  std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  GenerateResourceScript(build.context, build.settings.name, build.GuiDir(), build.settings.name);
  std::string script = build.Gui("Caf\u00e9.rss");
  for (const char* resource : {"R_CAF\xC9_DOCUMENT_UNCHANGED", "R_CAF\xC9_REVERT_TITLE", "R_CAF\xC9_REVERT_TEXT"}) {
    EXPECT_NE(source.find(resource), std::string::npos) << resource;
    EXPECT_NE(script.find(std::string("RESOURCE TBUF ") + resource + " "), std::string::npos) << resource;
  }
  EXPECT_NE(source.find("(R_CAF\xC9_ABOUT);"), std::string::npos);
}

}  // namespace
}  // namespace kelvad
