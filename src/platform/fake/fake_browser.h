// The browser for tests: it keeps the addresses it was asked to open, with their owners.
#pragma once

#include <string>
#include <vector>

#include "platform/browser.h"

namespace pelmora::platform::fake {

class FakeBrowser final : public Browser {
 public:
  struct Opened {
    std::string url;
    WindowRef owner;
    bool operator==(const Opened&) const = default;
  };

  void open_url(std::string_view url, WindowRef owner) noexcept override {
    opened_.push_back({std::string(url), owner});
  }
  const std::vector<Opened>& opened() const { return opened_; }

 private:
  std::vector<Opened> opened_;
};

}  // namespace pelmora::platform::fake
