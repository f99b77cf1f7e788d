#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "wizard/help_links.h"

namespace kelvad {
namespace {

namespace fs = std::filesystem;

// The shipped pages, followed the way the help window follows them: every
// address goes through FollowLink and ResolveHelpAddress.
class HelpPagesTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& host_path) {
    std::ifstream in(host_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The names a page can be scrolled to.
  const std::set<std::string>& AnchorsOf(const std::string& host_path) {
    auto it = anchors_.find(host_path);
    if (it != anchors_.end()) return it->second;
    std::set<std::string>& names = anchors_[host_path];
    std::string html = Read(host_path);
    static const std::regex kAnchor(R"re((?:name|id)\s*=\s*"([^"]*)")re", std::regex::icase);
    for (std::sregex_iterator m(html.begin(), html.end(), kAnchor), end; m != end; ++m) names.insert((*m)[1]);
    return names;
  }

  // Fails unless the address leads to an existing page and anchor.
  void ExpectOpens(const std::string& address) {
    ResolvedAddress r = ResolveHelpAddress(address, drives);
    ASSERT_EQ(r.kind, AddressKind::kFile) << address;
    ASSERT_TRUE(r.found) << address;
    if (!r.fragment.empty()) EXPECT_EQ(AnchorsOf(r.host_path).count(r.fragment), 1u) << address;
  }

  const std::string install = KELVAD_TEST_DATA_DIR;
  RealFileSystem real_fs;
  DosDrives drives{real_fs, {}};
  std::map<std::string, std::set<std::string>> anchors_;
};

TEST_F(HelpPagesTest, EveryLinkLeadsToAPageAndAnchor) {
  const fs::path help = fs::path(install) / "Help";
  static const std::regex kHref(R"re(href\s*=\s*"([^"]*)")re", std::regex::icase);
  int pages = 0;
  for (const auto& entry : fs::recursive_directory_iterator(help)) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    // The page's own address, written as the help buttons write it.
    std::string address = ProgramHelpBase(install) + fs::relative(entry.path(), help).string();
    std::string html = Read(entry.path().string());
    int links = 0;
    for (std::sregex_iterator m(html.begin(), html.end(), kHref), end; m != end; ++m, ++links) {
      std::string next = FollowLink(address, (*m)[1]);
      SCOPED_TRACE(entry.path().string() + ": " + std::string((*m)[1]));
      if (ResolveHelpAddress(next, drives).kind == AddressKind::kWeb) {
        EXPECT_EQ(next, kWebSiteUrl);
        continue;
      }
      ExpectOpens(next);
    }
    EXPECT_GT(links, 0) << entry.path() << " leads nowhere";
  }
  EXPECT_EQ(pages, 15);
}

TEST_F(HelpPagesTest, TheWindowsLinksOpenShippedPages) {
  for (int release : {0, 3, 5}) {
    ExpectOpens(HelpButtonUrl(0, release, "c:", install));
    ExpectOpens(HelpButtonUrl(15, release, "c:", install));
  }
  ExpectOpens(HelpAboutUrl(install));
  // Every panel the sequence shows has its page, and the contents lead to each.
  std::string contents = Read(install + "/Help/contents.html");
  for (int panel : {7, 0, 1, 4, 12, 3, 13, 11, 14, 8, 6, 10}) {
    SCOPED_TRACE(panel);
    ExpectOpens(MainHelpUrl(panel, install));
    EXPECT_NE(contents.find("href=\"frame" + std::to_string(panel) + ".html\""), std::string::npos);
  }
}

}  // namespace
}  // namespace kelvad
