#include "ui/help_browser.h"

#include <QDesktopServices>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include "platform/dos_paths.h"
#include "platform/encoding.h"
#include "ui/qt_bridge.h"
#include "ui_help_browser.h"
#include "wizard/help_links.h"

namespace kelvad {

namespace {

// Pages of the SDK are Windows-1252; the program's own are UTF-8.
QString PageText(const std::string& bytes) {
  QString utf8 = QString::fromUtf8(bytes);
  if (!utf8.contains(QChar::ReplacementCharacter)) return utf8;
  return ToQ(FromWindows1252(bytes));
}

QString WebPage(const std::string& url) {
  QString address = ToQ(url).toHtmlEscaped();
  return QString("<html><body><p>This address is on the web:</p><p><a href=\"%1\">%1</a></p>"
                 "<p>It opens in the desktop's web browser.</p></body></html>")
      .arg(address);
}

}  // namespace

HelpBrowser::HelpBrowser(DosDrives& drives, std::string about_url, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::HelpBrowser>()), drives_(drives),
      about_url_(std::move(about_url)) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_DeleteOnClose);
  connect(ui_->PBDocReturn, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
  // The address label keeps the address that was opened.
  connect(ui_->Command1_0, &QPushButton::clicked, this, [this] { Navigate(about_url_); });
  connect(ui_->WebBrowser1, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    std::string href = FromQ(link.toString());
    std::string next = FollowLink(address_, href);
    if (ResolveHelpAddress(next, drives_).kind == AddressKind::kWeb) {
      QDesktopServices::openUrl(QUrl(ToQ(next)));
      return;
    }
    Open(next);
  });
}

HelpBrowser::~HelpBrowser() = default;

void HelpBrowser::Open(const std::string& url) {
  ui_->Label1->setText(ToQ(url));
  Navigate(url);
}

void HelpBrowser::Navigate(const std::string& url) {
  address_ = url;
  ResolvedAddress page = ResolveHelpAddress(url, drives_);
  QTextBrowser* view = ui_->WebBrowser1;
  if (page.kind == AddressKind::kWeb) {
    view->setHtml(WebPage(url));
    return;
  }
  if (!page.found) {
    view->setHtml(ToQ(PageNotFoundHtml(url)));
    return;
  }
  view->document()->setBaseUrl(QUrl::fromLocalFile(ToQ(page.host_path)));
  view->setHtml(PageText(drives_.fs().Read(page.host_path)));
  if (!page.fragment.empty()) {
    // Once the page is laid out, too.
    QString anchor = ToQ(page.fragment);
    view->scrollToAnchor(anchor);
    QTimer::singleShot(0, view, [view, anchor] { view->scrollToAnchor(anchor); });
  } else {
    view->moveCursor(QTextCursor::Start);
  }
}

}  // namespace kelvad
