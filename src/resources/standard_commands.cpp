#include "resources/standard_commands.h"

#include <iterator>

#include "resources/command_list.h"
#include "resources/menu_tree.h"

namespace kelvad {

namespace {

const Command kStandard[] = {
      {"EEikCmdCanceled", "", ""},
      {"EEikCmdExit", "Close", "^e"},
      {"EEikCmdFileNew", "Create new file...", "^n"},
      {"EEikCmdFileOpen", "Open file...", "^o"},
      {"EEikCmdFileOpenAnother", "", ""},
      {"EEikCmdFileSaveAs", "Save as...", "^S"},
      {"EEikCmdFileSave", "Save", "^s"},
      {"EEikCmdFileImport", "Import...", ""},
      {"EEikCmdFileExport", "Export...", ""},
      {"EEikCmdFileRevert", "Revert to saved", "^r"},
      {"EEikCmdFileMerge", "Merge...", ""},
      {"EEikCmdHelpContents", "Help on", "^H"},
      {"EEikCmdHelpSearch", "Search", ""},
      {"EEikCmdHelpAbout", "About...", "^A"},
      {"EEikCmdEditCut", "Cut", "^x"},
      {"EEikCmdEditCopy", "Copy", "^c"},
      {"EEikCmdEditPaste", "Paste", "^v"},
      {"EEikCmdEditUndo", "Undo", "^z"},
      {"EEikCmdEditRedo", "Redo", ""},
      {"EEikCmdEditSelectAll", "Select all", "^a"},
      {"EEikCmdEditPicture", "", ""},
      {"EEikCmdEditPictureFormat", "", ""},
      {"EEikCmdEditUpdateCurrentField", "", ""},
      {"EEikCmdEditUpdateAllFields", "", ""},
      {"EEikCmdIrdaSend", "Send", ""},
      {"EEikCmdIrdaReceive", "Receive", ""},
      {"EEikCmdZoomNormal", "", ""},
      {"EEikCmdZoomIn", "Zoom in", "^m"},
      {"EEikCmdZoomOut", "Zoom out", "^M"},
      {"EVelCmdZoomSet", "Set zoom...", "^E"},
      {"EVelCmdViewToolbar", "Show toolbar", "^t"},
      {"EVelCmdViewTopToolbar", "Show top toolbar", "^T"},
      {"EEikCmdSearchFind", "Find...", "^f"},
      {"EEikCmdSearchFindAgain", "Find next", "^j"},
      {"EEikCmdSearchReplace", "Replace...", "^h"},
      {"EVelCmdSearchGoTo", "Go to...", "^g"},
      {"EVelCmdPageSetup", "Page setup...", "^U"},
      {"EEikCmdPrintSetup", "Print setup...", "^P"},
      {"EEikCmdPrintPreview", "Print preview...", "^V"},
      {"EEikCmdPrintPrint", "Print...", "^p"},
      {"EEikCmdPrintPaginate", "", ""},
};

}  // namespace

std::size_t StandardCommandCount() { return std::size(kStandard); }

void LoadStandardCommands(CommandModel& model) {
  ResetCommandList(model);
  for (const Command& command : kStandard) AddCommand(model, command.name, command.menu_text, command.hotkey);
}

void BuildDefaultMenus(CommandModel& model) {
  model.menus.clear();
  AddMenu(model, "File", "");
  AddMenuItem(model, "File", "EEikCmdFileNew");
  AddMenu(model, "More", "File");
  for (const char* name : {"EEikCmdFileImport", "EEikCmdFileExport", "EEikCmdFileRevert", "EEikCmdFileMerge"}) {
    AddMenuItem(model, "More", name);
  }
  AddMenuItem(model, "File", "EEikCmdExit");
  AddMenu(model, "Edit", "");
  for (const char* name : {"EEikCmdEditCut", "EEikCmdEditCopy", "EEikCmdEditPaste", "EEikCmdEditSelectAll"}) {
    AddMenuItem(model, "Edit", name);
  }
  AddMenu(model, "View", "");
  for (const char* name : {"EEikCmdZoomIn", "EEikCmdZoomOut", "EVelCmdViewToolbar"}) AddMenuItem(model, "View", name);
  AddMenu(model, "Tools", "");
  AddMenu(model, "Infrared", "Tools");
  AddMenuItem(model, "Infrared", "EEikCmdIrdaSend");
  AddMenuItem(model, "Infrared", "EEikCmdIrdaReceive");
  for (const char* name : {"EEikCmdHelpContents", "EEikCmdHelpSearch", "EEikCmdHelpAbout"}) {
    AddMenuItem(model, "Tools", name);
  }
}

}  // namespace kelvad
