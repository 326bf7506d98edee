// The form window's creation, messages and PanelWindow operations.
#include "platform/win32/form_window.h"
#include "platform/win32/handler_call.h"

#include <cstdlib>
#include <utility>

#include "form/layout.h"
#include "form/scaling.h"
#include "platform/win32/app_icon.h"
#include "platform/win32/dpi.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

namespace {
// Posted by the first show, so that the key comes after the caller's placing in the same turn.
constexpr UINT kKeyColour = WM_APP + 2;
}  // namespace

void snap_to_work_area(RECT& r, const RECT& work) {
  const LONG width = r.right - r.left;
  const LONG height = r.bottom - r.top;
  if (std::abs(r.left - work.left) < kSnapDistance) {
    r.left = work.left;
  } else if (std::abs(r.right - work.right) < kSnapDistance) {
    r.left = work.right - width;
  }
  if (std::abs(r.top - work.top) < kSnapDistance) {
    r.top = work.top;
  } else if (std::abs(r.bottom - work.bottom) < kSnapDistance) {
    r.top = work.bottom - height;
  }
  r.right = r.left + width;
  r.bottom = r.top + height;
}

FormWindow::FormWindow()
    // The owner stands in for the application's hidden window: it owns the form, carries no
    // caption of its own and is what gets attached to the chart.
    : owner_({.style = WS_POPUP}),
      form_({.caption = std::string(form::kFormSpec.caption),
             .parent = owner_.hwnd(),
             .bounds = form::kFormSpec.bounds,
             .style = WS_POPUP | WS_CLIPCHILDREN,
             .ex_style = WS_EX_LAYERED,
             .quit_on_destroy = true}),
      key_brush_(CreateSolidBrush(to_colorref(form::kFormSpec.colour))),
      icon_(make_app_icon()),
      dpi_(window_dpi(form_.hwnd())) {
  for (HWND window : {hwnd(), owner()}) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
  }
  form_.set_message_hook(
      [this](UINT m, WPARAM w, LPARAM l, LRESULT* r) { return on_message(m, w, l, r); });
  if (dpi_ != form::kBaseDpi) {
    const Bounds b = form::scale_bounds(form::kFormSpec.bounds, dpi_);
    SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The window moved to a monitor of another scale, or the user changed the scale. Once the
// handler has laid the controls out again, everything is drawn anew.
void FormWindow::change_scale(int new_dpi, const RECT& suggested) {
  const int old_dpi = dpi_;
  dpi_ = new_dpi > 0 ? new_dpi : window_dpi(hwnd());
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (dpi_ == old_dpi) return;
  call_handler(on_scale_change_, old_dpi, dpi_);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool FormWindow::tab_pressed(std::string_view control, bool backwards) {
  bool taken = false;
  if (on_tab_) call_reporting([&] { taken = on_tab_(control, backwards); });
  return taken;
}

bool FormWindow::key_pressed(KeyChord chord, bool repeat) {
  bool taken = false;
  if (on_key_) call_reporting([&] { taken = on_key_(chord, repeat); });
  return taken;
}

bool FormWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT rect{};
      GetClientRect(hwnd(), &rect);
      FillRect(reinterpret_cast<HDC>(wparam), &rect, key_brush_.get());
      *result = 1;
      return true;
    }
    case WM_WINDOWPOSCHANGED: {
      // Each show or resize gives the window a fresh surface; see key_outside_shape.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      if ((pos->flags & SWP_SHOWWINDOW) || !(pos->flags & SWP_NOSIZE)) key_outside_shape();
      return false;
    }
    case kKeyColour:
      key_colour();
      *result = 0;
      return true;
    case WM_ENDSESSION:
      // Told once the session really ends; the system may end the program right after this.
      if (wparam) call_handler(std::exchange(on_session_end_, {}));
      *result = 0;
      return true;
    case WM_DPICHANGED:
      change_scale(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      *result = 0;
      return true;
    case WM_MOVING: {
      // Only moves by the user snap; the program places the window exactly where it means to.
      auto* rect = reinterpret_cast<RECT*>(lparam);
      RECT work{};
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
      snap_to_work_area(*rect, work);
      *result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

std::string FormWindow::caption() const {
  return window_text(hwnd());
}

void FormWindow::set_caption(std::string_view caption) {
  set_window_text(hwnd(), caption);
}

ScreenRect FormWindow::rect() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

int FormWindow::client_width() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.right;
}

int FormWindow::client_height() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.bottom;
}

void FormWindow::shown_if(bool was_visible) {
  if (was_visible || !visible()) return;
  call_handler(on_show_);
}

// Every pixel in exactly the key colour is see-through, wherever it is drawn. Set once the window
// is in its place rather than at creation: under Wine the colour key gives the window a surface
// of its size then, and one made at the layout's size outlives the move over the chart (about
// 3 MB). A layered window without its attributes is not drawn, so nothing shows unkeyed.
void FormWindow::key_colour() {
  if (keyed_) return;
  keyed_ = SetLayeredWindowAttributes(hwnd(), to_colorref(form::kFormSpec.colour), 255,
                                      LWA_COLORKEY) != FALSE;
}

void FormWindow::set_visible(bool shown) {
  const bool was = visible();
  // Showing a shown window changes nothing, yet the system would redo the show's window-position
  // work (and our re-keying of the shape) at every following tick.
  if (shown == was) return;
  // The following tick shows the window, then places it over the chart.
  if (shown && !keyed_) PostMessageW(hwnd(), kKeyColour, 0, 0);
  ShowWindow(hwnd(), shown ? SW_SHOWNA : SW_HIDE);
  shown_if(was);
}

void FormWindow::set_left(int left) {
  const ScreenRect r = rect();
  SetWindowPos(hwnd(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::place_on_top(int left, int top, int width, int height) {
  const bool was = visible();
  SetWindowPos(hwnd(), HWND_TOP, left, top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  key_colour();  // once in its place and size
  shown_if(was);
}

void FormWindow::set_shape(const std::vector<Bounds>& rects) {
  ShowScrollBar(hwnd(), SB_BOTH, FALSE);
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd(), &window);
  GetClientRect(hwnd(), &client);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  // Frame offsets of the client area; both 0 for this borderless window.
  const int bx = (width - client.right) / 2;
  const int ty = height - client.bottom - bx;
  UniqueRegion shape(CreateRectRgn(0, 0, width, height));
  UniqueRegion inner(CreateRectRgn(bx, ty, bx + client.right, ty + client.bottom));
  CombineRgn(shape.get(), shape.get(), inner.get(), RGN_DIFF);
  for (const Bounds& b : rects) {
    UniqueRegion part(
        CreateRectRgn(b.left + bx, b.top + ty, b.left + bx + b.width, b.top + ty + b.height));
    CombineRgn(shape.get(), shape.get(), part.get(), RGN_OR);
  }
  // The system owns the region once it has taken it.
  if (SetWindowRgn(hwnd(), shape.get(), TRUE)) shape.release();
  key_outside_shape();
}

// Wine shapes a colour-keyed window from its pixels, and that shape replaces the one from the
// window region; the pixels outside the region are never painted (painting is clipped to it),
// so they stay black in a fresh surface and the whole window turns opaque. Lifting the region
// for a moment lets them be filled with the key colour. Windows itself needs none of this.
void FormWindow::key_outside_shape() {
  if (!visible()) return;
  UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(hwnd(), shape.get()) == ERROR) return;
  RECT window{};
  GetWindowRect(hwnd(), &window);
  UniqueRegion outside(CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top));
  CombineRgn(outside.get(), outside.get(), shape.get(), RGN_DIFF);
  SetWindowRgn(hwnd(), nullptr, FALSE);
  HDC dc = GetWindowDC(hwnd());
  FillRgn(dc, outside.get(), key_brush_.get());
  ReleaseDC(hwnd(), dc);
  if (SetWindowRgn(hwnd(), shape.get(), FALSE)) shape.release();
}

// Drawn on the screen itself: the form's own surface is cut to the panels, so an outline there
// would not show where the panel is going.
void FormWindow::draw_focus_rect(const Bounds& b) {
  POINT origin{0, 0};
  ClientToScreen(hwnd(), &origin);
  RECT r{origin.x + b.left, origin.y + b.top, origin.x + b.left + b.width,
         origin.y + b.top + b.height};
  HDC dc = GetDC(nullptr);
  DrawFocusRect(dc, &r);
  ReleaseDC(nullptr, dc);
}

void FormWindow::make_tool_window() {
  ShowWindow(owner(), SW_HIDE);
  ShowWindow(owner(), SW_HIDE);
  for (HWND window : {owner(), hwnd()}) {
    const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_TOOLWINDOW);
  }
}

void FormWindow::attach_owner_to(WindowRef chart_frame) {
  HWND owner_window = GetParent(hwnd());  // a top-level window's owner
  if (!owner_window) return;
  const LONG_PTR style = GetWindowLongPtrW(owner_window, GWL_STYLE);
  SetWindowLongPtrW(owner_window, GWL_STYLE,
                    style & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME));
  SetParent(owner_window, reinterpret_cast<HWND>(chart_frame));
  SetWindowPos(owner_window, nullptr, 0, 0, 0, 0, SWP_NOSIZE);
  ShowWindow(owner_window, SW_SHOW);
}

WindowRef FormWindow::owner_parent() const {
  const HWND parent = GetAncestor(owner(), GA_PARENT);
  return parent == GetDesktopWindow() ? kNoWindow : reinterpret_cast<WindowRef>(parent);
}

void FormWindow::post_key(int virtual_key) {
  PostMessageW(hwnd(), WM_KEYDOWN, static_cast<WPARAM>(virtual_key), 0);
  PostMessageW(hwnd(), WM_KEYUP, static_cast<WPARAM>(virtual_key), 0);
}

}  // namespace pelmora::platform::win32
