// Small helper library of the end-to-end driver: cases and checks, starting soundcheck.exe,
// finding its windows, real keyboard and mouse input, reading texts back.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <source_location>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

inline constexpr Duration kDefaultWait = 10s;

// ---------------------------------------------------------------------------------------------
// Cases and checks

// Thrown by REQUIRE-style checks to end the running case; the failure is already recorded.
struct CaseAborted {};

#if defined(__GNUC__)
std::string format(const char* fmt, ...) __attribute__((format(gnu_printf, 1, 2)));
#else
std::string format(const char* fmt, ...);
#endif

// Records a failure of the running case (file:line and message) and continues.
void recordFailure(const std::string& message,
                   std::source_location where = std::source_location::current());
// Records a failure and ends the running case.
[[noreturn]] void abortCase(const std::string& message,
                            std::source_location where = std::source_location::current());
void note(const std::string& message);

#define E2E_CHECK(cond, ...)                                                           \
  do {                                                                                 \
    if (!(cond)) ::e2e::recordFailure(std::string("CHECK(" #cond ") ") + __VA_ARGS__); \
  } while (0)
#define E2E_REQUIRE(cond, ...)                                                       \
  do {                                                                               \
    if (!(cond)) ::e2e::abortCase(std::string("REQUIRE(" #cond ") ") + __VA_ARGS__); \
  } while (0)

// Settings of one driver run, from the command line.
struct Config {
  std::wstring exe;        // soundcheck.exe
  std::wstring workDir;    // scratch folder of this run (emptied at start)
  std::wstring winmmDir;   // folder with the test winmm.dll variants, one sub-folder each
  std::wstring driverExe;  // this program
  int screenWidth = 0;     // the virtual desktop size the run expects
  int screenHeight = 0;
};
const Config& config();

struct Case {
  const char* group;
  const char* name;
  void (*run)();
};
// Cases register themselves from their own translation units.
struct CaseRegistrar {
  CaseRegistrar(const char* group, const char* name, void (*run)());
};
std::vector<Case>& allCases();

#define E2E_CASE(group, name)                                                                      \
  static void e2e_case_##group##_##name();                                                         \
  static ::e2e::CaseRegistrar e2e_reg_##group##_##name(#group, #name, &e2e_case_##group##_##name); \
  static void e2e_case_##group##_##name()

// ---------------------------------------------------------------------------------------------
// Waiting

// Polls `done` (pumping this thread's messages) until it returns true or `limit` has passed.
bool waitUntil(const std::function<bool()>& done, Duration limit = kDefaultWait);

// ---------------------------------------------------------------------------------------------
// Texts

// UTF-16 to bytes of code page 936 (GBK); fails the case if a character has no GBK form.
std::string gbk(std::wstring_view text);
// Bytes of code page 936 shown as UTF-8 with the bytes in hex, for messages.
std::string show(const std::string& gbkBytes);
std::string showW(const std::wstring& text);
std::string utf8(std::wstring_view text);
std::wstring widen(std::string_view ascii);

// WM_GETTEXT through the A and the W interface (works across processes).
std::string textA(HWND window);
std::wstring textW(HWND window);
std::string className(HWND window);

// ---------------------------------------------------------------------------------------------
// Environment block of a child process

struct EnvChange {
  std::wstring name;
  std::optional<std::wstring> value;  // none removes the variable
};

// ---------------------------------------------------------------------------------------------
// A running soundcheck.exe (or any program), ended when the object goes away.

struct LaunchOptions {
  std::wstring exe;  // empty: config().exe
  std::wstring args;
  std::wstring cwd;  // empty: the driver's current folder
  // Windows environment of the child. Wine starts a child process with the Unix environment of
  // its parent (HOME, LANG, WINEDLLOVERRIDES...); only what Windows code reads with
  // GetEnvironmentVariable comes from here.
  std::vector<EnvChange> env;
  // Load order of winmm.dll for this program ("native", "builtin", "" for disabled), set as
  // Wine's per-program DllOverrides; none removes that setting.
  std::optional<std::wstring> winmmLoadOrder;
  bool expectBoxes = false;  // message boxes are part of the case (fatal paths)
};
inline LaunchOptions withEnv(std::vector<EnvChange> env) {
  LaunchOptions options;
  options.env = std::move(env);
  return options;
}

class Program {
 public:
  explicit Program(LaunchOptions options = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD pid() const { return pi_.dwProcessId; }
  HANDLE process() const { return pi_.hProcess; }

  // The program's main window: a visible top-level window of the process that is not a
  // message box. Waits for input idle, then until the GUI thread has a focus window and no
  // mouse capture.
  HWND waitReady(Duration limit = kDefaultWait);
  HWND window() const { return window_; }
  DWORD guiThread() const;
  HWND control(int id) const;  // GetDlgItem, REQUIREs that it exists
  HWND focus() const;          // focus window of the GUI thread, or null

  // Visible top-level #32770 windows of the process.
  std::vector<HWND> messageBoxes() const;
  // Fails the case (and ends the program) if a message box is up and none was expected.
  void checkNoBox(std::source_location where = std::source_location::current()) const;
  // SendMessageTimeout(WM_NULL) round trip to the main window, then checkNoBox.
  void drain() const;

  bool running() const;
  std::optional<DWORD> waitExit(Duration limit = kDefaultWait);
  void kill();
  // Lets the program run on after this object is gone.
  void detach();

 private:
  LaunchOptions options_;
  PROCESS_INFORMATION pi_{};
  HWND window_ = nullptr;
};

// Top-level windows of a process that are visible, in z-order.
std::vector<HWND> topLevelWindows(DWORD pid);

// ---------------------------------------------------------------------------------------------
// Input (SendInput; keyboard goes to the foreground window)

// Makes `window` the foreground window and waits until it is.
void activate(HWND window);
// Presses the keys in order and releases them in reverse order: {VK_SHIFT, VK_TAB}.
void pressChord(std::initializer_list<WORD> keys);
inline void press(WORD key) {
  pressChord({key});
}
// Moves the pointer to a screen point (absolute move alone, verified with GetCursorPos), then
// presses and releases the left button there.
void clickAt(POINT screen);
// Clicks the middle of a child control.
void clickControl(HWND control);
// A screen point of `window` whose non-client hit test gives `hit` (HTCLOSE, HTCAPTION...).
std::optional<POINT> findHitPoint(HWND window, LRESULT hit);

// ---------------------------------------------------------------------------------------------
// Files and folders (Windows paths)

std::wstring joinPath(const std::wstring& folder, const std::wstring& name);
void makeFolder(const std::wstring& path);
void writeFile(const std::wstring& path, const std::string& bytes);
std::optional<std::string> readFile(const std::wstring& path);
void copyFileChecked(const std::wstring& from, const std::wstring& to);
bool fileExists(const std::wstring& path);
std::wstring systemFolder();
// A fresh, empty sub-folder of the work folder.
std::wstring freshFolder(const std::wstring& name);

// Copies the winmm.dll of `variant` (sub-folder of config().winmmDir) over the system's
// winmm.dll of this prefix. Wine still loads its own builtin one unless a process runs with
// WINEDLLOVERRIDES naming winmm as native.
void installSystemWinmm(const std::wstring& variant);

std::string hex(const void* data, size_t size);
std::optional<std::vector<uint8_t>> unhex(std::string_view text);

}  // namespace e2e
