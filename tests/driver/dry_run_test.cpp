#include <gtest/gtest.h>

#include <algorithm>

#include "driver/dry_run.h"
#include "driver/preflight.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

// The room the checks before writing allow beyond the project name holds
// every name and path of a build with every option on.
TEST(DryRun, NamesAndPathsStayWithinTheRoomLeftForThem) {
  TestBuild build;
  build.settings.name = "Name";
  build.settings.messaging = true;
  build.fs.MakeDirectories("/c/T");
  build.fs.Write("/c/T/EPOCHELP.DOT", "");
  DryRun run = DryRunBuild({build.settings, testing::StartedModel(), 5, "/install", "c:\\T\\EPOCHELP.DOT", nullptr},
                           build.drives);
  ASSERT_TRUE(run.completed) << run.error;
  std::vector<std::string> paths = run.directories;
  for (const PlannedFile& file : run.files) paths.push_back(file.dos_path);
  ASSERT_NE(std::find(paths.begin(), paths.end(), "c:\\Name\\Help\\Documents\\Name.rtf"), paths.end());
  size_t longest_name = 0, longest_path = 0;
  for (const std::string& path : paths) {
    const std::string below_root = path.substr(3);
    longest_path = std::max(longest_path, below_root.size());
    for (size_t start = 0, end; start < below_root.size(); start = end + 1) {
      end = std::min(below_root.find('\\', start), below_root.size());
      longest_name = std::max(longest_name, end - start);
    }
  }
  EXPECT_LE(longest_name, 4 + kNameBeyondProjectName);
  EXPECT_LE(longest_path, 2 * 4 + kPathBeyondNames);
}

}  // namespace
}  // namespace kelvad
