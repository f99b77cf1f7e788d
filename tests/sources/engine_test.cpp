#include <gtest/gtest.h>

#include <tuple>

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

// Both files byte for byte, a report of the counted lines only, and each
// file under its directory node.
TEST_P(EngineFiles, MatchReportAndHangUnderTheirNodes) {
  Generate();
  const std::string base = std::string("sources/engine/") + GetParam().golden;
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Include\\engine.h")), Visible(Golden(base + ".h")));
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Engine\\engine.cpp")), Visible(Golden(base + ".cpp")));
  EXPECT_EQ(build.report.Lines(),
            (std::vector<std::string>{"Writing:  c:\\ProjectX\\Include\\engine.h",
                                      "\tWrote " + std::to_string(GetParam().header_count) + " lines.",
                                      "Writing:  c:\\ProjectX\\Engine\\engine.cpp",
                                      "\tWrote " + std::to_string(GetParam().source_count) + " lines."}));
  EXPECT_EQ(build.context.lines_written, 0);
  for (const auto& [key, parent, image] : {std::tuple{"INC:engine.h", "INC", 5}, std::tuple{"ENG:engine.cpp", "ENG", 4}}) {
    const TreeNode* node = build.tree.Find(key);
    ASSERT_NE(node, nullptr) << key;
    EXPECT_EQ(node->text, std::string(key).substr(4));
    EXPECT_EQ(node->parent, parent);
    EXPECT_EQ(node->image, image);
    EXPECT_EQ(node->selected_image, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(StreamAndStoreOptions, EngineFiles,
                         ::testing::Values(EngineCase{"both", true, true, 31, 73},
                                           EngineCase{"none", false, false, 29, 54},
                                           EngineCase{"stream", true, false, 30, 63},
                                           EngineCase{"store", false, true, 30, 64}),
                         [](const auto& info) { return std::string(info.param.golden); });

}  // namespace
}  // namespace kelvad
