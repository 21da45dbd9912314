// A stand-in winmm.dll whose answers a test writes in a script file. It exports the two wave-out
// functions that soundcheck.exe binds by name, unless built without one of them:
//   E2E_WINMM_NO_NUMDEVS   no waveOutGetNumDevs export
//   E2E_WINMM_NO_DEVCAPS   no waveOutGetDevCapsA export
//   E2E_WINMM_ROGUE        a planted copy: fixed answers (no device), logs to its own file
//
// Script (path in SOUNDCHECK_E2E_WINMM_SCRIPT), one answer per line, used in order per function;
// the last answer of a function repeats once the list is used up:
//   numdevs VALUE              waveOutGetNumDevs returns VALUE (decimal or 0x hex)
//   caps RESULT [HEX]          waveOutGetDevCapsA writes the bytes HEX from the start of the
//                              caller's buffer (none, some or all 52) and returns RESULT
// Log (path in SOUNDCHECK_E2E_WINMM_LOG, or SOUNDCHECK_E2E_ROGUE_LOG for the rogue build), one
// line per event:
//   attach                     the library was loaded into a process
//   numdevs                    waveOutGetNumDevs was called
//   caps ID SIZE HEX           waveOutGetDevCapsA was called with device ID and SIZE; HEX are
//                              the buffer's bytes as the caller passed them (at most 52)
//   error TEXT                 the script could not be used
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

#ifdef E2E_WINMM_ROGUE
constexpr wchar_t kLogVariable[] = L"SOUNDCHECK_E2E_ROGUE_LOG";
#else
constexpr wchar_t kLogVariable[] = L"SOUNDCHECK_E2E_WINMM_LOG";
constexpr wchar_t kScriptVariable[] = L"SOUNDCHECK_E2E_WINMM_SCRIPT";
#endif

constexpr UINT kNoDriver = 6;  // MMSYSERR_NODRIVER
constexpr size_t kCapsSize = 52;
constexpr size_t kMaxAnswers = 16;

struct CapsAnswer {
  UINT result;
  unsigned char bytes[kCapsSize];
  size_t count;
};

struct Script {
  bool loaded = false;
  UINT numDevs[kMaxAnswers];
  size_t numDevsCount = 0;
  size_t numDevsNext = 0;
  CapsAnswer caps[kMaxAnswers];
  size_t capsCount = 0;
  size_t capsNext = 0;
};
Script script;
CRITICAL_SECTION lock;

void appendLog(const char* line) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(kLogVariable, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(strlen(line)), &written, nullptr);
  WriteFile(file, "\n", 1, &written, nullptr);
  CloseHandle(file);
}

#ifndef E2E_WINMM_ROGUE
int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

const char* skipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

bool parseNumber(const char*& p, UINT& value) {
  p = skipBlanks(p);
  char* end = nullptr;
  const unsigned long long v = strtoull(p, &end, 0);
  if (end == p || v > 0xFFFFFFFFull) return false;
  value = static_cast<UINT>(v);
  p = end;
  return true;
}

bool parseLine(const char* line) {
  const char* p = skipBlanks(line);
  if (*p == '\0' || *p == '#') return true;
  if (strncmp(p, "numdevs", 7) == 0) {
    p += 7;
    if (script.numDevsCount == kMaxAnswers) return false;
    if (!parseNumber(p, script.numDevs[script.numDevsCount])) return false;
    ++script.numDevsCount;
    return *skipBlanks(p) == '\0';
  }
  if (strncmp(p, "caps", 4) == 0) {
    p += 4;
    if (script.capsCount == kMaxAnswers) return false;
    CapsAnswer& answer = script.caps[script.capsCount];
    if (!parseNumber(p, answer.result)) return false;
    p = skipBlanks(p);
    answer.count = 0;
    while (*p && *p != ' ' && *p != '\t') {
      const int hi = hexValue(p[0]);
      const int lo = p[1] ? hexValue(p[1]) : -1;
      if (hi < 0 || lo < 0 || answer.count == kCapsSize) return false;
      answer.bytes[answer.count++] = static_cast<unsigned char>(hi * 16 + lo);
      p += 2;
    }
    ++script.capsCount;
    return *skipBlanks(p) == '\0';
  }
  return false;
}

void loadScript() {
  if (script.loaded) return;
  script.loaded = true;
  wchar_t path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(kScriptVariable, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) {
    appendLog("error no script named by SOUNDCHECK_E2E_WINMM_SCRIPT");
    return;
  }
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    appendLog("error script file cannot be opened");
    return;
  }
  static char text[8192];
  DWORD got = 0;
  const BOOL ok = ReadFile(file, text, sizeof text - 1, &got, nullptr);
  CloseHandle(file);
  if (!ok) {
    appendLog("error script file cannot be read");
    return;
  }
  text[got] = '\0';
  for (char* line = text; line && *line;) {
    char* next = strchr(line, '\n');
    if (next) *next++ = '\0';
    if (char* cr = strchr(line, '\r')) *cr = '\0';
    if (!parseLine(line)) {
      char message[160];
      snprintf(message, sizeof message, "error bad script line: %.120s", line);
      appendLog(message);
    }
    line = next;
  }
}
#endif

}  // namespace

extern "C" {

#ifndef E2E_WINMM_NO_NUMDEVS
__declspec(dllexport) UINT WINAPI waveOutGetNumDevs(void) {
  EnterCriticalSection(&lock);
  appendLog("numdevs");
  UINT value = 0;
#ifndef E2E_WINMM_ROGUE
  loadScript();
  if (script.numDevsCount > 0) {
    value = script.numDevs[script.numDevsNext];
    if (script.numDevsNext + 1 < script.numDevsCount) ++script.numDevsNext;
  }
#endif
  LeaveCriticalSection(&lock);
  return value;
}
#endif

#ifndef E2E_WINMM_NO_DEVCAPS
__declspec(dllexport) UINT WINAPI waveOutGetDevCapsA(UINT_PTR deviceId, void* caps, UINT size) {
  EnterCriticalSection(&lock);
  char line[40 + 2 * kCapsSize];
  int used =
      snprintf(line, sizeof line, "caps %llu %u ", static_cast<unsigned long long>(deviceId), size);
  const size_t shown = size < kCapsSize ? size : kCapsSize;
  for (size_t i = 0; caps && i < shown; ++i) {
    used += snprintf(line + used, sizeof line - static_cast<size_t>(used), "%02x",
                     static_cast<const unsigned char*>(caps)[i]);
  }
  appendLog(line);
  UINT result = kNoDriver;
#ifdef E2E_WINMM_ROGUE
  static const char kName[] = "ROGUE winmm.dll";
  if (caps && size >= 8 + sizeof kName) {
    memset(caps, 0, size < kCapsSize ? size : kCapsSize);
    memcpy(static_cast<unsigned char*>(caps) + 8, kName, sizeof kName);
    result = 0;
  }
#else
  loadScript();
  if (script.capsCount > 0) {
    const CapsAnswer& answer = script.caps[script.capsNext];
    if (script.capsNext + 1 < script.capsCount) ++script.capsNext;
    if (caps) memcpy(caps, answer.bytes, answer.count < size ? answer.count : size);
    result = answer.result;
  }
#endif
  LeaveCriticalSection(&lock);
  return result;
}
#endif

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    InitializeCriticalSection(&lock);
    appendLog("attach");
  } else if (reason == DLL_PROCESS_DETACH) {
    DeleteCriticalSection(&lock);
  }
  return TRUE;
}

}  // extern "C"
