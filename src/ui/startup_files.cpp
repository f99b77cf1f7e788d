#include "ui/startup_files.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <memory>

#include "platform/avi_clip.h"
#include "platform/file_system.h"
#include "platform/rtf_text.h"

namespace kelvad {

namespace {

std::string ReadShipped(const FileSystem& files, const std::string& install_dir, const std::string& relative) {
  std::string path = JoinPath(install_dir, relative);
  if (files.Stat(path) != EntryKind::kFile) throw StartupError(kFileNotFound, "File not found: " + path);
  return files.Read(path);
}

// Loops a clip over a label, one frame per tick of its own timer. It paints
// the frames itself: a new pixmap for the label each tick would lay out the
// whole window again, twelve times a second.
class ClipPlayer : public QWidget {
 public:
  ClipPlayer(std::unique_ptr<AviClip> clip, QLabel* view)
      : QWidget(view), clip_(std::move(clip)), decoder_(*clip_) {
    view->setMinimumSize(clip_->width(), clip_->height());
    resize(view->size());
    view->installEventFilter(this);
    Show(decoder_.Frame(0));
    int interval = static_cast<int>(clip_->microseconds_per_frame() / 1000);
    timer_.setInterval(std::max(interval, 10));
    connect(&timer_, &QTimer::timeout, this, [this] {
      try {
        Show(decoder_.Next());
      } catch (const Error&) {
        // A frame that cannot be decoded stops the clip; the panel stays usable.
        timer_.stop();
      }
    });
    timer_.start();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) resize(static_cast<QWidget*>(watched)->size());
    return false;
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage((width() - frame_.width()) / 2, (height() - frame_.height()) / 2, frame_);
  }

 private:
  void Show(const AviPixels& pixels) {
    frame_ = QImage(reinterpret_cast<const uchar*>(pixels.data()), clip_->width(), clip_->height(),
                    clip_->width() * 4, QImage::Format_RGB32)
                 .copy();
    update();
  }

  std::unique_ptr<AviClip> clip_;
  AviFrameDecoder decoder_;
  QImage frame_;
  QTimer timer_;
};

}  // namespace

void ShowWelcomeDocument(const FileSystem& files, const std::string& install_dir, QTextBrowser* view) {
  std::string bytes = ReadShipped(files, install_dir, "support/readme.rtf");
  try {
    RtfDocument document = ReadRtf(bytes);
    view->setTabStopDistance(document.default_tab / 15.0);
    view->setHtml(QString::fromStdString(RtfToHtml(document)));
  } catch (const Error& e) {
    throw StartupError(kBadFileFormat, "Invalid file format: " + JoinPath(install_dir, "support/readme.rtf") + " (" +
                                           e.what() + ")");
  }
}

void PlayWelcomeClip(const FileSystem& files, const std::string& install_dir, QLabel* view) {
  std::string bytes = ReadShipped(files, install_dir, "support/velmark.avi");
  try {
    auto clip = std::make_unique<AviClip>(std::move(bytes));
    new ClipPlayer(std::move(clip), view);
  } catch (const Error& e) {
    throw StartupError(kBadFileFormat, "Invalid file format: " + JoinPath(install_dir, "support/velmark.avi") + " (" +
                                           e.what() + ")");
  }
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

}  // namespace kelvad
