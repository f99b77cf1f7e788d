#include "model/layout.h"

#include <string>
#include <vector>

#include "buildfiles/aif.h"
#include "model/output_file.h"
#include "platform/dos_paths.h"

namespace kelvad {

namespace {

struct DirectoryRow {
  const char* suffix;
  bool Settings::*condition;  // null: always
  const char* key;
  const char* text;
  const char* parent;
};

const std::vector<DirectoryRow>& DirectoryRows() {
  static const std::vector<DirectoryRow> rows = {
      {"", nullptr, "PRJ", nullptr, "DRIVE"},
      {"\\Include", nullptr, "INC", "include", "PRJ"},
      {"\\AIF", nullptr, "AIF", "aif", "PRJ"},
      {"\\Engine", &Settings::engine, "ENG", "engine", "PRJ"},
      {"\\GUI", &Settings::gui, "GUI", "gui", "PRJ"},
      {"\\Help", &Settings::help, "HELP", "help", "PRJ"},
      {"\\Help\\Pictures", &Settings::help, "H_D_PICTURES", "pictures", "HELP"},
      {"\\Help\\Database", &Settings::help, "H_D_DATA", "database", "HELP"},
      {"\\Help\\Documents", &Settings::help, "H_D_DOCS", "documents", "HELP"},
      {"\\Help\\Temp", &Settings::help, "H_D_TMP", "temp", "HELP"},
      {"\\distrib", &Settings::sis, "DIST", "distrib", "PRJ"},
  };
  return rows;
}

// Preview additions and removals ignore every tree error.
void AddQuietly(Tree& tree, const std::string& parent, const std::string& key, const std::string& text, int image,
                int selected = 0) {
  try {
    tree.Add(parent, key, text, image, selected);
  } catch (...) {
  }
}

}  // namespace

void CreateProjectDirectories(BuildContext& context) {
  const Settings& s = context.settings;
  context.report.ReportStage(6, "Creating Directories ...");
  context.drives.SetCurrentDrive(s.ProjectDrive()[0]);
  context.tree.Add("", "ROOT", "PC", kImagePc);
  context.tree.Add("ROOT", "DRIVE", s.ProjectDrive(), kImageDrive);
  context.report.StepProgress();
  for (const auto& row : DirectoryRows()) {
    if (row.condition && !(s.*(row.condition))) continue;
    MakeProjectDirectory(context, s.ProjectDirectory() + row.suffix);
    const std::string text = row.text ? row.text : s.name;
    if (std::string(row.key) == "H_D_PICTURES") {
      context.tree.Add(row.parent, row.key, text, kImageSource);
    } else {
      context.tree.Add(row.parent, row.key, text, kImageDirectory, kImageDirectorySelected);
    }
    context.report.StepProgress();
  }
  WriteIconBitmaps(context);
  WriteApplicationInfo(context, s.ProjectDirectory() + "\\AIF");
}

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

}  // namespace kelvad
