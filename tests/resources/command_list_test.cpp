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

std::string Describe(std::vector<Command>::const_iterator from, std::vector<Command>::const_iterator to) {
  std::string out;
  for (; from != to; ++from) out += from->name + " | " + from->menu_text + " | " + from->hotkey + "\n";
  return out;
}

// Loading starts the list afresh each time. The hotkeys differ from their
// neighbours only in case, which a careless table would lose; so would a
// case-blind look-up.
TEST(StandardCommands, FortyOneRecordsInTableOrder) {
  CommandModel model;
  AddCommand(model, "CmdOld", "Old", "");
  LoadStandardCommands(model);
  LoadStandardCommands(model);
  ASSERT_EQ(model.commands.size(), 41u);
  EXPECT_EQ(model.commands.front().name, "EEikCmdCanceled");
  EXPECT_EQ(model.commands.back().name, "EEikCmdPrintPaginate");
  EXPECT_EQ(Describe(model.commands.begin() + 5, model.commands.begin() + 7),
            "EEikCmdFileSaveAs | Save as... | ^S\nEEikCmdFileSave | Save | ^s\n");
  EXPECT_EQ(Describe(model.commands.begin() + 27, model.commands.begin() + 32),
            "EEikCmdZoomIn | Zoom in | ^m\nEEikCmdZoomOut | Zoom out | ^M\nEVelCmdZoomSet | Set zoom... | ^E\n"
            "EVelCmdViewToolbar | Show toolbar | ^t\nEVelCmdViewTopToolbar | Show top toolbar | ^T\n");
  EXPECT_EQ(FindCommand(model, "eeikcmdexit"), nullptr);
}

class CommandListFile : public ::testing::Test {
 protected:
  void SetUp() override { fs.MakeDirectories("/prog"); }
  std::string LoadedUserCommands(CommandListLoad& load) {
    model = StartedModel();
    load = LoadCommandList(fs, path, model);
    return Describe(model.commands.begin() + 41, model.commands.end());
  }

  MemoryFileSystem fs;
  const std::string path = "/prog/cmdlist.dat";
  CommandModel model;
};

TEST_F(CommandListFile, RecordsAreAppendedAfterTheStandardSetAsFarAsTheFileCanBeRead) {
  const std::string read_error = kCommandListReadError;
  struct Case {
    const char* what;
    std::optional<std::string> bytes;
    size_t added;
    std::string error;
    std::string user_commands;
  } cases[] = {
      {"missing file", std::nullopt, 0, "", ""},  // first: later cases write the file
      {"empty file", "", 0, "", ""},
      {"two records", "CmdOne\r\nOne\r\n^o\r\nCmdTwo\r\n\r\n\r\n", 2, "", "CmdOne | One | ^o\nCmdTwo |  | \n"},
      {"no line end at the end", "CmdOne\r\nOne\r\nq", 1, "", "CmdOne | One | q\n"},
      {"binary", "CmdOne\r\nOne\r\n^o\r\n" + std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10) + "\r\nxx\r\nyy\r\n", 1,
       read_error, "CmdOne | One | ^o\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.bytes) fs.Write(path, *c.bytes);
    CommandListLoad load;
    EXPECT_EQ(LoadedUserCommands(load), c.user_commands);
    EXPECT_EQ(load.added, c.added);
    EXPECT_EQ(load.error, c.error);
  }
  // An absurdly large file is read only up to the limit; a directory in its
  // place is a reading error too.
  std::string record = "CmdX\r\nX\r\n\r\n";
  std::string bytes;
  while (bytes.size() <= kCommandListSizeLimit + 100) bytes += record;
  fs.Write(path, bytes);
  CommandListLoad load;
  LoadedUserCommands(load);
  EXPECT_EQ(load.error, kCommandListReadError);
  EXPECT_LE(load.added, kCommandListSizeLimit / record.size());
  EXPECT_GT(load.added, 0u);
  fs.Remove(path);
  fs.MakeDirectories(path);
  EXPECT_EQ(LoadedUserCommands(load), "");
  EXPECT_EQ(load.error, kCommandListReadError);
}

// The standard commands are those whose names start with exactly "EEik" or
// "EVel"; the others replace the old file and read back with their texts.
// Saving none of them leaves an empty file. A failed save leaves the old
// file as it was, and nothing beside it (the real file system's replacement
// is tested on its own).
TEST_F(CommandListFile, OnlyUserCommandsAreSavedInPlaceOfTheOldFileAndReadBack) {
  fs.Write(path, "CmdOld\r\nOld\r\n^o\r\n");
  std::vector<Command> rows = StartedModel().commands;
  rows.insert(rows.end(), {{"EEikCmdMine", "typed", ""}, {"EVelThing", "typed", ""}, {"EEik", "", ""},
                           {"Eevi", "e", ""}, {"EEIKCmd", "E", "^E"}, {"EVE", "", ""},
                           {"CmdComma", "One, two, three", "^c"}, {"CmdQuote", "Say \"hi\" 'now'", ""},
                           {"CmdSpace", "   leading and trailing  ", "x"}, {"CmdAccent", "Caf\xC3\xA9 \xE2\x82\xAC", "^E"}});
  ASSERT_EQ(SaveCommandList(fs, path, rows), "");
  const std::string bytes = fs.Read(path);
  const std::string head = "Eevi\r\ne\r\n\r\nEEIKCmd\r\nE\r\n^E\r\nEVE\r\n\r\n\r\nCmdComma\r\n";
  EXPECT_EQ(Visible(bytes.substr(0, head.size())), Visible(head));
  EXPECT_NE(bytes.find("CmdAccent\r\nCaf\xE9 \x80\r\n"), std::string::npos);  // Windows-1252: é is E9, the euro sign 80
  CommandListLoad load;
  EXPECT_EQ(LoadedUserCommands(load), Describe(rows.begin() + 44, rows.end()));
  EXPECT_EQ(load.error, "");
  ASSERT_EQ(SaveCommandList(fs, path, StartedModel().commands), "");
  EXPECT_EQ(fs.Stat(path), EntryKind::kFile);
  EXPECT_EQ(fs.Read(path), "");
  fs.Write(path, bytes);
  fs.FailOn("/prog/");
  EXPECT_EQ(SaveCommandList(fs, path, {{"CmdNew", "New", ""}}), kCommandListWriteError);
  EXPECT_EQ(fs.Read(path), bytes);
  EXPECT_EQ(fs.List("/prog"), std::vector<std::string>{"cmdlist.dat"});
}

}  // namespace
}  // namespace kelvad
