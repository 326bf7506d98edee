// The program for native tests: a settable first parameter; it counts the requests to end and
// keeps the texts of the error boxes it was asked to show.
#pragma once

#include <string>
#include <vector>

#include "platform/program.h"

namespace pelmora::platform::fake {

class FakeProgram : public Program {
 public:
  explicit FakeProgram(std::string first_parameter = {})
      : first_parameter_(std::move(first_parameter)) {}
  std::string first_parameter() const override { return first_parameter_; }
  void quit() override { ++quit_requests_; }
  void show_error(std::string_view message) override { errors_.emplace_back(message); }

  void set_first_parameter(std::string text) { first_parameter_ = std::move(text); }
  int quit_requests() const { return quit_requests_; }
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  std::string first_parameter_;
  int quit_requests_ = 0;
  std::vector<std::string> errors_;
};

}  // namespace pelmora::platform::fake
