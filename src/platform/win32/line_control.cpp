// Painting of the separator lines.
#include "platform/win32/line_control.h"

#include "platform/win32/gdi_handles.h"

namespace pelmora::platform::win32 {

Line::Line(const LineArgs& args)
    : CustomControl({.parent = args.parent, .id = args.id, .bounds = args.bounds}),
      fill_(args.fill),
      border_(args.border) {}

bool Line::on_message(UINT message, WPARAM, LPARAM, LRESULT* result) {
  if (message == WM_ERASEBKGND) {
    *result = 1;
    return true;
  }
  if (message != WM_PAINT) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT rect{};
  GetClientRect(hwnd(), &rect);
  UniqueBrush fill(CreateSolidBrush(fill_));
  UniqueBrush border(CreateSolidBrush(border_));
  FillRect(dc, &rect, fill.get());
  FrameRect(dc, &rect, border.get());
  EndPaint(hwnd(), &ps);
  return true;
}

}  // namespace pelmora::platform::win32
