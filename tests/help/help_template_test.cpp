#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "help/help_template.h"
#include "platform/registry.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::TestBuild;

struct SearchBuild : TestBuild {
  SearchBuild() {
    fs.MakeDirectories("/c/Office/Templates");
    fs.MakeDirectories("/c/Aleppo/Template");
    fs.MakeDirectories("/c/Aleppo/Aleppo/Template");
  }
  void Put(const std::string& host_path) { fs.Write(host_path, "template"); }
  void SetRegistryValue(const std::string& value) {
    registry.SetValue(RegistryRoot::kLocalMachine, kLocalTemplatesKey, "", value);
  }
  ExportedRegistry registry;
};

TEST(HelpTemplateSearch, RegistryDirectoryComesFirst) {
  SearchBuild b;
  b.Put("/c/Office/Templates/EPOCHELP.DOT");
  b.Put("/c/Aleppo/Template/EPOCHELP.DOT");
  b.SetRegistryValue("c:\\Office\\Templates");
  HelpTemplateSearch search = SearchHelpTemplate(b.drives, &b.registry, "c:");
  EXPECT_EQ(search.path, "c:\\Office\\Templates\\EPOCHELP.DOT");
  EXPECT_EQ(search.searched, std::vector<std::string>{"c:\\Office\\Templates"});
}

TEST(HelpTemplateSearch, WithoutRegistryValueGoesStraightToTheAleppoDirectories) {
  SearchBuild b;
  b.Put("/c/Aleppo/Aleppo/Template/EPOCHELP.DOT");
  const std::vector<std::string> aleppo = {"c:\\Aleppo\\Template", "c:\\Aleppo\\Aleppo\\Template"};
  // No registry at all, no key, an empty value.
  HelpTemplateSearch none = SearchHelpTemplate(b.drives, nullptr, "c:");
  EXPECT_EQ(none.searched, aleppo);
  EXPECT_EQ(none.path, "c:\\Aleppo\\Aleppo\\Template\\EPOCHELP.DOT");
  EXPECT_EQ(SearchHelpTemplate(b.drives, &b.registry, "c:").searched, aleppo);
  b.SetRegistryValue("");
  HelpTemplateSearch empty = SearchHelpTemplate(b.drives, &b.registry, "c:");
  EXPECT_EQ(empty.searched, aleppo);
  EXPECT_EQ(empty.registry_problem, "");
}

TEST(HelpTemplateSearch, KeyWithoutItsValueDoesNotStopTheSearch) {
  SearchBuild b;
  b.Put("/c/Aleppo/Template/EPOCHELP.DOT");
  b.registry.AddKey(RegistryRoot::kLocalMachine, kLocalTemplatesKey);
  HelpTemplateSearch search = SearchHelpTemplate(b.drives, &b.registry, "c:");
  EXPECT_EQ(search.path, "c:\\Aleppo\\Template\\EPOCHELP.DOT");
  EXPECT_NE(search.registry_problem.find("RegQueryValueEx failed!"), std::string::npos);
}

TEST(HelpTemplateSearch, OnlyTheExactNameIsAccepted) {
  SearchBuild b;
  b.Put("/c/Office/Templates/epochelp.dot");
  b.Put("/c/Aleppo/Template/EpocHelp.Dot");
  b.Put("/c/Aleppo/Aleppo/Template/EPOCHELP.DOT");
  b.SetRegistryValue("c:\\Office\\Templates");
  HelpTemplateSearch search = SearchHelpTemplate(b.drives, &b.registry, "c:");
  EXPECT_EQ(search.path, "c:\\Aleppo\\Aleppo\\Template\\EPOCHELP.DOT");
  EXPECT_EQ(search.searched.size(), 3u);
}

TEST(HelpTemplateSearch, DirectoryNamedLikeTheTemplateIsNoTemplate) {
  SearchBuild b;
  b.fs.MakeDirectories("/c/Aleppo/Template/EPOCHELP.DOT");
  EXPECT_FALSE(SearchHelpTemplate(b.drives, nullptr, "c:").found());
}

TEST(HelpTemplateSearch, LooksOnTheProjectDriveAndSurvivesAnUnmappedOne) {
  SearchBuild b;
  b.Put("/c/Aleppo/Template/EPOCHELP.DOT");
  b.fs.MakeDirectories("/d/Aleppo/Template");
  b.drives.Map('d', "/d");
  EXPECT_FALSE(SearchHelpTemplate(b.drives, nullptr, "d:").found());
  b.SetRegistryValue("q:\\Templates");
  HelpTemplateSearch search = SearchHelpTemplate(b.drives, &b.registry, "q:");
  EXPECT_FALSE(search.found());
  EXPECT_EQ(search.searched.size(), 3u);
}

TEST(FindHelpTemplate, FoundChecksTheThreeOptions) {
  SearchBuild b;
  b.Put("/c/Aleppo/Template/EPOCHELP.DOT");
  Settings s;
  s.help = s.help_gen_bat = s.help_copy_bat = false;
  std::string path;
  EXPECT_TRUE(FindHelpTemplate(s, b.drives, nullptr, path).found());
  EXPECT_EQ(path, "c:\\Aleppo\\Template\\EPOCHELP.DOT");
  EXPECT_TRUE(s.help && s.help_gen_bat && s.help_copy_bat);
}

TEST(FindHelpTemplate, NotFoundClearsTheOptionsAndKeepsTheOldPath) {
  SearchBuild b;
  Settings s;
  std::string path = "c:\\Earlier\\EPOCHELP.DOT";
  EXPECT_FALSE(FindHelpTemplate(s, b.drives, nullptr, path).found());
  EXPECT_EQ(path, "c:\\Earlier\\EPOCHELP.DOT");
  EXPECT_FALSE(s.help || s.help_gen_bat || s.help_copy_bat);
}

TEST(ApplyHelpTemplateSearch, FoundKeepsTheUsersChoices) {
  SearchBuild b;
  b.Put("/c/Aleppo/Template/EPOCHELP.DOT");
  Settings s;
  s.help_copy_bat = false;
  std::string path;
  ApplyHelpTemplateSearch(s, SearchHelpTemplate(b.drives, nullptr, "c:"), path);
  EXPECT_TRUE(s.help);
  EXPECT_TRUE(s.help_gen_bat);
  EXPECT_FALSE(s.help_copy_bat);
  EXPECT_EQ(path, "c:\\Aleppo\\Template\\EPOCHELP.DOT");
}

TEST(HelpTemplateMissingText, NamesEveryPlaceSearched) {
  SearchBuild b;
  b.SetRegistryValue("c:\\Office\\Templates");
  std::string text = HelpTemplateMissingText(SearchHelpTemplate(b.drives, &b.registry, "c:"));
  EXPECT_EQ(text,
            "the help template EPOCHELP.DOT is not in c:\\Office\\Templates, c:\\Aleppo\\Template, "
            "c:\\Aleppo\\Aleppo\\Template; no help files are generated");
}

// --- Headless, through the real binary

namespace fs = std::filesystem;

class HeadlessHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("kelvad_help_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "c");
    fs::create_directories(root / "data");
  }
  void TearDown() override { fs::remove_all(root); }
  int Generate(const std::string& args) {
    std::string command = std::string("env -u KELVAD_DRIVES HOME=") + root.string() + " " + KELVAD_BINARY +
                          " generate --sdk-release 5 --no-launch --drive c=" + (root / "c").string() +
                          " --data-dir " + (root / "data").string() + " " + args + " >" +
                          (root / "out.txt").string() + " 2>" + (root / "err.txt").string() + " </dev/null";
    int raw = std::system(command.c_str());
    err = Read(root / "err.txt");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path root;
  std::string err;
};

TEST_F(HeadlessHelp, MissingTemplateWarnsAndWritesNoHelp) {
  ASSERT_EQ(Generate("--set name=Demo"), 0) << err;
  EXPECT_NE(err.find("warning: the help template EPOCHELP.DOT is not in c:\\Aleppo\\Template, "
                     "c:\\Aleppo\\Aleppo\\Template"),
            std::string::npos)
      << err;
  EXPECT_FALSE(fs::exists(root / "c" / "Demo" / "Help"));
}

TEST_F(HeadlessHelp, TemplateNamedByTheRegistryFileIsUsed) {
  fs::create_directories(root / "c" / "Office");
  std::ofstream(root / "c" / "Office" / "EPOCHELP.DOT").put('x');
  std::ofstream(root / "reg.reg", std::ios::binary)
      << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates]\r\n"
         "@=\"c:\\\\Office\"\r\n";
  ASSERT_EQ(Generate("--registry " + (root / "reg.reg").string() + " --set name=Demo --set help_copy_bat=0"), 0)
      << err;
  EXPECT_EQ(err, "");
  std::string rtf = Read(root / "c" / "Demo" / "Help" / "Documents" / "Demo.rtf");
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_TRUE(fs::exists(root / "c" / "Demo" / "Help" / "HelpGen.bat"));
  // The user's choice still holds when the template is found.
  EXPECT_FALSE(fs::exists(root / "c" / "Demo" / "Help" / "HelpCopy.bat"));
}

TEST_F(HeadlessHelp, HelpSwitchedOffNeedsNoWarning) {
  ASSERT_EQ(Generate("--set name=Demo --set help=0"), 0) << err;
  EXPECT_EQ(err, "");
}

}  // namespace
}  // namespace kelvad
