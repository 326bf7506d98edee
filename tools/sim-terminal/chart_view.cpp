// Chart drawing with plain GDI: the frame of every chart, and the still candles of a chart that
// does not replay; everything created here is released by the end of it.
#include "chart_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart_style.h"
#include "handles.h"
#include "replay_view.h"

namespace pelmora::sim_terminal {

namespace {

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
  UniquePen pen(CreatePen(PS_DOT, 1, kChartGrid));
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
  const CandleInk ink;
  for (int i = 0; i < count; ++i) {
    const Candle& c = candles[static_cast<size_t>(i)];
    ink.draw(dc, client.left + 10 + i * step, step, y_of(c.open), y_of(c.high), y_of(c.low),
             y_of(c.close));
  }
}

}  // namespace

int chart_step(const ChartLook& look) {
  if (!look.replay) return look.close_up ? kCloseUpCandleStep : kCandleStep;
  return look.place.step() * (look.close_up ? 2 : 1);
}

void paint_chart(HDC dc, const RECT& client, const ChartLook& look) {
  UniqueBrush background(CreateSolidBrush(kChartBackground));
  FillRect(dc, &client, background.get());
  paint_grid(dc, client);
  Selected font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  if (look.replay) {
    paint_replay(dc, client, *look.replay, look.place, chart_step(look));
  } else {
    paint_candles(dc, client, look.seed, chart_step(look));
  }
  SetTextColor(dc, kChartText);
  paint_text(dc, client.left + 8, client.top + 6, look.title, TA_LEFT | TA_TOP);
  // On the right, clear of the panel, which lies over the chart's top-left corner.
  paint_text(dc, client.right - 8, client.top + 6, look.note, TA_RIGHT | TA_TOP);
  if (look.close_up) {
    paint_text(dc, client.right - 8, client.top + 24, L"F11: крупный план", TA_RIGHT | TA_TOP);
  }
}

}  // namespace pelmora::sim_terminal
