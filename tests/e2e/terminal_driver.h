// Drives one substitute terminal for the end-to-end tests: starts sim-terminal.exe (which starts
// the panel), finds the windows with plain Win32 calls, sends control commands, and reads the
// panel's state only from outside (window positions, visibility, process state).
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scratch_folder.h"

namespace pelmora::e2e {

using namespace std::chrono_literals;

// Polls `condition` every `poll` until it holds or `timeout` passes; true when it held. The
// timeouts are generous: nothing here measures speed.
bool wait_until(const std::function<bool()>& condition,
                std::chrono::milliseconds timeout = std::chrono::seconds(20),
                std::chrono::milliseconds poll = std::chrono::milliseconds(20));

// The text of a window of another process, asked with WM_GETTEXT as the panel asks; nothing
// when the window does not answer within `timeout_ms`.
std::optional<std::wstring> window_text(HWND window, UINT timeout_ms = 2000);

// A process's exit code; STILL_ACTIVE while it runs.
inline DWORD exit_code(HANDLE process) {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

// Whether a window's thread handles a message within `timeout_ms`.
inline bool answers(HWND window, UINT timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, timeout_ms, &result) != 0;
}

// sim-terminal.exe, found from this test program's own place in the build tree.
std::wstring terminal_program();
// The full path of the panel program that sim-terminal.exe starts: pelmora.exe beside it.
std::wstring panel_program();

// Who answers the panel's commands: the caller playing the expert through the exchange fields,
// or the terminal's own expert trading its replayed test.
enum class ExpertSide { caller, terminal };

class TerminalRun {
 public:
  // Starts sim-terminal.exe with two charts and these extra options; started() tells whether
  // its windows were found. Its journal and trades files go to a scratch folder of this run
  // (journal()), removed at the end.
  explicit TerminalRun(const std::vector<std::wstring>& options = {},
                       ExpertSide expert = ExpertSide::caller);
  TerminalRun(const TerminalRun&) = delete;
  TerminalRun& operator=(const TerminalRun&) = delete;
  // Ends the panel, then asks the terminal to quit and ends it if it lingers.
  ~TerminalRun();

  bool started() const { return main_ != nullptr; }
  HWND main() const { return main_; }
  HWND chart(int number) const { return charts_[static_cast<size_t>(number - 1)]; }
  const std::wstring& parameter() const { return parameter_; }
  const ScratchFolder& journal() const { return journal_; }

  // Sends a control command; nothing when the terminal did not answer.
  std::optional<LRESULT> send(std::string_view command, UINT timeout_ms = 5000);

  // The panel's top-level window, found by its caption "Pelmora" + parameter.
  HWND panel_window() const;
  // The panel process, opened by the id the terminal reports; null before it is known.
  HANDLE panel_process();
  bool panel_running() { return panel_process() && WaitForSingleObject(panel_, 0) == WAIT_TIMEOUT; }
  // Where the panel belongs now, from the chart area and main window rectangles.
  RECT expected_panel_rect() const;
  bool panel_placed() const;
  // Waits for the panel to lie over the chart, with nobody touching the keyboard.
  bool wait_placed() {
    return wait_until([this] { return panel_placed(); });
  }
  // Started and placed; otherwise says so on the error stream with the windows' account.
  bool ready_or_say() {
    if (started() && wait_placed()) return true;
    std::fprintf(stderr, "the panel did not come over the chart: %ls\n", describe().c_str());
    return false;
  }
  bool panel_visible() const { return IsWindowVisible(panel_window()) != FALSE; }
  // A one-line account of the windows, for failure messages.
  std::wstring describe() const;

 private:
  bool find_windows();

  ScratchFolder journal_{L"pelmora-journal-"};  // first, so that it goes after the terminal
  PROCESS_INFORMATION terminal_{};
  HANDLE panel_ = nullptr;
  HWND main_ = nullptr;
  HWND area_ = nullptr;
  std::vector<HWND> frames_{nullptr, nullptr};
  std::vector<HWND> charts_{nullptr, nullptr};
  std::wstring parameter_;
};

}  // namespace pelmora::e2e
