#pragma once

#include <string>
#include <vector>

namespace kelvad {

// The wizard's panels by their MainFrame index. Text UIs and Application
// Controls exist but are never shown.
enum PanelIndex {
  kPanelProjectSetup = 0,
  kPanelEngine = 1,
  kPanelTextUis = 2,
  kPanelMenus = 3,
  kPanelAif = 4,
  kPanelExtras = 6,
  kPanelWelcome = 7,
  kPanelMakefiles = 8,
  kPanelControls = 9,
  kPanelFinish = 10,
  kPanelToolbar = 11,
  kPanelCommands = 12,
  kPanelHotkeys = 13,
  kPanelCpp = 14,
};

struct PanelInfo {
  int index;
  const char* caption;
};

// Every panel, in MainFrame index order.
const std::vector<PanelInfo>& Panels();
const char* PanelCaption(int index);

// The MainFrame indices in the order "Next" walks them.
const std::vector<int>& PanelSequence();

// The navigation buttons and the position label for a position of the
// sequence (counted from 0).
struct NavigationState {
  bool previous_enabled = false;
  std::string previous_caption;
  bool next_visible = false;
  bool next_enabled = false;
  std::string next_caption;
  bool go_visible = false;
  std::string panel_label;
};
NavigationState NavigationFor(int position);

// What showing a panel does besides showing it.
enum class PanelEntry {
  kNothing,
  kValidateProjectName,  // Project Setup
  kShowEngine,           // Application Engine: the engine preview follows Check1_0
  kShowGui,              // AIF File: the GUI preview follows Check1_1
  kExtras,               // help template search, then the help and package previews
  kFillCommands,         // the defined-commands view refilled from the command list
  kFillHotkeys,          // the menu items collected, the defined-hotkeys view refilled
};
PanelEntry EntryFor(int panel_index);

}  // namespace kelvad
