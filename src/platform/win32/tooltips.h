// The hints of the form's controls, shown as tooltips by one tooltip window.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/win32/unique_window.h"

namespace pelmora::platform::win32 {

class Tooltips {
 public:
  explicit Tooltips(HWND owner);
  // Sets (or replaces) the hint of a control; an empty hint removes it.
  void set(HWND control, std::string_view hint);
  HWND hwnd() const { return window_.get(); }

 private:
  UniqueWindow window_;
};

}  // namespace pelmora::platform::win32
