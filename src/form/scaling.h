// The layout at any display scale. Its figures are pixels at 96 dots per inch; on a monitor at
// another scale every place, size, font height and drawn width is multiplied by dpi / 96 and
// rounded as the system's MulDiv rounds (half away from zero).
#pragma once

#include "form/layout.h"
#include "platform/controls.h"

namespace pelmora::form {

inline constexpr int kBaseDpi = 96;

// value * numerator / denominator, rounded half away from zero; a zero denominator leaves the
// value as it is.
constexpr int mul_div(int value, int numerator, int denominator) {
  if (denominator == 0) return value;
  long long product = static_cast<long long>(value) * numerator;
  long long divisor = denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const long long magnitude = product < 0 ? -product : product;
  const long long rounded = (magnitude * 2 + divisor) / (divisor * 2);
  return static_cast<int>(product < 0 ? -rounded : rounded);
}

// A 96-dpi figure at `dpi`, and back.
constexpr int scale(int value, int dpi) {
  return mul_div(value, dpi, kBaseDpi);
}
constexpr int unscale(int value, int dpi) {
  return mul_div(value, kBaseDpi, dpi);
}

// The nearest place at `dpi` that a whole 96-dpi place shows at. Panels are dropped there, so
// that a place stored in 96-dpi units brings a panel back exactly where it was left.
constexpr int snap_to_base_grid(int value, int dpi) {
  return scale(unscale(value, dpi), dpi);
}

// The edges are scaled, not the sizes: controls that touch or overlap at 96 dots per inch
// (a spin pair over its field's right end) touch or overlap the same way at every scale, and a
// control's far edge lies where the scaled far edge of its 96-dpi rectangle does.
platform::Bounds scale_bounds(const platform::Bounds& bounds, int dpi);

// A font of the layout at `dpi`: the form's font named and sized, the height scaled.
Font scaled_font(const Font& font, int dpi);

// A control of the layout at `dpi`: places, sizes, font height (the form's font named and
// sized), list item height, slider thumb, panel border. The exchange fields are not scaled:
// the expert finds them by identifier and they lie out of sight, so at every scale they stay
// exactly what the expert has always seen.
ControlSpec scaled_control(const ControlSpec& spec, int dpi);

// The panels' look at `dpi`: corner radius, the order buttons' corners and border, the spin
// pairs' rim and focus outline.
PanelLook scaled_look(int dpi);

}  // namespace pelmora::form
