#pragma once

#include <string>
#include <string_view>

#include "platform/dos_paths.h"

namespace kelvad {

// The "?" buttons PBHelp(0) to PBHelp(21); any other number opens the SDK's
// general page.
inline constexpr int kHelpButtonCount = 22;

// The SDK's HTML documentation on the project drive (the first two
// characters of the drive text): "FILE:///d:\sysdoc\" for release 5 or
// later, "FILE:///d:\epoc32\doc\" otherwise (release 3, or 0 when no SDK
// was found).
std::string SdkDocumentationBase(const std::string& project_drive, int sdk_release);

// The program's own pages: "FILE:///" + installation directory + "\Help\".
// The installation directory is written as it is, so a host directory keeps
// its leading "/" ("FILE:////usr/share/kelvad\Help\") and a Windows one its
// drive ("FILE:///C:\Kelvad\Help\"); ResolveHelpAddress tells the two apart
// by what follows "FILE:///". The address label shows these addresses
// exactly as they are opened.
std::string ProgramHelpBase(const std::string& install_dir);

// The page a "?" button opens for the SDK release found at start-up: the
// release-5 page only when the release is exactly 5.
std::string HelpButtonUrl(int button, int sdk_release, const std::string& project_drive,
                          const std::string& install_dir);

// The window's "Help" button: the frame page of the panel shown, by its
// MainFrame index.
std::string MainHelpUrl(int panel_index, const std::string& install_dir);

// "Help About Kelvad" in the browser window, and the Welcome panel's link:
// the program has no web site, so the link leads to the pages it ships.
std::string HelpAboutUrl(const std::string& install_dir);

// What a "?" button is called for a screen reader: "Help on" and its topic.
std::string HelpButtonName(int button);

// The "?" button beside a control, by the control's object name, for F1;
// -1 when none explains it (F1 then opens the panel's own page).
int HelpButtonFor(std::string_view control);

enum class AddressKind {
  kFile,   // "FILE:///" and a DOS or host path
  kWeb,    // http:, https:, mailto: and the like: not a page of this browser
  kOther,  // anything else
};

struct ResolvedAddress {
  AddressKind kind = AddressKind::kOther;
  std::string host_path;  // the page on the host, when found
  std::string fragment;   // after the first "#", without it; empty when none
  bool found = false;     // the address names an existing file
};

// Where a "FILE:///" address leads. A drive letter and a colon after
// "FILE:///" make it a DOS path, resolved through the drive mapping with the
// same case-insensitive matching the generator uses; a "/" makes it a host
// path, matched the same way. Either may mix "/" and "\". A drive that is not
// mapped, a directory or a missing file is simply not found.
ResolvedAddress ResolveHelpAddress(const std::string& address, DosDrives& drives);

// The address a link inside the page at `current` leads to: `href` as
// written in the page, absolute (with a scheme), a fragment alone ("#x") or
// a path relative to the page's directory, whose "." and ".." steps are
// settled so the address label shows a plain path.
std::string FollowLink(const std::string& current, const std::string& href);

// The view shown for an address that is not found, naming it.
std::string PageNotFoundHtml(const std::string& address);

}  // namespace kelvad
