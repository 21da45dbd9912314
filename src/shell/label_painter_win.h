#pragma once

#include <windows.h>

#include "control_table.h"
#include "text.h"

// Paints a label: the button-face fill inside its border, then the caption in black with no
// text background, clipped to the inside.
void paintLabel(const DRAWITEMSTRUCT& item, ControlKind kind, const Text& caption, HFONT font);
