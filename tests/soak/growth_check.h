// Whether a series of samples taken over a long run grew: the lowest sample of the last quarter
// against the lowest of the second. Start-up (the first quarter) does not count, and neither do
// rises that come and go: a shortcut menu open at one sample, or under Wine the panel's memory,
// which moves in whole window surfaces (about 3 MB) as the panel is hidden and shown and falls
// back to the same floor. What a leak keeps raises that floor. No Windows calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pelmora::soak {

struct Growth {
  double first = 0;     // the first sample
  double last = 0;      // the last sample
  double baseline = 0;  // lowest sample of the second quarter
  double late = 0;      // lowest sample of the last quarter
  double growth() const { return late - baseline; }
};

// The fewest samples a verdict is drawn from: two per quarter.
inline constexpr size_t kMinSamples = 8;

// Nothing when there are fewer than kMinSamples samples.
std::optional<Growth> measure_growth(const std::vector<double>& samples);

// One sampled figure of the process and how much it may grow before the run fails. A series
// the system does not report (no sample at all) is skipped.
struct Series {
  std::string name;  // as printed, e.g. "RSS"
  std::string unit;  // as printed after a value, e.g. "MB"
  double scale = 1;  // printed value = sample / scale
  double limit = 0;  // the run fails when growth() exceeds it, in sample units
  std::vector<double> samples;
};

struct Judgement {
  bool reported = false;  // the series has samples
  bool enough = false;    // enough of them to judge
  bool grew = false;
  Growth growth;
};

Judgement judge(const Series& series);

// The series' markdown table row: | soak <name> start/end | first / last | quarters, limit |.
std::string table_row(const Series& series, const Judgement& judgement);

}  // namespace pelmora::soak
