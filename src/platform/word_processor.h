#pragma once

#include <string>
#include <vector>

namespace kelvad {

class DosDrives;

// The word-processor operations that write the help document. Paths are DOS
// paths. The text operations act at the insertion point, which the
// operations below only ever leave at the end of the document. Failures
// other than the two that answer false throw kelvad::Error.
class WordProcessor {
 public:
  virtual ~WordProcessor() = default;
  // Starts an instance; false when none can be had.
  virtual bool Start() = 0;
  // A new document based on the template; false when none is obtained.
  virtual bool NewDocument(const std::string& template_path) = 0;
  // Deletes everything from the start of the document to its end.
  virtual void ClearDocument() = 0;
  // Gives the current paragraph the document's paragraph style of that name.
  virtual void SetStyle(const std::string& style_name) = 0;
  virtual void TypeText(const std::string& text) = 0;
  // Ends the current paragraph; the new one takes the style that the
  // ended one's style names as its follower.
  virtual void NewParagraph() = 0;
  virtual void SaveAsRtf(const std::string& path) = 0;
  virtual void Quit() = 0;
};

// A paragraph style of the RTF style sheet.
struct RtfStyle {
  int number;               // \sN
  std::string name;         // as written in the style sheet
  std::string formatting;   // paragraph and character control words
  int next;                 // the style of the paragraph that follows
};

// Writes the RTF document itself, with the style sheet of the EPOC help
// template, so no word processor needs to be installed. The template file
// must be readable, but what it holds is not used: a Word template cannot
// be read without Word, and the help compiler needs only the style names.
class RtfWordProcessor : public WordProcessor {
 public:
  explicit RtfWordProcessor(DosDrives& drives);

  bool Start() override;
  bool NewDocument(const std::string& template_path) override;
  void ClearDocument() override;
  void SetStyle(const std::string& style_name) override;
  void TypeText(const std::string& text) override;
  void NewParagraph() override;
  void SaveAsRtf(const std::string& path) override;
  void Quit() override;

  // The styles every document has: Normal, the two headings and Comment.
  static const std::vector<RtfStyle>& Styles();
  // The document as SaveAsRtf writes it: Windows-1252, CR LF line ends.
  std::string RtfText() const;

 private:
  struct Paragraph {
    int style;
    std::string text;  // UTF-8
  };
  void RequireDocument() const;

  DosDrives& drives_;
  bool running_ = false;
  bool has_document_ = false;
  std::vector<Paragraph> paragraphs_;
};

// Text for an RTF document: the RTF specials escaped, characters above
// ASCII as Windows-1252 bytes in \'hh form, characters outside
// Windows-1252 as \uN with "?" for readers that do not know \u.
std::string EncodeRtfText(const std::string& utf8);

}  // namespace kelvad
