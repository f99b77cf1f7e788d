#include "driver/subprojects.h"

#include "buildfiles/makefile.h"
#include "buildfiles/mmp.h"
#include "buildfiles/package.h"
#include "help/help_document.h"
#include "help/help_project.h"
#include "platform/dos_paths.h"
#include "resources/command_header.h"
#include "resources/resource_script.h"
#include "sources/app.h"
#include "sources/app_ui.h"
#include "sources/app_view.h"
#include "sources/doc.h"
#include "sources/engine.h"
#include "sources/msg_requester.h"

namespace kelvad {

namespace {

std::string Root(const BuildContext& context) { return context.settings.ProjectDirectory(); }

void StartStage(BuildContext& context, const std::string& status) {
  context.report.SetStatus(status);
  context.report.SetProgressValue(0);
}

}  // namespace

void BuildEngineSubproject(BuildContext& context) {
  const Settings& s = context.settings;
  const std::string root = Root(context);
  StartStage(context, "Building Engine (MMP File) ...");
  MmpArguments mmp;
  mmp.path = root + "\\Engine\\engine.mmp";
  mmp.target_type = "dll";
  mmp.project = s.name;
  mmp.subproject = "engine";
  mmp.uid = "0x1000008d " + s.engine_uid;
  mmp.system_include = "\\epoc32\\include";
  mmp.libraries = "euser.lib estor.lib";
  mmp.user_include = "..\\Include";
  mmp.target = s.name + "_Engine.DLL";
  mmp.unicode_uid = "0x1000008d " + s.engine_unicode_uid;
  WriteMmpFile(context, mmp);
  GenerateEngineHeader(context, "engine.h", root + "\\Include");
  GenerateEngineSource(context, "engine.cpp", root + "\\Engine");
  WriteMakefile(context, s.name, "engine", s.name + "_engine.dll", root + "\\Engine", "ENG");
}

void BuildGuiSubproject(BuildContext& context) {
  const Settings& s = context.settings;
  const std::string root = Root(context);
  const std::string gui = root + "\\GUI";
  const std::string include = root + "\\Include";
  StartStage(context, "Building GUI (MMP File) ...");
  MmpArguments mmp;
  mmp.path = gui + "\\gui.mmp";
  mmp.target_type = "app";
  mmp.project = s.name;
  mmp.subproject = "gui";
  mmp.uid = "0x1000006c " + s.gui_uid;
  mmp.system_include = "\\epoc32\\include";
  mmp.libraries = s.name +
                  "_Engine.lib euser.lib efsrv.lib estor.lib gdi.lib apparc.lib print.lib ws32.lib cone.lib "
                  "eikon.lib apgrfx.lib";
  mmp.user_include = "..\\include";
  mmp.target_path = "\\system\\apps\\" + s.name;
  mmp.resource = s.name + ".rss";
  mmp.sources = "Main.cpp App.cpp Doc.cpp AppUI.cpp AppView.cpp";
  mmp.unicode_uid = "0x1000006c " + s.gui_unicode_uid;
  WriteMmpFile(context, mmp);
  context.report.FillProgress();
  context.report.SetStatus("Building GUI ...");
  context.report.FillProgress();
  StartStage(context, "Building GUI (C++ Files) ...");

  GenerateMainSource(context, "Main.cpp", gui, s.name);
  GenerateAppHeader(context, "App.h", include, s.name);
  GenerateAppSource(context, "App.cpp", gui, s.name);
  GenerateDocHeader(context, "Doc.h", include, s.name);
  GenerateDocSource(context, "Doc.cpp", gui, s.name);
  GenerateAppUiHeader(context, "AppUI.h", include, s.name);
  GenerateAppUiSource(context, "AppUI.cpp", gui, s.name);
  GenerateAppViewHeader(context, "AppView.h", include, s.name);
  GenerateAppViewSource(context, "AppView.cpp", gui, s.name);

  GenerateResourceScript(context, s.name, gui, s.name);
  // The resource script completes the used-command list that the header enumerates.
  GenerateCommandHeader(context, s.name + ".hrh", include, s.name);
  if (s.messaging) {
    GenerateMsgIReqHeader(context, "MsgI.h", include, s.name);
    GenerateMsgIReqSource(context, "MsgI.cpp", gui, s.name);
  }
  EnterSubprojectDirectory(context, s.name, "gui");
  GenerateResourceBuildScript(context, s.name, gui);
  WriteMakefile(context, s.name, "gui", s.name + ".app", gui, "GUI");
  context.report.FillProgress();
}

void BuildHelpFiles(BuildContext& context) {
  const Settings& s = context.settings;
  const std::string help = Root(context) + "\\help";
  context.report.ReportStage(10, "Building HelpFiles ...");
  if (!s.help) return;
  context.report.ReportPlain("Generating " + s.name + ".alp");
  GenerateHelpProject(context, s.name, s.name + ".alp", help);
  context.report.ReportPlain("Generating " + s.name + ".ord");
  GenerateHelpOrderFile(context, s.name, s.name + ".ord", help + "\\documents");
  GenerateHelpDocument(context, help + "\\documents\\" + s.name + ".rtf");
  context.report.ReportPlain("Generating " + s.name + ".alc");
  GenerateHelpStyles(context, s.name, s.name + ".alc", help);
  if (!s.help_gen_bat) return;
  GenerateHelpGenBat(context, help, s.name);
  if (!s.help_copy_bat) return;
  GenerateHelpCopyBat(context, help, s.name);
}

void BuildDistribution(BuildContext& context) {
  const Settings& s = context.settings;
  const std::string distrib = Root(context) + "\\distrib";
  StartStage(context, "Building Distribution Files ...");
  if (!s.sis) return;
  WritePackageScript(context, distrib, s.name);
  WritePackageBatch(context, distrib, s.name);
}

void EnterSubprojectDirectory(BuildContext& context, const std::string& name, const std::string& folder) {
  context.drives.SetCurrentDrive(context.settings.ProjectDrive()[0]);
  context.drives.SetCurrentDirectory("\\" + name + "\\" + folder);
}

}  // namespace kelvad
