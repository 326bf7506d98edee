// The test's summary, shown over the chart once the test stops: a child window of the chart
// (class kSummaryClass) whose window text is the summary's lines, so that a driver reads the
// figures with WM_GETTEXT.
#pragma once

#include <windows.h>

#include <string_view>

#include "handles.h"

namespace pelmora::sim_terminal {

class SummaryPane {
 public:
  // Creates the pane, hidden, inside `chart`; window() is null when creation failed.
  SummaryPane(HINSTANCE instance, HWND chart);
  SummaryPane(const SummaryPane&) = delete;
  SummaryPane& operator=(const SummaryPane&) = delete;

  HWND window() const { return pane_; }
  // Shows the text (UTF-8, lines separated by CR LF, the first one the caption) in the middle
  // of the chart, sized to fit it.
  void show(std::string_view text);
  bool shown() const { return pane_ && IsWindowVisible(pane_); }
  // Keeps the pane in the middle of the chart after the chart changed size.
  void centre();

 private:
  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void paint(HDC dc, const RECT& client);

  HWND pane_ = nullptr;
  platform::win32::UniqueFont caption_font_;
  SIZE size_{};
};

}  // namespace pelmora::sim_terminal
