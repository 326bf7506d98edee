// Painting and mouse of the labels.
#include "platform/win32/label_control.h"

#include <algorithm>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

Label::Label(const LabelArgs& args)
    : CustomControl({.parent = args.parent,
                     .id = args.id,
                     .bounds = args.bounds,
                     .text = args.caption,
                     .font = args.font},
                    args.font_at),
      font_(args.font),
      design_width_(args.bounds.width),
      colour_(args.colour),
      hand_cursor_(args.hand_cursor) {
  // Text does not grow in step with the scale (hinting rounds each glyph), so a caption that
  // fits at 96 dots per inch may not at another scale.
  fit_width();
}

std::string Label::text() const {
  return window_text(hwnd());
}

void Label::set_text(std::string_view text) {
  set_window_text(hwnd(), text);
  fit_width();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::rescale(const Bounds& b, int dpi) {
  if (font_at()) font_ = font_at()(dpi);
  design_width_ = b.width;
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  fit_width();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::fit_width() {
  const std::wstring caption = to_wide(text());
  RECT needed{};
  HDC dc = GetDC(hwnd());
  {
    Selected font(dc, font_);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &needed,
              DT_LEFT | DT_TOP | DT_NOPREFIX | DT_CALCRECT);
  }
  ReleaseDC(hwnd(), dc);
  const int width = std::max<int>(design_width_, needed.right - needed.left);
  if (width == bounds().width) return;
  SetWindowPos(hwnd(), nullptr, 0, 0, width, bounds().height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The panel face behind the old width is the label's to repaint no more.
  InvalidateRect(GetParent(hwnd()), nullptr, FALSE);
}

bool Label::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_SETCURSOR:
      if (!hand_cursor_) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      *result = TRUE;
      return true;
    default:
      mouse_.relay(hwnd(), message, wparam, lparam);
      return false;
  }
}

void Label::paint() {
  paint_buffered(hwnd(), [&](HDC dc, RECT& rect) {
    paint_parent_face(hwnd(), dc);
    Selected font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    const std::wstring caption = to_wide(text());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
  });
}

}  // namespace pelmora::platform::win32
