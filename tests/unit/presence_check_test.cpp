#include "soundcard/presence_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gbk.h"
#include "scripted_wave_out.h"

namespace {

std::string captionOf(const CaptionStore& store, Control control) {
  return store.getCaption(control).c_str();
}

void recordChange(void* context, Control control) {
  static_cast<std::vector<Control>*>(context)->push_back(control);
}

}  // namespace

TEST(PresenceCheck, AnswersFromTheCountReadAsSigned) {
  struct Case {
    std::uint32_t count;
    const char8_t* answer;
  };
  const Case cases[] = {
      {0, u8"无声卡"},          {1, u8"有声卡"},          {3, u8"有声卡"},
      {0x7FFFFFFF, u8"有声卡"}, {0x80000000, u8"无声卡"}, {0xFFFFFFFF, u8"无声卡"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    CaptionStore store;
    std::vector<Control> changed;
    store.setChangeListener(recordChange, &changed);
    ScriptedWaveOut service;
    service.deviceCount = c.count;

    checkPresence(service, store);

    EXPECT_EQ(captionOf(store, Control::标签1), gbk(c.answer));
    EXPECT_EQ(changed, std::vector<Control>{Control::标签1}) << "only 标签1 is written";
    EXPECT_EQ(service.countCalls, 1);
    EXPECT_EQ(service.calls, 0) << "the capability record is not asked for";
  }
}

TEST(PresenceCheck, EveryClickAsksAgain) {
  CaptionStore store;
  std::vector<Control> changed;
  store.setChangeListener(recordChange, &changed);
  ScriptedWaveOut service;

  service.deviceCount = 1;
  checkPresence(service, store);
  EXPECT_EQ(captionOf(store, Control::标签1), gbk(u8"有声卡"));

  service.deviceCount = 0;
  checkPresence(service, store);
  EXPECT_EQ(captionOf(store, Control::标签1), gbk(u8"无声卡"));

  checkPresence(service, store);
  EXPECT_EQ(captionOf(store, Control::标签1), gbk(u8"无声卡"));
  EXPECT_EQ(service.countCalls, 3);
  EXPECT_EQ(changed.size(), 3u) << "the same answer is written again";
}
