#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/command_model.h"
#include "resources/name_index.h"

namespace kelvad {
namespace {

const std::string* NameOf(const Command& c) { return &c.name; }
// Leaves out the commands without a hotkey.
const std::string* HotkeyNameOf(const Command& c) { return c.hotkey.empty() ? nullptr : &c.name; }

// Each look-up sees the list as it is now, however it was changed since the last one.
TEST(NameIndex, FollowsTheListThroughEveryKindOfChange) {
  std::vector<Command> list = {{"A", "", ""}, {"B", "", ""}, {"A", "second A", ""}};
  NameIndex index;
  EXPECT_EQ(index.Find(list, NameOf, "A"), 0u);  // the first of two
  EXPECT_EQ(index.Find(list, NameOf, "C"), NameIndex::npos);

  list.push_back({"C", "", ""});
  EXPECT_EQ(index.Find(list, NameOf, "C"), 3u);

  std::swap(list[0], list[3]);  // reordered in place
  EXPECT_EQ(index.Find(list, NameOf, "C"), 0u);
  EXPECT_EQ(index.Find(list, NameOf, "A"), 2u);

  list.erase(list.begin());  // shorter
  EXPECT_EQ(index.Find(list, NameOf, "C"), NameIndex::npos);
  EXPECT_EQ(index.Find(list, NameOf, "B"), 0u);

  // Emptied and refilled to the same length in the same storage.
  list.reserve(10);
  EXPECT_EQ(index.Find(list, NameOf, "B"), 0u);
  list.clear();
  for (const char* name : {"X", "Y", "Z"}) list.push_back({name, "", ""});
  EXPECT_EQ(index.Find(list, NameOf, "Y"), 1u);
  EXPECT_EQ(index.Find(list, NameOf, "B"), NameIndex::npos);

  // Replaced by a list of the same length elsewhere.
  list = std::vector<Command>{{"P", "", ""}, {"Q", "", ""}, {"R", "", ""}};
  EXPECT_EQ(index.Find(list, NameOf, "Q"), 1u);

  // Only a name written over in the middle needs telling.
  list[1].name = "S";
  index.Forget();
  EXPECT_EQ(index.Find(list, NameOf, "S"), 1u);
  EXPECT_EQ(index.Find(list, NameOf, "Q"), NameIndex::npos);

  // Entries without a name are left out; refilled in place, an entry left
  // out before may now have one.
  list = {{"A", "", ""}, {"B", "", "^b"}, {"A", "", "^a"}};
  list.reserve(10);
  NameIndex hotkeys;
  EXPECT_EQ(hotkeys.Find(list, HotkeyNameOf, "A"), 2u);
  EXPECT_EQ(hotkeys.Find(list, HotkeyNameOf, "B"), 1u);
  list.clear();
  for (const char* name : {"C", "B", "A"}) list.push_back({name, "", "^c"});
  list[1].hotkey.clear();
  EXPECT_EQ(hotkeys.Find(list, HotkeyNameOf, "C"), 0u);
  EXPECT_EQ(hotkeys.Find(list, HotkeyNameOf, "B"), NameIndex::npos);
}

}  // namespace
}  // namespace kelvad
