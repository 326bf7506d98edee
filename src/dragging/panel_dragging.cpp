// One loop over the panels wires all twelve handlers.
#include "dragging/panel_dragging.h"

#include "common/silently.h"
#include "form/layout.h"
#include "form/names.h"
#include "form/window_shape.h"

namespace pelmora::dragging {

namespace names = form::names;

namespace {
// main jumps to its new place on release; the floating panels show a moving outline.
DragOutline outline_of(std::string_view panel) {
  return panel == names::kMainPanel ? DragOutline::kNone : DragOutline::kFocusRect;
}
}  // namespace

PanelDragging::PanelDragging(const platform::Platform& platform)
    : controls_(platform.controls), drag_(platform.controls.window()) {
  for (std::string_view panel : form::kPanelNames) {
    wire(panel, controls_.panel(panel));
    for (const form::ControlSpec& spec : form::controls()) {
      if (spec.parent == panel && spec.drags_parent) wire(panel, controls_.label(spec.name));
    }
  }
}

void PanelDragging::wire(std::string_view panel, platform::MouseSource& source) {
  using platform::MouseButton;
  source.set_on_mouse_down(
      [this, panel](MouseButton b, int x, int y) { MouseDown(panel, b, x, y); });
  source.set_on_mouse_move([this, panel](int x, int y) { MouseMove(panel, x, y); });
  source.set_on_mouse_up([this, panel](MouseButton b, int x, int y) { MouseUp(panel, b, x, y); });
}

void PanelDragging::MouseDown(std::string_view panel, platform::MouseButton button, int x,
                              int y) noexcept {
  common::silently([&] { drag_.mouse_down(controls_.panel(panel), button, x, y); });
}

void PanelDragging::MouseMove(std::string_view panel, int x, int y) noexcept {
  common::silently([&] { drag_.mouse_move(outline_of(panel), x, y); });
}

void PanelDragging::MouseUp(std::string_view panel, platform::MouseButton button, int x,
                            int y) noexcept {
  common::silently([&] {
    if (drag_.mouse_up(controls_.panel(panel), button, x, y))
      form::rebuild_window_region(controls_);
  });
}

}  // namespace pelmora::dragging
