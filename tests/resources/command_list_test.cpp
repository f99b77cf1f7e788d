#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "resources/command_list.h"
#include "resources/menu_tree.h"
#include "resources/standard_commands.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::StartedModel;

using testing::Visible;

std::vector<Command> StandardSet() {
  CommandModel model;
  LoadStandardCommands(model);
  return model.commands;
}

std::string Describe(const std::vector<Command>& commands) {
  std::string out;
  for (const Command& c : commands) out += c.name + " | " + c.menu_text + " | " + c.hotkey + "\n";
  return out;
}

// Loading starts the list afresh each time. The hotkeys differ from their
// neighbours only in case, which a careless table would lose.
TEST(StandardCommands, FortyOneRecordsInTableOrder) {
  CommandModel model;
  AddCommand(model, "CmdOld", "Old", "");
  LoadStandardCommands(model);
  LoadStandardCommands(model);
  ASSERT_EQ(model.commands.size(), 41u);
  EXPECT_EQ(model.commands.front().name, "EEikCmdCanceled");
  EXPECT_EQ(model.commands.back().name, "EEikCmdPrintPaginate");
  EXPECT_EQ(Describe(std::vector<Command>(model.commands.begin() + 5, model.commands.begin() + 7)),
            "EEikCmdFileSaveAs | Save as... | ^S\nEEikCmdFileSave | Save | ^s\n");
  EXPECT_EQ(Describe(std::vector<Command>(model.commands.begin() + 27, model.commands.begin() + 32)),
            "EEikCmdZoomIn | Zoom in | ^m\nEEikCmdZoomOut | Zoom out | ^M\nEVelCmdZoomSet | Set zoom... | ^E\n"
            "EVelCmdViewToolbar | Show toolbar | ^t\nEVelCmdViewTopToolbar | Show top toolbar | ^T\n");
}

TEST(CommandLookup, FirstRecordOfTheExactName) {
  CommandModel model = StartedModel();
  AddCommand(model, "CmdTwice", "first", "a");
  AddCommand(model, "CmdTwice", "second", "b");
  ASSERT_NE(FindCommand(model, "CmdTwice"), nullptr);
  EXPECT_EQ(FindCommand(model, "CmdTwice")->menu_text, "first");
  EXPECT_EQ(FindCommand(model, "eeikcmdexit"), nullptr);
  EXPECT_EQ(FindCommand(model, "EEikCmdExit")->hotkey, "^e");
}

TEST(UsedCommands, SdkCommandsStayOutAndNamesGoInOnce) {
  CommandModel model;
  AddUsedCommand(model, "EEikCmdExit");
  EXPECT_TRUE(model.used_commands.empty());
  AddUsedCommand(model, "EVelCmdZoomSet");
  AddUsedCommand(model, "CmdDemo");
  AddUsedCommand(model, "EVelCmdZoomSet");
  AddUsedCommand(model, "cmddemo");  // case counts
  EXPECT_EQ(model.used_commands, (std::vector<std::string>{"EVelCmdZoomSet", "CmdDemo", "cmddemo"}));
}

TEST(DefinedCommandRows, OneRowPerNameInListOrder) {
  CommandModel model = StartedModel();
  AddCommand(model, "CmdA", "A", "");
  AddCommand(model, "CmdA", "again", "");
  std::vector<Command> rows = DefinedCommandRows(model);
  ASSERT_EQ(rows.size(), 42u);
  EXPECT_EQ(rows.back().name, "CmdA");
  EXPECT_EQ(rows.back().menu_text, "A");
}

// cmdlist.dat reading and writing.

class CommandListFile : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.MakeDirectories("/prog");
    model = StartedModel();
  }
  CommandListLoad Load() { return LoadCommandList(fs, path, model); }
  std::vector<Command> UserCommands() const {
    return std::vector<Command>(model.commands.begin() + 41, model.commands.end());
  }

  MemoryFileSystem fs;
  const std::string path = "/prog/cmdlist.dat";
  CommandModel model;
};

TEST_F(CommandListFile, RecordsAreAppendedAfterTheStandardSet) {
  const std::string read_error = "Unexpected error reading command list, commands may not have loaded correctly.";
  struct Case {
    const char* what;
    std::optional<std::string> bytes;
    size_t added;
    std::string error;
    std::string user_commands;
  } cases[] = {
      {"missing file", std::nullopt, 0, "", ""},
      {"empty file", "", 0, "", ""},
      {"two records", "CmdOne\r\nOne\r\n^o\r\nCmdTwo\r\n\r\n\r\n", 2, "", "CmdOne | One | ^o\nCmdTwo |  | \n"},
      {"no line end at the end", "CmdOne\r\nOne\r\nq", 1, "", "CmdOne | One | q\n"},
      {"short last record", "CmdOne\r\nOne\r\n^o\r\nCmdTwo\r\n", 1, read_error, "CmdOne | One | ^o\n"},
      {"binary", "CmdOne\r\nOne\r\n^o\r\n" + std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10) + "\r\nxx\r\nyy\r\n", 1,
       read_error, "CmdOne | One | ^o\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model = StartedModel();
    if (c.bytes) fs.Write(path, *c.bytes);
    CommandListLoad load = Load();
    EXPECT_EQ(load.added, c.added);
    EXPECT_EQ(load.error, c.error);
    EXPECT_EQ(Describe(UserCommands()), c.user_commands);
  }
}

TEST_F(CommandListFile, AbsurdlyLargeFileIsReadOnlyUpToTheLimit) {
  std::string record = "CmdX\r\nX\r\n\r\n";
  std::string bytes;
  while (bytes.size() <= kCommandListSizeLimit + 100) bytes += record;
  fs.Write(path, bytes);
  CommandListLoad load = Load();
  EXPECT_EQ(load.error, kCommandListReadError);
  EXPECT_LE(load.added, kCommandListSizeLimit / record.size());
  EXPECT_GT(load.added, 0u);
}

TEST_F(CommandListFile, DirectoryInPlaceOfTheFileIsAReadingError) {
  fs.MakeDirectories(path);
  CommandListLoad load = Load();
  EXPECT_EQ(load.added, 0u);
  EXPECT_EQ(load.error, kCommandListReadError);
}

TEST_F(CommandListFile, TextsSurviveASaveAndALoad) {
  std::vector<Command> rows = StandardSet();
  rows.push_back({"CmdComma", "One, two, three", "^c"});
  rows.push_back({"CmdQuote", "Say \"hi\" 'now'", ""});
  rows.push_back({"CmdSpace", "   leading and trailing  ", "x"});
  rows.push_back({"CmdAccent", "Caf\xC3\xA9 \xE2\x82\xAC", "^E"});
  rows.push_back({"CmdEmpty", "", ""});
  ASSERT_EQ(SaveCommandList(fs, path, rows), "");
  // Windows-1252 on disk: é is E9, the euro sign 80.
  EXPECT_NE(fs.Read(path).find("Caf\xE9 \x80\r\n"), std::string::npos);
  EXPECT_EQ(Load().error, "");
  EXPECT_EQ(Describe(UserCommands()), Describe(std::vector<Command>(rows.begin() + 41, rows.end())));
}

// The standard commands are those whose names start with exactly "EEik" or "EVel".
TEST_F(CommandListFile, OnlyUserCommandsAreSavedInPlaceOfTheOldFile) {
  fs.Write(path, "CmdOld\r\nOld\r\n^o\r\n");
  std::vector<Command> rows = {{"EEikCmdMine", "typed", ""}, {"EVelThing", "typed", ""}, {"EEik", "", ""},
                               {"Eevi", "e", ""}, {"EEIKCmd", "E", "^E"}, {"EVE", "", ""}};
  ASSERT_EQ(SaveCommandList(fs, path, rows), "");
  EXPECT_EQ(Visible(fs.Read(path)), Visible("Eevi\r\ne\r\n\r\nEEIKCmd\r\nE\r\n^E\r\nEVE\r\n\r\n\r\n"));
  EXPECT_EQ(fs.Stat(path + ".new"), EntryKind::kNone);
}

TEST_F(CommandListFile, SavingNoUserRowsLeavesAnEmptyFile) {
  fs.Write(path, "CmdOld\r\nOld\r\n\r\n");
  ASSERT_EQ(SaveCommandList(fs, path, StandardSet()), "");
  EXPECT_EQ(fs.Stat(path), EntryKind::kFile);
  EXPECT_EQ(fs.Read(path), "");
}

TEST_F(CommandListFile, FailedSaveLeavesTheOldFileWhole) {
  const std::string old = "CmdOld\r\nOld\r\n^o\r\nCmdOlder\r\nOlder\r\n\r\n";
  fs.Write(path, old);
  fs.FailOn("/prog/");
  std::string error = SaveCommandList(fs, path, {{"CmdNew", "New", ""}});
  EXPECT_EQ(error, "Unexpected error writing command list, commands may not have been written correctly.");
  EXPECT_EQ(fs.Read(path), old);
  EXPECT_EQ(fs.Stat(path + ".new"), EntryKind::kNone);
}

// A file system whose renames fail: the new file was written in full, but
// putting it in place did not work.
class RenameFails : public MemoryFileSystem {
 public:
  void Rename(const std::string& from, const std::string&) override { throw Error("cannot rename " + from); }
};

TEST(CommandListSave, FailedRenameLeavesTheOldFileAndNoLeftovers) {
  RenameFails fs;
  fs.MakeDirectories("/prog");
  fs.Write("/prog/cmdlist.dat", "CmdOld\r\nOld\r\n\r\n");
  EXPECT_EQ(SaveCommandList(fs, "/prog/cmdlist.dat", {{"CmdNew", "New", ""}}), kCommandListWriteError);
  EXPECT_EQ(fs.Read("/prog/cmdlist.dat"), "CmdOld\r\nOld\r\n\r\n");
  EXPECT_EQ(fs.List("/prog"), std::vector<std::string>{"cmdlist.dat"});
}

}  // namespace
}  // namespace kelvad
