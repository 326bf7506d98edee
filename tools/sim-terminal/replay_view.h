// The replayed chart: the bars up to the replay (or scrolled back), a price scale, a time axis
// with the current bar's date and time, the bid and ask, and each open order's open price with
// its running result, stop-loss and take-profit.
#pragma once

#include <windows.h>

#include "chart_place.h"

namespace pelmora::practice {
class Tester;
}

namespace pelmora::sim_terminal {

// Paints over `client` (its background and grid already there) as `place` says, candles
// `step` pixels apart; the caller has selected the font and a transparent background.
void paint_replay(HDC dc, const RECT& client, const practice::Tester& tester,
                  const ChartPlace& place, int step);

}  // namespace pelmora::sim_terminal
