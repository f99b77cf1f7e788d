#include "help/help_document.h"

#include <iomanip>
#include <sstream>

#include "platform/word_processor.h"

namespace kelvad {

const char* const kHelpDocumentFailure =
    "Kelvad encountered an error while creating the RTF File.\r"
    "The RTF file may not have been properly generated.";

namespace {

void Progress(BuildContext& context, int tabs, const std::string& text) {
  context.report.ReportPlain(std::string(static_cast<size_t>(tabs), '\t') + text);
}

// Our own writer can always quit; a foreign one that cannot is of no
// further concern once the document is given up.
void QuitQuietly(WordProcessor& word) {
  try {
    word.Quit();
  } catch (...) {
  }
}

std::tm Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

}  // namespace

std::string FormatHelpDate(const std::tm& date, const std::locale& locale) {
  std::ostringstream names;
  names.imbue(locale);
  names << std::put_time(&date, "%A, %b");
  // The numbers without the locale's digit grouping: "1999", never "1,999".
  return names.str() + " " + std::to_string(date.tm_mday) + " " + std::to_string(date.tm_year + 1900);
}

std::locale UserTimeLocale() {
  try {
    return std::locale(std::locale::classic(), std::locale(""), std::locale::time);
  } catch (const std::exception&) {
    return std::locale::classic();
  }
}

void GenerateHelpDocument(BuildContext& context, const std::string& rtf_path) {
  GenerateHelpDocument(context, rtf_path, FormatHelpDate(Today(), UserTimeLocale()));
}

void GenerateHelpDocument(BuildContext& context, const std::string& rtf_path, const std::string& date_text) {
  const std::string& name = context.settings.name;
  context.report.ReportLabelValue("Generating File:", name + ".rtf");
  RtfWordProcessor own(context.drives);
  WordProcessor& word = context.word ? *context.word : own;
  bool started = false;
  try {
    Progress(context, 1, "Opening Microsoft Word...");
    if (!word.Start()) {
      Progress(context, 2, "Error opening Microsoft Word - Help File Generation aborted");
      return;
    }
    started = true;
    Progress(context, 2, "Microsoft Word opened OK");
    Progress(context, 1, "Opening EPOC Help Document Template...");
    if (!word.NewDocument(context.help_template)) {
      Progress(context, 2, "Error opening EPOC Document Template - Help File Generation aborted");
      QuitQuietly(word);
      return;
    }
    Progress(context, 2, "Template opened OK");
    Progress(context, 1, "Generating Text...");
    // Whatever the template held gives way to the generated text.
    word.ClearDocument();

    Progress(context, 1, "Writing Comment Section");
    word.SetStyle("Comment");
    word.TypeText("Author: Kelvad");
    word.NewParagraph();
    word.TypeText("Date: " + date_text);
    word.NewParagraph();
    word.TypeText("Version: 1.0");
    word.NewParagraph();

    Progress(context, 1, "Writing Application Title");
    word.SetStyle("Heading 1");
    word.TypeText(name);
    word.NewParagraph();

    Progress(context, 1, "Writing Example Topic");
    word.SetStyle("Heading 2");
    word.TypeText("topic 1");
    word.NewParagraph();

    Progress(context, 1, "Saving RTF File...");
    word.SaveAsRtf(rtf_path);
    Progress(context, 2, "RTF File Saved OK");

    Progress(context, 1, "Closing Microsoft Word");
    started = false;
    word.Quit();
  } catch (const std::exception& e) {
    std::string detail = e.what();
    try {
      Progress(context, 3, "Unexpected Error!");
      if (started) QuitQuietly(word);
      if (context.warn) context.warn("Kelvad", kHelpDocumentFailure, detail);
    } catch (...) {
    }
  }
}

}  // namespace kelvad
