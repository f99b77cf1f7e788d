#include "wizard/work_guards.h"

#include <gtest/gtest.h>

namespace kelvad {
namespace {

TEST(WorkGuards, GoWaitsOutADoubleClickAndClosingAsksWhenSomethingIsAtStake) {
  EXPECT_FALSE(GoPressHonoured(0, 400));
  EXPECT_FALSE(GoPressHonoured(399, 400));
  EXPECT_TRUE(GoPressHonoured(400, 400));
  EXPECT_EQ(ClosingActionFor(false, false), ClosingAction::kClose);
  EXPECT_EQ(ClosingActionFor(false, true), ClosingAction::kAskSave);
  EXPECT_EQ(ClosingActionFor(true, false), ClosingAction::kAskStopBuild);
  EXPECT_EQ(ClosingActionFor(true, true), ClosingAction::kAskStopBuild);
}

TEST(WorkGuards, DescriptionFilesAreJsonUnlessASuffixWasTyped) {
  EXPECT_EQ(ProposedDescriptionName("Notes"), "Notes.json");
  EXPECT_EQ(ProposedDescriptionName(""), "project.json");
  struct Case {
    const char* typed;
    const char* saved;
  } const cases[] = {
      {"/home/u/notes", "/home/u/notes.json"},
      {"/home/u/notes.json", "/home/u/notes.json"},
      {"/home/u/notes.txt", "/home/u/notes.txt"},
      {"/home/u.d/notes", "/home/u.d/notes.json"},  // a dot in a directory is no suffix
      {"C:\\Users\\u\\notes", "C:\\Users\\u\\notes.json"},
      {"/home/u/.notes", "/home/u/.notes.json"},    // a hidden file's dot neither
      {"notes", "notes.json"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithDescriptionSuffix(c.typed), c.saved) << c.typed;
}

}  // namespace
}  // namespace kelvad
