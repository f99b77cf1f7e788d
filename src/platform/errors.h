#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvad {

// An error that abandons the work in progress; its text is shown to the user
// as it stands, so it names what failed.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& what) : std::runtime_error(what) {}
};

// A name or text from outside (an option, a setting, a project name) as a
// message shows it: in quotes, control characters and bytes that are not
// UTF-8 written as escapes ("\n", "\x1b"), cut after about 80 characters.
// A message never sends the terminal what the user did not see typed.
std::string Shown(std::string_view text);

// A path as a message shows it: escaped like Shown, and only a very long one
// cut, in its middle, so that both ends still say where it is.
std::string ShownPath(std::string_view path);

// What the system says about an error number of the C library (errno), such
// as "No space left on device".
std::string SystemReason(int error_number);

}  // namespace kelvad
