// The panel as seen from outside, by the terminal's start-up probe and by the drivers that
// check it: its caption, whether it has attached itself to the chart, and where it belongs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

namespace pelmora::sim_terminal {

// Over the chart area less 2 pixels on every side, with the area's right and bottom edges
// clipped at the terminal main window's.
inline RECT expected_panel_rect(const RECT& chart_area, const RECT& terminal) {
  const LONG right = std::min(chart_area.right, terminal.right);
  const LONG bottom = std::min(chart_area.bottom, terminal.bottom);
  const LONG width = std::max<LONG>(0, right - chart_area.left - 4);
  const LONG height = std::max<LONG>(0, bottom - chart_area.top - 4);
  return {chart_area.left + 2, chart_area.top + 2, chart_area.left + 2 + width,
          chart_area.top + 2 + height};
}

// The panel's command-line parameter: the chart window's handle in decimal.
inline std::wstring chart_parameter(HWND chart) {
  return std::to_wstring(reinterpret_cast<UINT_PTR>(chart));
}

inline std::wstring panel_caption(const std::wstring& parameter) {
  return L"Pelmora" + parameter;
}

// The panel attaches itself by making the window that owns it a child of the chart frame.
inline bool panel_attached(HWND panel, HWND chart_frame) {
  HWND owner = GetWindow(panel, GW_OWNER);
  return owner && chart_frame && GetAncestor(owner, GA_PARENT) == chart_frame;
}

}  // namespace pelmora::sim_terminal
