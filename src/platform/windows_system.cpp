#include "platform/windows_system.h"

#ifdef _WIN32

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

namespace kelvad {

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
  return out;
}

std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string SystemDriveLetters() {
  std::string letters;
  DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (mask & (DWORD{1} << i)) letters += static_cast<char>('a' + i);
  }
  return letters;
}

unsigned SystemDriveType(char letter) {
  char root[] = {letter, ':', '\\', '\0'};
  return GetDriveTypeA(root);
}

std::string ModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return "";
    if (n < path.size()) {
      path.resize(n);
      return Utf8FromWide(path);
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return args;
  for (int i = 0; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

std::string EnvironmentValue(const char* name) {
  const wchar_t* value = _wgetenv(WideFromUtf8(name).c_str());
  return value ? Utf8FromWide(value) : "";
}

std::string SystemErrorText(unsigned long code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n ? std::wstring(text, n) : L"";
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.')) {
    message.pop_back();
  }
  return message.empty() ? "error " + std::to_string(code) : Utf8FromWide(message);
}

bool HasInteractiveDesktop() {
  USEROBJECTFLAGS flags{};
  HWINSTA station = GetProcessWindowStation();
  if (!station || !GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof(flags), nullptr)) return true;
  return (flags.dwFlags & WSF_VISIBLE) != 0;
}

bool HideOwnConsole() {
  HWND console = GetConsoleWindow();
  if (!console) return false;
  DWORD processes[2];
  if (GetConsoleProcessList(processes, 2) != 1) return false;
  ShowWindow(console, SW_HIDE);
  return true;
}

void ShowOwnConsole() {
  if (HWND console = GetConsoleWindow()) ShowWindow(console, SW_SHOW);
}

void ShowErrorBox(const std::string& title, const std::string& text) {
  MessageBoxW(nullptr, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace kelvad

#endif
