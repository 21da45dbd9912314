#pragma once

// The program's start-up order and its one end-routine slot, independent of the window system
// so that the order can be checked with stand-ins for each step.

using Routine = void (*)();

// The routine that the orderly shutdown runs once. There is one slot: a new routine replaces
// the old one.
void setEndRoutine(Routine routine);

// Forgets the end routine without running it (the fatal path).
void clearEndRoutine();

// Runs the end routine if one is set, then clears it, so a second call runs nothing.
void runEndRoutine();

struct StartupSteps {
  Routine initGlobals;
  Routine releaseGlobals;
  bool (*openMainWindow)();
  int (*runMessageLoop)();                  // returns the code carried by the quit message
  void (*fatalError)(const char* message);  // does not return
};

// GBK text of the report shown when the main window cannot be created.
extern const char* const kStartupWindowFailedMessage;

// Initialises the globals, registers their release, opens the main window and runs the message
// loop until it ends. Returns the quit message's code; the caller then runs the end routine.
int startProgram(const StartupSteps& steps);
