#include "wizard/work_guards.h"

namespace kelvad {

bool GoPressHonoured(std::int64_t ms_since_finish_shown, int double_click_interval_ms) {
  return ms_since_finish_shown >= double_click_interval_ms;
}

ClosingAction ClosingActionFor(bool building, bool changed) {
  if (building) return ClosingAction::kAskStopBuild;
  return changed ? ClosingAction::kAskSave : ClosingAction::kClose;
}

std::string ProposedDescriptionName(std::string_view project_name) {
  return std::string(project_name.empty() ? "project" : project_name) + ".json";
}

std::string WithDescriptionSuffix(std::string_view path) {
  size_t name_start = path.find_last_of("/\\");
  std::string_view name = path.substr(name_start == std::string_view::npos ? 0 : name_start + 1);
  // A leading dot makes a hidden file, not a suffix.
  if (name.empty() || name.find('.', 1) != std::string_view::npos) return std::string(path);
  return std::string(path) + ".json";
}

}  // namespace kelvad
