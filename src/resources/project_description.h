#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/settings.h"
#include "platform/errors.h"
#include "resources/command_model.h"

namespace kelvad {

class FileSystem;

// A description that cannot be used. The message names the offending entry
// (for example "menus[1].items[0]") or, for text that is not JSON, its line
// and column.
class DescriptionError : public Error {
 public:
  using Error::Error;
};

// A menu item or a cascade as the description gives it: an item names a
// command and may override its menu text and hotkey; a cascade has a title
// and items of its own.
struct DescribedMenuEntry {
  std::string where;  // "menus[0].items[2]", for messages
  bool is_menu = false;
  std::string command;
  std::optional<std::string> text;
  std::optional<std::string> hotkey;
  std::string title;
  std::vector<DescribedMenuEntry> items;
};

struct DescribedToolbarButton {
  std::string where;
  std::string command;
  std::optional<std::string> text;  // none: the command's menu text
};

struct DescribedCommand {
  std::string where;
  Command command;
};

struct DescribedHotkey {
  std::string where;
  std::string command;
  std::string hotkey;
};

// What a project description file says, checked for form (keys, types,
// hotkey notation, texts a generated file can hold) but not yet against the
// command list.
struct ProjectDescription {
  SettingTexts settings;  // in file order
  std::vector<DescribedCommand> commands;
  std::optional<std::vector<DescribedMenuEntry>> menus;  // root entries are menus
  std::vector<DescribedToolbarButton> toolbar;
  std::vector<DescribedHotkey> hotkeys;
};

// Descriptions are hand-written files of a few kilobytes; anything beyond
// this is refused unread.
inline constexpr std::size_t kDescriptionSizeLimit = 4 << 20;

// Cascades deeper than this are refused; no menu a person can use comes near it.
inline constexpr int kMenuDepthLimit = 32;

ProjectDescription ParseProjectDescription(std::string_view json_text);

// Reads and parses the file (a host path).
ProjectDescription LoadProjectDescription(const FileSystem& fs, const std::string& path);

// Applies the description as the wizard's editors would, in panel order:
// settings, then "Add Command" for each command (after the standard set and
// cmdlist.dat already in the model), the menu tree (replacing the default
// one), the toolbar rows and the extra hotkeys. Anything an editor would
// refuse throws DescriptionError, and then neither settings nor model has
// changed. Does not collect the menu items.
void ApplyProjectDescription(const ProjectDescription& description, Settings& settings, CommandModel& model);

// The description of a wizard's whole state, which ApplyProjectDescription
// reads back to the same state: every setting, the commands from position
// user_commands_from on (the standard set comes before them), the menu
// tree, the toolbar rows and the extra hotkeys.
std::string FormatProjectDescription(const Settings& settings, const CommandModel& model, size_t user_commands_from);

}  // namespace kelvad
