#include <windows.h>

#include "fatal_error.h"
#include "startup.h"

[[noreturn]] void fatalError(const char* message) {
  // A second fatal error raised while the first box is up (a message dispatched by the box's
  // own loop) must not stack another box: the first report already ends the process.
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    // No owner, but task-modal: the program's windows stay visible and are disabled while
    // the box is shown, so no click handler can run behind it.
    MessageBoxA(nullptr, message, "检测声卡 - 错误",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  }
  clearEndRoutine();
  ExitProcess(static_cast<UINT>(-1));
}
