#pragma once

#include <string>

namespace kelvad {

class DosDrives;

// What the welcome panel shows while the drives are searched.
class SdkSearchView {
 public:
  virtual ~SdkSearchView() = default;
  virtual void Searching(const std::string& /*status*/) {}
  virtual void Probing(const std::string& /*marker_path*/) {}
  // After each drive letter, found or not; the wizard lets events run and
  // sleeps 100 ms here, the headless front end does not.
  virtual void Round(int /*letter_index*/) {}
};

struct SdkLocation {
  int release = 0;  // 5, 3, or 0 when none was found
  char drive = 0;   // lower-case letter, 0 when none was found
};

// Scans the fixed and network drives C to Z, first for the ER5 marker
// (epoc.exe), then, when none was found, for the earlier one (wsexe.exe).
SdkLocation SearchForSdk(const DosDrives& drives, SdkSearchView* view = nullptr);

// "Found EPOC ER5 SDK on D:\" and the like, or the not-found text.
std::string SdkSearchResultText(const SdkLocation& location);

}  // namespace kelvad
