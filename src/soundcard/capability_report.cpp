#include "capability_report.h"

#include <algorithm>
#include <cstdint>

#include "capability_names.h"
#include "device_query.h"

namespace {

// Plain decimal: a hyphen-minus before a negative value, no leading zeros, no grouping.
Text& appendDecimal(Text& text, std::int64_t value) {
  char digits[24];
  char* end = digits + sizeof digits;
  char* first = end;
  std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--first = '-';
  return text.append(first, static_cast<std::size_t>(end - first));
}

Text labelled(const char* prefix, std::int64_t value) {
  Text text(prefix);
  return appendDecimal(text, value);
}

// The name is the bytes before the first zero byte, or all 32 when there is none.
Text productNameOf(const SoundCardInfo& info) {
  const auto& bytes = info.productName;
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::size_t>(end - bytes.begin()));
}

// wChannels is an unsigned 16-bit count stored low byte first.
std::int64_t channelCountOf(const SoundCardInfo& info) {
  return info.channels[0] | (info.channels[1] << 8);
}

// major.minor with v = major * 256 + minor: both truncate toward zero and the minor number takes
// the sign of v, as C++ integer division does.
Text versionText(std::int32_t version) {
  Text text("驱动程序版本：");
  appendDecimal(text, version / 256);
  text.append(".");
  return appendDecimal(text, version % 256);
}

// Writes the heading, then appends one line per set bit that has a name, lowest bit first,
// reading the caption back before each item.
void writeList(CaptionStore& captions, Control label, const char* heading, std::int32_t bits,
               int namedBits, const char* (*nameOf)(int)) {
  captions.setCaption(label, heading);
  for (int i = 0; i < namedBits; ++i) {
    const int mask = 1 << i;
    if ((bits & mask) == 0) continue;
    const char* name = nameOf(mask);
    if (*name == '\0') continue;
    Text grown = captions.getCaption(label);
    grown.append("\r\n---").append(name);
    captions.setCaption(label, grown);
  }
}

}  // namespace

void showCapabilityReport(SoundCardInfo& info, WaveOutService& service, CaptionStore& captions) {
  queryDeviceCaps(info, service);

  Text name("产品名称：");
  name.append(productNameOf(info));
  captions.setCaption(Control::标签2, name);
  captions.setCaption(Control::标签3, labelled("产品ID：", info.productId));
  captions.setCaption(Control::标签4, labelled("驱动程序ID：", info.driverId));
  captions.setCaption(Control::标签5, versionText(info.driverVersion));
  captions.setCaption(Control::标签6, labelled("输出通道：", channelCountOf(info)));
  writeList(captions, Control::标签7, "支持采样率列表：", info.formats, kNamedFormatBits,
            sampleFormatText);
  writeList(captions, Control::标签8, "扩展输出功能列表：", info.support, kNamedFeatureBits,
            featureText);
}
