// Move-only owner of a window we created: the window is destroyed once, when its owner goes.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace pelmora::platform::win32 {

using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;

}  // namespace pelmora::platform::win32
