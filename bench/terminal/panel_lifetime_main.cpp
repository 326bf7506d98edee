// The panel's start and end as an expert sees them, for make bench and the link contract's
// figures: over a window tree made as the contract says, from the panel's process being started
// to its six fields being found and to its window lying over the chart area, and from the chart
// frame's title being emptied to the panel's window being gone and to its process having ended.
// The floor, in the same run: a bare window program's window found after its start, and gone
// and ended after it is closed. Prints markdown table rows; nothing is asserted.
// Usage: pelmora_panel_lifetime [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "expert_tree.h"
#include "panel_observation.h"
#include "pelmora/link.h"
#include "terminal_driver.h"
#include "win32/relative_program.h"

namespace pelmora::e2e {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kBound = 30s;

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
  std::vector<double> found, placed, gone, ended;
};

std::string summary(std::vector<double> ms) {
  if (ms.empty()) return "-";
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  char text[96];
  std::snprintf(text, sizeof text, "%.0f ms (%.0f-%.0f)", median, ms.front(), ms.back());
  return text;
}

bool all_fields(HWND panel) {
  for (int id = PELMORA_FIRST_FIELD; id < PELMORA_FIRST_FIELD + PELMORA_FIELD_COUNT; ++id) {
    if (!GetDlgItem(panel, id)) return false;
  }
  return true;
}

bool over_chart(HWND panel, const ExpertTree& tree) {
  RECT actual{}, area{}, main{};
  if (!IsWindowVisible(panel) || !GetWindowRect(panel, &actual) ||
      !GetWindowRect(tree.area(), &area) || !GetWindowRect(tree.main(), &main)) {
    return false;
  }
  const RECT expected = sim_terminal::expected_panel_rect(area, main);
  return EqualRect(&actual, &expected) != FALSE;
}

// One start and end of the panel; false when a step did not come within the bound.
bool panel_once(const std::wstring& program, Figures& f) {
  ExpertTree tree(true);
  const auto started = Clock::now();
  if (!tree.made() || !tree.start(program)) return false;
  HWND panel = nullptr;
  if (!tree.pump_until(
          [&] {
            return (panel = pelmora_find_panel(tree.parameter().c_str())) && all_fields(panel);
          },
          kBound)) {
    return false;
  }
  f.found.push_back(ms_since(started));
  if (!tree.pump_until([&] { return over_chart(panel, tree); }, kBound)) return false;
  f.placed.push_back(ms_since(started));
  const auto emptied = Clock::now();
  tree.empty_title();
  if (!tree.pump_until([&] { return !IsWindow(panel); }, kBound)) return false;
  f.gone.push_back(ms_since(emptied));
  if (!tree.pump_until([&] { return !tree.running(); }, kBound)) return false;
  f.ended.push_back(ms_since(emptied));
  return true;
}

HWND window_of_process(DWORD pid, const wchar_t* window_class) {
  struct Search {
    DWORD pid;
    const wchar_t* window_class;
    HWND found;
  } search{pid, window_class, nullptr};
  EnumWindows(
      [](HWND window, LPARAM lparam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lparam);
        DWORD owner = 0;
        wchar_t name[64] = {};
        GetWindowThreadProcessId(window, &owner);
        GetClassNameW(window, name, 64);
        if (owner != s->pid || std::wstring(name) != s->window_class) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The floor: the bare timer program started, its window found, then closed. Its "ready" goes
// nowhere: standard output carries the table alone.
bool floor_once(const std::wstring& program, Figures& f) {
  std::wstring command_line = L"\"" + program + L"\" 60";
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE nowhere =
      CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = nowhere;
  PROCESS_INFORMATION process{};
  const auto started = Clock::now();
  const bool made = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0,
                                   nullptr, nullptr, &startup, &process);
  if (nowhere != INVALID_HANDLE_VALUE) CloseHandle(nowhere);
  if (!made) return false;
  HWND window = nullptr;
  bool ok = wait_until(
      [&] { return (window = window_of_process(process.dwProcessId, L"PelmoraBareTimer")); },
      kBound, 1ms);
  if (ok) {
    f.found.push_back(ms_since(started));
    const auto closed = Clock::now();
    PostMessageW(window, WM_CLOSE, 0, 0);
    ok = wait_until([&] { return !IsWindow(window); }, kBound, 1ms);
    if (ok) f.gone.push_back(ms_since(closed));
    ok = ok && WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (ok) f.ended.push_back(ms_since(closed));
  }
  if (!ok) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

int run(int runs) {
  const std::wstring panel = panel_program();
  const std::wstring bare = win32_test::program_beside_this_one(PELMORA_BARE_TIMER_RELATIVE);
  Figures warm_up, panel_figures, floor_figures;
  // The first start in a Wine session loads more from disk; it is not counted.
  panel_once(panel, warm_up);
  floor_once(bare, warm_up);
  int lost = 0;
  for (int i = 0; i < runs; ++i) {
    if (!panel_once(panel, panel_figures)) ++lost;
    if (!floor_once(bare, floor_figures)) ++lost;
  }
  if (lost) std::fprintf(stderr, "panel lifetime: %d of %d runs did not finish\n", lost, 2 * runs);
  const std::string n = std::to_string(runs);
  std::printf(
      "| panel start: six fields found, median (range) of %s | %s | bare window found %s |\n",
      n.c_str(), summary(panel_figures.found).c_str(), summary(floor_figures.found).c_str());
  std::printf(
      "| panel start: over the chart area, median (range) of %s | %s | bare window found %s |\n",
      n.c_str(), summary(panel_figures.placed).c_str(), summary(floor_figures.found).c_str());
  std::printf(
      "| panel end after the title is emptied: window gone, median (range) of %s | %s | "
      "bare window gone after WM_CLOSE %s |\n",
      n.c_str(), summary(panel_figures.gone).c_str(), summary(floor_figures.gone).c_str());
  std::printf(
      "| panel end after the title is emptied: process ended, median (range) of %s | %s | "
      "bare process ended after WM_CLOSE %s |\n",
      n.c_str(), summary(panel_figures.ended).c_str(), summary(floor_figures.ended).c_str());
  return lost == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  return pelmora::e2e::run(runs);
}
