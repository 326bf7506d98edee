// TForm1, the panel's one form: it owns what the features share (order and setting variables,
// the link, the command writer) and composes the features, each binding itself to its controls.
// Its creation, show and destruction steps are FormCreate, FormShow and FormDestroy.
#pragma once

#include "app/startup.h"
#include "link/command_writer.h"
#include "link/link.h"
#include "link/order_variables.h"
#include "platform/platform.h"
#include "shell/panel_dragging.h"
#include "shell/setting_variables.h"
#include "shell/settings.h"
#include "shell/update_notice.h"
#include "sltp/tp_sl_window.h"
#include "terminal/following_tick.h"
#include "trading/order_entry.h"
#include "trading/tester_control.h"
#include "trading/trailing_stop.h"

namespace pelmora::app {

class TForm1 {
 public:
  // Wires every feature to its controls and runs FormCreate. The window stays hidden until
  // Show(). The platform's roles are held, not owned, and must outlive the form.
  explicit TForm1(const platform::Platform& platform);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;
  // Runs FormDestroy.
  ~TForm1();

  // Shows the window; the change from hidden to shown runs FormShow.
  void Show();

  link::OrderVariables& order() { return order_; }
  shell::SettingVariables& settings() { return settings_; }
  link::Link& link() { return link_; }
  const shell::DragState& drag_state() const { return dragging_.state(); }

  // Makes the program's owner window a child of the chart frame. Never throws.
  void AttachToTerminal() { startup_.AttachToTerminal(); }
  // The following tick, wired to Timer2. Never throws.
  void Timer2Timer() { following_.Timer2Timer(); }

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void wire_handlers();

  platform::Platform platform_;
  link::OrderVariables order_;
  shell::SettingVariables settings_;
  link::Link link_;
  link::CommandWriter commands_;
  shell::PanelDragging dragging_;
  trading::OrderEntry order_entry_;
  trading::TrailingStop trailing_stop_;
  trading::TesterControl tester_control_;
  sltp::TpSlWindow tp_sl_;
  shell::Settings stored_settings_;
  StartUp startup_;
  terminal::FollowingTick following_;
  shell::UpdateNotice update_notice_;
};

}  // namespace pelmora::app
