#pragma once

#include <stdexcept>
#include <string>

namespace kelvad {

// An error that abandons the work in progress; its text is shown to the user
// as it stands, so it names what failed.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace kelvad
