// A point per bar group; thinning merges neighbours, keeping the later balance and equity and
// the lower of their lows, so that the picture still shows how deep the equity went.
#include "equity_curve.h"

#include <algorithm>

namespace pelmora::practice {

void EquityCurve::record(std::size_t bar, std::int64_t time, double balance, double equity) {
  peak_ = std::max(peak_, equity);
  drawdown_ = std::max(drawdown_, peak_ - equity);
  const std::size_t group = bar / bars_per_point_;
  if (!points_.empty() && group == last_group_) {
    CurvePoint& last = points_.back();
    last = {time, balance, equity, std::min(last.lowest_equity, equity)};
    return;
  }
  points_.push_back({time, balance, equity, equity});
  last_group_ = group;
  if (points_.size() <= kMostPoints) return;
  std::vector<CurvePoint> thinned;
  thinned.reserve(points_.size() / 2 + 1);
  for (std::size_t i = 0; i < points_.size(); i += 2) {
    CurvePoint point = points_[std::min(i + 1, points_.size() - 1)];
    point.lowest_equity = std::min(point.lowest_equity, points_[i].lowest_equity);
    thinned.push_back(point);
  }
  points_ = std::move(thinned);
  bars_per_point_ *= 2;
  last_group_ = bar / bars_per_point_;
}

}  // namespace pelmora::practice
