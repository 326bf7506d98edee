// The picture inside a chart window: a dark price chart with a grid, candles and the title.
#pragma once

#include <windows.h>

#include <string_view>

namespace pelmora::sim_terminal {

// Paints the whole client rectangle. The candles come from a fixed walk chosen by `seed`, so
// the same chart always looks the same (the replayed chart will draw real bars here).
void paint_chart(HDC dc, const RECT& client, std::wstring_view title, unsigned seed);

}  // namespace pelmora::sim_terminal
