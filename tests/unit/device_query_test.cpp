#include "soundcard/device_query.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "scripted_wave_out.h"
#include "soundcard/card_globals.h"

namespace {

// WAVEOUTCAPSA as the service writes it, little-endian.
CapsBuffer capsImage(std::uint16_t mid, std::uint16_t pid, std::uint32_t version, const char* name,
                     std::uint32_t formats, std::uint16_t channels, std::uint16_t reserved,
                     std::uint32_t support) {
  CapsBuffer caps{};
  auto put = [&caps](std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) caps[at + i] = (value >> (8 * i)) & 0xFF;
  };
  put(0, mid, 2);
  put(2, pid, 2);
  put(4, version, 4);
  std::memcpy(&caps[8], name, std::strlen(name));
  put(40, formats, 4);
  put(44, channels, 2);
  put(46, reserved, 2);
  put(48, support, 4);
  return caps;
}

}  // namespace

TEST(CardGlobals, RecordStartsAllZeroAndIsReleased) {
  initGlobals();
  ASSERT_TRUE(cardInfoExists());
  EXPECT_EQ(cardInfo(), SoundCardInfo{});
  for (std::uint8_t byte : cardInfo().productName) EXPECT_EQ(byte, 0);
  EXPECT_EQ(cardInfo().channels, (std::array<std::uint8_t, 2>{0, 0}));
  releaseGlobals();
  EXPECT_FALSE(cardInfoExists());
}

TEST(DeviceQuery, AsksForDeviceZeroWithAnExactImageOfTheRecord) {
  SoundCardInfo info = speakers();
  ScriptedWaveOut service(failsUntouched());
  queryDeviceCaps(info, service);

  EXPECT_EQ(service.calls, 1);
  EXPECT_EQ(service.lastDeviceId, 0u);
  EXPECT_EQ(service.lastSize, 52u);
  const CapsBuffer expected = capsImage(1, 100, 0x0501, "Speakers", 0x1805, 2, 7, 0x6C);
  EXPECT_EQ(service.handedIn, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(DeviceQuery, TakesEveryMemberTheServiceWrites) {
  struct Case {
    const char* what;
    CapsBuffer caps;
    SoundCardInfo expected;
  };
  SoundCardInfo signedAndWide;
  signedAndWide.driverId = -32767;
  signedAndWide.productId = -1;
  signedAndWide.driverVersion = -257;
  signedAndWide.productName.fill('N');
  signedAndWide.formats = -1;
  signedAndWide.channels = {2, 1};
  signedAndWide.reserved = -2;
  signedAndWide.support = static_cast<std::int32_t>(0x80000001u);
  CapsBuffer fullName =
      capsImage(0x8001, 0xFFFF, 0xFFFFFEFF, "", 0xFFFFFFFF, 0x0102, 0xFFFE, 0x80000001);
  std::memset(&fullName[8], 'N', 32);

  const Case cases[] = {
      {"plain device", capsImage(1, 100, 0x0501, "Speakers", 0x1805, 2, 7, 0x6C), speakers()},
      {"sign, byte order, 32-byte name", fullName, signedAndWide},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SoundCardInfo info;
    ScriptedWaveOut service(writes(c.caps));
    queryDeviceCaps(info, service);
    EXPECT_EQ(info, c.expected);
  }
}

TEST(DeviceQuery, KeepsTheBytesBehindTheNameTerminator) {
  CapsBuffer caps = capsImage(0, 0, 0, "Out: default", 0, 2, 0, 0);
  caps[8 + 20] = 0xAB;  // left over behind the terminator by the service
  caps[8 + 31] = 0xCD;
  SoundCardInfo info;
  ScriptedWaveOut service(writes(caps));
  queryDeviceCaps(info, service);
  EXPECT_EQ(info.productName[12], 0);
  EXPECT_EQ(info.productName[20], 0xAB);
  EXPECT_EQ(info.productName[31], 0xCD);
}

TEST(DeviceQuery, FailedQueryLeavesTheRecordAsItWas) {
  SoundCardInfo info;
  ScriptedWaveOut failing(failsUntouched());
  queryDeviceCaps(info, failing);
  EXPECT_EQ(info, SoundCardInfo{}) << "no earlier answer: stays all zero";

  ScriptedWaveOut answering(writes(capsImage(1, 100, 0x0501, "Speakers", 0x1805, 2, 7, 0x6C)));
  queryDeviceCaps(info, answering);
  queryDeviceCaps(info, failing);
  EXPECT_EQ(info, speakers()) << "keeps the previous device";
}

TEST(DeviceQuery, PartialAnswerChangesOnlyTheMembersWritten) {
  SoundCardInfo info = speakers();
  ScriptedWaveOut service(
      writes(capsImage(0x0202, 0x0303, 0x00040004, "ignored", 0xFFF, 6, 9, 1), 8));
  queryDeviceCaps(info, service);

  SoundCardInfo expected = speakers();
  expected.driverId = 0x0202;
  expected.productId = 0x0303;
  expected.driverVersion = 0x00040004;
  EXPECT_EQ(info, expected);
}
