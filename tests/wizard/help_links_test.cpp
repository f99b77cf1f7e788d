#include "wizard/help_links.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kelvad {
namespace {

const char* const kInstall = "/opt/kelvad/share/kelvad";

struct ButtonCase {
  int button;
  const char* release5;  // with drive d:
  const char* other;     // release 3, drive c:
};

// Written out whole from the panels' link table, so a slip in either the
// page or the base shows as one failing row.
const ButtonCase kButtons[] = {
    {0, "FILE:////opt/kelvad/share/kelvad\\Help\\cpp/eikfile/iffile.html#eikfile.iffile-005",
     "FILE:////opt/kelvad/share/kelvad\\Help\\contents.html"},
    {1, "FILE:///d:\\sysdoc\\cpp/eikfile/ifintro.html#eikfile.intro.nonfile-based-apps",
     "FILE:///c:\\epoc32\\doc\\eikfile\\ifintro.html#eikfile.ifintro-002"},
    {2, "FILE:///d:\\sysdoc\\cpp/eikfile/iffile.html#eikfile.iffile-002",
     "FILE:///c:\\epoc32\\doc\\eikfile\\iffile.html#eikfile.iffile-003"},
    {3, "FILE:///d:\\sysdoc\\cpp/eikfile/iffile.html#eikfile.iffile-012",
     "FILE:///c:\\epoc32\\doc\\eikfile\\iffile.html#eikfile.iffile-013"},
    {4, "FILE:///d:\\sysdoc\\cpp/eikfile/iffile.html#eikfile.file-based.handle",
     "FILE:///c:\\epoc32\\doc\\eikfile\\iffile.html#eikfile.file-based.handle"},
    {5, "FILE:///d:\\sysdoc\\cpp/eikfile/ifnew.html", "FILE:///c:\\epoc32\\doc\\eikfile\\ifnew.html"},
    {6, "FILE:///d:\\sysdoc\\cpp/introbld\\eikon-example.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {7, "FILE:///d:\\sysdoc\\cpp/eikmenu/immenu.html#eikmenu.examples.hotkeys",
     "FILE:///c:\\epoc32\\doc\\eikintro\\iiintro.html#eikintro.intro.input"},
    {8, "FILE:///d:\\sysdoc\\cpp/eikmenu/immenu.html#eikmenu.immenu-001", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {9, "FILE:///d:\\sysdoc\\cpp/group\\engutil.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {10, "FILE:///d:\\sysdoc\\cpp/eikintro/iiintro.html#eikintro.iiintro-005",
     "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {11, "FILE:///d:\\sysdoc\\cpp/eikintro/iiintro.html#eikintro.intro.input",
     "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {12, "FILE:///d:\\sysdoc\\cpp/eikintro/iiintro.html#eikintro.intro.menus",
     "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {13, "FILE:///d:\\sysdoc\\cpp/apparch/aaappdoc-002.html#apparch.document.embedding",
     "FILE:///c:\\epoc32\\doc\\apparch\\aaaif.html#apparch.aif.capabilities"},
    {14, "FILE:///d:\\sysdoc\\cpp/group\\eikon.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {15, "FILE:////opt/kelvad/share/kelvad\\Help\\help.html", "FILE:////opt/kelvad/share/kelvad\\Help\\help.html"},
    {16, "FILE:///d:\\sysdoc\\techpaper/styleguide/styleguide.html#styleguide.styleguide-103",
     "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {17, "FILE:///d:\\sysdoc\\techpaper/styleguide/styleguide.html#styleguide.styleguide-102",
     "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {18, "FILE:///d:\\sysdoc\\cpp/eikfile/ifopen.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {19, "FILE:///d:\\sysdoc\\cpp/eikfile/ifsave.html#eikfile.ifsave-002", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {20, "FILE:///d:\\sysdoc\\cpp/eikfile/ifsave.html#eikfile.ifsave-004", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {21, "FILE:///d:\\sysdoc\\cpp/eikfile\\ifrevert.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    // Numbers outside the array take the general page.
    {22, "FILE:///d:\\sysdoc\\cpp/group\\cpp.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
    {-1, "FILE:///d:\\sysdoc\\cpp/group\\cpp.html", "FILE:///c:\\epoc32\\doc\\group\\sdk.html"},
};

TEST(HelpLinksTest, EveryButtonForBothReleases) {
  for (const auto& c : kButtons) {
    SCOPED_TRACE(c.button);
    EXPECT_EQ(HelpButtonUrl(c.button, 5, "d:", kInstall), c.release5);
    EXPECT_EQ(HelpButtonUrl(c.button, 3, "c:", kInstall), c.other);
  }
}

TEST(HelpLinksTest, ReleaseAndDriveEdgeCases) {
  // No SDK found: the other column on the drive chosen by hand.
  EXPECT_EQ(HelpButtonUrl(8, 0, "e:", kInstall), "FILE:///e:\\epoc32\\doc\\group\\sdk.html");
  // A later release keeps the newer documentation base but not the release-5 pages.
  EXPECT_EQ(HelpButtonUrl(9, 6, "d:", kInstall), "FILE:///d:\\sysdoc\\group\\sdk.html");
  // Only the drive letter and colon of a drive entry count.
  EXPECT_EQ(HelpButtonUrl(9, 5, "d: [SDK]", kInstall), "FILE:///d:\\sysdoc\\cpp/group\\engutil.html");
  // A Windows installation directory is written as it is.
  EXPECT_EQ(HelpButtonUrl(15, 3, "c:", "C:\\Program Files\\Kelvad"),
            "FILE:///C:\\Program Files\\Kelvad\\Help\\help.html");
}

TEST(HelpLinksTest, WindowWideLinks) {
  EXPECT_EQ(MainHelpUrl(7, kInstall), "FILE:////opt/kelvad/share/kelvad\\Help\\frame7.html");
  EXPECT_EQ(MainHelpUrl(10, kInstall), "FILE:////opt/kelvad/share/kelvad\\Help\\frame10.html");
  EXPECT_EQ(HelpAboutUrl(kInstall), "FILE:////opt/kelvad/share/kelvad\\Help\\contents.html");
  EXPECT_EQ(std::string(kWebSiteUrl).rfind("https://", 0), 0u);
}

class HelpAddressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.MakeDirectories("/drives/d/SysDoc/CPP/Group");
    fs.Write("/drives/d/SysDoc/CPP/Group/EngUtil.html", "<html></html>");
    fs.MakeDirectories("/opt/kelvad/share/kelvad/Help/cpp/eikfile");
    fs.Write("/opt/kelvad/share/kelvad/Help/cpp/eikfile/iffile.html", "<html></html>");
  }

  ResolvedAddress Resolve(const std::string& address) { return ResolveHelpAddress(address, drives); }

  MemoryFileSystem fs;
  DosDrives drives{fs, {{'d', "/drives/d"}}};
};

TEST_F(HelpAddressTest, DosAddressesGoThroughTheDriveMappingIgnoringCase) {
  ResolvedAddress r = Resolve("FILE:///d:\\sysdoc\\cpp/group\\engutil.html#engutil.intro");
  EXPECT_EQ(r.kind, AddressKind::kFile);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.host_path, "/drives/d/SysDoc/CPP/Group/EngUtil.html");
  EXPECT_EQ(r.fragment, "engutil.intro");

  r = Resolve("file:///D:/SYSDOC/cpp/group/ENGUTIL.HTML");
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.fragment, "");
  // The button's own address, release 5 on drive d:.
  EXPECT_TRUE(Resolve(HelpButtonUrl(9, 5, "d:", kInstall)).found);
}

TEST_F(HelpAddressTest, HostInstallationDirectoryResolves) {
  ResolvedAddress r = Resolve(HelpButtonUrl(0, 5, "d:", kInstall));
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.host_path, "/opt/kelvad/share/kelvad/Help/cpp/eikfile/iffile.html");
  EXPECT_EQ(r.fragment, "eikfile.iffile-005");
}

TEST_F(HelpAddressTest, MissingPagesAreNotFound) {
  // A page that is not there, a drive that is not mapped, a directory, a
  // relative address and the SDK pages of the other release.
  for (const char* address :
       {"FILE:///d:\\sysdoc\\cpp/group\\cpp.html", "FILE:///q:\\sysdoc\\cpp/group\\engutil.html",
        "FILE:///d:\\sysdoc\\cpp", "FILE:///sysdoc\\cpp/group\\engutil.html", "FILE:///d:\\epoc32\\doc\\group\\sdk.html",
        "FILE:////opt/kelvad/share/kelvad\\Help\\frame7.html"}) {
    SCOPED_TRACE(address);
    ResolvedAddress r = Resolve(address);
    EXPECT_EQ(r.kind, AddressKind::kFile);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.host_path, "");
  }
  EXPECT_EQ(Resolve(kWebSiteUrl).kind, AddressKind::kWeb);
  EXPECT_EQ(Resolve("contents.html").kind, AddressKind::kOther);
}

TEST(HelpLinksTest, PageNotFoundNamesTheAddress) {
  std::string html = PageNotFoundHtml("FILE:///d:\\x<y>&z.html#a");
  EXPECT_NE(html.find("Page not found"), std::string::npos);
  EXPECT_NE(html.find("FILE:///d:\\x&lt;y&gt;&amp;z.html#a"), std::string::npos);
}

TEST(HelpLinksTest, FollowingLinks) {
  const std::string page = "FILE:///d:\\sysdoc\\cpp/group\\engutil.html#top";
  const std::string own = "FILE:////opt/kelvad/share/kelvad\\Help\\cpp/eikfile/iffile.html";
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
      {own, "../../contents.html", "FILE:////opt/kelvad/share/kelvad\\Help\\contents.html"},
      {own, "../../frame7.html#options", "FILE:////opt/kelvad/share/kelvad\\Help\\frame7.html#options"},
      {"FILE:////opt/kelvad/share/kelvad\\Help\\contents.html", "cpp/eikfile/iffile.html#eikfile.iffile-005",
       "FILE:////opt/kelvad/share/kelvad\\Help\\cpp/eikfile/iffile.html#eikfile.iffile-005"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.href);
    EXPECT_EQ(FollowLink(c.current, c.href), c.next);
  }
}

}  // namespace
}  // namespace kelvad
