#pragma once

#include <array>

#include "control_table.h"
#include "text.h"

// The captions of the main window's controls. Each control owns a copy of its caption;
// writers hand in a text they keep, readers get a copy they own. The window listens for
// changes to mirror them on screen; without a listener the store works on its own, which
// is how the report logic is tested.
class CaptionStore {
 public:
  using ChangeListener = void (*)(void* context, Control control);

  CaptionStore();

  // Replaces the whole caption with a copy of `text`; null is the empty text.
  void setCaption(Control control, const char* text);
  void setCaption(Control control, const Text& text) { setCaption(control, text.c_str()); }

  // A new copy of the caption, byte for byte what the last setCaption stored.
  Text getCaption(Control control) const { return captions_[indexOf(control)]; }

  // Read-only view for painting, valid until the next setCaption on that control.
  const Text& caption(Control control) const { return captions_[indexOf(control)]; }

  void setChangeListener(ChangeListener listener, void* context);

 private:
  std::array<Text, kControlCount> captions_;
  ChangeListener listener_ = nullptr;
  void* listenerContext_ = nullptr;
};
