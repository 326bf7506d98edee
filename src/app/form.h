// TForm1, the panel's one form: owns every control (through the control set a factory builds),
// the order variables and the link, and wires the handlers to them. Its creation, show and
// destruction steps are FormCreate, FormShow and FormDestroy.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "app/startup.h"
#include "link/link.h"
#include "link/order_variables.h"
#include "platform/form.h"
#include "platform/program.h"
#include "platform/terminal_windows.h"
#include "shell/panel_drag.h"
#include "terminal/following_tick.h"

namespace pelmora::app {

// Builds the form's controls from the layout data: the Win32 window in the program, the
// in-memory form in the tests.
using ControlSetFactory = std::function<std::unique_ptr<platform::ControlSet>()>;

class TForm1 {
 public:
  // Builds the controls, wires the handlers and runs FormCreate. The window stays hidden until
  // Show(). The terminal's windows and the program are held, not owned, and must outlive it.
  TForm1(const ControlSetFactory& make_controls, platform::TerminalWindows& terminal,
         platform::Program& program);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;
  // Runs FormDestroy, then releases the controls.
  ~TForm1();

  // Shows the window; the change from hidden to shown runs FormShow.
  void Show();

  platform::ControlSet& controls() { return *controls_; }
  link::OrderVariables& order() { return order_; }
  link::Link& link() { return link_; }
  const shell::DragState& drag_state() const { return drag_.state(); }

  // Cuts the window to its visible panels and exchange fields. Never throws.
  void RebuildWindowRegion();
  // Alt to the panel window and a repaint of the panels' push buttons. Never throws.
  void RefreshPanelButtons();
  // Makes the program's owner window a child of the chart frame. Never throws.
  void AttachToTerminal() { startup_.AttachToTerminal(); }
  // The following tick, wired to Timer2. Never throws.
  void Timer2Timer() { following_.Timer2Timer(); }

  // Dragging of the four panels; positions in the sending control's client coordinates. They
  // never throw: a failure leaves what was done so far.
  void mainMouseDown(platform::MouseButton button, int x, int y);
  void mainMouseMove(int x, int y);
  void mainMouseUp(platform::MouseButton button, int x, int y);
  void SET_TP_SL_WNDMouseDown(platform::MouseButton button, int x, int y);
  void SET_TP_SL_WNDMouseMove(int x, int y);
  void SET_TP_SL_WNDMouseUp(platform::MouseButton button, int x, int y);
  void SET_TSL_WNDMouseDown(platform::MouseButton button, int x, int y);
  void SET_TSL_WNDMouseMove(int x, int y);
  void SET_TSL_WNDMouseUp(platform::MouseButton button, int x, int y);
  void PropertiesMouseDown(platform::MouseButton button, int x, int y);
  void PropertiesMouseMove(int x, int y);
  void PropertiesMouseUp(platform::MouseButton button, int x, int y);

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();

  void wire_handlers();
  void wire_drag(std::string_view panel, void (TForm1::*down)(platform::MouseButton, int, int),
                 void (TForm1::*move)(int, int),
                 void (TForm1::*up)(platform::MouseButton, int, int));
  void panel_mouse_down(std::string_view panel, platform::MouseButton button, int x, int y);
  void panel_mouse_move(std::string_view panel, int x, int y);
  void panel_mouse_up(std::string_view panel, platform::MouseButton button, int x, int y);

  std::unique_ptr<platform::ControlSet> controls_;
  link::OrderVariables order_;
  link::Link link_;
  shell::PanelDrag drag_;
  StartUp startup_;
  terminal::FollowingTick following_;
};

}  // namespace pelmora::app
