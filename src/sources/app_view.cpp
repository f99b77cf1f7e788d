#include "sources/app_view.h"

#include "model/output_file.h"
#include "sources/source_blocks.h"

namespace kelvad {

namespace {

void ViewBox(OutputFile& file, const std::string& title, const std::string& name) {
  DescriptionBox(file, title, name, {"This class is an interface to the Control", ""});
}

}  // namespace

void GenerateAppViewHeader(BuildContext& context, const std::string& file_name, const std::string& directory,
                           const std::string& name) {
  const Settings& s = context.settings;
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "INC", 5);
  file.FileHeader(file_name);
  ViewBox(file, "C" + name + "AppView (declaration)", name);
  file.BlankLine();

  file.CodeLine("#ifndef __" + name + "_APPVIEW_H", "Start of Preprocessor Wrapper");
  file.CodeLine("#define __" + name + "_APPVIEW_H", "Define");
  file.BlankLine();
  file.CodeLine("#include <eikappui.h>", "EIKON CEikAppUi Class Def");
  file.CodeLine("#include <coecntrl.h>", "EIKON CCoeControl Class Def");
  file.CodeLine("#include <coeccntx.h>", "EIKON MCoeControlBrushContext Class Def");
  file.BlankLine();
  if (s.engine) file.CodeLine(IncludeLine("engine.h"), name + " Engine Class Def");
  file.BlankLine();

  Lines(file, {"class C" + name + "AppView : public CCoeControl, public MCoeControlBrushContext", "{", "public:"});
  file.CodeLine(s.engine ? "    void ConstructL(const TRect& aRect, CEngine* aModel );"
                         : "    void ConstructL(const TRect& aRect);");
  // SetModel keeps its CEngine parameter without the engine template, as
  // the example has it.
  Lines(file, {"private: // from CCoeControl",
               "    void HandlePointerEventL(const TPointerEvent& aPointerEvent);",
               "    void Draw(const TRect& /*aRect*/) const;",
               "    void SetModel(CEngine * aModel);",
               "private:"});
  if (s.engine) file.CodeLine("    CEngine *iModel;");
  file.CodeLine("};");
  file.BlankLine();
  file.CodeLine("#endif", "End of Preprocessor Wrapper (__" + name + "_APPVIEW_H)");

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

void GenerateAppViewSource(BuildContext& context, const std::string& file_name, const std::string& directory,
                           const std::string& name) {
  const Settings& s = context.settings;
  const std::string view = "C" + name + "AppView";
  OutputFile file = OpenOutputFile(context, file_name, directory, true, "GUI", 4);
  file.FileHeader(file_name);
  file.BlankLine();
  ViewBox(file, view + " (implementation)", name);
  SectionBanner(file, "Include Header Files");
  file.CodeLine(IncludeLine("AppView.h"), "Class Definition");
  file.BlankLine();

  file.CodeLine(s.engine ? "void " + view + "::ConstructL(const TRect& aRect, CEngine* aModel )"
                         : "void " + view + "::ConstructL(const TRect& aRect)");
  file.CodeLine("{");
  if (s.engine) file.CodeLine("    iModel=aModel;");
  Lines(file, {"    CreateWindowL();", "    SetRectL(aRect);", "    ActivateL();", "}"});
  file.BlankLine();

  Lines(file, {"void " + view + "::Draw(const TRect& /*aRect*/) const", "{", "    CWindowGc& gc = SystemGc();"});
  file.BlankLine();
  file.CodeLine("    gc.Clear();", "Clear the application view");
  file.BlankLine();
  Lines(file, {"    // Draw a rectangle round the edge of the application view.",
               "    TRect drawRect=Rect();",
               "    drawRect.Shrink(10,10);",
               "    gc.DrawRect(drawRect);",
               "}"});
  file.BlankLine();

  Lines(file, {"// This function is called when the user taps the screen in the application view.",
               "void " + view + "::HandlePointerEventL(const TPointerEvent& /* aPointerEvent */)",
               "{",
               "}"});
  file.BlankLine();

  Lines(file, {"void " + view + ":: SetModel (CEngine * aModel)",
               "{",
               "    // Called by HandleModelChangeL().",
               "    // Updates the pointers to the model in the application view,",
               "    // the view, and the control.",
               "    iModel=aModel;",
               "}"});

  file.FileEnd(file_name);
  CloseOutputFile(file);
}

}  // namespace kelvad
