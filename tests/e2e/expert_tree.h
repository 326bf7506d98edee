// A terminal's window tree made in this process, as an expert makes it (main window, chart area,
// chart frame titled "EURUSD,M5", chart), and a program started over it with the chart's handle,
// as the expert starts the panel. Waits run this thread's messages, so the program can reach
// the tree while the caller waits for it.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace pelmora::e2e {

class ExpertTree {
 public:
  // Makes and shows the windows; made() tells whether it worked. With `take_keyboard` the main
  // window is brought to the front, as the link contract asks of an expert, and is brought there
  // again as the title is emptied. Without a window manager Wine then takes about 2 s to destroy
  // it, so tests that need no keyboard leave it.
  explicit ExpertTree(bool take_keyboard = false);
  ExpertTree(const ExpertTree&) = delete;
  ExpertTree& operator=(const ExpertTree&) = delete;
  // Ends a started program that is still running, then destroys the windows.
  ~ExpertTree();

  bool made() const { return chart_ != nullptr; }
  HWND main() const { return main_; }
  HWND area() const { return area_; }
  HWND frame() const { return frame_; }
  HWND chart() const { return chart_; }
  // The chart's handle as the program's parameter.
  std::wstring parameter() const;

  // Starts `program` with the parameter; false when it cannot be started.
  bool start(const std::wstring& program);
  HANDLE process() const { return process_.hProcess; }
  bool running() const;

  // Runs this thread's messages until `done` holds (true) or `timeout` passes (false), calling
  // `every_10ms` (when given) as an expert's timer would.
  bool pump_until(const std::function<bool()>& done, std::chrono::milliseconds timeout,
                  const std::function<void()>& every_10ms = {});
  // Closes the chart as an expert does: its frame's title emptied.
  void empty_title();
  // Destroys the windows now.
  void destroy();

 private:
  HWND main_ = nullptr;
  HWND area_ = nullptr;
  HWND frame_ = nullptr;
  HWND chart_ = nullptr;
  bool take_keyboard_;
  PROCESS_INFORMATION process_{};
};

}  // namespace pelmora::e2e
