// Whole quarters: with n samples each quarter holds n / 4 of them, and the samples a division
// leaves over fall into the middle, which neither quarter reads.
#include "growth_check.h"

#include <algorithm>
#include <cstdio>

namespace pelmora::soak {

namespace {

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, value == static_cast<long long>(value) ? "%.0f" : "%.1f", value);
  return text;
}

}  // namespace

std::optional<Growth> measure_growth(const std::vector<double>& samples) {
  if (samples.size() < kMinSamples) return std::nullopt;
  const auto quarter = static_cast<std::ptrdiff_t>(samples.size() / 4);
  const auto begin = samples.begin();
  Growth g;
  g.first = samples.front();
  g.last = samples.back();
  g.baseline = *std::min_element(begin + quarter, begin + 2 * quarter);
  g.late = *std::min_element(samples.end() - quarter, samples.end());
  return g;
}

Judgement judge(const Series& series) {
  Judgement j;
  j.reported = !series.samples.empty();
  const auto growth = measure_growth(series.samples);
  if (!growth) return j;
  j.enough = true;
  j.growth = *growth;
  j.grew = growth->growth() > series.limit;
  return j;
}

std::string table_row(const Series& series, const Judgement& j) {
  const std::string head = "| soak " + series.name + " start/end | ";
  if (!j.reported) return head + "not reported by the system | skipped |";
  if (!j.enough) {
    return head + std::to_string(series.samples.size()) + " samples | too few to judge (" +
           std::to_string(kMinSamples) + " needed) |";
  }
  const auto shown = [&](double v) { return number(v / series.scale); };
  const std::string unit = series.unit.empty() ? "" : " " + series.unit;
  const Growth& g = j.growth;
  const double growth = g.growth() / series.scale;
  return head + shown(g.first) + " / " + shown(g.last) + unit + " | lowest in 2nd quarter " +
         shown(g.baseline) + ", last quarter " + shown(g.late) + ": " + (growth >= 0 ? "+" : "") +
         number(growth) + unit + ", limit +" + shown(series.limit) + (j.grew ? ", GREW" : "") +
         " |";
}

}  // namespace pelmora::soak
