#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "soundcard/sound_card_info.h"
#include "soundcard/wave_out_service.h"

// The answer of a capability call: the result code, after writing into `caps` (or not).
using CapsAnswer = std::function<std::uint32_t(std::uint8_t* caps, std::uint32_t size)>;

// The service's answer when device 0 does not exist: MMSYSERR_BADDEVICEID, buffer untouched.
inline CapsAnswer failsUntouched() {
  return [](std::uint8_t*, std::uint32_t) { return 2u; };
}

// Success after writing the first `count` bytes of `image`.
inline CapsAnswer writes(const CapsBuffer& image, std::size_t count = kCapsBufferSize) {
  return [image, count](std::uint8_t* caps, std::uint32_t) {
    std::memcpy(caps, image.data(), count);
    return 0u;
  };
}

// A wave-out service whose answer to the capability call is a script step; it records what
// the program handed it.
class ScriptedWaveOut : public WaveOutService {
 public:
  using Answer = CapsAnswer;

  // By default the capability call fails and writes nothing.
  ScriptedWaveOut() : answer_(failsUntouched()) {}
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

// A small stereo device named Speakers, the record the worked example starts from.
inline SoundCardInfo speakers() {
  SoundCardInfo info;
  info.driverId = 1;
  info.productId = 100;
  info.driverVersion = 0x0501;
  std::memcpy(info.productName.data(), "Speakers", 8);
  info.formats = 0x1805;
  info.channels = {2, 0};
  info.reserved = 7;
  info.support = 0x6C;
  return info;
}
