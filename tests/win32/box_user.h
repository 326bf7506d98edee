// A user on another thread who waits for a message box of the test's name, reads it as a person
// would (text, icon, buttons) and presses OK, so a test can call code that shows a modal box.
#pragma once

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

namespace pelmora::win32_test {

struct SeenBox {
  std::wstring text;
  bool icon = false;  // an icon picture beside the text
  int buttons = 0;    // push buttons on the box
};

class BoxUser {
 public:
  // Starts watching for a dialog box captioned `title` (the program's name by default); gives
  // up after about ten seconds.
  explicit BoxUser(std::wstring title = L"pelmora_win32_tests");
  BoxUser(const BoxUser&) = delete;
  BoxUser& operator=(const BoxUser&) = delete;
  ~BoxUser();

  // Waits for the watcher to finish: what it saw, or nothing when no box came.
  std::optional<SeenBox> seen();
  // Stops watching at once: what it saw so far, for a test that expects no box.
  std::optional<SeenBox> stop();

 private:
  void watch();

  std::wstring title_;
  std::atomic<bool> stop_{false};
  std::optional<SeenBox> seen_;
  std::thread thread_;
};

}  // namespace pelmora::win32_test
