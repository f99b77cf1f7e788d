#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "model/build_context.h"
#include "support/test_build.h"

namespace kelvad::testing {

// A build whose project directory, include and GUI directories and tree
// nodes exist, as they do when the GUI step starts.
struct GuiBuild : TestBuild {
  GuiBuild() { Prepare(); }

  // Again after the project name changed.
  void Prepare() {
    if (!drives.Exists(settings.ProjectDirectory())) MakeProjectDirectories({"\\Include", "\\GUI"});
    if (!tree.Contains("INC")) tree.Add("", "INC", "include", 7, 6);
    if (!tree.Contains("GUI")) tree.Add("", "GUI", "gui", 7, 6);
  }

  std::string IncludeDir() const { return settings.ProjectDirectory() + "\\Include"; }
  std::string GuiDir() const { return settings.ProjectDirectory() + "\\GUI"; }

  // Runs one generator into the include or GUI directory, as the GUI step
  // calls it, and returns the bytes written.
  using Generator = void (*)(BuildContext&, const std::string&, const std::string&, const std::string&);
  std::string Header(Generator generate, const std::string& file) {
    generate(context, file, IncludeDir(), settings.name);
    return Bytes(IncludeDir() + "\\" + file);
  }
  std::string Source(Generator generate, const std::string& file) {
    generate(context, file, GuiDir(), settings.name);
    return Bytes(GuiDir() + "\\" + file);
  }

  // A toolbar of three buttons and menus that hold every standard command
  // the handler knows and one of the project's own, named after the project.
  void UseSampleCommands() {
    commands.toolbar = {{"EEikCmdFileNew", "New"}, {"EEikCmdFileOpen", "Open"}, {"EEikCmdFileSave", "Save"}};
    commands.menu_items.clear();
    for (const std::string& id : std::vector<std::string>{
             "EEikCmdFileNew", "EEikCmdFileOpen", "EEikCmdFileSave", "EEikCmdFileSaveAs", "EEikCmdFileRevert",
             "EEikCmdExit", "E" + settings.name + "CmdZoom", "EEikCmdHelpContents", "EEikCmdHelpAbout"}) {
      commands.menu_items.push_back({id, "", ""});
    }
  }

  // Every option of the document panel cleared.
  void ClearDocumentOptions() {
    Settings& s = settings;
    s.doc_store_restore = s.doc_command_line = s.doc_filename_changes = s.doc_new_file = false;
    s.messaging = s.help_about = s.help_on = false;
    s.doc_open_file = s.doc_save = s.doc_save_as = s.doc_revert = false;
  }
};

// The lines of a generated file, without their CR LF.
inline std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < bytes.size(); start = end + 2) {
    if ((end = bytes.find("\r\n", start)) == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

// The bytes with each line of `removed` taken out, searched from the previous
// removal on, so a variant that drops lines is checked against a checked
// file; a line not found makes the result name it.
inline std::string WithoutLines(const std::string& bytes, const std::vector<std::string>& removed) {
  std::vector<std::string> lines = SplitLines(bytes);
  auto from = lines.begin();
  for (const std::string& line : removed) {
    if ((from = std::find(from, lines.end(), line)) == lines.end()) return "line not found: " + line;
    from = lines.erase(from);
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

// The last "\tWrote N lines." line of the report.
inline std::string LastWroteLine(const Report& report) {
  for (auto it = report.Lines().rbegin(); it != report.Lines().rend(); ++it) {
    if (it->rfind("\tWrote ", 0) == 0) return *it;
  }
  return "";
}

}  // namespace kelvad::testing
