#include <gtest/gtest.h>

#include <iterator>
#include <locale>
#include <string>
#include <vector>

#include "help/help_document.h"
#include "help/rtf_reader.h"
#include "platform/errors.h"
#include "platform/word_processor.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::ReadRtf;
using testing::RtfDocument;
using testing::TestBuild;

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
  // The report lines from "Generating File:" on.
  std::vector<std::string> DocumentLines() const {
    const auto& lines = report.Lines();
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : lines) {
      if (line.rfind("Generating File:", 0) == 0) in = true;
      if (in) out.push_back(line);
    }
    return out;
  }
  struct Warning {
    std::string title, text, detail;
  };
  std::vector<Warning> warnings;
};

// Stands in for a word processor that fails at a chosen operation.
class FailingWordProcessor : public WordProcessor {
 public:
  enum class At { kStart, kTemplate, kStyle, kSave };
  explicit FailingWordProcessor(At at) : at_(at) {}
  bool Start() override {
    calls.push_back("Start");
    return at_ != At::kStart;
  }
  bool NewDocument(const std::string& path) override {
    calls.push_back("NewDocument " + path);
    return at_ != At::kTemplate;
  }
  void ClearDocument() override { calls.push_back("ClearDocument"); }
  void SetStyle(const std::string& name) override {
    calls.push_back("SetStyle " + name);
    if (at_ == At::kStyle && name == "Heading 1") throw Error("no style Heading 1");
  }
  void TypeText(const std::string& text) override { calls.push_back("TypeText " + text); }
  void NewParagraph() override { calls.push_back("NewParagraph"); }
  void SaveAsRtf(const std::string& path) override {
    calls.push_back("SaveAsRtf " + path);
    if (at_ == At::kSave) throw Error("disk full");
  }
  void Quit() override { calls.push_back("Quit"); }
  std::vector<std::string> calls;

 private:
  At at_;
};

// The report lines of a document written to the end.
const std::vector<std::string> kSuccessLines = {
    "Generating File: ProjectX.rtf",
    "\tOpening Microsoft Word...",
    "\t\tMicrosoft Word opened OK",
    "\tOpening EPOC Help Document Template...",
    "\t\tTemplate opened OK",
    "\tGenerating Text...",
    "\tWriting Comment Section",
    "\tWriting Application Title",
    "\tWriting Example Topic",
    "\tSaving RTF File...",
    "\t\tRTF File Saved OK",
    "\tClosing Microsoft Word",
};

TEST(HelpDocument, WritesTheFiveParagraphsInTheTemplateStyles) {
  HelpBuild build;
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  RtfDocument doc = ReadRtf(build.Bytes(kRtf));
  EXPECT_TRUE(doc.balanced);
  EXPECT_EQ(doc.problem, "");
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Comment", "Author: Kelvad"},     {"Comment", "Date: Friday, Mar 5 1999"}, {"Comment", "Version: 1.0"},
      {"Heading 1", "ProjectX"}, {"Heading 2", "topic 1"},
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(doc.styles[doc.paragraphs[i].style], expected[i].first) << i;
    EXPECT_EQ(doc.paragraphs[i].text, expected[i].second) << i;
  }
  EXPECT_TRUE(build.warnings.empty());
}

// Each line checked by hand: the style sheet names the three styles of the
// template and Normal, and the body has the five paragraphs and the
// document's last, empty paragraph mark.
TEST(HelpDocument, MatchesTheGoldenDocumentByteForByte) {
  HelpBuild build;
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  std::string bytes = build.Bytes(kRtf);
  EXPECT_EQ(testing::Visible(bytes), testing::Visible(testing::Golden("help/ProjectX.rtf")));
}

TEST(HelpDocument, ReportsEveryStageWithItsTabs) {
  HelpBuild build;
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  EXPECT_EQ(build.DocumentLines(), kSuccessLines);
  // The value is the file name alone, in italics.
  EXPECT_NE(build.report.Document().find("{ Generating File:} {\\i ProjectX.rtf}\r\n\\par "), std::string::npos);
  // Not written through the output file writer: no tree node, no line count.
  EXPECT_EQ(build.tree.size(), 0u);
  EXPECT_EQ(build.context.lines_written, 0);
}

TEST(HelpDocument, ReplacesAnExistingDocument) {
  HelpBuild build;
  build.drives.WriteFile(kRtf, std::string(5000, 'x'));
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  EXPECT_EQ(build.Bytes(kRtf), testing::Golden("help/ProjectX.rtf"));
}

TEST(HelpDocument, NameOutsideAsciiIsKeptInTheDocument) {
  HelpBuild build;
  build.settings.name = "Caf\xC3\xA9 \xE2\x82\xAC";  // "Café €"
  build.MakeProjectDirectories({"\\Help", "\\Help\\Documents"});
  const std::string path = "c:\\Caf\xC3\xA9 \xE2\x82\xAC\\help\\documents\\x.rtf";
  GenerateHelpDocument(build.context, path, "Friday, Mar 5 1999");
  std::string bytes = build.Bytes(path);
  // Windows-1252 bytes for é and the euro sign, written as RTF escapes.
  EXPECT_NE(bytes.find("Caf\\'e9 \\'80"), std::string::npos);
  RtfDocument doc = ReadRtf(bytes);
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  EXPECT_EQ(doc.paragraphs[3].text, build.settings.name);
  EXPECT_EQ(build.DocumentLines().front(), "Generating File: " + build.settings.name + ".rtf");
}

TEST(HelpDocument, NoWordProcessorAbortsBeforeAnyTemplate) {
  HelpBuild build;
  FailingWordProcessor word(FailingWordProcessor::At::kStart);
  build.context.word = &word;
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  EXPECT_EQ(build.DocumentLines(),
            (std::vector<std::string>{"Generating File: ProjectX.rtf", "\tOpening Microsoft Word...",
                                      "\t\tError opening Microsoft Word - Help File Generation aborted"}));
  EXPECT_EQ(word.calls, std::vector<std::string>{"Start"});
  EXPECT_FALSE(build.drives.Exists(kRtf));
  EXPECT_TRUE(build.warnings.empty());
}

TEST(HelpDocument, UnreadableTemplateAbortsWithTheTemplateLine) {
  const std::vector<std::string> aborted = {
      "Generating File: ProjectX.rtf",
      "\tOpening Microsoft Word...",
      "\t\tMicrosoft Word opened OK",
      "\tOpening EPOC Help Document Template...",
      "\t\tError opening EPOC Document Template - Help File Generation aborted",
  };
  {
    HelpBuild build;  // the template went away after the search
    build.fs.Remove("/c/Aleppo/Template/EPOCHELP.DOT");
    GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
    EXPECT_EQ(build.DocumentLines(), aborted);
    EXPECT_FALSE(build.drives.Exists(kRtf));
    EXPECT_TRUE(build.warnings.empty());
  }
  {
    HelpBuild build;  // never found
    build.context.help_template = "";
    GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
    EXPECT_EQ(build.DocumentLines(), aborted);
  }
  {
    HelpBuild build;  // on a drive that is not mapped
    build.context.help_template = "q:\\Aleppo\\Template\\EPOCHELP.DOT";
    GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
    EXPECT_EQ(build.DocumentLines(), aborted);
  }
  {
    HelpBuild build;
    FailingWordProcessor word(FailingWordProcessor::At::kTemplate);
    build.context.word = &word;
    GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
    EXPECT_EQ(build.DocumentLines(), aborted);
    EXPECT_EQ(word.calls, (std::vector<std::string>{"Start", std::string("NewDocument ") + kTemplate, "Quit"}));
  }
}

TEST(HelpDocument, FailureWhileSavingGivesTheUnexpectedErrorLineAndTheMessage) {
  HelpBuild build;
  build.fs.FailOn("ProjectX.rtf");
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  std::vector<std::string> expected(kSuccessLines.begin(), kSuccessLines.begin() + 10);
  expected.push_back("\t\t\tUnexpected Error!");
  EXPECT_EQ(build.DocumentLines(), expected);
  ASSERT_EQ(build.warnings.size(), 1u);
  EXPECT_EQ(build.warnings[0].title, "Kelvad");
  EXPECT_EQ(build.warnings[0].text,
            "Kelvad encountered an error while creating the RTF File.\r"
            "The RTF file may not have been properly generated.");
  EXPECT_FALSE(build.warnings[0].detail.empty());
}

TEST(HelpDocument, MissingStyleStopsTheTextAndQuits) {
  HelpBuild build;
  FailingWordProcessor word(FailingWordProcessor::At::kStyle);
  build.context.word = &word;
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  std::vector<std::string> expected(kSuccessLines.begin(), kSuccessLines.begin() + 8);
  expected.push_back("\t\t\tUnexpected Error!");
  EXPECT_EQ(build.DocumentLines(), expected);
  ASSERT_EQ(build.warnings.size(), 1u);
  EXPECT_EQ(build.warnings[0].detail, "no style Heading 1");
  // Nothing is saved after the failure; the instance is not left running.
  EXPECT_EQ(word.calls.back(), "Quit");
  for (const std::string& call : word.calls) EXPECT_EQ(call.rfind("SaveAsRtf", 0), std::string::npos);
}

TEST(HelpDocument, FailureWithoutAWarningHookIsStillReported) {
  HelpBuild build;
  build.context.warn = nullptr;
  build.fs.FailOn("ProjectX.rtf");
  EXPECT_NO_THROW(GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999"));
  EXPECT_EQ(build.report.Lines().back(), "\t\t\tUnexpected Error!");
}

TEST(HelpDocument, DrivesTheWordProcessorInTheOrderOfTheDocument) {
  HelpBuild build;
  FailingWordProcessor word(FailingWordProcessor::At::kSave);
  build.context.word = &word;
  GenerateHelpDocument(build.context, kRtf, "Friday, Mar 5 1999");
  EXPECT_EQ(word.calls, (std::vector<std::string>{
                            "Start", std::string("NewDocument ") + kTemplate, "ClearDocument", "SetStyle Comment",
                            "TypeText Author: Kelvad", "NewParagraph", "TypeText Date: Friday, Mar 5 1999",
                            "NewParagraph", "TypeText Version: 1.0", "NewParagraph", "SetStyle Heading 1",
                            "TypeText ProjectX", "NewParagraph", "SetStyle Heading 2", "TypeText topic 1",
                            "NewParagraph", std::string("SaveAsRtf ") + kRtf, "Quit"}));
}

TEST(HelpDocument, TodaysDocumentCarriesADateLine) {
  HelpBuild build;
  GenerateHelpDocument(build.context, kRtf);
  RtfDocument doc = ReadRtf(build.Bytes(kRtf));
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  EXPECT_EQ(doc.paragraphs[1].text.rfind("Date: ", 0), 0u);
}

// --- The date line

std::tm Date(int year, int month, int day, int weekday) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_wday = weekday;
  return tm;
}

TEST(HelpDate, FullWeekdayShortMonthDayWithoutLeadingZero) {
  const std::locale english = std::locale::classic();
  EXPECT_EQ(FormatHelpDate(Date(1999, 3, 5, 5), english), "Friday, Mar 5 1999");
  EXPECT_EQ(FormatHelpDate(Date(2000, 12, 31, 0), english), "Sunday, Dec 31 2000");
  EXPECT_EQ(FormatHelpDate(Date(2026, 9, 1, 2), english), "Tuesday, Sep 1 2026");
}

// A locale whose day and month names are German, as a German user's would be.
class GermanNames : public std::time_put<char> {
 protected:
  iter_type do_put(iter_type out, std::ios_base&, char_type, const std::tm* t, char format, char) const override {
    static const char* const days[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    static const char* const months[] = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun",
                                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    std::string text = format == 'A' ? days[t->tm_wday] : format == 'b' ? months[t->tm_mon] : "?";
    return std::copy(text.begin(), text.end(), out);
  }
};

TEST(HelpDate, NamesComeFromTheLocaleButNumbersAreNeverGrouped) {
  struct Grouped : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  std::locale german(std::locale(std::locale::classic(), new GermanNames), new Grouped);
  EXPECT_EQ(FormatHelpDate(Date(1999, 3, 5, 5), german), "Freitag, M\xC3\xA4r 5 1999");
}

TEST(HelpDate, UserLocaleFallsBackToEnglish) {
  // The test environment names no locale with other names, or an unknown one.
  std::locale locale = UserTimeLocale();
  std::string text = FormatHelpDate(Date(1999, 3, 5, 5), locale);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.find(" 5 1999"), std::string::npos);
}

}  // namespace
}  // namespace kelvad
