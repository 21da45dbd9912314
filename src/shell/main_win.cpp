#include <windows.h>

#include "../soundcard/card_globals.h"
#include "fatal_error.h"
#include "main_window.h"
#include "message_loop.h"
#include "startup.h"

namespace {

// fatalError never returns; the start-up sequence takes it as a plain routine.
void reportFatal(const char* message) {
  fatalError(message);
}

constexpr StartupSteps kSteps{initGlobals, releaseGlobals, openMainWindow, runMessageLoop,
                              reportFatal};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int quitCode = startProgram(kSteps);
  // The orderly shutdown: the window is gone, so the globals can go too.
  runEndRoutine();
  return quitCode;
}
