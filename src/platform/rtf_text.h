#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvad {

// Qt has no RTF reader. This one reads the RTF that our own files use (the
// welcome document, the progress report, the help document) into a small
// document model, and writes that model as HTML for Qt's rich-text widgets.
//
// Read: groups; the font, colour and style tables; \pard \plain \par \line
// \tab; \b \i \ul (and \ulnone) \f \fs \cf; \ql \qc \qr \qj \li \ri \fi \sb
// \sa \s; \deff \deftab \uc \u; \'hh in Windows-1252; escaped \ { }; the
// named quotes, dashes and bullet. Destinations that hold no body text
// ({\* ...}, \info, \pict, headers and footers, ...) are skipped, and so is
// every control word the reader does not know. Text in a font of another
// character set is still read as Windows-1252.

enum class RtfAlignment { kLeft, kCenter, kRight, kJustified };
enum class RtfFontFamily { kNil, kRoman, kSwiss, kModern, kScript, kDecor, kTech };

struct RtfColour {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const RtfColour&) const = default;
};

struct RtfCharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::string font;  // the font table's name; empty when the table has none
  RtfFontFamily family = RtfFontFamily::kNil;
  int half_points = 24;
  std::optional<RtfColour> colour;  // none: the widget's own text colour
  bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
  RtfCharFormat format;
  std::string text;  // UTF-8; '\t' for a tab, '\n' for a line break
};

struct RtfParagraph {
  RtfAlignment alignment = RtfAlignment::kLeft;
  // In twips (1/20 point); the first-line indent is relative to the left
  // one and negative for a hanging indent.
  int left_indent = 0;
  int right_indent = 0;
  int first_indent = 0;
  int space_before = 0;
  int space_after = 0;
  int style = 0;  // the style sheet's number
  // The formatting at the paragraph mark, which sets the height of a
  // paragraph without text.
  RtfCharFormat mark;
  std::vector<RtfRun> runs;

  std::string Text() const;  // the runs' text joined
};

struct RtfDocument {
  // Each paragraph the document ends with \par, then the text after the last
  // \par when there is any (the document's own last paragraph mark).
  std::vector<RtfParagraph> paragraphs;
  std::map<int, std::string> styles;  // style sheet names by number
  int default_tab = 720;              // twips between default tab stops
  // False when the braces do not pair up: the document ends inside a group,
  // or goes on after its closing brace. Word processors show such documents
  // all the same, and so does this reader (up to the closing brace).
  bool balanced = true;
};

// Reads a document a piece at a time: the pieces given one after another
// make the document, and may be cut anywhere, even inside a control word.
// Throws Error when the text does not start as RTF ("{\rtf").
class RtfReader {
 public:
  RtfReader();
  ~RtfReader();
  RtfReader(RtfReader&&) noexcept;
  RtfReader& operator=(RtfReader&&) noexcept;

  // With `ends_token`, a control word at the very end of the piece is taken
  // as complete, as when the caller knows that a brace comes next.
  void Read(std::string_view piece, bool ends_token = false);
  // The paragraphs ended since the last call, in order.
  std::vector<RtfParagraph> TakeParagraphs();
  const std::map<int, std::string>& styles() const;
  int default_tab() const;
  // Ends the document: the paragraphs not taken yet, the text after the last
  // \par when there is any, and the tables.
  RtfDocument Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The whole document at once.
RtfDocument ReadRtf(std::string_view rtf);

// HTML for Qt's rich-text widgets (QTextEdit::setHtml and the like): one
// <p> element to a paragraph, each carrying its own margins, fonts and
// colours, so the widget's default font does not matter. Tabs keep their
// width with the widget's tab stops; set them from the document's
// default_tab (twips / 1440 inches) if they should match the original.
std::string RtfParagraphsToHtml(const std::vector<RtfParagraph>& paragraphs);
// A page for setHtml.
std::string RtfToHtml(const RtfDocument& document);
// The paragraphs as HTML to insert at the end of a Qt document that shows
// the paragraphs before them:
//   QTextCursor cursor(edit->document());
//   cursor.movePosition(QTextCursor::End);
//   cursor.insertHtml(QString::fromStdString(RtfHtmlToAppend(paragraphs)));
// Qt merges the first paragraph of inserted HTML into the block at the
// cursor, so this begins with an empty paragraph for the last block to take
// in, and the new paragraphs each keep their own margins and alignment.
// Empty for no paragraphs.
std::string RtfHtmlToAppend(const std::vector<RtfParagraph>& paragraphs);

// Follows a document that grows by text inserted just before its final
// closing brace, as the progress report does one line at a time: each call
// reads only what was inserted since the last one, in the context (font and
// colour tables, formatting) of everything before it.
class RtfGrowingDocument {
 public:
  // Reads the document as it stands; throws Error when it is not RTF or does
  // not end with its closing brace.
  explicit RtfGrowingDocument(std::string_view document);

  // The document as first read: RtfToHtml(ReadRtf(document)) when its last
  // paragraph ends with \par, as the report's always does.
  const RtfDocument& start() const { return start_; }

  // Reads what `document` gained since the last call (or the constructor)
  // and returns the paragraphs it ended. Throws Error when `document` is
  // shorter than what was read already, or does not end with a brace.
  std::vector<RtfParagraph> Update(std::string_view document);

 private:
  RtfReader reader_;
  RtfDocument start_;
  size_t read_ = 0;  // bytes of the document read so far
};

}  // namespace kelvad
