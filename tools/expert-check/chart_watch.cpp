// The chain above the chart is taken once, at start: the chain the expert made.
#include "chart_watch.h"

namespace pelmora::expert_check {

namespace {

HWND parent_of(HWND window) {
  if (!window) return nullptr;
  HWND parent = GetAncestor(window, GA_PARENT);
  return parent == GetDesktopWindow() ? nullptr : parent;
}

// As the panel reads it: the title the system keeps, which needs no answer; only when that is
// empty the window is asked, and one that does not answer is no proof of an empty title.
bool title_empty(HWND frame) {
  wchar_t title[8] = {};
  if (InternalGetWindowText(frame, title, 8) > 0) return false;
  DWORD_PTR copied = 0;
  return SendMessageTimeoutW(frame, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(title),
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, 200, &copied) != 0 &&
         copied == 0;
}

}  // namespace

ChartWatch::ChartWatch(HWND chart) {
  if (!chart || !IsWindow(chart)) return;
  chart_ = chart;
  frame_ = parent_of(chart_);
  area_ = parent_of(frame_);
  main_ = parent_of(area_);
}

std::optional<std::string> ChartWatch::ended(HWND checker) const {
  if (!chart_) return std::nullopt;
  if (!IsWindow(chart_)) return "the chart window is gone";
  if (!frame_ || !title_empty(frame_)) return std::nullopt;
  const HWND foreground = GetAncestor(GetForegroundWindow(), GA_ROOT);
  if (foreground && (foreground == main_ || foreground == checker)) {
    return "the chart frame's title was emptied while the expert's main window (or the panel) "
           "held the keyboard: the panel ends at once";
  }
  return "the chart frame's title was emptied while another window held the keyboard: the "
         "panel waits to end until the expert's main window or the panel holds it, or the chart "
         "window is gone";
}

}  // namespace pelmora::expert_check
