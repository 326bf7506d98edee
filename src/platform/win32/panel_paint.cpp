// The panel face: gradient from the top colour to silver over the upper half, silver below,
// rounded corners (see-through outside them) and a grey border of the panel's width.
#include "platform/win32/panel_paint.h"

#include "form/scaling.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"

namespace pelmora::platform::win32 {

namespace {
constexpr wchar_t kBorderProperty[] = L"Pelmora.PanelBorder";

int channel(COLORREF c, int shift) {
  return static_cast<int>((c >> shift) & 0xFF);
}
}  // namespace

COLORREF blend(COLORREF from, COLORREF to, int step, int steps) {
  auto mix = [&](int shift) {
    return channel(from, shift) + (channel(to, shift) - channel(from, shift)) * step / steps;
  };
  return RGB(mix(0), mix(8), mix(16));
}

COLORREF panel_fill_at(int y, int height) {
  const form::PanelLook& look = form::kPanelLook;
  // The lower half is the mirror part, silver to silver.
  const int half = height / 2;
  if (y >= half || half <= 0) return to_colorref(look.fill_bottom);
  return blend(to_colorref(look.fill_top), to_colorref(look.fill_bottom), y, half);
}

form::PanelLook look_of(HWND hwnd) {
  return form::scaled_look(window_dpi(hwnd));
}

void paint_panel_face(HDC dc, int width, int height, int border_width, int corner_radius) {
  const form::PanelLook& look = form::kPanelLook;
  RECT all{0, 0, width, height};
  UniqueBrush key(CreateSolidBrush(to_colorref(form::kKeyColour)));
  FillRect(dc, &all, key.get());

  const int diameter = corner_radius * 2;
  UniqueRegion face(CreateRoundRectRgn(0, 0, width + 1, height + 1, diameter, diameter));
  // A clipping region is in device units: follow the caller's viewport origin.
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  UniqueRegion clip(CreateRoundRectRgn(0, 0, width + 1, height + 1, diameter, diameter));
  OffsetRgn(clip.get(), origin.x, origin.y);
  SelectClipRgn(dc, clip.get());
  for (int y = 0; y < height; ++y) {
    UniqueBrush row(CreateSolidBrush(panel_fill_at(y, height)));
    RECT line{0, y, width, y + 1};
    FillRect(dc, &line, row.get());
  }
  SelectClipRgn(dc, nullptr);
  UniqueBrush border(CreateSolidBrush(to_colorref(look.border)));
  FrameRgn(dc, face.get(), border.get(), border_width, border_width);
}

void mark_panel(HWND panel, int border_width) {
  SetPropW(panel, kBorderProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(border_width)));
}

void paint_parent_face(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  RECT parent_rect{};
  GetClientRect(parent, &parent_rect);
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  const auto border = reinterpret_cast<INT_PTR>(GetPropW(parent, kBorderProperty));
  if (border == 0) {
    RECT rect{};
    GetClientRect(child, &rect);
    UniqueBrush key(CreateSolidBrush(to_colorref(form::kKeyColour)));
    FillRect(dc, &rect, key.get());
    return;
  }
  POINT previous{};
  SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  paint_panel_face(dc, parent_rect.right, parent_rect.bottom, static_cast<int>(border),
                   look_of(parent).corner_radius);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

BufferedPaint::BufferedPaint(HDC target, int width, int height)
    : target_(target),
      width_(width),
      height_(height),
      memory_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)) {
  previous_ = SelectObject(memory_.get(), bitmap_.get());
}

BufferedPaint::~BufferedPaint() {
  BitBlt(target_, 0, 0, width_, height_, memory_.get(), 0, 0, SRCCOPY);
  SelectObject(memory_.get(), previous_);
}

}  // namespace pelmora::platform::win32
