// The program for native tests: a settable first parameter, program path and files beside the
// program; it counts the requests to end.
#pragma once

#include <map>
#include <string>

#include "platform/program.h"

namespace pelmora::platform::fake {

class FakeProgram : public Program {
 public:
  explicit FakeProgram(std::string first_parameter = {})
      : first_parameter_(std::move(first_parameter)) {}
  std::string first_parameter() const override { return first_parameter_; }
  std::string program_path() const override { return program_path_; }
  std::optional<std::string> read_file_beside(std::string_view name,
                                              std::size_t max_bytes) const noexcept override {
    const auto it = files_.find(name);
    if (it == files_.end() || it->second.size() > max_bytes) return std::nullopt;
    return it->second;
  }
  void quit() override { ++quit_requests_; }

  void set_first_parameter(std::string text) { first_parameter_ = std::move(text); }
  void set_program_path(std::string path) { program_path_ = std::move(path); }
  void set_file_beside(std::string name, std::string text) {
    files_[std::move(name)] = std::move(text);
  }
  int quit_requests() const { return quit_requests_; }

 private:
  std::string first_parameter_;
  std::string program_path_ = R"(C:\Pelmora\pelmora.exe)";
  std::map<std::string, std::string, std::less<>> files_;
  int quit_requests_ = 0;
};

}  // namespace pelmora::platform::fake
