// The program on Windows: its command line, the end of its message loop and its error box.
#pragma once

#include "platform/program.h"

namespace pelmora::platform::win32 {

class Win32Program : public Program {
 public:
  std::string first_parameter() const override;
  void quit() override;
  void show_error(std::string_view message) override;
};

}  // namespace pelmora::platform::win32
