#pragma once

struct Point {
  int x;
  int y;
  friend bool operator==(Point, Point) = default;
};

// Top-left corner that centres a window of the given outer size on a screen of the given size.
// Both divisions truncate toward zero, so a screen 3 pixels narrower than the window gives -1.
constexpr Point centredOrigin(int screenWidth, int screenHeight, int windowWidth,
                              int windowHeight) {
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}
