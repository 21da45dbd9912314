#pragma once

#include "../shell/caption_store.h"
#include "wave_out_service.h"

// Asks `service` once for the number of wave-out devices and answers in 标签1: "有声卡" when the
// count, read as a signed 32-bit value, is above zero, "无声卡" otherwise. A count with the top
// bit set is negative and so counts as no device. Touches no other caption.
void checkPresence(WaveOutService& service, CaptionStore& captions);
