#include "label_painter_win.h"

#include <memory>

namespace {

// Restores the device context's font when the painting is done.
class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;
  ~SelectedFont() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

void paintLabel(const DRAWITEMSTRUCT& item, ControlKind kind, const Text& caption, HFONT font) {
  RECT inside = item.rcItem;
  FillRect(item.hDC, &inside, GetSysColorBrush(COLOR_BTNFACE));
  if (caption.empty()) return;

  // GDI's "A" functions would use the system code page, not the process's, so the caption is
  // widened here with the process's ANSI code page and drawn with the wide function.
  const int length = static_cast<int>(caption.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, caption.c_str(), length, nullptr, 0);
  if (wideLength <= 0) return;
  auto wide = std::make_unique<wchar_t[]>(static_cast<std::size_t>(wideLength));
  MultiByteToWideChar(CP_ACP, 0, caption.c_str(), length, wide.get(), wideLength);

  const UINT layout = kind == ControlKind::MultiLineLabel ? DT_LEFT | DT_TOP | DT_WORDBREAK
                                                          : DT_LEFT | DT_SINGLELINE | DT_VCENTER;
  SelectedFont selected(item.hDC, font);
  SetTextColor(item.hDC, RGB(0, 0, 0));
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextW(item.hDC, wide.get(), wideLength, &inside, layout);
}
