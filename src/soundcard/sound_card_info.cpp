#include "sound_card_info.h"

#include <algorithm>
#include <cstring>

namespace {

// Moves fields into and out of the buffer member by member. The byte order is spelled out
// so the layout does not depend on the host.
class CapsWriter {
 public:
  explicit CapsWriter(CapsBuffer& buffer) : buffer_(buffer) {}

  void put16(std::int16_t value) { putLittleEndian(static_cast<std::uint16_t>(value), 2); }
  void put32(std::int32_t value) { putLittleEndian(static_cast<std::uint32_t>(value), 4); }

  template <std::size_t N>
  void putBytes(const std::array<std::uint8_t, N>& bytes) {
    std::memcpy(buffer_.data() + position_, bytes.data(), N);
    position_ += N;
  }

 private:
  void putLittleEndian(std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) buffer_[position_ + i] = (value >> (8 * i)) & 0xFF;
    position_ += width;
  }

  CapsBuffer& buffer_;
  std::size_t position_ = 0;
};

class CapsReader {
 public:
  explicit CapsReader(const CapsBuffer& buffer) : buffer_(buffer) {}

  std::int16_t get16() { return static_cast<std::int16_t>(getLittleEndian(2)); }
  std::int32_t get32() { return static_cast<std::int32_t>(getLittleEndian(4)); }

  // Fills the array from a member of `memberWidth` bytes: never more bytes than the member
  // holds, and the read position moves on by the member's full width either way.
  template <std::size_t N>
  void getBytes(std::array<std::uint8_t, N>& bytes, std::size_t memberWidth) {
    std::memcpy(bytes.data(), buffer_.data() + position_, std::min(N, memberWidth));
    position_ += memberWidth;
  }

 private:
  std::uint32_t getLittleEndian(std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value |= std::uint32_t{buffer_[position_ + i]} << (8 * i);
    position_ += width;
    return value;
  }

  const CapsBuffer& buffer_;
  std::size_t position_ = 0;
};

}  // namespace

void writeCapsBuffer(const SoundCardInfo& info, CapsBuffer& buffer) {
  CapsWriter out(buffer);
  out.put16(info.driverId);
  out.put16(info.productId);
  out.put32(info.driverVersion);
  out.putBytes(info.productName);
  out.put32(info.formats);
  out.putBytes(info.channels);
  out.put16(info.reserved);
  out.put32(info.support);
}

void readCapsBuffer(const CapsBuffer& buffer, SoundCardInfo& info) {
  CapsReader in(buffer);
  info.driverId = in.get16();
  info.productId = in.get16();
  info.driverVersion = in.get32();
  in.getBytes(info.productName, 32);
  info.formats = in.get32();
  in.getBytes(info.channels, 2);
  info.reserved = in.get16();
  info.support = in.get32();
}
