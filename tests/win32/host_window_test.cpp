// Host windows under real Win32: closing and ownership, and a list item replaced under the user's
// scrolling. Routing from the panels' hosts and the menu's commands are the end-to-end tests'.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/host_window.h"
#include "platform/win32/list_box.h"

namespace pelmora::platform::win32 {
namespace {

HostWindow top_level() {
  return HostWindow(HostArgs{.caption = "Pelmora host test", .bounds = {0, 0, 300, 300}});
}

bool quit_was_posted() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(HostWindow, TheOwnerDestroysItsWindowACloseHandlerKeepsItAndTheMainWindowQuits) {
  HWND hwnd = nullptr;
  {
    HostWindow host = top_level();
    hwnd = host.hwnd();
    int closes = 0;
    host.set_on_close([&] { ++closes; });
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(hwnd) && !quit_was_posted());
  }
  EXPECT_FALSE(IsWindow(hwnd));
  HostWindow main(HostArgs{.caption = "Pelmora main", .quit_on_destroy = true});
  SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(main.hwnd(), nullptr);  // closed by the system: the owner is left empty
  EXPECT_TRUE(quit_was_posted());
}

TEST(ListBox, ReplacingAnItemKeepsWhereTheUserScrolledTo) {
  HostWindow host = top_level();
  ListBox list(ListBoxArgs{.parent = host.hwnd(), .bounds = {0, 0, 150, 60}});
  for (int i = 0; i < 40; ++i) list.append(std::to_string(i));
  list.select(2);
  SendMessageW(list.hwnd(), LB_SETTOPINDEX, 20, 0);
  list.replace(25, "25 (sell 0.10)");
  EXPECT_EQ(SendMessageW(list.hwnd(), LB_GETTOPINDEX, 0, 0), 20);
  EXPECT_EQ(list.selected(), 2);
}

}  // namespace
}  // namespace pelmora::platform::win32
