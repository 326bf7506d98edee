// Drawing and mouse handling of the order buttons.
#include "platform/win32/image_button.h"
#include "platform/win32/handler_call.h"

#include "platform/win32/gdi_handles.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

std::array<ButtonPicture, 3> sell_pictures() {
  return {{{RGB(255, 94, 94), RGB(255, 2, 2), RGB(68, 68, 68)},
           {RGB(255, 129, 129), RGB(255, 2, 2), RGB(93, 93, 93)},
           {RGB(255, 83, 83), RGB(255, 2, 2), RGB(60, 60, 60)}}};
}

std::array<ButtonPicture, 3> buy_pictures() {
  return {{{RGB(119, 180, 127), RGB(6, 172, 37), RGB(68, 68, 68)},
           {RGB(144, 208, 153), RGB(7, 201, 45), RGB(82, 82, 82)},
           {RGB(105, 159, 112), RGB(5, 152, 33), RGB(60, 60, 60)}}};
}

ImageButton::ImageButton(const ImageButtonArgs& args)
    : CustomControl({.parent = args.parent,
                     .id = args.id,
                     .bounds = args.bounds,
                     .text = args.word,
                     .font = args.font},
                    args.font_at),
      pictures_(args.pictures),
      font_(args.font) {}

std::string ImageButton::text() const {
  return window_text(hwnd());
}

void ImageButton::set_text(std::string_view text) {
  set_window_text(hwnd(), text);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void ImageButton::repaint() {
  if (!visible()) return;
  ShowWindow(hwnd(), SW_HIDE);
  ShowWindow(hwnd(), SW_SHOWNA);
}

ButtonState ImageButton::state() const {
  if (pressed_ && hot_) return ButtonState::kPressed;
  if (hot_) return ButtonState::kFocused;
  return ButtonState::kNormal;
}

bool ImageButton::mouse_inside() const {
  POINT p{};
  GetCursorPos(&p);
  return WindowFromPoint(p) == hwnd();
}

bool ImageButton::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT*) {
  switch (message) {
    case WM_SETFONT:  // the word at another scale
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) InvalidateRect(hwnd(), nullptr, FALSE);
      return true;
    case WM_MOUSEMOVE: {
      RECT rect{};
      GetClientRect(hwnd(), &rect);
      const POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      const bool hot = PtInRect(&rect, p) != FALSE;
      if (hot != hot_) {
        hot_ = hot;
        InvalidateRect(hwnd(), nullptr, FALSE);
      }
      if (hot && !pressed_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
      }
      return true;
    }
    case WM_MOUSELEAVE:
      if (!pressed_) hot_ = false;
      InvalidateRect(hwnd(), nullptr, FALSE);
      return true;
    case WM_LBUTTONDOWN:
      pressed_ = hot_ = true;
      SetCapture(hwnd());
      InvalidateRect(hwnd(), nullptr, FALSE);
      return true;
    case WM_LBUTTONUP: {
      const bool click = pressed_ && hot_;
      pressed_ = false;
      if (GetCapture() == hwnd()) ReleaseCapture();
      hot_ = mouse_inside();
      InvalidateRect(hwnd(), nullptr, FALSE);
      if (click && enabled()) call_handler(on_click_);
      return true;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      InvalidateRect(hwnd(), nullptr, FALSE);
      return false;
    default:
      return false;
  }
}

void ImageButton::paint() {
  paint_buffered(hwnd(), [&](HDC dc, RECT& rect) {
    paint_parent_face(hwnd(), dc);  // behind the transparent corners
    const ButtonPicture& pic = pictures_[static_cast<size_t>(state())];
    // Drawn at the button's own size and scale, so the edges stay crisp at every scale.
    const form::PanelLook look = look_of(hwnd());
    const int corner = look.button_corner_diameter;
    UniqueRegion bar(CreateRoundRectRgn(0, 0, rect.right + 1, rect.bottom + 1, corner, corner));
    SelectClipRgn(dc, bar.get());
    const int last = rect.bottom > 1 ? rect.bottom - 1 : 1;
    for (int y = 0; y < rect.bottom; ++y) {
      UniqueBrush row(CreateSolidBrush(blend(pic.top, pic.bottom, y, last)));
      RECT line{0, y, rect.right, y + 1};
      FillRect(dc, &line, row.get());
    }
    SelectClipRgn(dc, nullptr);
    UniqueBrush border(CreateSolidBrush(pic.border));
    FrameRgn(dc, bar.get(), border.get(), look.button_border, look.button_border);
    Selected font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    const std::wstring word = to_wide(text());
    DrawTextW(dc, word.c_str(), static_cast<int>(word.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  });
}

}  // namespace pelmora::platform::win32
