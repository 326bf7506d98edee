// A window of another program (or ours) as the core holds it: a plain handle value, held and
// never owned. 0 means "no window".
#pragma once

#include <cstdint>

namespace pelmora::platform {

using WindowRef = std::uintptr_t;
inline constexpr WindowRef kNoWindow = 0;

// A rectangle in screen coordinates: outer edges, right and bottom exclusive.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

}  // namespace pelmora::platform
