// What the still and the replayed chart share: colours, candle widths, and the drawing of one
// candle and of one line of text.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "handles.h"

namespace pelmora::sim_terminal {

inline constexpr COLORREF kChartBackground = RGB(18, 20, 26);
inline constexpr COLORREF kChartGrid = RGB(44, 48, 58);
inline constexpr COLORREF kChartText = RGB(170, 176, 190);
inline constexpr COLORREF kCandleUp = RGB(64, 190, 120);
inline constexpr COLORREF kCandleDown = RGB(220, 80, 80);
inline constexpr int kCandleStep = 9;
inline constexpr int kCloseUpCandleStep = 18;  // F11's close-up: wider candles, fewer of them

// The pens and brushes of one paint's candles.
class CandleInk {
 public:
  CandleInk()
      : up_pen_(CreatePen(PS_SOLID, 1, kCandleUp)),
        down_pen_(CreatePen(PS_SOLID, 1, kCandleDown)),
        up_brush_(CreateSolidBrush(kCandleUp)),
        down_brush_(CreateSolidBrush(kCandleDown)) {}

  // One candle `step` wide at `x`, from its prices' y coordinates (smaller is higher).
  void draw(HDC dc, int x, int step, int y_open, int y_high, int y_low, int y_close) const {
    const bool rising = y_close <= y_open;
    Selected pen(dc, rising ? up_pen_.get() : down_pen_.get());
    const int body_width = step - 2;
    MoveToEx(dc, x + body_width / 2, y_high, nullptr);
    LineTo(dc, x + body_width / 2, y_low + 1);
    RECT body{x, std::min(y_open, y_close), x + body_width, std::max(y_open, y_close) + 1};
    FillRect(dc, &body, rising ? up_brush_.get() : down_brush_.get());
  }

 private:
  UniquePen up_pen_, down_pen_;
  UniqueBrush up_brush_, down_brush_;
};

inline void paint_text(HDC dc, int x, int y, std::wstring_view text, UINT align) {
  SetTextAlign(dc, align);
  TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

}  // namespace pelmora::sim_terminal
