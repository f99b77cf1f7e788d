#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>
#include <vector>

// The few Win32 calls the platform layer makes outside its own classes, kept
// in one file so that <windows.h> and its macros (SetCurrentDirectory,
// CreateDirectory, ...) stay away from the classes that share those names.
// Text is UTF-8 on this side, as everywhere in the program; the wide
// (UTF-16) calls are used so that no name depends on the ANSI code page.
namespace kelvad {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The letters of the drives that exist, lower case, in order.
std::string SystemDriveLetters();
// GetDriveTypeA on the drive's root ("C:\").
unsigned SystemDriveType(char letter);

// The full path of the running executable.
std::string ModuleFileName();
// The command line split into arguments by CommandLineToArgvW, program name first.
std::vector<std::string> CommandLineArguments();
// An environment variable; empty when it is not set.
std::string EnvironmentValue(const char* name);
// What the system says about an error code (GetLastError), without the
// closing full stop and line break.
std::string SystemErrorText(unsigned long code);

// Whether this process's window station is the interactive one, whose
// windows a person sees. A service or a task run without a logged-on user
// has none: a window opened there is never shown.
bool HasInteractiveDesktop();
// Hides the console window when it was opened for this process alone, as
// Explorer, the Start menu or a shortcut open one for a console program; a
// console shared with a command interpreter stays. True when hidden.
bool HideOwnConsole();
// Shows it again, for a message that must be read there.
void ShowOwnConsole();
// A message box with an OK button, for errors that have no console to go to.
void ShowErrorBox(const std::string& title, const std::string& text);

}  // namespace kelvad

#endif
