#include "driver/directories.h"

#include <string>
#include <vector>

#include "buildfiles/aif.h"
#include "model/layout.h"
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

}  // namespace kelvad
