#include <windows.h>

#include <cstring>

#include "../shell/fatal_error.h"
#include "../shell/text.h"
#include "winmm_wave_out.h"

namespace {

constexpr char kLibraryName[] = "winmm.dll";

// Owns a loaded module; copying would free it twice.
class ModuleHandle {
 public:
  ModuleHandle() = default;
  ModuleHandle(const ModuleHandle&) = delete;
  ModuleHandle& operator=(const ModuleHandle&) = delete;
  ~ModuleHandle() {
    if (module_) FreeLibrary(module_);
  }

  HMODULE get() const { return module_; }
  void reset(HMODULE module) { module_ = module; }

 private:
  HMODULE module_ = nullptr;
};

// winmm.dll from the system directory only: a DLL of the same name beside the program or in
// the current directory must never be picked up.
HMODULE loadSystemWinmm() {
  if (HMODULE module = LoadLibraryExA(kLibraryName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return module;
  }
  // Systems without the search-flag update reject the flag itself; there, ask for the full path.
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  char path[MAX_PATH];
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + sizeof kLibraryName > MAX_PATH) return nullptr;
  path[length] = '\\';
  std::memcpy(path + length + 1, kLibraryName, sizeof kLibraryName);
  return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

[[noreturn]] void bindingFailed(const char* function) {
  Text message("无法从 ");
  message.append(kLibraryName).append(" 取得函数 ").append(function).append("，程序无法继续。");
  fatalError(message.c_str());
}

class WinmmWaveOut final : public WaveOutService {
 public:
  std::uint32_t getNumDevs() override {
    if (!getNumDevs_) getNumDevs_ = bind<GetNumDevs>("waveOutGetNumDevs");
    return getNumDevs_();
  }

  std::uint32_t getDevCaps(std::uintptr_t deviceId, void* caps, std::uint32_t size) override {
    if (!getDevCaps_) getDevCaps_ = bind<GetDevCaps>("waveOutGetDevCapsA");
    return getDevCaps_(deviceId, caps, size);
  }

 private:
  using GetNumDevs = UINT(WINAPI*)();
  using GetDevCaps = UINT(WINAPI*)(UINT_PTR, void*, UINT);

  template <typename Function>
  Function bind(const char* name) {
    if (!library_.get()) library_.reset(loadSystemWinmm());
    if (!library_.get()) bindingFailed(name);
    FARPROC address = GetProcAddress(library_.get(), name);
    if (!address) bindingFailed(name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  }

  ModuleHandle library_;
  GetNumDevs getNumDevs_ = nullptr;
  GetDevCaps getDevCaps_ = nullptr;
};

}  // namespace

WaveOutService& systemWaveOut() {
  static WinmmWaveOut service;  // the library stays loaded until the process ends
  return service;
}
