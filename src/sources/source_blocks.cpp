#include "sources/source_blocks.h"

namespace kelvad {

std::string IncludeLine(std::string_view file) { return "#include \"" + std::string(file) + "\""; }

void DescriptionBox(OutputFile& file, std::string_view title, std::string_view name,
                    std::initializer_list<std::string_view> body) {
  file.StarRule();
  file.BoxedComment(title);
  file.BoxedComment("");
  file.BoxedComment("This is part of the C Code which is compiled and linked to become");
  file.BoxedComment(std::string(name) + ".app");
  file.BoxedComment("");
  for (std::string_view line : body) file.BoxedComment(line);
  file.StarRule();
}

void SectionBanner(OutputFile& file, std::string_view title) {
  file.BlankLine();
  file.StarRule();
  file.BoxedComment(title);
  file.StarRule();
  file.BlankLine();
}

void AppUiBox(OutputFile& file, std::string_view title, std::string_view owner, std::string_view name) {
  DescriptionBox(file, title, name,
                 {"The application user interface is what you would normally think of",
                  "as the application itself. It owns the user interface elements and",
                  "handles commands which come from them. The " + std::string(owner) + " has a",
                  "HandleCommandL() function for handling commands and also has a",
                  "C" + std::string(name) + "AppView* iAppView which is the application\u2019s main view."});
}

void WriteMethodBanner(OutputFile& file, const MethodBanner& banner) {
  if (banner.opening_blank) file.BlankLine();
  file.DoubleRule();
  file.BoxedComment("");
  file.BoxedComment(banner.title);
  file.BoxedComment(std::string(banner.underline, '='));
  file.BoxedComment("");
  if (banner.lines.size() > 0) {
    for (std::string_view line : banner.lines) file.BoxedComment(line);
    file.BoxedComment("");
  }
  file.DoubleRule();
  if (banner.closing_blank) file.BlankLine();
}

void FunctionSeparator(OutputFile& file, std::initializer_list<std::string_view> lines) {
  file.DoubleRule();
  Lines(file, lines);
  file.DoubleRule();
}

void BlockOpener(OutputFile& file) {
  file.BlankLine();
  file.DoubleRule();
  file.DoubleRule();
  file.BlankLine();
}

void Lines(OutputFile& file, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) file.CodeLine(line);
}

void InfoLine(OutputFile& file, std::string_view text) {
  file.CodeLine("      iEikonEnv->InfoMsg(_L(\"" + std::string(text) + "\"));");
}

void StringArgumentLine(OutputFile& file, std::string_view text, std::string_view ending) {
  file.CodeLine("             _L(\"" + std::string(text) + "\"" + std::string(ending));
}

}  // namespace kelvad
