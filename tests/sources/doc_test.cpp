#include <gtest/gtest.h>

#include "sources/app_view.h"
#include "sources/doc.h"
#include "sources/gui_fixture.h"

namespace kelvad {
namespace {

using testing::Golden;
using testing::GuiBuild;
using testing::LastWroteLine;
using testing::Visible;
using testing::WithoutLines;

const char* const kEngineInclude =
    "#include \"engine.h\"                                                                  // Engine Class Def";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  return at == std::string::npos ? "not found: " + from : text.replace(at, from.size(), to);
}

// The document's restore body still builds a CEngine and replaces iModel;
// the view takes only the rectangle.
TEST(DocumentSources, EngineClearedDropsTheModelButKeepsTheStoreBlock) {
  GuiBuild build;
  build.settings.engine = false;
  EXPECT_EQ(Visible(build.Header(GenerateDocHeader, "Doc.h")),
            Visible(WithoutLines(Golden("sources/gui/defaults/Doc.h"),
                                 {kEngineInclude, "  CEngine* Model() {return iModel;}", "  CEngine* iModel;"})));
  EXPECT_EQ(Visible(build.Source(GenerateDocSource, "Doc.cpp")),
            Visible(WithoutLines(Golden("sources/gui/defaults/Doc.cpp"),
                                 {"    iModel = new (ELeave) CEngine;", "    delete iModel;", "    iModel->Reset();"})));
  EXPECT_EQ(Visible(build.Header(GenerateAppViewHeader, "AppView.h")),
            Visible(Replaced(WithoutLines(Golden("sources/gui/defaults/AppView.h"),
                                          {"#include \"engine.h\"" + std::string(66, ' ') + "// ProjectX Engine Class Def",
                                           "    CEngine *iModel;"}),
                             "ConstructL(const TRect& aRect, CEngine* aModel );", "ConstructL(const TRect& aRect);")));
  EXPECT_EQ(Visible(build.Source(GenerateAppViewSource, "AppView.cpp")),
            Visible(Replaced(Golden("sources/gui/defaults/AppView.cpp"),
                             "ConstructL(const TRect& aRect, CEngine* aModel )\r\n{\r\n    iModel=aModel;\r\n",
                             "ConstructL(const TRect& aRect)\r\n{\r\n")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 62 lines.");
}

TEST(DocumentSources, AllOptionsClearedEndsAfterIsCurrentFileName) {
  GuiBuild build;
  build.ClearDocumentOptions();
  build.settings.engine = false;
  std::string source = build.Source(GenerateDocSource, "Doc.cpp");
  EXPECT_EQ(Visible(source), Visible(Golden("sources/gui/bare/Doc.cpp")));
  EXPECT_EQ(LastWroteLine(build.report), "\tWrote 90 lines.");

  std::string header = build.Header(GenerateDocHeader, "Doc.h");
  EXPECT_EQ(Visible(header),
            Visible(WithoutLines(Golden("sources/gui/defaults/Doc.h"),
                                 {kEngineInclude, "    void DoNewFileL(const TFileName& aFileName);",
                                  "    void DoOpenFileL(const TFileName& aFileName);",
                                  "    void DoFileSaveToNewL(const TFileName& aNewFileName);",
                                  "    void DoFileRevertL();", "  CEngine* Model() {return iModel;}",
                                  "    void StoreL(CStreamStore& aStore,CStreamDictionary& aStreamDic) const;",
                                  "    void RestoreL(const CStreamStore& aStore,const CStreamDictionary& aStreamDic);",
                                  "  CEngine* iModel;"})));
}

TEST(DocumentSources, OpenFileWithoutStoreRestoreStillCallsRestoreL) {
  GuiBuild build;
  build.settings.doc_store_restore = false;
  build.settings.doc_new_file = false;
  std::string header = build.Header(GenerateDocHeader, "Doc.h");
  std::string source = build.Source(GenerateDocSource, "Doc.cpp");
  EXPECT_EQ(header.find("RestoreL"), std::string::npos);
  EXPECT_EQ(source.find("void CProjectXDocument::RestoreL"), std::string::npos);
  EXPECT_NE(source.find("\r\n    RestoreL(*store,*dic);        "), std::string::npos);
  // Without the new-file option the process includes go, though the open
  // block casts to CEikProcess.
  EXPECT_EQ(source.find("#include <eikproc.h>"), std::string::npos);
  EXPECT_NE(source.find("((CEikProcess*)Process())->SetMainStore(store);"), std::string::npos);
}

}  // namespace
}  // namespace kelvad
