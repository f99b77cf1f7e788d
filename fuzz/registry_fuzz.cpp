// Registry export files come from regedit, from Wine's system.reg or from a
// user's editor; a file that cannot be read is refused with an Error, and
// any file that can be read answers look-ups without faults.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvad;
  std::optional<ExportedRegistry> registry;
  try {
    registry.emplace(ExportedRegistry::Parse(fuzz::Bytes(data, size), "fuzz.reg"));
  } catch (const Error&) {
    return 0;
  }
  // The look-ups the program makes, and a few that probe the key handling.
  static const char* const kKeys[] = {
      "SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates",
      "Software\\Microsoft\\Office\\8.0\\Word\\Options",
      "software",
      "",
      "\\",
      "\\\\a\\\\",
      "a",
      "Software\\Wow6432Node\\a",
      "Software\\Classes\\a",
  };
  static const char* const kNames[] = {"", "a", "Path", "DOC-PATH"};
  for (RegistryRoot root : {RegistryRoot::kClassesRoot, RegistryRoot::kCurrentUser, RegistryRoot::kLocalMachine,
                            RegistryRoot::kUsers}) {
    for (const char* key : kKeys) {
      bool has_key = registry->HasKey(root, key);
      for (const char* name : kNames) {
        std::optional<std::string> value = registry->Value(root, key, name);
        if (value && !has_key) fuzz::Broken("a value under a key that is not there");
        try {
          std::string text = GetRegString(&*registry, root, key, name);
          if (value && text != *value) fuzz::Broken("GetRegString differs from the value");
        } catch (const RegistryError&) {
          if (!has_key || value) fuzz::Broken("RegistryError for a missing key or a present value");
        }
      }
    }
  }
  return 0;
}
