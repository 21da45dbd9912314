#include "main_window_win.h"

#include <array>
#include <memory>

#include "../soundcard/click_handlers.h"
#include "keyboard_rules.h"
#include "label_painter_win.h"
#include "main_window.h"
#include "resource.h"
#include "window_placement.h"

namespace {

constexpr char kClassName[] = "Quorvane.SoundCheck.MainWindow";
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle =
    WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
// Owner-drawn statics: screen readers see them as static text with the caption as name, while
// the drawing stays ours.
constexpr DWORD kLabelStyle = WS_CHILD | WS_BORDER | SS_OWNERDRAW;

struct ClickBinding {
  Control button;
  void (*handler)();
};
constexpr std::array<ClickBinding, 2> kClickBindings{{
    {Control::按钮1, onCheckPresenceClicked},
    {Control::按钮2, onShowInfoClicked},
}};

HFONT defaultGuiFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

class MainWindow {
 public:
  bool create(HINSTANCE instance);

  HWND handle() const { return window_; }
  HWND control(Control control) const { return controls_[indexOf(control)]; }
  std::optional<Control> controlOf(HWND window) const;
  CaptionStore& captions() { return captions_; }

  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool createControls(HINSTANCE instance);
  void onCommand(HWND sender, UINT notification);
  void onDrawItem(const DRAWITEMSTRUCT& item);
  void onCaptionChanged(Control control);

  HWND window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  CaptionStore captions_;
  HWND focusWhenDeactivated_ = nullptr;
};

// The open window; released when the system destroys it.
std::unique_ptr<MainWindow> mainWindow;

bool registerWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindow::windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool MainWindow::create(HINSTANCE instance) {
  if (!registerWindowClass(instance)) return false;

  const Point origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     kMainWindow.width, kMainWindow.height);
  window_ =
      CreateWindowExA(0, kClassName, kMainWindow.title, kWindowStyle, origin.x, origin.y,
                      kMainWindow.width, kMainWindow.height, nullptr, nullptr, instance, this);
  if (!window_) return false;

  RECT outer;
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != kMainWindow.width ||
      outer.bottom - outer.top != kMainWindow.height) {
    MoveWindow(window_, origin.x, origin.y, kMainWindow.width, kMainWindow.height, FALSE);
  }
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);

  if (!createControls(instance)) return false;
  captions_.setChangeListener(
      [](void* self, Control control) {
        static_cast<MainWindow*>(self)->onCaptionChanged(control);
      },
      this);

  for (HWND control : controls_) ShowWindow(control, SW_SHOWNA);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  return true;
}

bool MainWindow::createControls(HINSTANCE instance) {
  for (const ControlRow& row : kControlTable) {
    const bool button = row.kind == ControlKind::PushButton;
    HWND control = CreateWindowExA(
        0, button ? "BUTTON" : "STATIC", row.caption, button ? kButtonStyle : kLabelStyle, row.left,
        row.top, row.width, row.height, window_,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row.identifier)), instance, nullptr);
    if (!control) return false;
    controls_[indexOf(row.name)] = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
  }
  return true;
}

std::optional<Control> MainWindow::controlOf(HWND window) const {
  for (const ControlRow& row : kControlTable) {
    if (window && controls_[indexOf(row.name)] == window) return row.name;
  }
  return std::nullopt;
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (mainWindow.get() == self) mainWindow.reset();  // captions go with the window
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->onMessage(message, wParam, lParam);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // The low word of wParam holds only 16 bits of the 32-bit control identifiers, so the
      // sender is told by its window handle.
      if (lParam != 0) onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (controlOf(focus)) focusWhenDeactivated_ = focus;
      }
      break;  // the default handling focuses the window, which hands the focus on below
    case WM_SETFOCUS: {
      HWND target = focusWhenDeactivated_ ? focusWhenDeactivated_ : control(firstTabStop());
      SetFocus(target);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::onCommand(HWND sender, UINT notification) {
  if (notification != BN_CLICKED) return;
  for (const ClickBinding& binding : kClickBindings) {
    if (control(binding.button) == sender) binding.handler();
  }
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
  const std::optional<Control> label = controlOf(item.hwndItem);
  if (!label || !isLabel(*label)) return;
  paintLabel(item, rowOf(*label).kind, captions_.caption(*label), defaultGuiFont());
}

void MainWindow::onCaptionChanged(Control control) {
  HWND label = this->control(control);
  SetWindowTextA(label, captions_.caption(control).c_str());
  InvalidateRect(label, nullptr, FALSE);
}

}  // namespace

bool openMainWindow() {
  mainWindow = std::make_unique<MainWindow>();
  return mainWindow->create(GetModuleHandleA(nullptr));
}

CaptionStore& captions() {
  return mainWindow->captions();
}

HWND mainWindowHandle() {
  return mainWindow ? mainWindow->handle() : nullptr;
}

HWND controlHandle(Control control) {
  return mainWindow ? mainWindow->control(control) : nullptr;
}

std::optional<Control> controlOf(HWND window) {
  return mainWindow ? mainWindow->controlOf(window) : std::nullopt;
}
