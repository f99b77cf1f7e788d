#include "wizard/keyboard.h"

#include "platform/dos_paths.h"
#include "wizard/panels.h"

namespace kelvad {

std::string WithMnemonic(std::string_view caption, char letter) {
  std::string marked;
  bool placed = false;
  for (char c : caption) {
    if (c == '&') {
      marked += "&&";
      continue;
    }
    if (!placed && LowerAscii(c) == LowerAscii(letter)) {
      marked += '&';
      placed = true;
    }
    marked += c;
  }
  return marked;
}

std::string StripMnemonic(std::string_view caption) {
  std::string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') shown += '&';
      ++i;
      if (i < caption.size() && caption[i] != '&') shown += caption[i];
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

char MnemonicOf(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return LowerAscii(caption[i + 1]);
    ++i;
  }
  return 0;
}

ReturnAction ReturnKeyAction(int panel_index, ReturnFocus focus) {
  switch (focus) {
    case ReturnFocus::kGo:
      return ReturnAction::kNothing;
    case ReturnFocus::kButton:
      return ReturnAction::kPressFocused;
    case ReturnFocus::kOther:
      break;
  }
  return panel_index == kPanelFinish ? ReturnAction::kNothing : ReturnAction::kNext;
}

}  // namespace kelvad
