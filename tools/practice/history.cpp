// The instrument's point and the price text shared by every text the tester writes.
#include "history.h"

#include "number_text.h"

namespace pelmora::practice {

double Instrument::point() const {
  return 1.0 / static_cast<double>(power_of_ten(digits));
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
