#include "wizard/keyboard.h"

#include <gtest/gtest.h>

#include "wizard/panels.h"

namespace kelvad {
namespace {

TEST(Mnemonics, MarkStripAndReadBack) {
  struct Case {
    const char* caption;
    char letter;
    const char* marked;
  } const cases[] = {
      {"Next (12) >>", 'n', "&Next (12) >>"},
      {"<< Previous (3)", 'p', "<< &Previous (3)"},
      {"Add After", 'e', "Add Aft&er"},          // the first e, not the capital's letter
      {"Create Help File Template", 'f', "Create Help &File Template"},
      {"Save & Close", 'c', "Save && &Close"},   // a caption's own & stays a character
      {"Go!", 'x', "Go!"},                       // no such letter: no mnemonic
      {"", 'a', ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    std::string marked = WithMnemonic(c.caption, c.letter);
    EXPECT_EQ(marked, c.marked);
    EXPECT_EQ(StripMnemonic(marked), c.caption);
    EXPECT_EQ(MnemonicOf(marked), std::string(c.marked) == c.caption ? 0 : c.letter);
  }
  EXPECT_EQ(StripMnemonic("a&&&b&"), "a&b");
  EXPECT_EQ(MnemonicOf("&&&X"), 'x');
}

TEST(ReturnKey, PressesTheFocusedButtonElseNextButNeverGo) {
  for (int panel : PanelSequence()) {
    SCOPED_TRACE(panel);
    bool finish = panel == kPanelFinish;
    EXPECT_EQ(ReturnKeyAction(panel, ReturnFocus::kOther), finish ? ReturnAction::kNothing : ReturnAction::kNext);
    EXPECT_EQ(ReturnKeyAction(panel, ReturnFocus::kButton), ReturnAction::kPressFocused);
    EXPECT_EQ(ReturnKeyAction(panel, ReturnFocus::kGo), ReturnAction::kNothing);
  }
}

}  // namespace
}  // namespace kelvad
