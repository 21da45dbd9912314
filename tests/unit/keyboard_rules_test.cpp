#include "shell/keyboard_rules.h"

#include <gtest/gtest.h>

TEST(KeyboardRules, OnlyPlainEscapeAndTabOrShiftTabAreTaken) {
  struct Case {
    Key key;
    Modifiers modifiers;
    KeyAction expected;
  };
  const Case cases[] = {
      {Key::Escape, {}, KeyAction::CloseWindow},
      {Key::Escape, {.shift = true}, KeyAction::PassOn},
      {Key::Escape, {.ctrl = true}, KeyAction::PassOn},
      {Key::Escape, {.alt = true}, KeyAction::PassOn},
      {Key::Tab, {}, KeyAction::FocusNext},
      {Key::Tab, {.shift = true}, KeyAction::FocusPrevious},
      {Key::Tab, {.ctrl = true}, KeyAction::PassOn},
      {Key::Tab, {.alt = true}, KeyAction::PassOn},  // Alt+Tab belongs to the system
      {Key::Tab, {.ctrl = true, .shift = true}, KeyAction::PassOn},
      {Key::Other, {}, KeyAction::PassOn},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(keyActionFor(c.key, c.modifiers), c.expected)
        << "key " << static_cast<int>(c.key) << " ctrl " << c.modifiers.ctrl << " shift "
        << c.modifiers.shift << " alt " << c.modifiers.alt;
  }
}

TEST(KeyboardRules, FocusCyclesBetweenTheTwoButtons) {
  EXPECT_EQ(firstTabStop(), Control::按钮1);
  EXPECT_EQ(nextTabStop(Control::按钮1, true), Control::按钮2);
  EXPECT_EQ(nextTabStop(Control::按钮2, true), Control::按钮1);
  EXPECT_EQ(nextTabStop(Control::按钮1, false), Control::按钮2);
  EXPECT_EQ(nextTabStop(Control::按钮2, false), Control::按钮1);
  // Without a focused tab stop, forward starts at the first and backward at the last.
  EXPECT_EQ(nextTabStop(std::nullopt, false), Control::按钮2);
  EXPECT_EQ(nextTabStop(Control::标签8, true), Control::按钮1);
}
