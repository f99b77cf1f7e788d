#include <gtest/gtest.h>

#include <algorithm>

#include "sources/engine.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::TestBuild;
using testing::Visible;

struct EngineCase {
  const char* golden;  // base name under sources/engine
  bool stream;
  bool store;
  int header_count;  // what closing reports
  int source_count;
};

void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.golden; }

class EngineFiles : public ::testing::TestWithParam<EngineCase> {
 protected:
  void SetUp() override {
    build.settings.stream_methods = GetParam().stream;
    build.settings.store_methods = GetParam().store;
    build.MakeProjectDirectories({"\\Include", "\\Engine"});
    // The writer hangs the files under the directory nodes of the layout.
    build.tree.Add("", "INC", "include", 7, 6);
    build.tree.Add("", "ENG", "engine", 7, 6);
  }

  void Generate() {
    GenerateEngineHeader(build.context, "engine.h", "c:\\ProjectX\\Include");
    GenerateEngineSource(build.context, "engine.cpp", "c:\\ProjectX\\Engine");
  }

  TestBuild build;
};

TEST_P(EngineFiles, MatchByteForByte) {
  Generate();
  const std::string base = std::string("sources/engine/") + GetParam().golden;
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Include\\engine.h")), Visible(Golden(base + ".h")));
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Engine\\engine.cpp")), Visible(Golden(base + ".cpp")));
}

TEST_P(EngineFiles, ReportOnlyTheCountedLines) {
  Generate();
  const std::vector<std::string>& lines = build.report.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Writing:  c:\\ProjectX\\Include\\engine.h");
  EXPECT_EQ(lines[1], "\tWrote " + std::to_string(GetParam().header_count) + " lines.");
  EXPECT_EQ(lines[2], "Writing:  c:\\ProjectX\\Engine\\engine.cpp");
  EXPECT_EQ(lines[3], "\tWrote " + std::to_string(GetParam().source_count) + " lines.");
  EXPECT_EQ(build.context.lines_written, 0);
}

TEST_P(EngineFiles, HangUnderIncludeAndEngineNodes) {
  Generate();
  const TreeNode* header = build.tree.Find("INC:engine.h");
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->text, "engine.h");
  EXPECT_EQ(header->parent, "INC");
  EXPECT_EQ(header->image, 5);
  EXPECT_EQ(header->selected_image, 0);
  const TreeNode* source = build.tree.Find("ENG:engine.cpp");
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->parent, "ENG");
  EXPECT_EQ(source->image, 4);
  EXPECT_EQ(source->selected_image, 0);
}

INSTANTIATE_TEST_SUITE_P(StreamAndStoreOptions, EngineFiles,
                         ::testing::Values(EngineCase{"both", true, true, 31, 73},
                                           EngineCase{"none", false, false, 29, 54},
                                           EngineCase{"stream", true, false, 30, 63},
                                           EngineCase{"store", false, true, 30, 64}),
                         [](const auto& info) { return std::string(info.param.golden); });

TEST(EngineHeader, BothOptionsClearHoldsFortyOneLinesOfWhichTwelveDirect) {
  const std::string bytes = Golden("sources/engine/none.h");
  size_t lines = 0;
  for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 41u);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 41);
}

TEST(EngineSource, ProjectNameChangesOnlyTheResetComment) {
  TestBuild build;
  build.settings.name = "My Pröject";
  build.MakeProjectDirectories({"\\Engine"});
  build.tree.Add("", "ENG", "engine", 7, 6);
  GenerateEngineSource(build.context, "engine.cpp", "c:\\My Pröject\\Engine");
  std::string expected = Golden("sources/engine/both.cpp");
  const std::string old_comment = "'CProjectXDocument::ResetModelL()'";
  expected.replace(expected.find(old_comment), old_comment.size(), "'CMy Pr\xF6ject" "Document::ResetModelL()'");
  EXPECT_EQ(Visible(build.Bytes("c:\\My Pröject\\Engine\\engine.cpp")), Visible(expected));
}

TEST(EngineSource, RegeneratingReplacesTheFileWithTheSameBytes) {
  TestBuild build;
  build.MakeProjectDirectories({"\\Engine"});
  build.tree.Add("", "ENG", "engine", 7, 6);
  build.drives.WriteFile("c:\\ProjectX\\Engine\\engine.cpp", std::string(20000, 'x'));
  GenerateEngineSource(build.context, "engine.cpp", "c:\\ProjectX\\Engine");
  const std::string first = build.Bytes("c:\\ProjectX\\Engine\\engine.cpp");
  // A second build has a fresh project tree.
  build.tree.Clear();
  build.tree.Add("", "ENG", "engine", 7, 6);
  GenerateEngineSource(build.context, "engine.cpp", "c:\\ProjectX\\Engine");
  EXPECT_EQ(build.Bytes("c:\\ProjectX\\Engine\\engine.cpp"), first);
  EXPECT_EQ(first, Golden("sources/engine/both.cpp"));
}

}  // namespace
}  // namespace kelvad
