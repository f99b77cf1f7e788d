#include "driver/build_driver.h"

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "buildfiles/batch.h"
#include "buildfiles/makefile.h"
#include "driver/directories.h"
#include "driver/preflight.h"
#include "driver/subprojects.h"
#include "model/output_file.h"
#include "platform/dos_paths.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace kelvad {

const char* const kLaunchedMessage =
    "Kelvad has launched ebld.bat which will build the project \n"
    "and automatically launch the EPOC Emulator. You can close \n"
    "Kelvad now and ebld will continue to run.";

std::string GetVersionString() {
  return "Kelvad V" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

double ReadCount(const std::string& text, const std::string& field) {
  size_t begin = text.find_first_not_of(' ');
  size_t end = text.find_last_not_of(' ');
  std::string number = begin == std::string::npos ? "" : text.substr(begin, end - begin + 1);
  // Decimal digits with an optional sign and fraction; nothing else.
  size_t i = 0;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
  size_t digits = 0;
  while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i]))) ++i, ++digits;
  if (i < number.size() && number[i] == '.') {
    ++i;
    while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i]))) ++i, ++digits;
  }
  if (digits == 0 || i != number.size()) {
    throw Error("Type mismatch: " + field + " " + Shown(text) + " is not a number");
  }
  return std::strtod(number.c_str(), nullptr);
}

std::int16_t SubprojectCount(const Settings& s) {
  double count = 1;
  if (s.engine) count += 1;
  if (s.gui) count += 1;
  if (s.text_ui) count += ReadCount(s.text_ui_count, "the number of Text UI Templates");
  if (s.controls) count += ReadCount(s.controls_count, "the number of Controls");
  std::fesetround(FE_TONEAREST);
  double rounded = std::nearbyint(count);
  if (rounded < INT16_MIN || rounded > INT16_MAX) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", rounded);
    throw Error(std::string("Overflow: the sub-project count ") + text + " is " +
                (rounded < 0 ? "below -32768" : "above 32767"));
  }
  return static_cast<std::int16_t>(rounded);
}

bool ExecuteCommand(BuildContext& context, const std::string& command_line, const std::string& directory,
                    std::string* problem) {
  char drive = context.settings.ProjectDrive()[0];
  if (!directory.empty()) {
    context.drives.SetCurrentDrive(drive);
    context.drives.SetCurrentDirectory(directory);
  }
  StartOutcome outcome{false, "no way to start programs is available"};
  if (context.starter) {
    StartRequest request;
    request.command_line = command_line;
    request.dos_directory = directory;
    request.host_directory = context.drives.Resolve(directory.empty() ? "." : directory);
    request.drive = LowerAscii(drive);
    request.drive_root = context.drives.Resolve(std::string(1, drive) + ":\\");
    outcome = context.starter->Start(request);
  }
  if (outcome.started) {
    context.report.ReportLabelValue("Executing: ", RtfEscape(command_line));
    return true;
  }
  // Never claim a start that did not happen.
  context.report.ReportLabelValue("Not started: ", RtfEscape(command_line));
  context.report.ReportPlain("\t" + RtfEscape(outcome.explanation));
  if (problem) *problem = outcome.explanation;
  return false;
}

namespace {

void SaveReport(BuildContext& context, BuildOutcome& outcome) {
  if (context.report_path.empty()) return;
  try {
    ReplaceDataFile(context.drives.fs(), context.report_path, ToWindows1252(context.report.Document()));
    outcome.report_saved = true;
  } catch (const std::exception& e) {
    outcome.report_error = e.what();
  }
}

}  // namespace

BuildOutcome BuildProject(BuildContext& context) {
  BuildOutcome outcome;
  const Settings& s = context.settings;
  const std::string project_directory = s.ProjectDirectory();
  try {
    context.report.SetStatus("Processing ...");
    context.report.SetProgressValue(0);
    context.report.SetProgressMaximum(SubprojectCount(s));
    if (context.check_before_writing) CheckBeforeWriting(context);
    outcome.started = true;
    CreateProjectDirectories(context);
    context.report.SetProgressMaximum(256);
    if (s.engine) BuildEngineSubproject(context);
    if (s.gui) BuildGuiSubproject(context);
    context.report.SetProgressMaximum(100);
    if (s.help) BuildHelpFiles(context);
    if (s.sis) BuildDistribution(context);
    WriteWorkspace(context, project_directory, s.name);
    WriteMasterBuildScript(context, project_directory, s.name);
    std::string problem;
    if (context.launch) {
      outcome.launched = ExecuteCommand(context, project_directory + "\\ebld.bat > ebld.log", project_directory,
                                        &problem);
    }
    context.report.ReportStage(100, "Finished");
    if (outcome.launched) {
      outcome.closing_message = kLaunchedMessage;
    } else if (context.launch) {
      outcome.closing_message = "Kelvad has written the project but could not launch ebld.bat: " + problem +
                                ".\nRun ebld.bat in " + project_directory +
                                " to build the project and launch the EPOC Emulator.";
    } else {
      outcome.closing_message = "Kelvad has written the project and has not launched ebld.bat.\nRun ebld.bat in " +
                                project_directory + " to build the project and launch the EPOC Emulator.";
    }
    outcome.completed = true;
  } catch (const Interrupted& e) {
    // Stopping is the user's choice, not a failure: the report keeps the
    // record of what was written and says where it stopped.
    outcome.interrupted = e.signal_number();
    outcome.error = e.what();
    context.report.SetStatus("Stopped");
    context.report.ReportBold(RtfEscape(outcome.error));
    SaveReport(context, outcome);
    return outcome;
  } catch (const std::exception& e) {
    outcome.error = e.what();
    return outcome;
  }
  SaveReport(context, outcome);
  return outcome;
}

}  // namespace kelvad
