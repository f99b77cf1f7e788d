#include <gtest/gtest.h>

#include <algorithm>

#include "model/layout.h"
#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "wizard/panels.h"
#include "wizard/reactions.h"

namespace kelvad {
namespace {

using Property = ControlEffect::Property;

// The value an effect list leaves on a control's property, or -1 when it
// does not touch it.
int Final(const ControlEffects& effects, const std::string& control, Property property) {
  int value = -1;
  for (const auto& e : effects) {
    if (e.control == control && e.property == property) value = e.value;
  }
  return value;
}

std::vector<std::string> Keys(const Tree& tree) {
  std::vector<std::string> keys;
  for (const auto* node : tree.InDisplayOrder()) keys.push_back(node->key);
  return keys;
}

TEST(Navigation, TwelvePanelsFromWelcomeToFinishWithTheirCaptions) {
  auto captions = [](int position) {
    NavigationState state = NavigationFor(position);
    return state.previous_caption + " | " + state.next_caption + " | " + state.panel_label;
  };
  EXPECT_EQ(captions(0), "<< Previous | Next (2) >> | Panel 1 of 12");
  EXPECT_EQ(captions(1), "<< Previous (1) | Next (3) >> | Panel 2 of 12");
  EXPECT_EQ(captions(11), "<< Previous (11) |  | Panel 12 of 12");
  EXPECT_FALSE(NavigationFor(0).previous_enabled);
  EXPECT_TRUE(NavigationFor(1).previous_enabled && NavigationFor(1).next_visible && NavigationFor(11).go_visible);
  EXPECT_FALSE(NavigationFor(1).go_visible || NavigationFor(11).next_visible);
  const auto& sequence = PanelSequence();
  ASSERT_EQ(sequence.size(), 12u);
  EXPECT_EQ(sequence.front(), kPanelWelcome);
  EXPECT_EQ(sequence.back(), kPanelFinish);
  EXPECT_EQ(std::count(sequence.begin(), sequence.end(), kPanelTextUis), 0);
  EXPECT_EQ(std::count(sequence.begin(), sequence.end(), kPanelControls), 0);
}

TEST(ReleaseOptions, OnlyTheFoundReleasesVersionIsShownAndChecked) {
  using enum Property;
  for (int release : {0, 3, 5}) {
    SCOPED_TRACE(release);
    ControlEffects effects = ReleaseOptions(release);
    EXPECT_EQ(Final(effects, "Option1_0", kChecked), release == 5);
    EXPECT_EQ(Final(effects, "Option1_0", kVisible), release == 5);
    EXPECT_EQ(Final(effects, "Option1_2", kChecked), release == 3);
    EXPECT_EQ(Final(effects, "Option1_3", kVisible), release == 3);
    EXPECT_EQ(Final(effects, "Option1_3", kChecked), 0);
    EXPECT_EQ(Final(effects, "TextUUID_2", kEnabled), release == 5);
    EXPECT_EQ(Final(effects, "Label1_22", kVisible), release == 5);
  }
}

TEST(CheckBoxReactions, DependentControlsFollowTheirBox) {
  using enum Property;
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  auto effect = [&](const char* box, bool on, const char* control, Property property) {
    return Final(ReactToCheckBox(box, on, preview), control, property);
  };
  EXPECT_EQ(effect("Check1_6", false, "MenuCommand_6", kEnabled), 0);
  EXPECT_EQ(effect("Check1_6", false, "Check1_9", kVisible), 0);
  // Help off hides both batch-file options; on again shows both, whatever their own state.
  EXPECT_EQ(effect("Check2_0", false, "Check2_12", kVisible), 0);
  EXPECT_EQ(effect("Check2_0", true, "Check2_12", kVisible), 1);
  EXPECT_EQ(effect("Check2_11", false, "Check2_12", kVisible), 0);
  // The Visual Studio project entry shows the older versions but leaves version 6 alone.
  EXPECT_EQ(effect("Check2_5", true, "Option1_3", kVisible), 1);
  EXPECT_EQ(effect("Check2_5", true, "Option1_0", kVisible), -1);
  EXPECT_EQ(effect("Check4_0", false, "Check4_1", kVisible), 0);
  EXPECT_EQ(effect("Check1_2", false, "SubPrjCount_1", kEnabled), 0);
  EXPECT_TRUE(ReactToCheckBox("Check3_2", true, preview).empty());
  // GUI off greys the engine options until the engine toggle runs again.
  EXPECT_EQ(effect("Check1_1", false, "Check4_0", kEnabled), 0);
  EXPECT_EQ(effect("Check1_0", true, "Frame3_0", kEnabled), 1);
  EXPECT_TRUE(preview.pc.Contains("ENG"));
  EXPECT_FALSE(preview.pc.Contains("GUI"));
}

// The branches come once however often their box is ticked, and a rename
// keeps them: it renames in place rather than building the trees anew.
TEST(CheckBoxReactions, HelpAndPackageBranchesComeAndGoOnce) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  for (int i = 0; i < 2; ++i) {
    ReactToCheckBox("Check2_0", true, preview);
    ReactToCheckBox("Check2_1", true, preview);
  }
  RenameLayoutPreview(preview, "Notes");
  EXPECT_EQ(Keys(preview.pc), (std::vector<std::string>{"ROOT", "DRIVE", "PRJ", "HELP", "H_PROJ", "H_ORDER",
                                                         "H_D_PICTURES", "H_D_TMP", "H_D_DATA", "H_D_DOCS",
                                                         "H_RTFFILE", "SIS", "S_PKG"}));
  EXPECT_EQ(preview.pc.Find("PRJ")->text, "Notes");
  EXPECT_EQ(preview.device.Find("F2")->text, "Notes.AIF");
  EXPECT_EQ(preview.pc.Find("H_RTFFILE")->image, kImageDirectory);
  EXPECT_EQ(preview.pc.Find("S_PKG")->image, kImageSource);
  EXPECT_TRUE(preview.device.Contains("HELPFILE"));
  ReactToCheckBox("Check2_0", false, preview);
  ReactToCheckBox("Check2_1", false, preview);
  EXPECT_EQ(Keys(preview.pc), (std::vector<std::string>{"ROOT", "DRIVE", "PRJ"}));
  EXPECT_FALSE(preview.device.Contains("HELPFILE"));
}

TEST(ProjectName, RefusedWhenEmptyMalformedOrAlreadyInTheDriveRoot) {
  MemoryFileSystem fs;
  fs.MakeDirectories("/c/demo");
  fs.Write("/c/notes.txt", "");
  DosDrives drives(fs, {{'c', "/c"}});
  EXPECT_EQ(ProjectNameRefusal(drives, "c: [/c]", "Fresh"), "");
  for (const char* name : {"", "DEMO", "Notes.TXT", "a:b"}) EXPECT_NE(ProjectNameRefusal(drives, "c: [/c]", name), "");
  EXPECT_NE(ProjectNameRefusal(drives, "e: [/e]", "Fresh"), "");
}

TEST(Uid, EightHexDigitsAfterALowerCaseX) {
  for (const char* uid : {"0x0100025F", "0x0100025f"}) EXPECT_TRUE(IsValidUid(uid)) << uid;
  for (const char* uid : {"0X01000251", "0x0100025g", "0x100", "0x010002510", ""}) EXPECT_FALSE(IsValidUid(uid)) << uid;
}

}  // namespace
}  // namespace kelvad
