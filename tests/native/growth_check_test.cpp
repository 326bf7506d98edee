// The soak's verdict on a sampled figure: growth counts from the low of the second quarter to the
// low of the last, so warm-up, spikes and swings that fall back pass and a climb beyond the limit
// fails.
#include "soak/growth_check.h"

#include <gtest/gtest.h>

namespace pelmora::soak {
namespace {

std::vector<double> climbing(int count, double from, double step) {
  std::vector<double> v;
  for (int i = 0; i < count; ++i) v.push_back(from + step * i);
  return v;
}

TEST(GrowthCheck, LowOfTheLastQuarterAgainstLowOfTheSecond) {
  const struct {
    const char* what;
    std::vector<double> samples;
    double limit;
    bool enough, grew;
  } cases[] = {
      {"no samples", {}, 1, false, false},
      {"seven samples are too few", climbing(7, 0, 100), 1, false, false},
      {"steady climb beyond the limit", climbing(16, 0, 1), 7, true, true},
      {"growth equal to the limit passes", climbing(16, 0, 1), 8, true, false},
      {"noise around a level", {9, 11, 9, 11, 9, 11, 9, 11, 9, 11, 9, 11}, 1, true, false},
      {"warm-up in the first quarter",
       {1, 50, 100, 100, 100, 101, 100, 100, 101, 100, 100, 100},
       2,
       true,
       false},
      {"one spike in the last quarter", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 90, 5}, 1, true, false},
      {"swings above a floor that stays",
       {10, 10, 10, 10, 10, 13, 10, 13, 13, 10, 13, 13},
       1,
       true,
       false},
      {"memory given back", {50, 50, 50, 50, 50, 40, 30, 20, 20, 20, 20, 20}, 1, true, false},
      // Ten samples: quarters of two; the two left over in the middle are read by neither.
      {"leftover middle samples", {0, 0, 1, 1, 0, 0, 50, 50, 2, 2}, 0.5, true, true},
  };
  for (const auto& c : cases) {
    const Judgement j = judge({"x", "", 1, c.limit, c.samples});
    EXPECT_EQ(j.reported, !c.samples.empty()) << c.what;
    EXPECT_EQ(j.enough, c.enough) << c.what;
    EXPECT_EQ(j.grew, c.grew) << c.what;
  }
}

TEST(GrowthCheck, RowShowsScaledStartEndQuartersAndLimit) {
  Series rss{"RSS", "MB", 1024, 4096, climbing(8, 20480, 1024)};
  EXPECT_EQ(table_row(rss, judge(rss)),
            "| soak RSS start/end | 20 / 27 MB | lowest in 2nd quarter 22, last quarter 26: +4 MB, "
            "limit +4 |");
  rss.limit = 2048;
  EXPECT_EQ(table_row(rss, judge(rss)).substr(table_row(rss, judge(rss)).size() - 16),
            "limit +2, GREW |");
  EXPECT_EQ(table_row({"GDI objects", "", 1, 8, {}}, {}),
            "| soak GDI objects start/end | not reported by the system | skipped |");
}

}  // namespace
}  // namespace pelmora::soak
