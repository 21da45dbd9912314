#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "soundcard/wave_out_service.h"

// A wave-out service whose answer to the capability call is a script step; it records what
// the program handed it.
class ScriptedWaveOut : public WaveOutService {
 public:
  using Answer = std::function<std::uint32_t(std::uint8_t* caps, std::uint32_t size)>;

  // By default the capability call fails with MMSYSERR_BADDEVICEID and writes nothing.
  ScriptedWaveOut() : ScriptedWaveOut([](std::uint8_t*, std::uint32_t) { return 2u; }) {}
  explicit ScriptedWaveOut(Answer answer) : answer_(std::move(answer)) {}

  // The answer of the next capability calls, e.g. a device that changed between two clicks.
  void setAnswer(Answer answer) { answer_ = std::move(answer); }

  std::uint32_t getNumDevs() override {
    ++countCalls;
    return deviceCount;
  }
  std::uint32_t getDevCaps(std::uintptr_t deviceId, void* caps, std::uint32_t size) override {
    ++calls;
    lastDeviceId = deviceId;
    lastSize = size;
    auto* bytes = static_cast<std::uint8_t*>(caps);
    handedIn.assign(bytes, bytes + size);
    return answer_(bytes, size);
  }

  std::uint32_t deviceCount = 0;  // what getNumDevs answers
  int countCalls = 0;
  int calls = 0;  // getDevCaps calls
  std::uintptr_t lastDeviceId = 99;
  std::uint32_t lastSize = 0;
  std::vector<std::uint8_t> handedIn;

 private:
  Answer answer_;
};
