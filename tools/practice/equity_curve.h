// The account over a test: balance and equity at every price, kept for the picture as one point
// per bar (per several bars once a long test has made many), and the largest fall of the
// equity from its peak, open trades included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelmora::practice {

struct CurvePoint {
  std::int64_t time = 0;  // of the last bar the point stands for
  double balance = 0, equity = 0;
  double lowest_equity = 0;  // over the bars the point stands for
};

class EquityCurve {
 public:
  // More points than this are thinned, two into one.
  static constexpr std::size_t kMostPoints = 4096;

  explicit EquityCurve(double deposit) : peak_(deposit) {}

  // The balance and equity at a price of bar `bar` (bar numbers rise through a test).
  void record(std::size_t bar, std::int64_t time, double balance, double equity);
  const std::vector<CurvePoint>& points() const { return points_; }
  double max_drawdown() const { return drawdown_; }  // money, 0 or more

 private:
  std::vector<CurvePoint> points_;
  std::size_t bars_per_point_ = 1;
  std::size_t last_group_ = 0;
  double peak_;
  double drawdown_ = 0;
};

}  // namespace pelmora::practice
