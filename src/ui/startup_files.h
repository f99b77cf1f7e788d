#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTextBrowser>
#include <QTextEdit>
#include <string>

#include "platform/errors.h"

namespace kelvad {

class FileSystem;

// A shipped file that start-up cannot do without; the number is the one
// the internal-error message shows.
class StartupError : public Error {
 public:
  StartupError(int number, const std::string& what) : Error(what), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileFormat = 321;

// The welcome document support/readme.rtf, shown as rich text.
void ShowWelcomeDocument(const FileSystem& files, const std::string& install_dir, QTextBrowser* view);
// The clip support/velmark.avi, looping in the label.
void PlayWelcomeClip(const FileSystem& files, const std::string& install_dir, QLabel* view);
// One of the template icons of icons/.
QPixmap LoadIconPreview(const FileSystem& files, const std::string& install_dir, const std::string& name);

}  // namespace kelvad
