#include "device_query.h"

void queryDeviceCaps(SoundCardInfo& info, WaveOutService& service) {
  CapsBuffer buffer;
  writeCapsBuffer(info, buffer);
  service.getDevCaps(0, buffer.data(), static_cast<std::uint32_t>(buffer.size()));
  readCapsBuffer(buffer, info);
}
