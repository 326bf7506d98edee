// The way back to the UI thread with its rule for a task that throws: the error box, read and
// closed by a user thread. The first parameter and quit are the end-to-end tests' (the panel
// attaches to its chart and ends with exit code 0), the plain box the lot spin's Wine test.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <vector>

#include "box_user.h"
#include "form_support.h"
#include "platform/win32/ui_thread.h"

namespace pelmora::platform::win32 {
namespace {

using win32_test::BoxUser;

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
  EXPECT_TRUE(seen->icon);  // an error box, unlike the lot spin's plain one
}

}  // namespace
}  // namespace pelmora::platform::win32
