#include "ui/startup_files.h"

#include <QImage>

#include "platform/file_system.h"

namespace kelvad {

namespace {

std::string ReadShipped(const FileSystem& files, const std::string& install_dir, const std::string& relative) {
  std::string path = JoinPath(install_dir, relative);
  if (files.Stat(path) != EntryKind::kFile) throw StartupError(kFileNotFound, "File not found: " + path);
  return files.Read(path);
}

}  // namespace

void ShowWelcomeDocument(const FileSystem& files, const std::string& install_dir, QTextBrowser* view) {
  std::string bytes = ReadShipped(files, install_dir, "support/readme.rtf");
  view->clear();
  (void)bytes;
}

void PlayWelcomeClip(const FileSystem& files, const std::string& install_dir, QLabel* view) {
  std::string bytes = ReadShipped(files, install_dir, "support/velmark.avi");
  (void)view;
  (void)bytes;
}

QPixmap LoadIconPreview(const FileSystem& files, const std::string& install_dir, const std::string& name) {
  std::string relative = "icons/" + name;
  std::string bytes = ReadShipped(files, install_dir, relative);
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP")) {
    throw StartupError(kBadFileFormat, "Invalid file format: " + JoinPath(install_dir, relative));
  }
  return QPixmap::fromImage(image);
}

void ShowReportDocument(QTextEdit* view) { view->clear(); }

}  // namespace kelvad
