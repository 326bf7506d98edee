// The panel's form as the core sees it: every control of the layout, reached by its given name
// (form/names.h maps each role to it). Both backends build one from the layout data in
// form/. Asking for a name the layout does not have, or for the wrong kind, throws
// std::out_of_range: that is a programming error, caught by the tests.
#pragma once

#include <string_view>

#include "platform/controls.h"
#include "platform/panel_window.h"

namespace pelmora::platform {

class ControlSet {
 public:
  virtual ~ControlSet() = default;
  virtual PanelWindow& window() = 0;
  virtual Control& control(std::string_view name) = 0;           // any control or panel
  virtual TextControl& text_control(std::string_view name) = 0;  // labels, edits, buttons
  virtual Edit& edit(std::string_view name) = 0;
  virtual Button& button(std::string_view name) = 0;  // push buttons and image buttons
  virtual Label& label(std::string_view name) = 0;
  virtual Panel& panel(std::string_view name) = 0;
  virtual SpinButtons& spin_buttons(std::string_view name) = 0;
  virtual Slider& slider(std::string_view name) = 0;
  virtual RadioGroup& radio_group(std::string_view name) = 0;
  virtual ListBox& list_box(std::string_view name) = 0;
  virtual KeyField& key_field(std::string_view name) = 0;
  virtual MenuItem& menu_item(std::string_view name) = 0;
  virtual Timer& timer(std::string_view name) = 0;
  // Replaces the hint (tooltip) of the named control; an empty hint removes it.
  virtual void set_hint(std::string_view name, std::string_view hint) = 0;
};

}  // namespace pelmora::platform
