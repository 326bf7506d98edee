// The fake slider's clamping and change event, as the real trackbar behaves.
#include "platform/fake/fake_layout_controls.h"

namespace pelmora::platform::fake {

void FakeSlider::set_position(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  call_(on_change_);
}

}  // namespace pelmora::platform::fake
