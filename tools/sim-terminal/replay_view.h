// The replayed chart: the test's bars up to the replay position and the forming bar, newest at
// the right edge, a price scale on the right, the bid and ask lines, and each open order's
// open price, stop-loss and take-profit.
#pragma once

#include <windows.h>

namespace pelmora::practice {
class Tester;
}

namespace pelmora::sim_terminal {

// Paints over `client` (its background and grid already there) with candles `step` pixels
// apart; the caller has selected the font and a transparent background.
void paint_replay(HDC dc, const RECT& client, const practice::Tester& tester, int step);

}  // namespace pelmora::sim_terminal
