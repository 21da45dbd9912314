#include "presence_check.h"

#include <cstdint>

void checkPresence(WaveOutService& service, CaptionStore& captions) {
  const auto count = static_cast<std::int32_t>(service.getNumDevs());
  captions.setCaption(Control::标签1, count > 0 ? "有声卡" : "无声卡");
}
