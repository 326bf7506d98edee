// The Win32 terminal windows on real window trees: the depth-first search and the tester's
// controls by z-order, long and Cyrillic texts, a vanished window, and a window whose thread
// stops pumping messages (its text reads as empty and a click on it comes back).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "platform/win32/terminal_windows.h"
#include "platform/win32/unique_window.h"
#include "terminal/chart_windows.h"
#include "terminal/find_window_by_text.h"
#include "terminal/window_text.h"

namespace pelmora::platform::win32 {
namespace {

using terminal::FindWindowByText;
using terminal::GetWindowTextOf;

WindowRef ref(HWND hwnd) {
  return reinterpret_cast<WindowRef>(hwnd);
}

// A window of the given class, children kept in creation order from the top of the z-order.
HWND make(HWND parent, const wchar_t* text, const wchar_t* window_class = L"STATIC") {
  const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPED;
  HWND hwnd = CreateWindowExW(0, window_class, text, style, 10, 20, 300, 200, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (parent) SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return hwnd;
}

TEST(Win32TerminalWindows, FindsTheNestedDescendantBeforeALaterSibling) {
  UniqueWindow root(make(nullptr, L"Pelmora tree test"));
  HWND first = make(root.get(), L"bar");
  HWND inner = make(first, L"");
  HWND nested = make(inner, L"Стоп");
  make(root.get(), L"Стоп");
  Win32TerminalWindows windows;
  EXPECT_EQ(windows.first_child(ref(root.get())), ref(first));
  EXPECT_EQ(FindWindowByText(windows, ref(root.get()), "Стоп"), ref(nested));
  EXPECT_EQ(FindWindowByText(windows, ref(root.get()), "стоп"), kNoWindow);
  EXPECT_EQ(windows.find_top_level("Pelmora tree test"), ref(root.get()));
  EXPECT_EQ(windows.parent(ref(root.get())), kNoWindow);  // the desktop is no parent
  EXPECT_EQ(windows.parent(ref(nested)), ref(inner));
}

TEST(Win32TerminalWindows, FindsTheTesterControlsByPreviousSiblingSteps) {
  UniqueWindow main(make(nullptr, L"Terminal"));
  HWND bar = make(main.get(), L"");
  HWND slider = make(bar, L"", L"BUTTON");
  HWND pause = make(bar, L"| |", L"BUTTON");
  make(bar, L"", L"BUTTON");
  make(bar, L"", L"BUTTON");
  HWND stop = make(bar, L"Стоп", L"BUTTON");
  Win32TerminalWindows windows;
  const terminal::TesterControls found = terminal::find_tester_controls(windows, ref(main.get()));
  EXPECT_EQ(found.stop, ref(stop));
  EXPECT_EQ(found.pause, ref(pause));
  EXPECT_EQ(found.slider, ref(slider));
  EXPECT_EQ(GetWindowTextOf(windows, found.pause), "| |");
}

TEST(Win32TerminalWindows, AVeryLongTextIsCutToTheBuffer) {
  UniqueWindow window(make(nullptr, L""));
  SetWindowTextW(window.get(), std::wstring(100000, L'ж').c_str());
  Win32TerminalWindows windows;
  std::string expected;
  for (int i = 0; i < terminal::kWindowTextBufferChars - 1; ++i) expected += "ж";
  EXPECT_EQ(GetWindowTextOf(windows, ref(window.get())), expected);
  EXPECT_EQ(windows.text(ref(window.get()), 3), "жжж");
}

TEST(Win32TerminalWindows, AVanishedWindowIsNone) {
  HWND parent = make(nullptr, L"parent");
  HWND child = make(parent, L"Стоп", L"BUTTON");
  DestroyWindow(parent);
  Win32TerminalWindows windows;
  for (HWND gone : {parent, child}) {
    EXPECT_FALSE(windows.exists(ref(gone)));
    EXPECT_EQ(windows.read_text(ref(gone), 100), std::string());
    EXPECT_EQ(windows.parent(ref(gone)), kNoWindow);
    EXPECT_EQ(windows.first_child(ref(gone)), kNoWindow);
    EXPECT_EQ(windows.previous_sibling(ref(gone)), kNoWindow);
    EXPECT_EQ(windows.rect(ref(gone)), ScreenRect{});
    EXPECT_FALSE(windows.is_minimised(ref(gone)));
    windows.click(ref(gone));
    windows.post_key(ref(gone), VK_END);
  }
  EXPECT_EQ(terminal::chart_chain(windows, ref(child)).main, kNoWindow);
}

// A window whose thread stops answering: created on a second thread that then blocks.
class HungWindow {
 public:
  HungWindow() {
    thread_ = std::thread([this] {
      window_ = make(nullptr, L"hung window");
      button_ = make(window_, L"Стоп", L"BUTTON");
      SetEvent(ready_);
      WaitForSingleObject(release_, INFINITE);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready_, INFINITE);
  }
  ~HungWindow() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  HWND window() const { return window_; }
  HWND button() const { return button_; }

 private:
  HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND window_ = nullptr;
  HWND button_ = nullptr;
  std::thread thread_;
};

TEST(Win32TerminalWindows, AWindowThatStopsAnsweringReadsEmptyAndClicksComeBack) {
  HungWindow hung;
  Win32TerminalWindows windows({.text_ms = 200, .click_ms = 500, .quiet_ms = 60000});
  EXPECT_EQ(windows.read_text(ref(hung.window()), 100), std::nullopt);
  EXPECT_EQ(GetWindowTextOf(windows, ref(hung.window())), "");
  // Its place in the tree is still known without asking it anything.
  EXPECT_EQ(windows.parent(ref(hung.button())), ref(hung.window()));
  EXPECT_EQ(FindWindowByText(windows, ref(hung.window()), "Стоп"), kNoWindow);
  windows.click(ref(hung.button()));

  Win32TerminalWindows fresh({.text_ms = 200, .click_ms = 500, .quiet_ms = 60000});
  fresh.click(ref(hung.button()));  // a bounded wait of its own, not the quiet spell
  EXPECT_EQ(fresh.read_text(ref(hung.button()), 100), std::nullopt);
}

}  // namespace
}  // namespace pelmora::platform::win32
