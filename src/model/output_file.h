#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/build_context.h"
#include "platform/file_system.h"

namespace kelvad {

// One generated file. Every line goes through here: the line writers count
// into the build's shared line counter and step the progress bar; Direct
// lines do neither. Lines are UTF-8 text, stored as Windows-1252 with CR LF.
class OutputFile {
 public:
  // Creates or empties the file at once, so a path that cannot be written
  // fails here.
  OutputFile(BuildContext& context, std::string dos_path);
  OutputFile(OutputFile&& other) noexcept;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // A file left open by an error keeps what was written before it.
  ~OutputFile();

  void StarRule();
  void DoubleRule();
  void SingleRule();
  void BlankLine();
  void BoxedComment(std::string_view text);
  // The code alone when the comment is empty; a literal counted line is
  // CodeLine(text).
  void CodeLine(std::string_view code, std::string_view comment = {});
  void FileHeader(std::string_view description);
  void FileEnd(std::string_view name);
  // Written straight to the file: not counted, no progress step.
  void Direct(std::string_view line);

  // Writes the file out. Closing twice does nothing.
  void Close();

  BuildContext& context() { return *context_; }
  const std::string& path() const { return path_; }

 private:
  void Counted(std::string_view line);
  BuildContext* context_;
  std::string path_;
  std::string bytes_;
  std::unique_ptr<OutputStream> stream_;  // none once closed
};

// The output file writer: opens directory + "\" + file name, resets the line
// counter, adds the file to the project tree under the parent key (when
// add_to_tree) and reports "Writing: ".
OutputFile OpenOutputFile(BuildContext& context, const std::string& file_name, const std::string& directory,
                          bool add_to_tree, const std::string& parent_key, int image, int selected_image = 0,
                          const std::string& key_text = "");

// Closes the file, reports "Wrote N lines." and resets the counter.
void CloseOutputFile(OutputFile& file);

// Reports "Creating Directory:" and creates the directory.
void MakeProjectDirectory(BuildContext& context, const std::string& dos_path);

}  // namespace kelvad
