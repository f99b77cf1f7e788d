#include "wizard/help_links.h"

#include <vector>

#include "platform/encoding.h"
#include "platform/errors.h"

namespace kelvad {

namespace {

const char* const kFilePrefix = "FILE:///";

struct HelpPage {
  bool own;  // under the program's help directory rather than the SDK's
  const char* page;
};

struct HelpButton {
  HelpPage release5;
  HelpPage other;
};

// The pages are written exactly as the SDK's documentation names them,
// slashes of both kinds included: the resolver takes either.
const HelpButton kHelpButtons[kHelpButtonCount] = {
    {{true, "cpp/eikfile/iffile.html#eikfile.iffile-005"}, {true, "contents.html"}},
    {{false, "cpp/eikfile/ifintro.html#eikfile.intro.nonfile-based-apps"},
     {false, "eikfile\\ifintro.html#eikfile.ifintro-002"}},
    {{false, "cpp/eikfile/iffile.html#eikfile.iffile-002"}, {false, "eikfile\\iffile.html#eikfile.iffile-003"}},
    {{false, "cpp/eikfile/iffile.html#eikfile.iffile-012"}, {false, "eikfile\\iffile.html#eikfile.iffile-013"}},
    {{false, "cpp/eikfile/iffile.html#eikfile.file-based.handle"},
     {false, "eikfile\\iffile.html#eikfile.file-based.handle"}},
    {{false, "cpp/eikfile/ifnew.html"}, {false, "eikfile\\ifnew.html"}},
    {{false, "cpp/introbld\\eikon-example.html"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikmenu/immenu.html#eikmenu.examples.hotkeys"},
     {false, "eikintro\\iiintro.html#eikintro.intro.input"}},
    {{false, "cpp/eikmenu/immenu.html#eikmenu.immenu-001"}, {false, "group\\sdk.html"}},
    {{false, "cpp/group\\engutil.html"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikintro/iiintro.html#eikintro.iiintro-005"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikintro/iiintro.html#eikintro.intro.input"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikintro/iiintro.html#eikintro.intro.menus"}, {false, "group\\sdk.html"}},
    {{false, "cpp/apparch/aaappdoc-002.html#apparch.document.embedding"},
     {false, "apparch\\aaaif.html#apparch.aif.capabilities"}},
    {{false, "cpp/group\\eikon.html"}, {false, "group\\sdk.html"}},
    {{true, "help.html"}, {true, "help.html"}},
    {{false, "techpaper/styleguide/styleguide.html#styleguide.styleguide-103"}, {false, "group\\sdk.html"}},
    {{false, "techpaper/styleguide/styleguide.html#styleguide.styleguide-102"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikfile/ifopen.html"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikfile/ifsave.html#eikfile.ifsave-002"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikfile/ifsave.html#eikfile.ifsave-004"}, {false, "group\\sdk.html"}},
    {{false, "cpp/eikfile\\ifrevert.html"}, {false, "group\\sdk.html"}},
};

// What each "?" button explains, and the controls it stands beside.
struct HelpTopic {
  const char* topic;
  std::vector<std::string_view> controls;
};
const HelpTopic kHelpTopics[kHelpButtonCount] = {
    {"messaging integration", {"GUIDocCheck_4"}},
    {"file-based applications", {"OptFile_0", "OptFile_1"}},
    {"store and restore", {"GUIDocCheck_0"}},
    {"the command line", {"GUIDocCheck_1"}},
    {"filename changes", {"GUIDocCheck_2"}},
    {"creating a new file", {"GUIDocCheck_3"}},
    {"sub-projects",
     {"Check1_0", "Check1_1", "Check1_2", "SubPrjCount_1", "UpDown1_1_up", "UpDown1_1_down", "Check1_3",
      "SubPrjCount_0", "UpDown1_0_up", "UpDown1_0_down"}},
    {"defined hotkeys", {"ListView1_2", "Command3_4"}},
    {"new hotkeys", {"Combo2_2", "MenuCombo_2", "MenuOpt_6", "MenuOpt_7", "MenuOpt_8", "Command3_2"}},
    {"the application engine", {"Check4_0", "Check4_1"}},
    {"the side toolbar",
     {"Check1_6", "Check1_8", "Check1_9", "Combo2_1", "MenuText_1", "MenuCommand_6", "ListView1_0", "MenuCommand_7",
      "MenuCommand_8"}},
    {"commands",
     {"Text2_0", "Text2_1", "MenuCombo_1", "MenuOpt_3", "MenuOpt_4", "MenuOpt_5", "Command3_1", "ListView1_1",
      "Command3_0", "Command3_3"}},
    {"menus",
     {"Check1_7", "TreeMenu", "MenuCommand_2", "MenuText_0", "MenuCommand_0", "MenuCommand_1", "Combo2_0",
      "MenuCombo_0", "MenuOpt_0", "MenuOpt_1", "MenuOpt_2", "MenuCommand_3", "MenuCommand_4", "MenuCommand_5"}},
    {"embedding", {"Check1_4"}},
    {"icons", {}},
    {"help files", {"Check2_0", "Check2_11", "Check2_12"}},
    {"the About box", {"GUIDocCheck_5"}},
    {"the Help On item", {"GUIDocCheck_6"}},
    {"opening a file", {"GUIDocCheck_7"}},
    {"saving", {"GUIDocCheck_8"}},
    {"saving as", {"GUIDocCheck_9"}},
    {"reverting to the saved file", {"GUIDocCheck_10"}},
};

const HelpButton kOtherButton = {{false, "cpp/group\\cpp.html"}, {false, "group\\sdk.html"}};

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool HasDrive(const std::string& path) { return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':'; }

// A scheme of two characters or more: a single letter and a colon is a drive.
bool HasScheme(const std::string& text) {
  size_t colon = text.find(':');
  if (colon == std::string::npos || colon < 2 || !IsAsciiLetter(text[0])) return false;
  for (size_t i = 1; i < colon; ++i) {
    char c = text[i];
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

std::string WithoutFragment(const std::string& address) { return address.substr(0, address.find('#')); }

// Settles "." and ".." steps of a path as a browser would, keeping the
// separators as written: what follows a removed step takes the separator
// that stood before it ("a\b/../c" gives "a\c"). Nothing climbs above the
// root.
std::string NormalisePath(const std::string& path) {
  struct Step {
    char separator;  // 0 for the root step before the first separator
    std::string name;
  };
  std::vector<Step> steps;
  Step step{0, ""};
  char carry = 0;  // the separator the next step takes over, when set
  auto finish = [&](bool last) {
    if (carry) step.separator = carry;
    carry = 0;
    if (step.name == "." || step.name == "..") {
      carry = step.separator;
      if (step.name == ".." && steps.size() > 1) {
        carry = steps.back().separator;
        steps.pop_back();
      }
      if (last) steps.push_back({carry, ""});
    } else {
      steps.push_back(step);
    }
  };
  for (char c : path) {
    if (IsSeparator(c)) {
      finish(false);
      step = {c, ""};
    } else {
      step.name += c;
    }
  }
  finish(true);
  std::string out;
  for (auto& s : steps) {
    if (s.separator) out += s.separator;
    out += s.name;
  }
  return out;
}

}  // namespace

std::string SdkDocumentationBase(const std::string& project_drive, int sdk_release) {
  std::string drive = project_drive.substr(0, 2);
  return kFilePrefix + drive + (sdk_release >= 5 ? "\\sysdoc\\" : "\\epoc32\\doc\\");
}

std::string ProgramHelpBase(const std::string& install_dir) { return kFilePrefix + install_dir + "\\Help\\"; }

std::string HelpButtonUrl(int button, int sdk_release, const std::string& project_drive,
                          const std::string& install_dir) {
  const HelpButton& entry = (button >= 0 && button < kHelpButtonCount) ? kHelpButtons[button] : kOtherButton;
  const HelpPage& page = sdk_release == 5 ? entry.release5 : entry.other;
  std::string base = page.own ? ProgramHelpBase(install_dir) : SdkDocumentationBase(project_drive, sdk_release);
  return base + page.page;
}

std::string MainHelpUrl(int panel_index, const std::string& install_dir) {
  return ProgramHelpBase(install_dir) + "frame" + std::to_string(panel_index) + ".html";
}

std::string HelpAboutUrl(const std::string& install_dir) { return ProgramHelpBase(install_dir) + "contents.html"; }

std::string HelpButtonName(int button) {
  if (button < 0 || button >= kHelpButtonCount) return "Help";
  return std::string("Help on ") + kHelpTopics[button].topic;
}

int HelpButtonFor(std::string_view control) {
  for (int button = 0; button < kHelpButtonCount; ++button) {
    for (std::string_view beside : kHelpTopics[button].controls) {
      if (beside == control) return button;
    }
  }
  return -1;
}

ResolvedAddress ResolveHelpAddress(const std::string& address, DosDrives& drives) {
  ResolvedAddress resolved;
  size_t hash = address.find('#');
  if (hash != std::string::npos) resolved.fragment = address.substr(hash + 1);
  std::string location = address.substr(0, hash);
  if (!StartsWithIgnoringCase(location, kFilePrefix)) {
    resolved.kind = HasScheme(location) ? AddressKind::kWeb : AddressKind::kOther;
    return resolved;
  }
  resolved.kind = AddressKind::kFile;
  std::string path = location.substr(std::string(kFilePrefix).size());
  try {
    std::string host;
    if (HasDrive(path)) {
      if (!drives.IsMapped(path[0])) return resolved;
      host = drives.Resolve(path);
    } else if (!path.empty() && IsSeparator(path[0])) {
      // A host path is matched as if it lay on a drive mapped to the host's root.
      DosDrives host_root(drives.fs(), {{'z', "/"}}, 'z');
      host = host_root.Resolve("z:" + path);
    } else {
      return resolved;
    }
    if (drives.fs().Stat(host) == EntryKind::kFile) {
      resolved.host_path = host;
      resolved.found = true;
    }
  } catch (const Error&) {
    // An unreadable directory on the way: the page is not there.
  }
  return resolved;
}

std::string FollowLink(const std::string& current, const std::string& href) {
  if (href.empty()) return current;
  if (HasScheme(href)) return href;
  if (HasDrive(href)) return kFilePrefix + href;
  std::string page = WithoutFragment(current);
  if (href[0] == '#') return page + href;

  bool file = StartsWithIgnoringCase(page, kFilePrefix);
  size_t path_start = file ? std::string(kFilePrefix).size() : 0;
  if (!file) {
    size_t authority = page.find("://");
    if (authority != std::string::npos) path_start = page.find('/', authority + 3);
    if (path_start == std::string::npos) path_start = page.size();
  }
  std::string prefix = page.substr(0, path_start);
  std::string path = page.substr(path_start);
  std::string fragment;
  std::string target = href;
  if (size_t hash = target.find('#'); hash != std::string::npos) {
    fragment = target.substr(hash);
    target.erase(hash);
  }

  std::string joined;
  if (IsSeparator(target[0])) {
    // From the root: the drive of a DOS path, the host's root otherwise.
    joined = (file && HasDrive(path) ? path.substr(0, 2) : std::string()) + target;
  } else {
    size_t last = path.find_last_of("/\\");
    joined = (last == std::string::npos ? std::string() : path.substr(0, last + 1)) + target;
  }
  if (file) {
    std::string root = HasDrive(joined) ? joined.substr(0, 2) : std::string();
    joined = root + NormalisePath(joined.substr(root.size()));
  }
  return prefix + joined + fragment;
}

std::string PageNotFoundHtml(const std::string& address) {
  std::string html =
      "<html><head><title>Page not found</title></head>\n"
      "<body>\n<h2>Page not found</h2>\n<p>The page <tt>";
  html += HtmlEscape(address);
  html +=
      "</tt> cannot be found.</p>\n"
      "<p>It may have been moved or deleted, or the documentation it belongs to is not installed.</p>\n"
      "</body></html>\n";
  return html;
}

}  // namespace kelvad
