#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/report.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/rtf_text.h"
#include "platform/word_processor.h"

namespace kelvad {
namespace {

// The body of a page, between the tags that open and close it.
std::string Body(const std::string& page) {
  size_t begin = page.find("<body>") + 6;
  return page.substr(begin, page.rfind("</body>") - begin);
}

// A paragraph of the page: margins top, bottom, left, right and the first
// line's indent in pixels.
std::string P(const std::string& spans, std::array<int, 5> m = {}, const std::string& align = "") {
  const char* const names[] = {"margin-top", "margin-bottom", "margin-left", "margin-right", "text-indent"};
  std::string style;
  for (int i = 0; i < 5; ++i) style += std::string(names[i]) + ":" + std::to_string(m[i]) + "px; ";
  return "<p style=\"" + style + "white-space:pre-wrap;\"" + align + ">" + spans + "</p>";
}
std::string Span(const std::string& style, const std::string& text) {
  return "<span style=\"" + style + "\">" + text + "</span>";
}

// The report as the build writes it, each line form once (a path escaped as
// its callers escape it, a tab, Windows-1252 bytes), read whole and as it
// grows: the start-up document's empty paragraph, then one a line. The space
// after each line's opening brace is text, but not after a bold line's \b.
// Each line goes before the document's final brace; backslashes and braces
// are escaped, so an unbalanced brace in a path cannot end the document
// early. A stage also sets the status and the bar.
TEST(RtfReport, EveryLineFormReachesThePageWholeOrAsTheReportGrows) {
  Report report;
  report.SetProgressMaximum(50);
  report.SetProgressValue(20);
  RtfGrowingDocument growing(report.Document());
  std::vector<RtfParagraph> paragraphs = growing.start().paragraphs;
  ASSERT_EQ(paragraphs.size(), 1u);
  EXPECT_TRUE(growing.Update(report.Document()).empty());  // nothing new
  const std::function<void()> lines[] = {
      [&] { report.ReportStage(6, "Creating Directories ..."); },
      [&] { report.ReportLabelValue("Writing:", RtfEscape("c:\\ProjectX\\{Engine")); },
      [&] { report.ReportPlain("\tWrote 10 lines."); },
      [&] { report.ReportPlain("Caf\xE9 \x80 <&> \"q\" 'a'  two"); },
  };
  for (const auto& line : lines) {
    line();
    std::vector<RtfParagraph> added = growing.Update(report.Document());
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(RtfHtmlToAppend(added),
              "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px;\"><br /></p>" +
                  RtfParagraphsToHtml(added));
    paragraphs.push_back(added[0]);
  }
  const std::string start = Report::StartupDocument();
  EXPECT_EQ(report.Document(), start.substr(0, start.size() - 3) +
                                   "{\\b Creating Directories ...}\r\n\\par { Writing:} {\\i c:\\\\ProjectX\\\\\\{Engine}\r\n"
                                   "\\par { \tWrote 10 lines.}\r\n\\par { Caf\xE9 \x80 <&> \"q\" 'a'  two}\r\n\\par }\r\n");
  EXPECT_EQ(report.Lines(), (std::vector<std::string>{"Creating Directories ...", "Writing: c:\\ProjectX\\{Engine",
                                                      "\tWrote 10 lines.", "Caf\xE9 \x80 <&> \"q\" 'a'  two"}));
  EXPECT_EQ(report.Status(), "Creating Directories ...");
  EXPECT_EQ(report.ProgressMaximum(), 6);
  EXPECT_EQ(report.ProgressValue(), 0);
  const RtfDocument doc = ReadRtf(report.Document());
  EXPECT_TRUE(doc.balanced);
  const std::string html = RtfToHtml(doc);
  EXPECT_EQ(html.rfind("<html><head><meta charset=\"utf-8\" /></head><body>", 0), 0u);
  const std::string font = "font-family:'Times New Roman',serif; font-size:10pt;";
  EXPECT_EQ(Body(html),
            "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; "
            "margin-right:0px; text-indent:0px; " + font + "\"><br /></p>" +
                P(Span(font + " font-weight:bold;", "Creating Directories ...")) +
                P(Span(font, " Writing: ") + Span(font + " font-style:italic;", "c:\\ProjectX\\{Engine")) +
                P(Span(font, " \tWrote 10 lines.")) +
                P(Span(font, " Caf\xC3\xA9 \xE2\x82\xAC &lt;&amp;&gt; &quot;q&quot; &#39;a&#39;  two")));
  EXPECT_EQ(RtfParagraphsToHtml(paragraphs), Body(html));
  EXPECT_THROW(growing.Update(Report::StartupDocument()), Error);  // shorter than what was read
  EXPECT_THROW(growing.Update(report.Document() + "x"), Error);    // no closing brace
  EXPECT_THROW(RtfGrowingDocument("plain text}"), Error);
}

// Like the welcome document: every table, formatting word and named character it uses.
const char* const kReadme =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab360{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f2\\fmodern Courier New;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}\r\n"
    "{\\stylesheet{\\s0\\f1\\fs20 Normal;}{\\s1\\qc\\b\\f0\\fs32\\cf1 Heading 1;}{\\*\\cs10 Default Font;}}\r\n"
    "{\\info{\\title Kelvad}{\\author Kelvad}}{\\*\\generator Kelvad;}\r\n"
    "\\pard\\plain\\s1\\sb240\\sa120\\qc\\b\\f0\\fs32\\cf1 Welcome\\par\r\n"
    "\\pard\\plain\\f1\\fs21 Kelvad \\endash  a builder.\\par\r\n"
    "\\pard\\li360\\ri720\\fi-360\\bullet\\tab {\\b Engine:} {\\i CEngine}\\widctlpar\\par\r\n"
    "\\pard\\qj Caf\\'e9 \\u8364? \\ldblquote q\\rdblquote  \\lquote s\\rquote  \\emdash  "
    "{\\f2 c:\\\\epoc32} \\{x\\}\\line end{\\pict\\wmetafile8 0123abcd}{\\*\\unknown hidden}\\par\r\n"
    "\\pard\\qr\\cf2\\ul Right\\ulnone , red.\\par\r\n"
    "}\r\n";

// Twips as pixels at 96 dpi, half-points as points; \plain and \pard reset
// what the heading set, character formatting outlives \pard, groups give
// theirs back when they close, and destinations are not shown. Read in two
// pieces cut anywhere, it reads as whole.
TEST(RtfText, ReadmeFormattingReachesThePageWholeOrInPieces) {
  const RtfDocument doc = ReadRtf(kReadme);
  EXPECT_EQ(doc.default_tab, 360);
  const std::string rtf = kReadme, whole = RtfToHtml(doc);
  for (size_t cut = 0; cut <= rtf.size(); ++cut) {
    RtfReader reader;
    reader.Read(rtf.substr(0, cut));
    std::vector<RtfParagraph> early = reader.TakeParagraphs();
    reader.Read(rtf.substr(cut));
    RtfDocument pieces = reader.Finish();
    pieces.paragraphs.insert(pieces.paragraphs.begin(), early.begin(), early.end());
    ASSERT_EQ(RtfToHtml(pieces), whole) << "cut at " << cut;
  }
  const std::string times = "font-family:'Times New Roman',serif; font-size:10.5pt;";
  EXPECT_EQ(Body(whole),
            P(Span("font-family:'Arial',sans-serif; font-size:16pt; font-weight:bold; color:#000080;", "Welcome"),
              {16, 8}, " align=\"center\"") +
                P(Span(times, "Kelvad \xE2\x80\x93 a builder.")) +
                P(Span(times, "\xE2\x80\xA2\t") + Span(times + " font-weight:bold;", "Engine:") + Span(times, " ") +
                      Span(times + " font-style:italic;", "CEngine"),
                  {0, 0, 24, 48, -24}) +
                P(Span(times, "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x98s\xE2\x80\x99 "
                              "\xE2\x80\x94 ") +
                      Span("font-family:'Courier New',monospace; font-size:10.5pt;", "c:\\epoc32") +
                      Span(times, " {x}<br />end"),
                  {}, " align=\"justify\"") +
                P(Span(times + " text-decoration:underline; color:#800000;", "Right") +
                      Span(times + " color:#800000;", ", red."),
                  {}, " align=\"right\""));
}

// What the word processor writes reads back as it was meant; fallbacks are
// skipped as their count says.
TEST(RtfText, EscapesReadBackAndUnicodeFallbacksAreSkippedAsTheirCountSays) {
  struct Case {
    const char* written;  // the text the word processor encodes, if any
    std::string body, text;
  } cases[] = {
      {"a\\b{c}d", "a\\\\b\\{c\\}d", "a\\b{c}d"},
      {"x\ty", "x\\tab y", "x\ty"},
      {"Caf\xC3\xA9 \xE2\x82\xAC", "Caf\\'e9 \\'80", "Caf\xC3\xA9 \xE2\x82\xAC"},  // é and € have 1252 bytes
      {"\xCE\xA9", "\\u937?", "\xCE\xA9"},                                         // Ω has none
      {"\xEF\xBF\xBD", "\\u-3?", "\xEF\xBF\xBD"},                                  // \uN is signed 16-bit
      {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?", "\xF0\x9F\x98\x80"},             // a surrogate pair
      {"\xE9t\xE9", "\\'e9t\\'e9", "\xC3\xA9t\xC3\xA9"},                           // bytes that are no UTF-8
      // An overlong "/" or "\" is no character: its bytes stay bytes, never a real backslash.
      {"\xC1\x9C\xC0\xAF", "\\'c1\\'9c\\'c0\\'af", "\xC3\x81\xC5\x93\xC3\x80\xC2\xAF"},
      {nullptr, "\\u937?x", "\xCE\xA9x"},
      {nullptr, "\\uc2\\u937\\'3f?x", "\xCE\xA9x"},                      // \'hh counts as one
      {nullptr, "{\\uc2 \\u937?}x", "\xCE\xA9x"},                        // a brace ends the skipping
      {nullptr, "{\\uc2 \\u8364 ?}\\u937?x", "\xE2\x82\xAC\xCE\xA9x"},  // and \uc belongs to its group
      {nullptr, "\\u-10179?x", "\xEF\xBF\xBDx"},                         // a lone half
      {nullptr, "a\\'e9\\'80\\'zz b", "a\xC3\xA9\xE2\x82\xAC" "zz b"},   // bad hex is dropped
      {nullptr, "\\~\\-\\_", "\xC2\xA0\xE2\x80\x91"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    if (c.written) EXPECT_EQ(EncodeRtfText(c.written), c.body);
    const RtfDocument doc = ReadRtf("{\\rtf1 " + c.body + "\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].Text(), c.text);
  }
}

TEST(RtfText, OddDocumentsStillShowTheirText) {
  // Not closed: the text after the last \par is a paragraph of its own.
  RtfDocument open = ReadRtf("{\\rtf1 {\\b one\\par two");
  EXPECT_FALSE(open.balanced);
  ASSERT_EQ(open.paragraphs.size(), 2u);
  EXPECT_EQ(open.paragraphs[1].Text(), "two");
  EXPECT_TRUE(open.paragraphs[1].runs[0].format.bold);
  // Closed once too often: nothing after the document is read.
  RtfDocument closed = ReadRtf("{\\rtf1 one}} two");
  EXPECT_FALSE(closed.balanced);
  ASSERT_EQ(closed.paragraphs.size(), 1u);
  EXPECT_EQ(closed.paragraphs[0].Text(), "one");
  // Unknown words, fonts and colours; a font table without groups.
  const std::string odd = "{\\rtf1{\\fonttbl\\f0\\fnil Sym;\\f1\\fswiss Arial;}\\f1\\cf9\\foo12 x\\f7 y\\par}";
  EXPECT_EQ(Body(RtfToHtml(ReadRtf(odd))),
            P(Span("font-family:'Arial',sans-serif; font-size:12pt;", "x") + Span("font-size:12pt;", "y")));
  const std::string deep = "{\\rtf1 " + std::string(2000, '{');
  for (const std::string& refused : {std::string(), std::string("plain text"), std::string("{\\b not rtf}"), deep}) {
    EXPECT_THROW(ReadRtf(refused), Error) << refused;
  }
}

}  // namespace
}  // namespace kelvad
