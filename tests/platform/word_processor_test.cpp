#include <gtest/gtest.h>

#include "platform/dos_paths.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/rtf_text.h"
#include "platform/word_processor.h"

namespace kelvad {
namespace {

// The document the word processor writes is compared whole with the help
// document's golden; these are what that document does not show.
class WordOnDrive : public ::testing::Test {
 protected:
  WordOnDrive() : drives(fs, {{'c', "/c"}}), word(drives) {
    fs.MakeDirectories("/c/T");
    fs.Write("/c/T/EPOCHELP.DOT", "template");
  }
  static constexpr const char* kTemplate = "c:\\T\\EPOCHELP.DOT";
  MemoryFileSystem fs;
  DosDrives drives;
  RtfWordProcessor word;
};

// Nothing is done before Start, without a template, a document or a known
// style, or after Quit. Clearing drops the text but keeps the last style.
TEST_F(WordOnDrive, RefusesWithoutTemplateDocumentOrStyleAndAfterQuitClearingKeepsTheStyle) {
  EXPECT_FALSE(word.NewDocument(kTemplate));  // not started
  ASSERT_TRUE(word.Start());
  for (const char* bad : {"", "c:\\T\\MISSING.DOT", "q:\\T\\EPOCHELP.DOT"}) EXPECT_FALSE(word.NewDocument(bad)) << bad;
  EXPECT_THROW(word.TypeText("x"), Error);  // no document yet
  ASSERT_TRUE(word.NewDocument(kTemplate));
  EXPECT_THROW(word.SetStyle("Heading 9"), Error);
  word.TypeText("old");
  word.NewParagraph();
  word.SetStyle("Heading 2");
  word.TypeText("older");
  word.ClearDocument();
  word.TypeText("new");
  const RtfDocument doc = ReadRtf(word.RtfText());
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].Text(), "new");
  EXPECT_EQ(doc.styles.at(doc.paragraphs[0].style), "Heading 2");
  EXPECT_THROW(word.SaveAsRtf("c:\\NoSuchDir\\x.rtf"), Error);
  word.SaveAsRtf("c:\\t\\x.rtf");
  EXPECT_EQ(fs.Read("/c/T/x.rtf"), word.RtfText());
  word.Quit();
  EXPECT_THROW(word.SaveAsRtf("c:\\T\\y.rtf"), Error);
  EXPECT_EQ(fs.Stat("/c/T/y.rtf"), EntryKind::kNone);
}

}  // namespace
}  // namespace kelvad
