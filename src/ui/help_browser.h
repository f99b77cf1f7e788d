#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

namespace Ui {
class HelpBrowser;
}

namespace kelvad {

class DosDrives;

// The documentation browser: the SDK's HTML pages and the program's own,
// addressed as "FILE:///" URLs naming DOS or host paths. Not modal; "Close"
// deletes it, and the next request opens a fresh one.
class HelpBrowser : public QWidget {
  Q_OBJECT

 public:
  HelpBrowser(DosDrives& drives, std::string about_url, QWidget* parent = nullptr);
  ~HelpBrowser() override;

  // Shows the page and the address as given.
  void Open(const std::string& url);
  const std::string& Address() const { return address_; }

 private:
  void Navigate(const std::string& url);

  std::unique_ptr<Ui::HelpBrowser> ui_;
  DosDrives& drives_;
  std::string about_url_;
  std::string address_;  // of the page shown, against which its links are followed
};

}  // namespace kelvad
