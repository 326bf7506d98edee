// The slider wrapper and its frame-drawing window procedure.
#include "platform/win32/slider.h"
#include "platform/win32/handler_call.h"

#include <commctrl.h>

#include <algorithm>

#include "form/scaling.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/notify_target.h"

namespace pelmora::platform::win32 {

namespace {
constexpr COLORREF kFrameColour = 12632256;  // silver, the lower colour of the panel
}

LRESULT CALLBACK slider_frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_KEYDOWN) {
    if (auto* slider = dynamic_cast<Slider*>(notify_target_of(hwnd))) slider->key_down();
  }
  const LRESULT result = previous ? CallWindowProcW(previous, hwnd, message, wparam, lparam)
                                  : DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_PAINT) {
    // The system's border width, taken as a 96-dpi figure and scaled to the slider's monitor.
    const int width = form::scale(GetSystemMetrics(SM_CXBORDER), window_dpi(hwnd));
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    HDC dc = GetWindowDC(hwnd);
    UniquePen pen(CreatePen(PS_INSIDEFRAME, width, kFrameColour));
    {
      Selected use_pen(dc, pen.get());
      Selected use_brush(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    }
    ReleaseDC(hwnd, dc);
  }
  return result;
}

void install_frame_proc(HWND slider) {
  const LONG_PTR previous =
      SetWindowLongPtrW(slider, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&slider_frame_proc));
  SetWindowLongPtrW(slider, GWLP_USERDATA, previous);
}

Slider::Slider(const SliderArgs& args)
    : ChildControl(create_child({.window_class = TRACKBAR_CLASSW,
                                 .style = WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_FIXEDLENGTH,
                                 .parent = args.parent,
                                 .id = args.id,
                                 .bounds = args.bounds})),
      min_(args.min),
      max_(args.max),
      thumb_length_(args.thumb_length),
      last_position_(args.position) {
  SendMessageW(hwnd(), TBM_SETRANGE, FALSE, MAKELPARAM(args.min, args.max));
  SendMessageW(hwnd(), TBM_SETTHUMBLENGTH,
               static_cast<WPARAM>(form::scale(thumb_length_, args.dpi)), 0);
  SendMessageW(hwnd(), TBM_SETPOS, TRUE, args.position);
  install_frame_proc(hwnd());
}

void Slider::rescale(const Bounds& bounds, int dpi) {
  ChildControl::rescale(bounds, dpi);
  SendMessageW(hwnd(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(form::scale(thumb_length_, dpi)), 0);
}

int Slider::position() const {
  return static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0));
}

void Slider::set_position(int position) {
  position = std::clamp(position, min_, max_);
  SendMessageW(hwnd(), TBM_SETPOS, TRUE, position);
  notice_position();
}

void Slider::set_hint(std::string_view hint) {
  if (hint_sink_) hint_sink_(hwnd(), hint);
}

void Slider::key_down() {
  call_handler(on_key_down_);
}

void Slider::on_scroll(WORD) {
  notice_position();
}

// The change event runs once per real change, whoever moved the thumb.
void Slider::notice_position() {
  const int now = position();
  if (now == last_position_) return;
  last_position_ = now;
  call_handler(on_change_);
}

}  // namespace pelmora::platform::win32
