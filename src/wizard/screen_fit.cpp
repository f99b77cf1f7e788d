#include "wizard/screen_fit.h"

#include <algorithm>

namespace kelvad {

namespace {

constexpr int kGap = 8;        // between the wizard and the browser beside it
constexpr int kOverStep = 40;  // the browser over the wizard leaves its corner visible

}  // namespace

Rect FitOnScreen(Rect wanted, Rect screen) {
  Rect r = wanted;
  r.width = std::min(r.width, screen.width);
  r.height = std::min(r.height, screen.height);
  r.x = std::clamp(r.x, screen.x, screen.right() - r.width);
  r.y = std::clamp(r.y, screen.y, screen.bottom() - r.height);
  return r;
}

Rect PlaceBrowser(Rect wizard, int width, int height, int min_width, Rect screen) {
  const int right_room = screen.right() - wizard.right() - kGap;
  const int left_room = wizard.x - screen.x - kGap;
  Rect r{0, wizard.y, width, height};
  if (right_room >= min_width) {
    r.width = std::min(width, right_room);
    r.x = wizard.right() + kGap;
  } else if (left_room >= min_width) {
    r.width = std::min(width, left_room);
    r.x = wizard.x - kGap - r.width;
  } else {
    r.x = wizard.x + kOverStep;
    r.y = wizard.y + kOverStep;
  }
  return FitOnScreen(r, screen);
}

}  // namespace kelvad
