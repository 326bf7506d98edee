// The terminal main window: the chart area, the tester bar, the journal and a status line. It
// replays the test on its first chart, answers the control channel (control_protocol.h) and
// shows whether the panel still runs. Closing it, or the panel's chart, empties the chart's
// title and keeps the windows until the panel has ended, as the link contract asks.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "chart_area.h"
#include "control_command.h"
#include "handles.h"
#include "journal.h"
#include "replay_run.h"
#include "run_files.h"
#include "summary_pane.h"
#include "tester_bar.h"

namespace pelmora::sim_terminal {

class PanelProcess;

class Terminal {
 public:
  // Posted to the main window by the start-up probe (startup_probe.h).
  static constexpr UINT kPanelPlacedMessage = WM_APP + 2;
  // How long a closing waits for the panel to end before the windows go anyway.
  static constexpr auto kPanelEndWait = std::chrono::seconds(5);

  struct Setup {
    RECT placement;                // of the main window, screen coordinates
    practice::Tester& tester;      // the test to replay; held, it outlives the terminal
    std::filesystem::path folder;  // where each test's journal, trades and curve go
    int charts = 1;                // 1, or 2 with a second chart behind the first
  };

  // Creates and shows the main window and brings it to the front, and starts the test;
  // nothing when a window cannot be created.
  static std::unique_ptr<Terminal> create(HINSTANCE instance, const Setup& setup);
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;
  ~Terminal();

  HWND main_window() const { return main_.get(); }
  HWND chart_area() const { return area_ ? area_->window() : nullptr; }
  HWND chart_frame(int number) const { return area_ ? area_->frame(number) : nullptr; }
  HWND chart(int number) const { return area_ ? area_->chart(number) : nullptr; }
  // For the expert inside the terminal: the test it trades in, and the journal it writes to.
  practice::Tester& tester() const { return *tester_; }
  Journal& journal() const { return *journal_; }

  // The panel whose state the status line and the control channel report; held, not owned.
  void watch_panel(const PanelProcess* panel);
  // The hidden top-level window captioned "Tarsel" + the panel's parameter.
  bool create_tarsel();
  // The status line's left part: news of the panel.
  void set_status(std::wstring_view text);
  // Handler of the start-up probe's news: the panel is placed over the chart (or is not, and
  // will not be).
  void set_on_panel_placed(std::function<void(bool placed, int ms)> handler);
  // Brings the terminal to the front with the keyboard, as a click on it would.
  bool activate();
  // Closes the terminal this long from now.
  void quit_after(int ms);
  // The terminal's own keys and the wheel over the chart, before the message is dispatched:
  // true when the message was taken (F12 steps a bar; the wheel goes to the chart under the
  // mouse, wherever the keyboard is).
  bool pre_translate(const MSG& message);

  // Runs one control command and gives the reply (control_protocol.h).
  LRESULT run(const Command& command);

 private:
  Terminal() = default;
  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT on_copy_data(const COPYDATASTRUCT& data);
  void layout();
  void check_panel();
  // A click or key the tester bar or a chart took: shown in the status line's right part, and
  // the charts' note follows the tester's state.
  void on_taken(std::wstring_view line);
  bool start_test(HINSTANCE instance);
  void new_test();
  void step_bar();
  // `window` (the main window or the panel's chart frame) goes once the panel has ended, or at
  // once without a running panel.
  void close_after_panel(HWND window);
  void on_close_timer();
  // The first chart's windows go now, and the test with them.
  void destroy_test_chart();
  // The test's figures for the control channel.
  LRESULT test_figure(CommandKind kind) const;

  UniqueWindow main_;
  std::unique_ptr<ChartArea> area_;
  std::unique_ptr<TesterBar> bar_;
  HWND journal_pane_ = nullptr;
  HWND status_ = nullptr;
  practice::Tester* tester_ = nullptr;
  std::filesystem::path folder_;
  std::unique_ptr<Journal> journal_;
  std::unique_ptr<SummaryPane> summary_;
  std::unique_ptr<ReplayRun> replay_;
  UniqueWindow tarsel_;
  std::wstring parameter_;  // the first chart's handle, as the panel gets it
  const PanelProcess* panel_ = nullptr;
  bool panel_end_reported_ = false;
  std::function<void(bool, int)> on_panel_placed_;
  HWND closing_ = nullptr;  // the window that goes once the panel has ended
  std::chrono::steady_clock::time_point closing_deadline_;
};

}  // namespace pelmora::sim_terminal
