// The program for native tests: a settable first parameter and program path; it counts the
// requests to end.
#pragma once

#include <string>

#include "platform/program.h"

namespace pelmora::platform::fake {

class FakeProgram : public Program {
 public:
  explicit FakeProgram(std::string first_parameter = {})
      : first_parameter_(std::move(first_parameter)) {}
  std::string first_parameter() const override { return first_parameter_; }
  std::string program_path() const override { return program_path_; }
  void quit() override { ++quit_requests_; }

  void set_first_parameter(std::string text) { first_parameter_ = std::move(text); }
  void set_program_path(std::string path) { program_path_ = std::move(path); }
  int quit_requests() const { return quit_requests_; }

 private:
  std::string first_parameter_;
  std::string program_path_ = R"(C:\Pelmora\pelmora.exe)";
  int quit_requests_ = 0;
};

}  // namespace pelmora::platform::fake
