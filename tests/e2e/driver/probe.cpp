#include "probe.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace e2e {

namespace {

using NumDevsFn = UINT(WINAPI*)();
using DevCapsFn = UINT(WINAPI*)(UINT_PTR, void*, UINT);

template <typename Fn>
Fn lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

int probeWinmm(const std::wstring& outFile) {
  HMODULE winmm = LoadLibraryW(L"winmm.dll");
  const auto numDevs = winmm ? lookup<NumDevsFn>(winmm, "waveOutGetNumDevs") : nullptr;
  const auto devCaps = winmm ? lookup<DevCapsFn>(winmm, "waveOutGetDevCapsA") : nullptr;
  if (!numDevs || !devCaps) return 3;
  unsigned char buffer[52] = {};
  const UINT count = numDevs();
  const UINT result = devCaps(0, buffer, sizeof buffer);
  const std::string text = format("numdevs %u\ncapsresult %u\ncaps %s\n", count, result,
                                  hex(buffer, sizeof buffer).c_str());
  try {
    writeFile(outFile, text);
  } catch (const CaseAborted&) {
    return 4;
  }
  return 0;
}

int probeLoadWinmm() {
  HMODULE winmm = LoadLibraryW(L"winmm.dll");
  const auto numDevs = winmm ? lookup<NumDevsFn>(winmm, "waveOutGetNumDevs") : nullptr;
  return numDevs ? static_cast<int>(numDevs()) : 0xDEAD;
}

WinmmReading readWinmmAs(const LaunchOptions& like) {
  const std::wstring out = joinPath(config().workDir, L"probe-winmm.txt");
  DeleteFileW(out.c_str());
  LaunchOptions options = like;
  options.exe = config().driverExe;
  options.args = L"--probe-winmm \"" + out + L"\"";
  Program probe(options);
  const auto status = probe.waitExit();
  if (!status || *status != 0) {
    abortCase(format("winmm probe failed (status %ld)", status ? static_cast<long>(*status) : -1L));
  }
  const auto text = readFile(out);
  WinmmReading reading;
  char capsHex[2 * 52 + 1] = {};
  if (!text || std::sscanf(text->c_str(), "numdevs %u capsresult %u caps %104s", &reading.numDevs,
                           &reading.capsResult, capsHex) != 3) {
    abortCase("winmm probe wrote no answer");
  }
  const auto caps = unhex(capsHex);
  if (!caps || caps->size() != 52) abortCase("winmm probe wrote a bad buffer");
  reading.caps = *caps;
  return reading;
}

}  // namespace e2e
