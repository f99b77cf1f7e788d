#include "resources/resource_script.h"

#include <vector>

#include "model/output_file.h"
#include "platform/errors.h"
#include "resources/ansi_case.h"
#include "resources/command_list.h"
#include "resources/command_model.h"
#include "resources/command_panels.h"
#include "resources/hotkeys.h"

namespace kelvad {

namespace {

const std::string kQuote = "\"";

std::string Quoted(const std::string& text) { return kQuote + text + kQuote; }

// The entries of a resource list: every entry but the last ends with ",",
// and a list without entries leaves one empty line between its braces.
void WriteList(OutputFile& file, const std::vector<std::string>& entries) {
  if (entries.empty()) {
    file.Direct("");
    return;
  }
  for (size_t i = 0; i < entries.size(); ++i) file.Direct(entries[i] + (i + 1 < entries.size() ? "," : ""));
}

void WriteSectionBanner(OutputFile& file, const std::string& title) {
  file.BlankLine();
  file.StarRule();
  file.BoxedComment("");
  file.BoxedComment(title);
  file.BoxedComment("");
  file.StarRule();
  file.BlankLine();
}

class ResourceScriptWriter {
 public:
  ResourceScriptWriter(BuildContext& context, OutputFile& file, const std::string& name)
      : context_(context),
        model_(*context.commands),
        file_(file),
        name_(name),
        lower_(LowerAnsi(name)),
        upper_(UpperAnsi(name)) {}

  bool HasHotkeys() const {
    return !model_.control_hotkeys.empty() || !model_.shift_control_hotkeys.empty() ||
           !model_.plain_hotkeys.empty();
  }

  void WriteResourceHeader() {
    file_.BlankLine();
    file_.StarRule();
    file_.BoxedComment(name_ + ".rsc");
    file_.BoxedComment("");
    file_.BoxedComment("This file is compiled with EIKRS to become " + name_ + ".rsc");
    file_.BoxedComment("which must be accessible to the application at run-time and");
    file_.BoxedComment(name_ + ".rsg which contains symbolic definitions for all");
    file_.BoxedComment("named resources defined in the source file.");
    file_.BoxedComment("");
    file_.StarRule();
    file_.BlankLine();
    file_.Direct("NAME VELM");
    file_.Direct("");
    for (const char* header : {"eikdef.rh", "eiktbar.rh", "eikmenu.rh", "eikbutb.hrh", "eikctrls.hrh", "eikspace.rh",
                               "eikclock.rh", "eikdialg.rh", "eiklabel.rh", "eikon.rsg"}) {
      file_.Direct(std::string("#include <") + header + ">");
    }
    file_.Direct("");
    file_.Direct("#include " + Quoted("..\\Include\\" + name_ + ".hrh"));
    file_.Direct("");
    file_.Direct("RESOURCE RSS_SIGNATURE { }");
    if (context_.settings.file_based) {
      file_.Direct("RESOURCE TBUF { buf=" + Quoted(context_.settings.app_name) + "; }");
    } else {
      file_.Direct("RESOURCE TBUF { }");
    }
  }

  void WriteAppInfo() {
    file_.Direct("");
    file_.Direct("RESOURCE EIK_APP_INFO");
    file_.Direct("{");
    if (context_.settings.menu) file_.Direct("  menubar=r_" + lower_ + "_menubar;");
    if (HasHotkeys()) file_.Direct("  hotkeys=r_" + lower_ + "_hotkeys;");
    if (context_.settings.toolbar) file_.Direct("  toolbar=r_" + lower_ + "_toolbar;");
    file_.Direct("}");
  }

  void WriteToolbarResource() {
    WriteSectionBanner(file_, "TOOLBAR Definitions");
    Lines({"RESOURCE TOOLBAR r_" + lower_ + "_toolbar", "{", "    flags=EEikToolBarDistributeControlsEvenlyBetweenLines;",
           "    controls=", "    {"});
    Lines({"        TBAR_CTRL", "        {", "            id=E" + name_ + "CmdFileName;",
           "            type=EEikCtFileNameLabel;", "            flags=EEikToolBarCtrlHasSetMinLength;",
           "            length=KEikStdFileNameLabelHeight;", "        },"});
    AddUsedCommand(model_, "E" + name_ + "CmdFileName");
    for (const ToolbarButton& button : model_.toolbar) {
      Lines({"        TBAR_BUTTON", "        {", "            flags=EEikToolBarCtrlIsStretchable;",
             "            id=" + button.command + ";", "            txt=" + Quoted(button.text) + ";", "        },"});
      AddUsedCommand(model_, button.command);
    }
    Lines({"        TBAR_CTRL", "        {", "            type=EEikCtSpacer;",
           "            flags=EEikToolBarCtrlHasSetMinLength|EEikToolBarCtrlIsStretchable;", "            length=0;",
           "            control=SPACER;", "        },", "        TBAR_CTRL", "        {", "            type=EEikCtClock;",
           "            control=CLOCK { digitalresourceid=R_EIK_DIGITAL_CLOCK; analogresourceid=R_EIK_ANALOG_CLOCK; };",
           "        },", "        TBAR_CTRL", "        {", "            type=EEikCtSpacer;",
           "            flags=EEikToolBarCtrlHasSetMinLength;", "            length=KEikStdGapBelowClock;",
           "            control=SPACER;", "        }"});
    Lines({"    };", "}", ""});
  }

  void WriteHotkeysResource() {
    Lines({"RESOURCE HOTKEYS r_" + lower_ + "_hotkeys", "{"});
    HotkeyBlock("control", model_.control_hotkeys, HotkeyTable::kControl, true);
    HotkeyBlock("shift_control", model_.shift_control_hotkeys, HotkeyTable::kShiftControl, true);
    HotkeyBlock("plain", model_.plain_hotkeys, HotkeyTable::kPlain, false);
    file_.Direct("}");
  }

  void WriteMenuBar() {
    WriteSectionBanner(file_, "MENU Definitions");
    Lines({"RESOURCE MENU_BAR r_" + lower_ + "_menubar", "{", "    titles=", "    {"});
    std::vector<std::string> titles;
    for (const MenuNode& root : model_.menus) {
      titles.push_back("        MENU_TITLE { menu_pane=" + PaneName(root) + "; txt=" + Quoted(root.text) + "; }");
    }
    WriteList(file_, titles);
    Lines({"    };", "}", "", ""});
    for (const MenuNode& root : model_.menus) WriteMenuPane(root);
  }

  // Every cascade's pane comes before the pane that refers to it.
  void WriteMenuPane(const MenuNode& menu) {
    for (const MenuNode& child : menu.children) {
      if (child.IsMenu()) WriteMenuPane(child);
    }
    Lines({"RESOURCE MENU_PANE " + PaneName(menu), "{", "    items=", "    {"});
    std::vector<std::string> items;
    for (const MenuNode& child : menu.children) {
      if (child.IsItem()) {
        items.push_back("        MENU_ITEM { command=" + child.CommandName() + "; txt=" + Quoted(child.text) + "; }");
      } else {
        items.push_back("        MENU_ITEM { cascade=" + PaneName(child) + "; txt=" + Quoted(child.text) + "; }");
      }
    }
    WriteList(file_, items);
    Lines({"    };", "}", ""});
  }

  void WriteTextBuffers() {
    WriteSectionBanner(file_, "TBUF Definitions");
    for (const ToolbarButton& button : model_.toolbar) {
      file_.Direct("RESOURCE TBUF R_" + UpperAnsi(button.command) + "_TXT { buf=" + Quoted("'" + button.command + "' executed") +
                   "; }");
    }
    for (const MenuItemRecord& item : model_.menu_items) {
      if (HasToolbarButton(model_, item.command)) continue;
      file_.Direct("RESOURCE TBUF R_" + item.command + "_TXT { buf=" + Quoted("'" + item.command + "' executed") + "; }");
    }
    file_.Direct("");
    file_.Direct("RESOURCE TBUF R_" + upper_ + "_DOCUMENT_UNCHANGED { buf=" + Quoted("File has not changed") + "; }");
    file_.Direct("RESOURCE TBUF R_" + upper_ + "_REVERT_TITLE { buf=" + Quoted("Revert to saved?") + "; }");
    file_.Direct("RESOURCE TBUF R_" + upper_ + "_REVERT_TEXT { buf=" + Quoted("All changes will be lost") + "; }");
  }

  void WriteAboutDialog() {
    WriteSectionBanner(file_, "Dialog Box Definitions");
    Lines({"RESOURCE DIALOG r_" + name_ + "_about", "{", "    title=" + Quoted("About " + name_) + ";",
           "    buttons=R_EIK_BUTTONS_CONTINUE;", "    items=", "    {"});
    Lines({"        DLG_LINE", "        {", "            type=EEikCtLabel;",
           "            control=LABEL{txt=" + Quoted(name_ + " Version 1.0") + "; };", "        },"});
    Lines({"        DLG_LINE", "        {", "            type=EEikCtLabel;",
           "            control=LABEL{txt=" + Quoted("Generated with Kelvad") + "; };", "        }"});
    Lines({"    };", "}", ""});
  }

 private:
  void Lines(std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) file_.Direct(line);
  }

  std::string PaneName(const MenuNode& menu) const { return "r_" + lower_ + "_" + LowerAnsi(menu.text) + "_menu"; }

  void HotkeyBlock(const char* label, const std::vector<MenuItemRecord>& table, HotkeyTable kind, bool blank_after) {
    if (table.empty()) return;
    Lines({std::string("    ") + label + "=", "    {"});
    std::vector<std::string> entries;
    for (const MenuItemRecord& record : table) {
      entries.push_back("        HOTKEY { command=" + record.command + "; key='" + HotkeyKey(record.hotkey, kind) + "'; }");
    }
    WriteList(file_, entries);
    file_.Direct("    };");
    if (blank_after) file_.Direct("");
  }

  BuildContext& context_;
  CommandModel& model_;
  OutputFile& file_;
  const std::string& name_;
  const std::string lower_;
  const std::string upper_;
};

}  // namespace

void GenerateResourceScript(BuildContext& context, const std::string& base_name, const std::string& directory,
                            const std::string& name) {
  if (!context.commands) throw Error("the resource script needs the command list");
  OutputFile file(context, directory + "\\" + base_name + ".rss");
  ResourceScriptWriter writer(context, file, name);
  file.FileHeader(base_name);
  writer.WriteResourceHeader();
  writer.WriteAppInfo();
  if (context.settings.toolbar) writer.WriteToolbarResource();
  WriteSectionBanner(file, "HOTKEY Definitions");
  if (writer.HasHotkeys()) writer.WriteHotkeysResource();
  if (context.settings.menu) writer.WriteMenuBar();
  writer.WriteTextBuffers();
  writer.WriteAboutDialog();
  file.FileEnd(name);
  file.Close();
}

}  // namespace kelvad
