// The substitute terminal: a stand-in for the trading terminal that starts the panel over its
// first chart as the terminal-side expert does, and that test drivers can steer.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "control_client.h"
#include "control_command.h"
#include "control_protocol.h"
#include "expert.h"
#include "history_load.h"
#include "log.h"
#include "options.h"
#include "panel_observation.h"
#include "panel_process.h"
#include "platform/win32/wide.h"
#include "practice/date_time_text.h"
#include "practice/history.h"
#include "practice/instrument.h"
#include "practice/number_text.h"
#include "practice/tester.h"
#include "run_files.h"
#include "startup_probe.h"
#include "terminal.h"

namespace pelmora::sim_terminal {

namespace {

using platform::win32::to_utf8;
using platform::win32::to_wide;

std::vector<std::wstring> program_arguments() {
  int count = 0;
  LPWSTR* raw = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; raw && i < count; ++i) args.emplace_back(raw[i]);
  LocalFree(raw);
  return args;
}

// The history to replay with its instrument settled: the user's file, or the bundled series
// (`bars` long, or its usual length for 0); nothing (the reason on the standard error stream)
// when the file cannot be read or is not a history.
std::optional<practice::History> load_history(HINSTANCE instance, const Options& options) {
  std::optional<practice::History> history;
  std::string file_name;
  if (options.history_path.empty()) {
    history = practice::generate_history(practice::kBundledSeed,
                                         options.bars > 0 ? options.bars : practice::kBundledBars);
  } else {
    std::wstring error;
    history = load_history_file(instance, options.history_path, options.instrument.digits, &error);
    if (!history) {
      log_line(error);
      return std::nullopt;
    }
    file_name = to_utf8(std::filesystem::path(options.history_path).filename().wstring());
  }
  practice::settle_instrument(*history, options.instrument, file_name);
  return history;
}

// The bar a --from date starts the test at: the first at or after it; nothing (said on the
// standard error stream) when the history ends before it.
std::optional<std::size_t> first_bar(const practice::History& history, const std::string& from) {
  if (from.empty()) return 0;
  const std::int64_t time = practice::parse_date_time(from).value_or(0);
  const auto& bars = history.bars;
  const auto at =
      std::lower_bound(bars.begin(), bars.end(), time,
                       [](const practice::Bar& bar, std::int64_t t) { return bar.time < t; });
  if (at == bars.end()) {
    log_line(L"--from " + to_wide(from) + L" is after the history's last bar (" +
             to_wide(practice::time_text(bars.back().time)) + L")");
    return std::nullopt;
  }
  return static_cast<std::size_t>(at - bars.begin());
}

// Driver mode: one command to the running terminal; the reply on standard output.
int send_to_running_terminal(const std::wstring& command) {
  HWND terminal = find_terminal(0);
  if (!terminal) {
    log_line(L"no substitute terminal is running");
    return 1;
  }
  const std::string line = to_utf8(command);
  const auto reply = send_command(terminal, line, 5000);
  if (!reply) {
    log_line(L"the terminal did not answer");
    return 1;
  }
  print_line(std::to_wstring(*reply));
  // A value of 0 is an answer; only a command that does one thing can be refused.
  const auto parsed = parse_command(line);
  if (parsed && answers_a_value(parsed->kind)) return 0;
  return *reply == kReplyRefused ? 1 : 0;
}

// Everything one run of the terminal owns. Members go in reverse order: the expert stops first,
// then the probe, the windows go next, and the panel is waited for last.
struct Session {
  Session(practice::History history, std::size_t first_bar, double deposit)
      : tester(std::move(history), first_bar, deposit) {}
  practice::Tester tester;  // the terminal's windows show it and feed it time
  PanelProcess panel;
  std::unique_ptr<Terminal> terminal;
  std::unique_ptr<StartupProbe> probe;
  std::unique_ptr<Expert> expert;  // trades the test through the panel's fields
};

// What the terminal does with the start-up probe's news: show it, and act on the options.
void follow_startup(Terminal& terminal, const Options& options) {
  terminal.set_on_panel_placed([&terminal, &options](bool placed, int ms) {
    terminal.set_status(placed ? L"Панель над графиком через " + std::to_wstring(ms) + L" мс"
                               : L"Панель не встала над графиком");
    if (options.quit_after_ms >= 0) terminal.quit_after(options.quit_after_ms);
  });
}

void start_panel(Session& session, const Options& options) {
  Terminal& terminal = *session.terminal;
  const std::wstring parameter = chart_parameter(terminal.chart(1));
  const std::wstring program = options.panel_path.empty()
                                   ? (program_folder() / L"pelmora.exe").wstring()
                                   : options.panel_path;
  const auto started = std::chrono::steady_clock::now();
  std::wstring error;
  if (!session.panel.start(program, parameter, &error)) {
    log_line(error);
    terminal.set_status(error);
    if (options.quit_after_ms >= 0) terminal.quit_after(options.quit_after_ms);
    return;
  }
  terminal.watch_panel(&session.panel);
  follow_startup(terminal, options);
  session.probe = std::make_unique<StartupProbe>(
      StartupProbe::Target{panel_caption(parameter), terminal.chart_frame(1), terminal.chart_area(),
                           terminal.main_window(), session.panel.handle()},
      started,
      StartupProbe::Report{options.report_path, terminal.main_window(),
                           Terminal::kPanelPlacedMessage});
}

int run(HINSTANCE instance, const Options& options) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  auto history = load_history(instance, options);
  if (!history) return 2;  // a bad history starts nothing
  const auto first = first_bar(*history, options.from);
  if (!first) return 2;
  const std::filesystem::path folder = files_folder(options.journal_dir);
  // Made before it is named: Wine gives the host's path only of a folder that exists.
  std::error_code not_made;  // shows when the journal opens its file
  std::filesystem::create_directories(folder, not_made);
  log_line(L"journals, trades and equity curves go to " + folder_for_people(folder));
  Session session(std::move(*history), *first, options.deposit);
  session.terminal =
      Terminal::create(instance, {options.placement, session.tester, folder, options.charts});
  if (!session.terminal) {
    log_line(L"cannot create the terminal's windows");
    return 1;
  }
  Terminal& terminal = *session.terminal;
  if (options.tarsel && !terminal.create_tarsel()) log_line(L"cannot create the Tarsel window");
  if (options.start_panel) {
    start_panel(session, options);
  } else if (options.quit_after_ms >= 0) {
    terminal.quit_after(options.quit_after_ms);
  }
  // Also without a panel of its own: the expert waits for one started by hand for this chart.
  if (options.expert) {
    session.expert = Expert::create(instance, panel_caption(chart_parameter(terminal.chart(1))),
                                    terminal.tester(), terminal.journal());
    if (!session.expert) log_line(L"cannot start the expert");
  }
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (terminal.pre_translate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

}  // namespace pelmora::sim_terminal

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace pelmora::sim_terminal;
  const ParsedOptions parsed = parse_options(program_arguments());
  if (!parsed.error.empty()) {
    log_line(parsed.error);
    log_line(kUsage);
    return 2;
  }
  const Options& options = parsed.options;
  if (options.help) {
    print_line(kUsage);
    return 0;
  }
  if (!options.send.empty()) return send_to_running_terminal(options.send);
  return run(instance, options);
}
