#include "model/sdk_search.h"

#include "platform/dos_paths.h"

namespace kelvad {

SdkScan::SdkScan(const DosDrives& drives, SdkSearchView* view) : drives_(drives), view_(view) {
  if (view_) view_->Searching("Searching for EPOC SDK ER5 ...");
}

void SdkScan::Step() {
  if (Done()) return;
  const char* marker = phase_ == kEr5 ? "epoc.exe" : "wsexe.exe";
  char letter = static_cast<char>(64 + letter_index_);
  if (found_.drive == 0) {
    DriveType type = drives_.TypeOf(letter);
    if (type == DriveType::kFixed || type == DriveType::kRemote) {
      std::string path = std::string(1, letter) + ":\\epoc32\\release\\wins\\deb\\" + marker;
      if (view_) view_->Probing(path);
      std::string stored;
      try {
        stored = drives_.StoredName(path);
      } catch (...) {
        // A drive that cannot be read holds no SDK.
      }
      if (!stored.empty() && EqualsIgnoringCase(stored, marker)) {
        found_.drive = LowerAscii(letter);
        found_.release = phase_ == kEr5 ? 5 : 3;
      }
    }
  }
  if (view_) view_->Round(letter_index_);
  if (++letter_index_ <= 26) return;
  letter_index_ = 3;
  if (phase_ == kEr5 && found_.drive == 0) {
    phase_ = kEarlier;
    if (view_) view_->Searching("ER5 Not found. Searching for earlier EPOC SDK ...");
  } else {
    phase_ = kDone;
  }
}

SdkLocation SearchForSdk(const DosDrives& drives, SdkSearchView* view) {
  SdkScan scan(drives, view);
  while (!scan.Done()) scan.Step();
  return scan.Result();
}

std::string SdkSearchResultText(const SdkLocation& location) {
  std::string letter(1, static_cast<char>(location.drive - 'a' + 'A'));
  if (location.release == 5) return "Found EPOC ER5 SDK on " + letter + ":\\";
  if (location.release == 3) return "Found pre-ER5 EPOC SDK on " + letter + ":\\";
  return "Unable to detect the EPOC C++ SDK. It must be installed on a fixed hard drive or network drive";
}

}  // namespace kelvad
