#pragma once

#include "caption_store.h"
#include "control_table.h"
#include "text.h"

// The program's one window. openMainWindow creates it with all its controls, centres it on the
// primary screen and shows it as the active window; false means the window or a control could
// not be created.
bool openMainWindow();

// The captions of the open window's labels. The click handlers are the only users, and they
// only run while the window is open.
CaptionStore& captions();

inline void setCaption(Control label, const char* text) {
  captions().setCaption(label, text);
}
inline Text getCaption(Control label) {
  return captions().getCaption(label);
}
