#include <gtest/gtest.h>

#include <algorithm>
#include <locale>

#include "help/help_document.h"
#include "platform/errors.h"
#include "platform/word_processor.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;
using Lines = std::vector<std::string>;

const char* const kTemplate = "c:\\Aleppo\\Template\\EPOCHELP.DOT";
const char* const kRtf = "c:\\ProjectX\\help\\documents\\ProjectX.rtf";

// A build whose project has its help documents directory and whose help
// template was found.
struct HelpBuild : TestBuild {
  HelpBuild() {
    MakeProjectDirectories({"\\Help", "\\Help\\Documents"});
    fs.MakeDirectories("/c/Aleppo/Template");
    drives.WriteFile(kTemplate, "a Word template");
    context.help_template = kTemplate;
    context.warn = [this](const std::string& title, const std::string& text, const std::string& detail) {
      warnings.push_back({title, text, detail});
    };
  }
  void Generate() { GenerateHelpDocument(context, kRtf, "Friday, Mar 5 1999"); }
  // The report lines from "Generating File:" on.
  Lines DocumentLines() const {
    const Lines& lines = report.Lines();
    return Lines(std::find_if(lines.begin(), lines.end(),
                              [](const std::string& l) { return l.rfind("Generating File:", 0) == 0; }),
                 lines.end());
  }
  std::vector<Lines> warnings;  // title, text, detail
};

// Stands in for a word processor, failing at the first call that starts
// with `fail`: refusing the two it may refuse, throwing from the others.
struct FailingWordProcessor : WordProcessor {
  explicit FailingWordProcessor(std::string fail) : fail(std::move(fail)) {}
  bool Call(const std::string& call) { return calls.push_back(call), call.rfind(fail, 0) != 0; }
  void Throwing(const std::string& call) { Call(call) ? void() : throw Error("no " + call); }
  bool Start() override { return Call("Start"); }
  bool NewDocument(const std::string& path) override { return Call("NewDocument " + path); }
  void ClearDocument() override { Throwing("ClearDocument"); }
  void SetStyle(const std::string& name) override { Throwing("SetStyle " + name); }
  void TypeText(const std::string& text) override { Throwing("TypeText " + text); }
  void NewParagraph() override { Throwing("NewParagraph"); }
  void SaveAsRtf(const std::string& path) override { Throwing("SaveAsRtf " + path); }
  void Quit() override { calls.push_back("Quit"); }
  std::string fail;
  Lines calls;
};

// The report lines of a document written to the end.
const Lines kSuccessLines = {"Generating File: ProjectX.rtf", "\tOpening Microsoft Word...",
                             "\t\tMicrosoft Word opened OK", "\tOpening EPOC Help Document Template...",
                             "\t\tTemplate opened OK", "\tGenerating Text...", "\tWriting Comment Section",
                             "\tWriting Application Title", "\tWriting Example Topic", "\tSaving RTF File...",
                             "\t\tRTF File Saved OK", "\tClosing Microsoft Word"};

// An old document is replaced, not through the output file writer: no tree
// node, no line count. The report's value is the file name alone, in italics.
TEST(HelpDocument, ReplacesAnOldDocumentWithTheGoldenAndReportsEveryStage) {
  HelpBuild build;
  build.drives.WriteFile(kRtf, std::string(5000, 'x'));
  build.Generate();
  EXPECT_EQ(testing::Visible(build.Bytes(kRtf)), testing::Visible(testing::Golden("help/ProjectX.rtf")));
  EXPECT_EQ(build.DocumentLines(), kSuccessLines);
  EXPECT_NE(build.report.Document().find("{ Generating File:} {\\i ProjectX.rtf}\r\n\\par "), std::string::npos);
  EXPECT_EQ(build.tree.size(), 0u);
  EXPECT_EQ(build.context.lines_written, 0);
  EXPECT_TRUE(build.warnings.empty());
}

// Failing at each stage: the report stops there, only a failure once the
// text has begun warns, nothing is asked after it, and a started word
// processor is always quit. (The word processor's own refusals of a
// missing or unreadable template are checked with it.)
TEST(HelpDocument, WordProcessorFailingAtEachStage) {
  struct Case {
    const char* fail;
    size_t lines;  // of kSuccessLines, before the failure's
    const char* last;
    size_t calls;  // asked, the failing one included, before the quit
    std::string warning;
  };
  const Case cases[] = {
      {"Start", 2, "\t\tError opening Microsoft Word - Help File Generation aborted", 1, ""},
      {"NewDocument", 4, "\t\tError opening EPOC Document Template - Help File Generation aborted", 2, ""},
      {"SaveAsRtf", 10, "\t\t\tUnexpected Error!", 17, std::string("no SaveAsRtf ") + kRtf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fail);
    HelpBuild build;
    FailingWordProcessor word(c.fail);
    build.context.word = &word;
    build.Generate();
    Lines lines(kSuccessLines.begin(), kSuccessLines.begin() + static_cast<long>(c.lines));
    lines.push_back(c.last);
    EXPECT_EQ(build.DocumentLines(), lines);
    ASSERT_EQ(word.calls.size(), c.calls + (c.calls > 1));
    EXPECT_EQ(word.calls[c.calls - 1].rfind(c.fail, 0), 0u);
    EXPECT_EQ(word.calls.back() == "Quit", c.calls > 1);
    ASSERT_EQ(build.warnings.size(), c.warning.empty() ? 0u : 1u);
    if (!c.warning.empty()) EXPECT_EQ(build.warnings[0], (Lines{"Kelvad", kHelpDocumentFailure, c.warning}));
    EXPECT_FALSE(build.drives.Exists(kRtf));
  }
  // Without a warning hook a failure is still reported.
  HelpBuild build;
  build.context.warn = nullptr;
  build.fs.FailOn("ProjectX.rtf");
  EXPECT_NO_THROW(build.Generate());
  EXPECT_EQ(build.report.Lines().back(), "\t\t\tUnexpected Error!");
}

// Full weekday, short month, day without a leading zero; names from the
// locale (a German user's here), but numbers never grouped.
TEST(HelpDate, NamesComeFromTheLocaleButNumbersAreNeverGrouped) {
  std::tm date{};
  date.tm_year = 99, date.tm_mon = 2, date.tm_mday = 5, date.tm_wday = 5;
  EXPECT_EQ(FormatHelpDate(date, std::locale::classic()), "Friday, Mar 5 1999");
  EXPECT_NE(FormatHelpDate(date, UserTimeLocale()).find(" 5 1999"), std::string::npos);
  struct GermanNames : std::time_put<char> {
    iter_type do_put(iter_type out, std::ios_base&, char_type, const std::tm*, char format, char) const override {
      const std::string text = format == 'A' ? "Freitag" : format == 'b' ? "M\xC3\xA4r" : "?";
      return std::copy(text.begin(), text.end(), out);
    }
  };
  struct Grouped : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  std::locale german(std::locale(std::locale::classic(), new GermanNames), new Grouped);
  EXPECT_EQ(FormatHelpDate(date, german), "Freitag, M\xC3\xA4r 5 1999");
}

}  // namespace
}  // namespace kelvad
