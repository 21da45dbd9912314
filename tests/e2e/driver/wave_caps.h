// The 52-byte WAVEOUTCAPSA record as the tests write and read it, and what the program's report
// must show for one: an oracle written from the product description, not from the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct WaveCaps {
  uint16_t mid = 0;      // wMid, shown as the driver identifier
  uint16_t pid = 0;      // wPid, the product identifier
  uint32_t version = 0;  // vDriverVersion
  std::array<uint8_t, 32> name{};
  uint32_t formats = 0;  // dwFormats
  std::array<uint8_t, 2> channels{};
  uint16_t reserved = 0;
  uint32_t support = 0;  // dwSupport

  static constexpr size_t kSize = 52;
  void setName(std::string_view bytes);  // copies at most 32 bytes, the rest zero
  std::vector<uint8_t> bytes() const;    // little-endian, WAVEOUTCAPSA layout
  static WaveCaps fromBytes(const std::vector<uint8_t>& bytes);
};

// UTF-16 names of the format bits 0..11 and the feature bits 0..5.
extern const std::array<const wchar_t*, 12> kFormatNames;
extern const std::array<const wchar_t*, 6> kFeatureNames;

// GBK captions of 标签2 to 标签8 after a click on 按钮2 with `caps` in the record.
std::array<std::string, 7> expectedReport(const WaveCaps& caps);

}  // namespace e2e
