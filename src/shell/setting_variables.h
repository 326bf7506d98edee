// The two stored preferences other features read while the program runs.
#pragma once

#include <cstdint>

namespace pelmora::shell {

struct SettingVariables {
  int32_t SlTpSetType = 0;
  int32_t NewVersionType = 0;
};

}  // namespace pelmora::shell
