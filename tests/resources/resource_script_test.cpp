#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "resources/command_header.h"
#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"
#include "resources/resource_script.h"
#include "resources/standard_commands.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::CrLf;
using testing::Visible;

// A GUI step's view of the command data for a project named Demo on c:.
class ResourceFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    build.settings.name = "Demo";
    build.settings.app_name = "Demo App";
    build.MakeProjectDirectories({"\\GUI", "\\Include"});
    LoadStandardCommands(model());
    BuildDefaultMenus(model());
  }

  CommandModel& model() { return build.commands; }

  std::string Rss() {
    GenerateResourceScript(build.context, "Demo", "c:\\Demo\\GUI", "Demo");
    return build.Bytes("c:\\Demo\\GUI\\Demo.rss");
  }
  std::string Hrh() {
    GenerateCommandHeader(build.context, "Demo.hrh", "c:\\Demo\\Include", "Demo");
    return build.Bytes("c:\\Demo\\Include\\Demo.hrh");
  }

  // Compares with a golden file; KELVAD_UPDATE_GOLDEN=1 rewrites it instead
  // (to be read line by line before it is committed).
  static void ExpectGolden(const std::string& bytes, const std::string& name) {
    if (std::getenv("KELVAD_UPDATE_GOLDEN")) {
      std::ofstream(std::string(KELVAD_GOLDEN_DIR) + "/" + name, std::ios::binary) << bytes;
    }
    EXPECT_EQ(Visible(bytes), Visible(testing::Golden(name)));
  }

  testing::TestBuild build;
};

// The whole file, with every block written: menus, a toolbar of two buttons
// (one also on a menu), and hotkeys in all three tables.
TEST_F(ResourceFiles, FullScript) {
  AddCommand(model(), "CmdDemo", "Demo", "^d");
  AddToolbarButton(model(), "EEikCmdFileNew", "New");
  AddToolbarButton(model(), "CmdDemo", "Demo");
  model().extra_hotkeys.push_back({"CmdDemo", "", "d"});
  CollectMenuItems(model());
  ExpectGolden(Rss(), "resources/full.rss");
}

// Neither menus nor toolbar, no hotkeys, not file based.
TEST_F(ResourceFiles, BareScript) {
  build.settings.menu = false;
  build.settings.toolbar = false;
  build.settings.file_based = false;
  model().menus.clear();
  CollectMenuItems(model());
  ExpectGolden(Rss(), "resources/bare.rss");
}

TEST_F(ResourceFiles, ApplicationInformationFollowsTheOptions) {
  CollectMenuItems(model());
  build.settings.toolbar = false;
  std::string rss = Rss();
  EXPECT_NE(rss.find(CrLf({"RESOURCE EIK_APP_INFO", "{", "  menubar=r_demo_menubar;", "  hotkeys=r_demo_hotkeys;", "}"})),
            std::string::npos);
  EXPECT_EQ(rss.find("TOOLBAR"), std::string::npos);

  build.settings.menu = false;
  model().menus.clear();
  CollectMenuItems(model());
  rss = Rss();
  EXPECT_NE(rss.find(CrLf({"RESOURCE EIK_APP_INFO", "{", "}"})), std::string::npos);
  EXPECT_EQ(rss.find("MENU"), std::string::npos);
  EXPECT_EQ(rss.find("RESOURCE HOTKEYS"), std::string::npos);
  // The banner stays without hotkeys.
  EXPECT_NE(rss.find("/* HOTKEY Definitions "), std::string::npos);
}

TEST_F(ResourceFiles, FileBasedApplicationNamesItself) {
  CollectMenuItems(model());
  EXPECT_NE(Rss().find(CrLf({"RESOURCE RSS_SIGNATURE { }", "RESOURCE TBUF { buf=\"Demo App\"; }", ""})),
            std::string::npos);
  build.settings.file_based = false;
  EXPECT_NE(Rss().find(CrLf({"RESOURCE RSS_SIGNATURE { }", "RESOURCE TBUF { }", ""})), std::string::npos);
}

TEST_F(ResourceFiles, ControlAndPlainListsWithoutShiftControl) {
  model().menus.clear();
  AddMenu(model(), "File", "");
  AddMenuItem(model(), "File", "EEikCmdFileNew");
  AddMenuItem(model(), "File", "EEikCmdFileOpen");
  model().extra_hotkeys.push_back({"EEikCmdEditCut", "", "a"});
  CollectMenuItems(model());
  EXPECT_NE(Rss().find(CrLf({"RESOURCE HOTKEYS r_demo_hotkeys",
                             "{",
                             "    control=",
                             "    {",
                             "        HOTKEY { command=EEikCmdFileNew; key='n'; },",
                             "        HOTKEY { command=EEikCmdFileOpen; key='o'; }",
                             "    };",
                             "",
                             "    plain=",
                             "    {",
                             "        HOTKEY { command=EEikCmdEditCut; key='a'; }",
                             "    };",
                             "}",
                             ""})),
            std::string::npos);
}

TEST_F(ResourceFiles, OnlyAShiftControlList) {
  model().menus.clear();
  model().extra_hotkeys.push_back({"EEikCmdFileSaveAs", "", "^S"});
  CollectMenuItems(model());
  EXPECT_NE(Rss().find(CrLf({"{", "    shift_control=", "    {", "        HOTKEY { command=EEikCmdFileSaveAs; key='s'; }",
                             "    };", "", "}"})),
            std::string::npos);
}

TEST_F(ResourceFiles, EmptyToolbarStillHasLabelSpacersAndClock) {
  CollectMenuItems(model());
  std::string rss = Rss();
  size_t start = rss.find("RESOURCE TOOLBAR r_demo_toolbar\r\n");
  ASSERT_NE(start, std::string::npos);
  size_t end = rss.find("\r\n}\r\n", start);
  std::string block = rss.substr(start, end + 5 - start);
  EXPECT_EQ(Visible(block),
            Visible(CrLf({"RESOURCE TOOLBAR r_demo_toolbar",
                          "{",
                          "    flags=EEikToolBarDistributeControlsEvenlyBetweenLines;",
                          "    controls=",
                          "    {",
                          "        TBAR_CTRL",
                          "        {",
                          "            id=EDemoCmdFileName;",
                          "            type=EEikCtFileNameLabel;",
                          "            flags=EEikToolBarCtrlHasSetMinLength;",
                          "            length=KEikStdFileNameLabelHeight;",
                          "        },",
                          "        TBAR_CTRL",
                          "        {",
                          "            type=EEikCtSpacer;",
                          "            flags=EEikToolBarCtrlHasSetMinLength|EEikToolBarCtrlIsStretchable;",
                          "            length=0;",
                          "            control=SPACER;",
                          "        },",
                          "        TBAR_CTRL",
                          "        {",
                          "            type=EEikCtClock;",
                          "            control=CLOCK { digitalresourceid=R_EIK_DIGITAL_CLOCK; "
                          "analogresourceid=R_EIK_ANALOG_CLOCK; };",
                          "        },",
                          "        TBAR_CTRL",
                          "        {",
                          "            type=EEikCtSpacer;",
                          "            flags=EEikToolBarCtrlHasSetMinLength;",
                          "            length=KEikStdGapBelowClock;",
                          "            control=SPACER;",
                          "        }",
                          "    };",
                          "}"})));
  // The toolbar options for the label and the clock are not consulted.
  build.settings.toolbar_filename = false;
  build.settings.toolbar_clock = false;
  EXPECT_EQ(Rss(), rss);
}

TEST_F(ResourceFiles, EmptyMenuTreeLeavesAnEmptyTitleList) {
  model().menus.clear();
  CollectMenuItems(model());
  std::string rss = Rss();
  EXPECT_NE(rss.find(CrLf({"RESOURCE MENU_BAR r_demo_menubar", "{", "    titles=", "    {", "", "    };", "}", "", "",
                           ""})),
            std::string::npos);
  EXPECT_EQ(rss.find("MENU_PANE"), std::string::npos);
}

TEST_F(ResourceFiles, EmptyMenuGivesAnEmptyPane) {
  model().menus.clear();
  AddMenu(model(), "Empty", "");
  CollectMenuItems(model());
  EXPECT_NE(Rss().find(CrLf({"RESOURCE MENU_PANE r_demo_empty_menu", "{", "    items=", "    {", "", "    };", "}", ""})),
            std::string::npos);
}

TEST_F(ResourceFiles, TitlesAreLowerCasedButOtherwiseVerbatimInNames) {
  model().menus.clear();
  AddMenu(model(), "My Tools", "");
  AddMenu(model(), "\xC3\x9C" "bersicht", "My Tools");  // Übersicht
  AddMenuItem(model(), "\xC3\x9C" "bersicht", "EEikCmdExit");
  CollectMenuItems(model());
  std::string rss = Rss();
  EXPECT_NE(rss.find("        MENU_TITLE { menu_pane=r_demo_my tools_menu; txt=\"My Tools\"; }\r\n"), std::string::npos);
  // Windows-1252 in the file: ü is FC, Ü is DC.
  EXPECT_NE(rss.find("        MENU_ITEM { cascade=r_demo_\xFC" "bersicht_menu; txt=\"\xDC" "bersicht\"; }\r\n"),
            std::string::npos);
  EXPECT_NE(rss.find("RESOURCE MENU_PANE r_demo_\xFC" "bersicht_menu\r\n"), std::string::npos);
}

TEST_F(ResourceFiles, CascadePanesComeFirstDepthFirst) {
  CollectMenuItems(model());
  std::string rss = Rss();
  std::vector<std::string> panes;
  for (size_t at = rss.find("RESOURCE MENU_PANE "); at != std::string::npos; at = rss.find("RESOURCE MENU_PANE ", at + 1)) {
    panes.push_back(rss.substr(at + 19, rss.find("\r\n", at) - at - 19));
  }
  EXPECT_EQ(panes, (std::vector<std::string>{"r_demo_more_menu", "r_demo_file_menu", "r_demo_edit_menu", "r_demo_view_menu",
                                             "r_demo_infrared_menu", "r_demo_tools_menu"}));
}

TEST_F(ResourceFiles, RootLevelItemIsATitleWithAnEmptyPane) {
  model().menus.clear();
  model().menus.push_back(MakeItemNode("EEikCmdExit", "Close", "^e"));
  CollectMenuItems(model());
  std::string rss = Rss();
  EXPECT_NE(rss.find("        MENU_TITLE { menu_pane=r_demo_close_menu; txt=\"Close\"; }\r\n"), std::string::npos);
  EXPECT_NE(rss.find(CrLf({"RESOURCE MENU_PANE r_demo_close_menu", "{", "    items=", "    {", "", "    };"})),
            std::string::npos);
}

TEST_F(ResourceFiles, ToolbarCommandOnAMenuHasOneUpperCaseTextBuffer) {
  model().menus.clear();
  AddMenu(model(), "File", "");
  AddMenuItem(model(), "File", "EEikCmdFileNew");
  AddMenuItem(model(), "File", "EEikCmdExit");
  AddToolbarButton(model(), "EEikCmdFileNew", "New");
  CollectMenuItems(model());
  std::string rss = Rss();
  EXPECT_NE(rss.find(CrLf({"RESOURCE TBUF R_EEIKCMDFILENEW_TXT { buf=\"'EEikCmdFileNew' executed\"; }",
                           "RESOURCE TBUF R_EEikCmdExit_TXT { buf=\"'EEikCmdExit' executed\"; }", "",
                           "RESOURCE TBUF R_DEMO_DOCUMENT_UNCHANGED { buf=\"File has not changed\"; }"})),
            std::string::npos);
  EXPECT_EQ(rss.find("R_EEikCmdFileNew_TXT"), std::string::npos);
}

TEST_F(ResourceFiles, DialogKeepsTheNameAsTypedAndTheMenuBarLowerCases) {
  CollectMenuItems(model());
  std::string rss = Rss();
  EXPECT_NE(rss.find("RESOURCE DIALOG r_Demo_about\r\n"), std::string::npos);
  EXPECT_NE(rss.find("RESOURCE MENU_BAR r_demo_menubar\r\n"), std::string::npos);
}

TEST_F(ResourceFiles, MenuChangesAfterTheCollectionReachOnlyThePanes) {
  CollectMenuItems(model());
  ASSERT_TRUE(InsertMenuItem(model(), "M:Edit", Placement::kChild, "EEikCmdEditUndo", "^z"));
  std::string rss = Rss();
  EXPECT_NE(rss.find("MENU_ITEM { command=EEikCmdEditUndo; txt=\"Undo\"; }"), std::string::npos);
  EXPECT_EQ(rss.find("R_EEikCmdEditUndo_TXT"), std::string::npos);
  EXPECT_EQ(rss.find("command=EEikCmdEditUndo; key="), std::string::npos);
}

TEST_F(ResourceFiles, ScriptAddsTheToolbarCommandsToTheUsedList) {
  AddCommand(model(), "CmdDemo", "Demo", "");
  AddToolbarButton(model(), "CmdDemo", "Demo");
  AddToolbarButton(model(), "EEikCmdFileNew", "New");
  CollectMenuItems(model());
  Rss();
  EXPECT_EQ(model().used_commands, (std::vector<std::string>{"EVelCmdViewToolbar", "EDemoCmdFileName", "CmdDemo"}));
  build.settings.toolbar = false;
  Rss();  // the list only grows
  EXPECT_EQ(model().used_commands.size(), 3u);
}

TEST_F(ResourceFiles, ScriptIsNeitherInTheTreeNorReported) {
  CollectMenuItems(model());
  size_t tree_size = build.tree.size();
  size_t lines = build.report.Lines().size();
  Rss();
  Hrh();
  EXPECT_EQ(build.tree.size(), tree_size);
  EXPECT_EQ(build.report.Lines().size(), lines);
}

TEST_F(ResourceFiles, ScriptReplacesAnExistingFile) {
  build.drives.WriteFile("c:\\Demo\\GUI\\Demo.rss", std::string(100000, 'x'));
  CollectMenuItems(model());
  std::string rss = Rss();
  EXPECT_EQ(rss.find('x' + std::string(10, 'x')), std::string::npos);
  EXPECT_EQ(rss.substr(0, 2), "/*");
}

// The command header.

TEST_F(ResourceFiles, HeaderWithoutUsedCommands) {
  EXPECT_EQ(Visible(Hrh()), Visible(CrLf({"/*", "    Demo.hrh", "*/", "", "enum TDemoMenuCommands", "{", "};", ""})));
}

TEST_F(ResourceFiles, HeaderWithOneUsedCommand) {
  AddUsedCommand(model(), "EVelCmdZoomSet");
  EXPECT_EQ(Visible(Hrh()),
            Visible(CrLf({"/*", "    Demo.hrh", "*/", "", "enum TDemoMenuCommands", "{", "    EVelCmdZoomSet = 100", "};", ""})));
}

TEST_F(ResourceFiles, HeaderWithManyUsedCommands) {
  for (const char* name : {"EVelCmdZoomSet", "EVelCmdViewToolbar", "EEikCmdExit", "CmdDemo"}) AddUsedCommand(model(), name);
  EXPECT_EQ(Visible(Hrh()), Visible(CrLf({"/*", "    Demo.hrh", "*/", "", "enum TDemoMenuCommands", "{",
                                          "    EVelCmdZoomSet = 100,", "    EVelCmdViewToolbar,", "    CmdDemo", "};", ""})));
}

TEST_F(ResourceFiles, HeaderAfterTheScriptEnumeratesWhatTheScriptUsed) {
  CollectMenuItems(model());
  Rss();
  EXPECT_NE(Hrh().find(CrLf({"{", "    EVelCmdViewToolbar = 100,", "    EDemoCmdFileName", "};"})), std::string::npos);
}

TEST_F(ResourceFiles, ResourceBuildScript) {
  build.settings.drive = "c: [Local Disk]";
  GenerateResourceBuildScript(build.context, "Demo", "c:\\Demo\\GUI");
  EXPECT_EQ(Visible(build.Bytes("c:\\Demo\\GUI\\GenRSS.bat")),
            Visible(CrLf({"@ECHO OFF", "", "REM " + std::string(70, '*'),
                          "REM * This BAT file was generated by Kelvad                              *",
                          "REM " + std::string(70, '*'), "", "", "PATH=c:\\epoc32\\tools;c:\\epoc32\\gcc\\bin;",
                          "c:\\epoc32\\tools\\eikrs.bat Demo SC > c:\\Demo\\GUI\\eikrs.log"})));
  ASSERT_FALSE(build.report.Lines().empty());
  EXPECT_EQ(build.report.Lines().back(), "Generating BAT File: GenRSS.bat");
}

}  // namespace
}  // namespace kelvad
