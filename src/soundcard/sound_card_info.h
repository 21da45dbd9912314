#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What the program last learned about wave-out device 0. The fields mirror the members of the
// platform's WAVEOUTCAPSA one for one and in its order; the product name and the channel count
// are kept as the raw bytes of their members.
struct SoundCardInfo {
  std::int16_t driverId = 0;                   // wMid
  std::int16_t productId = 0;                  // wPid
  std::int32_t driverVersion = 0;              // vDriverVersion
  std::array<std::uint8_t, 32> productName{};  // szPname, bytes behind the terminator included
  std::int32_t formats = 0;                    // dwFormats
  std::array<std::uint8_t, 2> channels{};      // wChannels, least significant byte first
  std::int16_t reserved = 0;                   // wReserved1
  std::int32_t support = 0;                    // dwSupport

  friend bool operator==(const SoundCardInfo&, const SoundCardInfo&) = default;
};

// A WAVEOUTCAPSA image: 2 + 2 + 4 + 32 + 4 + 2 + 2 + 4 bytes, little-endian, no padding.
inline constexpr std::size_t kCapsBufferSize = 52;
using CapsBuffer = std::array<std::uint8_t, kCapsBufferSize>;

// Writes every field into its member's place, so the buffer becomes an exact image of `info`.
void writeCapsBuffer(const SoundCardInfo& info, CapsBuffer& buffer);

// Reads every member back into its field.
void readCapsBuffer(const CapsBuffer& buffer, SoundCardInfo& info);
