#include "startup.h"

namespace {

Routine endRoutine = nullptr;

}  // namespace

const char* const kStartupWindowFailedMessage = "无法加载启动窗口：主窗口或其控件创建失败。";

void setEndRoutine(Routine routine) {
  endRoutine = routine;
}

void clearEndRoutine() {
  endRoutine = nullptr;
}

void runEndRoutine() {
  const Routine routine = endRoutine;
  endRoutine = nullptr;
  if (routine) routine();
}

int startProgram(const StartupSteps& steps) {
  steps.initGlobals();
  setEndRoutine(steps.releaseGlobals);
  if (!steps.openMainWindow()) steps.fatalError(kStartupWindowFailedMessage);
  return steps.runMessageLoop();
}
