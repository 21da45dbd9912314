#include "scripted_winmm.h"

#include <cstdio>
#include <sstream>

namespace e2e {

ScriptedWinmm::ScriptedWinmm(const std::wstring& name, const WinmmScript& script)
    : folder_(freshFolder(name)),
      script_(joinPath(folder_, L"script.txt")),
      log_(joinPath(folder_, L"calls.log")) {
  std::string text;
  for (uint32_t n : script.numDevs) text += format("numdevs 0x%08X\n", static_cast<unsigned>(n));
  for (const CapsAnswer& answer : script.caps) {
    text += format("caps %u %s\n", static_cast<unsigned>(answer.result),
                   hex(answer.bytes.data(), answer.bytes.size()).c_str());
  }
  writeFile(script_, text);
}

std::vector<EnvChange> ScriptedWinmm::env() const {
  return {
      {L"SOUNDCHECK_E2E_WINMM_SCRIPT", script_},
      {L"SOUNDCHECK_E2E_WINMM_LOG", log_},
  };
}

LaunchOptions ScriptedWinmm::launch() const {
  LaunchOptions options = withEnv(env());
  options.winmmLoadOrder = L"native";
  return options;
}

std::vector<WinmmCall> ScriptedWinmm::calls() const {
  std::vector<WinmmCall> calls;
  std::istringstream lines(readFile(log_).value_or(""));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("error", 0) == 0) abortCase("test winmm.dll: " + line);
    if (line == "numdevs") {
      calls.push_back({"numdevs", 0, 0, {}});
    } else if (line.rfind("caps ", 0) == 0) {
      WinmmCall call{"caps", 0, 0, {}};
      char bytes[2 * 52 + 1] = {};
      if (std::sscanf(line.c_str(), "caps %llu %u %104s", &call.device, &call.size, bytes) < 2) {
        abortCase("test winmm.dll wrote a bad log line: " + line);
      }
      call.passed = unhex(bytes).value_or(std::vector<uint8_t>{});
      calls.push_back(call);
    }
  }
  return calls;
}

}  // namespace e2e
