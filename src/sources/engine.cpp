#include "sources/engine.h"

#include "model/layout.h"
#include "model/output_file.h"
#include "sources/source_blocks.h"

namespace kelvad {

namespace {

void SubsectionBanner(OutputFile& f, std::string_view title) {
  f.BlankLine();
  f.SingleRule();
  f.BoxedComment(title);
  f.SingleRule();
  f.BlankLine();
}

void DirectLines(OutputFile& f, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) f.Direct(line);
}

}  // namespace

void GenerateEngineHeader(BuildContext& context, const std::string& file_name, const std::string& directory) {
  const Settings& s = context.settings;
  OutputFile f = OpenOutputFile(context, file_name, directory, true, "INC", kImageHeader);
  f.FileHeader(file_name);
  f.CodeLine("#ifndef __ENGINE_H", "Start of Preprocessor Wrapper");
  f.CodeLine("#define __ENGINE_H", "Define");
  SectionBanner(f, "Include Header Files");
  f.CodeLine("#include <e32std.h>");
  f.CodeLine("#include <s32stor.h>");
  f.BlankLine();
  f.SingleRule();
  f.BoxedComment("Class Definitions");
  f.SingleRule();
  DirectLines(f, {"", "class CEngine", "{", "public:", "    // Constructors", "    IMPORT_C CEngine();",
                  "    // Destructors", "    IMPORT_C ~CEngine();", "    // Reset", "    IMPORT_C Reset();"});
  if (s.stream_methods) {
    f.BlankLine();
    DirectLines(f, {"    // Stream Persistence", "    IMPORT_C void ExternalizeL(RWriteStream& aStream) const;",
                    "    IMPORT_C void InternalizeL(RReadStream& aStream);"});
  }
  if (s.store_methods) {
    f.BlankLine();
    DirectLines(f, {"    // Store and Restore", "    IMPORT_C TStreamId StoreL(CStreamStore& aStore) const;",
                    "    IMPORT_C void RestoreL(const CStreamStore& aStore, TStreamId aStreamId);"});
  }
  DirectLines(f, {"};", ""});
  f.SingleRule();
  f.CodeLine("#endif", "End of Preprocessor Wrapper");
  f.FileEnd(file_name);
  CloseOutputFile(f);
}

void GenerateEngineSource(BuildContext& context, const std::string& file_name, const std::string& directory) {
  const Settings& s = context.settings;
  OutputFile f = OpenOutputFile(context, file_name, directory, true, "ENG", kImageSource);
  f.FileHeader(file_name);
  SectionBanner(f, "Include Header Files");
  DirectLines(f, {"#include \"engine.h\"", "", "#include <s32std.h>", ""});
  SectionBanner(f, "Define Global Functions");
  DirectLines(f, {"void Panic(TInt aPanic)", "{", "    User::Panic(_L(\"Engine\"),aPanic);", "}"});
  SectionBanner(f, "Define Member Functions");
  f.SingleRule();
  f.BoxedComment("Constructors");
  f.SingleRule();
  DirectLines(f, {"EXPORT_C CEngine::CEngine()", "{", "    // Stuff goes here ...", "}"});
  SubsectionBanner(f, "Destructors");
  DirectLines(f, {"EXPORT_C CEngine::~CEngine()", "{", "    // Stuff goes here ...", "}"});
  SubsectionBanner(f, "Resets");
  f.Direct("// This function is used by the 'C" + s.name + "Document::ResetModelL()' function");
  DirectLines(f, {"EXPORT_C CEngine::Reset()", "{"});
  f.BlankLine();
  f.CodeLine("    // Stuff goes here ...");
  f.BlankLine();
  f.CodeLine("return 0;", "To keep VC5 happy");
  f.Direct("}");
  if (s.stream_methods) {
    SectionBanner(f, "Stream Handling Functions");
    DirectLines(f, {"EXPORT_C void CEngine::ExternalizeL(RWriteStream& aStream) const", "{"});
    f.CodeLine("    aStream=aStream;", "Avoid unused variable warning");
    f.BlankLine();
    DirectLines(f, {"    // Stuff goes here ...", "}", ""});
    DirectLines(f, {"EXPORT_C void CEngine::InternalizeL(RReadStream& aStream)", "{"});
    f.CodeLine("    aStream=aStream;", "Avoid unused variable warning");
    f.BlankLine();
    DirectLines(f, {"    // Stuff goes here ...", "}"});
  }
  if (s.store_methods) {
    SectionBanner(f, "Store Handling Functions");
    DirectLines(f, {"// This function simply sets up the store and then calls the Class ExternalizeL()",
                    "// public member function."});
    f.BlankLine();
    DirectLines(f, {"EXPORT_C TStreamId CEngine::StoreL(CStreamStore& aStore) const", "{",
                    "    RStoreWriteStream stream;", "    TStreamId id = stream.CreateLC(aStore);",
                    "    ExternalizeL(stream);", "    stream.CommitL();", "    CleanupStack::PopAndDestroy(); // stream",
                    "    return id;", "}"});
    f.BlankLine();
    f.SingleRule();
    f.BlankLine();
    DirectLines(f, {"// This function simply sets up the store and then calls the Class Internalize()",
                    "// public member function."});
    f.BlankLine();
    DirectLines(f, {"EXPORT_C void CEngine::RestoreL(const CStreamStore& aStore, TStreamId aStreamId)", "{",
                    "    RStoreReadStream stream;", "    stream.OpenLC(aStore,aStreamId);", "    InternalizeL(stream);",
                    "    CleanupStack::PopAndDestroy(); // stream", "}"});
  }
  f.BlankLine();
  f.StarRule();
  f.BoxedComment("E32Dll()");
  f.BoxedComment("");
  f.BoxedComment("This function is required in all EPOC32 DLLs");
  f.StarRule();
  f.BlankLine();
  DirectLines(f, {"EXPORT_C TInt E32Dll(TDllReason)", "{"});
  f.CodeLine("    return 0;", "Always return 0");
  f.Direct("}");
  f.FileEnd(file_name);
  CloseOutputFile(f);
}

}  // namespace kelvad
