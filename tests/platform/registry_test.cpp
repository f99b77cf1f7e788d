#include <gtest/gtest.h>

#include "platform/registry.h"
#include "support/test_build.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kelvad {
namespace {

const std::string kTemplatesKey = "SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates";

// A value as the program looks it up; "!" for the RegistryError of a key without it.
std::string RegLookup(const Registry& registry, const std::string& key, const std::string& name,
                      RegistryRoot root = RegistryRoot::kLocalMachine) {
  try {
    return GetRegString(&registry, root, key, name);
  } catch (const RegistryError&) {
    return "!";
  }
}

// Keys and values match ignoring case; a missing key reads as empty, and so
// does any key without a registry; a key without the value asked for is
// error 1001, a parent of a stored key too, for it exists without values.
TEST(RegistryExport, EveryFileFormGivesItsValues) {
  EXPECT_EQ(GetRegString(nullptr, kTemplatesKey, ""), "");
  const std::string office = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + kTemplatesKey + "]\n\"UserTemplates\"=\"u\"\n";
  const ExportedRegistry parsed = ExportedRegistry::Parse(office, "office.reg");
  EXPECT_EQ(testing::ErrorOf<RegistryError>([&] { GetRegString(&parsed, kTemplatesKey, ""); }),
            "RegQueryValueEx failed! (error 1001: no value (Default) under HKEY_LOCAL_MACHINE\\" + kTemplatesKey + ")");
  const std::string a = "[HKEY_LOCAL_MACHINE\\Software\\A]\n";
  const std::string wine = "WINE REGISTRY Version 2\n;; All keys relative to ";
  const std::string templates = "[Software\\\\Microsoft\\\\Office\\\\8.0\\\\Common\\\\FileNew\\\\LocalTemplates] 1\n";
  const std::string wow = "[Software\\\\Wow6432Node\\\\Microsoft\\\\Office\\\\8.0\\\\Common\\\\FileNew\\\\LocalTemplates] 1\n";
  std::string utf16 = "\xFF\xFE";
  for (char16_t c : std::u16string(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\K]\r\n"
                                   u"@=\"D:\\\\T\u00E9mplates\"\r\n"
                                   u"\"Long\"=hex(2):44,00,3a,00,5c,00,\\\r\n  41,00,00,00\r\n")) {
    utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  }
  struct Case {
    const char* what;
    std::string file, key;
    std::vector<std::pair<std::string, std::string>> values;  // name, value or "!"
    RegistryRoot root = RegistryRoot::kLocalMachine;
  };
  const Case cases[] = {
      {"case ignored", office, "software\\microsoft\\OFFICE\\8.0\\common\\filenew\\localtemplates",
       {{"usertemplates", "u"}, {"", "!"}}},
      {"a missing key", office, "SOFTWARE\\Nobody\\Here", {{"", ""}}},
      {"another root", office, kTemplatesKey, {{"", ""}}, RegistryRoot::kCurrentUser},
      {"a parent", office, "SOFTWARE\\Microsoft\\Office", {{"Path", "!"}}},
      {"REGEDIT4, in the ANSI code page",
       "REGEDIT4\r\n\r\n" + a + "@=\"C:\\\\Vorlagen f\xFCr \\\"Word\\\"\"\r\n\"Expand\"=hex(2):43,3a,5c,e4,00\r\n"
           "\"Number\"=dword:00000010\r\n\"Nul\"=hex(1):00\r\n\"Empty\"=\"\"\r\n",
       "Software\\A",
       // A stored terminator alone is empty text.
       {{"", "C:\\Vorlagen f\xC3\xBCr \"Word\""}, {"Expand", "C:\\\xC3\xA4"},
        {"Number", std::string("\x10\0\0\0", 4)}, {"Nul", ""}, {"Empty", ""}}},
      {"version 5 in UTF-16", utf16, "Software\\K", {{"", "D:\\T\xC3\xA9mplates"}, {"Long", "D:\\A"}}},
      {"later lines remove keys and values",
       "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\A\\B]\n\"V\"=\"1\"\n\"W\"=\"2\"\n"
       "[HKEY_LOCAL_MACHINE\\Software\\A\\B]\n\"W\"=-\n",
       "Software\\A\\B", {{"V", "1"}, {"W", "!"}}},
      {"a removed key", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\C]\n\"V\"=\"3\"\n[-HKEY_LOCAL_MACHINE\\Software\\C]\n",
       "Software\\C", {{"V", ""}}},
      {"value types beyond 32 bits are skipped",
       "REGEDIT4\n" + a + "\"Big\"=hex(ffffffff):01,02\n\"Huge\"=hex(1ffffffff):01,02\n", "Software\\A",
       {{"Big", "\x01\x02"}, {"Huge", "!"}}},
      {"values of an unknown root are not filed under the previous key",
       "REGEDIT4\n" + a + "\"V\"=\"1\"\n[HKEY_CURRENT_CONFIG\\Software\\A]\n\"W\"=\"2\"\n", "Software\\A",
       {{"W", "!"}}},
      {"Wine, 32-bit",
       wine + "\\\\Machine\n\n#arch=win32\n\n" + templates +
           "#time=1d9a0b0c0d0e0f0\n@=\"C:\\\\Program Files\\\\Templates\"\n\"Tab\"=\"a\\tb\\x00e9\"\n"
           "\"Wide\"=str(2):\"%SystemRoot%\"\n",
       kTemplatesKey, {{"", "C:\\Program Files\\Templates"}, {"Tab", "a\tb\xC3\xA9"}, {"Wide", "%SystemRoot%"}}},
      // What this 32-bit program sees of a 64-bit prefix.
      {"Wine, 64-bit",
       wine + "\\\\Machine\n\n#arch=win64\n\n" + wow + "@=\"C:\\\\T32\"\n" + templates + "@=\"C:\\\\T64\"\n",
       kTemplatesKey, {{"", "C:\\T32"}}},
      {"Wine, the hive named from the registry root as newer Wine writes it",
       wine + "REGISTRY\\\\Machine\n\n#arch=win64\n\n" + wow + "@=\"r:\\\\Vorlagen\"\n", kTemplatesKey,
       {{"", "r:\\Vorlagen"}}},
      {"Wine, a user's hive",
       wine + "\\\\Registry\\\\User\\\\S-1-5-21-0-0-0-1000\n\n[Software\\\\Kelvad] 1\n\"Mine\"=\"yes\"\n",
       "Software\\Kelvad", {{"Mine", "yes"}}, RegistryRoot::kCurrentUser},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ExportedRegistry registry = ExportedRegistry::Parse(c.file, "test.reg");
    for (const auto& [name, value] : c.values) EXPECT_EQ(RegLookup(registry, c.key, name, c.root), value) << name;
  }
}

// Each refusal names the file, so a user can tell which one to fix.
TEST(RegistryExport, RefusesOtherTextNamingTheFile) {
  const std::pair<const char*, const char*> cases[] = {
      {" \r\n", "is empty"},
      {"[HKEY_LOCAL_MACHINE\\Software]\n", "is not a registry export"},
      {"WINE REGISTRY Version 2\n;; All keys relative to \\\\Nowhere\n", "is relative to an unknown hive"},
  };
  for (const auto& [text, message] : cases) {
    const std::string error = testing::ErrorOf([&] { ExportedRegistry::Parse(text, "/tmp/notes.txt"); });
    EXPECT_NE(error.find("/tmp/notes.txt " + std::string(message)), std::string::npos) << error;
  }
}

#ifndef _WIN32
// Exports built to be expensive: one key 64,000 levels deep, and keys 500
// levels deep (as deep as Windows allows) side by side, each looked up at
// every depth. Each is read or refused in a process of its own, so that its
// time and memory can be measured.
TEST(RegistryExport, CostGrowsWithTheInputNotWithItsDepth) {
  std::string deep_path;
  for (int i = 0; i < 64000; ++i) deep_path += "a\\";
  std::string wide = "REGEDIT4\n";
  std::string level;
  for (int i = 0; i < 499; ++i) level += "k\\";
  for (int i = 0; i < 1000; ++i) wide += "[HKEY_LOCAL_MACHINE\\" + std::to_string(i) + "\\" + level + "]\n@=\"v\"\n";
  const std::pair<const char*, std::string> exports[] = {
      {"64,000 levels", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + deep_path + "]\n\"Path\"=\"x\"\n"},
      {"1,000 keys of 500 levels", wide},
  };
  for (const auto& [what, text] : exports) {
    pid_t pid = fork();
    if (pid == 0) {
      // A reader that has gone wrong is stopped rather than left to take the machine.
      rlimit cpu{5, 5};
      setrlimit(RLIMIT_CPU, &cpu);
      testing::ErrorOf([&] {
        ExportedRegistry registry = ExportedRegistry::Parse(text, "deep.reg");
        std::string key = "7";
        for (int i = 0; i < 499; ++i) key += "\\k", registry.HasKey(RegistryRoot::kLocalMachine, key);
      });
      _exit(0);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(wait4(pid, &status, 0, &usage), pid);
    EXPECT_TRUE(WIFEXITED(status)) << what;
    [[maybe_unused]] double seconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#ifndef __SANITIZE_ADDRESS__  // the sanitizers' own bookkeeping costs more than the reader
    EXPECT_LT(seconds, 1.0) << what;
    EXPECT_LT(usage.ru_maxrss / 1024, 100) << what << ": peak memory in MB";
#endif
  }
}
#endif

}  // namespace
}  // namespace kelvad
