// The terminal's chart area: a sunken child window holding one chart frame per chart, each
// frame holding its chart window. The first chart starts in front of the others. A chart
// window takes F11 as the terminal's charts do: it toggles its close-up view and says so.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "handles.h"

namespace pelmora::practice {
class Tester;
}

namespace pelmora::sim_terminal {

class ChartArea {
 public:
  static constexpr int kCharts = 2;
  using News = std::function<void(std::wstring_view line)>;

  // Creates the area inside `parent`; window() is null when creation failed. `news` hears of
  // every F11 a chart window takes.
  ChartArea(HINSTANCE instance, HWND parent, News news);
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
  // The line every chart shows in its corner (the tester's state); repaints them.
  void set_note(std::wstring_view note);
  // The test the first chart replays (held, not owned); null: still candles.
  void set_replay(const practice::Tester* tester);
  // Repaints the chart's window (a replayed chart after a new price).
  void repaint(int number);
  // F11 key-downs the chart windows have taken so far.
  int f11_count() const { return f11_count_; }

 private:
  struct Chart {
    std::wstring title;
    unsigned seed = 0;
    bool close_up = false;  // toggled by F11
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
  void on_f11(Chart& chart);

  UniqueBrush background_;
  HWND area_ = nullptr;
  std::array<std::unique_ptr<Chart>, kCharts> charts_;
  News news_;
  std::wstring note_;
  const practice::Tester* replay_ = nullptr;
  int f11_count_ = 0;
};

}  // namespace pelmora::sim_terminal
