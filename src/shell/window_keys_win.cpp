#include "window_keys.h"

#include "keyboard_rules.h"
#include "main_window_win.h"

namespace {

bool isDown(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

Key keyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_ESCAPE:
      return Key::Escape;
    case VK_TAB:
      return Key::Tab;
    default:
      return Key::Other;
  }
}

void moveFocus(bool forward) {
  const Control next = nextTabStop(controlOf(GetFocus()), forward);
  SetFocus(controlHandle(next));
}

}  // namespace

bool handleWindowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  HWND window = mainWindowHandle();
  if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;

  // Alt arrives as the context bit of a system key message rather than as a key state.
  const bool alt = message.message == WM_SYSKEYDOWN && (message.lParam & (1 << 29)) != 0;
  const Modifiers modifiers{isDown(VK_CONTROL), isDown(VK_SHIFT), alt};

  switch (keyActionFor(keyOf(message.wParam), modifiers)) {
    case KeyAction::CloseWindow:
      SendMessageA(window, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::FocusNext:
      moveFocus(true);
      return true;
    case KeyAction::FocusPrevious:
      moveFocus(false);
      return true;
    case KeyAction::PassOn:
      break;
  }
  return false;
}
