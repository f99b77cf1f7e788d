#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kelvad {

// What the wizard gathers about the project, with the wizard's start-up
// state as defaults. The wizard fills one of these when "Go!" is pressed;
// the generators read it and never write it.
struct Settings {
  // Project identity and location.
  std::string name = "ProjectX";   // Text1_0
  std::string drive = "c:";        // Drive1: entry text, only its first two characters count
  bool file_based = true;          // OptFile_0 (OptFile_1 is its complement)
  std::string app_name = "AppName";        // Text1_4
  std::string language = "ELangEnglish";   // Combo1_0

  // UIDs, copied as typed.
  std::string engine_uid = "0x01000251";          // TextUUID_1
  std::string engine_unicode_uid = "0x01100251";  // TextUUID_2
  std::string gui_uid = "0x01000253";             // TextUUID_3
  std::string gui_unicode_uid = "0x01100253";     // TextUUID_4
  std::string base_uid = "0x10000252";            // Text1_3

  // Sub-projects.
  bool engine = true;                 // Check1_0
  bool gui = true;                    // Check1_1
  bool text_ui = true;                // Check1_2
  std::string text_ui_count = "1";    // SubPrjCount_1
  bool controls = true;               // Check1_3
  std::string controls_count = "1";   // SubPrjCount_0

  // Engine options.
  bool stream_methods = true;  // Check4_0
  bool store_methods = true;   // Check4_1

  // GUI document options (GUIDocCheck_0 to GUIDocCheck_10).
  bool doc_store_restore = true;
  bool doc_command_line = true;
  bool doc_filename_changes = true;
  bool doc_new_file = true;
  bool messaging = false;
  bool help_about = true;
  bool help_on = true;
  bool doc_open_file = true;
  bool doc_save = true;
  bool doc_save_as = true;
  bool doc_revert = true;

  // Resource, toolbar and icon options.
  bool aif_embeddable = true;      // Check1_4
  bool extensive_comments = true;  // Check1_5
  bool toolbar = true;             // Check1_6
  bool menu = true;                // Check1_7
  bool toolbar_filename = true;    // Check1_8
  bool toolbar_clock = true;       // Check1_9

  // Help, installation and batch-file options.
  bool help = true;             // Check2_0
  bool help_gen_bat = true;     // Check2_11
  bool help_copy_bat = true;    // Check2_12
  bool sis = true;              // Check2_1
  bool aif_mbm_script = true;   // Check2_2
  bool aif_script = true;       // Check2_3
  bool aif_copy_script = true;  // Check2_6

  // Makefile options.
  bool vs_project = true;      // Check2_5
  bool wins_build = true;      // Check3_0
  bool marm_build = true;      // Check3_1
  bool marm_makefile = true;   // Check3_2
  bool wins_makefile = true;   // Check3_3
  bool makefiles = true;       // Check3_4

  int vc_version = 6;  // Option1_0 (6), Option1_2 (5), Option1_3 (4)

  // "c:" for the default drive entry.
  std::string ProjectDrive() const { return drive.substr(0, 2); }
  // "c:\ProjectX".
  std::string ProjectDirectory() const { return ProjectDrive() + "\\" + name; }
};

enum class SettingKind { kText, kCheck, kChoice };

// One setting as the headless front end and the project description file
// address it, with the wizard control that holds it.
struct SettingInfo {
  const char* key;
  const char* control;  // Qt object name of the wizard control
  SettingKind kind;
  std::string Settings::*text = nullptr;
  bool Settings::*check = nullptr;
};

const std::vector<SettingInfo>& SettingTable();
const SettingInfo* FindSetting(const std::string& key);

// Sets a setting from its text form: 1/0 or true/false for checks, 6, 5 or
// 4 for vc_version. Fails with kelvad::Error naming the key and the value.
void ApplySetting(Settings& settings, const std::string& key, const std::string& value);

// Settings as texts, key and value, in the order given.
using SettingTexts = std::vector<std::pair<std::string, std::string>>;

// Typing the project name in the wizard copies it into the application
// name; settings given as texts do the same unless they give app_name too.
void FollowProjectName(Settings& settings, const SettingTexts& given);

// The text form that ApplySetting reads back.
std::string SettingText(const Settings& settings, const SettingInfo& info);

}  // namespace kelvad
