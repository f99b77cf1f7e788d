#include <gtest/gtest.h>

#include "sources/app_view.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::LastWroteLine;
using testing::Visible;
using testing::WithoutLines;

TEST(ViewSources, EngineClearedTakesOnlyTheRectangleButKeepsSetModel) {
  GuiBuild build;
  build.settings.engine = false;
  std::string header = build.Header(GenerateAppViewHeader, "AppView.h");
  std::string expected_header = WithoutLines(
      Golden("sources/gui/defaults/AppView.h"),
      {"#include \"engine.h\"                                                                  // ProjectX Engine "
       "Class Def",
       "    CEngine *iModel;"});
  size_t at = expected_header.find("    void ConstructL(const TRect& aRect, CEngine* aModel );");
  ASSERT_NE(at, std::string::npos);
  expected_header.replace(at, 58, "    void ConstructL(const TRect& aRect);");
  EXPECT_EQ(Visible(header), Visible(expected_header));

  std::string source = build.Source(GenerateAppViewSource, "AppView.cpp");
  std::string expected_source = Golden("sources/gui/defaults/AppView.cpp");
  const std::string with_model =
      "void CProjectXAppView::ConstructL(const TRect& aRect, CEngine* aModel )\r\n{\r\n    iModel=aModel;\r\n";
  at = expected_source.find(with_model);
  ASSERT_NE(at, std::string::npos);
  expected_source.replace(at, with_model.size(), "void CProjectXAppView::ConstructL(const TRect& aRect)\r\n{\r\n");
  EXPECT_EQ(Visible(source), Visible(expected_source));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 62 lines.");
}

}  // namespace
}  // namespace kelvad
