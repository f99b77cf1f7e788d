#pragma once

#include "model/settings.h"
#include "model/project_tree.h"

namespace kelvad {

// Image indices of the wizard's image list.
enum TreeImage {
  kImagePc = 1,
  kImageDrive = 2,
  kImageDevice = 3,
  kImageSource = 4,
  kImageHeader = 5,
  kImageDirectorySelected = 6,
  kImageDirectory = 7,
  kImageInstalled = 9,
};

// The layout preview: the PC side, the device side, and the controls whose
// enabled state follows the sub-project toggles.
struct LayoutPreview {
  Tree pc;
  Tree device;
  bool engine_options_enabled = true;  // Check4_0, Check4_1 and Frame3_0
  bool text_ui_count_enabled = true;   // Label8_0, SubPrjCount_1 and UpDown1_1
};

void RefreshLayoutPreview(LayoutPreview& preview, const Settings& settings);
void ShowEngineInPreview(LayoutPreview& preview, bool show);
void ShowGuiInPreview(LayoutPreview& preview, bool show);
// The count controls follow text_ui_checked (Check1_2), whatever show says.
void ShowTextUiInPreview(LayoutPreview& preview, bool show, bool text_ui_checked);

// The help branch: generic file names under "HELP" on the PC side and the
// help file on the device side. Repeating a call changes nothing.
void UpdateHelpPreview(LayoutPreview& preview, bool show);
// The package branch: "distrib" with its package script under "PRJ".
void UpdatePackagePreview(LayoutPreview& preview, bool show);

// A new project name shown in place: the project directory on both sides
// and the application and AIF file names on the device.
void RenameLayoutPreview(LayoutPreview& preview, const std::string& name);
// Both sides emptied, as for a project name that cannot be used.
void ClearLayoutPreview(LayoutPreview& preview);

}  // namespace kelvad
