#include "sources/app_ui.h"

#include "model/output_file.h"
#include "resources/ansi_case.h"
#include "resources/command_model.h"
#include "resources/command_panels.h"
#include "sources/source_blocks.h"

namespace kelvad {

namespace {

// The busy test that opens every messaging case.
void BusyTest(OutputFile& file) {
  Lines(file, {"      // busy message if requester is already active", "      if ( iRequester->iStatus == KRequestPending ) {"});
}

void SetInitialPath(OutputFile& file, const std::string& ui, const std::string& name) {
  WriteMethodBanner(file, {.title = "SetInitialPathL()",
                           .underline = 17,
                           .lines = {"Checks that the initial path exists, creating it if not",
                                     "if the path was read-only a default is used instead"}});
  Lines(file, {"void " + ui + "::SetInitialPathL(TFileName& aFileName) const",
               "{",
               "    aFileName=CurrentFilePath();",
               "    TRAPD(ret,ConeUtils::EnsurePathExistsL(aFileName) );",
               "    if (ret!=KErrNone)",
               "    {",
               "        // if the path is eg read-only default to C:",
               "        aFileName=K" + name + "DefaultFilePath;",
               "        ConeUtils::EnsurePathExistsL(aFileName);",
               "    }",
               "}"});
}

void CurrentFilePath(OutputFile& file, const std::string& ui) {
  WriteMethodBanner(file, {.title = "CurrentFilePath()",
                           .underline = 17,
                           .lines = {"Used by SetInitialPathL()"},
                           .closing_blank = false});
  Lines(file, {"TFileName " + ui + "::CurrentFilePath() const",
               "{",
               "    TParsePtrC parser(Document()->Process()->MainDocFileName());",
               "    return parser.DriveAndPath();",
               "}"});
}

void NewFile(OutputFile& file, const std::string& ui, const std::string& name) {
  WriteMethodBanner(file, {.title = "CmdFileNewL()",
                           .underline = 13,
                           .lines = {"This method uses a dialog, which requires the header files:",
                                     "    <eikdialg.h> for CEikDialog",
                                     "    <eikcfdlg.h> for CEikFileSaveAsDialog",
                                     "This method also requires other methods:",
                                     "    SetInitialPathL(fileName)",
                                     "    CreateFileL(fileName)"}});
  Lines(file, {"void " + ui + "::CmdFileNewL()",
               "{",
               "    // Set an initial value for the folder to contain the new file",
               "    // Pass this to the dialog box to display in the 'Folder' field.",
               "    TFileName fileName;",
               "    SetInitialPathL(fileName);"});
  file.BlankLine();
  Lines(file, {"    // Launch a standard EIKON dialog for the user to enter a filename",
               "    // for the new file.",
               "    CEikDialog* dialog=new(ELeave) CEikFileSaveAsDialog(&fileName,NULL,R_EIK_TBUF_CREATE_NEW_FILE);"});
  file.BlankLine();
  Lines(file, {"    // Call CreateFileL() when the dialog returns a filename value",
               "    // Note: R_EIK_DIALOG_FILE_SAVEAS means that the dialog will request the user to",
               "    // confirm the action if the file already exists",
               "    if (dialog->ExecuteLD(R_EIK_DIALOG_FILE_SAVEAS))",
               "        CreateFileL(fileName);",
               "}"});

  WriteMethodBanner(file, {.title = "CreateFileL()", .underline = 13, .lines = {"This method is used by:", "    CmdFileNewL()"}});
  Lines(file, {"void " + ui + "::CreateFileL(TFileName& aFileName)", "{"});
  file.CodeLine("    SaveAnyChangesL();", "Save any changes to the current file before creating the new one");
  file.CodeLine("    STATIC_CAST(C" + name + "Document*,iDocument)->DoNewFileL(aFileName);",
                "Call the document function to create a new file");
  file.CodeLine("    HandleModelChangeL();", "Update the UI to reflect the changes");
  file.CodeLine("}");
}

void OpenFile(OutputFile& file, const std::string& ui, const std::string& name) {
  WriteMethodBanner(file, {.title = "CmdFileOpenL()",
                           .underline = 13,
                           .lines = {"This method uses a dialog, which requires the header files:",
                                     "    <eikdialg.h> for CEikDialog",
                                     "    <eikcfdlg.h> for CEikFileSaveAsDialog",
                                     "This method also requires other methods:",
                                     "    SetInitialPathL(fileName)",
                                     "    OpenFileL(fileName)"}});
  Lines(file, {"void " + ui + "::CmdFileOpenL()",
               "{",
               "    // Set an initial value for the folder to contain the new file",
               "    // Pass this to the dialog box to display in the 'Folder' field.",
               "    TFileName filename;",
               "    SetInitialPathL(filename);"});
  file.BlankLine();
  Lines(file, {"    // Launch a standard EIKON dialog for the user to enter a filename",
               "    CEikFileOpenDialog* dialog=new(ELeave) CEikFileOpenDialog(&filename);",
               "    dialog->RestrictToNativeDocumentFiles();"});
  file.BlankLine();
  Lines(file, {"    // If the dialog returns a filename, call OpenFileL() to open the file.",
               "    if (dialog->ExecuteLD(R_EIK_DIALOG_FILE_OPEN))",
               "        OpenFileL(filename);",
               "}"});
  file.BlankLine();

  WriteMethodBanner(file, {.title = "OpenFileL()", .underline = 13, .lines = {"This method is used by:", "    CmdFileOpenL()"}});
  Lines(file, {"void " + ui + "::OpenFileL(const TDesC& aFileName)", "{"});
  file.CodeLine("    SaveAnyChangesL();", "Save any changes to the current file before opening the other one");
  file.CodeLine("    STATIC_CAST(C" + name + "Document*,iDocument)->DoOpenFileL(aFileName);",
                "Call the document function to open a file");
  file.CodeLine("    HandleModelChangeL();", "Update the UI to reflect the changes");
  file.CodeLine("}");
}

void Save(OutputFile& file, const std::string& ui, const std::string& upper) {
  WriteMethodBanner(file, {.title = "CmdFileSaveL()", .underline = 14});
  Lines(file, {"void " + ui + "::CmdFileSaveL()",
               "{",
               "    // Should check here if document is read-only, before doing anything else",
               "    if (Document()->HasChanged())",
               "    {",
               "        SaveL();",
               "        if (!iContainerAppUi)",
               "            iEikonEnv->InfoMsg(R_EIK_TBUF_FILE_SAVED);",
               "    }",
               "    else",
               "    {",
               "        iEikonEnv->InfoMsg(R_" + upper + "_DOCUMENT_UNCHANGED);",
               "    }",
               "}"});
}

void SaveAs(OutputFile& file, const std::string& ui, const std::string& name) {
  const std::string document = "((C" + name + "Document*)Document())";
  WriteMethodBanner(file, {.title = "CmdFileSaveAsL()", .underline = 16});
  Lines(file, {"void " + ui + "::CmdFileSaveAsL()",
               "{",
               "    // Set an initial value for the folder to contain the file to save as.",
               "    // Pass this to the dialog box to display in the 'Folder' field.",
               "    TFileName fileName;",
               "    SetInitialPathL(fileName);"});
  file.BlankLine();
  Lines(file, {"    // Launch a standard EIKON dialog for the user to enter a filename",
               "    CEikDialog* dialog=new(ELeave) CEikFileSaveAsDialog(&fileName,NULL,NULL);"});
  file.BlankLine();
  Lines(file, {"    // ExecuteLD returns true only if the user entered a valid filename",
               "    // The R_EIK_DIALOG_FILE_SAVEAS parameter means the dialog will ask",
               "    // the user to verify an overwite if the file already exists.",
               "    if (dialog->ExecuteLD(R_EIK_DIALOG_FILE_SAVEAS))",
               "    {",
               "        // If the dialog returns a filename that is the same as",
               "        // the current file, we're really doing a 'Save', not a 'Save as'.",
               "        if (" + document + "->IsCurrentFileName(fileName))",
               "        {",
               "            CmdFileSaveL();",
               "            return;",
               "        }",
               "        // If the file already exists, delete it.",
               "        TEntry entry;",
               "        if (!iEikonEnv->FsSession().Entry(fileName,entry))",
               "            User::LeaveIfError(iEikonEnv->FsSession().Delete(fileName));"});
  file.BlankLine();
  file.CodeLine("        " + document + "->DoFileSaveToNewL(fileName);",
                "Call the document function to save to a new file");
  file.CodeLine("        iEikonEnv->InfoMsg(R_EIK_TBUF_FILE_SAVED);");
  file.CodeLine("        HandleModelChangeL();", "Update the UI to reflect the changes");
  Lines(file, {"    }", "}"});
}

void Revert(OutputFile& file, const std::string& ui, const std::string& name, const std::string& upper) {
  WriteMethodBanner(file, {.title = "CmdFileRevertL()", .underline = 16});
  Lines(file, {"void " + ui + "::CmdFileRevertL()",
               "{",
               "    if (Document()->HasChanged())",
               "    {",
               "        // Ask the user to confirm the file revert, because changes will be lost",
               "        if (iEikonEnv->QueryWinL(R_" + upper + "_REVERT_TITLE, R_" + upper + "_REVERT_TEXT))",
               "        {",
               "            ((C" + name + "Document*)Document())->DoFileRevertL();"});
  file.CodeLine("            HandleModelChangeL();", "Update the UI to reflect the changes");
  Lines(file, {"        }", "    }", "    else"});
  file.CodeLine("        iEikonEnv->InfoMsg(R_" + upper + "_DOCUMENT_UNCHANGED);",
                "Inform the user that the document was unchanged.");
  file.CodeLine("}");
}

void CommandLine(OutputFile& file, const std::string& ui) {
  WriteMethodBanner(file, {.title = "ProcessCommandParametersL()",
                           .underline = 27,
                           .lines = {"The application must implement ProcessCommandParametersL()",
                                     "in the app ui class. This is required when an application",
                                     "is started by selecting a file from the shell. It enables",
                                     "the name of the file to be passed to the application",
                                     "so that the application can open it at start-up."}});
  Lines(file, {"TBool " + ui +
                   "::ProcessCommandParametersL(TApaCommand aCommand,TFileName& aDocumentName,const TDesC& /*aTail*/)",
               "{",
               "    return CEikAppUi::ProcessCommandParametersL(aCommand,aDocumentName);",
               "}"});
}

void ModelChange(OutputFile& file, const std::string& ui, const std::string& name, bool full) {
  if (!full) {
    file.CodeLine("void " + ui + "::HandleModelChangeL()", "Required to ensure compilation");
    Lines(file, {"{", "}"});
    return;
  }
  WriteMethodBanner(file, {.title = "HandleModelChangeL()",
                           .underline = 20,
                           .lines = {"The application must set the current document file name",
                                     "at the top of the toolbar. For a file-based application",
                                     "this is done in " + ui + "::HandleModelChangeL() (defined",
                                     "by CEikAppUi). HandleModelChangeL() is called by the EIKON",
                                     "framework when the application is started. The application",
                                     "must also set the file name in the task list: this is also",
                                     "done in HandleModelChangeL()."}});
  Lines(file, {"void " + ui + "::HandleModelChangeL()", "{"});
  file.CodeLine("    iModel=((C" + name + "Document*)iDocument)->Model();", "Update the pointer to the model");
  file.CodeLine("    // iAppView->SetModel(iModel);", "Update other pointers to the model");
  file.CodeLine("    iAppView->DrawNow();", "Redraw the application view.");
  file.CodeLine("    iEikonEnv->UpdateTaskNameL();", "Update the file name in the task list to show the current file.");
  file.BlankLine();
  Lines(file, {"    // Display the current document file name on the toolbar.",
               "    // Get the label's control using its ID as defined in the resource file",
               "    CEikFileNameLabel* filenameLabel=STATIC_CAST(CEikFileNameLabel*, iToolBar->ControlById(E" + name +
                   "CmdFileName));"});
  file.BlankLine();
  Lines(file, {"    // CEikFileNameLabel::UpdateL() sets the label to display the application's",
               "    // main document file name. If the main document file name is empty, it sets",
               "    // the label to the application name.",
               "    filenameLabel->UpdateL();"});
  file.BlankLine();
  file.CodeLine("    filenameLabel->DrawNow();", "Redraw the label");
  file.CodeLine("}");
}

void OpenHelp(OutputFile& file, const std::string& ui) {
  WriteMethodBanner(file, {.title = "OpenHelpL()",
                           .underline = 11,
                           .lines = {"EIKON Applications should support the 'Help On XXX...'",
                                     "menu item. This function is based on code taken from the",
                                     "the EPOC C++ Knowledge Base, which is available to EPOC",
                                     "World Professional Members at Symbian's Epoc World Website"},
                           .opening_blank = false});
  Lines(file, {"void " + ui + "::OpenHelpL()", "{"});
  file.BlankLine();
  file.CodeLine("    // find the Apps's name and directory");
  file.BlankLine();

  Lines(file, {"    TFileName appName(Application()->AppFullName());",
               "    TParse parser;",
               "    User::LeaveIfError(parser.SetNoWild(_L(\".hlp\"),&appName, NULL));",
               "    TPtrC helpFile (parser.FullName());",
               "    if (! ConeUtils::FileExists(helpFile)) ",
               "        User::Leave(KErrNotFound);"});
  file.BlankLine();
  file.BlankLine();

  file.CodeLine("    // now check to see if it is open");
  file.BlankLine();
  file.BlankLine();

  Lines(file, {"    TPtrC helpFileName (parser.Name());",
               "    HBufC *caption = HBufC::NewLC(helpFileName.Length()+2);",
               "    caption->Des().Format(_L(\"- %S\"), &helpFileName);",
               "    TApaTaskList taskList (iEikonEnv->WsSession());",
               "    TInt numGroups = iEikonEnv->WsSession().NumWindowGroups(0);"});
  file.BlankLine();
  file.BlankLine();

  file.CodeLine("    // look through applist to see what we can find");
  file.BlankLine();

  Lines(file, {"    for (TInt index=0; index < numGroups; index++)",
               "    {",
               "        TApaTask *task= new (ELeave) TApaTask(taskList.FindByPos(index));",
               "        CleanupStack::PushL(task);",
               "        CApaWindowGroupName*",
               "                wgName=CApaWindowGroupName::NewLC(iEikonEnv->WsSession(),task->WgId());",
               "        TUid uid = wgName->AppUid();",
               "        TPtrC taskCaption = wgName->Caption();",
               "        TBool found = uid.iUid == 0x10000171 &&",
               "                taskCaption.FindF(*caption)>=0; // help app with the desired caption",
               "        if (found) ",
               "        {",
               "            task->BringToForeground();"});
  file.CodeLine("            CleanupStack::PopAndDestroy(3);", "wgName, task and caption");
  file.CodeLine("            return;", "exit procedure");
  file.CodeLine("        }");
  file.CodeLine("        CleanupStack::PopAndDestroy(2);", "wgName and task");
  file.CodeLine("    }");
  file.CodeLine("    CleanupStack::PopAndDestroy();", "caption");
  file.BlankLine();

  file.CodeLine("    // otherwise open using EikDll");
  file.BlankLine();
  file.CodeLine("    EikDll::StartDocL(helpFile);");
  file.CodeLine("    User::After(1000000);", "pause 1s");
  file.CodeLine("}");
}

}  // namespace

void GenerateAppUiHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                         const std::string& name) {
  const Settings& s = context.settings;
  const std::string ui = "C" + name + "AppUi";
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "INC", 5);
  file.FileHeader(file_name);
  AppUiBox(file, ui + " (declaration)", "CBossAppUi", name);
  file.StarRule();
  file.BlankLine();

  file.CodeLine("#ifndef __" + name + "_APPUI_H", "Start of Preprocessor Wrapper");
  file.CodeLine("#define __" + name + "_APPUI_H", "Define");
  file.BlankLine();
  file.CodeLine("#include <eikappui.h>", "EIKON CEikAppUi Class Def");
  file.BlankLine();
  if (s.engine) file.CodeLine(IncludeLine("engine.h"), name + " Engine Class Def");
  file.CodeLine(IncludeLine("appview.h"), name + " AppUi ClassDef");
  file.CodeLine(IncludeLine("doc.h"), name + " Doc ClassDef");
  if (s.messaging) file.CodeLine(IncludeLine("MsgI.h"), name + " MsgI ClassDef");
  file.BlankLine();
  file.CodeLine("#define K" + name + "DefaultFilePath _L(\"C:\\\\\")");
  file.BlankLine();

  Lines(file, {"class " + ui + " : public CEikAppUi", "{", "public:", "    void ConstructL();", "    ~" + ui + "();"});
  file.CodeLine("private:", "from CEikAppUi");
  if (s.doc_command_line) {
    file.CodeLine(
        "    TBool ProcessCommandParametersL(TApaCommand aCommand, TFileName& aDocumentName, const TDesC& /*aTail*/);");
  }
  Lines(file, {"    void HandleCommandL(TInt aCommand);", "    void HandleModelChangeL();"});
  if (s.doc_new_file) file.CodeLine("    void CmdFileNewL();");
  if (s.doc_open_file) file.CodeLine("    void CmdFileOpenL();");
  if (s.doc_save) file.CodeLine("    void CmdFileSaveL();");
  if (s.doc_save_as) file.CodeLine("    void CmdFileSaveAsL();");
  if (s.doc_revert) file.CodeLine("    void CmdFileRevertL();");
  if (s.doc_new_file) file.CodeLine("    void CreateFileL(TFileName& aFileName);");
  if (s.doc_open_file) file.CodeLine("    void OpenFileL(const TDesC& aFileName);");
  if (s.help_on) file.CodeLine("    void OpenHelpL(void);");
  // Declared with the class qualifier whatever the options, as the example
  // has them.
  Lines(file, {"private:",
               "    TFileName " + ui + "::CurrentFilePath() const;",
               "    void " + ui + "::SetInitialPathL(TFileName& aFileName) const;",
               "private:",
               "    C" + name + "AppView* iAppView;"});
  if (s.messaging) file.CodeLine("    C" + name + "MsgIReq* iMsgIReq;");
  if (s.engine) file.CodeLine("    CEngine *iModel;");
  file.CodeLine("    };");
  file.BlankLine();
  file.CodeLine("#endif", "End of Preprocessor Wrapper (__" + name + "_APPUI_H)");

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

void GenerateAppUiSource(BuildContext& context, const std::string& file_name, const std::string& directory,
                         const std::string& name) {
  const Settings& s = context.settings;
  const std::string ui = "C" + name + "AppUi";
  const std::string upper = UpperAnsi(name);
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "GUI", 4);
  file.FileHeader(file_name);
  file.BlankLine();
  AppUiBox(file, ui + " (implementation)", "C...AppUi", name);
  SectionBanner(file, "Include Header Files");

  file.CodeLine("#include <e32std.h>", "EPOC Standard Functions");
  file.CodeLine("#include <eikfnlab.h>", "For CEikFileNameLabel");
  file.CodeLine("#include <eiktbar.h>", "For CEikToolBar");
  file.CodeLine("#include <eikdialg.h>", "For CEikDialog");
  file.CodeLine("#include <eikcfdlg.h>", "For CEikFileSaveAsDialog");
  file.CodeLine("#include <eikenv.h>", "For iEikonEnv");
  if (s.help_on) {
    file.CodeLine("#include <eikapp.h>", "For CEikApp (so AppUi can get App* (used in OpenHelpL())");
    file.CodeLine("#include <eiksrv.h>", "For TApaTaskList (used in OpenHelpL())");
    file.CodeLine("#include <apgwgnam.h>", "For CApaWindowGroupName (used in OpenHelpL())");
    file.CodeLine("#include <eikdll.h>", "For EikDll (used in OpenHelpL())");
  }
  file.BlankLine();
  if (s.doc_new_file) file.CodeLine("#include <coeutils.h>", "For ConeUtils::EnsurePathExistsL()");
  file.BlankLine();
  file.CodeLine("#include <eikcmds.hrh>", "For EIKON Commands");
  file.BlankLine();
  file.CodeLine("#include <" + name + ".rsg>", name + " Compiled RSS Header File");
  file.CodeLine("#include <eikon.rsg>", "EIKON Compiled RSS Header File");
  file.BlankLine();
  file.CodeLine(IncludeLine("AppUi.h"), "Class Definition");
  file.CodeLine(IncludeLine(name + ".hrh"), "Enumerated Types");
  file.BlankLine();

  Lines(file, {"void " + ui + "::ConstructL()", "{", "    BaseConstructL();"});
  if (s.engine) file.CodeLine("    iModel=((C" + name + "Document*)iDocument)->Model();");
  file.CodeLine("    iAppView=new(ELeave) C" + name + "AppView;");
  file.CodeLine(s.engine ? "    iAppView->ConstructL(ClientRect(), iModel);" : "    iAppView->ConstructL(ClientRect());");
  Lines(file, {"    CEikFileNameLabel* filenameLabel=STATIC_CAST(CEikFileNameLabel*, iToolBar->ControlById(E" + name +
                   "CmdFileName));",
               "    filenameLabel->UpdateL();"});
  if (s.messaging) {
    file.BlankLine();
    file.CodeLine("// These two lines added to support Messaging Integration");
    file.CodeLine("  iMsgIReq = new (ELeave) C" + name + "MsgIReq( this ) ;",
                  "Construct example requester as an active object, owned by AppUi");
    file.CodeLine("  iMsgIReq->ConstructL();", "Construct iMsgIReq object");
  }
  file.CodeLine("}");
  file.BlankLine();

  Lines(file, {ui + "::~" + ui + "()", "  {", "    delete iAppView;"});
  // The example deletes iRequester, a member the class does not have.
  if (s.messaging) file.CodeLine("    delete iRequester;", "Delete MsgI");
  file.CodeLine("  }");
  file.BlankLine();

  Lines(file, {"void " + ui + "::HandleCommandL(TInt aCommand)", "{", "    switch (aCommand)", "    {"});
  if (s.messaging) WriteMessagingCases(file);
  // Toolbar buttons first, in display order, then the menus' commands that
  // no button carries, in collection order: the same selection as the
  // resource script's placeholder text buffers.
  if (context.commands != nullptr) {
    const CommandModel& commands = *context.commands;
    for (const ToolbarButton& button : commands.toolbar) WriteCommandCase(file, button.command, name);
    for (const MenuItemRecord& item : commands.menu_items) {
      if (!HasToolbarButton(commands, item.command)) WriteCommandCase(file, item.command, name);
    }
  }
  Lines(file, {"    }", "}"});

  if (s.doc_new_file) SetInitialPath(file, ui, name);
  if (s.doc_new_file || s.doc_open_file) CurrentFilePath(file, ui);
  if (s.doc_new_file) NewFile(file, ui, name);
  if (s.doc_open_file) OpenFile(file, ui, name);
  if (s.doc_save) Save(file, ui, upper);
  if (s.doc_save_as) SaveAs(file, ui, name);
  if (s.doc_revert) Revert(file, ui, name, upper);
  if (s.doc_command_line) CommandLine(file, ui);
  ModelChange(file, ui, name, s.doc_command_line);
  if (s.help_on) OpenHelp(file, ui);

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

void WriteMessagingCases(OutputFile& file) {
  // Written as the example has them: "Case" labels, and identifiers that no
  // generated file defines.
  file.CodeLine("   Case EExampleCmdSend:");
  InfoLine(file, "Send A Message!");
  BusyTest(file);
  Lines(file, {"    ShowBusy () ;",
               "    break ;",
               "      }",
               "      // OKAY, all the hard work is done, stuff in some strings!!",
               "      iRequester->SendToOutboxL( KMsgTypeImailUid,"});
  StringArgumentLine(file, "To String", "),");
  StringArgumentLine(file, "Subject String", "),");
  StringArgumentLine(file, "Message String", ")) ;");
  Lines(file, {"      break;", "      //"});

  file.CodeLine("    Case EExampleCmdReceive:");
  InfoLine(file, "Receive A Message!");
  BusyTest(file);
  Lines(file, {"    ShowBusy () ;",
               "    break;",
               "      }",
               "      iRequester->ReceiveL( KMsgTypeImailUid ) ;",
               "      break;",
               "      //"});

  file.CodeLine("    Case EExampleCmdEdit:");
  InfoLine(file, "Edit A Message!");
  BusyTest(file);
  Lines(file, {"    ShowBusy () ;", "    break;", "      }", "      iRequester->EditL( KMsgTypeImailUid,"});
  StringArgumentLine(file, "someone@example.com", "),");
  StringArgumentLine(file, "Messaging", "),");
  StringArgumentLine(file, "This message created by Edit New Message function", ")) ;");
  Lines(file, {"      break;", "      //"});

  file.CodeLine("    Case EExampleCmdNewFax:");
  InfoLine(file, "Send New Fax!");
  BusyTest(file);
  Lines(file, {"    ShowBusy () ;",
               "    break ;",
               "      }",
               "      // OKAY, all the hard work is done, stuff in some strings!!",
               "      iRequester->NewFaxL(_L(\"\")) ;",
               "      break;",
               "      //"});
}

void WriteCommandCase(OutputFile& file, const std::string& command_id, const std::string& name) {
  const Settings& s = file.context().settings;
  const std::string placeholder = "            iEikonEnv->InfoMsg(R_" + UpperAnsi(command_id) + "_TXT);";
  auto body = [&](bool option, std::initializer_list<std::string_view> lines) {
    if (option) {
      Lines(file, lines);
    } else {
      file.CodeLine(placeholder);
    }
  };

  if (command_id == "EEikCmdExit") {
    file.CodeLine("        case EEikCmdExit: ");
    file.CodeLine("            SaveL();", "EIKON Apps must call SaveL() before exiting.");
    file.CodeLine("            Exit();");
  } else if (command_id == "EEikCmdFileNew") {
    file.CodeLine("        case EEikCmdFileNew:", "Handle 'Create New File...'");
    body(s.doc_new_file, {"            CmdFileNewL();"});
  } else if (command_id == "EEikCmdFileSave") {
    file.CodeLine("        case EEikCmdFileSave: ");
    body(s.doc_save, {"            CmdFileSaveL();"});
  } else if (command_id == "EEikCmdFileSaveAs") {
    file.CodeLine("        case EEikCmdFileSaveAs: ");
    body(s.doc_save_as, {"            CmdFileSaveAsL();"});
  } else if (command_id == "EEikCmdFileRevert") {
    file.CodeLine("        case EEikCmdFileRevert: ");
    body(s.doc_revert, {"            CmdFileRevertL();"});
  } else if (command_id == "EEikCmdHelpAbout") {
    file.CodeLine("        case EEikCmdHelpAbout:");
    // The dialog resource is named for the project, not the command.
    body(s.help_about, {"            {",
                        "                CEikDialog* about = new (ELeave) CEikDialog();",
                        "                about->ExecuteLD(R_" + UpperAnsi(name) + "_ABOUT);",
                        "            }"});
  } else if (command_id == "EEikCmdHelpContents") {
    file.CodeLine("        case EEikCmdHelpContents:");
    body(s.help_on, {"            OpenHelpL();"});
  } else {
    file.CodeLine("        case " + command_id + ":");
    file.CodeLine(placeholder);
  }
  file.CodeLine("            break;");
}

}  // namespace kelvad
