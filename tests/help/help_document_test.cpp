#include <gtest/gtest.h>

#include <algorithm>
#include <locale>
#include <string>
#include <vector>

#include "help/help_document.h"
#include "platform/errors.h"
#include "platform/rtf_text.h"
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
    drives.MakeDirectory("c:\\Aleppo");
    drives.MakeDirectory("c:\\Aleppo\\Template");
    drives.WriteFile(kTemplate, "a Word template");
    context.help_template = kTemplate;
    context.warn = [this](const std::string& title, const std::string& text, const std::string& detail) {
      warnings.push_back({title, text, detail});
    };
  }
  void Generate(const std::string& path = kRtf) { GenerateHelpDocument(context, path, "Friday, Mar 5 1999"); }
  // The report lines from "Generating File:" on.
  Lines DocumentLines() const {
    const Lines& lines = report.Lines();
    auto first = std::find_if(lines.begin(), lines.end(),
                              [](const std::string& l) { return l.rfind("Generating File:", 0) == 0; });
    return Lines(first, lines.end());
  }
  std::vector<Lines> warnings;  // title, text, detail
};

// Stands in for a word processor, failing at the first call that starts
// with `fail`.
struct FailingWordProcessor : WordProcessor {
  explicit FailingWordProcessor(std::string fail) : fail(std::move(fail)) {}
  bool Call(const std::string& call) { return calls.push_back(call), call.rfind(fail, 0) != 0; }
  void Throwing(const std::string& call) {
    if (!Call(call)) throw Error("no " + call);
  }
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

const char* const kTemplateAborted = "\t\tError opening EPOC Document Template - Help File Generation aborted";

// The first lines of a success, then the line of the failure.
Lines FailedAfter(size_t lines, const std::string& last) {
  Lines out(kSuccessLines.begin(), kSuccessLines.begin() + lines);
  out.push_back(last);
  return out;
}

// Each line of the golden checked by hand: the style sheet names the three
// styles of the template and Normal, and the body has the five paragraphs
// and the document's last, empty paragraph mark.
TEST(HelpDocument, ReplacesAnOldDocumentWithTheGoldenAndReportsEveryStage) {
  HelpBuild build;
  build.drives.WriteFile(kRtf, std::string(5000, 'x'));
  build.Generate();
  EXPECT_EQ(testing::Visible(build.Bytes(kRtf)), testing::Visible(testing::Golden("help/ProjectX.rtf")));
  EXPECT_EQ(build.DocumentLines(), kSuccessLines);
  // The value is the file name alone, in italics.
  EXPECT_NE(build.report.Document().find("{ Generating File:} {\\i ProjectX.rtf}\r\n\\par "), std::string::npos);
  // Not written through the output file writer: no tree node, no line count.
  EXPECT_EQ(build.tree.size(), 0u);
  EXPECT_EQ(build.context.lines_written, 0);
  EXPECT_TRUE(build.warnings.empty());
}

TEST(HelpDocument, NameOutsideAsciiIsKeptInTheDocument) {
  HelpBuild build;
  build.settings.name = "Caf\xC3\xA9 \xE2\x82\xAC";  // "Café €"
  build.MakeProjectDirectories({"\\Help", "\\Help\\Documents"});
  const std::string path = "c:\\Caf\xC3\xA9 \xE2\x82\xAC\\help\\documents\\x.rtf";
  build.Generate(path);
  // Windows-1252 bytes for é and the euro sign, written as RTF escapes.
  EXPECT_NE(build.Bytes(path).find("Caf\\'e9 \\'80"), std::string::npos);
  RtfDocument doc = ReadRtf(build.Bytes(path));
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  EXPECT_EQ(doc.paragraphs[3].Text(), build.settings.name);
  EXPECT_EQ(doc.styles[doc.paragraphs[3].style], "Heading 1");
  EXPECT_EQ(build.DocumentLines().front(), "Generating File: " + build.settings.name + ".rtf");
}

// Without a warning hook a failure is still reported.
TEST(HelpDocument, FailureWithoutAWarningHookIsStillReported) {
  HelpBuild build;
  build.context.warn = nullptr;
  build.fs.FailOn("ProjectX.rtf");
  EXPECT_NO_THROW(build.Generate());
  EXPECT_EQ(build.report.Lines().back(), "\t\t\tUnexpected Error!");
}

// What the document asks of the word processor, in order.
const Lines kCalls = {"Start", std::string("NewDocument ") + kTemplate, "ClearDocument", "SetStyle Comment",
                      "TypeText Author: Kelvad", "NewParagraph", "TypeText Date: Friday, Mar 5 1999", "NewParagraph",
                      "TypeText Version: 1.0", "NewParagraph", "SetStyle Heading 1", "TypeText ProjectX",
                      "NewParagraph", "SetStyle Heading 2", "TypeText topic 1", "NewParagraph",
                      std::string("SaveAsRtf ") + kRtf, "Quit"};

// Failing at each stage: the report stops there, only a failure once the
// text has begun warns, nothing is asked after it, and a started word
// processor is always quit. (The word processor's own refusals of a
// missing or unreadable template are checked with it.)
TEST(HelpDocument, WordProcessorFailingAtEachStage) {
  struct Case {
    const char* fail;
    Lines lines;
    size_t calls;  // of kCalls, before the quit
    std::string warning;
  };
  const Case cases[] = {
      {"Start", FailedAfter(2, "\t\tError opening Microsoft Word - Help File Generation aborted"), 1, ""},
      {"NewDocument", FailedAfter(4, kTemplateAborted), 2, ""},
      {"SetStyle Heading 1", FailedAfter(8, "\t\t\tUnexpected Error!"), 11, "no SetStyle Heading 1"},
      {"SaveAsRtf", FailedAfter(10, "\t\t\tUnexpected Error!"), 17, std::string("no SaveAsRtf ") + kRtf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fail);
    HelpBuild build;
    FailingWordProcessor word(c.fail);
    build.context.word = &word;
    build.Generate();
    EXPECT_EQ(build.DocumentLines(), c.lines);
    Lines calls(kCalls.begin(), kCalls.begin() + c.calls);
    if (c.calls > 1) calls.push_back("Quit");
    EXPECT_EQ(word.calls, calls);
    ASSERT_EQ(build.warnings.size(), c.warning.empty() ? 0u : 1u);
    if (!c.warning.empty()) {
      EXPECT_EQ(build.warnings[0], (Lines{"Kelvad",
                                          "Kelvad encountered an error while creating the RTF File.\r"
                                          "The RTF file may not have been properly generated.",
                                          c.warning}));
    }
    EXPECT_FALSE(build.drives.Exists(kRtf));
  }
}

TEST(HelpDocument, TodaysDocumentCarriesADateLine) {
  HelpBuild build;
  GenerateHelpDocument(build.context, kRtf);
  RtfDocument doc = ReadRtf(build.Bytes(kRtf));
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  EXPECT_EQ(doc.paragraphs[1].Text().rfind("Date: ", 0), 0u);
}

// --- The date line

std::tm Date(int year, int month, int day, int weekday) {
  std::tm tm{};
  tm.tm_year = year - 1900, tm.tm_mon = month - 1, tm.tm_mday = day, tm.tm_wday = weekday;
  return tm;
}

TEST(HelpDate, FullWeekdayShortMonthDayWithoutLeadingZero) {
  const std::locale english = std::locale::classic();
  EXPECT_EQ(FormatHelpDate(Date(1999, 3, 5, 5), english), "Friday, Mar 5 1999");
  EXPECT_EQ(FormatHelpDate(Date(2000, 12, 31, 0), english), "Sunday, Dec 31 2000");
  // The user's locale, whatever it is here, still gives a date.
  EXPECT_NE(FormatHelpDate(Date(1999, 3, 5, 5), UserTimeLocale()).find(" 5 1999"), std::string::npos);
}

TEST(HelpDate, NamesComeFromTheLocaleButNumbersAreNeverGrouped) {
  // Day and month names as a German user's would be.
  struct GermanNames : std::time_put<char> {
    iter_type do_put(iter_type out, std::ios_base&, char_type, const std::tm* t, char format, char) const override {
      static const char* const days[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch",
                                         "Donnerstag", "Freitag", "Samstag"};
      static const char* const months[] = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun",
                                           "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
      std::string text = format == 'A' ? days[t->tm_wday] : format == 'b' ? months[t->tm_mon] : "?";
      return std::copy(text.begin(), text.end(), out);
    }
  };
  struct Grouped : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  std::locale german(std::locale(std::locale::classic(), new GermanNames), new Grouped);
  EXPECT_EQ(FormatHelpDate(Date(1999, 3, 5, 5), german), "Freitag, M\xC3\xA4r 5 1999");
}

}  // namespace
}  // namespace kelvad
