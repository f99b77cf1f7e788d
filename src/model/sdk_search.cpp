#include "model/sdk_search.h"

#include "platform/dos_paths.h"

namespace kelvad {

namespace {

void ScanDrives(const DosDrives& drives, const std::string& marker, int release, SdkLocation& found,
                SdkSearchView* view) {
  for (int i = 3; i <= 26; ++i) {
    char letter = static_cast<char>(64 + i);
    if (found.drive == 0) {
      DriveType type = drives.TypeOf(letter);
      if (type == DriveType::kFixed || type == DriveType::kRemote) {
        std::string path = std::string(1, letter) + ":\\epoc32\\release\\wins\\deb\\" + marker;
        if (view) view->Probing(path);
        std::string stored;
        try {
          stored = drives.StoredName(path);
        } catch (...) {
          // A drive that cannot be read holds no SDK.
        }
        if (!stored.empty() && EqualsIgnoringCase(stored, marker)) {
          found.drive = LowerAscii(letter);
          found.release = release;
        }
      }
    }
    if (view) view->Round(i);
  }
}

}  // namespace

SdkLocation SearchForSdk(const DosDrives& drives, SdkSearchView* view) {
  SdkLocation found;
  if (view) view->Searching("Searching for EPOC SDK ER5 ...");
  ScanDrives(drives, "epoc.exe", 5, found, view);
  if (found.drive == 0) {
    if (view) view->Searching("ER5 Not found. Searching for earlier EPOC SDK ...");
    ScanDrives(drives, "wsexe.exe", 3, found, view);
  }
  return found;
}

std::string SdkSearchResultText(const SdkLocation& location) {
  std::string letter(1, static_cast<char>(location.drive - 'a' + 'A'));
  if (location.release == 5) return "Found EPOC ER5 SDK on " + letter + ":\\";
  if (location.release == 3) return "Found pre-ER5 EPOC SDK on " + letter + ":\\";
  return "Unable to detect the EPOC C++ SDK. It must be installed on a fixed hard drive or network drive";
}

}  // namespace kelvad
