#include <gtest/gtest.h>

#include <set>

#include "shell/control_table.h"
#include "shell/window_placement.h"

TEST(WindowPlacement, CentresWithTruncatingDivision) {
  struct Case {
    int screenWidth, screenHeight;
    Point expected;
  };
  const Case cases[] = {
      {1024, 768, {322, 160}}, {1366, 768, {493, 160}},
      {1025, 769, {322, 160}},  // odd remainders are dropped
      {377, 445, {-1, -1}},     // 3 pixels smaller than the window: truncates toward zero
      {380, 448, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(centredOrigin(c.screenWidth, c.screenHeight, 380, 448), c.expected)
        << c.screenWidth << "x" << c.screenHeight;
  }
}

TEST(ControlTable, ControlsFitTheClientAreaWithoutOverlapping) {
  int right = 0, bottom = 0;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlRow& a = kControlTable[i];
    right = std::max(right, a.left + a.width);
    bottom = std::max(bottom, a.top + a.height);
    for (std::size_t j = i + 1; j < kControlCount; ++j) {
      const ControlRow& b = kControlTable[j];
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << "rows " << i << " and " << j << " overlap";
    }
  }
  EXPECT_EQ(right, 370);
  EXPECT_EQ(bottom, 415);
}

TEST(ControlTable, IdentifiersAreUniqueAndOnlyButtonsAreTabStops) {
  std::set<std::uint32_t> identifiers;
  for (const ControlRow& row : kControlTable) {
    EXPECT_TRUE(identifiers.insert(row.identifier).second) << std::hex << row.identifier;
    EXPECT_EQ(row.tabStop, row.kind == ControlKind::PushButton);
  }
}
