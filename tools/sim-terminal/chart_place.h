// Where the replayed chart looks: at the live edge (the newest bar at the right, following the
// replay) or scrolled back to a bar that stays put while the replay goes on, and how wide a
// candle is; and where the button that returns to the live edge lies.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace pelmora::sim_terminal {

struct ChartPlace {
  static constexpr std::array<int, 8> kSteps = {2, 3, 5, 7, 9, 13, 18, 25};  // candle widths
  static constexpr int kUsualZoom = 4;                                       // 9 pixels

  std::optional<std::size_t> right_bar;  // the bar at the right edge; nothing: the live edge
  int zoom = kUsualZoom;

  int step() const { return kSteps[static_cast<std::size_t>(zoom)]; }
  // How many bars back from the newest of `shown` (completed bars and the forming one): 0 at
  // the live edge.
  std::size_t offset(std::size_t shown) const {
    return right_bar && shown > 0 ? shown - 1 - std::min(*right_bar, shown - 1) : 0;
  }
  // `bars` back in time (forward when negative), never before the first bar; reaching the
  // newest bar returns to the live edge.
  void scroll(long long bars, std::size_t shown) {
    if (shown == 0) return;
    const long long newest = static_cast<long long>(shown) - 1;
    const long long right =
        std::clamp(newest - static_cast<long long>(offset(shown)) - bars, 0LL, newest);
    right_bar = right >= newest ? std::nullopt : std::optional<std::size_t>(right);
  }
  void zoom_by(int steps) {
    zoom = std::clamp(zoom + steps, 0, static_cast<int>(kSteps.size()) - 1);
  }
};

// The button "К текущему бару" in the chart window's client area, shown while scrolled back.
inline RECT live_button_rect(const RECT& client) {
  constexpr int kScale = 66, kAxis = 22, kWidth = 120, kHeight = 22;
  return {client.right - kScale - 8 - kWidth, client.bottom - kAxis - 8 - kHeight,
          client.right - kScale - 8, client.bottom - kAxis - 8};
}

}  // namespace pelmora::sim_terminal
