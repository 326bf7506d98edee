// The terminal-window contract backend over real windows (Windows test program only): windows
// of a small class of our own that count the clicks and record the keys they handle, and a
// hung program played by a second thread that creates its windows and then stops pumping.
#ifdef _WIN32

#include <windows.h>

#include <map>
#include <memory>
#include <thread>
#include <utility>

#include "contract/terminal_backend.h"
#include "platform/win32/terminal_windows.h"
#include "platform/win32/unique_window.h"
#include "platform/win32/wide.h"
#include "win32/form_support.h"

namespace pelmora::contract {
namespace {

namespace win32 = platform::win32;
using platform::WindowRef;

constexpr wchar_t kClassName[] = L"PelmoraContractTerminalWindow";

HWND to_hwnd(WindowRef window) {
  return reinterpret_cast<HWND>(window);
}
WindowRef to_ref(HWND hwnd) {
  return reinterpret_cast<WindowRef>(hwnd);
}

// What the windows of this class handled; one per backend, reached through the user data.
// A key down is noted as its virtual key, a key up as the key's negative, and a key message
// that carried key data (it must not) as 0.
struct Received {
  std::map<HWND, int> clicks;
  std::map<HWND, std::vector<int>> keys;
};

LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* received = reinterpret_cast<Received*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (received) {
    switch (message) {
      case BM_CLICK:
        ++received->clicks[hwnd];
        return 0;
      case WM_KEYDOWN:
      case WM_KEYUP:
        received->keys[hwnd].push_back(
            lparam ? 0 : (message == WM_KEYUP ? -1 : 1) * static_cast<int>(wparam));
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void register_class() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = window_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);  // fails harmlessly when a previous backend registered it
}

HWND create(HWND parent, std::string_view text, platform::ScreenRect rect, Received* received) {
  POINT at{rect.left, rect.top};
  if (parent) ScreenToClient(parent, &at);  // child places are relative to the parent
  const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
  HWND hwnd =
      CreateWindowExW(parent ? 0 : WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName,
                      win32::to_wide(text).c_str(), style, at.x, at.y, rect.right - rect.left,
                      rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), received);
  if (parent) {
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  }
  return hwnd;
}

// A program that stops answering: a thread that creates its two windows and then blocks.
class HungProgram {
 public:
  HungProgram(std::string text, std::string child_text) {
    thread_ = std::thread([this, text, child_text] {
      window_ = create(nullptr, text, {0, 0, 50, 50}, nullptr);
      create(window_, child_text, {0, 0, 20, 20}, nullptr);
      SetEvent(ready_);
      WaitForSingleObject(release_, INFINITE);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready_, INFINITE);
  }
  ~HungProgram() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  HWND window() const { return window_; }

 private:
  HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND window_ = nullptr;
  std::thread thread_;
};

class Win32TerminalBackend final : public TerminalBackend {
 public:
  Win32TerminalBackend() { register_class(); }
  ~Win32TerminalBackend() override {
    top_levels_.clear();  // destroys the windows while `received_` still exists
  }

  platform::TerminalWindows& windows() override { return windows_; }
  WindowRef add_window(WindowRef parent, std::string_view text,
                       platform::ScreenRect rect) override {
    HWND hwnd = create(to_hwnd(parent), text, rect, &received_);
    if (parent == platform::kNoWindow) top_levels_.emplace_back(hwnd);
    return to_ref(hwnd);
  }
  void destroy(WindowRef window) override { DestroyWindow(to_hwnd(window)); }
  void bring_to_front(WindowRef window) override {
    SetWindowPos(to_hwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  void set_hidden(WindowRef window, bool hidden) override {
    ShowWindow(to_hwnd(window), hidden ? SW_HIDE : SW_SHOWNOACTIVATE);
  }
  void set_minimised(WindowRef window, bool minimised) override {
    ShowWindow(to_hwnd(window), minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
  }
  WindowRef add_hung_window(std::string_view text, std::string_view child_text) override {
    hung_.push_back(std::make_unique<HungProgram>(std::string(text), std::string(child_text)));
    return to_ref(hung_.back()->window());
  }
  int clicks(WindowRef window) override { return received_.clicks[to_hwnd(window)]; }
  std::vector<int> key_presses(WindowRef window) override {
    win32_test::pump_for(0);  // lets this thread handle what was posted to its windows
    std::vector<int> presses;
    const std::vector<int>& keys = received_.keys[to_hwnd(window)];
    for (size_t i = 0; i + 1 < keys.size(); i += 2) {
      presses.push_back(keys[i] > 0 && keys[i + 1] == -keys[i] ? keys[i] : -1);
    }
    return presses;
  }

 private:
  Received received_;
  // Shorter bounds than the program's, to keep the hung cases quick; the mechanism is the same.
  win32::Win32TerminalWindows windows_{{.text_ms = 200, .click_ms = 500, .quiet_ms = 2000}};
  std::vector<win32::UniqueWindow> top_levels_;
  std::vector<std::unique_ptr<HungProgram>> hung_;
};

}  // namespace

std::unique_ptr<TerminalBackend> make_terminal_backend() {
  return std::make_unique<Win32TerminalBackend>();
}

}  // namespace pelmora::contract

#endif  // _WIN32
