#include <gtest/gtest.h>

#include "help/rtf_reader.h"
#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/word_processor.h"

namespace kelvad {
namespace {

using testing::ReadRtf;
using testing::RtfDocument;

struct Fixture {
  Fixture() : drives(fs, {{'c', "/c"}}), word(drives) {
    fs.MakeDirectories("/c/T");
    fs.Write("/c/T/EPOCHELP.DOT", "template");
  }
  MemoryFileSystem fs;
  DosDrives drives;
  RtfWordProcessor word;
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

TEST(RtfText, ReadsBackAsTheTextItEncodes) {
  Fixture f;
  const std::string text = "{\\}\t Caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9 \xF0\x9F\x98\x80";
  ASSERT_TRUE(f.word.Start());
  ASSERT_TRUE(f.word.NewDocument("c:\\T\\EPOCHELP.DOT"));
  f.word.TypeText(text);
  RtfDocument doc = ReadRtf(f.word.RtfText());
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].text, text);
}

TEST(RtfWordProcessor, StyleSheetHoldsTheTemplateStyles) {
  Fixture f;
  f.word.Start();
  f.word.NewDocument("c:\\T\\EPOCHELP.DOT");
  RtfDocument doc = ReadRtf(f.word.RtfText());
  EXPECT_TRUE(doc.balanced);
  std::vector<std::string> names;
  for (auto& [number, name] : doc.styles) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"Normal", "Heading 1", "Heading 2", "Comment"}));
}

TEST(RtfWordProcessor, FollowingParagraphsTakeTheNextStyle) {
  Fixture f;
  f.word.Start();
  f.word.NewDocument("c:\\T\\EPOCHELP.DOT");
  f.word.SetStyle("Comment");
  f.word.TypeText("one");
  f.word.NewParagraph();
  f.word.TypeText("two");  // a comment still
  f.word.NewParagraph();
  f.word.SetStyle("Heading 1");
  f.word.TypeText("title");
  f.word.NewParagraph();
  f.word.TypeText("body");  // back to Normal
  RtfDocument doc = ReadRtf(f.word.RtfText());
  ASSERT_EQ(doc.paragraphs.size(), 4u);
  EXPECT_EQ(doc.styles[doc.paragraphs[1].style], "Comment");
  EXPECT_EQ(doc.styles[doc.paragraphs[2].style], "Heading 1");
  EXPECT_EQ(doc.styles[doc.paragraphs[3].style], "Normal");
}

TEST(RtfWordProcessor, ClearingDropsTheTextButKeepsTheLastStyle) {
  Fixture f;
  f.word.Start();
  f.word.NewDocument("c:\\T\\EPOCHELP.DOT");
  f.word.TypeText("old");
  f.word.NewParagraph();
  f.word.SetStyle("Heading 2");
  f.word.TypeText("older");
  f.word.ClearDocument();
  f.word.TypeText("new");
  RtfDocument doc = ReadRtf(f.word.RtfText());
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].text, "new");
  EXPECT_EQ(doc.styles[doc.paragraphs[0].style], "Heading 2");
}

TEST(RtfWordProcessor, UnknownStyleFails) {
  Fixture f;
  f.word.Start();
  f.word.NewDocument("c:\\T\\EPOCHELP.DOT");
  EXPECT_THROW(f.word.SetStyle("Heading 9"), Error);
}

TEST(RtfWordProcessor, TemplateMustBeReadableAndWordStarted) {
  Fixture f;
  EXPECT_FALSE(f.word.NewDocument("c:\\T\\EPOCHELP.DOT"));  // not started
  ASSERT_TRUE(f.word.Start());
  EXPECT_FALSE(f.word.NewDocument(""));
  EXPECT_FALSE(f.word.NewDocument("c:\\T\\MISSING.DOT"));
  EXPECT_FALSE(f.word.NewDocument("q:\\T\\EPOCHELP.DOT"));
  EXPECT_THROW(f.word.TypeText("x"), Error);  // no document yet
  EXPECT_TRUE(f.word.NewDocument("c:\\T\\EPOCHELP.DOT"));
}

TEST(RtfWordProcessor, NothingWorksAfterQuit) {
  Fixture f;
  f.word.Start();
  f.word.NewDocument("c:\\T\\EPOCHELP.DOT");
  f.word.Quit();
  EXPECT_THROW(f.word.SaveAsRtf("c:\\T\\x.rtf"), Error);
  EXPECT_FALSE(f.fs.Stat("/c/T/x.rtf") == EntryKind::kFile);
}

TEST(RtfWordProcessor, SavesPlainAsciiWithCrLfLineEnds) {
  Fixture f;
  f.word.Start();
  f.word.NewDocument("c:\\T\\EPOCHELP.DOT");
  f.word.TypeText("Caf\xC3\xA9");
  f.word.SaveAsRtf("c:\\t\\x.rtf");
  std::string bytes = f.fs.Read("/c/T/x.rtf");
  EXPECT_EQ(bytes, f.word.RtfText());
  for (size_t i = 0; i < bytes.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x80u) << i;
    if (bytes[i] == '\n') ASSERT_EQ(bytes[i - 1], '\r') << i;
  }
  EXPECT_EQ(bytes.substr(bytes.size() - 3), "}\r\n");
  EXPECT_THROW(f.word.SaveAsRtf("c:\\NoSuchDir\\x.rtf"), Error);
}

}  // namespace
}  // namespace kelvad
