#include "sources/app.h"

#include "model/output_file.h"
#include "sources/source_blocks.h"

namespace kelvad {

namespace {

void ApplicationBox(OutputFile& file, const std::string& title, const std::string& name) {
  DescriptionBox(file, title, name,
                 {"The application represents the basic properties of the application. It",
                  "implements the two functions that are absolutely required: one returns",
                  "the application\u2019s UID, and the other creates a document.", ""});
}

// The star-ruled box that introduces one exported function.
void FunctionBox(OutputFile& file, std::string_view title, std::string_view description) {
  file.StarRule();
  file.BoxedComment(title);
  file.BoxedComment("");
  file.BoxedComment(description);
  file.StarRule();
  file.BlankLine();
}

}  // namespace

void GenerateMainSource(BuildContext& context, const std::string& file_name, const std::string& directory,
                        const std::string& name) {
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "GUI", 4);
  file.FileHeader(file_name);

  file.BlankLine();
  DescriptionBox(file, "Main Application Entry Point (implementation)", name, {});
  file.BlankLine();

  file.StarRule();
  file.BoxedComment("Include Header Files");
  file.StarRule();
  file.BlankLine();
  file.CodeLine(IncludeLine("app.h"), name + " Application Class Def");

  SectionBanner(file, "EXPORTed Functions");

  FunctionBox(file, "NewApplication()", "This function starts our application");
  file.Direct("EXPORT_C CApaApplication *NewApplication()");
  file.Direct("{");
  file.Direct("    return(new C" + name + "Application);");
  file.Direct("}");

  file.BlankLine();
  FunctionBox(file, "E32Dll()", "This function is required in all EPOC32 DLLs");
  file.Direct("GLDEF_C TInt E32Dll(TDllReason)");
  file.Direct("{");
  file.Direct("    return(KErrNone);");
  file.Direct("}");

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

void GenerateAppHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                       const std::string& name) {
  const Settings& s = context.settings;
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "INC", 5);
  file.FileHeader(file_name);
  file.BlankLine();
  file.BlankLine();
  ApplicationBox(file, "C" + name + "Application (declaration)", name);
  file.BlankLine();

  file.CodeLine("#ifndef __" + name + "_APP_H", "Start of Preprocessor Wrapper");
  file.CodeLine("#define __" + name + "_APP_H", "Define");
  file.BlankLine();
  file.CodeLine("#include <eikapp.h>", "EPOC CEikApplication Class Def");
  file.BlankLine();

  // The UIDs go in as typed: the wizard validates them, not the generator.
  Lines(file, {"#if defined(_UNICODE)",
               "const TUid KUid" + name + "App = { " + s.gui_unicode_uid + " } ;",
               "#else",
               "const TUid KUid" + name + "App = { " + s.gui_uid + " } ;",
               "#endif"});
  file.BlankLine();

  Lines(file, {"class C" + name + "Application : public CEikApplication", "{"});
  file.CodeLine("private:", "from CApaApplication");
  Lines(file, {"    CApaDocument* CreateDocumentL();", "    TUid AppDllUid() const;", "};"});
  file.BlankLine();
  file.CodeLine("#endif", "End of Preprocessor Wrapper (__" + name + "_APP_H)");

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

void GenerateAppSource(BuildContext& context, const std::string& file_name, const std::string& directory,
                       const std::string& name) {
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "GUI", 4);
  file.FileHeader(file_name);
  file.BlankLine();
  ApplicationBox(file, "C" + name + "App (implementation)", name);
  SectionBanner(file, "Include Header Files");

  file.CodeLine("#include <eikapp.h>", "For C" + name + "Document");
  file.BlankLine();
  file.CodeLine(IncludeLine("Doc.h"), "Doc Class Definition");
  file.CodeLine(IncludeLine("App.h"), "App Class Definition");
  file.BlankLine();

  const std::string slashes(78, '/');
  file.Direct(slashes);
  file.Direct("//");
  file.Direct("// -----> C" + name + "Application (implementation)");
  file.Direct("//");
  file.Direct(slashes);
  file.BlankLine();

  Lines(file, {"TUid C" + name + "Application::AppDllUid() const",
               "{",
               "    return KUid" + name + "App;",
               "}"});
  file.BlankLine();
  Lines(file, {"CApaDocument* C" + name + "Application::CreateDocumentL()",
               "{",
               "    // Construct the document using its NewL() function, rather ",
               "    // than using new(ELeave), because it requires two-phase",
               "    // construction."});
  file.BlankLine();
  Lines(file, {"    return C" + name + "Document::NewL(*this);", "}"});

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

}  // namespace kelvad
