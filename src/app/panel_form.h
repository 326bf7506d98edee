// PanelForm, the panel's one form: it owns what the features share (order and setting variables,
// the link, the command writer and its journal) and composes the features, each binding itself
// to its controls. Its creation, show and destruction steps are on_create, on_show and
// on_destroy; the settings are saved once at whichever end comes first.
#pragma once

#include "app/startup.h"
#include "dragging/panel_dragging.h"
#include "form/hint_keys.h"
#include "link/command_journal.h"
#include "link/command_writer.h"
#include "link/link.h"
#include "link/order_variables.h"
#include "platform/platform.h"
#include "settings/setting_variables.h"
#include "settings/settings.h"
#include "shortcuts/shortcuts.h"
#include "stop_levels/stop_levels_window.h"
#include "terminal/following_tick.h"
#include "trading/order_entry.h"
#include "trading/tester_control.h"
#include "trading/trailing_stop.h"
#include "update_notice/update_notice.h"

namespace pelmora::app {

class PanelForm {
 public:
  // Wires every feature to its controls and runs on_create. The window stays hidden until
  // Show(). The platform's roles are held, not owned, and must outlive the form.
  explicit PanelForm(const platform::Platform& platform);
  PanelForm(const PanelForm&) = delete;
  PanelForm& operator=(const PanelForm&) = delete;
  // Runs on_destroy.
  ~PanelForm();

  // Shows the window; the change from hidden to shown runs on_show.
  void Show();

  link::OrderVariables& order() { return order_; }
  settings::SettingVariables& settings() { return settings_; }
  link::Link& link() { return link_; }
  const dragging::DragState& drag_state() const { return dragging_.state(); }

  // Makes the program's owner window a child of the chart frame.
  void attach_to_terminal() noexcept { startup_.attach_to_terminal(); }
  // The following tick.
  void following_tick() noexcept { following_.tick(); }

 private:
  void on_create();
  void on_show();
  void on_destroy() noexcept;
  // The settings saved at the end of the program; a refusal is shown, unless `silent`.
  void save_at_end(bool silent) noexcept;
  void wire_handlers();
  // A shortcut key's action, run as its control would run it, when that control can be used.
  void run_shortcut(shortcuts::Action action);

  platform::Platform platform_;
  form::HintKeys hint_keys_;
  link::OrderVariables order_;
  settings::SettingVariables settings_;
  link::CommandJournal journal_;
  link::CommandWriter commands_;
  link::Link link_;
  dragging::PanelDragging dragging_;
  trading::OrderEntry order_entry_;
  trading::TrailingStop trailing_stop_;
  trading::TesterControl tester_control_;
  stop_levels::StopLevelsWindow tp_sl_;
  settings::Settings stored_settings_;
  StartUp startup_;
  terminal::FollowingTick following_;
  update_notice::UpdateNotice update_notice_;
  shortcuts::Shortcuts shortcuts_;
};

}  // namespace pelmora::app
