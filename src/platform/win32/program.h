// The program on Windows: its command line, its program file and the end of its message loop.
#pragma once

#include "platform/program.h"

namespace pelmora::platform::win32 {

class Win32Program : public Program {
 public:
  std::string first_parameter() const override;
  std::string program_path() const override;
  std::optional<std::string> read_file_beside(std::string_view name,
                                              std::size_t max_bytes) const noexcept override;
  void quit() override;
};

}  // namespace pelmora::platform::win32
