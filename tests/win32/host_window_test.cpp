// Host windows under real Win32: routing from child hosts, menu commands, closing and
// ownership, and the details of the controls the terminal side relies on.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "platform/win32/button.h"
#include "platform/win32/edit.h"
#include "platform/win32/host_window.h"
#include "platform/win32/list_box.h"
#include "platform/win32/popup_menu.h"

namespace pelmora::platform::win32 {
namespace {

HostWindow top_level() {
  return HostWindow(HostArgs{.caption = "Pelmora host test", .bounds = {0, 0, 300, 300}});
}

bool quit_was_posted() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(HostWindow, ChildHostRoutesItsControlsNotificationsAfterBeingMoved) {
  HostWindow top = top_level();
  HostWindow panel(HostArgs{.parent = top.hwnd(), .id = 7, .bounds = {5, 5, 200, 200}});
  HostWindow moved = std::move(panel);
  EXPECT_EQ(GetDlgItem(top.hwnd(), 7), moved.hwnd());
  Button button(
      ButtonArgs{.parent = moved.hwnd(), .id = 3, .bounds = {5, 5, 60, 20}, .caption = "TP/SL"});
  int clicks = 0;
  button.set_on_click([&] { ++clicks; });
  SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST(HostWindow, TheOwnerDestroysItsWindowAndACloseHandlerKeepsIt) {
  HWND hwnd = nullptr;
  {
    HostWindow host = top_level();
    hwnd = host.hwnd();
    int closes = 0;
    host.set_on_close([&] { ++closes; });
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(quit_was_posted());
  }
  EXPECT_FALSE(IsWindow(hwnd));

  HostWindow main(HostArgs{.caption = "Pelmora main", .quit_on_destroy = true});
  SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(main.hwnd(), nullptr);  // closed by the system: the owner is left empty
  EXPECT_TRUE(quit_was_posted());
}

TEST(HostWindow, MenuCommandsReachOnlyEnabledItemsOfTheRightMenu) {
  HostWindow host = top_level();
  PopupMenu menu;
  MenuItem& close_all = menu.add_item(2, "Закрыть все ордера");
  MenuItem& other = menu.add_item(3, "Настройки");
  host.set_on_menu_command([&](int id) { menu.dispatch(id); });
  int clicks = 0;
  close_all.set_on_click([&] { clicks += 10; });
  other.set_on_click([&] { ++clicks; });
  close_all.set_enabled(false);  // a stray command for a greyed item does nothing
  for (int id : {3, 99, 2}) SendMessageW(host.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(menu.dispatch(99));
}

TEST(Controls, TheOrdersFieldNeitherWrapsNorShowsScrollBarsAndFieldsUseTheGuiFont) {
  HostWindow host = top_level();
  Edit orders(EditArgs{.parent = host.hwnd(), .id = 1001, .multi_line = true});
  const LONG_PTR style = GetWindowLongPtrW(orders.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_WANTRETURN);
  EXPECT_TRUE(style & ES_AUTOHSCROLL);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(orders.hwnd(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST(Controls, ReplacingAnItemKeepsWhereTheUserScrolledTo) {
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
