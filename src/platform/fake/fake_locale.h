// A locale a test sets: "." until told otherwise.
#pragma once

#include <string>

#include "platform/locale.h"

namespace pelmora::platform::fake {

class FakeLocale final : public Locale {
 public:
  std::string decimal_separator() const noexcept override { return separator_; }
  void set_decimal_separator(std::string separator) { separator_ = std::move(separator); }

 private:
  std::string separator_ = ".";
};

}  // namespace pelmora::platform::fake
