#include "platform/registry.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/dos_paths.h"
#include "platform/drive_map.h"
#include "platform/encoding.h"
#include "platform/file_system.h"

#ifdef _WIN32
#include "platform/windows_system.h"

#include <windows.h>
#endif

namespace kelvad {

namespace {

const char* RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kClassesRoot: return "HKEY_CLASSES_ROOT";
    case RegistryRoot::kCurrentUser: return "HKEY_CURRENT_USER";
    case RegistryRoot::kLocalMachine: return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::kUsers: return "HKEY_USERS";
  }
  return "";
}

}  // namespace

std::string GetRegString(const Registry* registry, RegistryRoot root, const std::string& key_path,
                         const std::string& value_name) {
  // A missing key is an ordinary answer: the caller looks elsewhere.
  if (!registry || !registry->HasKey(root, key_path)) return "";
  std::optional<std::string> value = registry->Value(root, key_path, value_name);
  if (!value) {
    const std::string shown = value_name.empty() ? "(Default)" : "\"" + value_name + "\"";
    throw RegistryError(kRegQueryFailed, "GetRegString", "RegQueryValueEx failed!",
                        "RegQueryValueEx failed! (error " + std::to_string(kRegQueryFailed) + ": no value " + shown +
                            " under " + RootName(root) + "\\" + key_path + ")");
  }
  return *value;
}

std::string GetRegString(const Registry* registry, const std::string& key_path, const std::string& value_name) {
  return GetRegString(registry, RegistryRoot::kLocalMachine, key_path, value_name);
}

// ---------------------------------------------------------------------------
// Registry export files

namespace {

// UTF-16 code units (little- or big-endian bytes) to UTF-8; an unpaired
// surrogate becomes U+FFFD, an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool big_endian) {
  std::string out;
  auto unit = [&](size_t i) -> std::uint32_t {
    auto a = static_cast<unsigned char>(bytes[i]);
    auto b = static_cast<unsigned char>(bytes[i + 1]);
    return big_endian ? (a << 8 | b) : (b << 8 | a);
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      std::uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
    AppendUtf8(out, c);
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    auto c = static_cast<unsigned char>(text[i]);
    size_t extra;
    if (c < 0x80) {
      extra = 0;
    } else if ((c >> 5) == 0x6) {
      extra = 1;
    } else if ((c >> 4) == 0xE) {
      extra = 2;
    } else if ((c >> 3) == 0x1E) {
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

enum class Format { kRegedit4, kRegedit5, kWine };


bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

std::string_view Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(begin, end - begin + 1);
}

// The next line that is not blank, trimmed; empty at the end of the text.
std::string_view NextNonBlank(LineCursor& cursor) {
  for (std::string_view line; cursor.Next(line);) {
    if (!Trim(line).empty()) return Trim(line);
  }
  return {};
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the text after an escaping backslash. Regedit escapes only the
// backslash and the quote, and a lone backslash in a hand-written file
// stays as it is (so "c:\new" keeps its backslash); Wine writes C-like
// escapes, \x with up to four hex digits (a UTF-16 unit) and octal.
void ReadEscape(std::string_view text, size_t& i, Format format, std::string& out) {
  char c = text[i];
  if (format != Format::kWine) {
    if (c != '\\' && c != '"') out += '\\';
    out += c;
    ++i;
    return;
  }
  switch (c) {
    case 'a': out += '\a'; ++i; return;
    case 'b': out += '\b'; ++i; return;
    case 'e': out += '\x1b'; ++i; return;
    case 'f': out += '\f'; ++i; return;
    case 'n': out += '\n'; ++i; return;
    case 'r': out += '\r'; ++i; return;
    case 't': out += '\t'; ++i; return;
    case 'v': out += '\v'; ++i; return;
    default: break;
  }
  if (c == 'x' && i + 1 < text.size() && HexDigit(text[i + 1]) >= 0) {
    ++i;
    std::uint32_t value = 0;
    for (int k = 0; k < 4 && i < text.size() && HexDigit(text[i]) >= 0; ++k, ++i) value = value * 16 + HexDigit(text[i]);
    AppendUtf8(out, value);
    return;
  }
  if (c >= '0' && c <= '7') {
    std::uint32_t value = 0;
    for (int k = 0; k < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++k, ++i) value = value * 8 + (text[i] - '0');
    AppendUtf8(out, value);
    return;
  }
  out += c;
  ++i;
}

// A quoted text starting at text[i] == '"'; i ends after the closing quote.
std::optional<std::string> ReadQuoted(std::string_view text, size_t& i, Format format) {
  if (i >= text.size() || text[i] != '"') return std::nullopt;
  ++i;
  std::string out;
  while (i < text.size()) {
    char c = text[i];
    if (c == '"') {
      ++i;
      return out;
    }
    if (c == '\\' && i + 1 < text.size()) {
      ++i;
      ReadEscape(text, i, format, out);
      continue;
    }
    out += c;
    ++i;
  }
  return std::nullopt;
}

std::optional<std::string> ReadHexBytes(std::string_view text) {
  std::string bytes;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == ',' || c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) return std::nullopt;
    int high = HexDigit(text[i]);
    int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
    i += 2;
    if (i < text.size() && text[i] != ',' && text[i] != ' ' && text[i] != '\t') return std::nullopt;
  }
  return bytes;
}

bool IsStringType(std::uint32_t type) { return type == 1 || type == 2 || type == 7; }

// The stored string without its terminating zero.
std::string DropTerminator(std::string text) {
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

struct ValueLine {
  std::string name;
  bool remove = false;
  std::string data;
};

std::optional<ValueLine> ReadValueLine(std::string_view line, Format format) {
  ValueLine value;
  size_t i = 0;
  if (line[0] == '@') {
    i = 1;
  } else {
    auto name = ReadQuoted(line, i, format);
    if (!name) return std::nullopt;
    value.name = *name;
  }
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  if (i >= line.size() || line[i] != '=') return std::nullopt;
  ++i;
  std::string_view data = Trim(line.substr(i));
  if (data == "-") {
    value.remove = true;
    return value;
  }
  if (StartsWith(data, "\"")) {
    size_t k = 0;
    auto text = ReadQuoted(data, k, format);
    if (!text) return std::nullopt;
    value.data = DropTerminator(*text);
    return value;
  }
  if (StartsWith(data, "str(")) {
    size_t close = data.find("):");
    if (close == std::string_view::npos) return std::nullopt;
    size_t k = close + 2;
    auto text = ReadQuoted(data, k, format);
    if (!text) return std::nullopt;
    value.data = DropTerminator(*text);
    return value;
  }
  if (StartsWith(data, "dword:")) {
    std::string_view digits = Trim(data.substr(6));
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t number = 0;
    for (char c : digits) {
      if (HexDigit(c) < 0) return std::nullopt;
      number = number * 16 + HexDigit(c);
    }
    for (int k = 0; k < 4; ++k) value.data += static_cast<char>((number >> (8 * k)) & 0xFF);
    return value;
  }
  std::uint32_t type = 3;
  std::string_view bytes_text;
  if (StartsWith(data, "hex:")) {
    bytes_text = data.substr(4);
  } else if (StartsWith(data, "hex(")) {
    size_t close = data.find("):");
    if (close == std::string_view::npos) return std::nullopt;
    // A value type is a 32-bit number.
    if (close - 4 > 8) return std::nullopt;
    type = 0;
    for (char c : data.substr(4, close - 4)) {
      if (HexDigit(c) < 0) return std::nullopt;
      type = type * 16 + HexDigit(c);
    }
    bytes_text = data.substr(close + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = ReadHexBytes(bytes_text);
  if (!bytes) return std::nullopt;
  if (IsStringType(type)) {
    // Version 5 and Wine store UTF-16 units; REGEDIT4 stores ANSI bytes.
    value.data = DropTerminator(format == Format::kRegedit4 ? FromWindows1252(*bytes) : Utf16ToUtf8(*bytes, false));
  } else {
    value.data = *bytes;
  }
  return value;
}

std::optional<std::pair<RegistryRoot, std::string>> SplitRoot(std::string_view path) {
  size_t slash = path.find('\\');
  std::string head(path.substr(0, slash));
  std::string rest = slash == std::string_view::npos ? "" : std::string(path.substr(slash + 1));
  head = UpperAscii(head);
  if (head == "HKEY_LOCAL_MACHINE" || head == "HKLM") return std::make_pair(RegistryRoot::kLocalMachine, rest);
  if (head == "HKEY_CURRENT_USER" || head == "HKCU") return std::make_pair(RegistryRoot::kCurrentUser, rest);
  if (head == "HKEY_CLASSES_ROOT" || head == "HKCR") return std::make_pair(RegistryRoot::kClassesRoot, rest);
  if (head == "HKEY_USERS" || head == "HKU") return std::make_pair(RegistryRoot::kUsers, rest);
  return std::nullopt;
}

}  // namespace

std::string ExportedRegistry::Normalise(RegistryRoot root, const std::string& key_path) {
  std::string path = std::to_string(static_cast<int>(root)) + ":";
  const size_t start = path.size();
  for (char c : key_path) {
    if (c == '\\' && (path.size() == start || path.back() == '\\')) continue;
    path += LowerAscii(c);
  }
  while (path.size() > start && path.back() == '\\') path.pop_back();
  return path;
}

namespace {

// The keys below a normalised key start with this; the root ("1:") has its
// keys straight after the colon.
std::string BelowPrefix(const std::string& key) { return key.back() == ':' ? key : key + "\\"; }

// The parent of a normalised key that is not a root.
std::string ParentKey(const std::string& key) {
  size_t slash = key.rfind('\\');
  return slash == std::string::npos ? key.substr(0, key.find(':') + 1) : key.substr(0, slash);
}

}  // namespace

void ExportedRegistry::AddKey(RegistryRoot root, const std::string& key_path) {
  std::string key = Normalise(root, key_path);
  size_t depth = key.back() == ':' ? 0 : 1 + std::count(key.begin(), key.end(), '\\');
  if (depth > kRegistryKeyDepthLimit) {
    throw Error("the key is " + std::to_string(depth) + " levels deep; registry keys have at most " +
                std::to_string(kRegistryKeyDepthLimit));
  }
  keys_.try_emplace(std::move(key));
}

void ExportedRegistry::SetValue(RegistryRoot root, const std::string& key_path, const std::string& value_name,
                                std::string data) {
  AddKey(root, key_path);
  keys_[Normalise(root, key_path)].values[LowerAscii(value_name)] = std::move(data);
}

void ExportedRegistry::DeleteKey(RegistryRoot root, const std::string& key_path) {
  const std::string key = Normalise(root, key_path);
  bool deleted = keys_.erase(key) > 0;
  const std::string below = BelowPrefix(key);
  auto first = keys_.lower_bound(below);
  auto last = first;
  while (last != keys_.end() && StartsWith(last->first, below)) ++last;
  deleted |= first != last;
  keys_.erase(first, last);
  // The parent stays, as it would in the registry, though nothing below it
  // may say so any more.
  if (deleted && key.back() != ':') keys_.try_emplace(ParentKey(key));
}

void ExportedRegistry::DeleteValue(RegistryRoot root, const std::string& key_path, const std::string& value_name) {
  auto it = keys_.find(Normalise(root, key_path));
  if (it != keys_.end()) it->second.values.erase(LowerAscii(value_name));
}

const ExportedRegistry::Key* ExportedRegistry::FindNormalised(const std::string& key) const {
  static const Key kImplied;
  if (auto it = keys_.find(key); it != keys_.end()) return &it->second;
  const std::string below = BelowPrefix(key);
  auto it = keys_.lower_bound(below);
  return it != keys_.end() && StartsWith(it->first, below) ? &kImplied : nullptr;
}

const ExportedRegistry::Key* ExportedRegistry::FindKey(RegistryRoot root, const std::string& key_path) const {
  auto find = [this](RegistryRoot r, const std::string& path) { return FindNormalised(Normalise(r, path)); };
  std::string lower = LowerAscii(key_path);
  while (!lower.empty() && lower.front() == '\\') lower.erase(0, 1);
  if (root == RegistryRoot::kLocalMachine && wow64_ && StartsWith(lower, "software\\") &&
      !StartsWith(lower, "software\\wow6432node") && !StartsWith(lower, "software\\classes")) {
    if (const Key* key = find(root, "software\\wow6432node\\" + lower.substr(9))) return key;
  }
  if (const Key* key = find(root, lower)) return key;
  // HKEY_CLASSES_ROOT is a view of HKLM\Software\Classes, where Wine keeps it.
  if (root == RegistryRoot::kClassesRoot) return find(RegistryRoot::kLocalMachine, "software\\classes\\" + lower);
  return nullptr;
}

bool ExportedRegistry::HasKey(RegistryRoot root, const std::string& key_path) const {
  return FindKey(root, key_path) != nullptr;
}

std::optional<std::string> ExportedRegistry::Value(RegistryRoot root, const std::string& key_path,
                                                   const std::string& value_name) const {
  const Key* key = FindKey(root, key_path);
  if (!key) return std::nullopt;
  auto it = key->values.find(LowerAscii(value_name));
  if (it == key->values.end()) return std::nullopt;
  return it->second;
}

ExportedRegistry ExportedRegistry::Parse(std::string_view bytes, const std::string& origin) {
  std::string text;
  if (StartsWith(bytes, "\xFF\xFE")) {
    text = Utf16ToUtf8(bytes.substr(2), false);
  } else if (StartsWith(bytes, "\xFE\xFF")) {
    text = Utf16ToUtf8(bytes.substr(2), true);
  } else if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    text = std::string(bytes.substr(3));
  } else {
    text = std::string(bytes);
  }
  LineCursor header_cursor(text);
  const std::string_view header = NextNonBlank(header_cursor);
  if (header.empty()) throw Error("Registry file " + ShownPath(origin) + " is empty");
  Format format;
  if (header == "REGEDIT4") {
    format = Format::kRegedit4;
  } else if (header == "Windows Registry Editor Version 5.00") {
    format = Format::kRegedit5;
  } else if (StartsWith(header, "WINE REGISTRY Version")) {
    format = Format::kWine;
  } else {
    throw Error("Registry file " + ShownPath(origin) + " is not a registry export (it starts " + Shown(header) + ")");
  }
  // REGEDIT4 files are in the ANSI code page; a Version 5 file without a
  // byte order mark is taken as UTF-8 when it is valid UTF-8.
  if (!StartsWith(bytes, "\xFF\xFE") && !StartsWith(bytes, "\xFE\xFF") && !StartsWith(bytes, "\xEF\xBB\xBF") &&
      (format == Format::kRegedit4 || !IsValidUtf8(text))) {
    text = FromWindows1252(text);
  }
  // Past the header again, in the text as it now stands.
  LineCursor lines(text);
  NextNonBlank(lines);

  ExportedRegistry registry;
  RegistryRoot wine_root = RegistryRoot::kLocalMachine;
  std::string wine_prefix;  // the hive's path below its root
  bool in_key = false;
  RegistryRoot root = RegistryRoot::kLocalMachine;
  std::string key_path;

  std::string_view next;
  while (lines.Next(next)) {
    const size_t line_number = lines.number();
    std::string line(Trim(next));
    // Hex data continues on the next line after a trailing backslash.
    if ((StartsWith(line, "\"") || StartsWith(line, "@")) && line.find("hex") != std::string::npos) {
      while (!line.empty() && line.back() == '\\' && lines.Next(next)) {
        line.pop_back();
        line += Trim(next);
      }
    }
    if (line.empty()) continue;
    // Only a key too deep for the registry fails here.
    auto at_line = [&](auto&& add) {
      try {
        add();
      } catch (const Error& e) {
        throw Error("Registry file " + ShownPath(origin) + ", line " + std::to_string(line_number) + ": " + e.what());
      }
    };
    if (format == Format::kWine) {
      if (StartsWith(line, ";; All keys relative to ")) {
        std::string hive;
        std::string_view rest = std::string_view(line).substr(24);
        for (size_t i = 0; i < rest.size();) {
          if (rest[i] == '\\' && i + 1 < rest.size()) {
            ++i;
            ReadEscape(rest, i, format, hive);
          } else {
            hive += rest[i++];
          }
        }
        while (!hive.empty() && hive.front() == '\\') hive.erase(0, 1);
        // Wine 6 and later name the hive from the object root:
        // "\\Registry\\Machine" rather than "\\Machine".
        if (StartsWith(LowerAscii(hive), "registry\\")) hive.erase(0, 9);
        std::string lower = LowerAscii(hive);
        if (lower == "machine" || StartsWith(lower, "machine\\")) {
          wine_root = RegistryRoot::kLocalMachine;
          wine_prefix = hive.substr(7);
        } else if (StartsWith(lower, "user\\")) {
          size_t sid_end = hive.find('\\', 5);
          wine_root = RegistryRoot::kCurrentUser;
          wine_prefix = sid_end == std::string::npos ? "" : hive.substr(sid_end);
        } else {
          throw Error("Registry file " + ShownPath(origin) + " is relative to an unknown hive " + Shown(hive));
        }
        continue;
      }
      if (line == "#arch=win64") registry.wow64_ = true;
      if (line[0] == '#') continue;
    }
    if (line[0] == ';') continue;
    if (line[0] == '[') {
      std::string name;
      bool closed = false;
      bool remove = false;
      if (format == Format::kWine) {
        for (size_t i = 1; i < line.size();) {
          if (line[i] == ']') {
            closed = true;
            break;
          }
          if (line[i] == '\\' && i + 1 < line.size()) {
            ++i;
            ReadEscape(line, i, format, name);
          } else {
            name += line[i++];
          }
        }
        root = wine_root;
        key_path = wine_prefix.empty() ? name : wine_prefix + "\\" + name;
      } else {
        size_t close = line.rfind(']');
        closed = close != std::string::npos;
        name = closed ? line.substr(1, close - 1) : "";
        if (StartsWith(name, "-")) {
          remove = true;
          name.erase(0, 1);
        }
        auto split = SplitRoot(name);
        closed = closed && split.has_value();
        if (split) {
          root = split->first;
          key_path = split->second;
        }
      }
      // An unknown root (HKEY_CURRENT_CONFIG, say) or a broken line: its
      // values are skipped rather than filed under the previous key.
      in_key = closed && !remove;
      if (closed && remove) registry.DeleteKey(root, key_path);
      if (in_key) at_line([&] { registry.AddKey(root, key_path); });
      continue;
    }
    if (!in_key || (line[0] != '"' && line[0] != '@')) continue;
    // A line that cannot be read is skipped, as the registry editor does.
    auto value = ReadValueLine(line, format);
    if (!value) continue;
    if (value->remove) {
      registry.DeleteValue(root, key_path, value->name);
    } else {
      at_line([&] { registry.SetValue(root, key_path, value->name, std::move(value->data)); });
    }
  }
  return registry;
}

std::unique_ptr<ExportedRegistry> ExportedRegistry::Load(const FileSystem& fs, const std::string& path) {
  return std::make_unique<ExportedRegistry>(Parse(fs.Read(path, kRegistryFileLimit), path));
}

std::string DefaultRegistryFile() {
  const std::string prefix = WinePrefix();
  return prefix.empty() ? "" : JoinPath(prefix, "system.reg");
}

std::unique_ptr<Registry> OpenDefaultRegistry(const FileSystem& fs, std::string* problem) {
#ifdef _WIN32
  (void)fs;
  (void)problem;
  return std::make_unique<WindowsRegistry>();
#else
  const std::string path = DefaultRegistryFile();
  if (path.empty() || fs.Stat(path) != EntryKind::kFile) return nullptr;
  try {
    return ExportedRegistry::Load(fs, path);
  } catch (const Error& e) {
    if (problem) *problem = e.what();
    return nullptr;
  }
#endif
}

// ---------------------------------------------------------------------------
// The Windows registry

#ifdef _WIN32

namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::kCurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kUsers: return HKEY_USERS;
  }
  return HKEY_LOCAL_MACHINE;
}

// Read access is all a lookup needs; asking for more fails for users
// without administrator rights on the local-machine hive. The 32-bit view
// comes first: the word processor whose templates are looked up is a 32-bit
// program, and on 64-bit Windows its keys live there (as a Wine prefix keeps
// them under Wow6432Node); a key missing there is looked up in the native view.
class OpenKey {
 public:
  OpenKey(RegistryRoot root, const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      if (RegOpenKeyExW(RootKey(root), wide.c_str(), 0, KEY_QUERY_VALUE | view, &key_) == ERROR_SUCCESS) {
        ok_ = true;
        return;
      }
    }
  }
  ~OpenKey() {
    if (ok_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  bool ok() const { return ok_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  bool ok_ = false;
};

}  // namespace

bool WindowsRegistry::HasKey(RegistryRoot root, const std::string& key_path) const {
  return OpenKey(root, key_path).ok();
}

std::optional<std::string> WindowsRegistry::Value(RegistryRoot root, const std::string& key_path,
                                                  const std::string& value_name) const {
  OpenKey key(root, key_path);
  if (!key.ok()) return std::nullopt;
  const std::wstring name = WideFromUtf8(value_name);
  // Sized by the value itself, so that long values are read whole.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::string data(size, '\0');
    LONG result = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
      return DropTerminator(Utf16ToUtf8(data, false));
    }
    return data;
  }
  return std::nullopt;
}

#endif

}  // namespace kelvad
