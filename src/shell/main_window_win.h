#pragma once

#include <windows.h>

#include <optional>

#include "control_table.h"

// Window handles of the open main window, for the keyboard pre-processing. Null (or nullopt)
// when the window is not open.
HWND mainWindowHandle();
HWND controlHandle(Control control);
std::optional<Control> controlOf(HWND window);
