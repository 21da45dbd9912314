// What a person sees of soundcheck.exe: the window, its ten controls and their texts at start.
// Written down here independently of the program's sources; texts are UTF-16 and are turned into
// code page 936 bytes with gbk() for byte comparisons.
#pragma once

#include <windows.h>

namespace e2e::ui {

inline constexpr const wchar_t* kTitle = L"检测声卡  Quorvane 出品";  // two blanks after 检测声卡
inline constexpr int kWindowWidth = 380;
inline constexpr int kWindowHeight = 448;

inline constexpr int kButton1 = 0x16010002;
inline constexpr int kLabel1 = 0x16010006;
inline constexpr int kButton2 = 0x16010017;
inline constexpr int kLabel2 = 0x16010030;
inline constexpr int kLabel3 = 0x16010032;
inline constexpr int kLabel4 = 0x16010034;
inline constexpr int kLabel5 = 0x16010036;
inline constexpr int kLabel6 = 0x16010038;
inline constexpr int kLabel7 = 0x16010039;
inline constexpr int kLabel8 = 0x1601003D;

struct ControlSpec {
  const char* name;  // for messages
  int id;
  bool button;
  int left, top, width, height;  // client coordinates, outer size
  const wchar_t* caption;        // at start
};

// In creation order, which is also the order on the screen.
inline constexpr ControlSpec kControls[] = {
    {"button1", kButton1, true, 0, 0, 96, 32, L"是否有声卡"},
    {"label1", kLabel1, false, 112, 0, 40, 32, L"。。。"},
    {"button2", kButton2, true, 0, 40, 96, 32, L"声卡信息"},
    {"label2", kLabel2, false, 112, 40, 258, 18, L""},
    {"label3", kLabel3, false, 112, 64, 258, 18, L""},
    {"label4", kLabel4, false, 112, 88, 258, 18, L""},
    {"label5", kLabel5, false, 112, 112, 258, 18, L""},
    {"label6", kLabel6, false, 112, 136, 258, 18, L""},
    {"label7", kLabel7, false, 112, 160, 258, 176, L""},
    {"label8", kLabel8, false, 112, 344, 258, 71, L""},
};

// The report labels, 标签2 to 标签8, in the order the report writes them.
inline constexpr int kReportLabels[] = {kLabel2, kLabel3, kLabel4, kLabel5,
                                        kLabel6, kLabel7, kLabel8};

inline constexpr const wchar_t* kStartCaption1 = L"。。。";
inline constexpr const wchar_t* kHasCard = L"有声卡";
inline constexpr const wchar_t* kNoCard = L"无声卡";

// Where the centred window lands on the screens the tests use.
struct Placement {
  int screenWidth, screenHeight, left, top;
};
inline constexpr Placement kPlacements[] = {
    {1024, 768, 322, 160},
    {1366, 768, 493, 160},
};

}  // namespace e2e::ui
