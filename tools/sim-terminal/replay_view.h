// The replayed chart: the test's bars up to the replay position and the forming bar (or older
// ones, scrolled back), a price scale on the right, a time axis below with the current bar's
// date and time tagged, the bid and ask lines, and each open order's open price with its
// running result, stop-loss and take-profit.
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
