#pragma once

#include <filesystem>
#include <string>

#include "model/build_context.h"
#include "platform/dos_paths.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "resources/command_model.h"

namespace kelvad::testing {

// A build over an in-memory file system: drive C is /c, the install
// directory /install, the data directory /data.
struct TestBuild {
  TestBuild() : drives(fs, {{'c', "/c"}}), context(settings, drives, report, tree) {
    fs.MakeDirectories("/c");
    fs.MakeDirectories("/install");
    fs.MakeDirectories("/data");
    // Stand-ins for the shipped template icons, each naming itself so that a
    // copy to the wrong target shows.
    fs.MakeDirectories("/install/Icons");
    for (const char* suffix : {"16i", "16m", "24i", "24m", "32i", "32m", "48i", "48m"}) {
      fs.Write(std::string("/install/Icons/icon") + suffix + ".bmp", std::string("BM icon") + suffix);
    }
    context.commands = &commands;
    context.install_dir = "/install";
    context.report_path = "/data/kelvad.rtf";
  }

  // Creates the project directory and the given sub-directories (DOS suffixes
  // such as "\\GUI") without going through the build.
  void MakeProjectDirectories(std::initializer_list<const char*> suffixes) {
    drives.MakeDirectory(settings.ProjectDirectory());
    for (const char* suffix : suffixes) drives.MakeDirectory(settings.ProjectDirectory() + suffix);
  }

  // The bytes of a file, by DOS path.
  std::string Bytes(const std::string& dos_path) const { return drives.ReadFile(dos_path); }

  MemoryFileSystem fs;
  DosDrives drives;
  Settings settings;
  Report report;
  Tree tree;
  CommandModel commands;
  BuildContext context;
};

// Joins lines with CR LF after each, as generated files end their lines.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

// Shows CR, LF and bytes above 127 so that failed byte comparisons are readable.
std::string Visible(const std::string& bytes);

// The message of the exception of type E that the call throws, or "no error";
// an exception of another type goes on to fail the test.
template <typename E = Error, typename F>
std::string ErrorOf(F&& call) {
  try {
    call();
  } catch (const E& e) {
    return e.what();
  }
  return "no error";
}

// The bytes of a file on the host; empty when it cannot be read.
std::string HostBytes(const std::filesystem::path& path);

// Reads a golden file from tests/golden.
std::string Golden(const std::string& relative_path);

// The command model as the program starts: the standard commands and the default menus.
CommandModel StartedModel();

}  // namespace kelvad::testing
