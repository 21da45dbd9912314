#include "capability_names.h"

namespace {

struct NamedBit {
  int bit;
  const char* text;
};

// The product's own wording, spacing and punctuation kept as they are: three rows write the rate
// as "44.lkhz" and one writes the data rate as "KB/Ps". The last figure is kilobytes per second.
constexpr NamedBit kSampleFormats[kNamedFormatBits] = {
    {1, "11.025khz, 单声道, 8bit, 11kb/Ps"},     // WAVE_FORMAT_1M08
    {2, "11.025khz, 立体声, 8bit, 22kb/Ps"},     // WAVE_FORMAT_1S08
    {4, "11.025khz, 单声道, 16bit, 22kb/Ps"},    // WAVE_FORMAT_1M16
    {8, "11.025khz,立体声, 16bit, 43kb/Ps"},     // WAVE_FORMAT_1S16
    {16, "22.05khz, 单声道, 8bit, 22kb/Ps"},     // WAVE_FORMAT_2M08
    {32, "22.05khz, 立体声, 8bit, 43kb/Ps"},     // WAVE_FORMAT_2S08
    {64, "22.05khz. 单声道,16bit, 43kb/Ps"},     // WAVE_FORMAT_2M16
    {128, "22.05khz, 立体声, 16bit, 86kb/Ps"},   // WAVE_FORMAT_2S16
    {256, "44.1khz, 单声道, 8bit, 43kb/Ps"},     // WAVE_FORMAT_4M08
    {512, "44.lkhz, 立体声, 8bit, 86kb/Ps"},     // WAVE_FORMAT_4S08
    {1024, "44.lkhz, 单声道, 16bit, 86KB/Ps"},   // WAVE_FORMAT_4M16
    {2048, "44.lkhz. 立体声, 16bit, 172kb/Ps"},  // WAVE_FORMAT_4S16
};

constexpr NamedBit kFeatures[kNamedFeatureBits] = {
    {1, "音调控制"},           // WAVECAPS_PITCH
    {2, "回放率控制"},         // WAVECAPS_PLAYBACKRATE
    {4, "音量控制"},           // WAVECAPS_VOLUME
    {8, "左右声道平衡"},       // WAVECAPS_LRVOLUME
    {16, "同步操作"},          // WAVECAPS_SYNC
    {32, "精确采样信息返回"},  // WAVECAPS_SAMPLEACCURATE
};

template <int N>
const char* lookUp(const NamedBit (&table)[N], int bit) {
  for (const NamedBit& row : table) {
    if (row.bit == bit) return row.text;
  }
  return "";
}

}  // namespace

const char* sampleFormatText(int bit) {
  return lookUp(kSampleFormats, bit);
}

const char* featureText(int bit) {
  return lookUp(kFeatures, bit);
}
