// Reads only window positions, captions and visibility, which never wait for the windows'
// threads, so the probe cannot be held up by the panel or the terminal.
#include "startup_probe.h"

#include <cstdio>
#include <string>

#include "panel_observation.h"

namespace pelmora::sim_terminal {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUp = std::chrono::seconds(60);
constexpr DWORD kPollMs = 2;

bool placed(HWND panel, const StartupProbe::Target& target) {
  if (!IsWindowVisible(panel)) return false;
  RECT area{}, terminal{}, actual{};
  if (!GetWindowRect(target.chart_area, &area) || !GetWindowRect(target.terminal, &terminal) ||
      !GetWindowRect(panel, &actual)) {
    return false;
  }
  const RECT expected = expected_panel_rect(area, terminal);
  return EqualRect(&actual, &expected) != FALSE;
}

std::string figure(const char* name, Clock::duration elapsed) {
  char line[48];
  std::snprintf(line, sizeof line, "%s %.1f\n", name,
                std::chrono::duration<double, std::milli>(elapsed).count());
  return line;
}

LPARAM whole_ms(Clock::duration elapsed) {
  return static_cast<LPARAM>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void write_report(const std::wstring& path, const std::string& text) {
  if (path.empty()) return;
  FILE* file = _wfopen(path.c_str(), L"w");
  if (!file) return;
  std::fputs(text.c_str(), file);
  std::fclose(file);
}

void watch(std::stop_token stop, const StartupProbe::Target& target, Clock::time_point started,
           const StartupProbe::Report& report) {
  std::string figures;
  bool window_seen = false, attached = false;
  while (!stop.stop_requested()) {
    const auto elapsed = Clock::now() - started;
    HWND panel = FindWindowW(nullptr, target.caption.c_str());
    if (panel && !window_seen) {
      window_seen = true;
      figures += figure("window", elapsed);
    }
    if (panel && !attached && panel_attached(panel, target.chart_frame)) {
      attached = true;
      figures += figure("attached", elapsed);
    }
    if (panel && placed(panel, target)) {
      write_report(report.path, figures + figure("placed", elapsed));
      PostMessageW(report.notify, report.result_message, 1, whole_ms(elapsed));
      return;
    }
    if (elapsed > kGiveUp || WaitForSingleObject(target.panel_process, 0) == WAIT_OBJECT_0) {
      write_report(report.path, figures + "not placed\n");
      PostMessageW(report.notify, report.result_message, 0, whole_ms(elapsed));
      return;
    }
    Sleep(kPollMs);
  }
}

}  // namespace

StartupProbe::StartupProbe(Target target, Clock::time_point started, Report report)
    : watch_([target = std::move(target), started, report = std::move(report)](
                 std::stop_token stop) { watch(stop, target, started, report); }) {}

}  // namespace pelmora::sim_terminal
