#include "shell/caption_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CaptionStore, StartsWithTheControlTableCaptions) {
  const CaptionStore store;
  for (const ControlRow& row : kControlTable) {
    EXPECT_STREQ(store.getCaption(row.name).c_str(), row.caption);
  }
  EXPECT_TRUE(store.getCaption(Control::标签2).empty());
}

TEST(CaptionStore, KeepsItsOwnCopyAndHandsOutCopies) {
  CaptionStore store;
  std::string written = "first\r\nsecond & third";
  store.setCaption(Control::标签7, written.c_str());
  written.assign(written.size(), 'x');  // the writer may reuse its text at once

  Text read = store.getCaption(Control::标签7);
  EXPECT_STREQ(read.c_str(), "first\r\nsecond & third");
  read.append("!");  // and the reader may change its copy
  EXPECT_STREQ(store.getCaption(Control::标签7).c_str(), "first\r\nsecond & third");
}

TEST(CaptionStore, NullAndEmptyTextsBothClearTheCaption) {
  CaptionStore store;
  for (const char* nothing : {static_cast<const char*>(nullptr), ""}) {
    store.setCaption(Control::标签1, "x");
    store.setCaption(Control::标签1, nothing);
    EXPECT_TRUE(store.getCaption(Control::标签1).empty());
    EXPECT_STREQ(store.getCaption(Control::标签1).c_str(), "");
  }
}

TEST(CaptionStore, GrowingACaptionFromItsOwnCopyWorks) {
  CaptionStore store;
  store.setCaption(Control::标签8, "heading");
  for (const char* item : {"a", "b"}) {
    Text grown = store.getCaption(Control::标签8);
    grown.append("\r\n---").append(item);
    store.setCaption(Control::标签8, grown);
  }
  EXPECT_STREQ(store.getCaption(Control::标签8).c_str(), "heading\r\n---a\r\n---b");
}

TEST(CaptionStore, TellsTheListenerWhichControlChanged) {
  CaptionStore store;
  std::vector<Control> changed;
  store.setChangeListener(
      [](void* context, Control control) {
        static_cast<std::vector<Control>*>(context)->push_back(control);
      },
      &changed);
  store.setCaption(Control::标签3, "a");
  store.setCaption(Control::标签1, nullptr);
  EXPECT_EQ(changed, (std::vector<Control>{Control::标签3, Control::标签1}));
}
