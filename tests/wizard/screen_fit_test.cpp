#include "wizard/screen_fit.h"

#include <gtest/gtest.h>
#include <ostream>

namespace kelvad {

void PrintTo(const Rect& r, std::ostream* out) { *out << r.x << "," << r.y << " " << r.width << "x" << r.height; }

namespace {

bool Inside(const Rect& r, const Rect& screen) {
  return r.x >= screen.x && r.y >= screen.y && r.right() <= screen.right() && r.bottom() <= screen.bottom();
}

TEST(ScreenFit, AWindowIsMovedAndShrunkOntoTheScreen) {
  const Rect screen{0, 0, 960, 540};  // 1920 x 1080 at 200 %
  EXPECT_EQ(FitOnScreen({10, 10, 965, 566}, screen), (Rect{0, 0, 960, 540}));
  EXPECT_EQ(FitOnScreen({900, 500, 200, 100}, screen), (Rect{760, 440, 200, 100}));
  EXPECT_EQ(FitOnScreen({-50, -20, 200, 100}, screen), (Rect{0, 0, 200, 100}));
  // A screen that does not start at the origin: a second monitor, a panel on top.
  EXPECT_EQ(FitOnScreen({0, 0, 300, 300}, {1920, 32, 1024, 568}), (Rect{1920, 32, 300, 300}));
}

TEST(ScreenFit, TheBrowserOpensBesideWhereThereIsRoomElseOverTheWizard) {
  struct Case {
    const char* what;
    Rect screen;
    Rect wizard;
    Rect expected;
  } const cases[] = {
      {"room on the right", {0, 0, 1920, 1080}, {100, 100, 965, 566}, {1073, 100, 720, 560}},
      {"right narrower than wanted", {0, 0, 1600, 900}, {100, 100, 965, 566}, {1073, 100, 527, 560}},
      {"room only on the left", {0, 0, 1920, 1080}, {900, 50, 965, 566}, {172, 50, 720, 560}},
      {"no room: over the wizard", {0, 0, 1024, 768}, {0, 0, 965, 566}, {40, 40, 720, 560}},
      {"over, pushed back onto a small screen", {0, 0, 1024, 600}, {30, 20, 994, 580}, {70, 40, 720, 560}},
      {"taller than the screen", {0, 0, 960, 540}, {0, 0, 960, 540}, {40, 0, 720, 540}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Rect placed = PlaceBrowser(c.wizard, 720, 560, 480, c.screen);
    EXPECT_EQ(placed, c.expected);
    EXPECT_TRUE(Inside(placed, c.screen));
  }
}

}  // namespace
}  // namespace kelvad
