#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "help/help_template.h"
#include "platform/registry.h"
#include "support/headless_run.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

using testing::HeadlessRun;
using testing::TestBuild;

using Lines = std::vector<std::string>;

struct SearchBuild : TestBuild {
  SearchBuild() {
    for (const char* dir : {"/c/Office/Templates", "/c/Aleppo/Template", "/c/Aleppo/Aleppo/Template",
                            "/d/Aleppo/Template"}) {
      fs.MakeDirectories(dir);
    }
    drives.Map('d', "/d");
  }
  void Put(const std::string& host_path) { fs.Write(host_path, "template"); }
  void SetRegistryValue(const std::string& value) {
    registry.SetValue(RegistryRoot::kLocalMachine, kLocalTemplatesKey, "", value);
  }
  ExportedRegistry registry;
};

TEST(HelpTemplateSearch, OrderExactNameAndRegistryProblems) {
  enum Registry { kNone, kKeyOnly, kValue };
  struct Case {
    const char* what;
    Lines files;  // host paths; one ending in '/' is a directory
    Registry registry;
    const char *value, *drive, *path;
    Lines searched;
    const char* problem;  // a part of the registry problem
  };
  const std::string office = "/c/Office/Templates/", a = "/c/Aleppo/Template/", aa = "/c/Aleppo/Aleppo/Template/";
  const Lines aleppo = {"c:\\Aleppo\\Template", "c:\\Aleppo\\Aleppo\\Template"};
  const Lines all = {"c:\\Office\\Templates", aleppo[0], aleppo[1]};
  const Case cases[] = {
      {"registry directory first", {office + "EPOCHELP.DOT", a + "EPOCHELP.DOT"}, kValue, all[0].c_str(), "c:",
       "c:\\Office\\Templates\\EPOCHELP.DOT", {all[0]}, ""},
      {"no registry", {aa + "EPOCHELP.DOT"}, kNone, "", "c:", "c:\\Aleppo\\Aleppo\\Template\\EPOCHELP.DOT", aleppo, ""},
      {"empty value", {}, kValue, "", "c:", "", aleppo, ""},
      {"key without its value", {a + "EPOCHELP.DOT"}, kKeyOnly, "", "c:", "c:\\Aleppo\\Template\\EPOCHELP.DOT",
       {aleppo[0]}, "RegQueryValueEx failed!"},
      {"only the exact name", {office + "epochelp.dot", a + "EpocHelp.Dot", aa + "EPOCHELP.DOT"}, kValue,
       all[0].c_str(), "c:", "c:\\Aleppo\\Aleppo\\Template\\EPOCHELP.DOT", all, ""},
      {"a directory of the name", {a + "EPOCHELP.DOT/"}, kNone, "", "c:", "", aleppo, ""},
      {"the project drive", {a + "EPOCHELP.DOT"}, kNone, "", "d:", "",
       {"d:\\Aleppo\\Template", "d:\\Aleppo\\Aleppo\\Template"}, ""},
      {"an unmapped drive", {}, kValue, "q:\\Templates", "q:", "",
       {"q:\\Templates", "q:\\Aleppo\\Template", "q:\\Aleppo\\Aleppo\\Template"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SearchBuild b;
    for (std::string file : c.files) {
      file.back() == '/' ? b.fs.MakeDirectories(file.erase(file.size() - 1)) : b.Put(file);
    }
    if (c.registry == kKeyOnly) b.registry.AddKey(RegistryRoot::kLocalMachine, kLocalTemplatesKey);
    if (c.registry == kValue) b.SetRegistryValue(c.value);
    HelpTemplateSearch search = SearchHelpTemplate(b.drives, c.registry == kNone ? nullptr : &b.registry, c.drive);
    EXPECT_EQ(search.path, c.path);
    EXPECT_EQ(search.searched, c.searched);
    EXPECT_EQ(search.registry_problem.empty(), !*c.problem) << search.registry_problem;
    EXPECT_NE(search.registry_problem.find(c.problem), std::string::npos) << search.registry_problem;
  }
}

// Not found: the options cleared, the old path kept and every place named.
TEST(FindHelpTemplate, NotFoundClearsTheOptionsAndKeepsTheOldPathFoundSetsThem) {
  SearchBuild b;
  Settings s;
  std::string path = "c:\\Earlier\\EPOCHELP.DOT";
  b.SetRegistryValue("c:\\Office\\Templates");
  EXPECT_EQ(HelpTemplateMissingText(FindHelpTemplate(s, b.drives, &b.registry, path)),
            "the help template EPOCHELP.DOT is not in c:\\Office\\Templates, c:\\Aleppo\\Template, "
            "c:\\Aleppo\\Aleppo\\Template; no help files are generated");
  EXPECT_EQ(path, "c:\\Earlier\\EPOCHELP.DOT");
  EXPECT_FALSE(s.help || s.help_gen_bat || s.help_copy_bat);
  b.Put("/c/Aleppo/Template/EPOCHELP.DOT");
  EXPECT_TRUE(FindHelpTemplate(s, b.drives, nullptr, path).found());
  EXPECT_EQ(path, "c:\\Aleppo\\Template\\EPOCHELP.DOT");
  EXPECT_TRUE(s.help && s.help_gen_bat && s.help_copy_bat);
}

namespace fs = std::filesystem;

// A missing template warns and writes no help, unless help is off; a
// template named by the registry file is used, and the user's choice of
// scripts still holds.
TEST_F(HeadlessRun, HelpTemplateMissingOrNamedByTheRegistryFile) {
  testing::RunOutcome run = Generate("--sdk-release 5 --no-launch --set name=Demo");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("warning: the help template EPOCHELP.DOT is not in c:\\Aleppo\\Template, "
                         "c:\\Aleppo\\Aleppo\\Template"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(root / "c" / "Demo" / "Help"));
  run = Generate("--sdk-release 5 --no-launch --set name=Other --set help=0");
  EXPECT_EQ(run.err, "");

  fs::create_directories(root / "c" / "Office");
  std::ofstream(root / "c" / "Office" / "EPOCHELP.DOT").put('x');
  std::ofstream(root / "reg.reg", std::ios::binary)
      << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates]\r\n"
         "@=\"c:\\\\Office\"\r\n";
  run = Generate("--sdk-release 5 --no-launch --registry " + (root / "reg.reg").string() +
                 " --set name=Third --set help_copy_bat=0");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Read(root / "c" / "Third" / "Help" / "Documents" / "Third.rtf").rfind("{\\rtf1", 0), 0u);
  EXPECT_TRUE(fs::exists(root / "c" / "Third" / "Help" / "HelpGen.bat"));
  EXPECT_FALSE(fs::exists(root / "c" / "Third" / "Help" / "HelpCopy.bat"));
}

}  // namespace
}  // namespace kelvad
