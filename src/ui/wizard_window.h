#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "model/layout.h"
#include "model/sdk_search.h"
#include "model/settings.h"
#include "resources/command_model.h"

namespace Ui {
class WizardWindow;
}

namespace kelvad {

class DosDrives;
class FileSystem;
class ProcessStarter;
class Registry;
class TreeMirror;
class CommandsPanel;
class MenusPanel;
class HotkeysPanel;
class ToolbarPanel;
class FinishPanel;
class HelpBrowser;

// What the wizard works with besides its own controls.
struct WizardEnvironment {
  FileSystem* files = nullptr;  // the shipped files and the user's files
  DosDrives* drives = nullptr;
  const Registry* registry = nullptr;
  ProcessStarter* starter = nullptr;
  bool launch = true;
  std::string install_dir;  // host directory of support/, icons/ and Help/
  std::string data_dir;     // host directory of cmdlist.dat and kelvad.rtf
  int search_pacing_ms = 100;
  int line_pause_ms = 50;  // after each line of the progress report during a build
  // Shows a message box with an OK button and returns when it is closed.
  std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)> message;
  // Asks for a project description file to save to or open; empty: none.
  std::function<QString(bool save)> choose_file;
};

// The wizard window: twelve panels walked with "<< Previous" and
// "Next >>", the layout preview beside them, and the start-up that loads the
// shipped files and searches the drives for the SDK.
class WizardWindow : public QWidget {
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
  int SdkRelease() const { return sdk_release_; }
  bool SearchDone() const { return search_done_; }
  CommandModel& Commands() { return commands_; }
  LayoutPreview& Preview() { return preview_; }
  const std::string& HelpTemplate() const { return help_template_; }
  const WizardEnvironment& Environment() const { return env_; }

  // Shows a message box through the environment.
  void Message(QMessageBox::Icon icon, const QString& title, const QString& text);
  // Appends a command name to the three command pickers.
  void AddCommandToPickers(const std::string& name);
  // The settings record as the controls show it now.
  Settings CurrentSettings() const;
  // "Go!" pressed: the navigation is disabled for the rest of the run.
  void DisableNavigation();
  // The file of a project description, asked through the environment.
  QString ChooseFile(bool save);
  // Takes a whole new state, as opening a project description does: the
  // help template is searched for on its drive as entering Extras does.
  void ApplyState(Settings settings, CommandModel commands);
  // Opens a project description once the SDK search has ended.
  void OpenDescriptionAfterSearch(const QString& path);
  FinishPanel& Finish() { return *finish_panel_; }
  // Whether the build behind "Go!" is running.
  bool Building() const;
  // Shows a page in the documentation browser, opening a fresh one when
  // there is none.
  void OpenHelpPage(const std::string& url);
  HelpBrowser* Browser() const;

 signals:
  void searchFinished();
  void panelShown(int panel_index);

 private:
  void LoadHandler();
  // Takes the command data and shows it: the pickers, the menu tree and the toolbar list.
  void ShowCommands(CommandModel commands);
  void FillDriveList();
  void ShowPanel(int position);
  void UpdateNavigation(int position);
  void Step(int delta);
  void EnterPanel(int panel_index);
  void SetSearchState(bool finished);
  void SearchRound();
  void FinishSearch();
  bool ValidateProjectName();
  void ProjectNameChanged();
  void DriveChanged();
  void UidChanged(QLineEdit* field);
  void StepCount(const char* count_field, int delta);
  void LoadShippedFiles();
  bool IsChecked(const char* name) const;

  std::unique_ptr<Ui::WizardWindow> ui_;
  WizardEnvironment env_;
  std::map<int, QWidget*> panels_;  // by MainFrame index
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
};

}  // namespace kelvad
