#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/output_file.h"

namespace kelvad {

// Comment blocks and line forms that recur across the GUI sources. Every
// line goes through the counted line writers.

// "#include " + the file name in double quotes.
std::string IncludeLine(std::string_view file);

// A description box: a star rule, the title, an empty box, the two lines
// naming the application "{name}.app", an empty box, the body (an empty
// text stands for an empty box), a star rule.
void DescriptionBox(OutputFile& file, std::string_view title, std::string_view name,
                    std::initializer_list<std::string_view> body);

// A blank line, a star rule, the boxed title, a star rule, a blank line.
void SectionBanner(OutputFile& file, std::string_view title);

// The description box of the user interface and requester sources; `owner`
// names the class that "has a HandleCommandL() function".
void AppUiBox(OutputFile& file, std::string_view title, std::string_view owner, std::string_view name);

// A method banner: a blank line (unless left out), a double rule, an empty
// box, the title and its underline of `underline` "=" characters, an empty
// box, the description lines followed by an empty box when there are any,
// a double rule and a blank line (unless left out).
struct MethodBanner {
  std::string_view title;
  int underline;
  std::initializer_list<std::string_view> lines = {};
  bool opening_blank = true;
  bool closing_blank = true;
};
void WriteMethodBanner(OutputFile& file, const MethodBanner& banner);

// A double rule, the given comment lines as plain lines, a double rule.
void FunctionSeparator(OutputFile& file, std::initializer_list<std::string_view> lines);

// A blank line, two double rules, a blank line.
void BlockOpener(OutputFile& file);

// Writes each text as a plain counted line.
void Lines(OutputFile& file, std::initializer_list<std::string_view> lines);

// "      iEikonEnv->InfoMsg(_L("T"));"
void InfoLine(OutputFile& file, std::string_view text);

// "             _L("T" followed by the ending, which closes the bracket.
void StringArgumentLine(OutputFile& file, std::string_view text, std::string_view ending);

}  // namespace kelvad
