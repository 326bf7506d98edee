// The tree's windows are of classes of their own, each filling its parent.
#include "expert_tree.h"

#include "pelmora/link.h"

namespace pelmora::e2e {

namespace {

constexpr wchar_t kMainClass[] = L"PelmoraTestExpertMain";
constexpr wchar_t kChildClass[] = L"PelmoraTestExpertChild";

bool register_classes() {
  WNDCLASSW c{};
  c.lpfnWndProc = DefWindowProcW;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
  for (const wchar_t* name : {kMainClass, kChildClass}) {
    c.lpszClassName = name;
    if (!RegisterClassW(&c) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  }
  return true;
}

HWND filling_child(HWND parent, const wchar_t* text, DWORD style) {
  RECT r{};
  GetClientRect(parent, &r);
  return CreateWindowExW(0, kChildClass, text, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, 0,
                         0, r.right, r.bottom, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

ExpertTree::ExpertTree(bool take_keyboard) : take_keyboard_(take_keyboard) {
  if (!register_classes()) return;
  // No caption: a window manager would manage it, and without one Wine waits about 2 s for it
  // when the window goes.
  main_ = CreateWindowExW(0, kMainClass, L"Test expert", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 60,
                          60, 900, 640, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!main_) return;
  area_ = filling_child(main_, L"", WS_BORDER);
  frame_ = area_ ? filling_child(area_, L"EURUSD,M5", WS_CAPTION) : nullptr;
  chart_ = frame_ ? filling_child(frame_, L"", 0) : nullptr;
  ShowWindow(main_, take_keyboard_ ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
  if (take_keyboard_) SetForegroundWindow(main_);
}

ExpertTree::~ExpertTree() {
  if (running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  if (process_.hProcess) CloseHandle(process_.hProcess);
  if (process_.hThread) CloseHandle(process_.hThread);
  destroy();
}

std::wstring ExpertTree::parameter() const {
  wchar_t text[16];
  pelmora_chart_parameter(chart_, text);
  return text;
}

bool ExpertTree::start(const std::wstring& program) {
  std::wstring command_line = L"\"" + program + L"\" " + parameter();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_) != 0;
}

bool ExpertTree::running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ExpertTree::pump_until(const std::function<bool()>& done, std::chrono::milliseconds timeout,
                            const std::function<void()>& every_10ms) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  auto next_tick = Clock::now();
  for (;;) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (every_10ms && Clock::now() >= next_tick) {
      next_tick = Clock::now() + std::chrono::milliseconds(10);
      every_10ms();
    }
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  }
}

void ExpertTree::empty_title() {
  SetWindowTextW(frame_, L"");
  if (take_keyboard_) SetForegroundWindow(main_);
}

void ExpertTree::destroy() {
  if (main_ && IsWindow(main_)) DestroyWindow(main_);
  main_ = area_ = frame_ = chart_ = nullptr;
}

}  // namespace pelmora::e2e
