#include "wizard/panels.h"

namespace kelvad {

const std::vector<PanelInfo>& Panels() {
  static const std::vector<PanelInfo> panels = {
      {kPanelProjectSetup, "Project Setup"},
      {kPanelEngine, "Application Engine"},
      {kPanelTextUis, "Text UIs"},
      {kPanelMenus, "Application GUI Menus"},
      {kPanelAif, "Application GUI AIF File"},
      {kPanelExtras, "Extras"},
      {kPanelWelcome, " Welcome "},
      {kPanelMakefiles, "Makefiles"},
      {kPanelControls, "Application Controls"},
      {kPanelFinish, "Finish"},
      {kPanelToolbar, "Application GUI Toolbar Setup"},
      {kPanelCommands, "Application GUI Commands"},
      {kPanelHotkeys, "Application GUI HotKeys"},
      {kPanelCpp, "Application GUI C++ Implementation"},
  };
  return panels;
}

const char* PanelCaption(int index) {
  for (const auto& panel : Panels()) {
    if (panel.index == index) return panel.caption;
  }
  return "";
}

const std::vector<int>& PanelSequence() {
  static const std::vector<int> sequence = {kPanelWelcome,  kPanelProjectSetup, kPanelEngine,  kPanelAif,
                                            kPanelCommands, kPanelMenus,        kPanelHotkeys, kPanelToolbar,
                                            kPanelCpp,      kPanelMakefiles,    kPanelExtras,  kPanelFinish};
  return sequence;
}

NavigationState NavigationFor(int position) {
  const int last = static_cast<int>(PanelSequence().size()) - 1;
  NavigationState state;
  state.previous_enabled = position != 0;
  state.previous_caption = position == 0 ? "<< Previous" : "<< Previous (" + std::to_string(position) + ")";
  state.go_visible = position == last;
  state.next_visible = position != last;
  state.next_enabled = position != last;
  if (position != last) state.next_caption = "Next (" + std::to_string(position + 2) + ") >>";
  state.panel_label = "Panel " + std::to_string(position + 1) + " of " + std::to_string(last + 1);
  return state;
}

PanelEntry EntryFor(int panel_index) {
  switch (panel_index) {
    case kPanelProjectSetup:
      return PanelEntry::kValidateProjectName;
    case kPanelEngine:
      return PanelEntry::kShowEngine;
    case kPanelAif:
      return PanelEntry::kShowGui;
    case kPanelExtras:
      return PanelEntry::kExtras;
    case kPanelCommands:
      return PanelEntry::kFillCommands;
    case kPanelHotkeys:
      return PanelEntry::kFillHotkeys;
    default:
      return PanelEntry::kNothing;
  }
}

}  // namespace kelvad
