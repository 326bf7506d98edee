// The form's construction, its creation and show steps, and the wiring of handlers to controls.
#include "app/form.h"

#include "shell/layout.h"
#include "shell/window_shape.h"
#include "terminal/refresh_panel_buttons.h"

namespace pelmora::app {

namespace {

using platform::MouseButton;

link::LinkControls link_controls(platform::ControlSet& c) {
  return {.IN_ORDERS = c.edit("IN_ORDERS"),
          .IN_READ_COMMAND = c.edit("IN_READ_COMMAND"),
          .IN_ORDER_PROPERTY = c.edit("IN_ORDER_PROPERTY"),
          .OUT_SELECTED_ORDER = c.edit("OUT_SELECTED_ORDER"),
          .OUT_COMMAND = c.edit("OUT_COMMAND"),
          .Edit12 = c.edit("Edit12"),
          .ORDERS_LIST_m = c.list_box("ORDERS_LIST_m"),
          .Button3 = c.button("Button3"),
          .Button4 = c.button("Button4"),
          .Button7 = c.button("Button7"),
          .N2 = c.menu_item("N2")};
}

terminal::FollowingControls following_controls(platform::ControlSet& c) {
  return {.window = c.window(),
          .Timer1 = c.timer("Timer1"),
          .Timer3 = c.timer("Timer3"),
          .Timer4 = c.timer("Timer4"),
          .Label10 = c.label("Label10"),
          .IN_ASK_BID = c.edit("IN_ASK_BID")};
}

// main jumps to its new place on release; the floating panels show a moving outline.
shell::DragOutline outline_of(std::string_view panel) {
  return panel == "main" ? shell::DragOutline::kNone : shell::DragOutline::kFocusRect;
}

}  // namespace

TForm1::TForm1(const ControlSetFactory& make_controls, platform::TerminalWindows& terminal,
               platform::Program& program)
    : controls_(make_controls()),
      link_(link_controls(*controls_), order_),
      drag_(controls_->window()),
      startup_(*controls_, terminal, program, order_,
               {.RefreshPanelButtons = [this] { RefreshPanelButtons(); },
                .UpdateSelectedOrder = [this] { link_.UpdateSelectedOrder(); },
                .RebuildWindowRegion = [this] { RebuildWindowRegion(); }}),
      following_(following_controls(*controls_), terminal, program,
                 [this] { link_.UpdateSelectedOrder(); }) {
  wire_handlers();
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
}

void TForm1::Show() {
  controls_->window().set_visible(true);
}

void TForm1::FormCreate() {
  startup_.FormCreate();
}

void TForm1::FormShow() {
  startup_.FormShow();
}

// Nothing to do on the way out yet beyond releasing what the form owns.
void TForm1::FormDestroy() {}

void TForm1::RebuildWindowRegion() {
  try {
    shell::RebuildWindowRegion(*controls_);
  } catch (...) {
  }
}

void TForm1::RefreshPanelButtons() {
  terminal::RefreshPanelButtons(*controls_);
}

void TForm1::wire_handlers() {
  platform::ControlSet& c = *controls_;
  c.window().set_on_show([this] { FormShow(); });
  c.timer("Timer2").set_on_tick([this] { Timer2Timer(); });
  c.timer("Timer1").set_on_tick([this] { link_.Timer1Timer(); });
  c.list_box("ORDERS_LIST_m").set_on_select([this] { link_.ORDERS_LIST_mClick(); });
  wire_drag("main", &TForm1::mainMouseDown, &TForm1::mainMouseMove, &TForm1::mainMouseUp);
  wire_drag("SET_TP_SL_WND", &TForm1::SET_TP_SL_WNDMouseDown, &TForm1::SET_TP_SL_WNDMouseMove,
            &TForm1::SET_TP_SL_WNDMouseUp);
  wire_drag("SET_TSL_WND", &TForm1::SET_TSL_WNDMouseDown, &TForm1::SET_TSL_WNDMouseMove,
            &TForm1::SET_TSL_WNDMouseUp);
  wire_drag("Properties", &TForm1::PropertiesMouseDown, &TForm1::PropertiesMouseMove,
            &TForm1::PropertiesMouseUp);
}

// The panel and the labels bound to it all drive the panel's own three handlers.
void TForm1::wire_drag(std::string_view panel, void (TForm1::*down)(MouseButton, int, int),
                       void (TForm1::*move)(int, int), void (TForm1::*up)(MouseButton, int, int)) {
  auto wire = [&](platform::MouseSource& source) {
    source.set_on_mouse_down([this, down](MouseButton b, int x, int y) { (this->*down)(b, x, y); });
    source.set_on_mouse_move([this, move](int x, int y) { (this->*move)(x, y); });
    source.set_on_mouse_up([this, up](MouseButton b, int x, int y) { (this->*up)(b, x, y); });
  };
  wire(controls_->panel(panel));
  for (const shell::ControlSpec& spec : shell::controls()) {
    if (spec.parent == panel && spec.drags_parent) wire(controls_->label(spec.name));
  }
}

void TForm1::panel_mouse_down(std::string_view panel, MouseButton button, int x, int y) {
  try {
    drag_.mouse_down(controls_->panel(panel), button, x, y);
  } catch (...) {
  }
}

void TForm1::panel_mouse_move(std::string_view panel, int x, int y) {
  try {
    drag_.mouse_move(outline_of(panel), x, y);
  } catch (...) {
  }
}

void TForm1::panel_mouse_up(std::string_view panel, MouseButton button, int x, int y) {
  try {
    if (drag_.mouse_up(controls_->panel(panel), button, x, y)) RebuildWindowRegion();
  } catch (...) {
  }
}

void TForm1::mainMouseDown(MouseButton b, int x, int y) {
  panel_mouse_down("main", b, x, y);
}
void TForm1::mainMouseMove(int x, int y) {
  panel_mouse_move("main", x, y);
}
void TForm1::mainMouseUp(MouseButton b, int x, int y) {
  panel_mouse_up("main", b, x, y);
}

void TForm1::SET_TP_SL_WNDMouseDown(MouseButton b, int x, int y) {
  panel_mouse_down("SET_TP_SL_WND", b, x, y);
}
void TForm1::SET_TP_SL_WNDMouseMove(int x, int y) {
  panel_mouse_move("SET_TP_SL_WND", x, y);
}
void TForm1::SET_TP_SL_WNDMouseUp(MouseButton b, int x, int y) {
  panel_mouse_up("SET_TP_SL_WND", b, x, y);
}

void TForm1::SET_TSL_WNDMouseDown(MouseButton b, int x, int y) {
  panel_mouse_down("SET_TSL_WND", b, x, y);
}
void TForm1::SET_TSL_WNDMouseMove(int x, int y) {
  panel_mouse_move("SET_TSL_WND", x, y);
}
void TForm1::SET_TSL_WNDMouseUp(MouseButton b, int x, int y) {
  panel_mouse_up("SET_TSL_WND", b, x, y);
}

void TForm1::PropertiesMouseDown(MouseButton b, int x, int y) {
  panel_mouse_down("Properties", b, x, y);
}
void TForm1::PropertiesMouseMove(int x, int y) {
  panel_mouse_move("Properties", x, y);
}
void TForm1::PropertiesMouseUp(MouseButton b, int x, int y) {
  panel_mouse_up("Properties", b, x, y);
}

}  // namespace pelmora::app
