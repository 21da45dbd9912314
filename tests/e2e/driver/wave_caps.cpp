#include "wave_caps.h"

#include <cstring>

#include "harness.h"

namespace e2e {

const std::array<const wchar_t*, 12> kFormatNames = {
    L"11.025khz, 单声道, 8bit, 11kb/Ps",  L"11.025khz, 立体声, 8bit, 22kb/Ps",
    L"11.025khz, 单声道, 16bit, 22kb/Ps", L"11.025khz,立体声, 16bit, 43kb/Ps",
    L"22.05khz, 单声道, 8bit, 22kb/Ps",   L"22.05khz, 立体声, 8bit, 43kb/Ps",
    L"22.05khz. 单声道,16bit, 43kb/Ps",   L"22.05khz, 立体声, 16bit, 86kb/Ps",
    L"44.1khz, 单声道, 8bit, 43kb/Ps",    L"44.lkhz, 立体声, 8bit, 86kb/Ps",
    L"44.lkhz, 单声道, 16bit, 86KB/Ps",   L"44.lkhz. 立体声, 16bit, 172kb/Ps",
};

const std::array<const wchar_t*, 6> kFeatureNames = {
    L"音调控制", L"回放率控制", L"音量控制", L"左右声道平衡", L"同步操作", L"精确采样信息返回",
};

void WaveCaps::setName(std::string_view bytes) {
  name.fill(0);
  std::memcpy(name.data(), bytes.data(), std::min(bytes.size(), name.size()));
}

namespace {

void put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}
void put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
uint16_t get16(const std::vector<uint8_t>& in, size_t at) {
  return static_cast<uint16_t>(in[at] | in[at + 1] << 8);
}
uint32_t get32(const std::vector<uint8_t>& in, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | in[at + i];
  return v;
}

}  // namespace

// Offsets of WAVEOUTCAPSA: wMid 0, wPid 2, vDriverVersion 4, szPname 8, dwFormats 40,
// wChannels 44, wReserved1 46, dwSupport 48; 52 in all.
std::vector<uint8_t> WaveCaps::bytes() const {
  std::vector<uint8_t> out(kSize, 0);
  put16(out, 0, mid);
  put16(out, 2, pid);
  put32(out, 4, version);
  std::memcpy(out.data() + 8, name.data(), name.size());
  put32(out, 40, formats);
  out[44] = channels[0];
  out[45] = channels[1];
  put16(out, 46, reserved);
  put32(out, 48, support);
  return out;
}

WaveCaps WaveCaps::fromBytes(const std::vector<uint8_t>& in) {
  WaveCaps caps;
  if (in.size() != kSize) abortCase("a capability record has 52 bytes");
  caps.mid = get16(in, 0);
  caps.pid = get16(in, 2);
  caps.version = get32(in, 4);
  std::memcpy(caps.name.data(), in.data() + 8, caps.name.size());
  caps.formats = get32(in, 40);
  caps.channels = {in[44], in[45]};
  caps.reserved = get16(in, 46);
  caps.support = get32(in, 48);
  return caps;
}

std::array<std::string, 7> expectedReport(const WaveCaps& caps) {
  std::string name;
  for (uint8_t byte : caps.name) {
    if (byte == 0) break;
    name += static_cast<char>(byte);
  }
  const auto version = static_cast<int32_t>(caps.version);
  const unsigned channels = caps.channels[0] | caps.channels[1] << 8u;
  std::string formats = gbk(L"支持采样率列表：");
  for (int bit = 0; bit < 12; ++bit) {
    if (caps.formats & (1u << bit)) formats += "\r\n---" + gbk(kFormatNames[bit]);
  }
  std::string features = gbk(L"扩展输出功能列表：");
  for (int bit = 0; bit < 6; ++bit) {
    if (caps.support & (1u << bit)) features += "\r\n---" + gbk(kFeatureNames[bit]);
  }
  return {
      gbk(L"产品名称：") + name,
      gbk(L"产品ID：") + std::to_string(static_cast<int16_t>(caps.pid)),
      gbk(L"驱动程序ID：") + std::to_string(static_cast<int16_t>(caps.mid)),
      gbk(L"驱动程序版本：") + std::to_string(version / 256) + "." + std::to_string(version % 256),
      gbk(L"输出通道：") + std::to_string(channels),
      formats,
      features,
  };
}

}  // namespace e2e
