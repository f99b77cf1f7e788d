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

}  // namespace kelvad

#endif
