#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvad {

// A press of "Go!" counts only once the Finish panel has been shown for a
// double-click interval: the second click of a double click on
// "Next (12) >>" lands on "Go!", which appears in its place.
bool GoPressHonoured(std::int64_t ms_since_finish_shown, int double_click_interval_ms);

enum class ClosingAction {
  kClose,         // nothing would be lost
  kAskSave,       // save a project description, discard the changes, or stay
  kAskStopBuild,  // stop the build between two files and close, or stay
};

// Closing the wizard: a running build comes first; otherwise only changes
// since the wizard started, or since its state was last saved, opened or
// built, are worth asking about.
ClosingAction ClosingActionFor(bool building, bool changed);

// What "Save Description..." proposes: the project name with ".json".
std::string ProposedDescriptionName(std::string_view project_name);

// The chosen path with ".json" added when its file name has no suffix.
std::string WithDescriptionSuffix(std::string_view path);

}  // namespace kelvad
