#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace kelvad {

class FileSystem;

enum class RegistryRoot { kClassesRoot, kCurrentUser, kLocalMachine, kUsers };

// Read-only access to registry string values. On Windows the registry
// itself; elsewhere a registry export file. Key paths and value names are
// matched ignoring case; the empty value name is the key's default value.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool HasKey(RegistryRoot root, const std::string& key_path) const = 0;
  // nullopt when the key or the value is missing. String values come without
  // their terminating zero; values of other types as their raw data bytes.
  virtual std::optional<std::string> Value(RegistryRoot root, const std::string& key_path,
                                           const std::string& value_name) const = 0;
};

// What GetRegString raises for a key that exists without the value.
class RegistryError : public Error {
 public:
  RegistryError(int number, std::string source, std::string description, const std::string& what)
      : Error(what), number_(number), source_(std::move(source)), description_(std::move(description)) {}
  int number() const { return number_; }
  const std::string& source() const { return source_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string source_;
  std::string description_;
};

inline constexpr int kRegQueryFailed = 1001;

// Windows keeps keys at most 512 levels deep; an export of a real system is
// a few megabytes.
inline constexpr std::size_t kRegistryKeyDepthLimit = 512;
inline constexpr std::size_t kRegistryFileLimit = std::size_t{32} << 20;

// The string value under a key: empty text when the key is missing (or when
// there is no registry at all), RegistryError 1001 "RegQueryValueEx failed!"
// when the key exists without the value.
std::string GetRegString(const Registry* registry, RegistryRoot root, const std::string& key_path,
                         const std::string& value_name);
// The same under HKEY_LOCAL_MACHINE.
std::string GetRegString(const Registry* registry, const std::string& key_path, const std::string& value_name);

// A registry read from an export file: "REGEDIT4" (ANSI),
// "Windows Registry Editor Version 5.00" (UTF-16 or UTF-8), or a Wine
// registry file ("WINE REGISTRY Version 2", such as the prefix's
// system.reg, whose keys are relative to the hive its header names).
class ExportedRegistry : public Registry {
 public:
  // Fails with kelvad::Error when the text is in none of these formats;
  // `origin` names the file in the message.
  // Keys deeper than Windows allows are refused, so that no file can make
  // the reader's cost grow faster than the file.
  static ExportedRegistry Parse(std::string_view bytes, const std::string& origin);
  // Files larger than kRegistryFileLimit are refused unread.
  static std::unique_ptr<ExportedRegistry> Load(const FileSystem& fs, const std::string& path);

  bool HasKey(RegistryRoot root, const std::string& key_path) const override;
  std::optional<std::string> Value(RegistryRoot root, const std::string& key_path,
                                   const std::string& value_name) const override;

  // Values as the file gives them, for the parser. A key deeper than
  // kRegistryKeyDepthLimit fails with kelvad::Error.
  void SetValue(RegistryRoot root, const std::string& key_path, const std::string& value_name, std::string data);
  void AddKey(RegistryRoot root, const std::string& key_path);
  void DeleteKey(RegistryRoot root, const std::string& key_path);
  void DeleteValue(RegistryRoot root, const std::string& key_path, const std::string& value_name);

 private:
  struct Key {
    std::map<std::string, std::string> values;  // by lower-cased name
  };
  const Key* FindKey(RegistryRoot root, const std::string& key_path) const;
  const Key* FindNormalised(const std::string& key) const;
  static std::string Normalise(RegistryRoot root, const std::string& key_path);

  // The keys the file names, by root and lower-cased path, in order: the
  // keys below one key follow it, so a parent that the file leaves out
  // (Wine does) exists because a key below it does, and is never stored.
  std::map<std::string, Key> keys_;
  // A 64-bit Wine prefix keeps what 32-bit programs see of HKLM\Software
  // under Software\Wow6432Node.
  bool wow64_ = false;
};

// The registry a front end reads when no export file is named: on Windows
// the registry itself; elsewhere the Wine prefix's system.reg when there is
// one, else none (null). A system.reg that cannot be read gives none, with
// the reason in *problem.
std::unique_ptr<Registry> OpenDefaultRegistry(const FileSystem& fs, std::string* problem);

// Where OpenDefaultRegistry looks on systems without a registry.
std::string DefaultRegistryFile();

#ifdef _WIN32
// The Windows registry itself.
class WindowsRegistry : public Registry {
 public:
  bool HasKey(RegistryRoot root, const std::string& key_path) const override;
  std::optional<std::string> Value(RegistryRoot root, const std::string& key_path,
                                   const std::string& value_name) const override;
};
#endif

}  // namespace kelvad
