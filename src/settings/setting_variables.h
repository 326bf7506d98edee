// The two preferences other features read while running, owned by the form; the settings store
// and window write them.
#pragma once

#include <cstdint>

namespace pelmora::settings {

struct SettingVariables {
  // 0: the SL/TP window is filled from the selected order; any other value: it keeps its values.
  int32_t sl_tp_mode = 0;
  // 0: look for newer versions and announce them.
  int32_t update_mode = 0;
};

}  // namespace pelmora::settings
