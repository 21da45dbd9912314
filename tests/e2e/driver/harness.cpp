#include "harness.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cwctype>
#include <mutex>

#include "run_state.h"

namespace e2e {

// ---------------------------------------------------------------------------------------------
// Cases and checks

std::string format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(out.data(), out.size() + 1, fmt, args);
  va_end(args);
  return out;
}

static const char* baseName(const char* path) {
  const char* base = path;
  for (const char* p = path; *p; ++p) {
    if (*p == '/' || *p == '\\') base = p + 1;
  }
  return base;
}

void recordFailure(const std::string& message, std::source_location where) {
  runState().failures++;
  std::printf("  FAIL %s:%u: %s\n", baseName(where.file_name()),
              static_cast<unsigned>(where.line()), message.c_str());
  std::fflush(stdout);
}

void abortCase(const std::string& message, std::source_location where) {
  recordFailure(message, where);
  throw CaseAborted{};
}

void note(const std::string& message) {
  std::printf("  note: %s\n", message.c_str());
  std::fflush(stdout);
}

std::vector<Case>& allCases() {
  static std::vector<Case> cases;
  return cases;
}

CaseRegistrar::CaseRegistrar(const char* group, const char* name, void (*run)()) {
  allCases().push_back({group, name, run});
}

const Config& config() {
  return runState().config;
}

// ---------------------------------------------------------------------------------------------
// Waiting

bool waitUntil(const std::function<bool()>& done, Duration limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    // Wakes early for messages of this thread; otherwise polls every 20 ms.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

// ---------------------------------------------------------------------------------------------
// Texts

std::string gbk(std::wstring_view text) {
  if (text.empty()) return {};
  BOOL usedDefault = FALSE;
  const int n =
      WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                          nullptr, 0, nullptr, &usedDefault);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      out.data(), n, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) abortCase("expected text has no GBK form: " + utf8(text));
  return out;
}

std::string utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring widen(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::string hex(const void* data, size_t size) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

std::optional<std::vector<uint8_t>> unhex(std::string_view text) {
  auto value = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (text.size() % 2) return std::nullopt;
  std::vector<uint8_t> out;
  for (size_t i = 0; i < text.size(); i += 2) {
    const int hi = value(text[i]), lo = value(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<uint8_t>(hi * 16 + lo));
  }
  return out;
}

static std::string escaped(const std::string& readable) {
  std::string out;
  for (char c : readable) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string show(const std::string& gbkBytes) {
  std::wstring wide;
  if (!gbkBytes.empty()) {
    const int n =
        MultiByteToWideChar(936, 0, gbkBytes.data(), static_cast<int>(gbkBytes.size()), nullptr, 0);
    wide.resize(static_cast<size_t>(n > 0 ? n : 0));
    MultiByteToWideChar(936, 0, gbkBytes.data(), static_cast<int>(gbkBytes.size()), wide.data(), n);
  }
  return "\"" + escaped(utf8(wide)) + "\" [" + hex(gbkBytes.data(), gbkBytes.size()) + "]";
}

std::string showW(const std::wstring& text) {
  return "\"" + escaped(utf8(text)) + "\"";
}

namespace {

// WM_GETTEXT through the A (char) or the W (wchar_t) interface; works across processes.
template <typename Char>
std::basic_string<Char> windowText(HWND window) {
  auto send = [window](UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    if constexpr (sizeof(Char) == 1) {
      return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, result);
    } else {
      return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, result);
    }
  };
  DWORD_PTR length = 0;
  if (!send(WM_GETTEXTLENGTH, 0, 0, &length)) abortCase("WM_GETTEXTLENGTH got no answer");
  // The A length can be an upper bound; the copy's own length is what counts.
  std::basic_string<Char> text(static_cast<size_t>(length) + 2, Char{});
  DWORD_PTR copied = 0;
  if (!send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) {
    abortCase("WM_GETTEXT got no answer");
  }
  text.resize(std::min<size_t>(static_cast<size_t>(copied), text.size()));
  return text;
}

}  // namespace

std::string textA(HWND window) {
  return windowText<char>(window);
}

std::wstring textW(HWND window) {
  return windowText<wchar_t>(window);
}

std::string className(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// ---------------------------------------------------------------------------------------------
// Processes

static bool sameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

static std::wstring environmentBlock(const std::vector<EnvChange>& changes) {
  std::vector<std::pair<std::wstring, std::wstring>> vars;
  if (wchar_t* block = GetEnvironmentStringsW()) {
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
      const std::wstring entry = p;
      const size_t eq = entry.find(L'=', 1);  // "=C:=C:\..." entries start with '='
      if (eq == std::wstring::npos) continue;
      vars.emplace_back(entry.substr(0, eq), entry.substr(eq + 1));
    }
    FreeEnvironmentStringsW(block);
  }
  for (const EnvChange& change : changes) {
    std::erase_if(vars, [&](const auto& var) { return sameName(var.first, change.name); });
    if (change.value) vars.emplace_back(change.name, *change.value);
  }
  std::sort(vars.begin(), vars.end(), [](const auto& a, const auto& b) {
    return CompareStringOrdinal(a.first.c_str(), -1, b.first.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  std::wstring block;
  for (const auto& [name, value] : vars) {
    block += name + L"=" + value;
    block += L'\0';
  }
  block += L'\0';
  return block;
}

// HKCU\Software\Wine\AppDefaults\<exe name>\DllOverrides, read by Wine when the program
// loads a DLL.
static void setWinmmLoadOrder(const std::wstring& exe, const std::optional<std::wstring>& order) {
  const std::wstring name = exe.substr(exe.find_last_of(L"\\/") + 1);
  const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name + L"\\DllOverrides";
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    abortCase("cannot open HKCU\\" + utf8(key));
  }
  LSTATUS status = ERROR_SUCCESS;
  if (order) {
    status =
        RegSetValueExW(handle, L"winmm", 0, REG_SZ, reinterpret_cast<const BYTE*>(order->c_str()),
                       static_cast<DWORD>((order->size() + 1) * sizeof(wchar_t)));
  } else {
    const LSTATUS deleted = RegDeleteValueW(handle, L"winmm");
    if (deleted != ERROR_FILE_NOT_FOUND) status = deleted;
  }
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS) abortCase("cannot set the winmm load order for " + utf8(name));
}

Program::Program(LaunchOptions options) : options_(std::move(options)) {
  const std::wstring exe = options_.exe.empty() ? config().exe : options_.exe;
  setWinmmLoadOrder(exe, options_.winmmLoadOrder);
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!options_.args.empty()) commandLine += L" " + options_.args;
  std::wstring env = environmentBlock(options_.env);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT, env.data(),
                      options_.cwd.empty() ? nullptr : options_.cwd.c_str(), &si, &pi_)) {
    abortCase(format("cannot start %s (error %lu)", utf8(exe).c_str(), GetLastError()));
  }
  trackChild(pi_.hProcess);
}

Program::~Program() {
  if (!pi_.hProcess) return;
  kill();
  detach();
}

void Program::detach() {
  if (!pi_.hProcess) return;
  untrackChild(pi_.hProcess);
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
  pi_.hThread = pi_.hProcess = nullptr;
}

void Program::kill() {
  if (running()) {
    TerminateProcess(pi_.hProcess, 0xE2E);
    WaitForSingleObject(pi_.hProcess, 10000);
  }
}

bool Program::running() const {
  return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> topLevelWindows(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{pid, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->pid && IsWindowVisible(window)) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Program::messageBoxes() const {
  std::vector<HWND> boxes;
  for (HWND window : topLevelWindows(pid())) {
    if (className(window) == "#32770") boxes.push_back(window);
  }
  return boxes;
}

static std::string boxTexts(HWND box) {
  std::string all = show(textA(box));
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string text = textA(child);
    if (!text.empty()) all += " | " + show(text);
  }
  return all;
}

void Program::checkNoBox(std::source_location where) const {
  if (options_.expectBoxes) return;
  const auto boxes = messageBoxes();
  if (boxes.empty()) return;
  const std::string texts = boxTexts(boxes.front());
  const_cast<Program*>(this)->kill();
  abortCase("unexpected message box: " + texts, where);
}

DWORD Program::guiThread() const {
  return window_ ? GetWindowThreadProcessId(window_, nullptr) : 0;
}

HWND Program::focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(guiThread(), &info)) return nullptr;
  return info.hwndFocus;
}

HWND Program::waitReady(Duration limit) {
  const auto start = std::chrono::steady_clock::now();
  WaitForInputIdle(pi_.hProcess, static_cast<DWORD>(limit.count()));
  bool exited = false;
  const bool ready = waitUntil(
      [&] {
        if (!running()) {
          exited = true;
          return true;
        }
        checkNoBox();
        window_ = nullptr;
        for (HWND window : topLevelWindows(pid())) {
          if (className(window) != "#32770") {
            window_ = window;
            break;
          }
        }
        if (!window_) return false;
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(guiThread(), &info) && info.hwndFocus && !info.hwndCapture;
      },
      limit - std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now() - start));
  if (exited) {
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    abortCase(format("program ended during start-up with status 0x%08lX", code));
  }
  if (!ready) {
    abortCase(window_ ? "main window never had a focused control" : "main window never appeared");
  }
  return window_;
}

HWND Program::control(int id) const {
  HWND control = GetDlgItem(window_, id);
  if (!control) abortCase(format("no control with identifier 0x%08X", static_cast<unsigned>(id)));
  return control;
}

void Program::drain() const {
  DWORD_PTR result = 0;
  if (window_ && running() &&
      !SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
    checkNoBox();
    if (running()) recordFailure("program did not answer WM_NULL within 5 s");
  }
  checkNoBox();
}

std::optional<DWORD> Program::waitExit(Duration limit) {
  const bool ended = waitUntil(
      [&] {
        if (!running()) return true;
        checkNoBox();
        return false;
      },
      limit);
  if (!ended) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

// ---------------------------------------------------------------------------------------------
// Input

void activate(HWND window) {
  if (GetForegroundWindow() == window) return;
  SetForegroundWindow(window);
  if (!waitUntil([&] { return GetForegroundWindow() == window; }, 5s)) {
    abortCase(format("window %p did not become the foreground window", static_cast<void*>(window)));
  }
}

static INPUT keyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void pressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(keyInput(key, false));
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
    inputs.push_back(keyInput(*it, true));
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size())
    abortCase(format("SendInput sent %u of %zu key events", sent, inputs.size()));
}

static INPUT mouseInput(DWORD flags, POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + width - 1) / width);
    input.mi.dy =
        static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + height - 1) / height);
  }
  return input;
}

void clickAt(POINT screen) {
  // Move alone and check where the pointer is: a move sent together with the button events
  // can be lost under Wine's virtual desktop.
  // The pointer can also jump back to where the X server had it, a moment after it arrived: it
  // counts as there once it has stayed for 60 ms.
  auto isThere = [&] {
    POINT at{};
    return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
  };
  bool arrived = false;
  for (int attempt = 0; attempt < 20 && !arrived; ++attempt) {
    INPUT move = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    SendInput(1, &move, sizeof move);
    if (!waitUntil(isThere, 100ms)) continue;
    const auto since = std::chrono::steady_clock::now();
    const bool left = waitUntil([&] { return !isThere(); }, 60ms);
    arrived = !left && std::chrono::steady_clock::now() - since >= 60ms;
  }
  if (!arrived) abortCase(format("pointer did not reach (%ld,%ld)", screen.x, screen.y));
  // The button events carry the position too, so that they cannot land where a late pointer
  // event from the X server put the cursor.
  for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    INPUT input = mouseInput(button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    if (SendInput(1, &input, sizeof input) != 1) abortCase("SendInput did not send the click");
  }
}

void clickControl(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

std::optional<POINT> findHitPoint(HWND window, LRESULT hit) {
  RECT r{};
  GetWindowRect(window, &r);
  // The caption bar and its buttons lie in the top 64 pixels of the window.
  LONG minX = LONG_MAX, minY = LONG_MAX, maxX = LONG_MIN, maxY = LONG_MIN;
  for (LONG y = r.top; y < std::min(r.bottom, r.top + 64); y += 2) {
    for (LONG x = r.left; x < r.right; x += 2) {
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000,
                               &result)) {
        return std::nullopt;
      }
      if (static_cast<LRESULT>(result) == hit) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
    }
  }
  if (minX > maxX) return std::nullopt;
  return POINT{(minX + maxX) / 2, (minY + maxY) / 2};
}

// ---------------------------------------------------------------------------------------------
// Files

std::wstring joinPath(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty() || folder.back() == L'\\') return folder + name;
  return folder + L"\\" + name;
}

void makeFolder(const std::wstring& path) {
  if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    abortCase("cannot create folder " + utf8(path));
  }
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) abortCase("cannot write " + utf8(path));
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) abortCase("cannot write " + utf8(path));
}

std::optional<std::string> readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool fileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void copyFileChecked(const std::wstring& from, const std::wstring& to) {
  // The target can be held for a moment by a process that is still ending.
  if (!waitUntil([&] { return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0; }, 5s)) {
    abortCase(format("cannot copy %s to %s (error %lu)", utf8(from).c_str(), utf8(to).c_str(),
                     GetLastError()));
  }
}

std::wstring systemFolder() {
  wchar_t path[MAX_PATH] = {};
  GetSystemDirectoryW(path, MAX_PATH);
  return path;
}

static void removeTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(joinPath(path, L"*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = joinPath(path, name);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

std::wstring freshFolder(const std::wstring& name) {
  const std::wstring path = joinPath(config().workDir, name);
  removeTree(path);
  makeFolder(path);
  return path;
}

void installSystemWinmm(const std::wstring& variant) {
  const std::wstring from = joinPath(joinPath(config().winmmDir, variant), L"winmm.dll");
  const std::wstring to = joinPath(systemFolder(), L"winmm.dll");
  const auto wanted = readFile(from);
  if (!wanted) abortCase("missing test library " + utf8(from));
  if (readFile(to) == wanted) return;
  copyFileChecked(from, to);
}

}  // namespace e2e
