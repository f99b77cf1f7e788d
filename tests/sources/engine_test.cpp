#include <gtest/gtest.h>

#include "sources/engine.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::TestBuild;
using testing::Visible;

// For each choice of stream and store methods: both files byte for byte, a
// report of the counted lines only, and each file under its directory node.
TEST(EngineFiles, MatchReportAndHangUnderTheirNodes) {
  struct Case {
    const char* golden;  // base name under sources/engine
    bool stream, store;
    const char* header_count;  // what closing reports
    const char* source_count;
  };
  for (const Case& c : {Case{"both", true, true, "31", "73"}, Case{"none", false, false, "29", "54"},
                        Case{"stream", true, false, "30", "63"}, Case{"store", false, true, "30", "64"}}) {
    SCOPED_TRACE(c.golden);
    TestBuild build;
    build.settings.stream_methods = c.stream;
    build.settings.store_methods = c.store;
    build.MakeProjectDirectories({"\\Include", "\\Engine"});
    build.tree.Add("", "INC", "include", 7, 6);
    build.tree.Add("", "ENG", "engine", 7, 6);
    GenerateEngineHeader(build.context, "engine.h", "c:\\ProjectX\\Include");
    GenerateEngineSource(build.context, "engine.cpp", "c:\\ProjectX\\Engine");
    const std::string base = std::string("sources/engine/") + c.golden;
    EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Include\\engine.h")), Visible(Golden(base + ".h")));
    EXPECT_EQ(Visible(build.Bytes("c:\\ProjectX\\Engine\\engine.cpp")), Visible(Golden(base + ".cpp")));
    EXPECT_EQ(build.report.Lines(),
              (std::vector<std::string>{"Writing:  c:\\ProjectX\\Include\\engine.h",
                                        std::string("\tWrote ") + c.header_count + " lines.",
                                        "Writing:  c:\\ProjectX\\Engine\\engine.cpp",
                                        std::string("\tWrote ") + c.source_count + " lines."}));
    EXPECT_EQ(build.context.lines_written, 0);
    EXPECT_EQ(build.tree.Children("INC"), std::vector<std::string>{"INC:engine.h"});
    EXPECT_EQ(build.tree.Children("ENG"), std::vector<std::string>{"ENG:engine.cpp"});
    EXPECT_EQ(build.tree.Find("INC:engine.h")->image, 5);
    EXPECT_EQ(build.tree.Find("ENG:engine.cpp")->image, 4);
  }
}

}  // namespace
}  // namespace kelvad
