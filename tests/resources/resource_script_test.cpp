#include <gtest/gtest.h>

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
    build.commands = testing::StartedModel();
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

  testing::TestBuild build;
};

// The whole file, with every block written: menus, a toolbar of two buttons
// (one also on a menu), and hotkeys in all three tables; then the bare one:
// neither menus nor toolbar, no hotkeys, not file based.
TEST_F(ResourceFiles, FullAndBareScripts) {
  AddCommand(model(), "CmdDemo", "Demo", "^d");
  AddToolbarButton(model(), "EEikCmdFileNew", "New");
  AddToolbarButton(model(), "CmdDemo", "Demo");
  model().extra_hotkeys.push_back({"CmdDemo", "", "d"});
  CollectMenuItems(model());
  EXPECT_EQ(Visible(Rss()), Visible(testing::Golden("resources/full.rss")));
  build.settings.menu = build.settings.toolbar = build.settings.file_based = false;
  model() = testing::StartedModel();
  model().menus.clear();
  CollectMenuItems(model());
  EXPECT_EQ(Visible(Rss()), Visible(testing::Golden("resources/bare.rss")));
}

MenuNode Menu(const std::string& title, std::vector<MenuNode> children) {
  MenuNode menu = MakeMenuNode(title);
  menu.children = std::move(children);
  return menu;
}

// Menus and hotkeys the golden files do not have. Hotkey tables that stay
// empty are left out, with the separators between the others kept right;
// titles are lower-cased but otherwise verbatim in resource names.
// Without buttons the toolbar is the full golden's without its two,
// whatever the toolbar options for the label and the clock say: they are
// not consulted.
TEST_F(ResourceFiles, MenusHotkeyTablesAndAnEmptyToolbar) {
  const MenuNode exit = MakeItemNode("EEikCmdExit", "Close", "^e");
  const std::string full = testing::Golden("resources/full.rss");
  std::string empty_toolbar = full.substr(full.find("RESOURCE TOOLBAR r_demo_toolbar\r\n"));
  empty_toolbar.erase(empty_toolbar.find("\r\n}\r\n") + 5);
  const size_t buttons = empty_toolbar.find("        TBAR_BUTTON\r\n");
  empty_toolbar.erase(buttons, empty_toolbar.find("        TBAR_CTRL\r\n", buttons) - buttons);
  build.settings.toolbar_filename = build.settings.toolbar_clock = false;
  struct Case {
    const char* what;
    std::vector<MenuNode> menus;
    std::vector<MenuItemRecord> extras;
    std::vector<std::string> expected;
  } cases[] = {
      {"an empty toolbar", {}, {}, {empty_toolbar}},
      {"no menus", {}, {},
       {CrLf({"RESOURCE MENU_BAR r_demo_menubar", "{", "    titles=", "    {", "", "    };", "}", "", "", ""})}},
      {"a menu without items", {MakeMenuNode("Empty")}, {},
       {CrLf({"RESOURCE MENU_PANE r_demo_empty_menu", "{", "    items=", "    {", "", "    };", "}", ""})}},
      {"an item at the root", {exit}, {},
       {CrLf({"        MENU_TITLE { menu_pane=r_demo_close_menu; txt=\"Close\"; }", "    };", "}", "", "",
              "RESOURCE MENU_PANE r_demo_close_menu", "{", "    items=", "    {", "", "    };"})}},
      {"shift-control alone", {}, {{"EEikCmdFileSaveAs", "", "^S"}},
       {CrLf({"{", "    shift_control=", "    {", "        HOTKEY { command=EEikCmdFileSaveAs; key='s'; }", "    };", "",
              "}"})}},
      // Windows-1252 in the file: ü is FC, Ü is DC.
      {"titles", {Menu("My Tools", {Menu("\xC3\x9C" "bersicht", {exit})})}, {},
       {"        MENU_TITLE { menu_pane=r_demo_my tools_menu; txt=\"My Tools\"; }\r\n",
        "        MENU_ITEM { cascade=r_demo_\xFC" "bersicht_menu; txt=\"\xDC" "bersicht\"; }\r\n",
        "RESOURCE MENU_PANE r_demo_\xFC" "bersicht_menu\r\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model().menus = c.menus;
    model().extra_hotkeys = c.extras;
    CollectMenuItems(model());
    std::string rss = Rss();
    for (const std::string& expected : c.expected) EXPECT_NE(rss.find(expected), std::string::npos) << Visible(rss);
    if (c.menus.empty()) EXPECT_EQ(rss.find("MENU_PANE"), std::string::npos);
  }
}

// The used list only grows, and only from the collection and the toolbar: a
// menu changed after the collection reaches only the panes. The golden files
// cover both settings of every option; without the toolbar alone the
// application information keeps the rest. Neither file is in the tree or
// the report.
TEST_F(ResourceFiles, ScriptAddsTheToolbarCommandsToTheUsedList) {
  AddCommand(model(), "CmdDemo", "Demo", "");
  AddToolbarButton(model(), "CmdDemo", "Demo");
  AddToolbarButton(model(), "EEikCmdFileNew", "New");
  CollectMenuItems(model());
  ASSERT_TRUE(InsertMenuItem(model(), "M:Edit", Placement::kChild, "EEikCmdEditUndo", "^z"));
  size_t tree_size = build.tree.size();
  std::string rss = Rss();
  EXPECT_NE(rss.find("MENU_ITEM { command=EEikCmdEditUndo; txt=\"Undo\"; }"), std::string::npos);
  EXPECT_EQ(rss.find("R_EEikCmdEditUndo_TXT"), std::string::npos);
  EXPECT_EQ(rss.find("command=EEikCmdEditUndo; key="), std::string::npos);
  EXPECT_EQ(model().used_commands, (std::vector<std::string>{"EVelCmdViewToolbar", "EDemoCmdFileName", "CmdDemo"}));
  build.settings.toolbar = false;
  rss = Rss();
  EXPECT_NE(rss.find(CrLf({"RESOURCE EIK_APP_INFO", "{", "  menubar=r_demo_menubar;", "  hotkeys=r_demo_hotkeys;", "}"})),
            std::string::npos);
  EXPECT_EQ(rss.find("TOOLBAR"), std::string::npos);
  Hrh();
  EXPECT_EQ(model().used_commands.size(), 3u);
  EXPECT_EQ(build.tree.size(), tree_size);
  EXPECT_TRUE(build.report.Lines().empty());
}

// The command header: the first used command is numbered. SDK commands are
// never used, and a name goes into the list once, case counting.
TEST_F(ResourceFiles, HeaderEnumeratesTheUsedCommands) {
  const std::vector<std::vector<const char*>> used = {
      {}, {"EVelCmdZoomSet"}, {"EVelCmdZoomSet", "EEikCmdExit", "CmdDemo", "EVelCmdZoomSet", "cmddemo"}};
  const std::vector<std::vector<std::string>> bodies = {
      {}, {"    EVelCmdZoomSet = 100"}, {"    EVelCmdZoomSet = 100,", "    CmdDemo,", "    cmddemo"}};
  for (size_t i = 0; i < used.size(); ++i) {
    SCOPED_TRACE(i);
    model().used_commands.clear();
    for (const char* name : used[i]) AddUsedCommand(model(), name);
    std::string expected = CrLf({"/*", "    Demo.hrh", "*/", "", "enum TDemoMenuCommands", "{"});
    for (const std::string& line : bodies[i]) expected += line + "\r\n";
    EXPECT_EQ(Visible(Hrh()), Visible(expected + CrLf({"};", ""})));
  }
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
