// The window and its controls as they are right after start.
#include <cwchar>

#include "checks.h"

namespace e2e {
namespace {

const ui::Placement& placementForThisScreen() {
  for (const auto& placement : ui::kPlacements) {
    if (placement.screenWidth == config().screenWidth &&
        placement.screenHeight == config().screenHeight) {
      return placement;
    }
  }
  abortCase(format("no expected placement for a %dx%d screen", config().screenWidth,
                   config().screenHeight));
}

struct StyleBit {
  const char* name;
  LONG_PTR mask;
  bool present;
};

void checkStyleBits(const char* what, LONG_PTR style, std::initializer_list<StyleBit> bits) {
  for (const auto& bit : bits) {
    E2E_CHECK(((style & bit.mask) == bit.mask) == bit.present,
              format("%s: %s should be %s (style 0x%08llX)", what, bit.name,
                     bit.present ? "set" : "clear", static_cast<unsigned long long>(style)));
  }
}

RECT clientRectOf(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

E2E_CASE(layout, window_frame) {
  Program program;
  HWND window = program.waitReady();
  const auto& placement = placementForThisScreen();

  RECT r{};
  GetWindowRect(window, &r);
  E2E_CHECK(r.left == placement.left && r.top == placement.top,
            format("outer top-left is (%ld,%ld), expected (%d,%d)", r.left, r.top, placement.left,
                   placement.top));
  E2E_CHECK(r.right - r.left == ui::kWindowWidth && r.bottom - r.top == ui::kWindowHeight,
            format("outer size is %ldx%ld, expected %dx%d", r.right - r.left, r.bottom - r.top,
                   ui::kWindowWidth, ui::kWindowHeight));
  RECT client{};
  GetClientRect(window, &client);
  E2E_CHECK(client.right >= 370 && client.bottom >= 415,
            format("client area %ldx%ld cannot hold the controls (370x415)", client.right,
                   client.bottom));

  checkStyleBits("main window", GetWindowLongPtrW(window, GWL_STYLE),
                 {{"WS_CAPTION", WS_CAPTION, true},
                  {"WS_SYSMENU", WS_SYSMENU, true},
                  {"WS_DLGFRAME", WS_DLGFRAME, true},
                  {"WS_CLIPCHILDREN", WS_CLIPCHILDREN, true},
                  {"WS_VISIBLE", WS_VISIBLE, true},
                  {"WS_THICKFRAME", WS_THICKFRAME, false},
                  {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, false},
                  {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
                  {"WS_DISABLED", WS_DISABLED, false},
                  {"WS_CHILD", WS_CHILD, false},
                  {"WS_POPUP", WS_POPUP, false}});
  // The system adds WS_EX_WINDOWEDGE to a window with a dialog frame; nothing else is asked for.
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  E2E_CHECK((exStyle & ~static_cast<LONG_PTR>(WS_EX_WINDOWEDGE)) == 0,
            format("extended style 0x%08llX", static_cast<unsigned long long>(exStyle)));
  E2E_CHECK(GetWindow(window, GW_OWNER) == nullptr, "the window has an owner");
  E2E_CHECK(GetMenu(window) == nullptr, "the window has a menu bar");
  E2E_CHECK(textA(window) == gbk(ui::kTitle),
            "title is " + show(textA(window)) + ", expected " + show(gbk(ui::kTitle)));
  program.drain();
  closeWithEsc(program);
}

E2E_CASE(layout, controls_at_start) {
  Program program;
  HWND window = program.waitReady();

  // Creation order is the order of the child windows (and so the focus order).
  HWND child = GetWindow(window, GW_CHILD);
  for (const auto& want : ui::kControls) {
    E2E_CHECK(child && GetDlgCtrlID(child) == want.id,
              format("child window in %s's place of the creation order has identifier 0x%08X",
                     want.name, child ? static_cast<unsigned>(GetDlgCtrlID(child)) : 0u));
    if (child) child = GetWindow(child, GW_HWNDNEXT);
  }
  E2E_CHECK(child == nullptr, "the window has more than ten child windows");

  for (const auto& want : ui::kControls) {
    HWND control = program.control(want.id);
    E2E_CHECK(GetParent(control) == window,
              format("%s is not a child of the main window", want.name));
    const RECT r = clientRectOf(control);
    E2E_CHECK(
        r.left == want.left && r.top == want.top && r.right - r.left == want.width &&
            r.bottom - r.top == want.height,
        format("%s is at (%ld,%ld) %ldx%ld, expected (%d,%d) %dx%d", want.name, r.left, r.top,
               r.right - r.left, r.bottom - r.top, want.left, want.top, want.width, want.height));
    E2E_CHECK(IsWindowVisible(control) && IsWindowEnabled(control),
              format("%s is not visible and enabled", want.name));
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const std::string cls = className(control);
    if (want.button) {
      E2E_CHECK(_stricmp(cls.c_str(), "Button") == 0,
                format("%s has class %s", want.name, cls.c_str()));
      E2E_CHECK((style & BS_TYPEMASK) == BS_PUSHBUTTON,
                format("%s is not a plain push button (style 0x%08llX)", want.name,
                       static_cast<unsigned long long>(style)));
      checkStyleBits(want.name, style,
                     {{"BS_CENTER", BS_CENTER, true},
                      {"BS_VCENTER", BS_VCENTER, true},
                      {"BS_MULTILINE", BS_MULTILINE, true},
                      {"WS_TABSTOP", WS_TABSTOP, true}});
    } else {
      E2E_CHECK(_stricmp(cls.c_str(), "Static") == 0,
                format("%s has class %s", want.name, cls.c_str()));
      E2E_CHECK((style & SS_TYPEMASK) == SS_OWNERDRAW,
                format("%s is not self-drawn (style 0x%08llX)", want.name,
                       static_cast<unsigned long long>(style)));
      checkStyleBits(want.name, style,
                     {{"WS_BORDER", WS_BORDER, true}, {"WS_TABSTOP", WS_TABSTOP, false}});
    }
    const std::string expected = gbk(want.caption);
    E2E_CHECK(textA(control) == expected, format("%s caption ", want.name) + show(textA(control)) +
                                              ", expected " + show(expected));
  }
  program.drain();
  closeWithEsc(program);
}

// Under an English locale the program still runs with code page 936 (its manifest asks for
// it), so its GBK texts come out right in UTF-16. Wine takes the locale from the Unix side, so
// the whole run has LANG=en_US.UTF-8 (run-driver.sh --env).
E2E_CASE(locale, english_system_locale) {
  E2E_REQUIRE(GetACP() != 936,
              format("set-up: the run's code page is %u, not that of an English locale", GetACP()));
  Program program;
  HWND window = program.waitReady();
  E2E_CHECK(textW(window) == ui::kTitle,
            "title reads " + showW(textW(window)) + ", expected " + showW(ui::kTitle));
  for (const auto& want : ui::kControls) {
    const std::wstring text = textW(program.control(want.id));
    E2E_CHECK(text == want.caption,
              format("%s reads ", want.name) + showW(text) + ", expected " + showW(want.caption));
  }
  program.drain();
  closeWithEsc(program);
}

}  // namespace e2e
