#pragma once

#include <optional>
#include <string>

namespace kelvad {

enum class RegistryRoot { kClassesRoot, kCurrentUser, kLocalMachine, kUsers };

// Read-only access to registry string values. On Windows the registry
// itself; elsewhere a registry export file.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool HasKey(RegistryRoot root, const std::string& key_path) const = 0;
  // nullopt when the key or the value is missing.
  virtual std::optional<std::string> Value(RegistryRoot root, const std::string& key_path,
                                           const std::string& value_name) const = 0;
};

}  // namespace kelvad
