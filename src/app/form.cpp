// The form's construction: the shared parts, then each feature, which wires itself.
#include "app/form.h"

#include <exception>

#include "link/exchange_fields.h"
#include "shell/control_names.h"
#include "shell/refresh_panel_buttons.h"
#include "shell/window_shape.h"

namespace pelmora::app {

namespace {

link::LinkControls link_controls(platform::ControlSet& c) {
  return {.IN_ORDERS = c.edit(link::kInOrders.name),
          .IN_READ_COMMAND = c.edit(link::kInReadCommand.name),
          .IN_ORDER_PROPERTY = c.edit(link::kInOrderProperty.name),
          .OUT_SELECTED_ORDER = c.edit(link::kOutSelectedOrder.name),
          .OUT_COMMAND = c.edit(link::kOutCommand.name),
          .Edit12 = c.edit(shell::ctl::Edit12),
          .ORDERS_LIST_m = c.list_box(shell::ctl::ORDERS_LIST_m),
          .Button3 = c.button(shell::ctl::Button3),
          .Button4 = c.button(shell::ctl::Button4),
          .Button7 = c.button(shell::ctl::Button7),
          .N2 = c.menu_item(shell::ctl::N2)};
}

terminal::FollowingControls following_controls(platform::ControlSet& c) {
  return {.window = c.window(),
          .Timer1 = c.timer(shell::ctl::Timer1),
          .Timer3 = c.timer(shell::ctl::Timer3),
          .Timer4 = c.timer(shell::ctl::Timer4),
          .Label10 = c.label(shell::ctl::Label10),
          .IN_ASK_BID = c.edit(link::kInAskBid.name)};
}

}  // namespace

TForm1::TForm1(const platform::Platform& platform)
    : platform_(platform),
      link_(link_controls(platform.controls), order_),
      commands_(platform.controls.edit(link::kOutCommand.name)),
      dragging_(platform),
      order_entry_(platform, commands_, order_),
      trailing_stop_(platform, commands_),
      tester_control_(platform),
      tp_sl_(platform, commands_, order_, settings_),
      stored_settings_(
          platform, settings_,
          {.LoadTrackBar1Position =
               [this](int position) { tester_control_.LoadTrackBar1Position(position); }}),
      startup_(platform, order_,
               {.LoadSettings = [this] { stored_settings_.LoadSettings(true); },
                .UpdateSelectedOrder = [this] { link_.UpdateSelectedOrder(); },
                .SetTesterSpeed = [this] { tester_control_.SetTesterSpeed(); }}),
      following_(following_controls(platform.controls), platform.terminal, platform.program,
                 [this] { link_.UpdateSelectedOrder(); }),
      update_notice_(platform, settings_) {
  wire_handlers();
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
}

void TForm1::Show() {
  platform_.controls.window().set_visible(true);
}

void TForm1::FormCreate() {
  startup_.FormCreate();
}

void TForm1::FormShow() {
  startup_.FormShow();
}

// The settings are stored once more on the way out; a refusal is shown, then the program ends.
void TForm1::FormDestroy() {
  try {
    stored_settings_.SaveSettings();
  } catch (const std::exception& e) {
    platform_.messages.show_error(e.what());
  }
}

void TForm1::wire_handlers() {
  platform::ControlSet& c = platform_.controls;
  c.window().set_on_show([this] { FormShow(); });
  c.timer(shell::ctl::Timer2).set_on_tick([this] { Timer2Timer(); });
  c.timer(shell::ctl::Timer1).set_on_tick([this] { link_.Timer1Timer(); });
  c.list_box(shell::ctl::ORDERS_LIST_m).set_on_select([this] { link_.ORDERS_LIST_mClick(); });
}

}  // namespace pelmora::app
