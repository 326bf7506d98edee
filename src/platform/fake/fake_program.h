// The program for native tests: a settable first parameter; it counts the requests to end.
#pragma once

#include <string>

#include "platform/program.h"

namespace pelmora::platform::fake {

class FakeProgram : public Program {
 public:
  explicit FakeProgram(std::string first_parameter = {})
      : first_parameter_(std::move(first_parameter)) {}
  std::string first_parameter() const override { return first_parameter_; }
  void quit() override { ++quit_requests_; }

  void set_first_parameter(std::string text) { first_parameter_ = std::move(text); }
  int quit_requests() const { return quit_requests_; }

 private:
  std::string first_parameter_;
  int quit_requests_ = 0;
};

}  // namespace pelmora::platform::fake
