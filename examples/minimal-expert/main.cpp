// A minimal terminal-side expert, written from docs/link-contract.md and the link header alone: it
// makes the window tree the panel expects (main window, chart area, chart frame, chart), starts the
// panel with its chart's handle, and then runs the link from a 10 ms timer in its message loop.
// Usage: minimal-expert [--panel <pelmora.exe>] [--out <file>]
//   --panel  the panel program; pelmora.exe beside this program when not given
//   --out    where each command taken goes, one line each; standard output when not given
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "expert.h"
#include "pelmora/link.h"

namespace minimal_expert {

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 10;
constexpr ULONGLONG kPanelEndMs = 5000;    // how long a closing expert waits for the panel
constexpr ULONGLONG kPanelFindMs = 30000;  // how long the panel's window may take to appear

struct Options {
  std::wstring panel;
  std::wstring out;
};

std::optional<Options> read_options() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  Options options;
  bool ok = true;
  for (int i = 1; args && i < count; i += 2) {
    const std::wstring name = args[i];
    if (i + 1 >= count || (name != L"--panel" && name != L"--out")) ok = false;
    if (!ok) break;
    (name == L"--panel" ? options.panel : options.out) = args[i + 1];
  }
  LocalFree(args);
  if (!ok) return std::nullopt;
  if (options.panel.empty()) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    options.panel = self;
    options.panel =
        options.panel.substr(0, options.panel.find_last_of(L"\\/") + 1) + L"pelmora.exe";
  }
  return options;
}

// The window tree, each level of its own class, so that it can be told apart from outside.
struct Tree {
  HWND main = nullptr;
  HWND area = nullptr;
  HWND frame = nullptr;
  HWND chart = nullptr;
};

// Everything the main window's procedure works on.
struct Session {
  Tree tree;
  std::unique_ptr<Expert> expert;
  PROCESS_INFORMATION panel{};
  ULONGLONG started = 0;
  ULONGLONG closing_since = 0;  // 0 while not closing
};

Session* session_of(HWND window) {
  return reinterpret_cast<Session*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void fill(HWND child, HWND parent) {
  RECT r{};
  GetClientRect(parent, &r);
  MoveWindow(child, 0, 0, r.right, r.bottom, TRUE);
}

// Closing: the chart frame's text goes empty, which the panel takes for a closed chart and
// ends at its next check; the windows go once it has, or once it was given enough time (a
// panel still running then ends by itself when it finds the chart window gone).
void poll_closing(Session& s) {
  const bool ended = !s.panel.hProcess || WaitForSingleObject(s.panel.hProcess, 0) == WAIT_OBJECT_0;
  if (!ended && GetTickCount64() - s.closing_since < kPanelEndMs) return;
  DestroyWindow(s.tree.main);
}

LRESULT CALLBACK main_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Session* s = session_of(window);
  if (!s) return DefWindowProcW(window, message, wparam, lparam);  // still being created
  switch (message) {
    case WM_SIZE:
      if (s->tree.area) {
        fill(s->tree.area, window);
        fill(s->tree.frame, s->tree.area);
        fill(s->tree.chart, s->tree.frame);
      }
      return 0;
    case WM_TIMER:
      if (s->closing_since) {
        poll_closing(*s);
      } else if (s->panel.hProcess && WaitForSingleObject(s->panel.hProcess, 0) == WAIT_OBJECT_0) {
        std::fputs("the panel has ended\n", stderr);
        DestroyWindow(window);
      } else if (!s->expert->poll() && GetTickCount64() - s->started > kPanelFindMs) {
        std::fputs("the panel's window did not appear\n", stderr);
        PostMessageW(window, WM_CLOSE, 0, 0);
      }
      return 0;
    case WM_CLOSE:
      if (!s->closing_since) {
        s->closing_since = GetTickCount64();
        SetWindowTextW(s->tree.frame, L"");
        SetForegroundWindow(window);  // the panel checks the chart while the terminal is in front
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

bool register_class(const wchar_t* name, WNDPROC proc, int colour) {
  WNDCLASSW c{};
  c.lpfnWndProc = proc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = GetSysColorBrush(colour);
  c.lpszClassName = name;
  return RegisterClassW(&c) != 0;
}

HWND child(const wchar_t* window_class, const wchar_t* text, DWORD style, HWND parent) {
  return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, 0,
                         0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The chart frame has a title, as long as the chart is open, and is the area's only child, so
// it is always in front.
std::optional<Tree> make_tree() {
  if (!register_class(L"MinimalExpertMain", main_proc, COLOR_BTNFACE) ||
      !register_class(L"MinimalExpertChartArea", DefWindowProcW, COLOR_APPWORKSPACE) ||
      !register_class(L"MinimalExpertChartFrame", DefWindowProcW, COLOR_BTNFACE) ||
      !register_class(L"MinimalExpertChart", DefWindowProcW, COLOR_WINDOW)) {
    return std::nullopt;
  }
  Tree t;
  t.main = CreateWindowExW(0, L"MinimalExpertMain", L"Minimal expert",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 60, 60, 900, 640, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  t.area = child(L"MinimalExpertChartArea", L"", WS_BORDER, t.main);
  t.frame = child(L"MinimalExpertChartFrame", L"EURUSD,M5", WS_CAPTION, t.area);
  t.chart = child(L"MinimalExpertChart", L"", 0, t.frame);
  if (!t.main || !t.area || !t.frame || !t.chart) return std::nullopt;
  return t;
}

std::wstring chart_parameter(HWND chart) {
  wchar_t text[16];
  pelmora_chart_parameter(chart, text);
  return text;
}

bool start_panel(const std::wstring& program, const std::wstring& parameter,
                 PROCESS_INFORMATION* panel) {
  std::wstring command_line = L"\"" + program + L"\" " + parameter;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, panel)) {
    return false;
  }
  CloseHandle(panel->hThread);
  panel->hThread = nullptr;
  return true;
}

int run(const Options& options) {
  std::FILE* out = options.out.empty() ? stdout : _wfopen(options.out.c_str(), L"w");
  if (!out) {
    std::fputs("cannot open the --out file\n", stderr);
    return 2;
  }
  Session s;
  const auto tree = make_tree();
  if (!tree) {
    std::fputs("cannot create the windows\n", stderr);
    return 1;
  }
  s.tree = *tree;
  SetWindowLongPtrW(s.tree.main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&s));
  SendMessageW(s.tree.main, WM_SIZE, 0, 0);  // lays the tree out
  ShowWindow(s.tree.main, SW_SHOWNORMAL);
  const std::wstring parameter = chart_parameter(s.tree.chart);
  s.expert = std::make_unique<Expert>(parameter, out);
  if (!start_panel(options.panel, parameter, &s.panel)) {
    std::fprintf(stderr, "cannot start the panel (error %lu)\n", GetLastError());
    DestroyWindow(s.tree.main);
    return 1;
  }
  s.started = GetTickCount64();
  // The panel follows the chart only while the terminal (or the panel) has the keyboard.
  SetForegroundWindow(s.tree.main);
  SetTimer(s.tree.main, kPollTimer, kPollMs, nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  CloseHandle(s.panel.hProcess);
  if (out != stdout) std::fclose(out);
  return 0;
}

}  // namespace

}  // namespace minimal_expert

int wmain() {
  const auto options = minimal_expert::read_options();
  if (!options) {
    std::fputs("usage: minimal-expert [--panel <pelmora.exe>] [--out <file>]\n", stderr);
    return 2;
  }
  return minimal_expert::run(*options);
}
