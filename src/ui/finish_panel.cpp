#include "ui/finish_panel.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QScrollBar>

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
#include "wizard/work_guards.h"

namespace kelvad {

FinishPanel::FinishPanel(FinishHost& host) : host_(host), report_(ui.RichTextBox1_0) {
  ui.ProgressBar1->hide();
  // Generated sources line their comment boxes up in a fixed-width font.
  ui.FileText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ShowLongTextsWhole(ui.FileList);
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
    host_.Message(QMessageBox::Warning, ToQ(title), ToQ(text));
  };
  display.finished = [this](const BuildOutcome& outcome) { Finished(outcome); };
  runner_ = std::make_unique<BuildRunner>(this, std::move(display));

  connect(ui.PreviewFiles, &QPushButton::clicked, this, [this] { PreviewFiles(); });
  connect(ui.FileList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) ShowPlannedFile(item->data(0, Qt::UserRole).toInt());
  });
  connect(ui.SaveDescription, &QPushButton::clicked, this, [this] { SaveDescriptionAs(); });
  connect(ui.OpenDescription, &QPushButton::clicked, this, [this] {
    QString path = host_.ChooseFile(false, QString());
    if (!path.isEmpty()) OpenDescription(path);
  });
}

FinishPanel::~FinishPanel() = default;

bool FinishPanel::Building() const { return runner_->Running(); }

void FinishPanel::StopBuild() {
  if (!Building()) return;
  ui.Label2->setText("Stopping after the file being written ...");
  runner_->RequestStop();
}

void FinishPanel::ShowStartupReport() { report_.Reset(Report::StartupDocument()); }

void FinishPanel::Go() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  host_.DisableNavigation();
  ui.OpenDescription->setEnabled(false);
  ui.PreviewFiles->setEnabled(false);
  ui.Label2->setText("Processing ...");
  ui.ProgressBar1->setValue(0);
  ui.ProgressBar1->show();
  ui.FinishTabs->setCurrentWidget(ui.StatusTab);

  // The hotkey tables as the editors leave them: an extra hotkey added on
  // the hotkeys panel, or a menu item added after its last visit, is
  // generated as the same entry of a project description is headless.
  CollectMenuItems(host_.Commands());
  const WizardEnvironment& env = host_.Environment();
  BuildJob job;
  job.settings = host_.CurrentSettings();
  job.commands = host_.Commands();
  job.sdk_release = host_.SdkRelease();
  job.drives = env.drives;
  job.registry = env.registry;
  job.starter = env.starter;
  job.launch = env.launch;
  job.install_dir = env.install_dir;
  job.report_path = JoinPath(env.data_dir, "kelvad.rtf");
  job.help_template = host_.HelpTemplate();
  job.line_pause_ms = env.line_pause_ms;
  runner_->Start(std::move(job));
}

void FinishPanel::Finished(const BuildOutcome& outcome) {
  QApplication::restoreOverrideCursor();
  if (outcome.completed) host_.StateKept();
  if (host_.BuildEnded(outcome)) return;
  QString title = ToQ(GetVersionString());
  if (!outcome.completed) {
    ui.Label2->setText("Abandoned");
    host_.Message(QMessageBox::Critical, title,
                    ToQ("The build was abandoned: " + outcome.error +
                        "\nWhat was written before it stays on disk."));
    return;
  }
  if (!outcome.report_saved && !outcome.report_error.empty()) {
    host_.Message(QMessageBox::Warning, title, ToQ("The report kelvad.rtf was not saved: " + outcome.report_error));
  }
  host_.Message(QMessageBox::Information, title, ToQ(outcome.closing_message));
}

void FinishPanel::PreviewFiles() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const WizardEnvironment& env = host_.Environment();
  DryRunInput input{host_.CurrentSettings(), host_.Commands(), host_.SdkRelease(), env.install_dir,
                    host_.HelpTemplate(), env.registry};
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
  ui.FileText->setPlainText(planned_.completed ? QString()
                                               : ToQ("The build would be abandoned: " + planned_.error));
  ui.FinishTabs->setCurrentWidget(ui.FilesTab);
  // The list as wide as its columns, where the text beside it keeps some room.
  QHeaderView* header = ui.FileList->header();
  header->resizeSections(QHeaderView::ResizeToContents);
  int list = header->length() + ui.FileList->verticalScrollBar()->sizeHint().width() + 2 * ui.FileList->frameWidth();
  int total = ui.Splitter10_1->width() - ui.Splitter10_1->handleWidth();
  list = std::min(list, total - total / 4);
  ui.Splitter10_1->setSizes({list, total - list});
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
  const WizardEnvironment& env = host_.Environment();
  std::string text = FormatProjectDescription(host_.CurrentSettings(), host_.Commands(), StandardCommandCount());
  try {
    WriteFileAtomically(*env.files, FromQ(path), text);
  } catch (const std::exception& e) {
    host_.Message(QMessageBox::Warning, "Kelvad", ToQ(std::string("The description was not saved: ") + e.what()));
    return false;
  }
  host_.StateKept();
  return true;
}

bool FinishPanel::SaveDescriptionAs() {
  QString proposed = ToQ(ProposedDescriptionName(host_.CurrentSettings().name));
  QString path = host_.ChooseFile(true, proposed);
  if (path.isEmpty()) return false;
  return SaveDescription(ToQ(WithDescriptionSuffix(FromQ(path))));
}

bool FinishPanel::OpenDescription(const QString& path) {
  const WizardEnvironment& env = host_.Environment();
  std::string file = FromQ(path);
  // The state a fresh start would have, the drive kept, then the description.
  Settings settings;
  settings.drive = host_.CurrentSettings().drive;
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
    host_.Message(QMessageBox::Warning, "Kelvad", ToQ(e.what()));
    return false;
  }
  CollectMenuItems(commands);
  host_.ApplyState(settings, std::move(commands));
  host_.StateKept();
  return true;
}

}  // namespace kelvad
