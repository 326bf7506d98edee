// The Win32 program and its boxes: the first parameter, quit, the two kinds of box, and the way
// back to the UI thread with its rule for a task that throws; each box read and closed by a
// user thread.
#include "platform/win32/program.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "box_user.h"
#include "form_support.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/ui_thread.h"

namespace pelmora::platform::win32 {
namespace {

using win32_test::BoxUser;

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

TEST(Win32MessageBoxes, TheErrorBoxHasAnIconThePlainMessageOnlyItsOkButton) {
  {
    BoxUser user;
    Win32MessageBoxes().show_error("'abc' is not a valid integer value");
    const auto seen = user.seen();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->text, L"'abc' is not a valid integer value");
    EXPECT_TRUE(seen->icon);
  }
  BoxUser user;
  Win32MessageBoxes().show_message("Lot size error!");
  const auto seen = user.seen();
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->text, L"Lot size error!");
  EXPECT_FALSE(seen->icon);
  EXPECT_EQ(seen->buttons, 1);
}

TEST(Win32UiThread, TasksPostedFromAnotherThreadRunHereInOrderAndAFailureIsShown) {
  Win32UiThread ui;
  const DWORD ui_thread = GetCurrentThreadId();
  std::vector<int> ran;
  bool all_here = true;
  auto task = [&](int n) {
    return [&, n] {
      all_here = all_here && GetCurrentThreadId() == ui_thread;
      ran.push_back(n);
    };
  };
  BoxUser user;
  std::thread other([&] {
    ui.post(task(1));
    ui.post([] { throw std::runtime_error("the download failed"); });
    ui.post(task(2));
  });
  other.join();
  EXPECT_TRUE(ran.empty());  // nothing runs before the message loop does
  ASSERT_TRUE(win32_test::pump_until([&] { return ran.size() == 2; }));
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  EXPECT_TRUE(all_here);
  const auto seen = user.seen();
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->text, L"the download failed");
}

}  // namespace
}  // namespace pelmora::platform::win32
