#include <gtest/gtest.h>

#include <algorithm>

#include "driver/build_driver.h"
#include "driver/dry_run.h"
#include "driver/preflight.h"
#include "resources/hotkeys.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

TEST(DryRun, PlansExactlyWhatTheBuildWritesAndWritesNothing) {
  TestBuild build;
  build.commands = testing::StartedModel();
  CollectMenuItems(build.commands);
  DryRunInput input{build.settings, build.commands, 5, "/install", "", nullptr};
  const std::vector<std::string> files_before = build.fs.Files();
  DryRun run = DryRunBuild(input, build.drives);
  ASSERT_TRUE(run.completed) << run.error;
  EXPECT_EQ(build.fs.Stat("/c/ProjectX"), EntryKind::kNone);
  EXPECT_EQ(build.fs.Files(), files_before);
  EXPECT_EQ(run.directories.front(), "c:\\ProjectX");

  build.context.sdk_release = 5;
  build.context.launch = false;
  build.context.report_path.clear();
  ASSERT_TRUE(BuildProject(build.context).completed);
  std::vector<std::string> written;
  for (const std::string& path : build.fs.Files()) {
    if (path.rfind("/c/", 0) == 0) written.push_back(path);
  }
  ASSERT_EQ(run.files.size(), written.size());
  for (size_t i = 0; i < written.size(); ++i) {
    std::string dos = "c:" + written[i].substr(2);
    std::replace(dos.begin(), dos.end(), '/', '\\');
    EXPECT_EQ(run.files[i].dos_path, dos);
    EXPECT_EQ(run.files[i].bytes, build.fs.Read(written[i])) << dos;
  }

  // Now the name is taken: the dry run says why the build would stop.
  DryRun again = DryRunBuild(input, build.drives);
  EXPECT_FALSE(again.completed);
  EXPECT_NE(again.error.find("already exists"), std::string::npos) << again.error;
}

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
