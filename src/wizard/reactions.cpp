#include "wizard/reactions.h"

#include "model/project_name.h"
#include "platform/dos_paths.h"

namespace kelvad {

namespace {

using Property = ControlEffect::Property;

ControlEffect Visible(const char* control, bool value) { return {control, Property::kVisible, value}; }
ControlEffect Enabled(const char* control, bool value) { return {control, Property::kEnabled, value}; }
ControlEffect Checked(const char* control, bool value) { return {control, Property::kChecked, value}; }

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

ControlEffects ReleaseOptions(int sdk_release) {
  const bool r3 = sdk_release == 3;
  const bool r5 = sdk_release == 5;
  return {
      Visible("Option1_3", r3),   Checked("Option1_3", false), Visible("Option1_2", true),
      Checked("Option1_2", r3),   Visible("Option1_0", r5),    Checked("Option1_0", r5),
      Enabled("TextUUID_2", r5),  Visible("Label1_21", r5),    Enabled("TextUUID_4", r5),
      Visible("Label1_22", r5),
  };
}

ControlEffects EngineOptionEffects(const LayoutPreview& preview) {
  bool on = preview.engine_options_enabled;
  return {Enabled("Check4_0", on), Enabled("Check4_1", on), Enabled("Frame3_0", on)};
}

ControlEffects ReactToCheckBox(std::string_view control, bool checked, LayoutPreview& preview) {
  if (control == "Check1_0") {
    ShowEngineInPreview(preview, checked);
    return EngineOptionEffects(preview);
  }
  if (control == "Check1_1") {
    ShowGuiInPreview(preview, checked);
    return EngineOptionEffects(preview);
  }
  if (control == "Check1_2") {
    ShowTextUiInPreview(preview, checked, checked);
    bool on = preview.text_ui_count_enabled;
    return {Enabled("Label8_0", on), Enabled("SubPrjCount_1", on), Enabled("UpDown1_1", on)};
  }
  if (control == "Check1_6") {
    return {Visible("Check1_8", checked), Visible("Check1_9", checked), Enabled("MenuCommand_6", checked)};
  }
  if (control == "Check2_0") {
    UpdateHelpPreview(preview, checked);
    return {Visible("Check2_11", checked), Visible("Check2_12", checked)};
  }
  if (control == "Check2_1") {
    UpdatePackagePreview(preview, checked);
    return {};
  }
  if (control == "Check2_5") {
    return {Visible("Label6_1", checked), Visible("Option1_3", checked), Visible("Option1_2", checked)};
  }
  if (control == "Check2_11") return {Visible("Check2_12", checked)};
  if (control == "Check4_0") return {Visible("Check4_1", checked)};
  return {};
}

ControlEffects HelpOptionEffects(bool found) {
  ControlEffects effects;
  for (const char* control : {"Check2_0", "Check2_11", "Check2_12"}) {
    effects.push_back(Checked(control, found));
    effects.push_back(Enabled(control, found));
  }
  return effects;
}

std::string ProjectNameRefusal(const DosDrives& drives, const std::string& drive_text, const std::string& name) {
  if (std::string problem = ProjectNameProblem(name); !problem.empty()) return problem;
  if (drive_text.size() < 2 || drive_text[1] != ':') return "No drive is chosen for the project.";
  char drive = LowerAscii(drive_text[0]);
  if (!drives.IsMapped(drive)) return std::string("Drive ") + drive + ": is not mapped to a directory.";
  if (ProjectEntryExists(drives, drive, name)) {
    return "\"" + name + "\" already exists in the root of drive " + drive + ":.";
  }
  return "";
}

bool IsValidUid(std::string_view text) {
  if (text.size() != 10 || text[0] != '0' || text[1] != 'x') return false;
  for (char c : text.substr(2)) {
    if (!IsHexDigit(c)) return false;
  }
  return true;
}

}  // namespace kelvad
