// The Win32 program: its first parameter, the request to end, and the error box, which a helper
// thread finds by its title, reads and closes as a user would.
#include "platform/win32/program.h"
#include "platform/win32/message_boxes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

namespace pelmora::platform::win32 {
namespace {

TEST(Win32Program, TheFirstParameterIsTheCommandLinesFirstArgument) {
  // This test program's own command line: empty under ctest, a gtest flag when run by hand.
  EXPECT_EQ(Win32Program().first_parameter(), __argc > 1 ? std::string(__argv[1]) : "");
}

TEST(Win32Program, QuitPostsTheEndOfTheMessageLoop) {
  Win32Program().quit();
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

TEST(Win32MessageBoxes, TheErrorBoxShowsTheMessageUnderTheProgramsName) {
  std::wstring seen;
  std::atomic<bool> stop{false};
  std::thread user([&] {
    for (int i = 0; i < 1000 && !stop; ++i) {  // gives up after about ten seconds
      if (HWND box = FindWindowW(L"#32770", L"pelmora_win32_tests")) {
        wchar_t text[200] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 200);  // the message text's fixed identifier
        seen = text;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  Win32MessageBoxes().show_error("'abc' is not a valid integer value");
  stop = true;
  user.join();
  EXPECT_EQ(seen, L"'abc' is not a valid integer value");
}

}  // namespace
}  // namespace pelmora::platform::win32
