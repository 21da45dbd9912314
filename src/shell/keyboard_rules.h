#pragma once

#include <optional>

#include "control_table.h"

// What the main window does with a key press, before the focused control sees it.
enum class KeyAction {
  PassOn,         // not ours: translate and dispatch as usual
  CloseWindow,    // Esc
  FocusNext,      // Tab
  FocusPrevious,  // Shift+Tab
};

enum class Key { Escape, Tab, Other };

struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

KeyAction keyActionFor(Key key, Modifiers modifiers);

// The tab stop that follows (or precedes) `current` in creation order, wrapping around.
// A current control that is no tab stop, or none at all, starts from the first (or last).
Control nextTabStop(std::optional<Control> current, bool forward);

inline Control firstTabStop() {
  return nextTabStop(std::nullopt, true);
}
