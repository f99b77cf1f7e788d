#include <gtest/gtest.h>

#include <algorithm>

#include "resources/resource_script.h"
#include "sources/app.h"
#include "sources/app_ui.h"
#include "sources/app_view.h"
#include "sources/doc.h"
#include "sources/engine.h"
#include "sources/gui_fixture.h"
#include "sources/msg_requester.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::Visible;

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
  return text;
}

// A name with a space and a letter outside ASCII, as long as "ProjectX",
// goes in verbatim (Windows-1252), upper-cased with its Latin-1 letters in
// resource names: a place that drops, cleans or mis-cases it, or pads by
// bytes rather than characters, shows as a difference from the checked file.
TEST(ProjectNames, EverySourceIsTheCheckedFileWithTheNameReplaced) {
  GuiBuild build;
  build.settings.name = "Caf\u00e9 App";
  build.Prepare();
  build.UseSampleCommands();
  auto renamed = [](const std::string& golden) {
    return ReplaceAll(ReplaceAll(Golden(golden), "ProjectX", "Caf\xE9 App"), "PROJECTX", "CAF\xC9 APP");
  };
  const std::pair<GuiBuild::Generator, std::string> files[] = {
      {GenerateMainSource, "Main.cpp"},     {GenerateAppHeader, "App.h"},         {GenerateAppSource, "App.cpp"},
      {GenerateDocHeader, "Doc.h"},         {GenerateDocSource, "Doc.cpp"},       {GenerateAppUiHeader, "AppUI.h"},
      {GenerateAppUiSource, "AppUI.cpp"},   {GenerateAppViewHeader, "AppView.h"}, {GenerateAppViewSource, "AppView.cpp"},
      {GenerateMsgIReqHeader, "MsgI.h"},    {GenerateMsgIReqSource, "MsgI.cpp"}};
  for (const auto& [generate, file] : files) {
    SCOPED_TRACE(file);
    const std::string bytes = file.back() == 'h' ? build.Header(generate, file) : build.Source(generate, file);
    const std::string golden = (file.rfind("MsgI", 0) == 0 ? "sources/gui/messaging/" : "sources/gui/defaults/") + file;
    EXPECT_EQ(Visible(bytes), Visible(renamed(golden)));
  }
  build.drives.MakeDirectory(build.settings.ProjectDirectory() + "\\Engine");
  build.tree.Add("", "ENG", "engine", 7, 6);
  GenerateEngineSource(build.context, "engine.cpp", build.settings.ProjectDirectory() + "\\Engine");
  EXPECT_EQ(Visible(build.Bytes(build.settings.ProjectDirectory() + "\\Engine\\engine.cpp")),
            Visible(renamed("sources/engine/both.cpp")));
  // The handler names text buffers that the resource script defines.
  GenerateResourceScript(build.context, build.settings.name, build.GuiDir(), build.settings.name);
  const std::string script = build.Bytes(build.GuiDir() + "\\Caf\u00e9 App.rss");
  for (const char* resource : {"DOCUMENT_UNCHANGED", "REVERT_TITLE", "REVERT_TEXT"}) {
    EXPECT_NE(script.find(std::string("RESOURCE TBUF R_CAF\xC9 APP_") + resource + " "), std::string::npos) << resource;
  }
}

// UIDs go in as typed, even empty. The requester's owning-AppUi comment
// stays in its column whatever the name's length.
TEST(ApplicationSources, UidsAsTypedAndTheRequesterCommentColumn) {
  GuiBuild build;
  build.settings.gui_uid = "";
  build.settings.gui_unicode_uid = "0X0110ABCD";
  EXPECT_NE(build.Header(GenerateAppHeader, "App.h")
                .find("\r\n#if defined(_UNICODE)\r\nconst TUid KUidProjectXApp = { 0X0110ABCD } ;\r\n#else\r\n"
                      "const TUid KUidProjectXApp = {  } ;\r\n#endif\r\n"),
            std::string::npos);
  build.settings.name = "My App";
  build.Prepare();
  const std::string header = build.Header(GenerateMsgIReqHeader, "MsgI.h");
  const size_t member = header.find("\r\n    CMy AppAppUi* iAppUi ");
  ASSERT_NE(member, std::string::npos);
  EXPECT_EQ(header.substr(member + 86, 17), " // owning AppUi\r");
}

// Opened past the output file writer: no tree node, no report line, and
// the shared counter is neither reset nor reported.
TEST(RequesterSources, LeaveNoTraceInTreeOrReportButStillCount) {
  GuiBuild build;
  const size_t nodes = build.tree.size();
  build.context.lines_written = 7;
  const std::string bytes = build.Header(GenerateMsgIReqHeader, "MsgI.h") + build.Source(GenerateMsgIReqSource, "MsgI.cpp");
  EXPECT_EQ(build.context.lines_written, 7 + std::count(bytes.begin(), bytes.end(), '\n'));
  EXPECT_EQ(build.tree.size(), nodes);
  EXPECT_TRUE(build.report.Lines().empty());
}

}  // namespace
}  // namespace kelvad
