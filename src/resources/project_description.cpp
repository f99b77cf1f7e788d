#include "resources/project_description.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include <nlohmann/json.hpp>

#include "platform/encoding.h"
#include "platform/file_system.h"
#include "resources/ansi_case.h"
#include "resources/command_list.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"
#include "resources/menu_tree.h"

namespace kelvad {

namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& where, const std::string& problem) {
  throw DescriptionError(where + ": " + problem);
}

const char* TypeName(const json& value) {
  switch (value.type()) {
    case json::value_t::object: return "an object";
    case json::value_t::array: return "an array";
    case json::value_t::string: return "a string";
    case json::value_t::boolean: return "a boolean";
    case json::value_t::null: return "null";
    default: return "a number";
  }
}

void ExpectType(const std::string& where, const json& value, json::value_t type, const char* wanted) {
  if (value.type() != type) Fail(where, std::string("must be ") + wanted + ", not " + TypeName(value));
}

// Every key of the object must be one of the allowed ones.
void CheckKeys(const std::string& where, const json& object, std::initializer_list<const char*> allowed) {
  for (const auto& item : object.items()) {
    // Not a structured binding: clang 14, which builds the fuzz targets, cannot capture one.
    const std::string& key = item.key();
    bool known = std::any_of(allowed.begin(), allowed.end(), [&](const char* name) { return key == name; });
    if (!known) {
      std::string list;
      for (const char* name : allowed) list += (list.empty() ? "" : ", ") + Shown(name);
      Fail(where, "unknown key " + Shown(key) + " (expected " + list + ")");
    }
  }
}

// A text that ends up on one line of a generated Windows-1252 file: a line
// break would split the line, and a character outside the code page would
// silently become '?'.
std::string TextField(const std::string& where, const json& object, const char* key) {
  const json& value = object.at(key);
  ExpectType(where + "." + key, value, json::value_t::string, "a string");
  std::string text = value.get<std::string>();
  if (HasControlCharacter(text)) Fail(where + "." + key, Shown(text) + " holds a control character or line break");
  if (!FitsWindows1252(text)) Fail(where + "." + key, Shown(text) + " holds a character outside Windows-1252");
  return text;
}

std::optional<std::string> OptionalText(const std::string& where, const json& object, const char* key) {
  if (!object.contains(key)) return std::nullopt;
  return TextField(where, object, key);
}

std::string RequiredText(const std::string& where, const json& object, const char* key) {
  if (!object.contains(key)) Fail(where, std::string("needs ") + Shown(key));
  return TextField(where, object, key);
}

std::string HotkeyField(const std::string& where, const json& object, const char* key) {
  std::string hotkey = TextField(where, object, key);
  if (!IsHotkeyNotation(hotkey)) {
    Fail(where + "." + key, Shown(hotkey) +
                                " is not a hotkey: use ^ and a lower-case letter for Ctrl, ^ and an upper-case "
                                "letter for Shift+Ctrl, one character for a plain key, or an empty text");
  }
  return hotkey;
}

std::string NonEmpty(const std::string& where, const char* key, std::string text) {
  if (text.empty()) Fail(where + "." + key, "must not be empty");
  return text;
}

std::string Index(const std::string& base, size_t i) { return base + "[" + std::to_string(i) + "]"; }

void ParseSettings(const json& object, ProjectDescription& out) {
  ExpectType("settings", object, json::value_t::object, "an object");
  for (const auto& [key, value] : object.items()) {
    const std::string where = "settings." + key;
    const SettingInfo* info = FindSetting(key);
    if (!info) Fail("settings", "unknown key " + Shown(key));
    std::string text;
    if (value.is_string()) {
      text = value.get<std::string>();
    } else if (value.is_boolean() && info->kind == SettingKind::kCheck) {
      text = value.get<bool>() ? "1" : "0";
    } else if (value.is_number_integer() && info->kind != SettingKind::kText) {
      text = std::to_string(value.get<long long>());
    } else {
      Fail(where, std::string("must be ") +
                      (info->kind == SettingKind::kText    ? "a string"
                       : info->kind == SettingKind::kCheck ? "a boolean, 0 or 1"
                                                           : "6, 5 or 4") +
                      ", not " + TypeName(value));
    }
    // Values are checked here, so that a bad one is found before anything is written.
    Settings probe;
    try {
      ApplySetting(probe, key, text);
    } catch (const Error& e) {
      Fail(where, e.what());
    }
    out.settings.emplace_back(key, text);
  }
}

DescribedMenuEntry ParseMenu(const std::string& where, const json& object, int depth);

DescribedMenuEntry ParseMenuEntry(const std::string& where, const json& object, int depth) {
  ExpectType(where, object, json::value_t::object, "an object");
  bool has_command = object.contains("command");
  bool has_title = object.contains("title");
  if (has_command && has_title) Fail(where, "is either an item (\"command\") or a menu (\"title\"), not both");
  if (has_title) return ParseMenu(where, object, depth);
  if (!has_command) Fail(where, "needs \"command\" (an item) or \"title\" (a menu)");
  CheckKeys(where, object, {"command", "text", "hotkey"});
  DescribedMenuEntry entry;
  entry.where = where;
  entry.command = NonEmpty(where, "command", TextField(where, object, "command"));
  entry.text = OptionalText(where, object, "text");
  if (object.contains("hotkey")) entry.hotkey = HotkeyField(where, object, "hotkey");
  return entry;
}

// depth counts the menu bar's menus as 1. Every level copies the entry
// names above it and every later step walks the tree recursively, so a
// deep enough tree exhausts memory or the stack long before the size
// limit: the nesting is bounded instead.
DescribedMenuEntry ParseMenu(const std::string& where, const json& object, int depth) {
  ExpectType(where, object, json::value_t::object, "an object");
  if (depth > kMenuDepthLimit) {
    Fail(where, "menus nest deeper than " + std::to_string(kMenuDepthLimit) + " levels");
  }
  CheckKeys(where, object, {"title", "items"});
  DescribedMenuEntry menu;
  menu.where = where;
  menu.is_menu = true;
  menu.title = NonEmpty(where, "title", RequiredText(where, object, "title"));
  if (object.contains("items")) {
    const json& items = object.at("items");
    ExpectType(where + ".items", items, json::value_t::array, "an array");
    for (size_t i = 0; i < items.size(); ++i) menu.items.push_back(ParseMenuEntry(Index(where + ".items", i), items[i], depth + 1));
  }
  return menu;
}

// Walks an array of objects, each allowed only the given keys; `parse` gets
// the entry's name (such as "toolbar[2]") for its messages.
template <typename Parse>
void ForEachEntry(const json& array, const std::string& name, std::initializer_list<const char*> allowed,
                  Parse parse) {
  ExpectType(name, array, json::value_t::array, "an array");
  for (size_t i = 0; i < array.size(); ++i) {
    const std::string where = Index(name, i);
    ExpectType(where, array[i], json::value_t::object, "an object");
    CheckKeys(where, array[i], allowed);
    parse(where, array[i]);
  }
}

void ParseCommands(const json& array, ProjectDescription& out) {
  ForEachEntry(array, "commands", {"name", "text", "hotkey"}, [&](const std::string& where, const json& object) {
    DescribedCommand command;
    command.where = where;
    command.command.name = NonEmpty(where, "name", RequiredText(where, object, "name"));
    command.command.menu_text = OptionalText(where, object, "text").value_or("");
    if (object.contains("hotkey")) command.command.hotkey = HotkeyField(where, object, "hotkey");
    out.commands.push_back(std::move(command));
  });
}

void ParseToolbar(const json& array, ProjectDescription& out) {
  ForEachEntry(array, "toolbar", {"command", "text"}, [&](const std::string& where, const json& object) {
    DescribedToolbarButton button;
    button.where = where;
    button.command = NonEmpty(where, "command", RequiredText(where, object, "command"));
    button.text = OptionalText(where, object, "text");
    out.toolbar.push_back(std::move(button));
  });
}

// The hotkeys panel composes its hotkeys from a key picker of the letters a
// to z and one of three options, so only these three forms can be added.
bool IsPanelHotkey(std::string_view hotkey) {
  auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
  auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  if (hotkey.size() == 1) return lower(hotkey[0]);
  return hotkey.size() == 2 && hotkey[0] == '^' && (lower(hotkey[1]) || upper(hotkey[1]));
}

void ParseHotkeys(const json& array, ProjectDescription& out) {
  ForEachEntry(array, "hotkeys", {"command", "hotkey"}, [&](const std::string& where, const json& object) {
    DescribedHotkey hotkey;
    hotkey.where = where;
    hotkey.command = NonEmpty(where, "command", RequiredText(where, object, "command"));
    if (!object.contains("hotkey")) Fail(where, "needs \"hotkey\"");
    hotkey.hotkey = HotkeyField(where, object, "hotkey");
    if (!IsPanelHotkey(hotkey.hotkey)) {
      Fail(where + ".hotkey", Shown(hotkey.hotkey) +
                                  " is not an extra hotkey: use a letter from a to z for a plain key, ^ and a "
                                  "lower-case letter for Ctrl, ^ and an upper-case letter for Shift+Ctrl");
    }
    out.hotkeys.push_back(std::move(hotkey));
  });
}

// nlohmann keeps the last of two equal keys; a description that says
// "menus" twice is a mistake worth reporting instead. This is a pass of its
// own over text already parsed: nlohmann's parse callback would do it in the
// same pass, but then the parser walks the whole enclosing array each time an
// object ends, which is quadratic in the number of commands.
class DuplicateKeyCheck : public json::json_sax_t {
 public:
  // The first key given twice in one object, or empty.
  std::string duplicate;

  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(json::number_integer_t) override { return true; }
  bool number_unsigned(json::number_unsigned_t) override { return true; }
  bool number_float(json::number_float_t, const json::string_t&) override { return true; }
  bool string(json::string_t&) override { return true; }
  bool binary(json::binary_t&) override { return true; }
  bool start_object(std::size_t) override {
    open_objects_.emplace_back();
    return true;
  }
  bool key(json::string_t& key) override {
    if (open_objects_.back().insert(key).second) return true;
    duplicate = key;
    return false;  // the first is the one reported
  }
  bool end_object() override {
    open_objects_.pop_back();
    return true;
  }
  bool start_array(std::size_t) override { return true; }
  bool end_array() override { return true; }
  bool parse_error(std::size_t, const std::string&, const json::exception&) override { return false; }

 private:
  std::vector<std::set<std::string>> open_objects_;
};

std::string LineAndColumn(std::string_view text, size_t byte) {
  // byte counts from 1 and points at the character that could not be read.
  size_t offset = std::min(byte > 0 ? byte - 1 : 0, text.size());
  size_t line = 1, column = 1;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// nlohmann's message without its "[json.exception...] parse error at ...:" prefix.
std::string ParseProblem(const json::parse_error& e) {
  std::string message = e.what();
  size_t colon = message.find(": ");
  return colon == std::string::npos ? message : message.substr(colon + 2);
}

}  // namespace

ProjectDescription ParseProjectDescription(std::string_view json_text) {
  json root;
  try {
    root = json::parse(json_text.begin(), json_text.end());
  } catch (const json::parse_error& e) {
    throw DescriptionError("not valid JSON at " + LineAndColumn(json_text, e.byte) + ": " + ParseProblem(e));
  } catch (const json::exception& e) {
    // A number beyond a double ("1e400") is no parse_error and has no position.
    std::string message = e.what();
    size_t bracket = message.find("] ");
    throw DescriptionError("not valid JSON: " + (bracket == std::string::npos ? message : message.substr(bracket + 2)));
  }
  DuplicateKeyCheck check;
  json::sax_parse(json_text.begin(), json_text.end(), &check);
  if (!check.duplicate.empty()) throw DescriptionError("the key " + Shown(check.duplicate) + " is given twice in one object");
  ExpectType("the description", root, json::value_t::object, "an object");
  CheckKeys("the description", root, {"settings", "commands", "menus", "toolbar", "hotkeys"});

  ProjectDescription out;
  if (root.contains("settings")) ParseSettings(root.at("settings"), out);
  if (root.contains("commands")) ParseCommands(root.at("commands"), out);
  if (root.contains("menus")) {
    const json& menus = root.at("menus");
    ExpectType("menus", menus, json::value_t::array, "an array");
    out.menus.emplace();
    for (size_t i = 0; i < menus.size(); ++i) {
      const std::string where = Index("menus", i);
      ExpectType(where, menus[i], json::value_t::object, "an object");
      if (!menus[i].contains("title")) Fail(where, "needs \"title\": the menu bar holds menus only");
      out.menus->push_back(ParseMenu(where, menus[i], 1));
    }
  }
  if (root.contains("toolbar")) ParseToolbar(root.at("toolbar"), out);
  if (root.contains("hotkeys")) ParseHotkeys(root.at("hotkeys"), out);
  return out;
}

ProjectDescription LoadProjectDescription(const FileSystem& fs, const std::string& path) {
  std::string bytes;
  try {
    bytes = fs.ReadPrefix(path, kDescriptionSizeLimit + 1);
  } catch (const Error& e) {
    throw DescriptionError(e.what());
  }
  if (bytes.size() > kDescriptionSizeLimit) {
    throw DescriptionError(path + ": larger than " + std::to_string(kDescriptionSizeLimit >> 20) +
                           " MB, not a project description");
  }
  try {
    return ParseProjectDescription(bytes);
  } catch (const DescriptionError& e) {
    throw DescriptionError(path + ": " + e.what());
  }
}

namespace {

// Builds the menu tree as the menus panel's "Add" buttons would, refusing
// what the tree refuses: a second menu of one title, a second item for one
// command, an item for a command that is not in the list.
class MenuBuilder {
 public:
  explicit MenuBuilder(const CommandModel& model) : model_(model) {}

  MenuNode Build(const DescribedMenuEntry& entry) {
    if (entry.is_menu) {
      MenuNode node = MakeMenuNode(entry.title);
      Claim(node.key, entry.where, "a menu titled " + Shown(entry.title));
      for (const DescribedMenuEntry& child : entry.items) node.children.push_back(Build(child));
      return node;
    }
    const Command* command = FindCommand(model_, entry.command);
    if (!command) Fail(entry.where, "the command " + Shown(entry.command) + " is not in the command list");
    MenuNode node = MakeItemNode(command->name, entry.text.value_or(command->menu_text),
                                 entry.hotkey.value_or(command->hotkey));
    Claim(node.key, entry.where, "the command " + Shown(entry.command));
    return node;
  }

 private:
  void Claim(const std::string& key, const std::string& where, const std::string& what) {
    auto [claimed, added] = keys_.try_emplace(key, where);
    if (!added) Fail(where, what + " is already in the menus, at " + claimed->second);
  }

  const CommandModel& model_;
  std::unordered_map<std::string, std::string> keys_;  // key, where it was first used
};

// The hotkeys panel's defined-hotkeys rows, growing as extra hotkeys are
// added, with what an extra hotkey is checked against: the first row of each
// command, and the first row that takes each key with each modifier.
class HotkeyRows {
 public:
  explicit HotkeyRows(const std::vector<MenuItemRecord>& items) {
    for (const MenuItemRecord& item : items) {
      if (!item.hotkey.empty()) Add(item.command, item.hotkey);
    }
  }

  void Add(const std::string& command, const std::string& hotkey) {
    rows_.push_back(HotkeyRow{command, hotkey});
    by_command_.try_emplace(command, rows_.size() - 1);
    if (std::optional<std::string> taken = Taken(hotkey)) by_key_.try_emplace(*taken, rows_.size() - 1);
  }

  const HotkeyRow* RowOf(const std::string& command) const { return Row(by_command_, command); }

  // The row whose hotkey blocks an extra hotkey (one of the three forms the
  // hotkeys panel composes), as that panel's availability rule decides.
  const HotkeyRow* Blocking(const std::string& extra_hotkey) const {
    HotkeyEditorState wanted = HotkeysPanelHotkeyState(extra_hotkey);
    return Row(by_key_, Slot(wanted.key, wanted.modifier));
  }

 private:
  static std::string Slot(std::string_view key, HotkeyModifier modifier) {
    return std::to_string(static_cast<int>(modifier)) + std::string(key);
  }

  // The key and modifier a row's hotkey blocks, in the availability rule's
  // terms: after "^" the second character lower-cased, with Shift + Ctrl for
  // an upper-case letter and Ctrl otherwise; any other hotkey its first
  // character lower-cased, plain.
  static std::optional<std::string> Taken(std::string_view hotkey) {
    if (hotkey.empty()) return std::nullopt;
    if (hotkey[0] == '^') {
      std::string_view second = FirstCharacter(hotkey.substr(1));
      if (second.empty()) return std::nullopt;
      bool upper = second[0] >= 'A' && second[0] <= 'Z';
      return Slot(LowerAnsi(second), upper ? HotkeyModifier::kShiftCtrl : HotkeyModifier::kCtrl);
    }
    return Slot(LowerAnsi(FirstCharacter(hotkey)), HotkeyModifier::kPlain);
  }

  const HotkeyRow* Row(const std::unordered_map<std::string, size_t>& map, const std::string& key) const {
    auto found = map.find(key);
    return found == map.end() ? nullptr : &rows_[found->second];
  }

  std::vector<HotkeyRow> rows_;
  std::unordered_map<std::string, size_t> by_command_;
  std::unordered_map<std::string, size_t> by_key_;
};

}  // namespace

void ApplyProjectDescription(const ProjectDescription& description, Settings& settings, CommandModel& model) {
  Settings new_settings = settings;
  CommandModel new_model = model;

  for (const auto& [key, value] : description.settings) {
    try {
      ApplySetting(new_settings, key, value);
    } catch (const Error& e) {
      Fail("settings." + key, e.what());
    }
  }

  const size_t listed_before = new_model.commands.size();
  for (const DescribedCommand& described : description.commands) {
    const Command& command = described.command;
    if (IsStandardCommandName(command.name)) {
      Fail(described.where, Shown(command.name) + " begins with EEik or EVel, which only standard commands do");
    }
    // Not standard, so it may be added when no command has its name. A
    // description saved by the wizard repeats the commands of cmdlist.dat,
    // which were in the list before it: the same command again is no conflict.
    if (const Command* known = FindCommand(new_model, command.name)) {
      bool saved_before = static_cast<size_t>(known - new_model.commands.data()) < listed_before;
      if (saved_before && known->menu_text == command.menu_text && known->hotkey == command.hotkey) continue;
      Fail(described.where, "the command " + Shown(command.name) + " is already in the command list");
    }
    AddCommand(new_model, command.name, command.menu_text, command.hotkey);
  }

  if (description.menus) {
    MenuBuilder builder(new_model);
    std::vector<MenuNode> roots;
    for (const DescribedMenuEntry& menu : *description.menus) roots.push_back(builder.Build(menu));
    new_model.menus = std::move(roots);
  }

  for (const DescribedToolbarButton& button : description.toolbar) {
    const Command* command = FindCommand(new_model, button.command);
    if (!command) Fail(button.where, "the command " + Shown(button.command) + " is not in the command list");
    if (!AddToolbarButton(new_model, button.command, button.text.value_or(command->menu_text))) {
      Fail(button.where, "the command " + Shown(button.command) + " already has a toolbar button");
    }
  }

  // The defined-hotkeys view as the hotkeys panel shows it: the menu items'
  // hotkeys, then the extra ones added so far.
  HotkeyRows rows(FlattenMenuItems(new_model.menus));
  for (const DescribedHotkey& extra : description.hotkeys) {
    if (!FindCommand(new_model, extra.command)) {
      Fail(extra.where, "the command " + Shown(extra.command) + " is not in the command list");
    }
    if (const HotkeyRow* row = rows.RowOf(extra.command)) {
      Fail(extra.where, "the command " + Shown(extra.command) + " already has the hotkey " + Shown(row->hotkey));
    }
    if (const HotkeyRow* row = rows.Blocking(extra.hotkey)) {
      Fail(extra.where, "the hotkey " + Shown(extra.hotkey) + " is already taken by " + Shown(row->command) + " (" +
                            Shown(row->hotkey) + ")");
    }
    new_model.extra_hotkeys.push_back(MenuItemRecord{extra.command, "", extra.hotkey});
    rows.Add(extra.command, extra.hotkey);
  }

  settings = std::move(new_settings);
  model = std::move(new_model);
}

namespace {

nlohmann::ordered_json MenuEntryJson(const MenuNode& node) {
  nlohmann::ordered_json entry;
  if (node.IsMenu()) {
    entry["title"] = node.text;
    entry["items"] = nlohmann::ordered_json::array();
    for (const MenuNode& child : node.children) entry["items"].push_back(MenuEntryJson(child));
  } else {
    // Text and hotkey always, so the item reads back the same whatever the command suggests.
    entry["command"] = node.CommandName();
    entry["text"] = node.text;
    entry["hotkey"] = node.tag;
  }
  return entry;
}

}  // namespace

std::string FormatProjectDescription(const Settings& settings, const CommandModel& model, size_t user_commands_from) {
  nlohmann::ordered_json out;
  nlohmann::ordered_json& values = out["settings"] = nlohmann::ordered_json::object();
  for (const SettingInfo& info : SettingTable()) {
    if (info.kind == SettingKind::kCheck) {
      values[info.key] = settings.*(info.check);
    } else if (info.kind == SettingKind::kChoice) {
      values[info.key] = std::stoi(SettingText(settings, info));
    } else if (info.text == &Settings::drive) {
      values[info.key] = settings.ProjectDrive();
    } else {
      values[info.key] = settings.*(info.text);
    }
  }
  nlohmann::ordered_json& commands = out["commands"] = nlohmann::ordered_json::array();
  std::unordered_set<std::string> written;
  for (size_t i = user_commands_from; i < model.commands.size(); ++i) {
    const Command& command = model.commands[i];
    // What the reader would refuse: standard names and a second record of one name.
    if (IsStandardCommandName(command.name) || !written.insert(command.name).second) continue;
    commands.push_back({{"name", command.name}, {"text", command.menu_text}, {"hotkey", command.hotkey}});
  }
  nlohmann::ordered_json& menus = out["menus"] = nlohmann::ordered_json::array();
  for (const MenuNode& root : model.menus) menus.push_back(MenuEntryJson(root));
  nlohmann::ordered_json& toolbar = out["toolbar"] = nlohmann::ordered_json::array();
  for (const ToolbarButton& button : model.toolbar) toolbar.push_back({{"command", button.command}, {"text", button.text}});
  nlohmann::ordered_json& hotkeys = out["hotkeys"] = nlohmann::ordered_json::array();
  for (const MenuItemRecord& extra : model.extra_hotkeys) {
    hotkeys.push_back({{"command", extra.command}, {"hotkey", extra.hotkey}});
  }
  return out.dump(2) + "\n";
}

}  // namespace kelvad
