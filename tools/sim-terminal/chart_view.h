// The picture inside a chart window: a dark price chart with a grid, candles and the title.
#pragma once

#include <windows.h>

#include <string_view>

#include "chart_place.h"

namespace pelmora::practice {
class Tester;
}

namespace pelmora::sim_terminal {

struct ChartLook {
  std::wstring_view title;
  unsigned seed = 0;       // the candles come from a fixed walk chosen by it
  bool close_up = false;   // wider candles, fewer of them, and a mark saying so
  std::wstring_view note;  // one line in the top-right corner; empty: none
  // The test this chart replays; null: still candles from `seed`.
  const practice::Tester* replay = nullptr;
  ChartPlace place;  // where a replayed chart looks
};

// The candle width: the place's zoom for a replayed chart, doubled in F11's close-up.
int chart_step(const ChartLook& look);
// Paints the whole client rectangle; a still chart's look always gives the same picture.
void paint_chart(HDC dc, const RECT& client, const ChartLook& look);

}  // namespace pelmora::sim_terminal
