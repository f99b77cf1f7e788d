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

TEST(Navigation, CaptionsAtTheFirstSecondAndLastPosition) {
  NavigationState first = NavigationFor(0);
  EXPECT_FALSE(first.previous_enabled);
  EXPECT_EQ(first.previous_caption, "<< Previous");
  EXPECT_EQ(first.next_caption, "Next (2) >>");
  EXPECT_EQ(first.panel_label, "Panel 1 of 12");

  NavigationState second = NavigationFor(1);
  EXPECT_TRUE(second.previous_enabled);
  EXPECT_EQ(second.previous_caption, "<< Previous (1)");
  EXPECT_EQ(second.next_caption, "Next (3) >>");
  EXPECT_FALSE(second.go_visible);

  NavigationState last = NavigationFor(11);
  EXPECT_FALSE(last.next_visible);
  EXPECT_TRUE(last.go_visible);
  EXPECT_EQ(last.previous_caption, "<< Previous (11)");
  EXPECT_EQ(last.panel_label, "Panel 12 of 12");
}

TEST(Navigation, SequenceLeavesOutTextUisAndControlsAndEndsOnFinish) {
  const auto& sequence = PanelSequence();
  ASSERT_EQ(sequence.size(), 12u);
  EXPECT_EQ(sequence.front(), kPanelWelcome);
  EXPECT_EQ(sequence.back(), kPanelFinish);
  EXPECT_EQ(std::count(sequence.begin(), sequence.end(), kPanelTextUis), 0);
  EXPECT_EQ(std::count(sequence.begin(), sequence.end(), kPanelControls), 0);
  EXPECT_STREQ(PanelCaption(kPanelWelcome), " Welcome ");
  EXPECT_EQ(EntryFor(kPanelHotkeys), PanelEntry::kFillHotkeys);
  EXPECT_EQ(EntryFor(kPanelMakefiles), PanelEntry::kNothing);
}

TEST(ReleaseOptions, EachReleaseShowsAndSelectsItsOwnVersions) {
  ControlEffects none = ReleaseOptions(0);
  for (const char* option : {"Option1_0", "Option1_2", "Option1_3"}) {
    EXPECT_EQ(Final(none, option, Property::kChecked), 0) << option;
  }
  EXPECT_EQ(Final(none, "Option1_3", Property::kVisible), 0);
  EXPECT_EQ(Final(none, "Option1_0", Property::kVisible), 0);
  EXPECT_EQ(Final(none, "TextUUID_2", Property::kEnabled), 0);
  EXPECT_EQ(Final(none, "Label1_22", Property::kVisible), 0);

  ControlEffects r3 = ReleaseOptions(3);
  EXPECT_EQ(Final(r3, "Option1_3", Property::kVisible), 1);
  EXPECT_EQ(Final(r3, "Option1_2", Property::kChecked), 1);
  EXPECT_EQ(Final(r3, "Option1_0", Property::kVisible), 0);
  EXPECT_EQ(Final(r3, "TextUUID_4", Property::kEnabled), 0);

  ControlEffects r5 = ReleaseOptions(5);
  EXPECT_EQ(Final(r5, "Option1_0", Property::kChecked), 1);
  EXPECT_EQ(Final(r5, "Option1_2", Property::kChecked), 0);
  EXPECT_EQ(Final(r5, "Option1_3", Property::kVisible), 0);
  EXPECT_EQ(Final(r5, "TextUUID_2", Property::kEnabled), 1);
  EXPECT_EQ(Final(r5, "Label1_21", Property::kVisible), 1);
}

TEST(CheckBoxReactions, DependentControlsFollowTheirBox) {
  LayoutPreview preview;
  EXPECT_EQ(Final(ReactToCheckBox("Check1_6", false, preview), "MenuCommand_6", Property::kEnabled), 0);
  EXPECT_EQ(Final(ReactToCheckBox("Check1_6", false, preview), "Check1_9", Property::kVisible), 0);
  // Help off hides both batch-file options; on again shows both, whatever their own state.
  EXPECT_EQ(Final(ReactToCheckBox("Check2_0", false, preview), "Check2_12", Property::kVisible), 0);
  EXPECT_EQ(Final(ReactToCheckBox("Check2_0", true, preview), "Check2_12", Property::kVisible), 1);
  EXPECT_EQ(Final(ReactToCheckBox("Check2_11", false, preview), "Check2_12", Property::kVisible), 0);
  // The Visual Studio project entry shows the older versions but leaves version 6 alone.
  ControlEffects vs = ReactToCheckBox("Check2_5", true, preview);
  EXPECT_EQ(Final(vs, "Option1_3", Property::kVisible), 1);
  EXPECT_EQ(Final(vs, "Option1_0", Property::kVisible), -1);
  EXPECT_EQ(Final(ReactToCheckBox("Check4_0", false, preview), "Check4_1", Property::kVisible), 0);
  EXPECT_EQ(Final(ReactToCheckBox("Check1_2", false, preview), "SubPrjCount_1", Property::kEnabled), 0);
  EXPECT_TRUE(ReactToCheckBox("Check3_2", true, preview).empty());
}

TEST(CheckBoxReactions, GuiOffGreysTheEngineOptionsUntilTheEngineToggleRunsAgain) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  EXPECT_EQ(Final(ReactToCheckBox("Check1_1", false, preview), "Check4_0", Property::kEnabled), 0);
  EXPECT_EQ(Final(ReactToCheckBox("Check1_0", true, preview), "Frame3_0", Property::kEnabled), 1);
  EXPECT_TRUE(preview.pc.Contains("ENG"));
  EXPECT_FALSE(preview.pc.Contains("GUI"));
}

TEST(CheckBoxReactions, HelpAndPackageBranchesComeAndGoOnce) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  for (int i = 0; i < 2; ++i) {
    ReactToCheckBox("Check2_0", true, preview);
    ReactToCheckBox("Check2_1", true, preview);
  }
  EXPECT_EQ(Keys(preview.pc), (std::vector<std::string>{"ROOT", "DRIVE", "PRJ", "HELP", "H_PROJ", "H_ORDER",
                                                         "H_D_PICTURES", "H_D_TMP", "H_D_DATA", "H_D_DOCS",
                                                         "H_RTFFILE", "SIS", "S_PKG"}));
  EXPECT_EQ(preview.pc.Find("H_RTFFILE")->image, kImageDirectory);
  EXPECT_EQ(preview.pc.Find("S_PKG")->image, kImageSource);
  EXPECT_TRUE(preview.device.Contains("HELPFILE"));
  ReactToCheckBox("Check2_0", false, preview);
  ReactToCheckBox("Check2_1", false, preview);
  EXPECT_EQ(Keys(preview.pc), (std::vector<std::string>{"ROOT", "DRIVE", "PRJ"}));
  EXPECT_FALSE(preview.device.Contains("HELPFILE"));
}

TEST(LayoutPreview, RenamedInPlace) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  ShowEngineInPreview(preview, true);
  RenameLayoutPreview(preview, "Notes");
  EXPECT_EQ(preview.pc.Find("PRJ")->text, "Notes");
  EXPECT_TRUE(preview.pc.Contains("C_ENG"));
  EXPECT_EQ(preview.device.Find("F0")->text, "Notes.APP");
  EXPECT_EQ(preview.device.Find("F2")->text, "Notes.AIF");
}

TEST(HelpOptions, FoundChecksAndEnablesNotFoundClearsAndDisables) {
  for (bool found : {true, false}) {
    ControlEffects effects = HelpOptionEffects(found);
    for (const char* box : {"Check2_0", "Check2_11", "Check2_12"}) {
      EXPECT_EQ(Final(effects, box, Property::kChecked), found) << box;
      EXPECT_EQ(Final(effects, box, Property::kEnabled), found) << box;
    }
  }
}

TEST(ProjectName, RefusedWhenEmptyMalformedOrAlreadyInTheDriveRoot) {
  MemoryFileSystem fs;
  fs.MakeDirectories("/c/demo");
  fs.Write("/c/notes.txt", "");
  DosDrives drives(fs, {{'c', "/c"}});
  EXPECT_EQ(ProjectNameRefusal(drives, "c: [/c]", "Fresh"), "");
  EXPECT_NE(ProjectNameRefusal(drives, "c: [/c]", ""), "");
  EXPECT_NE(ProjectNameRefusal(drives, "c: [/c]", "DEMO"), "");
  EXPECT_NE(ProjectNameRefusal(drives, "c: [/c]", "Notes.TXT"), "");
  EXPECT_NE(ProjectNameRefusal(drives, "c: [/c]", "a:b"), "");
  EXPECT_NE(ProjectNameRefusal(drives, "e: [/e]", "Fresh"), "");
}

TEST(Uid, EightHexDigitsAfterALowerCaseX) {
  EXPECT_TRUE(IsValidUid("0x0100025F"));
  EXPECT_TRUE(IsValidUid("0x0100025f"));
  EXPECT_FALSE(IsValidUid("0X01000251"));
  EXPECT_FALSE(IsValidUid("0x0100025g"));
  EXPECT_FALSE(IsValidUid("0x100"));
  EXPECT_FALSE(IsValidUid("0x010002510"));
  EXPECT_FALSE(IsValidUid(""));
}

}  // namespace
}  // namespace kelvad
