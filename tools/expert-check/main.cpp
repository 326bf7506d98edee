// pelmora-expert-check: started by an expert in the panel's place (pelmora-expert-check.exe
// <chart>), it plays the panel's side of the link and writes, rule by rule, what the expert did
// to expert-check-report.txt beside itself; then it waits and ends as the panel would, when
// the chart frame's title is emptied or the chart window goes.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "chart_watch.h"
#include "check_window.h"
#include "link_watch.h"
#include "panel_side.h"
#include "pelmora/link.h"
#include "platform/win32/wide.h"
#include "pump.h"
#include "report.h"
#include "script.h"
#include "terminal/chart_windows.h"

namespace pelmora::expert_check {

namespace {

using platform::win32::to_utf8;
using platform::win32::to_wide;

constexpr wchar_t kReportName[] = L"expert-check-report.txt";

// To the standard output when the program has one (Wine gives it the caller's), and to the
// debugger's output either way.
void say(const std::string& line) {
  const std::string text = "pelmora-expert-check: " + line + "\n";
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out && out != INVALID_HANDLE_VALUE) {
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
  OutputDebugStringW(to_wide(text).c_str());
}

std::wstring report_path() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + kReportName;
}

// Whole or not at all: whoever waits for the report never reads half of it.
bool write_report(const std::wstring& path, const std::string& text) {
  const std::wstring part = path + L".part";
  FILE* file = _wfopen(part.c_str(), L"wb");
  if (!file) return false;
  const bool whole = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (std::fclose(file) != 0 || !whole) return false;
  return MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string heading(const std::string& parameter) {
  char when[32];
  const std::time_t now = std::time(nullptr);
  std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
  return "Pelmora expert check, parameter " + parameter + ", " + when;
}

std::string first_argument() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::string first = args && count > 1 ? to_utf8(args[1]) : std::string();
  LocalFree(args);
  return first;
}

int run(HINSTANCE instance) {
  const std::string parameter = first_argument();
  HWND chart = nullptr;
  try {
    chart = reinterpret_cast<HWND>(terminal::chart_window_of(parameter));
  } catch (const terminal::InvalidInteger& e) {
    say(std::string(e.what()) + "; start it as the panel: pelmora-expert-check.exe <chart handle>");
    return 2;
  }
  const ChartWatch chart_watch(chart);
  LinkWatch watch(Clock::now());
  auto window = CheckWindow::create(
      instance, ascii(PELMORA_CAPTION_PREFIX) + parameter, chart_watch.frame(),
      [&watch](int field, const std::string& text) { watch.expert_wrote(field, text); });
  if (!window) {
    say("cannot create the window");
    return 1;
  }
  if (chart_watch.area()) {
    window->place_over(chart_watch.area());
  } else {
    ShowWindow(window->window(), SW_SHOWNOACTIVATE);
  }
  PanelSide panel(*window, watch);
  Pump pump({.link_tick = [&panel] { panel.tick(); },
             .chart_watch = [&] { return chart_watch.ended(window->window()); }});
  Report report;
  Script({pump, panel, watch, *window, report}).run();
  const std::string took =
      "The checks took " + std::to_string(ms_between(watch.started(), Clock::now())) + " ms.";

  const std::wstring path = report_path();
  const auto publish = [&](const std::string& ending) {
    if (!write_report(path, report.text(heading(parameter), ending))) {
      say("cannot write the report " + to_utf8(path));
    }
  };
  if (!pump.ending()) {
    publish(took);
    say(report.summary() + "; report: " + to_utf8(path));
    window->show_line("Done: " + report.summary());
    pump.until_end();
    publish(took + "\r\nEnd: " + pump.end_reason() + ".");
  } else {
    publish(took + "\r\nEnd: " + pump.end_reason() + ".");
    say(report.summary() + "; report: " + to_utf8(path));
  }
  return 0;
}

}  // namespace

}  // namespace pelmora::expert_check

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return pelmora::expert_check::run(instance);
}
