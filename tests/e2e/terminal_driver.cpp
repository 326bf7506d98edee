// The driver reads windows only through calls that cannot hang on a busy peer (rectangles,
// visibility, captions) or with a bounded wait (messages).
#include "terminal_driver.h"

#include <thread>

#include "control_client.h"
#include "control_protocol.h"
#include "panel_observation.h"
#include "win32/relative_program.h"

namespace pelmora::e2e {

namespace sim = pelmora::sim_terminal;

namespace {

HWND child_of_class(HWND parent, const wchar_t* window_class, const wchar_t* text = nullptr) {
  return FindWindowExW(parent, nullptr, window_class, text);
}

}  // namespace

std::wstring terminal_program() {
  return win32_test::program_beside_this_one(PELMORA_SIM_TERMINAL_RELATIVE);
}

std::wstring panel_program() {
  const std::wstring terminal = terminal_program();
  const std::wstring beside = terminal.substr(0, terminal.find_last_of(L'\\') + 1) + L"pelmora.exe";
  std::wstring full(MAX_PATH, L'\0');
  full.resize(
      GetFullPathNameW(beside.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full;
}

bool wait_until(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
                std::chrono::milliseconds poll) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(poll);
  }
  return true;
}

std::optional<std::wstring> window_text(HWND window, UINT timeout_ms) {
  wchar_t buffer[3000] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 3000, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK,
                           timeout_ms, &copied)) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

TerminalRun::TerminalRun(const std::vector<std::wstring>& options, ExpertSide expert) {
  const std::wstring program = terminal_program();
  std::wstring command_line = L"\"" + program + L"\"";
  // Two experts on one link would each take the other's commands.
  if (expert == ExpertSide::caller) command_line += L" --no-expert";
  command_line += L" --journal-dir \"" + journal_.path().wstring() + L"\"";
  // A second chart for the tests of another chart in front of the panel's; a caller's own
  // --charts comes later and wins.
  command_line += L" --charts 2";
  for (const auto& option : options) command_line += L" " + option;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &terminal_)) {
    return;
  }
  // The main window exists a moment before its children: wait for the whole tree.
  const bool found = wait_until([this] { return find_windows(); });
  if (!found) main_ = nullptr;
}

bool TerminalRun::find_windows() {
  main_ = sim::find_terminal(terminal_.dwProcessId);
  area_ = child_of_class(main_, sim::kChartAreaClass);
  // The first chart starts in front: the first frame in z-order.
  HWND after = nullptr;
  for (size_t i = 0; i < frames_.size(); ++i) {
    frames_[i] = after =
        area_ ? FindWindowExW(area_, after, sim::kChartFrameClass, nullptr) : nullptr;
    charts_[i] = child_of_class(frames_[i], sim::kChartClass);
  }
  parameter_ = sim::chart_parameter(charts_[0]);
  // The tester bar is made after every chart.
  return main_ && area_ && charts_[0] && child_of_class(main_, sim::kTesterBarClass);
}

TerminalRun::~TerminalRun() {
  // The panel outlives a closed terminal by design (nothing in front tells it the chart is
  // gone), so it is ended first rather than waited for; a terminal that lingers after "quit"
  // is ended too.
  const auto end = [](HANDLE process, DWORD patience) {
    if (WaitForSingleObject(process, patience) == WAIT_OBJECT_0) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
  };
  if (main_ && panel_process()) end(panel_, 0);
  if (panel_) CloseHandle(panel_);
  if (!terminal_.hProcess) return;
  if (main_) send("quit", 2000);
  end(terminal_.hProcess, 10000);
  CloseHandle(terminal_.hProcess);
  CloseHandle(terminal_.hThread);
}

std::optional<LRESULT> TerminalRun::send(std::string_view command, UINT timeout_ms) {
  return sim::send_command(main_, command, timeout_ms);
}

HWND TerminalRun::panel_window() const {
  if (parameter_.empty()) return nullptr;
  return FindWindowW(nullptr, sim::panel_caption(parameter_).c_str());
}

HANDLE TerminalRun::panel_process() {
  if (panel_) return panel_;
  const auto pid = send("panel-pid");
  if (!pid || *pid <= 0) return nullptr;
  // The terminal keeps its handle to the panel, so the id stays valid after the panel ends.
  panel_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                       static_cast<DWORD>(*pid));
  return panel_;
}

RECT TerminalRun::expected_panel_rect() const {
  RECT area{}, terminal{};
  GetWindowRect(area_, &area);
  GetWindowRect(main_, &terminal);
  return sim::expected_panel_rect(area, terminal);
}

bool TerminalRun::panel_placed() const {
  HWND panel = panel_window();
  RECT actual{};
  if (!panel || !IsWindowVisible(panel) || !GetWindowRect(panel, &actual)) return false;
  const RECT expected = expected_panel_rect();
  return EqualRect(&actual, &expected) != FALSE;
}

std::wstring TerminalRun::describe() const {
  RECT panel{}, area{}, expected = expected_panel_rect();
  GetWindowRect(panel_window(), &panel);
  GetWindowRect(area_, &area);
  wchar_t foreground[64] = {};
  GetClassNameW(GetForegroundWindow(), foreground, 64);
  std::wstring text = panel_visible() ? L"panel shown at" : L"panel hidden or missing at";
  for (const RECT* r : {&panel, &expected, &area}) {
    text += (r == &expected ? L", expected"
             : r == &area   ? L", chart area"
                            : L"") +
            std::wstring(L" ") + std::to_wstring(r->left) + L"," + std::to_wstring(r->top) + L"-" +
            std::to_wstring(r->right) + L"," + std::to_wstring(r->bottom);
  }
  return text + L", terminal " + (IsIconic(main_) ? L"minimised" : L"normal") +
         L", foreground class " + foreground;
}

}  // namespace pelmora::e2e
