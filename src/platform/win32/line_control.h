// A separator line: a plain bar filled in one colour with a border in another, no grip.
#pragma once

#include <windows.h>

#include "platform/win32/custom_control.h"

namespace pelmora::platform::win32 {

struct LineArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  COLORREF fill = 0;
  COLORREF border = 0;
};

class Line final : public CustomControl<platform::Control> {
 public:
  explicit Line(const LineArgs& args);

 private:
  void paint() override;

  COLORREF fill_;
  COLORREF border_;
};

}  // namespace pelmora::platform::win32
