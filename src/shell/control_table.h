#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The main window and its ten controls, as data. The window code creates the controls from
// this table in one loop; tests and the keyboard logic read the same rows.

enum class Control : std::uint8_t {
  按钮1,
  标签1,
  按钮2,
  标签2,
  标签3,
  标签4,
  标签5,
  标签6,
  标签7,
  标签8,
};

enum class ControlKind : std::uint8_t {
  PushButton,
  SingleLineLabel,  // one line, centred vertically
  MultiLineLabel,   // word-wrapped from the top
};

struct ControlRow {
  Control name;
  ControlKind kind;
  std::uint32_t identifier;  // the child window's id, as GetDlgCtrlID reports it
  int left, top;             // client coordinates of the window
  int width, height;         // outer size, border included
  const char* caption;       // caption at start, GBK
  bool tabStop;
};

inline constexpr std::size_t kControlCount = 10;

// Creation order is also the order on screen and the focus order among tab stops.
inline constexpr std::array<ControlRow, kControlCount> kControlTable{{
    {Control::按钮1, ControlKind::PushButton, 0x16010002, 0, 0, 96, 32, "是否有声卡", true},
    {Control::标签1, ControlKind::SingleLineLabel, 0x16010006, 112, 0, 40, 32, "。。。", false},
    {Control::按钮2, ControlKind::PushButton, 0x16010017, 0, 40, 96, 32, "声卡信息", true},
    {Control::标签2, ControlKind::SingleLineLabel, 0x16010030, 112, 40, 258, 18, "", false},
    {Control::标签3, ControlKind::SingleLineLabel, 0x16010032, 112, 64, 258, 18, "", false},
    {Control::标签4, ControlKind::SingleLineLabel, 0x16010034, 112, 88, 258, 18, "", false},
    {Control::标签5, ControlKind::SingleLineLabel, 0x16010036, 112, 112, 258, 18, "", false},
    {Control::标签6, ControlKind::SingleLineLabel, 0x16010038, 112, 136, 258, 18, "", false},
    {Control::标签7, ControlKind::MultiLineLabel, 0x16010039, 112, 160, 258, 176, "", false},
    {Control::标签8, ControlKind::MultiLineLabel, 0x1601003D, 112, 344, 258, 71, "", false},
}};

constexpr std::size_t indexOf(Control control) {
  return static_cast<std::size_t>(control);
}
constexpr const ControlRow& rowOf(Control control) {
  return kControlTable[indexOf(control)];
}

constexpr bool isLabel(Control control) {
  return rowOf(control).kind != ControlKind::PushButton;
}

// The top-level window.
struct WindowSpec {
  std::uint32_t identifier;
  const char* title;  // GBK
  int width, height;  // outer size, frame and caption bar included
};

inline constexpr WindowSpec kMainWindow{0x52010001, "检测声卡  Quorvane 出品", 380, 448};

constexpr bool rowsFollowEnumOrder() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (indexOf(kControlTable[i].name) != i) return false;
  }
  return true;
}
static_assert(rowsFollowEnumOrder(), "rowOf() indexes the table by the Control value");
