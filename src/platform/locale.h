// The user's number notation, as the system's regional settings give it. Only the price
// recalculation of the SL/TP window reads distances this way; every text the panel writes
// carries "." whatever the user's settings say.
#pragma once

#include <string>

namespace pelmora::platform {

class Locale {
 public:
  virtual ~Locale() = default;
  // The user's decimal separator, UTF-8 (usually "." or ","), read afresh at each call so a
  // change of the settings takes effect at once. Never empty: "." when the system cannot say.
  virtual std::string decimal_separator() const noexcept = 0;
};

}  // namespace pelmora::platform
