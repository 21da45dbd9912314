// Checks on soundcheck.exe shared by the case files.
#pragma once

#include <string>

#include "harness.h"
#include "ui.h"

namespace e2e {

// "button1", "main window", "none" or the window's class, for messages.
std::string describe(const Program& program, HWND window);

// Waits until the focus of the program's GUI thread is on control `id`.
void expectFocus(const Program& program, int id, const std::string& context,
                 std::source_location where = std::source_location::current());

// Waits until WM_GETTEXT (A) of control `id` gives exactly `expected` (GBK bytes).
bool waitForCaption(const Program& program, int id, const std::string& expected,
                    Duration limit = 5s);
void expectCaption(const Program& program, int id, const std::string& expected,
                   const std::string& context,
                   std::source_location where = std::source_location::current());

// Captions of 标签2 to 标签8 and of 标签1 as they are now.
std::string caption(const Program& program, int id);

// Closes the program with Esc and expects exit status 0.
void closeWithEsc(Program& program);

// A top-level window of the driver's own, used to take the activation away from the program.
class OtherWindow {
 public:
  OtherWindow();
  ~OtherWindow();
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace e2e
