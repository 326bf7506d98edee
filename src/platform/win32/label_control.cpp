// Painting and mouse of the labels.
#include "platform/win32/label_control.h"

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
                     .font = args.font}),
      font_(args.font),
      colour_(args.colour),
      hand_cursor_(args.hand_cursor) {}

std::string Label::text() const {
  return window_text(hwnd());
}

void Label::set_text(std::string_view text) {
  set_window_text(hwnd(), text);
  InvalidateRect(hwnd(), nullptr, FALSE);
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
