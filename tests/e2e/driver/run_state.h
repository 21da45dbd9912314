// State of one driver run shared by the helper library and main(): the settings, the failure
// count of the running case and the child processes that the watchdog ends on a time-out.
#pragma once

#include <windows.h>

#include "harness.h"

namespace e2e {

struct RunState {
  Config config;
  int failures = 0;  // of the running case
};
RunState& runState();

void trackChild(HANDLE process);
void untrackChild(HANDLE process);
// Ends every tracked child (used by the watchdog).
void terminateChildren();

}  // namespace e2e
