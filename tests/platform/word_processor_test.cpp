#include <gtest/gtest.h>

#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/rtf_text.h"
#include "platform/word_processor.h"

namespace kelvad {
namespace {

struct Drive {
  Drive() : drives(fs, {{'c', "/c"}}), word(drives) {
    fs.MakeDirectories("/c/T");
    fs.Write("/c/T/EPOCHELP.DOT", "template");
  }
  MemoryFileSystem fs;
  DosDrives drives;
  RtfWordProcessor word;
};

// A started word processor with a document on the template.
struct OpenDocument : Drive, ::testing::Test {
  OpenDocument() {
    EXPECT_TRUE(word.Start());
    EXPECT_TRUE(word.NewDocument("c:\\T\\EPOCHELP.DOT"));
  }
  std::vector<std::string> Styles(const RtfDocument& doc) {
    std::vector<std::string> out;
    for (const auto& p : doc.paragraphs) out.push_back(doc.styles.at(p.style));
    return out;
  }
};

TEST(RtfText, EscapesSpecialsAndEncodesOutsideAscii) {
  EXPECT_EQ(EncodeRtfText("a\\b{c}d"), "a\\\\b\\{c\\}d");
  EXPECT_EQ(EncodeRtfText("x\ty"), "x\\tab y");
  EXPECT_EQ(EncodeRtfText("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\\'e9 \\'80");  // é and € have 1252 bytes
  EXPECT_EQ(EncodeRtfText("\xCE\xA9"), "\\u937?");                            // Ω has none
  EXPECT_EQ(EncodeRtfText("\xEF\xBF\xBD"), "\\u-3?");                         // \uN is signed 16-bit
  EXPECT_EQ(EncodeRtfText("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?");        // a surrogate pair
  EXPECT_EQ(EncodeRtfText("\xE9t\xE9"), "\\'e9t\\'e9");                       // bytes that are no UTF-8
}

TEST_F(OpenDocument, TextReadsBackAsTheTextItEncodes) {
  const std::string text = "{\\}\t Caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9 \xF0\x9F\x98\x80";
  word.TypeText(text);
  RtfDocument doc = ReadRtf(word.RtfText());
  EXPECT_TRUE(doc.balanced);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].Text(), text);
}

TEST_F(OpenDocument, StyleSheetHoldsTheTemplateStylesAndFollowingParagraphsTakeTheNext) {
  word.SetStyle("Comment");
  word.TypeText("one");
  word.NewParagraph();
  word.TypeText("two");  // a comment still
  word.NewParagraph();
  word.SetStyle("Heading 1");
  word.TypeText("title");
  word.NewParagraph();
  word.TypeText("body");  // back to Normal
  RtfDocument doc = ReadRtf(word.RtfText());
  std::vector<std::string> names;
  for (auto& [number, name] : doc.styles) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"Normal", "Heading 1", "Heading 2", "Comment"}));
  EXPECT_EQ(Styles(doc), (std::vector<std::string>{"Comment", "Comment", "Heading 1", "Normal"}));
}

TEST_F(OpenDocument, ClearingDropsTheTextButKeepsTheLastStyle) {
  word.TypeText("old");
  word.NewParagraph();
  word.SetStyle("Heading 2");
  word.TypeText("older");
  word.ClearDocument();
  word.TypeText("new");
  RtfDocument doc = ReadRtf(word.RtfText());
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].Text(), "new");
  EXPECT_EQ(Styles(doc)[0], "Heading 2");
}

TEST(RtfWordProcessor, TemplateMustBeReadableAndWordStarted) {
  Drive f;
  EXPECT_FALSE(f.word.NewDocument("c:\\T\\EPOCHELP.DOT"));  // not started
  ASSERT_TRUE(f.word.Start());
  EXPECT_FALSE(f.word.NewDocument(""));
  EXPECT_FALSE(f.word.NewDocument("c:\\T\\MISSING.DOT"));
  EXPECT_FALSE(f.word.NewDocument("q:\\T\\EPOCHELP.DOT"));
  EXPECT_THROW(f.word.TypeText("x"), Error);  // no document yet
  EXPECT_TRUE(f.word.NewDocument("c:\\T\\EPOCHELP.DOT"));
}

TEST_F(OpenDocument, UnknownStyleFailsAndNothingWorksAfterQuit) {
  EXPECT_THROW(word.SetStyle("Heading 9"), Error);
  word.Quit();
  EXPECT_THROW(word.SaveAsRtf("c:\\T\\x.rtf"), Error);
  EXPECT_FALSE(fs.Stat("/c/T/x.rtf") == EntryKind::kFile);
}

TEST_F(OpenDocument, SavesPlainAsciiWithCrLfLineEnds) {
  word.TypeText("Caf\xC3\xA9");
  word.SaveAsRtf("c:\\t\\x.rtf");
  std::string bytes = fs.Read("/c/T/x.rtf");
  EXPECT_EQ(bytes, word.RtfText());
  for (size_t i = 0; i < bytes.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x80u) << i;
    if (bytes[i] == '\n') ASSERT_EQ(bytes[i - 1], '\r') << i;
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 3), "}\r\n");
  EXPECT_THROW(word.SaveAsRtf("c:\\NoSuchDir\\x.rtf"), Error);
}

}  // namespace
}  // namespace kelvad
