#include "model/layout.h"

#include <string>
#include <vector>

namespace kelvad {

namespace {

// Preview additions and removals ignore every tree error.
void AddQuietly(Tree& tree, const std::string& parent, const std::string& key, const std::string& text, int image,
                int selected = 0) {
  try {
    tree.Add(parent, key, text, image, selected);
  } catch (...) {
  }
}

}  // namespace

void RefreshLayoutPreview(LayoutPreview& preview, const Settings& settings) {
  preview.pc.Clear();
  AddQuietly(preview.pc, "", "ROOT", "PC", kImagePc);
  AddQuietly(preview.pc, "ROOT", "DRIVE", settings.ProjectDrive(), kImageDrive);
  AddQuietly(preview.pc, "DRIVE", "PRJ", settings.name, kImageDirectory, kImageDirectorySelected);
  preview.device.Clear();
  AddQuietly(preview.device, "", "ROOT", "EPOC Device", kImageDevice);
  AddQuietly(preview.device, "ROOT", "SYS", "System", kImageDirectory, kImageDirectorySelected);
  AddQuietly(preview.device, "SYS", "APP", "Apps", kImageDirectory, kImageDirectorySelected);
  AddQuietly(preview.device, "APP", "PRJ", settings.name, kImageDirectory, kImageDirectorySelected);
  AddQuietly(preview.device, "PRJ", "F0", settings.name + ".APP", kImageInstalled);
  AddQuietly(preview.device, "PRJ", "F2", settings.name + ".AIF", kImageInstalled);
}

void ShowEngineInPreview(LayoutPreview& preview, bool show) {
  if (show) {
    AddQuietly(preview.pc, "PRJ", "ENG", "engine", kImageDirectory, kImageDirectorySelected);
    AddQuietly(preview.pc, "ENG", "C_ENG", "engine.cpp", kImageSource);
    AddQuietly(preview.pc, "PRJ", "INC", "include", kImageDirectory, kImageDirectorySelected);
    AddQuietly(preview.pc, "INC", "I_ENG", "engine.h", kImageHeader);
  } else {
    for (const char* key : {"ENG", "C_ENG", "I_ENG"}) preview.pc.Remove(key);
  }
  preview.engine_options_enabled = show;
}

void ShowGuiInPreview(LayoutPreview& preview, bool show) {
  if (show) {
    AddQuietly(preview.pc, "PRJ", "GUI", "gui", kImageDirectory, kImageDirectorySelected);
    const char* sources[][2] = {{"C_DOC", "doc.cpp"},
                                {"C_APP", "app.cpp"},
                                {"C_APPUI", "appui.cpp"},
                                {"C_APPVIEW", "appview.cpp"},
                                {"C_MAIN", "main.cpp"}};
    for (auto& [key, text] : sources) AddQuietly(preview.pc, "GUI", key, text, kImageSource);
    AddQuietly(preview.pc, "PRJ", "INC", "include", kImageDirectory, kImageDirectorySelected);
    const char* headers[][2] = {{"I_DOC", "doc.h"}, {"I_APP", "app.h"}, {"I_APPUI", "appui.h"}, {"I_APPVIEW", "appview.h"}};
    for (auto& [key, text] : headers) AddQuietly(preview.pc, "INC", key, text, kImageHeader);
  } else {
    for (const char* key : {"GUI", "C_DOC", "C_APP", "C_APPUI", "C_MAIN", "C_APPVIEW", "I_DOC", "I_APP", "I_APPUI",
                            "I_APPVIEW"}) {
      preview.pc.Remove(key);
    }
  }
  preview.engine_options_enabled = show;
}

void ShowTextUiInPreview(LayoutPreview& preview, bool show, bool text_ui_checked) {
  if (show) {
    AddQuietly(preview.pc, "PRJ", "TUI", "tui", kImageDirectory, kImageDirectorySelected);
  } else {
    preview.pc.Remove("TUI");
  }
  preview.text_ui_count_enabled = text_ui_checked;
}

void UpdateHelpPreview(LayoutPreview& preview, bool show) {
  if (!show) {
    for (const char* key : {"HELP", "H_PROJ", "H_ORDER", "H_GRAPHICS", "H_RTFFILE", "H_D_TMP"}) preview.pc.Remove(key);
    preview.device.Remove("HELPFILE");
    return;
  }
  const char* nodes[][3] = {{"HELP", "help", "PRJ"},         {"H_PROJ", "help.alp", "HELP"},
                            {"H_ORDER", "help.order", "HELP"}, {"H_D_PICTURES", "pictures", "HELP"},
                            {"H_D_TMP", "temp", "HELP"},       {"H_D_DATA", "database", "HELP"},
                            {"H_D_DOCS", "documents", "HELP"},  {"H_RTFFILE", "help.rtf", "H_D_DOCS"}};
  for (auto& [key, text, parent] : nodes) AddQuietly(preview.pc, parent, key, text, kImageDirectory);
  AddQuietly(preview.device, "PRJ", "HELPFILE", "helpfile", kImageDirectory);
}

void UpdatePackagePreview(LayoutPreview& preview, bool show) {
  if (show) {
    AddQuietly(preview.pc, "PRJ", "SIS", "distrib", kImageDirectory, kImageDirectorySelected);
    AddQuietly(preview.pc, "SIS", "S_PKG", "package.pkg", kImageSource);
  } else {
    preview.pc.Remove("SIS");
    preview.pc.Remove("S_PKG");
  }
}

void RenameLayoutPreview(LayoutPreview& preview, const std::string& name) {
  preview.pc.SetText("PRJ", name);
  preview.device.SetText("PRJ", name);
  preview.device.SetText("F0", name + ".APP");
  preview.device.SetText("F2", name + ".AIF");
}

void ClearLayoutPreview(LayoutPreview& preview) {
  preview.pc.Clear();
  preview.device.Clear();
}

}  // namespace kelvad
