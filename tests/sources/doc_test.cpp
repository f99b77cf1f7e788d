#include <gtest/gtest.h>

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

// The restore body still builds a CEngine and replaces iModel.
TEST(DocumentSources, EngineClearedDropsTheModelButKeepsTheStoreBlock) {
  GuiBuild build;
  build.settings.engine = false;
  std::string header = build.Header(GenerateDocHeader, "Doc.h");
  EXPECT_EQ(Visible(header), Visible(WithoutLines(Golden("sources/gui/defaults/Doc.h"),
                                                  {kEngineInclude, "  CEngine* Model() {return iModel;}",
                                                   "  CEngine* iModel;"})));
  std::string source = build.Source(GenerateDocSource, "Doc.cpp");
  EXPECT_EQ(Visible(source), Visible(WithoutLines(Golden("sources/gui/defaults/Doc.cpp"),
                                                  {"    iModel = new (ELeave) CEngine;", "    delete iModel;",
                                                   "    iModel->Reset();"})));
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

// Each option adds exactly its own block, opened by a blank line, two
// double rules and a blank line; the header's declaration follows the
// same option.
TEST(DocumentSources, EachFileOptionAddsOnlyItsBlock) {
  struct Case {
    bool Settings::*option;
    const char* declaration;
    const char* definition;
  };
  const std::vector<Case> cases = {
      {&Settings::doc_new_file, "    void DoNewFileL(const TFileName& aFileName);",
       "void CProjectXDocument::DoNewFileL(const TFileName& aFileName)"},
      {&Settings::doc_open_file, "    void DoOpenFileL(const TFileName& aFileName);",
       "void CProjectXDocument::DoOpenFileL(const TFileName& aFileName)"},
      {&Settings::doc_save_as, "    void DoFileSaveToNewL(const TFileName& aNewFileName);",
       "void CProjectXDocument::DoFileSaveToNewL(const TFileName& aNewFileName)"},
      {&Settings::doc_revert, "    void DoFileRevertL();", "void CProjectXDocument::DoFileRevertL()"},
  };
  const std::string opener =
      "\r\n\r\n/*==========================================================================*/\r\n"
      "/*==========================================================================*/\r\n\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.definition);
    GuiBuild build;
    build.ClearDocumentOptions();
    build.settings.*c.option = true;
    std::string header = build.Header(GenerateDocHeader, "Doc.h");
    std::string source = build.Source(GenerateDocSource, "Doc.cpp");
    for (const Case& other : cases) {
      EXPECT_EQ(header.find(other.declaration) != std::string::npos, other.option == c.option);
      EXPECT_EQ(source.find(other.definition) != std::string::npos, other.option == c.option);
    }
    EXPECT_NE(source.find("    return (aFileName==Process()->MainDocFileName());\r\n}" + opener + c.definition),
              std::string::npos);
    EXPECT_EQ(source.find("#include <eikproc.h>") != std::string::npos, c.option == &Settings::doc_new_file);
  }
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
