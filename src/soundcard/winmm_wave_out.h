#pragma once

#include "wave_out_service.h"

// The system's wave-out service, bound by name from winmm.dll at the first call of each
// function. A library or function that cannot be had ends the program through fatalError.
WaveOutService& systemWaveOut();
