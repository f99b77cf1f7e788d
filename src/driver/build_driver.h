#pragma once

#include <cstdint>
#include <string>

#include "model/build_context.h"

namespace kelvad {

inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 9;
inline constexpr int kVersionRevision = 2;

// "Kelvad V0.9.2".
std::string GetVersionString();

// The text shown when ebld.bat has been started.
extern const char* const kLaunchedMessage;

struct BuildOutcome {
  bool completed = false;
  // Whether it got past the checks made before anything is written; a build
  // refused there wrote nothing.
  bool started = false;
  std::string error;            // why the build was abandoned or refused
  int interrupted = 0;          // the signal that stopped it between two files
  bool launched = false;
  std::string closing_message;  // shown when completed
  bool report_saved = false;
  std::string report_error;     // why kelvad.rtf could not be saved
};

// Reads a typed sub-project count as a decimal number; fails with
// kelvad::Error naming the field when it is not one.
double ReadCount(const std::string& text, const std::string& field);

// The first progress maximum: 1, plus one for each template, plus the typed
// counts, rounded half to even.
std::int16_t SubprojectCount(const Settings& settings);

// Starts the command line in the directory and reports it. Returns whether
// it was started.
bool ExecuteCommand(BuildContext& context, const std::string& command_line, const std::string& directory,
                    std::string* problem);

// The whole build behind "Go!". Errors abandon it: the outcome names the
// failure and what was written stays on disk.
BuildOutcome BuildProject(BuildContext& context);

}  // namespace kelvad
