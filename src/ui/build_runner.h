#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "driver/build_driver.h"
#include "model/project_tree.h"
#include "model/settings.h"
#include "resources/command_model.h"

namespace kelvad {

class DosDrives;
class ProcessStarter;
class Registry;

// Everything one build needs, copied when "Go!" is pressed.
struct BuildJob {
  Settings settings;
  CommandModel commands;
  int sdk_release = 0;
  DosDrives* drives = nullptr;
  const Registry* registry = nullptr;
  ProcessStarter* starter = nullptr;
  bool launch = true;
  std::string install_dir;
  std::string report_path;
  std::string help_template;
  int line_pause_ms = 50;  // after each report line, so the user can follow it
};

// What a build shows, called on the window's thread.
struct BuildDisplay {
  std::function<void(const std::string& status)> status;
  std::function<void(int value, int maximum)> progress;
  std::function<void(const std::string& rtf_line)> line;
  std::function<void(const TreeNode& node)> node;
  // A message box the build waits for.
  std::function<void(const std::string& title, const std::string& text)> warn;
  std::function<void(const BuildOutcome& outcome)> finished;
};

// Runs a build on a thread of its own, so that the window keeps repainting
// and can be moved while it runs; every report line, tree node and progress
// step is handed to the window's thread in the order the build made it.
class BuildRunner {
 public:
  // receiver lives on the window's thread; the display is called there.
  BuildRunner(QObject* receiver, BuildDisplay display);
  // Waits for a running build to end; it goes on without pauses and shows
  // nothing more, so no file it would write is lost.
  ~BuildRunner();

  void Start(BuildJob job);
  bool Running() const { return running_; }
  // Ends the build before the next file it would open, so that no file is
  // left half written; the report gains a line saying so and is saved.
  void RequestStop() { stop_ = true; }

 private:
  void Run(BuildJob job);
  void Post(std::function<void()> call);

  QObject* receiver_;
  BuildDisplay display_;
  std::thread worker_;
  std::atomic<bool> running_{false};
  std::atomic<bool> detached_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> progress_posted_{false};
  std::atomic<int> progress_value_{0};
  std::atomic<int> progress_maximum_{0};
};

}  // namespace kelvad
