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

// The search one drive letter at a time, so the wizard can pace it on a
// timer and keep its window responsive. Both scans take 24 rounds (C to Z),
// also after a find; the earlier marker is scanned only when no ER5 SDK was
// found.
class SdkScan {
 public:
  // Tells the view that the ER5 scan begins.
  explicit SdkScan(const DosDrives& drives, SdkSearchView* view = nullptr);
  bool Done() const { return phase_ == kDone; }
  // One round: probes the next letter (until something is found) and reports the round.
  void Step();
  const SdkLocation& Result() const { return found_; }

 private:
  enum Phase { kEr5, kEarlier, kDone };
  const DosDrives& drives_;
  SdkSearchView* view_;
  Phase phase_ = kEr5;
  int letter_index_ = 3;  // 3 is C, 26 is Z
  SdkLocation found_;
};

// Scans the fixed and network drives C to Z, first for the ER5 marker
// (epoc.exe), then, when none was found, for the earlier one (wsexe.exe).
SdkLocation SearchForSdk(const DosDrives& drives, SdkSearchView* view = nullptr);

// "Found EPOC ER5 SDK on D:\" and the like, or the not-found text.
std::string SdkSearchResultText(const SdkLocation& location);

}  // namespace kelvad
