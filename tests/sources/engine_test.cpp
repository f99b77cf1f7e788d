#include <gtest/gtest.h>

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

class EngineFiles : public ::testing::TestWithParam<EngineCase> {};

// Both files byte for byte, a report of the counted lines only, and each
// file under its directory node.
TEST_P(EngineFiles, MatchReportAndHangUnderTheirNodes) {
  TestBuild build;
  build.settings.stream_methods = GetParam().stream;
  build.settings.store_methods = GetParam().store;
  build.MakeProjectDirectories({"\\Include", "\\Engine"});
  build.tree.Add("", "INC", "include", 7, 6);
  build.tree.Add("", "ENG", "engine", 7, 6);
  GenerateEngineHeader(build.context, "engine.h", "c:\\ProjectX\\Include");
  GenerateEngineSource(build.context, "engine.cpp", "c:\\ProjectX\\Engine");
  const std::string base = std::string("sources/engine/") + GetParam().golden;
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Include\\engine.h")), Visible(Golden(base + ".h")));
  EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Engine\\engine.cpp")), Visible(Golden(base + ".cpp")));
  EXPECT_EQ(build.report.Lines(),
            (std::vector<std::string>{"Writing:  c:\\ProjectX\\Include\\engine.h",
                                      "\tWrote " + std::to_string(GetParam().header_count) + " lines.",
                                      "Writing:  c:\\ProjectX\\Engine\\engine.cpp",
                                      "\tWrote " + std::to_string(GetParam().source_count) + " lines."}));
  EXPECT_EQ(build.context.lines_written, 0);
  EXPECT_EQ(build.tree.Children("INC"), std::vector<std::string>{"INC:engine.h"});
  EXPECT_EQ(build.tree.Children("ENG"), std::vector<std::string>{"ENG:engine.cpp"});
  EXPECT_EQ(build.tree.Find("INC:engine.h")->image, 5);
  EXPECT_EQ(build.tree.Find("ENG:engine.cpp")->image, 4);
}

INSTANTIATE_TEST_SUITE_P(StreamAndStoreOptions, EngineFiles,
                         ::testing::Values(EngineCase{"both", true, true, 31, 73},
                                           EngineCase{"none", false, false, 29, 54},
                                           EngineCase{"stream", true, false, 30, 63},
                                           EngineCase{"store", false, true, 30, 64}),
                         [](const auto& info) { return std::string(info.param.golden); });

}  // namespace
}  // namespace kelvad
