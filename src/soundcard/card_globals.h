#pragma once

#include "sound_card_info.h"

// The one capability record of the program, alive from initGlobals to releaseGlobals.
void initGlobals();
void releaseGlobals();

// The record; only valid between initGlobals and releaseGlobals.
SoundCardInfo& cardInfo();
bool cardInfoExists();
