// Painting of the separator lines.
#include "platform/win32/line_control.h"

#include "platform/win32/gdi_handles.h"

namespace pelmora::platform::win32 {

Line::Line(const LineArgs& args)
    : CustomControl({.parent = args.parent, .id = args.id, .bounds = args.bounds}),
      fill_(args.fill),
      border_(args.border) {}

void Line::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT rect{};
  GetClientRect(hwnd(), &rect);
  UniqueBrush fill(CreateSolidBrush(fill_));
  UniqueBrush border(CreateSolidBrush(border_));
  FillRect(dc, &rect, fill.get());
  FrameRect(dc, &rect, border.get());
  EndPaint(hwnd(), &ps);
}

}  // namespace pelmora::platform::win32
