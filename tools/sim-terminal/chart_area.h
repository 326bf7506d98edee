// The terminal's chart area: a sunken child window holding one chart frame per chart, each
// frame holding its chart window. The first chart starts in front of the others.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "handles.h"

namespace pelmora::sim_terminal {

class ChartArea {
 public:
  static constexpr int kCharts = 2;

  // Creates the area inside `parent`; window() is null when creation failed.
  ChartArea(HINSTANCE instance, HWND parent);
  ChartArea(const ChartArea&) = delete;
  ChartArea& operator=(const ChartArea&) = delete;

  HWND window() const { return area_; }
  // Moves the area (parent client coordinates) and cascades the frames inside it.
  void place(int x, int y, int width, int height);

  // Chart numbers run from 1; a closed chart's windows read as null.
  HWND frame(int number) const;
  HWND chart(int number) const;
  // Puts the chart's frame in front of its siblings; false when the chart is closed.
  bool bring_to_front(int number);
  // Closes the chart as its frame's close box does (the frame and its children go).
  bool close(int number);

 private:
  struct Chart {
    std::wstring title;
    unsigned seed = 0;
    HWND frame = nullptr;
    HWND window = nullptr;
  };

  LRESULT area_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT frame_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT chart_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  Chart* chart_of(HWND hwnd) const;
  Chart* chart_by_number(int number) const;
  void raise(Chart& chart);
  void cascade();

  UniqueBrush background_;
  HWND area_ = nullptr;
  std::array<std::unique_ptr<Chart>, kCharts> charts_;
};

}  // namespace pelmora::sim_terminal
