#include "soundcard/capability_report.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "gbk.h"
#include "scripted_wave_out.h"
#include "soundcard/capability_names.h"

namespace {

constexpr Control kReportLabels[] = {Control::标签2, Control::标签3, Control::标签4, Control::标签5,
                                     Control::标签6, Control::标签7, Control::标签8};

// A device whose capability answer is the image of `device`.
ScriptedWaveOut::Answer answers(const SoundCardInfo& device) {
  CapsBuffer image;
  writeCapsBuffer(device, image);
  return writes(image);
}

// A list caption: the heading, then "\r\n---" and each item.
std::string listOf(const char8_t* heading, const std::vector<std::string>& items) {
  std::string text = gbk(heading);
  for (const std::string& item : items) text += "\r\n---" + item;
  return text;
}

std::vector<std::string> namedBits(int count, const char* (*nameOf)(int)) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.emplace_back(nameOf(1 << i));
  return names;
}

class CapabilityReport : public ::testing::Test {
 protected:
  // One click on the device `device`, starting from the record `info` holds.
  void clickOn(const SoundCardInfo& device) {
    service.setAnswer(answers(device));
    showCapabilityReport(info, service, store);
  }

  std::string caption(Control control) const { return store.getCaption(control).c_str(); }

  std::vector<std::string> reportCaptions() const {
    std::vector<std::string> texts;
    for (Control label : kReportLabels) texts.push_back(caption(label));
    return texts;
  }

  SoundCardInfo info;
  ScriptedWaveOut service;
  CaptionStore store;
};

}  // namespace

TEST_F(CapabilityReport, ShowsTheQueriedDevice) {
  clickOn(speakers());

  EXPECT_EQ(service.calls, 1);
  EXPECT_EQ(service.lastDeviceId, 0u);
  EXPECT_EQ(caption(Control::标签2), gbk(u8"产品名称：") + "Speakers");
  EXPECT_EQ(caption(Control::标签3), gbk(u8"产品ID：") + "100");
  EXPECT_EQ(caption(Control::标签4), gbk(u8"驱动程序ID：") + "1");
  EXPECT_EQ(caption(Control::标签5), gbk(u8"驱动程序版本：") + "5.1");
  EXPECT_EQ(caption(Control::标签6), gbk(u8"输出通道：") + "2");
  EXPECT_EQ(caption(Control::标签7),
            listOf(u8"支持采样率列表：", {gbk(u8"11.025khz, 单声道, 8bit, 11kb/Ps"),
                                          gbk(u8"11.025khz, 单声道, 16bit, 22kb/Ps"),
                                          gbk(u8"44.lkhz. 立体声, 16bit, 172kb/Ps")}));
  EXPECT_EQ(caption(Control::标签8),
            listOf(u8"扩展输出功能列表：",
                   {gbk(u8"音量控制"), gbk(u8"左右声道平衡"), gbk(u8"精确采样信息返回")}));
}

TEST_F(CapabilityReport, QueriesFirstThenWritesTheLabelsInOrderGrowingTheListsItemByItem) {
  struct Write {
    Control label;
    int queriesBefore;
  };
  struct Log {
    const ScriptedWaveOut* service;
    std::vector<Write> writes;
  } log{&service, {}};
  store.setChangeListener(
      [](void* context, Control control) {
        auto* log = static_cast<Log*>(context);
        log->writes.push_back({control, log->service->calls});
      },
      &log);

  clickOn(speakers());

  std::vector<Control> order;
  for (const Write& write : log.writes) {
    order.push_back(write.label);
    EXPECT_EQ(write.queriesBefore, 1) << "every caption is written after the query";
  }
  using enum Control;
  EXPECT_EQ(order, (std::vector<Control>{标签2, 标签3, 标签4, 标签5, 标签6, 标签7, 标签7, 标签7,
                                         标签7, 标签8, 标签8, 标签8, 标签8}));
}

TEST_F(CapabilityReport, AllZeroRecordShowsZerosAndBareHeadings) {
  service.setAnswer(failsUntouched());  // nothing answered yet: the record is still all zero
  showCapabilityReport(info, service, store);

  EXPECT_EQ(reportCaptions(),
            (std::vector<std::string>{gbk(u8"产品名称："), gbk(u8"产品ID：") + "0",
                                      gbk(u8"驱动程序ID：") + "0", gbk(u8"驱动程序版本：") + "0.0",
                                      gbk(u8"输出通道：") + "0", gbk(u8"支持采样率列表："),
                                      gbk(u8"扩展输出功能列表：")}));
}

TEST_F(CapabilityReport, ProductNameEndsAtTheFirstZeroByteOrAfterAll32) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;  // the rest of the 32 bytes stays zero
    std::string name;
  };
  const std::string gbkName = gbk(u8"扬声器 (Realtek)");
  const Case cases[] = {
      {"32 bytes, no terminator", std::vector<std::uint8_t>(32, 'N'), std::string(32, 'N')},
      {"bytes behind the terminator", {'x', 0, 'y', 'z'}, "x"},
      {"terminator first", {0, 'a', 'b'}, ""},
      {"multibyte name", std::vector<std::uint8_t>(gbkName.begin(), gbkName.end()), gbkName},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SoundCardInfo device;
    std::memcpy(device.productName.data(), c.bytes.data(), c.bytes.size());
    device.formats = 0x41414141;  // non-zero bytes right behind the name in the record
    clickOn(device);
    EXPECT_EQ(caption(Control::标签2), gbk(u8"产品名称：") + c.name);
  }
}

TEST_F(CapabilityReport, IdentifiersAreSigned16Bit) {
  const std::pair<std::uint16_t, const char*> cases[] = {
      {0, "0"}, {100, "100"}, {0x7FFF, "32767"}, {0x8000, "-32768"}, {0xFFFF, "-1"},
  };
  for (const auto& [raw, shown] : cases) {
    SCOPED_TRACE(raw);
    SoundCardInfo device;
    device.productId = static_cast<std::int16_t>(raw);
    device.driverId = static_cast<std::int16_t>(raw);
    clickOn(device);
    EXPECT_EQ(caption(Control::标签3), gbk(u8"产品ID：") + shown);
    EXPECT_EQ(caption(Control::标签4), gbk(u8"驱动程序ID：") + shown);
  }
}

TEST_F(CapabilityReport, VersionIsMajorDotMinorTruncatedTowardZero) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0.0"},       {0x0501, "5.1"},          {0x050A, "5.10"},        {258 * 256 + 3, "258.3"},
      {255, "0.255"},   {-256, "-1.0"},           {-257, "-1.-1"},         {-1, "0.-1"},
      {-255, "0.-255"}, {INT_MAX, "8388607.255"}, {INT_MIN, "-8388608.0"},
  };
  for (const auto& [version, shown] : cases) {
    SCOPED_TRACE(version);
    SoundCardInfo device;
    device.driverVersion = version;
    clickOn(device);
    EXPECT_EQ(caption(Control::标签5), gbk(u8"驱动程序版本：") + shown);
  }
}

TEST_F(CapabilityReport, ChannelsAreUnsigned16BitLowByteFirst) {
  struct Case {
    std::uint8_t low, high;
    const char* shown;
  };
  const Case cases[] = {{2, 0, "2"}, {0, 1, "256"}, {1, 2, "513"}, {255, 255, "65535"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    SoundCardInfo device;
    device.channels = {c.low, c.high};
    clickOn(device);
    EXPECT_EQ(caption(Control::标签6), gbk(u8"输出通道：") + c.shown);
  }
}

TEST_F(CapabilityReport, ListsNameEachKnownBitInIncreasingOrder) {
  const std::vector<std::string> allFormats = namedBits(kNamedFormatBits, sampleFormatText);
  const std::vector<std::string> allFeatures = namedBits(kNamedFeatureBits, featureText);
  struct Case {
    const char* what;
    std::int32_t formats, support;
    std::vector<std::string> formatItems, featureItems;
  };
  const Case cases[] = {
      {"every named bit", 0xFFF, 0x3F, allFormats, allFeatures},
      {"every bit", -1, -1, allFormats, allFeatures},
      {"only bits above the tables",
       static_cast<std::int32_t>(0xFFFFF000),
       static_cast<std::int32_t>(0xFFFFFFC0),
       {},
       {}},
      {"highest and lowest",
       0x801,
       0x21,
       {allFormats[0], allFormats[11]},
       {allFeatures[0], allFeatures[5]}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SoundCardInfo device;
    device.formats = c.formats;
    device.support = c.support;
    clickOn(device);
    EXPECT_EQ(caption(Control::标签7), listOf(u8"支持采样率列表：", c.formatItems));
    EXPECT_EQ(caption(Control::标签8), listOf(u8"扩展输出功能列表：", c.featureItems));
  }
  for (const std::string& name : allFormats) EXPECT_FALSE(name.empty());
  for (const std::string& name : allFeatures) EXPECT_FALSE(name.empty());
}

TEST_F(CapabilityReport, FailedQueryShowsTheEarlierDeviceAgain) {
  clickOn(speakers());
  const std::vector<std::string> first = reportCaptions();

  service.setAnswer(failsUntouched());
  showCapabilityReport(info, service, store);

  EXPECT_EQ(service.calls, 2);
  EXPECT_EQ(reportCaptions(), first);
  EXPECT_EQ(caption(Control::标签2), gbk(u8"产品名称：") + "Speakers");
}

TEST_F(CapabilityReport, SecondClickLeavesNothingOfTheFirst) {
  SoundCardInfo rich = speakers();
  rich.formats = 0xFFF;
  rich.support = 0x3F;
  clickOn(rich);
  clickOn(rich);
  EXPECT_EQ(caption(Control::标签7),
            listOf(u8"支持采样率列表：", namedBits(kNamedFormatBits, sampleFormatText)))
      << "an unchanged device gives the same captions twice";

  SoundCardInfo poorer = speakers();
  poorer.formats = 0x400;
  poorer.support = 0;
  clickOn(poorer);
  EXPECT_EQ(caption(Control::标签7),
            listOf(u8"支持采样率列表：", {gbk(u8"44.lkhz, 单声道, 16bit, 86KB/Ps")}));
  EXPECT_EQ(caption(Control::标签8), gbk(u8"扩展输出功能列表："));
}
