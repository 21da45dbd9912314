#pragma once

#include "sound_card_info.h"
#include "wave_out_service.h"

// Refreshes `info` from wave-out device 0. The buffer handed to the service starts as an exact
// image of `info`, so whatever the service leaves unwritten (all of it, when the call fails)
// keeps its earlier value. The service's result code is deliberately not looked at.
void queryDeviceCaps(SoundCardInfo& info, WaveOutService& service);
