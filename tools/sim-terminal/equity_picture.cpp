// Money maps to rows over the range of balance, equity and deposit; points to columns evenly.
// The PNG is drawn into a top-down 32-bit DIB and encoded by the practice core.
#include "equity_picture.h"

#include <algorithm>

#include "chart_style.h"
#include "platform/win32/wide.h"
#include "practice/number_text.h"
#include "practice/png_file.h"
#include "practice/summary.h"
#include "run_files.h"

namespace pelmora::sim_terminal {

namespace {

constexpr COLORREF kBalanceLine = RGB(70, 130, 240);
constexpr COLORREF kEquityLine = RGB(64, 190, 120);
constexpr COLORREF kLowLine = RGB(120, 70, 70);
constexpr int kLeft = 64, kRight = 8, kTop = 22, kBottom = 20;

std::wstring wide_money(double money) {
  return platform::win32::to_wide(practice::money_text(money));
}

}  // namespace

void paint_equity(HDC dc, const RECT& area, const std::vector<practice::CurvePoint>& points,
                  double deposit) {
  UniqueBrush background(CreateSolidBrush(kChartBackground));
  FillRect(dc, &area, background.get());
  Selected font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kChartText);
  paint_text(dc, area.left + kLeft, area.top + 4, L"Баланс и средства", TA_LEFT | TA_TOP);
  const RECT plot{area.left + kLeft, area.top + kTop, area.right - kRight, area.bottom - kBottom};
  if (points.empty() || plot.right - plot.left < 10 || plot.bottom - plot.top < 10) return;
  double low = deposit, high = deposit;
  for (const auto& p : points) {
    low = std::min({low, p.balance, p.lowest_equity});
    high = std::max({high, p.balance, p.equity});
  }
  const double pad = std::max((high - low) / 20, 0.01);
  low -= pad;
  high += pad;
  const auto y = [&](double money) {
    return plot.top + static_cast<int>((high - money) / (high - low) * (plot.bottom - plot.top));
  };
  const auto x = [&](std::size_t i) {
    const std::size_t last = std::max<std::size_t>(points.size() - 1, 1);
    return plot.left +
           static_cast<int>(i * static_cast<std::size_t>(plot.right - plot.left) / last);
  };
  UniquePen frame(CreatePen(PS_SOLID, 1, kChartGrid));
  {
    Selected pen(dc, frame.get());
    MoveToEx(dc, plot.left, plot.top, nullptr);
    LineTo(dc, plot.left, plot.bottom);
    LineTo(dc, plot.right, plot.bottom);
  }
  UniquePen dotted(CreatePen(PS_DOT, 1, kChartText));
  {
    Selected pen(dc, dotted.get());
    MoveToEx(dc, plot.left, y(deposit), nullptr);
    LineTo(dc, plot.right, y(deposit));
  }
  const auto polyline = [&](COLORREF colour, auto money) {
    UniquePen ink(CreatePen(PS_SOLID, 1, colour));
    Selected pen(dc, ink.get());
    MoveToEx(dc, x(0), y(money(points[0])), nullptr);
    for (std::size_t i = 1; i < points.size(); ++i) LineTo(dc, x(i), y(money(points[i])));
    if (points.size() == 1) LineTo(dc, plot.right, y(money(points[0])));
  };
  polyline(kLowLine, [](const practice::CurvePoint& p) { return p.lowest_equity; });
  polyline(kEquityLine, [](const practice::CurvePoint& p) { return p.equity; });
  polyline(kBalanceLine, [](const practice::CurvePoint& p) { return p.balance; });
  paint_text(dc, plot.left - 4, plot.top, wide_money(high - pad), TA_RIGHT | TA_TOP);
  paint_text(dc, plot.left - 4, plot.bottom - 14, wide_money(low + pad), TA_RIGHT | TA_TOP);
  const auto date = [](std::int64_t time) {
    return platform::win32::to_wide(practice::time_text(time).substr(0, 10));
  };
  paint_text(dc, plot.left, plot.bottom + 3, date(points.front().time), TA_LEFT | TA_TOP);
  paint_text(dc, plot.right, plot.bottom + 3, date(points.back().time), TA_RIGHT | TA_TOP);
  SetTextColor(dc, kBalanceLine);
  paint_text(dc, plot.right, area.top + 4, L"баланс", TA_RIGHT | TA_TOP);
  SetTextColor(dc, kEquityLine);
  paint_text(dc, plot.right - 52, area.top + 4, L"средства", TA_RIGHT | TA_TOP);
}

bool save_equity_png(const std::filesystem::path& file, int width, int height,
                     const std::vector<practice::CurvePoint>& points, double deposit,
                     std::wstring* error) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  platform::win32::UniqueDc dc(CreateCompatibleDC(nullptr));
  platform::win32::UniqueBitmap bitmap(
      CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc.get() || !bitmap.get() || !bits) {
    *error =
        L"no memory for a picture of " + std::to_wstring(width) + L"x" + std::to_wstring(height);
    return false;
  }
  {
    Selected selected(dc.get(), bitmap.get());
    paint_equity(dc.get(), RECT{0, 0, width, height}, points, deposit);
    GdiFlush();
  }
  // A DIB's pixels are 0x00RRGGBB already.
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  const std::vector<std::uint32_t> rgb(pixels, pixels + static_cast<std::size_t>(width) * height);
  return write_whole_file(file, practice::png_file(width, height, rgb), error);
}

}  // namespace pelmora::sim_terminal
