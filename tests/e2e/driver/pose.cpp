// --pose: the state a screenshot of the program shows. Starts soundcheck.exe, clicks both buttons
// the way a person would, waits until the report is written and painted, and leaves the program
// running. Prints "window LEFT TOP WIDTH HEIGHT" (screen coordinates of the outer rectangle).
#include "pose.h"

#include <cstdio>

#include "checks.h"
#include "run_state.h"

namespace e2e {

int pose() {
  try {
    Program program;
    const HWND window = program.waitReady();
    activate(window);

    clickControl(program.control(ui::kButton1));
    if (!waitUntil([&] { return caption(program, ui::kLabel1) != gbk(ui::kStartCaption1); }, 5s)) {
      abortCase("标签1 did not change after the click on 按钮1");
    }
    clickControl(program.control(ui::kButton2));
    // 标签8 is written last and always gets at least its heading.
    if (!waitUntil([&] { return !caption(program, ui::kLabel8).empty(); }, 5s)) {
      abortCase("the report did not appear after the click on 按钮2");
    }
    // Paint everything now rather than whenever the program's queue runs empty.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    program.drain();
    if (runState().failures != 0) return 1;

    RECT r{};
    GetWindowRect(window, &r);
    std::printf("window %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    program.detach();
    return 0;
  } catch (const CaseAborted&) {
    return 1;
  }
}

}  // namespace e2e
