#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace kelvad {
namespace {

const std::string kTemplatesKey = "SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates";

ExportedRegistry OneValue(const std::string& name, const std::string& data) {
  ExportedRegistry registry;
  registry.SetValue(RegistryRoot::kLocalMachine, kTemplatesKey, name, data);
  return registry;
}

TEST(GetRegString, FindsValuesIgnoringCaseAndGivesEmptyTextForMissingKeys) {
  ExportedRegistry registry = OneValue("", "C:\\Office\\Templates");
  registry.SetValue(RegistryRoot::kLocalMachine, kTemplatesKey, "UserTemplates", "u");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, ""), "C:\\Office\\Templates");
  EXPECT_EQ(GetRegString(&registry, RegistryRoot::kLocalMachine, kTemplatesKey, ""), "C:\\Office\\Templates");
  EXPECT_EQ(GetRegString(&registry, "software\\microsoft\\OFFICE\\8.0\\common\\filenew\\localtemplates",
                         "usertemplates"),
            "u");
  EXPECT_EQ(GetRegString(&registry, "SOFTWARE\\Nobody\\Here", ""), "");
  // The same path under another root is another key.
  EXPECT_EQ(GetRegString(&registry, RegistryRoot::kCurrentUser, kTemplatesKey, ""), "");
  EXPECT_EQ(GetRegString(nullptr, kTemplatesKey, ""), "");
}

TEST(GetRegString, KeyWithoutTheValueRaisesError1001) {
  ExportedRegistry registry = OneValue("Other", "x");
  try {
    GetRegString(&registry, kTemplatesKey, "");
    FAIL() << "no error";
  } catch (const RegistryError& e) {
    EXPECT_EQ(e.number(), 1001);
    EXPECT_EQ(e.source(), "GetRegString");
    EXPECT_EQ(e.description(), "RegQueryValueEx failed!");
    EXPECT_NE(std::string(e.what()).find("RegQueryValueEx failed!"), std::string::npos);
  }
  // A parent of a stored key exists too, without values.
  EXPECT_THROW(GetRegString(&registry, "SOFTWARE\\Microsoft\\Office", "Path"), RegistryError);
}

TEST(RegistryExport, Regedit4IsReadInTheAnsiCodePage) {
  const std::string file =
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\" + kTemplatesKey + "]\r\n"
      "@=\"C:\\\\Vorlagen f\xFCr \\\"Word\\\"\"\r\n"
      "\"Expand\"=hex(2):43,3a,5c,e4,00\r\n"
      "\"Number\"=dword:00000010\r\n"
      "\"Nul\"=hex(1):00\r\n"
      "\"Empty\"=\"\"\r\n";
  ExportedRegistry registry = ExportedRegistry::Parse(file, "test.reg");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, ""), "C:\\Vorlagen f\xC3\xBCr \"Word\"");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, "Expand"), "C:\\\xC3\xA4");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, "Number"), std::string("\x10\0\0\0", 4));
  // A stored terminator alone is empty text.
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, "Nul"), "");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, "Empty"), "");
}

TEST(RegistryExport, Version5IsReadFromUtf16WithByteOrderMark) {
  const std::u16string text = u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\K]\r\n"
                              u"@=\"D:\\\\T\u00E9mplates\"\r\n\"Long\"=hex(2):44,00,3a,00,5c,00,\\\r\n  41,00,00,00\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  ExportedRegistry registry = ExportedRegistry::Parse(bytes, "test.reg");
  EXPECT_EQ(GetRegString(&registry, "Software\\K", ""), "D:\\T\xC3\xA9mplates");
  EXPECT_EQ(GetRegString(&registry, "Software\\K", "Long"), "D:\\A");
}

TEST(RegistryExport, LaterLinesRemoveKeysAndValues) {
  const std::string file = "Windows Registry Editor Version 5.00\n\n"
                           "[HKEY_LOCAL_MACHINE\\Software\\A\\B]\n\"V\"=\"1\"\n\"W\"=\"2\"\n"
                           "[HKEY_LOCAL_MACHINE\\Software\\A\\B]\n\"W\"=-\n"
                           "[HKEY_LOCAL_MACHINE\\Software\\C]\n\"V\"=\"3\"\n"
                           "[-HKEY_LOCAL_MACHINE\\Software\\C]\n";
  ExportedRegistry registry = ExportedRegistry::Parse(file, "test.reg");
  EXPECT_EQ(GetRegString(&registry, "Software\\A\\B", "V"), "1");
  EXPECT_THROW(GetRegString(&registry, "Software\\A\\B", "W"), RegistryError);
  EXPECT_EQ(GetRegString(&registry, "Software\\C", "V"), "");
}

TEST(RegistryExport, ValueTypesBeyondThirtyTwoBitsAreSkipped) {
  const std::string file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\A]\n"
                           "\"Big\"=hex(ffffffff):01,02\n\"Huge\"=hex(1ffffffff):01,02\n";
  ExportedRegistry registry = ExportedRegistry::Parse(file, "test.reg");
  EXPECT_EQ(GetRegString(&registry, "Software\\A", "Big"), "\x01\x02");
  EXPECT_THROW(GetRegString(&registry, "Software\\A", "Huge"), RegistryError);
}

TEST(RegistryExport, ValuesOfAnUnknownRootAreNotFiledUnderThePreviousKey) {
  const std::string file = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\A]\n\"V\"=\"1\"\n"
                           "[HKEY_CURRENT_CONFIG\\Software\\A]\n\"W\"=\"2\"\n";
  ExportedRegistry registry = ExportedRegistry::Parse(file, "test.reg");
  EXPECT_THROW(GetRegString(&registry, "Software\\A", "W"), RegistryError);
}

TEST(RegistryExport, OtherTextIsRefusedNamingTheFile) {
  try {
    ExportedRegistry::Parse("[HKEY_LOCAL_MACHINE\\Software]\n", "/tmp/notes.txt");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("/tmp/notes.txt"), std::string::npos) << e.what();
  }
  EXPECT_THROW(ExportedRegistry::Parse("", "empty.reg"), Error);
}

const char kWineSystemReg[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Microsoft\\\\Office\\\\8.0\\\\Common\\\\FileNew\\\\LocalTemplates] 1700000000\n"
    "#time=1d9a0b0c0d0e0f0\n"
    "@=\"C:\\\\Program Files\\\\Microsoft Office\\\\Templates\"\n"
    "\"Tab\"=\"a\\tb\\x00e9\"\n"
    "\"Wide\"=str(2):\"%SystemRoot%\"\n";

TEST(WineRegistry, LoadsWithKeysRelativeToTheMachineHive) {
  MemoryFileSystem fs;
  fs.MakeDirectories("/prefix");
  fs.Write("/prefix/system.reg", kWineSystemReg);
  std::unique_ptr<ExportedRegistry> registry = ExportedRegistry::Load(fs, "/prefix/system.reg");
  ASSERT_NE(registry, nullptr);
  EXPECT_EQ(GetRegString(registry.get(), kTemplatesKey, ""), "C:\\Program Files\\Microsoft Office\\Templates");
  EXPECT_EQ(GetRegString(registry.get(), kTemplatesKey, "Tab"), "a\tb\xC3\xA9");
  EXPECT_EQ(GetRegString(registry.get(), kTemplatesKey, "Wide"), "%SystemRoot%");
}

TEST(WineRegistry, SixtyFourBitPrefixShowsWow6432NodeToThisProgram) {
  const std::string file =
      "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
      "[Software\\\\Wow6432Node\\\\Microsoft\\\\Office\\\\8.0\\\\Common\\\\FileNew\\\\LocalTemplates] 1\n"
      "@=\"C:\\\\T32\"\n"
      "[Software\\\\Microsoft\\\\Office\\\\8.0\\\\Common\\\\FileNew\\\\LocalTemplates] 1\n"
      "@=\"C:\\\\T64\"\n";
  ExportedRegistry registry = ExportedRegistry::Parse(file, "system.reg");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, ""), "C:\\T32");
}

TEST(WineRegistry, HivesNamedFromTheRegistryRootAsNewerWineWritesThem) {
  const std::string machine =
      "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n\n"
      "[Software\\\\Wow6432Node\\\\Microsoft\\\\Office\\\\8.0\\\\Common\\\\FileNew\\\\LocalTemplates] 1\n"
      "@=\"r:\\\\Vorlagen\"\n";
  ExportedRegistry registry = ExportedRegistry::Parse(machine, "system.reg");
  EXPECT_EQ(GetRegString(&registry, kTemplatesKey, ""), "r:\\Vorlagen");
  const std::string user =
      "WINE REGISTRY Version 2\n;; All keys relative to \\\\Registry\\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
      "[Software\\\\Kelvad] 1\n\"Mine\"=\"yes\"\n";
  ExportedRegistry user_registry = ExportedRegistry::Parse(user, "user.reg");
  EXPECT_EQ(GetRegString(&user_registry, RegistryRoot::kCurrentUser, "Software\\Kelvad", "Mine"), "yes");
}

}  // namespace
}  // namespace kelvad
