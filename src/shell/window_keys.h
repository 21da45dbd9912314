#pragma once

#include <windows.h>

// Keyboard pre-processing for the main window: Esc closes it, Tab and Shift+Tab move the focus
// between its tab stops. Returns true when the message has been dealt with and must not be
// dispatched.
bool handleWindowKey(const MSG& message);
