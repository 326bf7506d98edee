// Still chart drawing with plain GDI; everything created here is released by the end of it.
#include "chart_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "handles.h"

namespace pelmora::sim_terminal {

namespace {

constexpr COLORREF kBackground = RGB(18, 20, 26);
constexpr COLORREF kGrid = RGB(44, 48, 58);
constexpr COLORREF kText = RGB(170, 176, 190);
constexpr COLORREF kUp = RGB(64, 190, 120);
constexpr COLORREF kDown = RGB(220, 80, 80);
constexpr int kCandleStep = 9;
constexpr int kCloseUpCandleStep = 18;
constexpr int kGridStep = 64;

struct Candle {
  double open, high, low, close;
};

// A small deterministic random walk: enough to look like a market, nothing more.
std::vector<Candle> walk(unsigned seed, int count) {
  std::vector<Candle> candles;
  unsigned state = seed * 2654435761u + 1u;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / static_cast<double>(1u << 24) - 0.5;
  };
  double price = 100.0;
  for (int i = 0; i < count; ++i) {
    const double open = price;
    price += next() * 2.0;
    const double high = std::max(open, price) + std::abs(next()) * 1.2;
    const double low = std::min(open, price) - std::abs(next()) * 1.2;
    candles.push_back({open, high, low, price});
  }
  return candles;
}

void paint_grid(HDC dc, const RECT& client) {
  UniquePen pen(CreatePen(PS_DOT, 1, kGrid));
  Selected selected(dc, pen.get());
  for (int x = client.left + kGridStep; x < client.right; x += kGridStep) {
    MoveToEx(dc, x, client.top, nullptr);
    LineTo(dc, x, client.bottom);
  }
  for (int y = client.top + kGridStep; y < client.bottom; y += kGridStep) {
    MoveToEx(dc, client.left, y, nullptr);
    LineTo(dc, client.right, y);
  }
}

void paint_candles(HDC dc, const RECT& client, unsigned seed, int step) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const int count = std::max(0, (width - 60) / step);
  if (count == 0 || height < 40) return;
  const auto candles = walk(seed, count);
  double low = candles.front().low, high = candles.front().high;
  for (const Candle& c : candles) {
    low = std::min(low, c.low);
    high = std::max(high, c.high);
  }
  const double span = std::max(high - low, 1e-9);
  const int top = client.top + 30, usable = height - 50;
  auto y_of = [&](double price) { return top + static_cast<int>((high - price) / span * usable); };
  UniquePen up_pen(CreatePen(PS_SOLID, 1, kUp)), down_pen(CreatePen(PS_SOLID, 1, kDown));
  UniqueBrush up_brush(CreateSolidBrush(kUp)), down_brush(CreateSolidBrush(kDown));
  for (int i = 0; i < count; ++i) {
    const Candle& c = candles[static_cast<size_t>(i)];
    const bool rising = c.close >= c.open;
    Selected pen(dc, rising ? up_pen.get() : down_pen.get());
    const int x = client.left + 10 + i * step;
    const int body_width = step - 2;
    MoveToEx(dc, x + body_width / 2, y_of(c.high), nullptr);
    LineTo(dc, x + body_width / 2, y_of(c.low) + 1);
    RECT body{x, y_of(std::max(c.open, c.close)), x + body_width,
              y_of(std::min(c.open, c.close)) + 1};
    FillRect(dc, &body, rising ? up_brush.get() : down_brush.get());
  }
}

void paint_text(HDC dc, int x, int y, std::wstring_view text, UINT align) {
  SetTextAlign(dc, align);
  TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

}  // namespace

void paint_chart(HDC dc, const RECT& client, const ChartLook& look) {
  UniqueBrush background(CreateSolidBrush(kBackground));
  FillRect(dc, &client, background.get());
  paint_grid(dc, client);
  paint_candles(dc, client, look.seed, look.close_up ? kCloseUpCandleStep : kCandleStep);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kText);
  Selected font(dc, GetStockObject(DEFAULT_GUI_FONT));
  paint_text(dc, client.left + 8, client.top + 6, look.title, TA_LEFT | TA_TOP);
  // On the right, clear of the panel, which lies over the chart's top-left corner.
  paint_text(dc, client.right - 8, client.top + 6, look.note, TA_RIGHT | TA_TOP);
  if (look.close_up) {
    paint_text(dc, client.right - 8, client.top + 24, L"F11: крупный план", TA_RIGHT | TA_TOP);
  }
}

}  // namespace pelmora::sim_terminal
