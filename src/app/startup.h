// The form's creation and show sequences and attach_to_terminal: from the chart handle on the
// command line to a panel that is a tool window owned from inside the chart, with the tester's
// slider reset and the pause button in step with the tester.
#pragma once

#include "form/hint_keys.h"
#include "link/order_variables.h"
#include "platform/controls.h"
#include "platform/platform.h"

namespace pelmora::app {

// What the sequences run of the form's other parts.
struct StartUpRoutines {
  platform::Handler load_settings;          // reports nothing
  platform::Handler update_selected_order;  // reports nothing
  platform::Handler send_speed_to_tester;   // throws on a first parameter that is no number
};

// Where the panel window and the exchange fields wait until the following tick places them.
inline constexpr int kOutOfSight = -10000;

class StartUp {
 public:
  // The platform's roles, the order variables and the hints' keys are held, not owned.
  StartUp(const platform::Platform& platform, const link::OrderVariables& order,
          const form::HintKeys& keys, StartUpRoutines routines);

  // The creation steps. A first parameter that is not a whole number stops them and shows the
  // general error display; the program then runs on, attached to nothing.
  void on_create() noexcept;
  // The show steps, run at every change of the window from hidden to shown. A failing step
  // ends the sequence silently.
  void on_show() noexcept;
  // Makes the program's owner window a child of the chart frame, unless it already is one.
  void attach_to_terminal() noexcept;

 private:
  void create_steps();
  void show_steps();
  void synchronise_pause_button(platform::WindowRef tester_pause);
  void move_out_of_sight();
  // The chart frame named by the first parameter; kNoWindow for none or a bad parameter.
  platform::WindowRef chart_frame() const noexcept;
  bool owner_in_chart_frame() const;

  platform::ControlSet& c_;
  platform::TerminalWindows& terminal_;
  platform::Program& program_;
  platform::MessageBoxes& messages_;
  const link::OrderVariables& order_;
  const form::HintKeys& keys_;
  StartUpRoutines routines_;
};

}  // namespace pelmora::app
