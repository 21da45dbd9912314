// Checks of the test set-up itself, without soundcheck.exe: the code page, the desktop, that
// real input arrives, and that the test winmm.dll answers as scripted.
#include "probe.h"
#include "scripted_winmm.h"
#include "wave_caps.h"

namespace e2e {
namespace {

struct InputProbe {
  int clicks = 0;
};

LRESULT CALLBACK inputProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    reinterpret_cast<InputProbe*>(GetWindowLongPtrW(window, GWLP_USERDATA))->clicks++;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

E2E_CASE(harness, environment) {
  E2E_CHECK(GetACP() == 936, format("the driver's code page is %u, expected 936", GetACP()));
  E2E_CHECK(GetSystemMetrics(SM_CXSCREEN) == config().screenWidth &&
                GetSystemMetrics(SM_CYSCREEN) == config().screenHeight,
            "the desktop does not have the expected size");
  E2E_CHECK(fileExists(config().exe), "no program at " + utf8(config().exe));
}

// Keys typed with SendInput reach the focused edit control; an absolute click reaches a button.
E2E_CASE(harness, input_arrives) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = inputProbeProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"E2EInputProbe";
  RegisterClassW(&wc);
  InputProbe probe;
  HWND window =
      CreateWindowExW(0, wc.lpszClassName, L"input probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                      100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  E2E_REQUIRE(window, "cannot create the probe window");
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24,
                              window, nullptr, wc.hInstance, nullptr);
  HWND button = CreateWindowExW(0, L"BUTTON", L"probe", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10,
                                50, 100, 30, window, nullptr, wc.hInstance, nullptr);
  activate(window);
  SetFocus(edit);
  press('A');
  pressChord({VK_SHIFT, 'B'});
  E2E_CHECK(waitUntil([&] { return textW(edit) == L"aB"; }, 5s),
            "typed aB, edit reads " + showW(textW(edit)));
  clickControl(button);
  E2E_CHECK(waitUntil([&] { return probe.clicks == 1; }, 5s),
            format("%d clicks arrived", probe.clicks));
  DestroyWindow(window);
}

// The scripted winmm.dll, installed as the system's and chosen by override, gives its answers in
// order and logs what it was passed.
E2E_CASE(harness, scripted_winmm) {
  installSystemWinmm(L"scripted");
  WaveCaps caps;
  caps.mid = 0x8001;
  caps.setName("probe");
  ScriptedWinmm winmm(L"harness-scripted", {{5, 7}, {{0, caps.bytes()}}});
  const WinmmReading reading = readWinmmAs(winmm.launch());
  E2E_CHECK(reading.numDevs == 5, format("first count %u", reading.numDevs));
  E2E_CHECK(reading.capsResult == 0 && reading.caps == caps.bytes(),
            "caps answer " + hex(reading.caps.data(), 52));
  const auto calls = winmm.calls();
  E2E_REQUIRE(calls.size() == 2, format("%zu calls logged", calls.size()));
  E2E_CHECK(calls[0].function == "numdevs" && calls[1].function == "caps",
            "calls in the wrong order");
  E2E_CHECK(
      calls[1].device == 0 && calls[1].size == 52 && calls[1].passed == std::vector<uint8_t>(52, 0),
      "caps call logged wrongly");

  // The variants without one export cannot be bound by the probe (status 3).
  for (const wchar_t* variant : {L"no-numdevs", L"no-devcaps"}) {
    installSystemWinmm(variant);
    LaunchOptions options = winmm.launch();
    options.exe = config().driverExe;
    options.args = L"--probe-winmm nul";
    Program probe(options);
    const auto status = probe.waitExit();
    E2E_CHECK(status && *status == 3,
              utf8(variant) + ": probe status " + std::to_string(status.value_or(0)));
  }
  installSystemWinmm(L"scripted");
}

}  // namespace e2e
