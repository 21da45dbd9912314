#include "soundcard/capability_names.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "gbk.h"

namespace {

struct Row {
  int bit;
  const char8_t* text;
};

}  // namespace

TEST(CapabilityNames, EverySampleFormatBitHasItsTextByteForByte) {
  const Row rows[] = {
      {1, u8"11.025khz, 单声道, 8bit, 11kb/Ps"},   {2, u8"11.025khz, 立体声, 8bit, 22kb/Ps"},
      {4, u8"11.025khz, 单声道, 16bit, 22kb/Ps"},  {8, u8"11.025khz,立体声, 16bit, 43kb/Ps"},
      {16, u8"22.05khz, 单声道, 8bit, 22kb/Ps"},   {32, u8"22.05khz, 立体声, 8bit, 43kb/Ps"},
      {64, u8"22.05khz. 单声道,16bit, 43kb/Ps"},   {128, u8"22.05khz, 立体声, 16bit, 86kb/Ps"},
      {256, u8"44.1khz, 单声道, 8bit, 43kb/Ps"},   {512, u8"44.lkhz, 立体声, 8bit, 86kb/Ps"},
      {1024, u8"44.lkhz, 单声道, 16bit, 86KB/Ps"}, {2048, u8"44.lkhz. 立体声, 16bit, 172kb/Ps"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bit);
    EXPECT_EQ(std::string(sampleFormatText(row.bit)), gbk(row.text));
  }
  // The mono/stereo words as known GBK bytes, in case the converter itself is wrong.
  EXPECT_EQ(std::string(sampleFormatText(1)).substr(11, 6), "\xB5\xA5\xC9\xF9\xB5\xC0");
  EXPECT_EQ(std::string(sampleFormatText(2)).substr(11, 6), "\xC1\xA2\xCC\xE5\xC9\xF9");
}

TEST(CapabilityNames, EveryFeatureBitHasItsTextByteForByte) {
  const Row rows[] = {
      {1, u8"音调控制"},     {2, u8"回放率控制"}, {4, u8"音量控制"},
      {8, u8"左右声道平衡"}, {16, u8"同步操作"},  {32, u8"精确采样信息返回"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bit);
    EXPECT_EQ(std::string(featureText(row.bit)), gbk(row.text));
  }
}

TEST(CapabilityNames, OnlyASingleKnownBitMatches) {
  // Zero, several bits, a bit beyond the table, negative values.
  for (int bit : {0, 3, 4096, 8192, 0x1805, -1, -2048, INT_MIN}) {
    SCOPED_TRACE(bit);
    EXPECT_STREQ(sampleFormatText(bit), "");
  }
  for (int bit : {0, 3, 48, 64, 2048, -1, -32, INT_MIN}) {
    SCOPED_TRACE(bit);
    EXPECT_STREQ(featureText(bit), "");
  }
}
