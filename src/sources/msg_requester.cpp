#include "sources/msg_requester.h"

#include "model/output_file.h"
#include "sources/source_blocks.h"

// The requester files are written without the output file writer: they get
// no tree node and no report lines, and their lines add to whatever the
// shared counter holds.

namespace kelvad {

void GenerateMsgIReqHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                           const std::string& name) {
  OutputFile file(context, directory + "\\" + file_name);
  file.FileHeader(file_name);
  file.StarRule();
  file.StarRule();
  file.BlankLine();

  file.CodeLine("#ifndef __" + name + "_MSGIReq_H", "Start of Preprocessor Wrapper");
  file.CodeLine("#define __" + name + "_MSGIReq_H", "Define");
  file.BlankLine();
  file.CodeLine("#include <eikappui.h>", "EIKON CEikAppUi Class Def");
  file.CodeLine("#include <msgicli.h>", "EPOC32 MsgI interface");
  file.BlankLine();
  file.CodeLine(IncludeLine("appview.h"), name + " AppUi ClassDef");
  file.CodeLine(IncludeLine("doc.h"), name + " Doc ClassDef");
  file.BlankLine();

  // The example as it stands: the class is declared as C{Name}Requester
  // while its constructor and the other sources say C{Name}MsgIReq, and the
  // last member has no semicolon.
  Lines(file, {"//",
               "// class C" + name + "MsgIReq, example requester class code",
               "//",
               "class C" + name + "Requester: Public CActive",
               "{",
               "public:",
               "// construct/destruct",
               "  C" + name + "MsgIReq( C" + name + "AppUi* aAppUi ) ;",
               "  void ConstructL() ;",
               "  ~C" + name + "Requester() ;",
               "  // functions to be passed on to CMsgIRequester",
               "  void SendToOutboxL( TUid aType, const TDesC& aTo,",
               "              const TDesC& aSubject, const TDesC& aText ) ;",
               "  void EditL(TUid aType,const TDesC& aTo,const TDesC& aSubject,const TDesC& aText);",
               "  void ReceiveL(TUid aType);",
               "  void NewFaxL(const TDesC& aFaxImageFile);",
               "private:",
               "    // active object stuff, completion and cancel callback functions",
               "    void RunL() ;",
               "    void DoCancel() ;",
               "private:"});
  file.CodeLine("    CMsgIRequest* iRequest;", "API call instance");
  file.CodeLine("    C" + name + "AppUi* iAppUi", "owning AppUi");
  file.CodeLine("};");
  file.BlankLine();
  file.CodeLine("#endif", "End of Preprocessor Wrapper (__" + name + "_MSGIReq_H)");

  file.FileEnd(file_name);
  file.Close();
}

void GenerateMsgIReqSource(BuildContext& context, const std::string& file_name, const std::string& directory,
                           const std::string& name) {
  const std::string req = "C" + name + "MsgIReq";
  OutputFile file(context, directory + "\\" + file_name);
  file.FileHeader(file_name);
  file.BlankLine();
  AppUiBox(file, req + " (implementation)", "C...AppUi", name);
  SectionBanner(file, "Include Header Files");

  Lines(file, {"//",
               "// cover the CMsgIRequester functions",
               "//",
               "//",
               "// requester constructor, destructor",
               "//",
               "// initialise active object with priority 0 argument",
               req + "::" + req + "(CExampleAppUi * aAppUi)",
               ": CActive (0), iAppUi(aAppUi)",
               "{"});
  file.CodeLine("    CActiveScheduler::Add(this);", "Add Active Object to Active Scheduler");
  file.CodeLine("}");
  file.BlankLine();

  Lines(file, {"//",
               "// send",
               "//",
               "void " + req + "::SendToOutboxL( TUid aType,",
               "                       const TDesC& aTo,",
               "                       const TDesC& aSubject,",
               "                       const TDesC& aText )",
               "{",
               "    // iStatus is system provided by active object mechanism",
               "    iRequest->SendToOutboxL( aType, aTo, aSubject, aText, iStatus );",
               "    SetActive();",
               "}"});
  file.BlankLine();

  Lines(file, {"//",
               "// edit",
               "//",
               "void " + req + "::EditL(TUid aType, const TDesC& aTo, const TDesC& aSubject,",
               "const TDesC& aText )",
               "{",
               "    // iStatus is system provided by active object mechanism",
               "    iRequest->EditL( aType, aTo, aSubject, aText, iStatus );",
               "    SetActive();",
               "}"});
  file.BlankLine();

  Lines(file, {"//",
               "// receive",
               "//",
               "void " + req + "::ReceiveL(TUid aType )",
               "{",
               "  // iStatus is system provided by active object mechanism",
               "  iRequest->ReceiveL( aType, iStatus );",
               "  SetActive();",
               "}"});
  file.BlankLine();

  Lines(file, {"//",
               "// new fax",
               "//",
               "void " + req + "::NewFaxL(const TDesC& aFaxImageFile)",
               "{",
               "    // iStatus is system provided by active object mechanism",
               "    iRequest->NewFaxL( aFaxImageFile, iStatus );",
               "    SetActive();",
               "}"});
  file.BlankLine();

  Lines(file, {"// completion and cancellation call back",
               "void " + req + "::RunL()",
               "{",
               "    iAppUi->ShowStatus ( iStatus ) ;",
               "}"});
  file.BlankLine();

  Lines(file, {"void " + req + "::DoCancel()",
               "{",
               "    iRequest->Cancel(); // pass on cancellation request",
               "}"});
  file.BlankLine();
  file.BlankLine();

  file.FileEnd(file_name);
  file.Close();
}

}  // namespace kelvad
