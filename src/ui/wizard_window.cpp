#include "ui/wizard_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>

#include "driver/build_driver.h"
#include "driver/session.h"
#include "help/help_template.h"
#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "resources/command_list.h"
#include "resources/project_description.h"
#include "resources/standard_commands.h"
#include "ui/accessibility.h"
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
#include "wizard/keyboard.h"
#include "wizard/panels.h"
#include "wizard/reactions.h"
#include "wizard/screen_fit.h"
#include "wizard/work_guards.h"

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

// Up and Down in a count field step it, as the arrows beside it do.
class StepKeys : public QObject {
 public:
  StepKeys(QWidget* field, std::function<void(int)> step) : QObject(field), step_(std::move(step)) {
    field->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    step_(key == Qt::Key_Up ? +1 : -1);
    return true;
  }

 private:
  std::function<void(int)> step_;
};

// A panel's page: the panel scrolls when the window is too small for it,
// and asks for its whole size when there is room.
class PanelScroll : public QScrollArea {
 public:
  explicit PanelScroll(QWidget* panel) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidget(panel);
  }
  QSize sizeHint() const override {
    QSize hint = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    return hint + QSize(2 * frameWidth(), 2 * frameWidth());
  }
};

Rect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

WizardWindow::WizardWindow(WizardEnvironment environment, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::WizardWindow>()), env_(std::move(environment)) {
  NameComboBoxesByTheirLabels();
  ui_->setupUi(this);
  if (!env_.message) {
    env_.message = [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
      QMessageBox box(icon, title, text, QMessageBox::Ok, this);
      box.exec();
    };
  }
  if (!env_.ask) {
    env_.ask = [this](const QString& title, const QString& text, QMessageBox::StandardButtons buttons) {
      QMessageBox box(QMessageBox::Question, title, text, buttons, this);
      return static_cast<QMessageBox::StandardButton>(box.exec());
    };
  }
  auto add = [this](int index, QWidget* panel) {
    auto* page = new PanelScroll(panel);
    page->setObjectName(QString("PanelScroll_%1").arg(index));
    panels_[index] = page;
    ui_->PanelStack->addWidget(page);
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
  connect(ui_->Command1, &QPushButton::clicked, this, [this] { PressGo(); });
  // Return presses "Next" as a dialog's default button would.
  ui_->Command2_1->setDefault(true);
  // Tab goes through the panel, then the navigation, then the layout trees.
  QWidget* last = previousInFocusChain();
  for (QWidget* w : std::initializer_list<QWidget*>{ui_->PBMainHelp, ui_->Command2_0, ui_->Command2_1, ui_->Command1,
                                                    ui_->TreeView2_0, ui_->TreeView2_1}) {
    setTabOrder(last, w);
    last = w;
  }
  // A control that takes the focus inside a scrolled panel is scrolled into view.
  focus_follower_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    auto* page = static_cast<QScrollArea*>(ui_->PanelStack->currentWidget());
    if (now && page && page->isAncestorOf(now)) page->ensureWidgetVisible(now, 8, 8);
  });
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] { ContextHelp(); });
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
    new StepKeys(findChild<QLineEdit*>(field), [this, field = field](int delta) { StepCount(field, delta); });
  }
  for (int i = 0; i < kHelpButtonCount; ++i) {
    auto* button = findChild<QAbstractButton*>(QString("PBHelp_%1").arg(i));
    if (!button) continue;
    // Seen as "?", heard as what it explains.
    button->setAccessibleName(ToQ(HelpButtonName(i)));
    button->setToolTip(ToQ(HelpButtonName(i)));
    connect(button, &QAbstractButton::clicked, this, [this, i] {
      OpenHelpPage(HelpButtonUrl(i, sdk_release_, CurrentSettings().ProjectDrive(), env_.install_dir));
    });
  }
  connect(ui_->PBMainHelp, &QPushButton::clicked, this,
          [this] { OpenHelpPage(MainHelpUrl(PanelSequence()[position_], env_.install_dir)); });
  connect(findChild<QLabel*>("WebLink_0"), &QLabel::linkActivated, this,
          [this] { OpenHelpPage(HelpAboutUrl(env_.install_dir)); });
  search_timer_.setInterval(env_.search_pacing_ms);
  connect(&search_timer_, &QTimer::timeout, this, [this] { SearchRound(); });

  LoadHandler();
}

WizardWindow::~WizardWindow() {
  // The children go after the members: focus moves among them while they do.
  disconnect(focus_follower_);
}

void WizardWindow::Message(QMessageBox::Icon icon, const QString& title, const QString& text) {
  // Every box says whose it is and what kind of news it brings.
  env_.message(icon == QMessageBox::NoIcon ? QMessageBox::Information : icon, title.isEmpty() ? "Kelvad" : title, text);
}

QMessageBox::StandardButton WizardWindow::Ask(const QString& text, QMessageBox::StandardButtons buttons) {
  return env_.ask("Kelvad", text, buttons);
}

std::string WizardWindow::SaveUserCommands(const std::vector<Command>& rows) {
  return SaveCommandList(*env_.files, JoinPath(env_.data_dir, "cmdlist.dat"), rows);
}

std::string WizardWindow::StateText() const {
  return FormatProjectDescription(CurrentSettings(), commands_, StandardCommandCount());
}

void WizardWindow::StateKept() { kept_state_ = StateText(); }

bool WizardWindow::Changed() const { return StateText() != kept_state_; }

bool WizardWindow::BuildEnded(const BuildOutcome&) {
  if (!close_after_build_) return false;
  close();
  return true;
}

void WizardWindow::closeEvent(QCloseEvent* event) {
  // The user asked to close once the stopped build had ended, and it has.
  if (close_after_build_ && !Building()) {
    event->accept();
    return;
  }
  switch (ClosingActionFor(Building(), Changed())) {
    case ClosingAction::kClose:
      event->accept();
      return;
    case ClosingAction::kAskStopBuild:
      event->ignore();
      if (Ask("The build is still running. Stop it before the next file it would write, and close Kelvad?\n"
              "What was written stays on disk, and the report says where the build stopped.",
              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        close_after_build_ = true;
        finish_panel_->StopBuild();
      }
      return;
    case ClosingAction::kAskSave: {
      QMessageBox::StandardButton answer =
          Ask("You have changed the project's choices. Save them as a project description before closing?",
              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      bool close = answer == QMessageBox::Discard || (answer == QMessageBox::Save && finish_panel_->SaveDescriptionAs());
      close ? event->accept() : event->ignore();
      return;
    }
  }
}

void WizardWindow::keyPressEvent(QKeyEvent* event) {
  // Here only what the control in focus left unused.
  bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
  if (button && !qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button)) button = nullptr;
  ReturnFocus focus = !button ? ReturnFocus::kOther : button == ui_->Command1 ? ReturnFocus::kGo : ReturnFocus::kButton;
  switch (ReturnKeyAction(PanelSequence()[position_], focus)) {
    case ReturnAction::kPressFocused:
      button->click();
      break;
    case ReturnAction::kNext:
      if (ui_->Command2_1->isVisible() && ui_->Command2_1->isEnabled()) ui_->Command2_1->click();
      break;
    case ReturnAction::kNothing:
      break;
  }
  event->accept();
}

void WizardWindow::PressGo() {
  // The second click of a double click on "Next (12) >>" lands here.
  if (!finish_shown_.isValid() || !GoPressHonoured(finish_shown_.elapsed(), QApplication::doubleClickInterval())) {
    return;
  }
  finish_panel_->Go();
}

void WizardWindow::ContextHelp() {
  for (QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
    int button = HelpButtonFor(FromQ(w->objectName()));
    auto* help = button < 0 ? nullptr : findChild<QAbstractButton*>(QString("PBHelp_%1").arg(button));
    if (help) {
      help->click();
      return;
    }
  }
  ui_->PBMainHelp->click();
}

void WizardWindow::FocusFirstInput() {
  // Focus cues stay on, not only after a Tab: where the focus is must always show.
  setAttribute(Qt::WA_KeyboardFocusChange);
  if (PanelSequence()[position_] == kPanelWelcome && ui_->Command2_1->isEnabled()) {
    ui_->Command2_1->setFocus(Qt::TabFocusReason);
    return;
  }
  // The focus chain runs through the panels in their own order.
  QWidget* page = ui_->PanelStack->currentWidget();
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void WizardWindow::FitOnScreen() {
  // Room for a title bar and borders the window manager adds.
  const int frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
  QRect screen = this->screen()->availableGeometry().adjusted(0, 0, -8, -frame);
  QSize want = sizeHint().expandedTo(minimumSizeHint());
  Rect centred{screen.x() + (screen.width() - want.width()) / 2, screen.y() + (screen.height() - want.height()) / 2,
               want.width(), want.height()};
  Rect fitted = kelvad::FitOnScreen(centred, ToRect(screen));
  resize(fitted.width, fitted.height);
  move(fitted.x, fitted.y);
}

bool WizardWindow::Building() const { return finish_panel_->Building(); }

Settings WizardWindow::CurrentSettings() const { return ReadSettings(this); }

void WizardWindow::DisableNavigation() {
  if (ui_->Command1->hasFocus()) ui_->PBMainHelp->setFocus();
  ui_->Command1->setEnabled(false);
  ui_->Command2_0->setEnabled(false);
  ui_->Command2_1->setEnabled(false);
}

QString WizardWindow::ChooseFile(bool save, const QString& proposed) {
  if (env_.choose_file) return env_.choose_file(save, proposed);
  QFileDialog dialog(this, save ? "Save Description" : "Open Description", QDir::homePath(),
                     "Project descriptions (*.json);;All files (*)");
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save) {
    // So that the dialog's question about replacing a file names the file saved.
    dialog.setDefaultSuffix("json");
    dialog.selectFile(proposed);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
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
    // The browser's frame is taken to be the wizard's own.
    QSize frame = frameGeometry().size() - geometry().size();
    QSize want = QSize(720, 560).expandedTo(browser_->minimumSizeHint()) + frame;
    Rect placed = PlaceBrowser(ToRect(frameGeometry()), want.width(), want.height(), 480 + frame.width(),
                               ToRect(screen()->availableGeometry()));
    browser_->resize(placed.width - frame.width(), placed.height - frame.height());
    browser_->move(placed.x, placed.y);
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
  FocusFirstInput();
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
  FitOnScreen();
  show();
  repaint();

  CommandListLoad load = LoadCommandList(*env_.files, JoinPath(env_.data_dir, "cmdlist.dat"), commands_);
  for (size_t i = commands_.commands.size() - load.added; i < commands_.commands.size(); ++i) {
    AddCommandToPickers(commands_.commands[i].name);
  }
  if (!load.error.empty()) Message(QMessageBox::Warning, "Kelvad", ToQ(load.error));
  StateKept();

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
  // The drive the search chose is not the user's change.
  StateKept();
  if (PanelSequence()[position_] == kPanelWelcome) FocusFirstInput();
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
  if (PanelSequence()[position] == kPanelFinish) finish_shown_.start();
  QApplication::restoreOverrideCursor();
}

void WizardWindow::UpdateNavigation(int position) {
  NavigationState state = NavigationFor(position);
  ui_->Command2_0->setEnabled(state.previous_enabled);
  ui_->Command2_0->setText(ToQ(WithMnemonic(state.previous_caption, 'p')));
  ui_->Command2_1->setVisible(state.next_visible);
  ui_->Command2_1->setEnabled(state.next_enabled);
  if (state.next_visible) ui_->Command2_1->setText(ToQ(WithMnemonic(state.next_caption, 'n')));
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
  // Once the panel shows what it holds: a list takes its first row with the focus.
  FocusFirstInput();
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
