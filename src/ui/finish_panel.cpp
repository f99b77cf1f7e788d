#include "ui/finish_panel.h"

#include <QApplication>
#include <QFileDialog>

#include "driver/build_driver.h"
#include "driver/session.h"
#include "model/report.h"
#include "platform/encoding.h"
#include "platform/file_system.h"
#include "resources/command_list.h"
#include "resources/hotkeys.h"
#include "resources/project_description.h"
#include "resources/standard_commands.h"
#include "ui/build_runner.h"
#include "ui/qt_bridge.h"
#include "ui/wizard_window.h"

namespace kelvad {

FinishPanel::FinishPanel(WizardWindow& window) : window_(window), report_(ui.RichTextBox1_0) {
  ui.ProgressBar1->hide();
  tree_mirror_ = std::make_unique<TreeMirror>(project_tree_, ui.TreeView1);
  BuildDisplay display;
  display.status = [this](const std::string& status) { ui.Label2->setText(ToQ(status)); };
  display.progress = [this](int value, int maximum) {
    ui.ProgressBar1->setMaximum(maximum);
    ui.ProgressBar1->setValue(value);
  };
  display.line = [this](const std::string& rtf_line) { report_.AddLine(rtf_line); };
  display.node = [this](const TreeNode& node) {
    project_tree_.Add(node.parent, node.key, node.text, node.image, node.selected_image);
  };
  display.warn = [this](const std::string& title, const std::string& text) {
    window_.Message(QMessageBox::Warning, ToQ(title), ToQ(text));
  };
  display.finished = [this](const BuildOutcome& outcome) { Finished(outcome); };
  runner_ = std::make_unique<BuildRunner>(this, std::move(display));

  connect(ui.PreviewFiles, &QPushButton::clicked, this, [this] { PreviewFiles(); });
  connect(ui.FileList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) ShowPlannedFile(item->data(0, Qt::UserRole).toInt());
  });
  connect(ui.SaveDescription, &QPushButton::clicked, this, [this] {
    QString path = window_.ChooseFile(true);
    if (!path.isEmpty()) SaveDescription(path);
  });
  connect(ui.OpenDescription, &QPushButton::clicked, this, [this] {
    QString path = window_.ChooseFile(false);
    if (!path.isEmpty()) OpenDescription(path);
  });
}

FinishPanel::~FinishPanel() = default;

bool FinishPanel::Building() const { return runner_->Running(); }

void FinishPanel::ShowStartupReport() { report_.Reset(Report::StartupDocument()); }

void FinishPanel::Go() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window_.DisableNavigation();
  ui.OpenDescription->setEnabled(false);
  ui.PreviewFiles->setEnabled(false);
  ui.Label2->setText("Processing ...");
  ui.ProgressBar1->setValue(0);
  ui.ProgressBar1->show();
  ui.FinishTabs->setCurrentWidget(ui.StatusTab);

  // The hotkey tables as the editors leave them: an extra hotkey added on
  // the hotkeys panel, or a menu item added after its last visit, is
  // generated as the same entry of a project description is headless.
  CollectMenuItems(window_.Commands());
  const WizardEnvironment& env = window_.Environment();
  BuildJob job;
  job.settings = window_.CurrentSettings();
  job.commands = window_.Commands();
  job.sdk_release = window_.SdkRelease();
  job.drives = env.drives;
  job.registry = env.registry;
  job.starter = env.starter;
  job.launch = env.launch;
  job.install_dir = env.install_dir;
  job.report_path = JoinPath(env.data_dir, "kelvad.rtf");
  job.help_template = window_.HelpTemplate();
  job.line_pause_ms = env.line_pause_ms;
  runner_->Start(std::move(job));
}

void FinishPanel::Finished(const BuildOutcome& outcome) {
  QApplication::restoreOverrideCursor();
  QString title = ToQ(GetVersionString());
  if (!outcome.completed) {
    ui.Label2->setText("Abandoned");
    window_.Message(QMessageBox::Critical, title,
                    ToQ("The build was abandoned: " + outcome.error +
                        "\nWhat was written before it stays on disk."));
    return;
  }
  if (!outcome.report_saved && !outcome.report_error.empty()) {
    window_.Message(QMessageBox::Warning, title, ToQ("The report kelvad.rtf was not saved: " + outcome.report_error));
  }
  window_.Message(QMessageBox::NoIcon, title, ToQ(outcome.closing_message));
}

void FinishPanel::PreviewFiles() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const WizardEnvironment& env = window_.Environment();
  DryRunInput input{window_.CurrentSettings(), window_.Commands(), window_.SdkRelease(), env.install_dir,
                    window_.HelpTemplate(), env.registry};
  CollectMenuItems(input.commands);
  planned_ = DryRunBuild(input, *env.drives);
  QApplication::restoreOverrideCursor();
  ui.FileList->clear();
  for (size_t i = 0; i < planned_.files.size(); ++i) {
    auto* item = new QTreeWidgetItem(ui.FileList, {ToQ(planned_.files[i].dos_path),
                                                   QString::number(planned_.files[i].bytes.size())});
    item->setData(0, Qt::UserRole, static_cast<int>(i));
    item->setTextAlignment(1, Qt::AlignRight);
  }
  ui.FileList->resizeColumnToContents(0);
  ui.FileText->setPlainText(planned_.completed ? QString()
                                               : ToQ("The build would be abandoned: " + planned_.error));
  ui.FinishTabs->setCurrentWidget(ui.FilesTab);
}

void FinishPanel::ShowPlannedFile(int index) {
  if (index < 0 || index >= static_cast<int>(planned_.files.size())) return;
  const std::string& bytes = planned_.files[index].bytes;
  // Bitmaps and the like are not text.
  bool binary = bytes.find('\0') != std::string::npos;
  ui.FileText->setPlainText(binary ? QString("(%1 bytes of binary data)").arg(bytes.size())
                                   : ToQ(FromWindows1252(bytes)));
}

bool FinishPanel::SaveDescription(const QString& path) {
  const WizardEnvironment& env = window_.Environment();
  std::string text = FormatProjectDescription(window_.CurrentSettings(), window_.Commands(), StandardCommandCount());
  try {
    env.files->Replace(FromQ(path), text);
  } catch (const std::exception& e) {
    window_.Message(QMessageBox::Warning, "Kelvad", ToQ(std::string("The description was not saved: ") + e.what()));
    return false;
  }
  return true;
}

bool FinishPanel::OpenDescription(const QString& path) {
  const WizardEnvironment& env = window_.Environment();
  std::string file = FromQ(path);
  // The state a fresh start would have, the drive kept, then the description.
  Settings settings;
  settings.drive = window_.CurrentSettings().drive;
  CommandModel commands = StartupCommands();
  LoadCommandList(*env.files, JoinPath(env.data_dir, "cmdlist.dat"), commands);
  try {
    ProjectDescription description = LoadProjectDescription(*env.files, file);
    try {
      ApplyProjectDescription(description, settings, commands);
    } catch (const DescriptionError& e) {
      throw DescriptionError(file + ": " + e.what());
    }
    FollowProjectName(settings, description.settings);
  } catch (const std::exception& e) {
    window_.Message(QMessageBox::Warning, "Kelvad", ToQ(e.what()));
    return false;
  }
  CollectMenuItems(commands);
  window_.ApplyState(settings, std::move(commands));
  return true;
}

}  // namespace kelvad
