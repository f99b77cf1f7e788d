// The Windows side of the platform layer against the real system, under Wine or on Windows itself.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "model/sdk_search.h"
#include "platform/dos_paths.h"
#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/program.h"
#include "platform/registry.h"
#include "platform/windows_system.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

namespace fs = std::filesystem;

// "é" and "Ω": one has a byte in the ANSI code page, the other none, so a
// name that passes through an ANSI call comes back changed.
const std::string kName = "Caf\xC3\xA9 \xCE\xA9";

// A scratch directory under the user's temporary directory, which Wine keeps on drive C.
class WindowsScratch : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(root), fs::create_directories(root); }
  void TearDown() override { fs::remove_all(root); }

  const fs::path root = fs::temp_directory_path() /
                        (std::string("kelvad_win_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string dir = Utf8Path(root);
  RealFileSystem real;
};

TEST_F(WindowsScratch, StoredNameComesFromTheDirectoryNotFromTheQuestion) {
  // Windows finds "epochelp.dot" when asked for "EPOCHELP.DOT"; the help
  // template search must still see the lower-case name and refuse it.
  for (const char* file : {"Aleppo/Template/epochelp.dot", "epoc32/release/wins/deb/EPOC.EXE"}) {
    fs::create_directories((root / file).parent_path());
    std::ofstream(root / file).put('x');
  }
  DosDrives drives(real, {{'d', dir}});
  EXPECT_EQ(drives.StoredName("d:\\Aleppo\\Template\\EPOCHELP.DOT"), "epochelp.dot");
  EXPECT_EQ(drives.StoredName("d:\\aleppo\\template\\epochelp.dot"), "epochelp.dot");
  EXPECT_EQ(drives.StoredName("d:\\Aleppo\\Template"), "");
  // The SDK marker is compared ignoring case, so an upper-case one is found.
  SdkLocation sdk = SearchForSdk(drives);
  EXPECT_EQ(sdk.drive, 'd');
  EXPECT_EQ(sdk.release, 5);
}

TEST(WindowsDrives, RealDrivesHaveTheSystemsTypes) {
  const std::string letters = SystemDriveLetters();
  ASSERT_NE(letters.find('c'), std::string::npos) << letters;
  SetEnvironmentVariableW(L"KELVAD_DRIVES", nullptr);
  DriveChoice choice = ChooseDrives({});
  EXPECT_FALSE(choice.created_default);
  ASSERT_EQ(choice.drives.size(), letters.size());
  RealFileSystem real;
  DosDrives drives(real, choice.drives);
  for (char letter : letters) {
    EXPECT_EQ(choice.drives[letter], std::string(1, letter) + ":/");
    EXPECT_EQ(static_cast<unsigned>(drives.TypeOf(letter)), SystemDriveType(letter)) << letter;
  }
  EXPECT_EQ(drives.TypeOf('C'), DriveType::kFixed);
  EXPECT_EQ(drives.TypeOf('b') == DriveType::kNoRootDir, letters.find('b') == std::string::npos);
  // The root of a real drive is itself, never "c:", which is the drive's current directory.
  EXPECT_EQ(drives.Resolve("c:\\"), "c:/");
  EXPECT_EQ(drives.Resolve("C:\\windows\\..\\x"), "c:/x");
  EXPECT_EQ(ParentPath("c:/x"), "c:/");
  EXPECT_TRUE(drives.Exists("c:\\windows"));

  // Directories standing in for drives are fixed disks, in either spelling.
  MemoryFileSystem memory;
  DosDrives mapped(memory, {{'e', "C:\\Somewhere\\Else\\"}, {'f', "d:"}, {'g', "D:\\"}});
  EXPECT_EQ(mapped.roots().at('f'), "d:/");
  EXPECT_EQ(mapped.roots().at('g'), "D:/");
  EXPECT_EQ(mapped.TypeOf('e'), DriveType::kFixed);
  EXPECT_EQ(mapped.Resolve("e:\\Project\\GUI"), "C:/Somewhere/Else/Project/GUI");
}

TEST(WindowsProgram, DirectoryArgumentsAndProgramsOnThePathComeFromTheSystem) {
  const std::string dir = ProgramDirectory(nullptr);
  EXPECT_TRUE(fs::is_regular_file(HostPath(dir) / "kelvad_tests.exe")) << dir;
  // The arguments are the wide command line's, not argv's.
  char fake[] = "ignored";
  char* argv[] = {fake, fake, nullptr};
  std::vector<std::string> expected = CommandLineArguments();
  expected.erase(expected.begin());
  EXPECT_EQ(ProgramArguments(2, argv), expected);
  EXPECT_NE(FindProgram("cmd"), "");
  EXPECT_EQ(FindProgram("no-such-program-anywhere"), "");
}

// Values are written by the system's own reg.exe, so the lookup sees the
// registry as another program leaves it; HKEY_LOCAL_MACHINE, as the word
// processor's key, needs administrator rights, which Wine gives everyone.
class WindowsRegistryLookup : public ::testing::Test {
 protected:
  static constexpr const char* kKey = "SOFTWARE\\Kelvad Tests\\FileNew\\LocalTemplates";

  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }

  // Runs reg.exe with the arguments and waits for it; its exit status.
  static int Reg(const std::wstring& arguments) { return _wsystem((L"reg.exe " + arguments).c_str()); }
  static void Forget() {
    for (const wchar_t* view : {L"32", L"64"}) {
      Reg(L"delete \"HKLM\\SOFTWARE\\Kelvad Tests\" /f /reg:" + std::wstring(view));
    }
  }
  // Imports the lines as values of the key, in one call of reg.exe; view "32" or "64".
  static void Import(const std::string& lines, const wchar_t* view = L"64") {
    const std::wstring wide = L"\xFEFF" + WideFromUtf8("Windows Registry Editor Version 5.00\r\n\r\n"
                                                       "[HKEY_LOCAL_MACHINE\\" + std::string(kKey) + "]\r\n" + lines);
    const fs::path file = fs::temp_directory_path() / "kelvad_registry_test.reg";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(wide.data()),
                                                static_cast<std::streamsize>(wide.size() * sizeof(wchar_t)));
    EXPECT_EQ(Reg(L"import \"" + file.wstring() + L"\" /reg:" + view), 0) << lines;
    fs::remove(file);
  }

  WindowsRegistry registry;
};

TEST_F(WindowsRegistryLookup, ReadsValuesInUtf8MissingKeyIsEmptyMissingValueIsAnErrorThe32BitViewComesFirst) {
  EXPECT_FALSE(registry.HasKey(RegistryRoot::kLocalMachine, kKey));
  EXPECT_EQ(GetRegString(&registry, kKey, ""), "");
  const std::string long_text(300, 'x');
  Import("@=\"C:\\\\Vorlagen f\xC3\xBCr " + kName + "\"\r\n\"Other\"=\"o\"\r\n\"Empty\"=\"\"\r\n\"Long\"=\"" +
         long_text + "\"\r\n\"Number\"=dword:00000010\r\n");
  EXPECT_EQ(GetRegString(&registry, kKey, ""), "C:\\Vorlagen f\xC3\xBCr " + kName);
  EXPECT_EQ(GetRegString(&registry, RegistryRoot::kLocalMachine, kKey, "other"), "o");
  // A value of nothing but its terminating zero is empty text.
  EXPECT_EQ(GetRegString(&registry, kKey, "Empty"), "");
  // Longer than the 255 characters a fixed buffer would hold: read whole.
  EXPECT_EQ(GetRegString(&registry, kKey, "Long"), long_text);
  EXPECT_EQ(GetRegString(&registry, kKey, "Number"), std::string("\x10\0\0\0", 4));
  EXPECT_THROW(GetRegString(&registry, kKey, "Missing"), RegistryError);
  // The same path under another root is another key.
  EXPECT_EQ(GetRegString(&registry, RegistryRoot::kCurrentUser, kKey, "Other"), "");
  // What a 32-bit word processor wrote on 64-bit Windows lives in the 32-bit
  // view; a key found there answers alone: no value there is an error.
  Import("@=\"C:\\\\Office97\"\r\n", L"32");
  EXPECT_EQ(GetRegString(&registry, kKey, ""), "C:\\Office97");
  EXPECT_THROW(GetRegString(&registry, kKey, "Other"), RegistryError);
}

TEST_F(WindowsScratch, CommandInterpreterRunsTheLineInTheDirectoryWithoutBeingWaitedFor) {
  // The job waits for a file that appears only after Start has returned.
  std::ofstream(root / "job.bat", std::ios::binary)
      << "@ECHO OFF\r\n:wait\r\nIF NOT EXIST go.txt GOTO wait\r\nECHO ran in %CD%\r\nECHO caf\x82\r\nECHO done\r\n";
  StartRequest request;
  request.dos_directory = request.host_directory = dir;
  request.drive = static_cast<char>(std::tolower(static_cast<unsigned char>(dir[0])));
  request.drive_root = std::string(1, request.drive) + ":/";
  request.command_line = dir + "\\job.bat > job.log";
  // Nothing starts when the drive is a directory standing in for it.
  StartRequest stand_in = request;
  stand_in.drive_root = dir;
  StartOutcome outcome = SystemProcessStarter().Start(stand_in);
  EXPECT_FALSE(outcome.started);
  EXPECT_NE(outcome.explanation.find("not to the drive itself"), std::string::npos) << outcome.explanation;
  outcome = SystemProcessStarter().Start(request);
  ASSERT_TRUE(outcome.started) << outcome.explanation;
  EXPECT_EQ(testing::HostBytes(root / "job.log").find("done"), std::string::npos);
  std::ofstream(root / "go.txt").put('x');
  std::string log;
  for (int i = 0; i < 600 && log.find("done") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    log = testing::HostBytes(root / "job.log");
  }
  // The interpreter reads the batch file in the console's (OEM) code page and
  // with /A writes in the ANSI one: 82, "é" in code pages 437 and 850, comes
  // back as the ANSI code page's "é".
  wchar_t wide = 0;
  MultiByteToWideChar(CP_OEMCP, 0, "\x82", 1, &wide, 1);
  char ansi[4] = {};
  const int n = WideCharToMultiByte(CP_ACP, 0, &wide, 1, ansi, sizeof(ansi), nullptr, nullptr);
  EXPECT_EQ(log, "ran in " + fs::path(root).make_preferred().string() + "\r\ncaf" + std::string(ansi, n) +
                     "\r\ndone\r\n");
  // Let the interpreter let go of the directory before it is removed.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

}  // namespace
}  // namespace kelvad

#endif
