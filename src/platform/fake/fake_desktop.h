// The desktop for tests: it keeps the addresses and files it was asked to open, with their
// owners.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"

namespace pelmora::platform::fake {

class FakeDesktop final : public Desktop {
 public:
  struct Opened {
    std::string target;  // the address or the file's path
    WindowRef owner;
    bool operator==(const Opened&) const = default;
  };

  void open_url(std::string_view url, WindowRef owner) noexcept override {
    urls_.push_back({std::string(url), owner});
  }
  void open_file(std::string_view path, WindowRef owner) noexcept override {
    files_.push_back({std::string(path), owner});
  }
  const std::vector<Opened>& urls() const { return urls_; }
  const std::vector<Opened>& files() const { return files_; }

 private:
  std::vector<Opened> urls_;
  std::vector<Opened> files_;
};

}  // namespace pelmora::platform::fake
