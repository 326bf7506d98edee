// When the panel would end: its chart frame's title reads empty, or the chart window it was
// started with has gone. A busy terminal holds the checker up no longer than one bounded read.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace pelmora::expert_check {

class ChartWatch {
 public:
  // `chart` is the window the parameter names; null or not a window: nothing to watch.
  explicit ChartWatch(HWND chart);

  HWND chart() const { return chart_; }
  HWND frame() const { return frame_; }
  HWND area() const { return area_; }
  HWND main() const { return main_; }

  // Why the panel would end now, or nothing. `checker` is the checker's own window: the report
  // says whether the expert's main window or the panel held the keyboard as the title went.
  std::optional<std::string> ended(HWND checker) const;

 private:
  HWND chart_ = nullptr;
  HWND frame_ = nullptr;
  HWND area_ = nullptr;
  HWND main_ = nullptr;
};

}  // namespace pelmora::expert_check
