#include "ui/wizard_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>

#include "driver/build_driver.h"
#include "driver/session.h"
#include "help/help_template.h"
#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "resources/command_list.h"
#include "ui/editor_panels.h"
#include "ui/finish_panel.h"
#include "ui/help_browser.h"
#include "ui/form_panel.h"
#include "ui/qt_bridge.h"
#include "ui/startup_files.h"
#include "ui_aif_panel.h"
#include "ui_controls_panel.h"
#include "ui_cpp_panel.h"
#include "ui_engine_panel.h"
#include "ui_extras_panel.h"
#include "ui_makefiles_panel.h"
#include "ui_project_setup_panel.h"
#include "ui_text_ui_panel.h"
#include "ui_welcome_panel.h"
#include "ui_wizard_window.h"
#include "wizard/help_links.h"
#include "wizard/panels.h"
#include "wizard/reactions.h"

namespace kelvad {

namespace {

const char* const kLanguages[] = {"ELangEnglish", "ELangFrench", "ELangGerman", "ELangItalian", "ELangTurkish"};

// The search's labels and progress bar on the welcome panel.
class WelcomeSearchView : public SdkSearchView {
 public:
  explicit WelcomeSearchView(QWidget* root) : root_(root) {}
  void Searching(const std::string& status) override { Control<QLabel>(root_, "Label1_7")->setText(ToQ(status)); }
  void Probing(const std::string& path) override {
    auto* label = Control<QLabel>(root_, "Label1_20");
    label->setText(ToQ(path));
    label->repaint();
  }
  void Round(int letter_index) override { Control<QProgressBar>(root_, "ProgressBar2")->setValue(letter_index); }

 private:
  QWidget* root_;
};

// An invalid entry is drawn red, a valid one in the palette's text colour.
void ShowValidity(QWidget* field, bool valid) {
  QColor colour = valid ? field->window()->palette().color(QPalette::Text) : QColor(255, 0, 0);
  QPalette palette = field->palette();
  if (palette.color(QPalette::Text) == colour) return;
  palette.setColor(QPalette::Text, colour);
  field->setPalette(palette);
}

}  // namespace

WizardWindow::WizardWindow(WizardEnvironment environment, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::WizardWindow>()), env_(std::move(environment)) {
  ui_->setupUi(this);
  if (!env_.message) {
    env_.message = [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
      QMessageBox box(icon, title, text, QMessageBox::Ok, this);
      box.exec();
    };
  }
  auto add = [this](int index, QWidget* panel) {
    panels_[index] = panel;
    ui_->PanelStack->addWidget(panel);
  };
  add(kPanelProjectSetup, new FormPanel<Ui::ProjectSetupPanel>);
  add(kPanelEngine, new FormPanel<Ui::EnginePanel>);
  add(kPanelTextUis, new FormPanel<Ui::TextUiPanel>);
  add(kPanelMenus, menus_panel_ = new MenusPanel(*this));
  add(kPanelAif, new FormPanel<Ui::AifPanel>);
  add(kPanelExtras, new FormPanel<Ui::ExtrasPanel>);
  add(kPanelWelcome, new FormPanel<Ui::WelcomePanel>);
  add(kPanelMakefiles, new FormPanel<Ui::MakefilesPanel>);
  add(kPanelControls, new FormPanel<Ui::ControlsPanel>);
  add(kPanelFinish, finish_panel_ = new FinishPanel(*this));
  add(kPanelToolbar, toolbar_panel_ = new ToolbarPanel(*this));
  add(kPanelCommands, commands_panel_ = new CommandsPanel(*this));
  add(kPanelHotkeys, hotkeys_panel_ = new HotkeysPanel(*this));
  add(kPanelCpp, new FormPanel<Ui::CppPanel>);

  AcceptOnlyOneLineText(this);
  pc_mirror_ = std::make_unique<TreeMirror>(preview_.pc, ui_->TreeView2_0);
  device_mirror_ = std::make_unique<TreeMirror>(preview_.device, ui_->TreeView2_1);
  search_view_ = std::make_unique<WelcomeSearchView>(this);

  connect(ui_->Command2_0, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(ui_->Command2_1, &QPushButton::clicked, this, [this] { Step(+1); });
  connect(ui_->Command1, &QPushButton::clicked, this, [this] { finish_panel_->Go(); });
  // Every check box reacts through the core; most have nothing to do.
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    std::string name = FromQ(box->objectName());
    connect(box, &QCheckBox::toggled, this,
            [this, name](bool on) { ApplyEffects(this, ReactToCheckBox(name, on, preview_)); });
  }
  auto* name = findChild<QLineEdit*>("Text1_0");
  connect(name, &QLineEdit::textChanged, this, [this] { ProjectNameChanged(); });
  for (int i = 1; i <= 4; ++i) {
    auto* uid = findChild<QLineEdit*>(QString("TextUUID_%1").arg(i));
    connect(uid, &QLineEdit::textChanged, this, [this, uid] { UidChanged(uid); });
  }
  connect(findChild<QComboBox*>("Drive1"), &QComboBox::currentIndexChanged, this, [this] { DriveChanged(); });
  for (auto [index, field] : {std::pair{0, "SubPrjCount_0"}, std::pair{1, "SubPrjCount_1"}}) {
    connect(findChild<QToolButton*>(QString("UpDown1_%1_up").arg(index)), &QToolButton::clicked, this,
            [this, field = field] { StepCount(field, +1); });
    connect(findChild<QToolButton*>(QString("UpDown1_%1_down").arg(index)), &QToolButton::clicked, this,
            [this, field = field] { StepCount(field, -1); });
  }
  for (int i = 0; i < kHelpButtonCount; ++i) {
    auto* button = findChild<QAbstractButton*>(QString("PBHelp_%1").arg(i));
    if (!button) continue;
    connect(button, &QAbstractButton::clicked, this, [this, i] {
      OpenHelpPage(HelpButtonUrl(i, sdk_release_, CurrentSettings().ProjectDrive(), env_.install_dir));
    });
  }
  connect(ui_->PBMainHelp, &QPushButton::clicked, this,
          [this] { OpenHelpPage(MainHelpUrl(PanelSequence()[position_], env_.install_dir)); });
  auto* web_link = findChild<QLabel*>("WebLink_0");
  web_link->setText(QString("<a href=\"%1\">%1</a>").arg(kWebSiteUrl));
  connect(web_link, &QLabel::linkActivated, this, [this] { OpenHelpPage(kWebSiteUrl); });
  search_timer_.setInterval(env_.search_pacing_ms);
  connect(&search_timer_, &QTimer::timeout, this, [this] { SearchRound(); });

  LoadHandler();
}

WizardWindow::~WizardWindow() = default;

void WizardWindow::Message(QMessageBox::Icon icon, const QString& title, const QString& text) {
  env_.message(icon, title, text);
}

bool WizardWindow::Building() const { return finish_panel_->Building(); }

Settings WizardWindow::CurrentSettings() const { return ReadSettings(this); }

void WizardWindow::DisableNavigation() {
  ui_->Command1->setEnabled(false);
  ui_->Command2_0->setEnabled(false);
  ui_->Command2_1->setEnabled(false);
}

QString WizardWindow::ChooseFile(bool save) {
  if (env_.choose_file) return env_.choose_file(save);
  const QString filter = "Project descriptions (*.json);;All files (*)";
  return save ? QFileDialog::getSaveFileName(this, "Save Description", QString(), filter)
              : QFileDialog::getOpenFileName(this, "Open Description", QString(), filter);
}

void WizardWindow::ApplyState(Settings settings, CommandModel commands) {
  HelpTemplateSearch search = SearchHelpTemplate(*env_.drives, env_.registry, settings.ProjectDrive());
  ApplyHelpTemplateSearch(settings, search, help_template_);
  WriteSettings(this, settings);
  for (const char* box : {"Check2_0", "Check2_11", "Check2_12"}) {
    ApplyEffects(this, {{box, ControlEffect::Property::kEnabled, search.found()}});
  }
  ShowCommands(std::move(commands));
  EnterPanel(PanelSequence()[position_]);
}

HelpBrowser* WizardWindow::Browser() const { return browser_; }

void WizardWindow::OpenHelpPage(const std::string& url) {
  if (!browser_) {
    browser_ = new HelpBrowser(*env_.drives, HelpAboutUrl(env_.install_dir), this);
    // Beside the wizard, not over it.
    browser_->move(frameGeometry().topRight() + QPoint(8, 0));
  }
  browser_->show();
  browser_->raise();
  browser_->Open(url);
}

void WizardWindow::OpenDescriptionAfterSearch(const QString& path) {
  if (search_done_) {
    finish_panel_->OpenDescription(path);
    return;
  }
  connect(this, &WizardWindow::searchFinished, this, [this, path] { finish_panel_->OpenDescription(path); },
          Qt::SingleShotConnection);
}

bool WizardWindow::IsChecked(const char* name) const {
  auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name));
  return button && button->isChecked();
}

void WizardWindow::LoadHandler() {
  // The panel list: the hotkey letters of the three key pickers.
  for (int p = 0; p < 3; ++p) {
    auto* picker = findChild<QComboBox*>(QString("MenuCombo_%1").arg(p));
    picker->clear();
    for (char c = 'a'; c <= 'z'; ++c) picker->addItem(QString(QChar(c)));
    picker->setCurrentIndex(-1);
  }
  auto* languages = findChild<QComboBox*>("Combo1_0");
  languages->clear();
  for (const char* language : kLanguages) languages->addItem(language);
  languages->setCurrentIndex(0);
  ShowCommands(StartupCommands());
  FillDriveList();
  ValidateProjectName();
  ShowPanel(0);
  SetSearchState(false);
}

void WizardWindow::FillDriveList() {
  auto* list = findChild<QComboBox*>("Drive1");
  QSignalBlocker quiet(list);
  list->clear();
  for (const auto& [letter, host] : env_.drives->roots()) {
    list->addItem(QString("%1: [%2]").arg(QChar(letter)).arg(ToQ(host)));
  }
  int c = list->findText("c:", Qt::MatchStartsWith);
  list->setCurrentIndex(c >= 0 ? c : 0);
}

void WizardWindow::ShowCommands(CommandModel commands) {
  commands_ = std::move(commands);
  for (int p = 0; p < 3; ++p) findChild<QComboBox*>(QString("Combo2_%1").arg(p))->clear();
  for (const auto& command : commands_.commands) AddCommandToPickers(command.name);
  menus_panel_->Rebuild();
  toolbar_panel_->Rebuild();
}

void WizardWindow::AddCommandToPickers(const std::string& name) {
  for (int p = 0; p < 3; ++p) {
    auto* picker = findChild<QComboBox*>(QString("Combo2_%1").arg(p));
    picker->addItem(ToQ(name));
    if (picker->currentText().isEmpty()) picker->setCurrentIndex(picker->count() - 1);
  }
}

bool WizardWindow::Start() {
  try {
    LoadShippedFiles();
  } catch (const StartupError& e) {
    Message(QMessageBox::Critical, ToQ(GetVersionString()),
            QString("Kelvad encountered an internal error : %1\n\r%2\n\rClick 'OK' to exit")
                .arg(e.number())
                .arg(ToQ(e.what())));
    return false;
  }
  setWindowTitle(ToQ(GetVersionString() + " - EPOC32 EIKON Application Builder"));
  show();
  repaint();

  CommandListLoad load = LoadCommandList(*env_.files, JoinPath(env_.data_dir, "cmdlist.dat"), commands_);
  for (size_t i = commands_.commands.size() - load.added; i < commands_.commands.size(); ++i) {
    AddCommandToPickers(commands_.commands[i].name);
  }
  if (!load.error.empty()) Message(QMessageBox::Warning, "Kelvad", ToQ(load.error));

  QApplication::setOverrideCursor(Qt::WaitCursor);
  scan_ = std::make_unique<SdkScan>(*env_.drives, search_view_.get());
  search_timer_.start();
  return true;
}

void WizardWindow::LoadShippedFiles() {
  findChild<QLabel*>("Label5_8")->setText(ToQ("Welcome to " + GetVersionString() + " !"));
  ShowWelcomeDocument(*env_.files, env_.install_dir, findChild<QTextBrowser*>("RichTextBox1_1"));
  PlayWelcomeClip(*env_.files, env_.install_dir, findChild<QLabel*>("Animation2"));
  const char* sizes[] = {"16", "24", "32", "48"};
  for (int i = 0; i < 4; ++i) {
    QPixmap icon = LoadIconPreview(*env_.files, env_.install_dir, std::string("icon") + sizes[i] + "i.bmp");
    findChild<QLabel*>(QString("AIFImage_%1").arg(i))->setPixmap(icon);
  }
  finish_panel_->ShowStartupReport();
}

void WizardWindow::SearchRound() {
  scan_->Step();
  if (scan_->Done()) FinishSearch();
}

void WizardWindow::FinishSearch() {
  search_timer_.stop();
  QApplication::restoreOverrideCursor();
  SdkLocation found = scan_->Result();
  findChild<QLabel*>("Label1_19")->setText(ToQ(SdkSearchResultText(found)));
  auto* drives = findChild<QComboBox*>("Drive1");
  if (found.drive != 0) {
    sdk_release_ = found.release;
    int index = drives->findText(QString("%1:").arg(QChar(found.drive)), Qt::MatchStartsWith);
    if (index >= 0) drives->setCurrentIndex(index);
    SetSearchState(true);
    RefreshLayoutPreview(preview_, ReadSettings(this));
  } else {
    SetSearchState(true);
    drives->setEnabled(true);
    int index = drives->findText("c:", Qt::MatchStartsWith);
    if (index >= 0) drives->setCurrentIndex(index);
  }
  search_done_ = true;
  emit searchFinished();
}

void WizardWindow::SetSearchState(bool finished) {
  findChild<QLabel*>("Label1_7")->setVisible(!finished);
  findChild<QProgressBar*>("ProgressBar2")->setVisible(!finished);
  findChild<QComboBox*>("Drive1")->setEnabled(false);
  ui_->Command2_1->setEnabled(finished);
}

void WizardWindow::ShowPanel(int position) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ui_->PanelStack->setCurrentWidget(panels_.at(PanelSequence()[position]));
  UpdateNavigation(position);
  QApplication::restoreOverrideCursor();
}

void WizardWindow::UpdateNavigation(int position) {
  NavigationState state = NavigationFor(position);
  ui_->Command2_0->setEnabled(state.previous_enabled);
  ui_->Command2_0->setText(ToQ(state.previous_caption));
  ui_->Command2_1->setVisible(state.next_visible);
  ui_->Command2_1->setEnabled(state.next_enabled);
  if (state.next_visible) ui_->Command2_1->setText(ToQ(state.next_caption));
  ui_->Command1->setVisible(state.go_visible);
  ui_->PanelLabel->setText(ToQ(state.panel_label));
}

void WizardWindow::Step(int delta) {
  int target = position_ + delta;
  if (target < 0 || target >= static_cast<int>(PanelSequence().size())) return;
  if (PanelSequence()[position_] == kPanelWelcome) ApplyEffects(this, ReleaseOptions(sdk_release_));
  position_ = target;
  ShowPanel(position_);
  EnterPanel(PanelSequence()[position_]);
  emit panelShown(PanelSequence()[position_]);
}

void WizardWindow::EnterPanel(int panel_index) {
  switch (EntryFor(panel_index)) {
    case PanelEntry::kValidateProjectName:
      ValidateProjectName();
      break;
    case PanelEntry::kShowEngine:
      ShowEngineInPreview(preview_, IsChecked("Check1_0"));
      ApplyEffects(this, EngineOptionEffects(preview_));
      break;
    case PanelEntry::kShowGui:
      ShowGuiInPreview(preview_, IsChecked("Check1_1"));
      ApplyEffects(this, EngineOptionEffects(preview_));
      break;
    case PanelEntry::kExtras: {
      Settings settings = ReadSettings(this);
      HelpTemplateSearch search = SearchHelpTemplate(*env_.drives, env_.registry, settings.ProjectDrive());
      if (search.found()) help_template_ = search.path;
      ApplyEffects(this, HelpOptionEffects(search.found()));
      UpdateHelpPreview(preview_, IsChecked("Check2_0"));
      UpdatePackagePreview(preview_, IsChecked("Check2_1"));
      break;
    }
    case PanelEntry::kFillCommands:
      commands_panel_->Enter();
      break;
    case PanelEntry::kFillHotkeys:
      hotkeys_panel_->Enter();
      break;
    case PanelEntry::kNothing:
      break;
  }
}

bool WizardWindow::ValidateProjectName() {
  auto* field = findChild<QLineEdit*>("Text1_0");
  std::string refusal = ProjectNameRefusal(*env_.drives, FromQ(findChild<QComboBox*>("Drive1")->currentText()),
                                           FromQ(field->text()));
  bool valid = refusal.empty();
  ShowValidity(field, valid);
  field->setToolTip(ToQ(refusal));
  ui_->Command2_1->setEnabled(valid);
  return valid;
}

void WizardWindow::ProjectNameChanged() {
  bool acceptable = ValidateProjectName();
  std::string name = FromQ(findChild<QLineEdit*>("Text1_0")->text());
  if (acceptable) {
    if (preview_.pc.size() == 0) {
      RefreshLayoutPreview(preview_, ReadSettings(this));
    } else {
      RenameLayoutPreview(preview_, name);
    }
  } else {
    ClearLayoutPreview(preview_);
  }
  findChild<QLineEdit*>("Text1_4")->setText(ToQ(name));
}

void WizardWindow::DriveChanged() {
  // A name that is free on one drive may be taken on another.
  ValidateProjectName();
  preview_.pc.SetText("DRIVE", ReadSettings(this).ProjectDrive());
}

void WizardWindow::UidChanged(QLineEdit* field) {
  if (field->text().isEmpty()) {
    field->setText(kEmptyUid);
    ShowValidity(field, false);
    return;
  }
  ShowValidity(field, IsValidUid(FromQ(field->text())));
}

void WizardWindow::StepCount(const char* count_field, int delta) {
  auto* field = findChild<QLineEdit*>(QString::fromLatin1(count_field));
  bool ok = false;
  int value = field->text().trimmed().toInt(&ok);
  field->setText(QString::number(std::clamp(ok ? value + delta : 1, 0, 99)));
}

}  // namespace kelvad
