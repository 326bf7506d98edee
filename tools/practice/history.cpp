// The instrument's point and money, the timeframe's name and the price text shared by every
// text the tester writes.
#include "history.h"

#include "number_text.h"

namespace pelmora::practice {

double Instrument::point() const {
  return 1.0 / static_cast<double>(power_of_ten(digits));
}

double Instrument::money(Price points, std::int64_t lots) const {
  return static_cast<double>(points * lots) * contract_size /
         (static_cast<double>(power_of_ten(digits)) * 100);
}

std::string timeframe_text(int bar_seconds) {
  constexpr int kMinute = 60, kHour = 3600, kDay = 86400, kWeek = 7 * kDay;
  if (bar_seconds >= 28 * kDay && bar_seconds <= 31 * kDay) return "MN";
  const struct {
    int unit;
    const char* name;
  } units[] = {{kWeek, "W"}, {kDay, "D"}, {kHour, "H"}, {kMinute, "M"}};
  for (const auto& unit : units) {
    if (bar_seconds >= unit.unit && bar_seconds % unit.unit == 0) {
      return unit.name + std::to_string(bar_seconds / unit.unit);
    }
  }
  return "S" + std::to_string(bar_seconds);
}

std::string price_text(Price price, int digits) {
  std::string text = price < 0 ? "-" : "";
  // Through unsigned, so that the lowest value has a magnitude too.
  const std::uint64_t magnitude =
      price < 0 ? 0 - static_cast<std::uint64_t>(price) : static_cast<std::uint64_t>(price);
  const auto unit = static_cast<std::uint64_t>(power_of_ten(digits));
  text += std::to_string(magnitude / unit);
  if (digits > 0) {
    std::string fraction = std::to_string(magnitude % unit);
    text += '.';
    text.append(static_cast<std::size_t>(digits) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

}  // namespace pelmora::practice
