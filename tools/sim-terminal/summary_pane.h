// The test's summary over the chart once the test stops: a child of the chart (kSummaryClass)
// whose window text is the summary's lines, for drivers to read with WM_GETTEXT, with the equity
// curve beside them and the buttons "Новый тест" and "Закрыть".
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "handles.h"
#include "practice/equity_curve.h"

namespace pelmora::sim_terminal {

class SummaryPane {
 public:
  // The curve's size in the pane and in its PNG file.
  static constexpr int kCurveWidth = 340, kCurveHeight = 220;

  // Creates the pane, hidden, inside `chart`; window() is null when creation failed.
  // `new_test` runs at a click on "Новый тест".
  SummaryPane(HINSTANCE instance, HWND chart, std::function<void()> new_test);
  SummaryPane(const SummaryPane&) = delete;
  SummaryPane& operator=(const SummaryPane&) = delete;

  HWND window() const { return pane_; }
  // Shows the text (UTF-8, lines separated by CR LF, the first one the caption) and the curve
  // in the middle of the chart, sized to fit them.
  void show(std::string_view text, std::vector<practice::CurvePoint> curve, double deposit);
  void hide();
  bool shown() const { return pane_ && IsWindowVisible(pane_); }
  // Keeps the pane in the middle of the chart after the chart changed size.
  void centre();

 private:
  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void paint(HDC dc, const RECT& client);

  HWND pane_ = nullptr;
  HWND new_test_ = nullptr;
  HWND close_ = nullptr;
  platform::win32::UniqueFont caption_font_;
  SIZE size_{};
  std::vector<practice::CurvePoint> curve_;
  double deposit_ = 0;
  std::function<void()> new_test_action_;
};

}  // namespace pelmora::sim_terminal
