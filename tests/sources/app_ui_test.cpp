#include <gtest/gtest.h>

#include "sources/app_ui.h"
#include "sources/doc.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
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

// The messaging header is the default one plus the requester's include
// and member; the bare header the default one less every document method.
TEST(AppUiSources, DefaultsBareAndMessagingMatchTheCheckedFiles) {
  const std::string header = Golden("sources/gui/defaults/AppUI.h");
  GuiBuild build, messaging, bare;
  for (GuiBuild* b : {&build, &messaging, &bare}) b->UseSampleCommands();
  messaging.settings.messaging = true;
  bare.ClearDocumentOptions();
  bare.settings.engine = false;
  EXPECT_EQ(Visible(build.Header(GenerateAppUiHeader, "AppUI.h")), Visible(header));
  EXPECT_EQ(Visible(build.Source(GenerateAppUiSource, "AppUI.cpp")), Visible(Golden("sources/gui/defaults/AppUI.cpp")));
  EXPECT_EQ(Visible(WithoutLines(messaging.Header(GenerateAppUiHeader, "AppUI.h"),
                                 {"#include \"MsgI.h\"" + std::string(67, ' ') + " // ProjectX MsgI ClassDef",
                                  "    CProjectXMsgIReq* iMsgIReq;"})),
            Visible(header));
  EXPECT_EQ(Visible(messaging.Source(GenerateAppUiSource, "AppUI.cpp")),
            Visible(Golden("sources/gui/messaging/AppUI.cpp")));
  EXPECT_EQ(Visible(bare.Source(GenerateAppUiSource, "AppUI.cpp")), Visible(Golden("sources/gui/bare/AppUI.cpp")));
  std::vector<std::string> document = {"#include \"engine.h\"" + std::string(66, ' ') + "// ProjectX Engine Class Def",
                                       "    TBool ProcessCommandParametersL(TApaCommand aCommand, TFileName& "
                                       "aDocumentName, const TDesC& /*aTail*/);"};
  for (const char* method : {"CmdFileNewL()", "CmdFileOpenL()", "CmdFileSaveL()", "CmdFileSaveAsL()", "CmdFileRevertL()",
                             "CreateFileL(TFileName& aFileName)", "OpenFileL(const TDesC& aFileName)", "OpenHelpL(void)"}) {
    document.push_back(std::string("    void ") + method + ";");
  }
  document.push_back("    CEngine *iModel;");
  EXPECT_EQ(Visible(bare.Header(GenerateAppUiHeader, "AppUI.h")), Visible(WithoutLines(header, document)));
}

// Opening without creating calls SetInitialPathL, which is then never
// defined (nor its banner left behind). Without command-line handling
// HandleModelChangeL is the stub. With neither toolbar nor menus the switch
// is empty.
TEST(AppUiSources, OpenWithoutNewFileAndNoCommandLineHandling) {
  GuiBuild build;
  build.settings.doc_new_file = build.settings.doc_command_line = false;
  const std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
  const std::string header = build.Header(GenerateAppUiHeader, "AppUI.h");
  for (const char* absent : {"void CProjectXAppUi::SetInitialPathL(", "coeutils.h", "CmdFileNewL()\r\n",
                             "ProcessCommandParametersL", "UpdateTaskNameL"}) {
    EXPECT_EQ(source.find(absent), std::string::npos) << absent;
  }
  for (const std::string& present :
       {std::string("\r\n    SetInitialPathL(filename);\r\n"), "    }\r\n}\r\n\r\n/*" + std::string(74, '=') + "*/\r\n/*" +
                                                  std::string(74, ' ') + "*/\r\n/* CurrentFilePath()  ",
        "}\r\nvoid CProjectXAppUi::HandleModelChangeL()" + std::string(44, ' ') +
            "// Required to ensure compilation\r\n{\r\n}\r\n/*====="}) {
    EXPECT_NE(source.find(present), std::string::npos) << present;
  }
  EXPECT_TRUE(SwitchBody(source).empty());
  EXPECT_EQ(header.find("ProcessCommandParametersL"), std::string::npos);
  EXPECT_NE(header.find("\r\n    void HandleModelChangeL();\r\n"), std::string::npos);
  GuiBuild neither;
  neither.settings.doc_new_file = neither.settings.doc_open_file = false;
  EXPECT_EQ(neither.Source(GenerateAppUiSource, "AppUI.cpp").find("CurrentFilePath"), std::string::npos);
}

// Each option adds only its own document block and AppUi method, and makes
// only its own command's case call a method; the other standard commands
// show the placeholder. (The checked files hold every block and case, with
// all options set and with none, each block in its place.)
TEST(SourceOptions, EachAddsOnlyItsBlockMethodAndCase) {
  struct Case {
    bool Settings::*option;
    std::string document, ui;  // signatures; "" for none
    std::string command;       // "" for none
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ui);
    GuiBuild build;
    build.UseSampleCommands();
    build.ClearDocumentOptions();
    build.settings.*c.option = true;
    const std::string doc = build.Header(GenerateDocHeader, "Doc.h") + build.Source(GenerateDocSource, "Doc.cpp");
    const std::string ui = build.Header(GenerateAppUiHeader, "AppUI.h") + build.Source(GenerateAppUiSource, "AppUI.cpp");
    auto has = [](const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; };
    for (const Case& other : cases) {
      const bool same = &other == &c;
      if (!other.document.empty()) {
        EXPECT_EQ(has(doc, "    void " + other.document + ";"), same) << other.document;
        EXPECT_EQ(has(doc, "void CProjectXDocument::" + other.document), same) << other.document;
      }
      if (!other.ui.empty()) {
        EXPECT_EQ(has(ui, "    void " + other.ui), same) << other.ui;
        EXPECT_EQ(has(ui, "void CProjectXAppUi::" + other.ui), same) << other.ui;
      }
      if (!other.command.empty()) EXPECT_EQ(!has(CaseAction(ui, other.command), "InfoMsg("), same) << other.command;
    }
    EXPECT_EQ(has(ui, "#include <eikdll.h>"), c.option == &Settings::help_on);
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
  const std::string source = build.Source(GenerateAppUiSource, "AppUI.cpp");
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
