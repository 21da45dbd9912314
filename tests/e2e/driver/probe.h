// Modes in which the driver runs as a child of itself, to see the wave-out service as a
// program started with the same environment sees it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

// --probe-winmm OUTFILE: loads winmm.dll, writes "numdevs N", "capsresult R" and "caps HEX" (the
// 52 bytes of a zeroed buffer after waveOutGetDevCapsA(0, buffer, 52)) to OUTFILE.
int probeWinmm(const std::wstring& outFile);
// --probe-load-winmm: LoadLibraryW(L"winmm.dll") with the ordinary search order and one call of
// waveOutGetNumDevs; the exit status is that count (or 0xDEAD when the load fails).
int probeLoadWinmm();

struct WinmmReading {
  uint32_t numDevs = 0;
  uint32_t capsResult = 0;
  std::vector<uint8_t> caps;  // 52 bytes
};
// Runs the driver in --probe-winmm mode with the environment and winmm.dll load order of
// `like` (a program's launch options) and reads its answer.
WinmmReading readWinmmAs(const LaunchOptions& like);

}  // namespace e2e
