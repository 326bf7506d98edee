// Owners of what the substitute terminal creates, on the panel's own move-only handle template:
// a top-level window, a kernel object, and the GDI objects of one paint. Child windows are not
// owned one by one; they go with their parent.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace pelmora::sim_terminal {

using UniqueWindow = platform::win32::UniqueHandle<HWND, DestroyWindow>;
using UniqueKernelHandle = platform::win32::UniqueHandle<HANDLE, CloseHandle>;
using platform::win32::Selected;
using platform::win32::UniqueBrush;
using platform::win32::UniquePen;

}  // namespace pelmora::sim_terminal
