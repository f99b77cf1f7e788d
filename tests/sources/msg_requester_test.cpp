#include <gtest/gtest.h>

#include "sources/gui_fixture.h"
#include "sources/msg_requester.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::SplitLines;

// Opened past the output file writer: no tree node, no report line, and
// the shared counter is neither reset nor reported.
TEST(RequesterSources, LeaveNoTraceInTreeOrReportButStillCount) {
  GuiBuild build;
  size_t nodes = build.tree.size();
  build.context.lines_written = 7;
  build.Header(GenerateMsgIReqHeader, "MsgI.h");
  int header_lines = static_cast<int>(SplitLines(Golden("sources/gui/messaging/MsgI.h")).size());
  EXPECT_EQ(build.context.lines_written, 7 + header_lines);
  build.Source(GenerateMsgIReqSource, "MsgI.cpp");
  int source_lines = static_cast<int>(SplitLines(Golden("sources/gui/messaging/MsgI.cpp")).size());
  EXPECT_EQ(build.context.lines_written, 7 + header_lines + source_lines);
  EXPECT_EQ(build.tree.size(), nodes);
  EXPECT_TRUE(build.report.Lines().empty());
  EXPECT_EQ(build.report.ProgressValue(), std::min(header_lines + source_lines, build.report.ProgressMaximum()));
}

// The owning-AppUi comment stays in its column whatever the name's length.
TEST(RequesterSources, TheMemberCommentKeepsItsColumn) {
  GuiBuild build;
  build.settings.name = "My App";
  build.Prepare();
  std::string header = build.Header(GenerateMsgIReqHeader, "MsgI.h");
  size_t member = header.find("\r\n    CMy AppAppUi* iAppUi ");
  ASSERT_NE(member, std::string::npos);
  EXPECT_EQ(header.substr(member + 86, 17), " // owning AppUi\r");
}

}  // namespace
}  // namespace kelvad
