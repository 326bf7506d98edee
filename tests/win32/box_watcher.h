// A user on another thread who, while a test acts, reads each message box of this test program
// and presses OK on it, so that a box shown twice is counted rather than holding the run.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace pelmora::win32_test {

// What a person sees of a box: its text, whether an icon shows beside it (the system may keep a
// hidden or empty icon control when it shows none), and its buttons.
struct SeenBox {
  std::wstring text;
  bool icon = false;
  int buttons = 0;
};

class BoxWatcher {
 public:
  BoxWatcher() : thread_([this] { watch(); }) {}
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;
  ~BoxWatcher() { finish(); }

  // Stops watching: the boxes seen, oldest first.
  std::vector<SeenBox> finish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  void watch() {
    while (!stop_) {
      HWND box = FindWindowW(L"#32770", L"pelmora_win32_tests");  // titled with the program's name
      if (!box) {
        Sleep(5);
        continue;
      }
      Sleep(50);  // let it finish painting, as a person would
      seen_.push_back(read(box));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      while (IsWindow(box) && !stop_) Sleep(5);
    }
  }

  static SeenBox read(HWND box) {
    SeenBox seen;
    wchar_t text[400] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 400);  // the fixed identifier of a box's text
    seen.text = text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[32] = {};
      GetClassNameW(child, cls, 32);
      if (!IsWindowVisible(child)) continue;
      seen.icon |= lstrcmpiW(cls, L"Static") == 0 &&
                   (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                   SendMessageW(child, STM_GETICON, 0, 0) != 0;
      seen.buttons += lstrcmpiW(cls, L"Button") == 0;
    }
    return seen;
  }

  std::atomic<bool> stop_{false};
  std::vector<SeenBox> seen_;
  std::thread thread_;  // last, so it starts once the rest is ready
};

}  // namespace pelmora::win32_test
