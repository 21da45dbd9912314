#include "checks.h"

namespace e2e {

std::string describe(const Program& program, HWND window) {
  if (!window) return "none";
  if (window == program.window()) return "main window";
  for (const auto& control : ui::kControls) {
    if (GetDlgItem(program.window(), control.id) == window) return control.name;
  }
  return "a window of class " + className(window);
}

void expectFocus(const Program& program, int id, const std::string& context,
                 std::source_location where) {
  HWND wanted = program.control(id);
  if (!waitUntil(
          [&] {
            program.checkNoBox(where);
            return program.focus() == wanted;
          },
          5s)) {
    recordFailure(context + ": focus is on " + describe(program, program.focus()) +
                      ", expected on " + describe(program, wanted),
                  where);
  }
}

std::string caption(const Program& program, int id) {
  return textA(program.control(id));
}

bool waitForCaption(const Program& program, int id, const std::string& expected, Duration limit) {
  HWND control = program.control(id);
  return waitUntil(
      [&] {
        program.checkNoBox();
        return textA(control) == expected;
      },
      limit);
}

void expectCaption(const Program& program, int id, const std::string& expected,
                   const std::string& context, std::source_location where) {
  if (!waitForCaption(program, id, expected)) {
    recordFailure(context + ": " + describe(program, program.control(id)) + " reads " +
                      show(caption(program, id)) + ", expected " + show(expected),
                  where);
  }
}

void closeWithEsc(Program& program) {
  E2E_REQUIRE(program.running(), "the program ended before it was closed");
  activate(program.window());
  press(VK_ESCAPE);
  const auto status = program.waitExit();
  E2E_REQUIRE(status.has_value(), "program did not end after Esc");
  E2E_CHECK(*status == 0, format("exit status 0x%08lX after Esc", *status));
}

OtherWindow::OtherWindow() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"E2EOtherWindow";
    return RegisterClassW(&wc);
  }();
  if (!atom) abortCase("cannot register the driver's window class");
  // Top left of the screen, clear of the centred program window.
  window_ =
      CreateWindowExW(0, L"E2EOtherWindow", L"e2e other window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      0, 0, 240, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) abortCase("cannot create the driver's window");
}

OtherWindow::~OtherWindow() {
  DestroyWindow(window_);
}

}  // namespace e2e
