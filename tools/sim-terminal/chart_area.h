// The terminal's chart area: one chart frame per chart (a second only when asked for), each
// holding its chart window; F11 toggles a chart's close-up. The first chart replays the test and
// scrolls back with the wheel or a drag, zooms with Ctrl+wheel and returns to the live edge.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "chart_place.h"
#include "handles.h"

namespace pelmora::practice {
class Tester;
}

namespace pelmora::sim_terminal {

class ChartArea {
 public:
  static constexpr int kMostCharts = 2;
  using News = std::function<void(std::wstring_view line)>;
  // Asked when a chart's close box (or close()) would close it; the chart closes only when the
  // handler destroys its frame (now or later).
  using CloseRequest = std::function<void(int number)>;

  // Creates the area inside `parent` with `charts` charts (1 or 2), the first titled `title`;
  // window() is null when creation failed. `news` hears of every F11 a chart window takes.
  ChartArea(HINSTANCE instance, HWND parent, int charts, std::wstring title, News news,
            CloseRequest close_request);
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
  // Asks to close the chart as its frame's close box does; false when it is closed already.
  bool close(int number);
  // The frame and its children go at once.
  void destroy(int number);
  // The line every chart shows in its corner (the tester's state); repaints them.
  void set_note(std::wstring_view note);
  // The test the first chart replays (held, not owned); null: still candles.
  void set_replay(const practice::Tester* tester);
  // Repaints the chart's window (a replayed chart after a new price).
  void repaint(int number);
  // F11 key-downs the chart windows have taken so far.
  int f11_count() const { return f11_count_; }
  // The replayed chart's view: bars scrolled back from the live edge (0 there) and the
  // candles' width; back to the live edge at the usual width.
  long long view_offset() const;
  int view_step() const;
  void reset_view();

 private:
  struct Chart {
    std::wstring title;
    unsigned seed = 0;
    bool close_up = false;  // toggled by F11
    HWND frame = nullptr;
    HWND window = nullptr;
  };
  struct Drag {
    bool active = false;
    bool moved = false;
    int from_x = 0;
    ChartPlace from;
  };

  LRESULT area_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT frame_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT chart_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // The replayed chart's mouse: true when the message was taken.
  bool navigate(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  Chart* chart_of(HWND hwnd) const;
  Chart* chart_by_number(int number) const;
  int number_of(const Chart& chart) const;
  void raise(Chart& chart);
  void cascade();
  void on_f11(Chart& chart);
  std::size_t bars_shown() const;

  UniqueBrush background_;
  HWND area_ = nullptr;
  int count_;
  std::array<std::unique_ptr<Chart>, kMostCharts> charts_;
  News news_;
  CloseRequest close_request_;
  std::wstring note_;
  const practice::Tester* replay_ = nullptr;
  ChartPlace place_;
  Drag drag_;
  int f11_count_ = 0;
};

}  // namespace pelmora::sim_terminal
