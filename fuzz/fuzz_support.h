#pragma once

// Helpers shared by the fuzz targets (header only, so that a target stays
// one file and fuzz/CMakeLists.txt needs no list of sources).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "driver/build_driver.h"
#include "model/build_context.h"
#include "model/project_name.h"
#include "model/settings.h"
#include "platform/dos_paths.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "resources/command_model.h"
#include "resources/hotkeys.h"

namespace kelvad::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken invariant: libFuzzer keeps the input as a crash.
[[noreturn]] inline void Broken(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

// Generated text files end every line with CR LF and hold no other CR or
// LF; the copied bitmaps are the only binary files of a project.
inline void CheckGeneratedText(const std::string& path, const std::string& bytes) {
  if (path.size() >= 4 && (path.compare(path.size() - 4, 4, ".bmp") == 0)) return;
  if (!bytes.empty() && (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0)) {
    Broken(path + " does not end with CR LF");
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) Broken(path + " has a lone CR");
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) Broken(path + " has a lone LF");
  }
}

// Runs "Go!" over an in-memory drive C, after the checks the headless front
// end makes before it writes anything. Returns whether the build completed.
inline bool BuildInMemory(const Settings& settings, CommandModel& commands, int sdk_release) {
  if (ProjectNameProblem(settings.name) != "") return false;
  const std::string drive = settings.ProjectDrive();
  if (drive.size() != 2 || drive[1] != ':' || LowerAscii(drive[0]) != 'c') return false;

  MemoryFileSystem fs;
  fs.MakeDirectories("/c/Templates");
  fs.MakeDirectories("/install/Icons");
  fs.MakeDirectories("/data");
  fs.Write("/c/Templates/EPOC.dot", "template");
  for (const char* suffix : {"16i", "16m", "24i", "24m", "32i", "32m", "48i", "48m"}) {
    fs.Write(std::string("/install/Icons/icon") + suffix + ".bmp", "BM");
  }
  DosDrives drives(fs, {{'c', "/c"}});
  Report report;
  Tree tree;
  BuildContext context(settings, drives, report, tree);
  context.sdk_release = sdk_release;
  context.commands = &commands;
  context.launch = false;
  context.install_dir = "/install";
  context.report_path = "/data/kelvad.rtf";
  context.help_template = "c:\\Templates\\EPOC.dot";

  CollectMenuItems(commands);
  BuildOutcome outcome = BuildProject(context);
  if (!outcome.completed) return false;
  const std::string project = drives.Resolve(settings.ProjectDirectory()) + "/";
  for (const std::string& path : fs.Files()) {
    if (path.rfind(project, 0) == 0) CheckGeneratedText(path, fs.Read(path));
  }
  return true;
}

}  // namespace kelvad::fuzz
