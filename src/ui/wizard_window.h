#pragma once

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/layout.h"
#include "model/sdk_search.h"
#include "model/settings.h"
#include "resources/command_model.h"
#include "ui/editor_host.h"
#include "ui/finish_host.h"
#include "ui/wizard_environment.h"

namespace Ui {
class WizardWindow;
}

namespace kelvad {

class TreeMirror;
class HelpBrowser;
class CommandsPanel;
class MenusPanel;
class HotkeysPanel;
class ToolbarPanel;
class FinishPanel;

// The wizard window: twelve panels walked with "<< Previous" and
// "Next >>", the layout preview beside them, and the start-up that loads the
// shipped files and searches the drives for the SDK. Each panel scrolls
// when the screen is too small for it; Return presses "Next" as a dialog's
// default button would, F1 opens the help of the control in focus.
class WizardWindow : public QWidget, public EditorHost, public FinishHost {
  Q_OBJECT

 public:
  // Runs the window's load handler: panels, language list, the standard
  // commands and default menus, the name check, the first panel.
  explicit WizardWindow(WizardEnvironment environment, QWidget* parent = nullptr);
  ~WizardWindow() override;

  // The start procedure up to the SDK search, which then runs on a timer.
  // False when a shipped file could not be loaded: the internal-error
  // message has been shown and the program should end.
  bool Start();

  int Position() const { return position_; }
  bool SearchDone() const { return search_done_; }
  LayoutPreview& Preview() { return preview_; }
  FinishPanel& Finish() { return *finish_panel_; }
  // Whether the build behind "Go!" is running.
  bool Building() const;
  // Whether the choices differ from those last kept (at start-up, or by
  // saving, opening or building).
  bool Changed() const;
  // Opens a project description once the SDK search has ended.
  void OpenDescriptionAfterSearch(const QString& path);
  // Shows a page in the documentation browser, opening a fresh one when
  // there is none: beside the wizard when the screen has room, else over it.
  void OpenHelpPage(const std::string& url);
  HelpBrowser* Browser() const;

  // What the panels use of the window.
  CommandModel& Commands() override { return commands_; }
  void AddCommandToPickers(const std::string& name) override;
  void Message(QMessageBox::Icon icon, const QString& title, const QString& text) override;
  std::string SaveUserCommands(const std::vector<Command>& rows) override;
  const WizardEnvironment& Environment() const override { return env_; }
  QString ChooseFile(bool save, const QString& proposed) override;
  Settings CurrentSettings() const override;
  int SdkRelease() const override { return sdk_release_; }
  const std::string& HelpTemplate() const override { return help_template_; }
  void DisableNavigation() override;
  // Takes a whole new state, as opening a project description does: the
  // help template is searched for on its drive as entering Extras does.
  void ApplyState(Settings settings, CommandModel commands) override;
  void StateKept() override;
  bool BuildEnded(const BuildOutcome& outcome) override;

 signals:
  void searchFinished();
  void panelShown(int panel_index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadHandler();
  // Takes the command data and shows it: the pickers, the menu tree and the toolbar list.
  void ShowCommands(CommandModel commands);
  void FillDriveList();
  void ShowPanel(int position);
  void UpdateNavigation(int position);
  void Step(int delta);
  void EnterPanel(int panel_index);
  void FocusFirstInput();
  void PressGo();
  void ContextHelp();
  void SetSearchState(bool finished);
  void SearchRound();
  void FinishSearch();
  bool ValidateProjectName();
  void ProjectNameChanged();
  void DriveChanged();
  void UidChanged(QLineEdit* field);
  void StepCount(const char* count_field, int delta);
  void LoadShippedFiles();
  void FitOnScreen();
  bool IsChecked(const char* name) const;
  std::string StateText() const;
  QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons);

  std::unique_ptr<Ui::WizardWindow> ui_;
  WizardEnvironment env_;
  std::map<int, QWidget*> panels_;  // by MainFrame index: the scrolling page of each
  CommandsPanel* commands_panel_ = nullptr;
  MenusPanel* menus_panel_ = nullptr;
  HotkeysPanel* hotkeys_panel_ = nullptr;
  ToolbarPanel* toolbar_panel_ = nullptr;
  FinishPanel* finish_panel_ = nullptr;
  QPointer<HelpBrowser> browser_;
  int position_ = 0;
  int sdk_release_ = 0;
  bool search_done_ = false;
  std::string help_template_;
  CommandModel commands_;
  LayoutPreview preview_;
  std::unique_ptr<TreeMirror> pc_mirror_;
  std::unique_ptr<TreeMirror> device_mirror_;
  std::unique_ptr<SdkSearchView> search_view_;
  std::unique_ptr<SdkScan> scan_;
  QTimer search_timer_;
  QElapsedTimer finish_shown_;  // since the Finish panel last appeared
  std::string kept_state_;      // the choices as last kept, as a description
  QMetaObject::Connection focus_follower_;
  bool close_after_build_ = false;
};

}  // namespace kelvad
