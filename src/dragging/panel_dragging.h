// The dragging of the four panels, bound to the form: each panel, and the labels the layout
// marks as passing the mouse on, drive the panel's press, move and release handlers
// (mainMouseDown ... PropertiesMouseUp), and a finished drag rebuilds the window's shape.
#pragma once

#include <string_view>

#include "dragging/drag_gesture.h"
#include "platform/platform.h"

namespace pelmora::dragging {

class PanelDragging {
 public:
  // Wires the handlers of every panel and of its bound labels.
  explicit PanelDragging(const platform::Platform& platform);
  PanelDragging(const PanelDragging&) = delete;
  PanelDragging& operator=(const PanelDragging&) = delete;

  const DragState& state() const { return drag_.state(); }

  // The three handlers of one panel; positions in the sending control's client coordinates.
  // A failure ends them silently, leaving what was done so far.
  void MouseDown(std::string_view panel, platform::MouseButton button, int x, int y) noexcept;
  void MouseMove(std::string_view panel, int x, int y) noexcept;
  void MouseUp(std::string_view panel, platform::MouseButton button, int x, int y) noexcept;

 private:
  void wire(std::string_view panel, platform::MouseSource& source);

  platform::ControlSet& controls_;
  DragGesture drag_;
};

}  // namespace pelmora::dragging
