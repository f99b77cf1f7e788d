#include "resources/command_list.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace kelvad {

bool IsStandardCommandName(std::string_view name) {
  std::string_view head = name.substr(0, 4);
  return head == "EEik" || head == "EVel";
}

void AddCommand(CommandModel& model, const std::string& name, const std::string& menu_text,
                const std::string& hotkey) {
  model.commands.push_back(Command{name, menu_text, hotkey});
}

void ResetCommandList(CommandModel& model) {
  model.commands.clear();
  model.indexes.commands.Forget();
}

const Command* FindCommand(const CommandModel& model, std::string_view name) {
  size_t at = model.indexes.commands.Find(model.commands, [](const Command& c) { return &c.name; }, name);
  return at == NameIndex::npos ? nullptr : &model.commands[at];
}

void AddUsedCommand(CommandModel& model, const std::string& name) {
  if (name.substr(0, 4) == "EEik") return;
  auto& used = model.used_commands;
  if (model.indexes.used_commands.Find(used, [](const std::string& n) { return &n; }, name) == NameIndex::npos) {
    used.push_back(name);
  }
}

std::vector<Command> DefinedCommandRows(const CommandModel& model) {
  std::vector<Command> rows;
  std::unordered_set<std::string_view> listed;
  for (const Command& command : model.commands) {
    if (listed.insert(command.name).second) rows.push_back(command);
  }
  return rows;
}

namespace {

// Reads lines ended by CR LF, LF or CR, as they were written.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::optional<std::string_view> Next() {
    if (AtEnd()) return std::nullopt;
    size_t end = bytes_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    std::string_view line = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n' && (pos_ == end || bytes_[pos_ - 1] == '\r')) ++pos_;
    return line;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

// Control characters other than the tab mean the file is not a text file
// of commands (the wizard's single-line boxes cannot produce them).
bool IsTextLine(std::string_view line) {
  return std::none_of(line.begin(), line.end(), [](char c) {
    auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && b != '\t') || b == 0x7F;
  });
}

}  // namespace

CommandListRecords ParseCommandList(std::string_view bytes, bool truncated) {
  CommandListRecords result;
  if (truncated) {
    // The last line may be cut in two; only whole lines are read.
    size_t last_end = bytes.find_last_of("\r\n");
    bytes = last_end == std::string_view::npos ? std::string_view() : bytes.substr(0, last_end + 1);
    result.complete = false;
  }
  LineReader reader(bytes);
  while (!reader.AtEnd()) {
    std::string fields[3];
    for (std::string& field : fields) {
      auto line = reader.Next();
      if (!line || !IsTextLine(*line)) {
        result.complete = false;
        return result;
      }
      field = FromWindows1252(*line);
    }
    result.records.push_back(Command{fields[0], fields[1], fields[2]});
  }
  return result;
}

std::string FormatCommandList(const std::vector<Command>& rows) {
  std::string bytes;
  for (const Command& row : rows) {
    if (IsStandardCommandName(row.name)) continue;
    for (const std::string* field : {&row.name, &row.menu_text, &row.hotkey}) {
      bytes += ToWindows1252(*field);
      bytes += "\r\n";
    }
  }
  return bytes;
}

CommandListLoad LoadCommandList(const FileSystem& fs, const std::string& path, CommandModel& model) {
  CommandListLoad load;
  EntryKind kind = fs.Stat(path);
  if (kind == EntryKind::kNone) return load;
  CommandListRecords parsed;
  try {
    std::string bytes = fs.ReadPrefix(path, kCommandListSizeLimit + 1);
    bool truncated = bytes.size() > kCommandListSizeLimit;
    if (truncated) {
      bytes.resize(kCommandListSizeLimit);
      load.detail = "only its first " + std::to_string(kCommandListSizeLimit >> 20) + " MB are read";
    }
    parsed = ParseCommandList(bytes, truncated);
  } catch (const Error& e) {
    parsed.complete = false;
    load.detail = e.what();
  }
  for (const Command& record : parsed.records) AddCommand(model, record.name, record.menu_text, record.hotkey);
  load.added = parsed.records.size();
  if (!parsed.complete) load.error = kCommandListReadError;
  return load;
}

std::string SaveCommandList(FileSystem& fs, const std::string& path, const std::vector<Command>& rows) {
  try {
    ReplaceDataFile(fs, path, FormatCommandList(rows));
  } catch (const Error&) {
    return kCommandListWriteError;
  }
  return "";
}

}  // namespace kelvad
