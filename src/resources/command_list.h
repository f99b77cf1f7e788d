#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "resources/command_model.h"

namespace kelvad {

class FileSystem;

// Names beginning with "EEik" are the SDK's commands, "EVel" the builder's
// own; neither is ever saved, and the command panel refuses to add them.
bool IsStandardCommandName(std::string_view name);

// Appends a record to the command list.
void AddCommand(CommandModel& model, const std::string& name, const std::string& menu_text,
                const std::string& hotkey);

// Starts the command list afresh; only the standard set loader uses it.
void ResetCommandList(CommandModel& model);

// The first record whose name equals the name exactly, or null.
const Command* FindCommand(const CommandModel& model, std::string_view name);

// Adds a name to the used-command list unless it is an SDK command or
// already there.
void AddUsedCommand(CommandModel& model, const std::string& name);

// The defined-commands rows the command panel shows, and so what "Save
// Commands" writes: one row per command in list order, a name that already
// has a row left out.
std::vector<Command> DefinedCommandRows(const CommandModel& model);

inline constexpr const char* kCommandListReadError =
    "Unexpected error reading command list, commands may not have loaded correctly.";
inline constexpr const char* kCommandListWriteError =
    "Unexpected error writing command list, commands may not have been written correctly.";

// A cmdlist.dat of a few commands is a few kilobytes; beyond this it is
// not one, and only this much is read.
inline constexpr std::size_t kCommandListSizeLimit = 1 << 20;

// The records of cmdlist.dat bytes, three lines each. complete is false
// when the reading stopped early: a short last record, a line that is not
// text, or bytes cut off at the size limit (truncated).
struct CommandListRecords {
  std::vector<Command> records;
  bool complete = true;
};
CommandListRecords ParseCommandList(std::string_view bytes, bool truncated = false);

// The cmdlist.dat bytes for the rows: standard commands left out.
std::string FormatCommandList(const std::vector<Command>& rows);

struct CommandListLoad {
  std::size_t added = 0;
  std::string error;   // kCommandListReadError, or empty
  std::string detail;  // what stopped the reading, when more than the text is known
};

// Appends the commands saved in the file (a host path); a missing file adds
// nothing. On a reading error the records read before it stay added.
CommandListLoad LoadCommandList(const FileSystem& fs, const std::string& path, CommandModel& model);

// Replaces the file (a host path) with the rows, under the data directory's
// lock, so a failure leaves the old file whole. Returns
// kCommandListWriteError on failure, else empty.
std::string SaveCommandList(FileSystem& fs, const std::string& path, const std::vector<Command>& rows);

}  // namespace kelvad
