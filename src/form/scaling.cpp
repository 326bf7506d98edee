// Scaling the layout's controls and look to a monitor's dots per inch.
#include "form/scaling.h"

namespace pelmora::form {

platform::Bounds scale_bounds(const platform::Bounds& b, int dpi) {
  const int left = scale(b.left, dpi);
  const int top = scale(b.top, dpi);
  return {left, top, scale(b.left + b.width, dpi) - left, scale(b.top + b.height, dpi) - top};
}

Font scaled_font(const Font& font, int dpi) {
  Font f = font.name.empty() ? Font{kFormFontName, kFormFontHeight, false} : font;
  f.height = scale(f.height, dpi);
  return f;
}

ControlSpec scaled_control(const ControlSpec& spec, int dpi) {
  if (spec.control_id != 0) return spec;  // an exchange field
  ControlSpec s = spec;
  s.bounds = scale_bounds(spec.bounds, dpi);
  s.font = scaled_font(spec.font, dpi);
  s.item_height = scale(spec.item_height, dpi);
  s.slider.thumb_length = scale(spec.slider.thumb_length, dpi);
  s.border_width = scale(spec.border_width, dpi);
  return s;
}

PanelLook scaled_look(int dpi) {
  PanelLook look = kPanelLook;
  look.corner_radius = scale(look.corner_radius, dpi);
  look.button_corner_diameter = scale(look.button_corner_diameter, dpi);
  look.button_border = scale(look.button_border, dpi);
  look.spin_rim = scale(look.spin_rim, dpi);
  look.spin_focus_inset = scale(look.spin_focus_inset, dpi);
  return look;
}

}  // namespace pelmora::form
