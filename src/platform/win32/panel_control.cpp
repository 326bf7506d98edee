// Painting, mouse and shortcut menu of the panels.
#include "platform/win32/panel_control.h"
#include "platform/win32/handler_call.h"

#include <windowsx.h>

#include "form/scaling.h"
#include "platform/win32/child_window.h"
#include "platform/win32/panel_paint.h"

namespace pelmora::platform::win32 {

PanelControl::PanelControl(const PanelArgs& args)
    : host_({.parent = args.parent,
             .id = args.id,
             .bounds = args.bounds,
             .style =
                 static_cast<DWORD>(WS_CHILD | WS_CLIPCHILDREN | (args.visible ? WS_VISIBLE : 0))}),
      design_border_width_(args.border_width),
      border_width_(form::scale(args.border_width, args.dpi)),
      silver_(CreateSolidBrush(to_colorref(form::kPanelLook.fill_bottom))) {
  mark_panel(hwnd(), border_width_);
  host_.set_message_hook(
      [this](UINT m, WPARAM w, LPARAM l, LRESULT* r) { return on_message(m, w, l, r); });
}

bool PanelControl::visible() const {
  return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

Bounds PanelControl::bounds() const {
  return child_bounds(hwnd());
}

void PanelControl::set_position(int left, int top) {
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PanelControl::rescale(const Bounds& b, int dpi) {
  border_width_ = form::scale(design_border_width_, dpi);
  mark_panel(hwnd(), border_width_);
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void PanelControl::paint_face(HDC dc) {
  RECT rect{};
  GetClientRect(hwnd(), &rect);
  paint_panel_face(dc, rect.right, rect.bottom, border_width_, look_of(hwnd()).corner_radius);
}

bool PanelControl::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT rect{};
      GetClientRect(hwnd(), &rect);
      BufferedPaint buffer(reinterpret_cast<HDC>(wparam), rect.right, rect.bottom);
      paint_face(buffer.dc());
      *result = 1;
      return true;
    }
    case WM_PRINTCLIENT:
      paint_face(reinterpret_cast<HDC>(wparam));
      return true;
    // The slider, the buttons' corners and read-only texts sit on the silver lower part.
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wparam), to_colorref(form::kPanelLook.fill_bottom));
      *result = reinterpret_cast<LRESULT>(silver_.get());
      return true;
    case WM_WINDOWPOSCHANGED:
      if (!(reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_NOMOVE)) call_handler(on_move_);
      return false;
    case WM_CONTEXTMENU: {
      if (!on_menu_) return false;
      POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (p.x == -1 && p.y == -1) GetCursorPos(&p);  // from the keyboard
      call_handler(on_menu_, p.x, p.y);
      return true;
    }
    default:
      mouse_.relay(hwnd(), message, wparam, lparam);
      return false;
  }
}

}  // namespace pelmora::platform::win32
