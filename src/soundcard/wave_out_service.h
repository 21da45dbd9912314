#pragma once

#include <cstdint>

// The two calls the program makes of the system's waveform-audio output service. The real one
// is bound from winmm.dll; tests put a scripted service in its place.
class WaveOutService {
 public:
  virtual ~WaveOutService() = default;

  // waveOutGetNumDevs: the number of wave-out devices, as the 32 bits the service returns.
  virtual std::uint32_t getNumDevs() = 0;

  // waveOutGetDevCapsA: fills `caps` (a WAVEOUTCAPSA image of `size` bytes) for `deviceId`
  // and returns the service's result code.
  virtual std::uint32_t getDevCaps(std::uintptr_t deviceId, void* caps, std::uint32_t size) = 0;

 protected:
  WaveOutService() = default;
  WaveOutService(const WaveOutService&) = default;
  WaveOutService& operator=(const WaveOutService&) = default;
};
