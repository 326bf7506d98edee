// A bare panel for the link's end-to-end test: the six exchange fields, the orders list, the lot
// field, the order buttons and the close-all menu item, on real controls, with link_timer driving
// the real link. Usage: pelmora_link_host.exe <parameter>; the window is "Pelmora<parameter>".
#include <windows.h>

#include <string>

#include "link/exchange_fields.h"
#include "link/link.h"
#include "link_host_ids.h"
#include "platform/win32/button.h"
#include "platform/win32/edit.h"
#include "platform/win32/host_window.h"
#include "platform/win32/list_box.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/timer.h"
#include "platform/win32/wide.h"
#include "platform/win32/window.h"

namespace pelmora::e2e {
namespace {

namespace win32 = platform::win32;
using link::ExchangeFieldId;

win32::Edit exchange_field(HWND parent, const ExchangeFieldId& field, int row) {
  return win32::Edit(win32::EditArgs{.parent = parent,
                                     .id = field.control_id,
                                     .bounds = {10, 10 + 24 * row, 129, field.multi_line ? 60 : 21},
                                     .multi_line = field.multi_line});
}

int run(const std::string& parameter) {
  // Captioned last, as the panel is: the expert finds the window only once its fields exist.
  win32::HostWindow host(
      win32::HostArgs{.bounds = {100, 100, 420, 260}, .style = WS_POPUP | WS_BORDER});
  HWND w = host.hwnd();
  host.set_on_close([] { PostQuitMessage(0); });

  win32::Edit IN_ORDERS = exchange_field(w, link::kInOrders, 0);
  win32::Edit IN_READ_COMMAND = exchange_field(w, link::kInReadCommand, 3);
  win32::Edit IN_ASK_BID = exchange_field(w, link::kInAskBid, 4);
  win32::Edit IN_ORDER_PROPERTY = exchange_field(w, link::kInOrderProperty, 5);
  win32::Edit OUT_SELECTED_ORDER = exchange_field(w, link::kOutSelectedOrder, 6);
  win32::Edit OUT_COMMAND = exchange_field(w, link::kOutCommand, 7);
  win32::Edit lot_field(
      {.parent = w, .id = kLotFieldId, .bounds = {150, 10, 60, 21}, .text = "0.05"});
  win32::ListBox orders_list({.parent = w, .id = kOrdersListId, .bounds = {150, 40, 250, 120}});
  win32::Button stop_levels_button(
      {.parent = w, .id = kStopLevelsButtonId, .bounds = {150, 170, 60, 25}, .caption = "TP/SL"});
  win32::Button trailing_button(
      {.parent = w, .id = kTrailingButtonId, .bounds = {215, 170, 60, 25}, .caption = "T-SL"});
  win32::Button close_button(
      {.parent = w, .id = kCloseButtonId, .bounds = {280, 170, 60, 25}, .caption = "CLOSE"});
  win32::PopupMenu menu;
  win32::MenuItem& close_all_item = menu.add_item(kMenuItemN2Id, "Закрыть все ордера");
  host.set_on_menu_command([&menu](int id) { menu.dispatch(id); });

  link::OrderVariables order;
  link::Link link({IN_ORDERS, IN_READ_COMMAND, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER, OUT_COMMAND,
                   lot_field, orders_list},
                  order, [&](bool present) {
                    for (win32::Button* b : {&stop_levels_button, &trailing_button, &close_button}) {
                      b->set_enabled(present);
                    }
                    close_all_item.set_enabled(present);
                  });
  orders_list.set_on_select([&link] { link.orders_list_clicked(); });
  win32::Timer link_timer({.interval_ms = 10});
  link_timer.set_on_tick([&link] { link.tick(); });

  win32::Window(w).set_caption(std::string(link::kCaptionPrefix) + parameter);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace pelmora::e2e

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
  return pelmora::e2e::run(pelmora::platform::win32::to_utf8(command_line));
}
