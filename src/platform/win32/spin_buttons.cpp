// Drawing, mouse timing and keys of the spin-button pairs.
#include "platform/win32/spin_buttons.h"
#include "platform/win32/handler_call.h"

#include <windowsx.h>

#include "platform/win32/panel_paint.h"

namespace pelmora::platform::win32 {

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
}

SpinButtons::SpinButtons(const SpinButtonsArgs& args)
    : CustomControl(
          {.style = WS_TABSTOP, .parent = args.parent, .id = args.id, .bounds = args.bounds}),
      background_(args.background) {}

SpinButtons::Half SpinButtons::half_at(int x, int y) const {
  RECT rect{};
  GetClientRect(hwnd(), &rect);
  if (x < 0 || y < 0 || x >= rect.right || y >= rect.bottom) return Half::kNone;
  return x < rect.right / 2 ? Half::kDown : Half::kUp;
}

void SpinButtons::step(Half half) {
  const Handler& handler = half == Half::kUp ? on_up_ : on_down_;
  if (!handler || !enabled()) return;
  call_handler(handler);
}

void SpinButtons::press(Half half) {
  pressed_ = hover_ = half;
  repeating_ = false;
  SetCapture(hwnd());
  SetTimer(hwnd(), kRepeatTimer, kFirstRepeatMs, nullptr);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void SpinButtons::release(int x, int y) {
  KillTimer(hwnd(), kRepeatTimer);
  const Half half = pressed_;
  const bool click = !repeating_ && half != Half::kNone && half_at(x, y) == half;
  pressed_ = Half::kNone;
  if (GetCapture() == hwnd()) ReleaseCapture();
  InvalidateRect(hwnd(), nullptr, FALSE);
  if (click) step(half);
}

bool SpinButtons::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      press(half_at(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)));
      return true;
    case WM_MOUSEMOVE:
      if (pressed_ != Half::kNone) {
        const Half now = half_at(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
        if (now != hover_) InvalidateRect(hwnd(), nullptr, FALSE);
        hover_ = now;
      }
      return true;
    case WM_LBUTTONUP:
      release(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return true;
    case WM_CAPTURECHANGED:
      if (pressed_ != Half::kNone && reinterpret_cast<HWND>(lparam) != hwnd()) {
        KillTimer(hwnd(), kRepeatTimer);
        pressed_ = Half::kNone;
        InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return false;
    case WM_TIMER:
      if (wparam != kRepeatTimer) return false;
      if (!repeating_) SetTimer(hwnd(), kRepeatTimer, kRepeatMs, nullptr);
      repeating_ = true;
      if (pressed_ != Half::kNone && hover_ == pressed_) step(pressed_);
      return true;
    case WM_GETDLGCODE:
      *result = DLGC_WANTARROWS;
      return true;
    case WM_KEYDOWN:
      if (wparam == VK_UP || wparam == VK_RIGHT)
        step(Half::kUp);
      else if (wparam == VK_DOWN || wparam == VK_LEFT)
        step(Half::kDown);
      else
        return false;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return false;
    default:
      return false;
  }
}

void SpinButtons::paint() {
  paint_buffered(hwnd(), [&](HDC dc, RECT& rect) {
    UniqueBrush back(CreateSolidBrush(background_));
    FillRect(dc, &rect, back.get());
    const int mid = rect.right / 2;
    // A rim of the background stays around the two faces.
    const form::PanelLook look = look_of(hwnd());
    const int rim = look.spin_rim;
    RECT down{rim, rim, mid, rect.bottom - rim};
    RECT up{mid, rim, rect.right - rim, rect.bottom - rim};
    const bool down_pushed = pressed_ == Half::kDown && hover_ == Half::kDown;
    const bool up_pushed = pressed_ == Half::kUp && hover_ == Half::kUp;
    const UINT off = enabled() ? 0 : DFCS_INACTIVE;
    DrawFrameControl(dc, &down, DFC_SCROLL,
                     DFCS_SCROLLLEFT | off | (down_pushed ? DFCS_PUSHED : 0));
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLRIGHT | off | (up_pushed ? DFCS_PUSHED : 0));
    if (GetFocus() == hwnd()) {
      RECT focus = rect;
      InflateRect(&focus, -look.spin_focus_inset, -look.spin_focus_inset);
      DrawFocusRect(dc, &focus);
    }
  });
}

}  // namespace pelmora::platform::win32
