#pragma once

namespace kelvad {

// A rectangle of logical pixels on the desktop.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const Rect&) const = default;
};

// The rectangle moved, and shrunk where it is larger, so that it lies
// wholly inside the screen's free area.
Rect FitOnScreen(Rect wanted, Rect screen);

// Where the documentation browser opens, as frame rectangles: beside the
// wizard, on its right or else its left, where the screen has room for at
// least min_width there, narrowed to that room; otherwise over the wizard,
// a little below and right of its corner. Always wholly on the screen.
Rect PlaceBrowser(Rect wizard, int width, int height, int min_width, Rect screen);

}  // namespace kelvad
