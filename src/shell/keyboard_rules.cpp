#include "keyboard_rules.h"

KeyAction keyActionFor(Key key, Modifiers modifiers) {
  const bool plain = !modifiers.ctrl && !modifiers.shift && !modifiers.alt;
  switch (key) {
    case Key::Escape:
      return plain ? KeyAction::CloseWindow : KeyAction::PassOn;
    case Key::Tab:
      if (plain) return KeyAction::FocusNext;
      if (modifiers.shift && !modifiers.ctrl && !modifiers.alt) return KeyAction::FocusPrevious;
      return KeyAction::PassOn;
    case Key::Other:
      break;
  }
  return KeyAction::PassOn;
}

Control nextTabStop(std::optional<Control> current, bool forward) {
  const int count = static_cast<int>(kControlCount);
  const int step = forward ? 1 : -1;
  int position = current && rowOf(*current).tabStop ? static_cast<int>(indexOf(*current))
                 : forward                          ? -1
                                                    : count;
  for (int tried = 0; tried < count; ++tried) {
    position = (position + step + count) % count;
    if (kControlTable[position].tabStop) return kControlTable[position].name;
  }
  return kControlTable.front().name;  // unreachable while the table has a tab stop
}
