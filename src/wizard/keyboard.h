#pragma once

#include <string>
#include <string_view>

namespace kelvad {

// A caption with its mnemonic marked as Qt marks it: "&" before the first
// occurrence of the letter (either case), any "&" of the caption doubled.
// A caption without the letter comes back with its "&" doubled only.
std::string WithMnemonic(std::string_view caption, char letter);

// The caption as shown: single markers dropped, "&&" read as "&".
std::string StripMnemonic(std::string_view caption);

// The letter a marked caption gives Alt, lower-cased; 0 when none.
char MnemonicOf(std::string_view caption);

// What the focused control is, as far as Return cares.
enum class ReturnFocus {
  kButton,  // a push or tool button: Return presses it, as in a dialog
  kGo,      // "Go!" itself
  kOther,   // anything that left Return unused
};

enum class ReturnAction { kPressFocused, kNext, kNothing };

// Return that no control used: it presses the focused button, else "Next"
// as a dialog's default button would, but never starts the build: on the
// Finish panel and on "Go!" it does nothing.
ReturnAction ReturnKeyAction(int panel_index, ReturnFocus focus);

}  // namespace kelvad
