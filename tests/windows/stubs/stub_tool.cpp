// A stand-in for the EPOC SDK's programs when the generated batch files are
// run by a real command interpreter. Copied under each tool's name
// (nmake.exe, bmconv.exe, makesis.exe, aleppo.exe, epoc.exe); it appends
// "name|working directory|arguments as given" to the file named by
// KELVAD_STUB_LOG, writes one line to standard output and one to standard
// error (so a log that a script redirects shows both), and does the little
// of the tool's work that the next step needs.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return "";
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::filesystem::path Path(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

// The command line after the program name, as the caller wrote it.
std::wstring ArgumentText() {
  const wchar_t* line = GetCommandLineW();
  bool quoted = false;
  for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line) {
    if (*line == L'"') quoted = !quoted;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  // The interpreter leaves blanks where it took out "> file 2>&1"; no
  // program sees them as arguments.
  std::wstring text = line;
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.pop_back();
  return text;
}

std::wstring ToolName() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, n);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  name = name.substr(0, name.rfind(L'.'));
  for (wchar_t& c : name) c = static_cast<wchar_t>(towlower(c));
  return name;
}

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8(wide[i]));
  LocalFree(wide);
  return args;
}

std::string Trim(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

// nmake: runs the rules of the makefile for its first target, every target
// out of date, each command through the command interpreter as nmake does.
struct Makefile {
  std::vector<std::string> order;
  std::map<std::string, std::vector<std::string>> needs;
  std::map<std::string, std::vector<std::string>> commands;
};

int RunTarget(const Makefile& make, const std::string& target, std::set<std::string>& done) {
  if (!done.insert(target).second) return 0;
  auto needs = make.needs.find(target);
  if (needs == make.needs.end()) return 0;  // a file that exists, as far as this stand-in knows
  for (const std::string& need : needs->second) {
    if (int status = RunTarget(make, need, done)) return status;
  }
  for (const std::string& command : make.commands.at(target)) {
    std::printf("\t%s\n", command.c_str());
    std::fflush(stdout);
    int status = std::system(command.c_str());
    if (status != 0) {
      std::printf("NMAKE : fatal error U1077: '%s' : return code '0x%x'\nStop.\n", command.c_str(), status);
      return 2;
    }
  }
  return 0;
}

int Nmake(const std::vector<std::string>& args) {
  std::string file = "makefile";
  for (size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "-f" || args[i] == "/f" || args[i] == "-F" || args[i] == "/F") file = args[i + 1];
  }
  std::ifstream in(Path(file));
  if (!in) {
    std::printf("NMAKE : fatal error U1052: file '%s' not found\nStop.\n", file.c_str());
    return 2;
  }
  Makefile make;
  std::string line, current;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '\t') {
      if (!current.empty()) make.commands[current].push_back(line.substr(1));
      continue;
    }
    // "target : needs"; a colon right after a drive letter is part of a name.
    size_t colon = line.find(':', line.size() > 1 && line[1] == ':' ? 2 : 0);
    if (colon == std::string::npos) continue;
    std::istringstream targets(line.substr(0, colon)), needs(line.substr(colon + 1));
    std::vector<std::string> need_list;
    for (std::string need; needs >> need;) need_list.push_back(need);
    for (std::string target; targets >> target;) {
      make.order.push_back(target);
      make.needs[target] = need_list;
      make.commands[target];
      current = target;
    }
  }
  if (make.order.empty()) return 0;
  std::set<std::string> done;
  return RunTarget(make, make.order.front(), done);
}

// bmconv LIST: the multi-bitmap file named on the list's first line.
void Bmconv(const std::vector<std::string>& args) {
  if (args.empty()) return;
  std::ifstream list(Path(args.back()));
  std::string mbm;
  if (std::getline(list, mbm)) std::ofstream(Path(Trim(mbm)), std::ios::binary) << "MBM";
}

// aleppo ... PROJECT.alp: the help file where the project file puts it.
void Aleppo(const std::vector<std::string>& args) {
  if (args.empty()) return;
  std::ifstream project(Path(args.back()));
  std::string line, directory, file;
  while (std::getline(project, line)) {
    line = Trim(line);
    if (line.rfind("outputdirectory ", 0) == 0) directory = line.substr(16);
    if (line.rfind("outputfile ", 0) == 0) file = line.substr(11);
  }
  if (!file.empty()) std::ofstream(Path(directory + file), std::ios::binary) << "HLP";
}

}  // namespace

int main() {
  const std::wstring name = ToolName();
  const std::string tool = Utf8(name);
  wchar_t cwd[MAX_PATH];
  DWORD n = GetCurrentDirectoryW(MAX_PATH, cwd);
  const std::string arguments = Utf8(ArgumentText());
  if (const wchar_t* log = _wgetenv(L"KELVAD_STUB_LOG")) {
    std::ofstream(std::filesystem::path(log), std::ios::app | std::ios::binary)
        << tool << "|" << Utf8(std::wstring(cwd, n)) << "|" << arguments << "\r\n";
  }
  std::printf("%s stand-in: %s\n", tool.c_str(), arguments.c_str());
  std::fflush(stdout);
  std::fprintf(stderr, "%s stand-in: on standard error\n", tool.c_str());
  const std::vector<std::string> args = Arguments();
  if (tool == "nmake") return Nmake(args);
  if (tool == "bmconv") Bmconv(args);
  if (tool == "aleppo") Aleppo(args);
  return 0;
}
