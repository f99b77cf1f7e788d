#pragma once

#include <QString>
#include <memory>
#include <string>

#include "driver/dry_run.h"
#include "model/project_tree.h"
#include "ui/finish_host.h"
#include "ui/form_panel.h"
#include "ui/report_box.h"
#include "ui_finish_panel.h"

namespace kelvad {

class BuildRunner;
class TreeMirror;
struct BuildOutcome;

// "Finish": "Go!" and what it shows, the project description, and a look
// at the files before anything is written.
class FinishPanel : public FormPanel<Ui::FinishPanel> {
 public:
  explicit FinishPanel(FinishHost& host);
  ~FinishPanel() override;

  // The progress report's start-up document.
  void ShowStartupReport();
  // The build behind "Go!", on a thread of its own.
  void Go();
  bool Building() const;
  // Ends a running build before the next file it would write; the report
  // says so and is saved.
  void StopBuild();
  // Reads a description into the wizard; false (with the reason shown)
  // leaves the wizard as it was.
  bool OpenDescription(const QString& path);
  bool SaveDescription(const QString& path);
  // Asks where to save, proposing the project's name, and saves; false when
  // nothing was saved.
  bool SaveDescriptionAs();

 private:
  void PreviewFiles();
  void ShowPlannedFile(int index);
  void Finished(const BuildOutcome& outcome);

  FinishHost& host_;
  ReportBox report_;
  Tree project_tree_;
  std::unique_ptr<TreeMirror> tree_mirror_;
  std::unique_ptr<BuildRunner> runner_;
  DryRun planned_;
};

}  // namespace kelvad
