// End-to-end driver: runs groups of cases against soundcheck.exe in the same Wine prefix and
// desktop. Usage:
//   e2e_driver --exe PATH --work DIR --winmm-dir DIR --screen WxH [--timeout S]
//              (--group NAME | --case GROUP.NAME)... | --list
//   e2e_driver --probe-winmm OUTFILE     what Wine's winmm.dll tells this process
//   e2e_driver --probe-load-winmm        plain LoadLibrary("winmm.dll") and one call
//   e2e_driver --pose --exe PATH         start PATH, click both buttons, leave it running
#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "harness.h"
#include "pose.h"
#include "probe.h"
#include "run_state.h"

namespace e2e {

namespace {

std::mutex childrenMutex;
std::set<HANDLE> children;
std::string currentCase = "(none)";
std::mutex currentCaseMutex;

// Exit status of a run that its own time limit ended (124 is the one of timeout(1)).
constexpr UINT kTimedOut = 3;

struct Options {
  std::vector<std::string> groups;
  std::vector<std::string> cases;
  bool list = false;
  bool pose = false;
  int timeoutSeconds = 120;
};

[[noreturn]] void usage(const char* why) {
  std::fprintf(stderr, "e2e_driver: %s\n", why);
  std::exit(2);
}

bool parseScreen(const std::wstring& text, int& width, int& height) {
  return swscanf(text.c_str(), L"%dx%d", &width, &height) == 2 && width > 0 && height > 0;
}

DWORD WINAPI watchdog(void* param) {
  const auto* options = static_cast<const Options*>(param);
  Sleep(static_cast<DWORD>(options->timeoutSeconds) * 1000);
  {
    std::lock_guard lock(currentCaseMutex);
    std::printf("TIMEOUT: the run took more than %d s, in case %s; ending it\n",
                options->timeoutSeconds, currentCase.c_str());
  }
  std::fflush(stdout);
  terminateChildren();
  TerminateProcess(GetCurrentProcess(), kTimedOut);
  return 0;
}

bool selected(const Case& c, const Options& options) {
  const std::string full = std::string(c.group) + "." + c.name;
  for (const auto& g : options.groups) {
    if (g == c.group) return true;
  }
  for (const auto& name : options.cases) {
    if (name == full) return true;
  }
  return false;
}

}  // namespace

RunState& runState() {
  static RunState state;
  return state;
}

void trackChild(HANDLE process) {
  std::lock_guard lock(childrenMutex);
  children.insert(process);
}

void untrackChild(HANDLE process) {
  std::lock_guard lock(childrenMutex);
  children.erase(process);
}

void terminateChildren() {
  std::lock_guard lock(childrenMutex);
  for (HANDLE process : children) TerminateProcess(process, 0xE2E);
}

int runCases(const Options& options) {
  const Config& cfg = runState().config;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (width != cfg.screenWidth || height != cfg.screenHeight) {
    std::printf("FAIL: the desktop is %dx%d, the run expects %dx%d (virtual desktop not set up?)\n",
                width, height, cfg.screenWidth, cfg.screenHeight);
    return 1;
  }
  CreateThread(nullptr, 0, watchdog, const_cast<Options*>(&options), 0, nullptr);

  int passed = 0, failed = 0;
  std::vector<std::string> failedNames;
  for (const Case& c : allCases()) {
    if (!selected(c, options)) continue;
    const std::string name = std::string(c.group) + "." + c.name;
    {
      std::lock_guard lock(currentCaseMutex);
      currentCase = name;
    }
    std::printf("[ RUN      ] %s\n", name.c_str());
    std::fflush(stdout);
    runState().failures = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
      c.run();
    } catch (const CaseAborted&) {
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    const bool ok = runState().failures == 0;
    std::printf("[ %s ] %s (%lld ms)\n", ok ? "      OK" : " FAILED ", name.c_str(),
                static_cast<long long>(ms.count()));
    std::fflush(stdout);
    if (ok) {
      ++passed;
    } else {
      ++failed;
      failedNames.push_back(name);
    }
  }
  if (passed + failed == 0) {
    std::printf("FAIL: no case matched the selection\n");
    return 1;
  }
  std::printf("e2e driver: %d of %d cases ok\n", passed, passed + failed);
  for (const auto& name : failedNames) std::printf("  failed: %s\n", name.c_str());
  return failed == 0 ? 0 : 1;
}

}  // namespace e2e

int main() {
  using namespace e2e;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Config& cfg = runState().config;
  Options options;
  {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    cfg.driverExe = self;
  }
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    auto value = [&]() -> std::wstring {
      if (i + 1 >= argc) usage("missing value after an option");
      return argv[++i];
    };
    if (arg == L"--probe-winmm") return probeWinmm(value());
    if (arg == L"--probe-load-winmm") return probeLoadWinmm();
    if (arg == L"--exe") {
      cfg.exe = value();
    } else if (arg == L"--work") {
      cfg.workDir = value();
    } else if (arg == L"--winmm-dir") {
      cfg.winmmDir = value();
    } else if (arg == L"--screen") {
      if (!parseScreen(value(), cfg.screenWidth, cfg.screenHeight)) usage("bad --screen, want WxH");
    } else if (arg == L"--timeout") {
      options.timeoutSeconds = _wtoi(value().c_str());
    } else if (arg == L"--group") {
      options.groups.push_back(utf8(value()));
    } else if (arg == L"--case") {
      options.cases.push_back(utf8(value()));
    } else if (arg == L"--list") {
      options.list = true;
    } else if (arg == L"--pose") {
      options.pose = true;
    } else {
      usage("unknown option");
    }
  }
  LocalFree(argv);
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (options.list) {
    for (const Case& c : allCases()) std::printf("%s.%s\n", c.group, c.name);
    return 0;
  }
  if (options.pose) {
    if (cfg.exe.empty()) usage("--pose needs --exe");
    return pose();
  }
  if (cfg.exe.empty() || cfg.workDir.empty() || cfg.winmmDir.empty() || cfg.screenWidth == 0) {
    usage("--exe, --work, --winmm-dir and --screen are needed");
  }
  if (options.timeoutSeconds <= 0) usage("bad --timeout");
  return runCases(options);
}
