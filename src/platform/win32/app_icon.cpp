// Draws the icon with GDI into a 32-bit picture, then makes everything not drawn transparent.
#include "platform/win32/app_icon.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace pelmora::platform::win32 {

namespace {
constexpr COLORREF kBlank = RGB(255, 0, 255);  // never drawn: becomes transparent

void draw_gear(HDC dc, int cx, int cy, int outer, int inner, COLORREF colour) {
  constexpr int kTeeth = 8;
  constexpr double kPi = 3.14159265358979323846;
  std::vector<POINT> points;
  for (int i = 0; i < kTeeth * 4; ++i) {
    const double angle = 2 * kPi * i / (kTeeth * 4);
    const int r = (i % 4 < 2) ? outer : inner;
    points.push_back({cx + static_cast<int>(std::lround(r * std::cos(angle))),
                      cy + static_cast<int>(std::lround(r * std::sin(angle)))});
  }
  UniqueBrush fill(CreateSolidBrush(colour));
  UniquePen edge(CreatePen(PS_SOLID, 1, RGB(60, 60, 60)));
  {
    Selected b(dc, fill.get());
    Selected p(dc, edge.get());
    Polygon(dc, points.data(), static_cast<int>(points.size()));
    UniqueBrush hole(CreateSolidBrush(RGB(255, 255, 255)));
    Selected h(dc, hole.get());
    const int hr = inner / 2;
    Ellipse(dc, cx - hr, cy - hr, cx + hr + 1, cy + hr + 1);
  }
}

void draw_page(HDC dc) {
  UniqueBrush blank(CreateSolidBrush(kBlank));
  RECT all{0, 0, kIconSize, kIconSize};
  FillRect(dc, &all, blank.get());
  UniqueBrush paper(CreateSolidBrush(RGB(250, 250, 250)));
  UniquePen outline(CreatePen(PS_SOLID, 1, RGB(90, 90, 90)));
  {
    Selected b(dc, paper.get());
    Selected p(dc, outline.get());
    const POINT page[] = {{4, 1}, {20, 1}, {28, 9}, {28, 30}, {4, 30}};
    Polygon(dc, page, 5);
    UniqueBrush fold(CreateSolidBrush(RGB(205, 205, 205)));
    Selected f(dc, fold.get());
    const POINT corner[] = {{20, 1}, {20, 9}, {28, 9}};
    Polygon(dc, corner, 3);
  }
  draw_gear(dc, 12, 19, 8, 6, RGB(40, 170, 60));   // green
  draw_gear(dc, 21, 12, 6, 4, RGB(245, 140, 20));  // orange
}
}  // namespace

UniqueIcon make_app_icon() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kIconSize;
  info.bmiHeader.biHeight = -kIconSize;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueDc dc(CreateCompatibleDC(nullptr));
  UniqueBitmap colour(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour.get() || !bits) throw std::runtime_error("cannot create the icon picture");
  {
    Selected use(dc.get(), colour.get());
    draw_page(dc.get());
    GdiFlush();
  }
  // Alpha: opaque where drawn, transparent on the blank colour.
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < kIconSize * kIconSize; ++i) {
    const DWORD bgr = pixels[i] & 0x00FFFFFF;
    pixels[i] = bgr == 0x00FF00FF ? 0 : (bgr | 0xFF000000);
  }
  UniqueBitmap mask(CreateBitmap(kIconSize, kIconSize, 1, 1, nullptr));
  ICONINFO icon{TRUE, 0, 0, mask.get(), colour.get()};
  UniqueIcon made(CreateIconIndirect(&icon));
  if (!made.get()) throw std::runtime_error("cannot create the icon");
  return made;
}

}  // namespace pelmora::platform::win32
