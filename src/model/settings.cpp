#include "model/settings.h"

#include "platform/encoding.h"
#include "platform/errors.h"

namespace kelvad {

namespace {

SettingInfo Text(const char* key, const char* control, std::string Settings::*field) {
  return SettingInfo{key, control, SettingKind::kText, field, nullptr};
}

SettingInfo Check(const char* key, const char* control, bool Settings::*field) {
  return SettingInfo{key, control, SettingKind::kCheck, nullptr, field};
}

}  // namespace

const std::vector<SettingInfo>& SettingTable() {
  static const std::vector<SettingInfo> table = {
      Text("name", "Text1_0", &Settings::name),
      Text("drive", "Drive1", &Settings::drive),
      Check("file_based", "OptFile_0", &Settings::file_based),
      Text("app_name", "Text1_4", &Settings::app_name),
      Text("language", "Combo1_0", &Settings::language),
      Text("engine_uid", "TextUUID_1", &Settings::engine_uid),
      Text("engine_unicode_uid", "TextUUID_2", &Settings::engine_unicode_uid),
      Text("gui_uid", "TextUUID_3", &Settings::gui_uid),
      Text("gui_unicode_uid", "TextUUID_4", &Settings::gui_unicode_uid),
      Text("base_uid", "Text1_3", &Settings::base_uid),
      Check("engine", "Check1_0", &Settings::engine),
      Check("gui", "Check1_1", &Settings::gui),
      Check("text_ui", "Check1_2", &Settings::text_ui),
      Text("text_ui_count", "SubPrjCount_1", &Settings::text_ui_count),
      Check("controls", "Check1_3", &Settings::controls),
      Text("controls_count", "SubPrjCount_0", &Settings::controls_count),
      Check("stream_methods", "Check4_0", &Settings::stream_methods),
      Check("store_methods", "Check4_1", &Settings::store_methods),
      Check("doc_store_restore", "GUIDocCheck_0", &Settings::doc_store_restore),
      Check("doc_command_line", "GUIDocCheck_1", &Settings::doc_command_line),
      Check("doc_filename_changes", "GUIDocCheck_2", &Settings::doc_filename_changes),
      Check("doc_new_file", "GUIDocCheck_3", &Settings::doc_new_file),
      Check("messaging", "GUIDocCheck_4", &Settings::messaging),
      Check("help_about", "GUIDocCheck_5", &Settings::help_about),
      Check("help_on", "GUIDocCheck_6", &Settings::help_on),
      Check("doc_open_file", "GUIDocCheck_7", &Settings::doc_open_file),
      Check("doc_save", "GUIDocCheck_8", &Settings::doc_save),
      Check("doc_save_as", "GUIDocCheck_9", &Settings::doc_save_as),
      Check("doc_revert", "GUIDocCheck_10", &Settings::doc_revert),
      Check("aif_embeddable", "Check1_4", &Settings::aif_embeddable),
      Check("extensive_comments", "Check1_5", &Settings::extensive_comments),
      Check("toolbar", "Check1_6", &Settings::toolbar),
      Check("menu", "Check1_7", &Settings::menu),
      Check("toolbar_filename", "Check1_8", &Settings::toolbar_filename),
      Check("toolbar_clock", "Check1_9", &Settings::toolbar_clock),
      Check("help", "Check2_0", &Settings::help),
      Check("help_gen_bat", "Check2_11", &Settings::help_gen_bat),
      Check("help_copy_bat", "Check2_12", &Settings::help_copy_bat),
      Check("sis", "Check2_1", &Settings::sis),
      Check("aif_mbm_script", "Check2_2", &Settings::aif_mbm_script),
      Check("aif_script", "Check2_3", &Settings::aif_script),
      Check("aif_copy_script", "Check2_6", &Settings::aif_copy_script),
      Check("vs_project", "Check2_5", &Settings::vs_project),
      Check("wins_build", "Check3_0", &Settings::wins_build),
      Check("marm_build", "Check3_1", &Settings::marm_build),
      Check("marm_makefile", "Check3_2", &Settings::marm_makefile),
      Check("wins_makefile", "Check3_3", &Settings::wins_makefile),
      Check("makefiles", "Check3_4", &Settings::makefiles),
      SettingInfo{"vc_version", "Option1", SettingKind::kChoice, nullptr, nullptr},
  };
  return table;
}

const SettingInfo* FindSetting(const std::string& key) {
  for (const auto& info : SettingTable()) {
    if (key == info.key) return &info;
  }
  return nullptr;
}

void ApplySetting(Settings& settings, const std::string& key, const std::string& value) {
  const SettingInfo* info = FindSetting(key);
  if (!info) throw Error("unknown setting " + Shown(key));
  switch (info->kind) {
    case SettingKind::kText:
      // The wizard's boxes are single-line: a line break here would split a
      // line of every generated file that quotes the text.
      if (HasControlCharacter(value)) throw Error("setting \"" + key + "\" holds a control character or line break");
      // Nor do they take a character that Windows-1252 has no byte for: it
      // would be written as "?".
      if (!FitsWindows1252(value)) {
        throw Error("setting \"" + key + "\" holds a character that has no Windows-1252 byte: " + Shown(value));
      }
      settings.*(info->text) = value;
      return;
    case SettingKind::kCheck:
      if (value == "1" || value == "true") {
        settings.*(info->check) = true;
      } else if (value == "0" || value == "false") {
        settings.*(info->check) = false;
      } else {
        throw Error("setting \"" + key + "\" takes 1, 0, true or false, not " + Shown(value));
      }
      return;
    case SettingKind::kChoice:
      if (value == "6" || value == "5" || value == "4") {
        settings.vc_version = value[0] - '0';
      } else {
        throw Error("setting \"" + key + "\" takes 6, 5 or 4, not " + Shown(value));
      }
      return;
  }
}

void FollowProjectName(Settings& settings, const SettingTexts& given) {
  bool name_given = false, app_name_given = false;
  for (const auto& [key, value] : given) {
    name_given |= key == "name";
    app_name_given |= key == "app_name";
  }
  if (name_given && !app_name_given) settings.app_name = settings.name;
}

std::string SettingText(const Settings& settings, const SettingInfo& info) {
  switch (info.kind) {
    case SettingKind::kText:
      return settings.*(info.text);
    case SettingKind::kCheck:
      return settings.*(info.check) ? "1" : "0";
    case SettingKind::kChoice:
      return std::to_string(settings.vc_version);
  }
  return "";
}

}  // namespace kelvad
