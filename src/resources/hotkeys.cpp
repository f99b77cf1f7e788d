#include "resources/hotkeys.h"

#include "model/banners.h"
#include "resources/ansi_case.h"
#include "resources/command_list.h"

namespace kelvad {

namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

void CollectItems(const MenuNode& menu, std::vector<MenuItemRecord>& items) {
  for (const MenuNode& child : menu.children) {
    if (child.IsMenu()) {
      CollectItems(child, items);
    } else if (child.IsItem()) {
      items.push_back(MenuItemRecord{child.CommandName(), child.text, child.tag});
    }
  }
}

}  // namespace

std::vector<MenuItemRecord> FlattenMenuItems(const std::vector<MenuNode>& roots) {
  std::vector<MenuItemRecord> items;
  for (const MenuNode& root : roots) CollectItems(root, items);
  return items;
}

std::string_view FirstCharacter(std::string_view text) {
  if (text.empty()) return text;
  auto lead = static_cast<unsigned char>(text[0]);
  size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return text.substr(0, length);
}

bool IsHotkeyNotation(std::string_view hotkey) {
  if (hotkey.empty()) return true;
  if (hotkey[0] == '^') return hotkey.size() == 2 && (IsUpper(hotkey[1]) || IsLower(hotkey[1]));
  if (CharCount(hotkey) != 1) return false;
  auto c = static_cast<unsigned char>(hotkey[0]);
  return c >= 0x20 && c != 0x7F;
}

HotkeyTable ClassifyHotkey(std::string_view hotkey) {
  if (hotkey.empty()) return HotkeyTable::kNone;
  if (hotkey[0] != '^') return HotkeyTable::kPlain;
  if (hotkey.size() < 2) return HotkeyTable::kNone;
  if (IsUpper(hotkey[1])) return HotkeyTable::kShiftControl;
  if (IsLower(hotkey[1])) return HotkeyTable::kControl;
  return HotkeyTable::kNone;
}

std::string HotkeyKey(std::string_view hotkey, HotkeyTable table) {
  if (table == HotkeyTable::kPlain) return LowerAnsi(FirstCharacter(hotkey));
  return LowerAnsi(FirstCharacter(hotkey.substr(hotkey.empty() ? 0 : 1)));
}

void CollectMenuItems(CommandModel& model) {
  model.menu_items.clear();
  model.control_hotkeys.clear();
  model.shift_control_hotkeys.clear();
  model.plain_hotkeys.clear();
  model.menu_items = FlattenMenuItems(model.menus);
  model.indexes.menu_item_hotkeys.Forget();

  auto sort = [&](const MenuItemRecord& record) {
    AddUsedCommand(model, record.command);
    switch (ClassifyHotkey(record.hotkey)) {
      case HotkeyTable::kControl:
        model.control_hotkeys.push_back(record);
        break;
      case HotkeyTable::kShiftControl:
        model.shift_control_hotkeys.push_back(record);
        break;
      case HotkeyTable::kPlain:
        model.plain_hotkeys.push_back(record);
        break;
      case HotkeyTable::kNone:
        break;
    }
  };
  for (const MenuItemRecord& record : model.menu_items) sort(record);
  for (const MenuItemRecord& record : model.extra_hotkeys) sort(record);
}

std::string ComposeHotkey(HotkeyModifier modifier, std::string_view key) {
  switch (modifier) {
    case HotkeyModifier::kPlain:
      return std::string(key);
    case HotkeyModifier::kCtrl:
      return "^" + LowerAnsi(key);
    case HotkeyModifier::kShiftCtrl:
      return "^" + UpperAnsi(key);
    case HotkeyModifier::kNone:
      break;
  }
  return "";
}

HotkeyEditorState MenusPanelHotkeyState(std::string_view hotkey) {
  if (hotkey.empty()) return {};
  if (hotkey[0] != '^') return {std::string(hotkey), HotkeyModifier::kPlain};
  if (hotkey.size() >= 2 && IsUpper(hotkey[1])) return {LowerAnsi(hotkey.substr(1, 1)), HotkeyModifier::kShiftCtrl};
  if (hotkey.size() >= 2 && IsLower(hotkey[1])) return {std::string(hotkey.substr(1, 1)), HotkeyModifier::kCtrl};
  return {};
}

HotkeyEditorState HotkeysPanelHotkeyState(std::string_view hotkey) {
  if (!hotkey.empty() && hotkey[0] == '^') {
    std::string_view second = FirstCharacter(hotkey.substr(1));
    bool upper = !second.empty() && IsUpper(second[0]);
    return {LowerAnsi(second), upper ? HotkeyModifier::kShiftCtrl : HotkeyModifier::kCtrl};
  }
  return {LowerAnsi(hotkey), HotkeyModifier::kPlain};
}

HotkeyAvailability UpdateHotkeyAvailability(const std::vector<std::string>& row_hotkeys, std::string_view key_text,
                                            HotkeyModifier selected) {
  HotkeyAvailability result;
  std::string_view k = FirstCharacter(key_text);
  if (k.size() != 1 || !IsLower(k[0])) return result;
  result = {true, true, true, true};
  auto block = [&](HotkeyModifier option) {
    (option == HotkeyModifier::kCtrl ? result.ctrl : option == HotkeyModifier::kShiftCtrl ? result.shift_ctrl
                                                                                           : result.plain) = false;
    if (option == selected) result.add = false;
  };
  for (const std::string& h : row_hotkeys) {
    if (!h.empty() && h[0] == '^') {
      std::string_view second = FirstCharacter(std::string_view(h).substr(1));
      if (!second.empty() && LowerAnsi(second) == key_text) {
        block(IsUpper(second[0]) ? HotkeyModifier::kShiftCtrl : HotkeyModifier::kCtrl);
      }
    } else if (!h.empty() && LowerAnsi(FirstCharacter(h)) == k) {
      block(HotkeyModifier::kPlain);
    }
  }
  return result;
}

}  // namespace kelvad
