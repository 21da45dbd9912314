#include "caption_store.h"

CaptionStore::CaptionStore() {
  for (const ControlRow& row : kControlTable) captions_[indexOf(row.name)] = Text(row.caption);
}

void CaptionStore::setCaption(Control control, const char* text) {
  captions_[indexOf(control)] = Text(text);
  if (listener_) listener_(listenerContext_, control);
}

void CaptionStore::setChangeListener(ChangeListener listener, void* context) {
  listener_ = listener;
  listenerContext_ = context;
}
