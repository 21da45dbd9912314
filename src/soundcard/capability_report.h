#pragma once

#include "../shell/caption_store.h"
#include "sound_card_info.h"
#include "wave_out_service.h"

// Refreshes `info` from wave-out device 0 through `service`, then reports what it holds in
// 标签2..标签8, written in that order: product name, product id, driver id, driver version,
// channel count, and the lists of named sample formats and playback features. The outcome of the
// query is not looked at; a failed query shows the record as it was. Every click rewrites all
// seven captions, so nothing of an earlier report survives.
void showCapabilityReport(SoundCardInfo& info, WaveOutService& service, CaptionStore& captions);
