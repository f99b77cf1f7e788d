#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/layout.h"

namespace kelvad {

class DosDrives;

// A change the wizard makes to one of its controls, named by object name.
struct ControlEffect {
  enum class Property { kVisible, kEnabled, kChecked };
  std::string control;
  Property property;
  bool value;

  bool operator==(const ControlEffect&) const = default;
};
using ControlEffects = std::vector<ControlEffect>;

// The Developer Studio choices and the Unicode UID fields for the SDK
// release found: run each time the Welcome panel is left, so these choices
// are reset then.
ControlEffects ReleaseOptions(int sdk_release);

// A check box's immediate reaction: the dependent controls shown, hidden,
// enabled or disabled, and the layout preview updated. Check boxes without
// a reaction give no effects.
ControlEffects ReactToCheckBox(std::string_view control, bool checked, LayoutPreview& preview);

// The engine option controls as the engine and GUI preview toggles leave them.
ControlEffects EngineOptionEffects(const LayoutPreview& preview);

// The three help options after a help template search: checked and
// enabled when the template was found, cleared and disabled when not.
ControlEffects HelpOptionEffects(bool template_found);

// Why the project name cannot be used, or empty when it can: it must be
// one plain directory name, and no entry of the drive root may bear it,
// ignoring case. drive_text is the drive list's entry ("c: ...").
std::string ProjectNameRefusal(const DosDrives& drives, const std::string& drive_text, const std::string& name);

// A UID field: "0x" and eight hexadecimal digits, letters in either case.
bool IsValidUid(std::string_view text);
// What an emptied UID field is filled with.
inline constexpr const char* kEmptyUid = "0x00000000";

}  // namespace kelvad
