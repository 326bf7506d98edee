// Prices are whole points, so the vertical scale maps integers; the levels of the open orders
// are always kept in view, so that an order's stop-loss and take-profit can be seen.
#include "replay_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "chart_style.h"
#include "platform/win32/wide.h"
#include "practice/tester.h"

namespace pelmora::sim_terminal {

namespace {

using practice::Bar;
using practice::Price;

constexpr int kScaleWidth = 66;  // the price scale at the right edge
constexpr int kTopMargin = 44;   // below the title, the note and the close-up mark
constexpr int kBottomMargin = 16;
constexpr int kLabelGap = 34;  // least pixels between two scale labels
constexpr COLORREF kBidLine = RGB(150, 156, 170);
constexpr COLORREF kAskLine = RGB(190, 70, 70);
constexpr COLORREF kOrderLine = RGB(70, 130, 240);
constexpr COLORREF kStopLossLine = RGB(230, 60, 60);
constexpr COLORREF kTakeProfitLine = RGB(60, 200, 90);
constexpr COLORREF kLabelText = RGB(235, 238, 245);

std::wstring price_wide(Price price, int digits) {
  return platform::win32::to_wide(practice::price_text(price, digits));
}

// Price to y over the plot's rows: the high at the top.
struct Scale {
  Price low = 0, high = 1;
  int top = 0, bottom = 1;
  int y(Price price) const {
    const double share = static_cast<double>(high - price) / static_cast<double>(high - low);
    return top + static_cast<int>(share * (bottom - top));
  }
};

std::vector<Bar> visible_bars(const practice::Replay& replay, size_t room) {
  std::vector<Bar> bars;
  const auto& all = replay.history().bars;
  const auto forming = replay.forming_bar();
  const size_t completed = std::min(replay.completed_bars(), all.size());
  const size_t from_history = forming ? std::min(completed, room - 1) : std::min(completed, room);
  bars.assign(all.begin() + static_cast<std::ptrdiff_t>(completed - from_history),
              all.begin() + static_cast<std::ptrdiff_t>(completed));
  if (forming) bars.push_back(*forming);
  return bars;
}

Scale fit(const std::vector<Bar>& bars, const practice::Tester& tester, int top, int bottom) {
  Price low = bars.front().low, high = bars.front().high;
  auto take = [&](Price price) {
    if (price == 0) return;  // a level that is not set
    low = std::min(low, price);
    high = std::max(high, price);
  };
  for (const Bar& bar : bars) {
    take(bar.low);
    take(bar.high);
  }
  if (const auto quote = tester.quote()) take(quote->ask);
  for (const auto& order : tester.book().open_orders()) {
    take(order.open_price);
    take(order.stop_loss);
    take(order.take_profit);
  }
  const Price pad = std::max<Price>(2, (high - low) / 20);
  return {low - pad, high + pad, top, bottom};
}

// Labels at round multiples of 1, 2 or 5 times a power of ten points.
void paint_price_scale(HDC dc, const RECT& plot, const Scale& scale, int digits) {
  const Price span = scale.high - scale.low;
  const int rows = std::max(1, (scale.bottom - scale.top) / kLabelGap);
  Price step = 1;
  for (Price power = 1; step * rows < span; power *= 10) {
    for (Price factor : {1, 2, 5}) {
      step = factor * power;
      if (step * rows >= span) break;
    }
  }
  UniquePen pen(CreatePen(PS_SOLID, 1, kChartGrid));
  Selected selected(dc, pen.get());
  MoveToEx(dc, plot.right, plot.top - kTopMargin, nullptr);
  LineTo(dc, plot.right, plot.bottom + kBottomMargin);
  SetTextColor(dc, kChartText);
  for (Price price = (scale.low / step + 1) * step; price < scale.high; price += step) {
    const int y = scale.y(price);
    MoveToEx(dc, plot.right, y, nullptr);
    LineTo(dc, plot.right + 4, y);
    paint_text(dc, plot.right + 6, y - 7, price_wide(price, digits), TA_LEFT | TA_TOP);
  }
}

// A level across the plot with its label above it at the right, and its price tagged on the
// scale (none when `price` is empty).
void paint_level(HDC dc, const RECT& plot, int y, COLORREF colour, int style,
                 const std::wstring& label, const std::wstring& price) {
  UniquePen pen(CreatePen(style, 1, colour));
  Selected selected(dc, pen.get());
  MoveToEx(dc, plot.left, y, nullptr);
  LineTo(dc, plot.right, y);
  if (!label.empty()) {
    // On the chart's background, so that candles behind it do not garble it.
    SetTextColor(dc, colour);
    SetBkColor(dc, kChartBackground);
    SetBkMode(dc, OPAQUE);
    paint_text(dc, plot.right - 4, y - 14, label, TA_RIGHT | TA_TOP);
    SetBkMode(dc, TRANSPARENT);
  }
  if (price.empty()) return;
  UniqueBrush box(CreateSolidBrush(colour));
  RECT tag{plot.right + 1, y - 7, plot.right + kScaleWidth, y + 7};
  FillRect(dc, &tag, box.get());
  SetTextColor(dc, kLabelText);
  paint_text(dc, plot.right + 6, y - 7, price, TA_LEFT | TA_TOP);
}

void paint_orders(HDC dc, const RECT& plot, const Scale& scale, const practice::Tester& tester) {
  const int digits = tester.instrument().digits;
  auto price = [digits](Price p) { return price_wide(p, digits); };
  for (const auto& order : tester.book().open_orders()) {
    const std::wstring name = L"#" + std::to_wstring(order.ticket) + L" " +
                              platform::win32::to_wide(practice::side_text(order.side)) + L" " +
                              platform::win32::to_wide(practice::lots_text(order.lots));
    paint_level(dc, plot, scale.y(order.open_price), kOrderLine, PS_DASH, name,
                price(order.open_price));
    if (order.stop_loss) {
      paint_level(dc, plot, scale.y(order.stop_loss), kStopLossLine, PS_DASH, L"SL",
                  price(order.stop_loss));
    }
    if (order.take_profit) {
      paint_level(dc, plot, scale.y(order.take_profit), kTakeProfitLine, PS_DASH, L"TP",
                  price(order.take_profit));
    }
  }
}

}  // namespace

void paint_replay(HDC dc, const RECT& client, const practice::Tester& tester, int step) {
  const RECT plot{client.left + 4, client.top + kTopMargin, client.right - kScaleWidth,
                  client.bottom - kBottomMargin};
  const int room = (plot.right - plot.left - 6) / step;
  const auto quote = tester.quote();
  if (room < 1 || plot.bottom - plot.top < 20 || !quote) return;
  const auto bars = visible_bars(tester.replay(), static_cast<size_t>(room));
  if (bars.empty()) return;
  const Scale scale = fit(bars, tester, plot.top, plot.bottom);
  const int digits = tester.instrument().digits;
  paint_price_scale(dc, plot, scale, digits);
  const CandleInk ink;
  // The newest candle ends at the plot's right edge.
  int x = plot.right - 2 - static_cast<int>(bars.size() + 1) * step;
  for (const Bar& bar : bars) {
    x += step;
    ink.draw(dc, x, step, scale.y(bar.open), scale.y(bar.high), scale.y(bar.low),
             scale.y(bar.close));
  }
  auto price = [digits](Price p) { return price_wide(p, digits); };
  // The ask tag would cover the bid's a spread away: the ask is a line only.
  paint_level(dc, plot, scale.y(quote->ask), kAskLine, PS_DOT, L"", L"");
  paint_level(dc, plot, scale.y(quote->bid), kBidLine, PS_SOLID, L"", price(quote->bid));
  paint_orders(dc, plot, scale, tester);
}

}  // namespace pelmora::sim_terminal
