// cmdlist.dat is written by earlier runs, by hand or by other tools; whatever
// it holds, loading must not fault, and what loads must save and load back
// unchanged.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "resources/command_list.h"
#include "resources/standard_commands.h"

namespace kelvad {
namespace {

bool SameRecords(const std::vector<Command>& a, const std::vector<Command>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].menu_text != b[i].menu_text || a[i].hotkey != b[i].hotkey) return false;
  }
  return true;
}

void CheckRoundTrip(std::string_view bytes, bool truncated) {
  CommandListRecords parsed = ParseCommandList(bytes, truncated);
  std::vector<Command> saved;
  for (const Command& record : parsed.records) {
    if (!IsStandardCommandName(record.name)) saved.push_back(record);
  }
  CommandListRecords again = ParseCommandList(FormatCommandList(parsed.records));
  if (!again.complete) fuzz::Broken("a saved command list does not read back completely");
  if (!SameRecords(again.records, saved)) fuzz::Broken("a saved command list reads back different records");
}

}  // namespace
}  // namespace kelvad

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvad;
  const std::string_view bytes = fuzz::Bytes(data, size);
  CheckRoundTrip(bytes, false);
  CheckRoundTrip(bytes, true);

  // Loaded as start-up loads it: after the standard set, through the file system.
  MemoryFileSystem fs;
  fs.Write("/cmdlist.dat", bytes);
  CommandModel model;
  LoadStandardCommands(model);
  const std::size_t standard = model.commands.size();
  CommandListLoad load = LoadCommandList(fs, "/cmdlist.dat", model);
  if (model.commands.size() != standard + load.added) fuzz::Broken("the load added a different number of commands");
  if (load.error != "" && load.error != kCommandListReadError) fuzz::Broken("unexpected load error text");

  // "Save Commands" then a new start-up gives the same user commands.
  std::vector<Command> rows = DefinedCommandRows(model);
  if (!SaveCommandList(fs, "/cmdlist.dat", rows).empty()) fuzz::Broken("saving to memory failed");
  CommandModel reloaded;
  if (!LoadCommandList(fs, "/cmdlist.dat", reloaded).error.empty()) fuzz::Broken("a saved list fails to load");
  std::vector<Command> user_rows;
  for (const Command& row : rows) {
    if (!IsStandardCommandName(row.name)) user_rows.push_back(row);
  }
  if (!SameRecords(reloaded.commands, user_rows)) fuzz::Broken("a saved list loads different commands");
  return 0;
}
