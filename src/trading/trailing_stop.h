// The trailing-stop window: opened by T-SL in the main panel's place, it asks for
// the trailing distance of the selected order and sends it as a SET_TSL command.
#pragma once

#include "link/command_writer.h"
#include "platform/platform.h"
#include "trading/spin_step.h"

namespace pelmora::trading {

class TrailingStop {
 public:
  // Resolves its controls and wires their handlers. Everything passed in is held, not owned.
  TrailingStop(const platform::Platform& platform, link::CommandWriter& commands);
  TrailingStop(const TrailingStop&) = delete;
  TrailingStop& operator=(const TrailingStop&) = delete;

  // T-SL: the window takes main's place and names the selected order.
  void trailing_clicked();
  // "Отмена": main comes back where the window stands now.
  void trailing_cancel_clicked();
  // "Применить": as "Отмена", then the command with the ticket selected at this moment.
  void trailing_apply_clicked();
  // The distance spin, by whole units, never below 0; a failing step ends silently.
  void trailing_down_clicked() noexcept { distance_spin(SpinDirection::kDown); }
  void trailing_up_clicked() noexcept { distance_spin(SpinDirection::kUp); }
  void trailing_distance_changed();
  void trailing_distance_key_down();

 private:
  struct Controls {
    platform::Control& main_panel;
    platform::Control& trailing_panel;
    platform::TextControl& trailing_order;
    platform::Edit& trailing_distance;
    platform::Edit& IN_ORDERS;
    platform::Edit& OUT_SELECTED_ORDER;
  };

  void wire_handlers(platform::ControlSet& controls);
  void close_window();
  void distance_spin(SpinDirection direction) noexcept;

  platform::ControlSet& controls_;
  platform::MessageBoxes& messages_;
  link::CommandWriter& commands_;
  Controls c_;
};

}  // namespace pelmora::trading
