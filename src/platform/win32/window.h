// platform::Window over one of our top-level windows (usually a HostWindow's): held, not owned.
#pragma once

#include <windows.h>

#include "platform/controls.h"

namespace pelmora::platform::win32 {

class Window final : public platform::Window {
 public:
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}

  std::string caption() const override;
  void set_caption(std::string_view caption) override;

 private:
  HWND hwnd_;
};

}  // namespace pelmora::platform::win32
