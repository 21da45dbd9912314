#include <windows.h>

#include "fatal_error.h"
#include "message_loop.h"
#include "window_keys.h"

int runMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL result = GetMessageA(&message, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(message.wParam);
    if (result == -1) fatalError("消息队列读取失败，程序无法继续。");
    if (handleWindowKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
