// How a panel looks: the rounded face with its vertical gradient and grey border, outside the
// corners the form's see-through key colour. Children that are transparent (labels, the image
// buttons' corners) paint the part of the face behind them first.
#pragma once

#include <windows.h>

#include "form/layout.h"
#include "platform/win32/gdi_handles.h"

namespace pelmora::platform::win32 {

// Paints a whole panel face of that size into `dc` at its origin; the border width and the
// corner radius are pixels at the panel's scale.
void paint_panel_face(HDC dc, int width, int height, int border_width, int corner_radius);

// The face's fill colour at row y (without corners and border).
COLORREF panel_fill_at(int y, int height);

// Marks `panel` as a panel with that border (pixels at its scale), for paint_parent_face.
void mark_panel(HWND panel, int border_width);

// The panels' corner radius, the order buttons' corners and the like at `hwnd`'s scale.
form::PanelLook look_of(HWND hwnd);

// Paints, into a child's DC, the part of its parent panel's face that lies behind the child.
// A child whose parent is not a panel gets the form's key colour.
void paint_parent_face(HWND child, HDC dc);

inline COLORREF to_colorref(form::Colour c) {
  return static_cast<COLORREF>(c);
}

// The colour `step` of `steps` along the way from `from` to `to`.
COLORREF blend(COLORREF from, COLORREF to, int step, int steps);

// Runs a WM_PAINT: `draw(dc, client_rect)` paints the whole client area off screen, which is
// then copied to the window in one go.
template <typename Draw>
void paint_buffered(HWND hwnd, Draw draw) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd, &ps);
  RECT rect{};
  GetClientRect(hwnd, &rect);
  {
    BufferedPaint buffer(target, rect.right, rect.bottom);
    draw(buffer.dc(), rect);
  }
  EndPaint(hwnd, &ps);
}

}  // namespace pelmora::platform::win32
