// Prices are whole points, so the vertical scale maps integers; at the live edge the levels of
// the open orders are kept in view, so that an order's stop-loss and take-profit can be seen.
// Scrolled back, the scale fits the bars alone.
#include "replay_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "chart_style.h"
#include "platform/win32/wide.h"
#include "practice/number_text.h"
#include "practice/tester.h"

namespace pelmora::sim_terminal {

namespace {

using practice::Bar;
using practice::Price;

constexpr int kScaleWidth = 66;     // the price scale at the right edge
constexpr int kTopMargin = 44;      // below the title, the note and the close-up mark
constexpr int kBottomMargin = 22;   // the time axis
constexpr int kLabelGap = 34;       // least pixels between two scale labels
constexpr int kTimeLabelGap = 110;  // least pixels between two time labels
constexpr COLORREF kBidLine = RGB(150, 156, 170);
constexpr COLORREF kAskLine = RGB(190, 70, 70);
constexpr COLORREF kOrderLine = RGB(70, 130, 240);
constexpr COLORREF kStopLossLine = RGB(230, 60, 60);
constexpr COLORREF kTakeProfitLine = RGB(60, 200, 90);
constexpr COLORREF kLabelText = RGB(235, 238, 245);
constexpr COLORREF kTimeTag = RGB(90, 96, 112);
constexpr COLORREF kLiveButton = RGB(50, 90, 170);

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

// The bars in view and the number of the first: up to the newest (the forming bar included)
// at the live edge, else up to the place's right bar.
std::vector<Bar> visible_bars(const practice::Replay& replay, const ChartPlace& place, size_t room,
                              size_t* first) {
  const auto& all = replay.history().bars;
  const auto forming = replay.forming_bar();
  const size_t completed = std::min(replay.completed_bars(), all.size());
  const size_t shown = completed + (forming ? 1 : 0);
  const size_t end = shown - place.offset(shown);  // one past the right bar
  *first = end - std::min(end, room);
  std::vector<Bar> bars(all.begin() + static_cast<std::ptrdiff_t>(*first),
                        all.begin() + static_cast<std::ptrdiff_t>(std::min(end, completed)));
  if (forming && end > completed) bars.push_back(*forming);
  return bars;
}

Scale fit(const std::vector<Bar>& bars, const practice::Tester& tester, bool live, int top,
          int bottom) {
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
  if (live) {
    if (const auto quote = tester.quote()) take(quote->ask);
    for (const auto& order : tester.book().open_orders()) {
      take(order.open_price);
      take(order.stop_loss);
      take(order.take_profit);
    }
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
  if (y < plot.top || y > plot.bottom) return;  // scrolled back, a level may lie off the plot
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
  const auto& book = tester.book();
  const auto quote = tester.quote();
  for (const auto& order : book.open_orders()) {
    // The running result follows the price on the order's own line.
    std::string text = "#" + std::to_string(order.ticket) + " " + practice::side_text(order.side) +
                       " " + practice::lots_text(order.lots);
    if (quote) {
      text += "   " + practice::signed_points(book.running_points(order, *quote)) + "   " +
              practice::money_text(book.running_money(order, *quote), true);
    }
    const std::wstring name = platform::win32::to_wide(text);
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

// A time as the axis shows it for this timeframe: "06.01 10:05" within a day, "06.01.2025"
// for days and weeks, "01.2025" for months; `full` for the current bar's tag.
std::wstring time_label(std::int64_t time, int bar_seconds, bool full) {
  const std::string t = practice::time_text(time);  // "2025-01-06 10:05:00"
  const std::string day = t.substr(8, 2), month = t.substr(5, 2), year = t.substr(0, 4);
  std::string label;
  if (full) {
    label = bar_seconds < 86400 ? t.substr(0, 16) : t.substr(0, 10);
  } else if (bar_seconds >= 28 * 86400) {
    label = month + "." + year;
  } else if (bar_seconds >= 86400) {
    label = day + "." + month + "." + year;
  } else {
    label = day + "." + month + " " + t.substr(11, 5);
  }
  return platform::win32::to_wide(label);
}

// Labels at every n-th bar counted from the history's start, so that they stay with their bars
// while the chart scrolls; the current bar's date and time in a tag of its own, which the
// labels keep clear of.
void paint_time_axis(HDC dc, const RECT& plot, const std::vector<Bar>& bars, size_t first,
                     int first_x, int step, const practice::Tester& tester) {
  const int bar_seconds = tester.replay().history().bar_seconds;
  const int middle = (step - 2) / 2;
  UniquePen pen(CreatePen(PS_SOLID, 1, kChartGrid));
  Selected selected(dc, pen.get());
  MoveToEx(dc, plot.left, plot.bottom, nullptr);
  LineTo(dc, plot.right, plot.bottom);
  RECT tag_box{};
  const auto& current = tester.replay().current();
  if (current && current->bar >= first && current->bar < first + bars.size()) {
    const int x = first_x + static_cast<int>(current->bar - first) * step + middle;
    const std::wstring tag = time_label(current->time, bar_seconds, true);
    SIZE size{};
    GetTextExtentPoint32W(dc, tag.c_str(), static_cast<int>(tag.size()), &size);
    const int left = std::clamp<int>(x - size.cx / 2 - 4, plot.left, plot.right - size.cx - 8);
    tag_box = {left, plot.bottom + 2, left + size.cx + 8, plot.bottom + 20};
    UniqueBrush fill(CreateSolidBrush(kTimeTag));
    FillRect(dc, &tag_box, fill.get());
    SetTextColor(dc, kLabelText);
    paint_text(dc, left + 4, plot.bottom + 4, tag, TA_LEFT | TA_TOP);
  }
  SetTextColor(dc, kChartText);
  const size_t every = static_cast<size_t>(std::max(1, (kTimeLabelGap + step - 1) / step));
  for (size_t i = 0; i < bars.size(); ++i) {
    if ((first + i) % every != 0) continue;
    const int x = first_x + static_cast<int>(i) * step + middle;
    const int half = kTimeLabelGap / 2 - 8;
    if (x - half < plot.left || x + half > plot.right) continue;
    if (x + half > tag_box.left && x - half < tag_box.right) continue;
    MoveToEx(dc, x, plot.bottom, nullptr);
    LineTo(dc, x, plot.bottom + 4);
    paint_text(dc, x, plot.bottom + 5, time_label(bars[i].time, bar_seconds, false),
               TA_CENTER | TA_TOP);
  }
}

void paint_live_button(HDC dc, const RECT& client) {
  const RECT button = live_button_rect(client);
  UniqueBrush fill(CreateSolidBrush(kLiveButton));
  FillRect(dc, &button, fill.get());
  SetTextColor(dc, kLabelText);
  paint_text(dc, (button.left + button.right) / 2, button.top + 4, L"К текущему бару >>",
             TA_CENTER | TA_TOP);
}

}  // namespace

void paint_replay(HDC dc, const RECT& client, const practice::Tester& tester,
                  const ChartPlace& place, int step) {
  const RECT plot{client.left + 4, client.top + kTopMargin, client.right - kScaleWidth,
                  client.bottom - kBottomMargin};
  const int room = (plot.right - plot.left - 6) / step;
  const auto quote = tester.quote();
  if (room < 1 || plot.bottom - plot.top < 20 || !quote) return;
  size_t first = 0;
  const auto bars = visible_bars(tester.replay(), place, static_cast<size_t>(room), &first);
  if (bars.empty()) return;
  const bool live = !place.right_bar;
  const Scale scale = fit(bars, tester, live, plot.top, plot.bottom);
  const int digits = tester.instrument().digits;
  paint_price_scale(dc, plot, scale, digits);
  const CandleInk ink;
  // The newest candle in view ends at the plot's right edge.
  const int first_x = plot.right - 2 - static_cast<int>(bars.size()) * step;
  int x = first_x;
  for (const Bar& bar : bars) {
    ink.draw(dc, x, step, scale.y(bar.open), scale.y(bar.high), scale.y(bar.low),
             scale.y(bar.close));
    x += step;
  }
  paint_time_axis(dc, plot, bars, first, first_x, step, tester);
  auto price = [digits](Price p) { return price_wide(p, digits); };
  // The ask tag would cover the bid's a spread away: the ask is a line only.
  paint_level(dc, plot, scale.y(quote->ask), kAskLine, PS_DOT, L"", L"");
  paint_level(dc, plot, scale.y(quote->bid), kBidLine, PS_SOLID, L"", price(quote->bid));
  paint_orders(dc, plot, scale, tester);
  if (!live) paint_live_button(dc, client);
}

}  // namespace pelmora::sim_terminal
