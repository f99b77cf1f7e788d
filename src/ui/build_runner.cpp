#include "ui/build_runner.h"

#include <QMetaObject>
#include <chrono>
#include <future>

#include "model/build_context.h"
#include "model/report.h"
#include "platform/encoding.h"
#include "platform/file_system.h"
#include "platform/dos_paths.h"

namespace kelvad {

namespace {

class RunnerView : public ReportView {
 public:
  RunnerView(std::function<void(const std::string&)> status, std::function<void(int, int)> progress,
             std::function<void(std::string_view)> line)
      : status_(std::move(status)), progress_(std::move(progress)), line_(std::move(line)) {}
  void StatusChanged(const std::string& text) override { status_(text); }
  void ProgressChanged(int value, int maximum) override { progress_(value, maximum); }
  void RtfLineAdded(std::string_view rtf_line) override { line_(rtf_line); }

 private:
  std::function<void(const std::string&)> status_;
  std::function<void(int, int)> progress_;
  std::function<void(std::string_view)> line_;
};

}  // namespace

BuildRunner::BuildRunner(QObject* receiver, BuildDisplay display) : receiver_(receiver), display_(std::move(display)) {}

BuildRunner::~BuildRunner() {
  detached_ = true;
  if (worker_.joinable()) worker_.join();
}

void BuildRunner::Start(BuildJob job) {
  if (running_ || worker_.joinable()) return;  // a run of the program performs one build
  running_ = true;
  worker_ = std::thread([this, job = std::move(job)]() mutable { Run(std::move(job)); });
}

void BuildRunner::Post(std::function<void()> call) {
  if (detached_) return;
  QMetaObject::invokeMethod(receiver_, std::move(call), Qt::QueuedConnection);
}

void BuildRunner::Run(BuildJob job) {
  RunnerView view(
      [this](const std::string& status) { Post([this, status] { display_.status(status); }); },
      [this](int value, int maximum) {
        // Thousands of steps: the window needs only the latest of those it has not shown yet.
        progress_value_ = value;
        progress_maximum_ = maximum;
        if (!progress_posted_.exchange(true)) {
          Post([this] {
            progress_posted_ = false;
            display_.progress(progress_value_, progress_maximum_);
          });
        }
      },
      [this, &job](std::string_view rtf_line) {
        Post([this, line = std::string(rtf_line)] { display_.line(line); });
        if (job.line_pause_ms > 0 && !detached_) std::this_thread::sleep_for(std::chrono::milliseconds(job.line_pause_ms));
      });
  Report report(&view);
  Tree tree;
  tree.on_added = [this](const TreeNode& node) { Post([this, node] { display_.node(node); }); };
  BuildContext context(job.settings, *job.drives, report, tree);
  context.sdk_release = job.sdk_release;
  context.commands = &job.commands;
  context.registry = job.registry;
  context.starter = job.starter;
  context.launch = job.launch;
  context.install_dir = job.install_dir;
  context.report_path = job.report_path;
  context.help_template = job.help_template;
  context.warn = [this](const std::string& title, const std::string& text, const std::string&) {
    // The build waits for OK, as behind a modal box; not once the window is gone.
    auto shown = std::make_shared<std::promise<void>>();
    std::future<void> done = shown->get_future();
    Post([this, shown, title, text] {
      display_.warn(title, text);
      shown->set_value();
    });
    while (!detached_ && done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    }
  };
  context.stop_requested = [this] { return stop_.load(); };
  BuildOutcome outcome = BuildProject(context);
  if (!outcome.completed && stop_ && !job.report_path.empty()) {
    // Stopping is the user's choice, not a failure: the report keeps the
    // record of what was written, as after a completed build.
    report.SetStatus("Stopped");
    report.ReportBold(RtfEscape(outcome.error));
    try {
      WriteFileAtomically(job.drives->fs(), job.report_path, ToWindows1252(report.Document()));
      outcome.report_saved = true;
    } catch (const std::exception& e) {
      outcome.report_error = e.what();
    }
  }
  Post([this, outcome] {
    running_ = false;
    display_.finished(outcome);
  });
  if (detached_) running_ = false;
}

}  // namespace kelvad
