#include "sources/doc.h"

#include "model/output_file.h"
#include "sources/source_blocks.h"

namespace kelvad {

namespace {

void DocumentBox(OutputFile& file, const std::string& title, const std::string& name) {
  DescriptionBox(file, title, name,
                 {"The document represents the data manipulated by one instance of an",
                  "application. Normally it is a container for the engine: it contains",
                  "a <EngineType> iModel data member. The document class may provide",
                  "various virtual functions to allow the document to be edited, viewed",
                  "as a glass door, or printed.",
                  "",
                  "C" + name + "Document provides just one such function: CreateAppUiL(),",
                  "which creates a user interface, required to edit the document.",
                  ""});
}

// The three lines that make a freshly opened store the document's main store.
void ReplaceMainStore(OutputFile& file) {
  file.CodeLine("    delete(((CEikProcess*)Process())->MainStore());", "Delete the old store object (closes the file)");
  file.CodeLine("    ((CEikProcess*)Process())->SetMainStore(store);", "Set the new store as the main store.");
  file.CodeLine("    Process()->SetMainDocFileName(aFileName);",
                "Set the file name of the new store as the main file name");
}

void StoreAndRestore(OutputFile& file, const std::string& name) {
  file.BlankLine();
  file.DoubleRule();
  file.BoxedComment("RestoreL() is called by the EIKON framework when the application starts.");
  file.BoxedComment("");
  file.BoxedComment("See the stream store documentation for general information on");
  file.BoxedComment("implementing StoreL() and RestoreL().");
  file.DoubleRule();
  file.BlankLine();
  Lines(file, {"void C" + name + "Document::RestoreL(const CStreamStore& aStore,const CStreamDictionary& aStreamDic)",
               "{",
               "    // Restore the file contents into a new model. Do not set this as the document's model yet.",
               "    // That way, if the restore fails, we have still got the old model."});
  file.BlankLine();
  Lines(file, {"    CEngine* model = new (ELeave) CEngine;", "    CleanupStack::PushL(model);"});
  file.CodeLine("    TStreamId id=aStreamDic.At(KUid" + name + "App);",
                "Find the stream ID of the model data from the stream dictionary");
  file.CodeLine("    model->RestoreL(aStore,id);",
                "Invoke a function in the model to read all the model data from the stream");
  file.CodeLine("    CleanupStack::Pop();",
                "Once the restore has succeeded, we can delete the old model and set the new model to be the "
                "one owned by the document.");
  Lines(file, {"    delete iModel;", "    iModel=model;"});
  file.CodeLine("    SetChanged(EFalse);", "We've just restored this document, so it can't have changed.");
  file.CodeLine("}");

  file.BlankLine();
  file.DoubleRule();
  file.BoxedComment("StoreL() is called on the main document file by the EIKON framework");
  file.BoxedComment("when the application calls CEikAppUi::SaveL().");
  file.BoxedComment("");
  file.BoxedComment("See the stream store documentation for general information on");
  file.BoxedComment("implementing StoreL() and RestoreL().");
  file.DoubleRule();
  file.BlankLine();
  Lines(file, {"void C" + name + "Document::StoreL(CStreamStore& aStore,CStreamDictionary& aStreamDic) const",
               "{",
               "    TStreamId id=iModel->StoreL(aStore);",
               "    aStreamDic.AssignL(KUid" + name + "App, id);",
               "}"});
}

void NewFile(OutputFile& file, const std::string& name) {
  BlockOpener(file);
  Lines(file, {"void C" + name + "Document::DoNewFileL(const TFileName& aFileName)", "{"});
  file.CodeLine("    CFileStore* store =  CreateFileStoreLC(Process()->FsSession(),aFileName);",
                "Create a new store (i.e. the file and the store object)");
  file.CodeLine("    NewDocumentL();", "Reset the document back to its default settings");
  file.CodeLine("    CleanupStack::Pop();", "Remove store from the cleanup stack");
  ReplaceMainStore(file);
  file.CodeLine("}");
}

void OpenFile(OutputFile& file, const std::string& name) {
  BlockOpener(file);
  Lines(file, {"void C" + name + "Document::DoOpenFileL(const TFileName& aFileName)",
               "{",
               "    // Open the store and construct the file store object and the stream",
               "    // dictionary object"});
  file.BlankLine();
  Lines(file, {"    CFileStore* store = NULL;",
               "    CStreamDictionary* dic = CApaProcess::ReadRootStreamLC(Process()->FsSession(),store,aFileName,"
               "EFileShareExclusive|EFileWrite);"});
  file.CodeLine("    CleanupStack::PushL(store);", "Push the store onto the cleanup stack ");
  file.CodeLine("    RestoreL(*store,*dic);", "Restore content from this store");
  file.CodeLine("    CleanupStack::Pop();", "Can now remove the store from the cleanup stack");
  file.CodeLine("    CleanupStack::PopAndDestroy();", "Cleanup the stream dictionary");
  ReplaceMainStore(file);
  file.CodeLine("}");
}

void SaveToNew(OutputFile& file, const std::string& name) {
  BlockOpener(file);
  Lines(file, {"void C" + name + "Document::DoFileSaveToNewL(const TFileName& aNewFileName)",
               "{",
               "    // Constructs a new store of this name, closes the current store,",
               "    // and makes the new store the main one.",
               "    ((CEikProcess*)Process())->SaveToDirectFileStoreL(this,&aNewFileName);",
               "    SetChanged(EFalse);",
               "}"});
}

void Revert(OutputFile& file, const std::string& name) {
  BlockOpener(file);
  Lines(file, {"void C" + name + "Document::DoFileRevertL()",
               "{",
               "    CStreamDictionary* streamDic=CStreamDictionary::NewL();",
               "    CleanupStack::PushL(streamDic);",
               "    CFileStore* mainStore=REINTERPRET_CAST(CEikProcess*,Process())->MainStore();",
               "    RStoreReadStream root;",
               "    root.OpenLC(*mainStore,mainStore->Root());",
               "    root  >> *streamDic;",
               "    root.Close();"});
  file.CodeLine("    CleanupStack::PopAndDestroy();", "root");
  file.CodeLine("    RestoreL(*mainStore,*streamDic);");
  file.CodeLine("    CleanupStack::PopAndDestroy();", "streamDic");
  file.CodeLine("}");
}

}  // namespace

void GenerateDocHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                       const std::string& name) {
  const Settings& s = context.settings;
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "INC", 5);
  file.FileHeader(file_name);
  DocumentBox(file, "C" + name + "Document (declaration)", name);
  file.BlankLine();

  file.CodeLine("#ifndef __" + name + "_DOC_H", "Start of Preprocessor Wrapper");
  file.CodeLine("#define __" + name + "_DOC_H", "Define");
  file.BlankLine();
  file.CodeLine("#include <eikdoc.h>", "EIKON CEikDocument Class Def");
  file.BlankLine();
  if (s.engine) file.CodeLine(IncludeLine("engine.h"), "Engine Class Def");
  file.BlankLine();

  Lines(file, {"class C" + name + "Document : public CEikDocument",
               "  {",
               "public:",
               "    // construct/destruct",
               "    C" + name + "Document(CEikApplication& aApp);",
               "    ~C" + name + "Document();",
               "    static C" + name + "Document *NewL(CEikApplication& aApp);",
               "    void ConstructL();",
               "    void ResetModelL();"});
  if (s.doc_new_file) file.CodeLine("    void DoNewFileL(const TFileName& aFileName);");
  if (s.doc_open_file) file.CodeLine("    void DoOpenFileL(const TFileName& aFileName);");
  if (s.doc_save_as) file.CodeLine("    void DoFileSaveToNewL(const TFileName& aNewFileName);");
  if (s.doc_revert) file.CodeLine("    void DoFileRevertL();");
  file.CodeLine("    TBool IsCurrentFileName(const TFileName& aFileName) const;");
  if (s.engine) file.CodeLine("  CEngine* Model() {return iModel;}");
  file.CodeLine("private:", "from CEikDocument");
  file.CodeLine("    CEikAppUi* CreateAppUiL();");
  file.CodeLine("private:", "from CApaDocument");
  if (s.doc_store_restore) {
    Lines(file, {"    void StoreL(CStreamStore& aStore,CStreamDictionary& aStreamDic) const;",
                 "    void RestoreL(const CStreamStore& aStore,const CStreamDictionary& aStreamDic);"});
  }
  if (s.engine) file.CodeLine("  CEngine* iModel;");
  file.CodeLine("  };");
  file.BlankLine();
  file.CodeLine("#endif", "End of Preprocessor Wrapper (__" + name + "_DOC_H)");

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

void GenerateDocSource(BuildContext& context, const std::string& file_name, const std::string& directory,
                       const std::string& name) {
  const Settings& s = context.settings;
  const std::string doc = "C" + name + "Document";
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "GUI", 4);
  file.FileHeader(file_name);
  file.BlankLine();
  DocumentBox(file, "C" + name + "Doc (implementation)", name);
  SectionBanner(file, "Include Header Files");

  if (s.doc_new_file) {
    file.CodeLine("#include <eikproc.h>", "For CEikProcess");
    file.CodeLine("#include <s32file.h>", "For CFileStore");
  }
  file.BlankLine();
  file.CodeLine(IncludeLine("Doc.h"), "Class Definition");
  file.CodeLine(IncludeLine("App.h"), "Class Definition & KUid" + name + "App");
  file.CodeLine(IncludeLine("AppUI.h"), "Class Definition");
  file.BlankLine();

  Lines(file, {doc + "::" + doc + "(CEikApplication& aApp): CEikDocument(aApp)", "{", "}"});
  file.BlankLine();

  FunctionSeparator(file, {"// The document requires two-phase construction because it",
                           "// owns the model (CEngine) and therefore has to allocate ",
                           "// memory for it."});
  Lines(file, {doc + "* " + doc + "::NewL(CEikApplication& aApp)",
               "{",
               "    " + doc + "* self=new (ELeave) " + doc + "(aApp);"});
  file.BlankLine();
  Lines(file, {"    CleanupStack::PushL(self);",
               "    self->ConstructL();",
               "    self->ResetModelL();",
               "    CleanupStack::Pop();",
               "    return self;",
               "}"});
  file.BlankLine();

  file.DoubleRule();
  file.DoubleRule();
  Lines(file, {"void " + doc + "::ConstructL()", "{"});
  if (s.engine) file.CodeLine("    iModel = new (ELeave) CEngine;");
  file.CodeLine("}");
  file.BlankLine();

  FunctionSeparator(file, {"// All resources allocated in ConstructL() must be released in ", "// the destructor."});
  Lines(file, {doc + "::~" + doc + "()", "{"});
  if (s.engine) file.CodeLine("    delete iModel;");
  file.CodeLine("}");
  file.BlankLine();

  file.DoubleRule();
  file.DoubleRule();
  Lines(file, {"void " + doc + "::ResetModelL()", "{"});
  if (s.engine) file.CodeLine("    iModel->Reset();");
  file.CodeLine("}");
  file.BlankLine();

  Lines(file, {"CEikAppUi *" + doc + "::CreateAppUiL()", "{", "    return new(ELeave) C" + name + "AppUi;", "}"});
  file.BlankLine();
  Lines(file, {"TBool " + doc + "::IsCurrentFileName(const TFileName& aFileName)const",
               "{",
               "    return (aFileName==Process()->MainDocFileName());",
               "}"});

  // The restore and store bodies name CEngine and iModel even without the
  // engine template, as the example sources have them.
  if (s.doc_store_restore) StoreAndRestore(file, name);
  if (s.doc_new_file) NewFile(file, name);
  if (s.doc_open_file) OpenFile(file, name);
  if (s.doc_save_as) SaveToNew(file, name);
  if (s.doc_revert) Revert(file, name);

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

}  // namespace kelvad
