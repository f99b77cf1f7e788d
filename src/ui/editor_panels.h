#pragma once

#include <QString>
#include <string>

#include "resources/command_panels.h"
#include "resources/menu_tree.h"
#include "ui/editor_controls.h"
#include "ui/editor_host.h"
#include "ui/form_panel.h"
#include "ui_commands_panel.h"
#include "ui_hotkeys_panel.h"
#include "ui_menus_panel.h"
#include "ui_toolbar_panel.h"
#include "wizard/editors.h"

namespace kelvad {


// "Application GUI Commands": the user's own commands.
class CommandsPanel : public FormPanel<Ui::CommandsPanel> {
 public:
  explicit CommandsPanel(EditorHost& host);
  // Shown: the defined-commands view refilled from the command list.
  void Enter();

 private:
  void NameChanged();
  void AddCommand();
  void RowClicked(QTreeWidgetItem* item);
  void DeleteCommand();
  void SaveCommands();

  EditorHost& host_;
  HotkeyEditor hotkey_;
  DefinedCommandsView view_;
  bool row_remembered_ = false;
  std::string remembered_;
};

// "Application GUI Menus": the menu tree and its editors.
class MenusPanel : public FormPanel<Ui::MenusPanel> {
 public:
  explicit MenusPanel(EditorHost& host);
  // Shows the model's menu tree afresh.
  void Rebuild();

 private:
  void NodeClicked(QTreeWidgetItem* item);
  void AddMenu(Placement placement);
  void AddItem(Placement placement);
  void DeleteNode();
  void ShowPickedCommand();
  void ApplyButtons();
  void Highlight(const std::string& key);

  EditorHost& host_;
  HotkeyEditor hotkey_;
  MenuPanelButtons buttons_;
  std::string selected_;  // the node last clicked, on which the buttons act
};

// "Application GUI HotKeys": hotkeys of the menus and extra ones.
class HotkeysPanel : public FormPanel<Ui::HotkeysPanel> {
 public:
  explicit HotkeysPanel(EditorHost& host);
  // Shown: the menu items collected, the defined-hotkeys view refilled.
  void Enter();

 private:
  void ShowPickedCommand();
  void UpdateAvailability();
  void AddHotkey();
  void DeleteHotkey();
  void Refill();

  EditorHost& host_;
  HotkeyEditor hotkey_;
  DefinedHotkeysView view_;
  bool row_remembered_ = false;
  std::string remembered_;
};

// "Application GUI Toolbar Setup": the side toolbar's buttons.
class ToolbarPanel : public FormPanel<Ui::ToolbarPanel> {
 public:
  explicit ToolbarPanel(EditorHost& host);
  // Shows the model's button rows afresh.
  void Rebuild(int select = -1);

 private:
  void ShowPickedCommand();
  void AddButton();
  void Move(int delta);
  void TakeDisplayedOrder();
  void DrawPicture();

  EditorHost& host_;
  bool picture_framed_ = true;
};

}  // namespace kelvad
