// The program's icon, drawn in code: a 32 x 32 document page with a folded corner bearing two
// gears, one green and one orange.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace pelmora::platform::win32 {

inline constexpr int kIconSize = 32;

// Throws std::runtime_error when the system cannot create it.
UniqueIcon make_app_icon();

}  // namespace pelmora::platform::win32
