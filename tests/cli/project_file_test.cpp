#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/headless_run.h"
#include "support/test_build.h"

namespace {

namespace fs = std::filesystem;
using Outcome = kelvad::testing::RunOutcome;
using kelvad::testing::CrLf;
using kelvad::testing::HeadlessRun;

// The saved commands are read first, as far as a broken file allows, and
// the file is never rewritten by a headless run. Items take the texts and
// hotkeys of their commands unless they give their own. The release given
// (5) is the one built for. --set comes after the file; the project's name
// is the application's unless the file gives one.
TEST_F(HeadlessRun, DescriptionShapesTheProjectAfterTheSavedCommands) {
  auto generate = [&](const std::string& description, const std::string& more = "") {
    Write(root / "project.json", description);
    return Generate("--sdk-release 5 --no-launch --project " + (root / "project.json").string() + " " + more);
  };
  const std::string broken = "CmdSaved\r\nSaved\r\n^k\r\nCmdHalf\r\n";
  Write(root / "data" / "cmdlist.dat", broken);
  Outcome run = generate(R"({"settings": {"name": "FromFile", "app_name": "Shown", "help": false},
    "commands": [{"name": "CmdMine"}],
    "menus": [{"title": "Go", "items": [{"command": "CmdSaved"}, {"command": "CmdMine", "text": "Mine"}]}],
    "toolbar": [{"command": "CmdMine", "text": "Go"}], "hotkeys": [{"command": "EEikCmdFileSave", "hotkey": "s"}]})",
                         "--set name=Demo");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists(root / "c" / "FromFile"));
  EXPECT_NE(run.err.find("Unexpected error reading command list, commands may not have loaded correctly."),
            std::string::npos);
  EXPECT_EQ(Read(root / "data" / "cmdlist.dat"), broken);
  std::string rss = Read(root / "c" / "Demo" / "GUI" / "Demo.rss");
  EXPECT_NE(rss.find(CrLf({"        MENU_ITEM { command=CmdSaved; txt=\"Saved\"; },",
                           "        MENU_ITEM { command=CmdMine; txt=\"Mine\"; }"})), std::string::npos) << rss;
  EXPECT_NE(rss.find("            id=CmdMine;\r\n            txt=\"Go\";\r\n"), std::string::npos);
  EXPECT_NE(rss.find(CrLf({"    control=", "    {", "        HOTKEY { command=CmdSaved; key='k'; }", "    };", "",
                           "    plain=", "    {", "        HOTKEY { command=EEikCmdFileSave; key='s'; }"})),
            std::string::npos);
  EXPECT_EQ(rss.find("r_demo_file_menu"), std::string::npos);
  EXPECT_NE(rss.find("RESOURCE TBUF { buf=\"Shown\"; }"), std::string::npos);
  EXPECT_NE(Read(root / "c" / "Demo" / "Include" / "Demo.hrh")
                .find(CrLf({"{", "    CmdSaved = 100,", "    CmdMine,", "    EDemoCmdFileName", "};"})),
            std::string::npos);
  EXPECT_FALSE(fs::exists(root / "c" / "Demo" / "Help" / "Demo.alp"));
  EXPECT_NE(Read(root / "c" / "Demo" / "ebld.bat").find("c:\\epoc32\\release\\wins\\deb\\epoc.exe\r\n"),
            std::string::npos);
  // A saved command of the same name is already in the list.
  run = generate(R"({"settings": {"name": "Again"}, "commands": [{"name": "CmdSaved"}]})");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("commands[0]"), std::string::npos) << run.err;
  ASSERT_EQ(generate(R"({"settings": {"name": "Named"}})").status, 0);
  EXPECT_NE(Read(root / "c" / "Named" / "GUI" / "Named.rss").find("RESOURCE TBUF { buf=\"Named\"; }"), std::string::npos);
}

}  // namespace
