// Driving the test winmm.dll (tests/e2e/winmm): the answers it gives and the calls it saw.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

struct CapsAnswer {
  uint32_t result = 0;         // returned by waveOutGetDevCapsA; 0 is MMSYSERR_NOERROR
  std::vector<uint8_t> bytes;  // written from the start of the caller's buffer
};

struct WinmmScript {
  std::vector<uint32_t> numDevs;  // successive answers; the last one repeats
  std::vector<CapsAnswer> caps;
};

struct WinmmCall {
  std::string function;  // "numdevs" or "caps"
  unsigned long long device = 0;
  unsigned size = 0;
  std::vector<uint8_t> passed;  // the buffer as the caller passed it
};

// A script and a log in a fresh folder of their own.
class ScriptedWinmm {
 public:
  ScriptedWinmm(const std::wstring& name, const WinmmScript& script);
  // Environment for the program: the names of this script and log.
  std::vector<EnvChange> env() const;
  // Launch options that make the program use the test winmm.dll of system32 with this script.
  LaunchOptions launch() const;
  // Calls logged so far; fails the case on an "error" line.
  std::vector<WinmmCall> calls() const;
  const std::wstring& folder() const { return folder_; }

 private:
  std::wstring folder_, script_, log_;
};

}  // namespace e2e
