#include "wizard/help_links.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "platform/dos_paths.h"
#include "platform/file_system.h"
#include "wizard/panels.h"

namespace kelvad {
namespace {

const char* const kInstall = "/opt/kelvad/share/kelvad";
const std::string kOwn = "FILE:////opt/kelvad/share/kelvad\\Help\\";

// Every button, written out from the panels' link table so that a slip in a
// page or a base shows as one failing row: "@" marks the program's own pages,
// nullptr the SDK's general page; numbers outside the table take it too.
struct ButtonCase {
  int button;
  const char* release5;  // under d:\sysdoc\ .
  const char* other;     // under c:\epoc32\doc\ .
} const kButtons[] = {
    {0, "@cpp/eikfile/iffile.html#eikfile.iffile-005", "@contents.html"},
    {1, "cpp/eikfile/ifintro.html#eikfile.intro.nonfile-based-apps", "eikfile\\ifintro.html#eikfile.ifintro-002"},
    {2, "cpp/eikfile/iffile.html#eikfile.iffile-002", "eikfile\\iffile.html#eikfile.iffile-003"},
    {3, "cpp/eikfile/iffile.html#eikfile.iffile-012", "eikfile\\iffile.html#eikfile.iffile-013"},
    {4, "cpp/eikfile/iffile.html#eikfile.file-based.handle", "eikfile\\iffile.html#eikfile.file-based.handle"},
    {5, "cpp/eikfile/ifnew.html", "eikfile\\ifnew.html"},
    {6, "cpp/introbld\\eikon-example.html", nullptr},
    {7, "cpp/eikmenu/immenu.html#eikmenu.examples.hotkeys", "eikintro\\iiintro.html#eikintro.intro.input"},
    {8, "cpp/eikmenu/immenu.html#eikmenu.immenu-001", nullptr},
    {9, "cpp/group\\engutil.html", nullptr},
    {10, "cpp/eikintro/iiintro.html#eikintro.iiintro-005", nullptr},
    {11, "cpp/eikintro/iiintro.html#eikintro.intro.input", nullptr},
    {12, "cpp/eikintro/iiintro.html#eikintro.intro.menus", nullptr},
    {13, "cpp/apparch/aaappdoc-002.html#apparch.document.embedding", "apparch\\aaaif.html#apparch.aif.capabilities"},
    {14, "cpp/group\\eikon.html", nullptr},
    {15, "@help.html", "@help.html"},
    {16, "techpaper/styleguide/styleguide.html#styleguide.styleguide-103", nullptr},
    {17, "techpaper/styleguide/styleguide.html#styleguide.styleguide-102", nullptr},
    {18, "cpp/eikfile/ifopen.html", nullptr},
    {19, "cpp/eikfile/ifsave.html#eikfile.ifsave-002", nullptr},
    {20, "cpp/eikfile/ifsave.html#eikfile.ifsave-004", nullptr},
    {21, "cpp/eikfile\\ifrevert.html", nullptr},
    {22, "cpp/group\\cpp.html", nullptr},
    {-1, "cpp/group\\cpp.html", nullptr},
};

std::string Expected(const char* page, const std::string& sdk_base) {
  if (page[0] == '@') return kOwn + (page + 1);
  return sdk_base + page;
}

TEST(HelpLinksTest, ButtonsForBothReleases) {
  for (const auto& c : kButtons) {
    SCOPED_TRACE(c.button);
    EXPECT_EQ(HelpButtonUrl(c.button, 5, "d:", kInstall), Expected(c.release5, "FILE:///d:\\sysdoc\\"));
    EXPECT_EQ(HelpButtonUrl(c.button, 3, "c:", kInstall),
              Expected(c.other ? c.other : "group\\sdk.html", "FILE:///c:\\epoc32\\doc\\"));
  }
  // No SDK found: the other column on the drive chosen by hand.
  EXPECT_EQ(HelpButtonUrl(8, 0, "e:", kInstall), "FILE:///e:\\epoc32\\doc\\group\\sdk.html");
  // A later release keeps the newer documentation base but not the release-5 pages.
  EXPECT_EQ(HelpButtonUrl(9, 6, "d:", kInstall), "FILE:///d:\\sysdoc\\group\\sdk.html");
  // Only the drive letter and colon of a drive entry count.
  EXPECT_EQ(HelpButtonUrl(9, 5, "d: [SDK]", kInstall), "FILE:///d:\\sysdoc\\cpp/group\\engutil.html");
  // A Windows installation directory is written as it is.
  EXPECT_EQ(HelpButtonUrl(15, 3, "c:", "C:\\Program Files\\Kelvad"),
            "FILE:///C:\\Program Files\\Kelvad\\Help\\help.html");
  EXPECT_EQ(MainHelpUrl(10, kInstall), kOwn + "frame10.html");
  EXPECT_EQ(HelpAboutUrl(kInstall), kOwn + "contents.html");
}

// F1 opens the "?" page of the control it is pressed on; each "?" button is
// named for what it explains, and no two alike.
TEST(HelpLinksTest, HelpButtonsHaveTopicsAndTheirControls) {
  std::set<std::string> names;
  for (int button = 0; button < kHelpButtonCount; ++button) names.insert(HelpButtonName(button));
  EXPECT_EQ(names.size(), size_t{kHelpButtonCount});
  EXPECT_EQ(HelpButtonName(6), "Help on sub-projects");
  struct Case {
    const char* control;
    int button;
  } const cases[] = {{"OptFile_1", 1}, {"SubPrjCount_0", 6}, {"MenuOpt_7", 8}, {"MenuOpt_4", 11},
                     {"MenuOpt_1", 12}, {"GUIDocCheck_10", 21}, {"Text1_0", -1}, {"PBMainHelp", -1}};
  for (const auto& c : cases) EXPECT_EQ(HelpButtonFor(c.control), c.button) << c.control;
}

TEST(HelpLinksTest, AddressesResolveThroughTheDriveMappingIgnoringCase) {
  MemoryFileSystem fs;
  fs.MakeDirectories("/drives/d/SysDoc/CPP/Group");
  fs.Write("/drives/d/SysDoc/CPP/Group/EngUtil.html", "<html></html>");
  DosDrives drives{fs, {{'d', "/drives/d"}}};
  ResolvedAddress r = ResolveHelpAddress(HelpButtonUrl(9, 5, "d:", kInstall) + "#engutil.intro", drives);
  EXPECT_EQ(r.kind, AddressKind::kFile);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.host_path, "/drives/d/SysDoc/CPP/Group/EngUtil.html");
  EXPECT_EQ(r.fragment, "engutil.intro");
  r = ResolveHelpAddress("file:///D:/SYSDOC/cpp/group/ENGUTIL.HTML", drives);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.fragment, "");

  // A page that is not there, a drive that is not mapped, a directory, a
  // relative address and the SDK pages of the other release.
  for (const char* address :
       {"FILE:///d:\\sysdoc\\cpp/group\\cpp.html", "FILE:///q:\\sysdoc\\cpp/group\\engutil.html",
        "FILE:///d:\\sysdoc\\cpp", "FILE:///sysdoc\\cpp/group\\engutil.html", "FILE:///d:\\epoc32\\doc\\group\\sdk.html",
        "FILE:////opt/kelvad/share/kelvad\\Help\\frame7.html"}) {
    SCOPED_TRACE(address);
    r = ResolveHelpAddress(address, drives);
    EXPECT_EQ(r.kind, AddressKind::kFile);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.host_path, "");
  }
  EXPECT_EQ(ResolveHelpAddress("https://example.org/epoc", drives).kind, AddressKind::kWeb);
  EXPECT_EQ(ResolveHelpAddress("contents.html", drives).kind, AddressKind::kOther);
}

TEST(HelpLinksTest, PageNotFoundNamesTheAddress) {
  std::string html = PageNotFoundHtml("FILE:///d:\\x<y>&z.html#a");
  EXPECT_NE(html.find("Page not found"), std::string::npos);
  EXPECT_NE(html.find("FILE:///d:\\x&lt;y&gt;&amp;z.html#a"), std::string::npos);
}

TEST(HelpLinksTest, FollowingLinks) {
  const std::string page = "FILE:///d:\\sysdoc\\cpp/group\\engutil.html#top";
  const std::string own = kOwn + "cpp/eikfile/iffile.html";
  struct {
    std::string current, href, next;
  } cases[] = {
      {page, "eikon.html", "FILE:///d:\\sysdoc\\cpp/group\\eikon.html"},
      {page, "#engutil.intro", "FILE:///d:\\sysdoc\\cpp/group\\engutil.html#engutil.intro"},
      {page, "../eikfile/iffile.html#eikfile.iffile-002", "FILE:///d:\\sysdoc\\cpp/eikfile/iffile.html#eikfile.iffile-002"},
      {page, "..\\..\\..\\..\\index.html", "FILE:///d:\\index.html"},
      {page, "./sub/./a.html", "FILE:///d:\\sysdoc\\cpp/group\\sub/a.html"},
      {page, "/epoc32/doc/x.html", "FILE:///d:/epoc32/doc/x.html"},
      {page, "https://www.example.org/a", "https://www.example.org/a"},
      {page, "c:\\docs\\a.html", "FILE:///c:\\docs\\a.html"},
      {own, "../../frame7.html#options", kOwn + "frame7.html#options"},
      {kOwn + "contents.html", "cpp/eikfile/iffile.html#eikfile.iffile-005", own + "#eikfile.iffile-005"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.href);
    EXPECT_EQ(FollowLink(c.current, c.href), c.next);
  }
}

// The shipped pages, followed the way the help window follows them: every
// address goes through FollowLink and ResolveHelpAddress.
class HelpPagesTest : public ::testing::Test {
 protected:
  // Fails unless the address leads to an existing page and anchor.
  void ExpectOpens(const std::string& address) {
    ResolvedAddress r = ResolveHelpAddress(address, drives);
    ASSERT_EQ(r.kind, AddressKind::kFile) << address;
    ASSERT_TRUE(r.found) << address;
    if (r.fragment.empty()) return;
    static const std::regex kAnchor(R"re((?:name|id)\s*=\s*"([^"]*)")re", std::regex::icase);
    std::string html = real_fs.Read(r.host_path);
    std::set<std::string> anchors;
    for (std::sregex_iterator m(html.begin(), html.end(), kAnchor), end; m != end; ++m) anchors.insert((*m)[1]);
    EXPECT_EQ(anchors.count(r.fragment), 1u) << address;
  }

  const std::string install = KELVAD_TEST_DATA_DIR;
  RealFileSystem real_fs;
  DosDrives drives{real_fs, {}};
};

TEST_F(HelpPagesTest, EveryLinkLeadsToAPageAndAnchor) {
  namespace fs = std::filesystem;
  const fs::path help = fs::path(install) / "Help";
  static const std::regex kHref(R"re(href\s*=\s*"([^"]*)")re", std::regex::icase);
  int pages = 0;
  for (const auto& entry : fs::recursive_directory_iterator(help)) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    // The page's own address, written as the help buttons write it.
    std::string address = ProgramHelpBase(install) + fs::relative(entry.path(), help).string();
    std::string html = real_fs.Read(entry.path().string());
    int links = 0;
    for (std::sregex_iterator m(html.begin(), html.end(), kHref), end; m != end; ++m, ++links) {
      std::string next = FollowLink(address, (*m)[1]);
      SCOPED_TRACE(entry.path().string() + ": " + std::string((*m)[1]));
      // The program has no web site: every link stays among the pages it ships.
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
  std::string contents = real_fs.Read(install + "/Help/contents.html");
  for (int panel : PanelSequence()) {
    SCOPED_TRACE(panel);
    ExpectOpens(MainHelpUrl(panel, install));
    EXPECT_NE(contents.find("href=\"frame" + std::to_string(panel) + ".html\""), std::string::npos);
  }
}

}  // namespace
}  // namespace kelvad
