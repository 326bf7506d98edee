// Owners of what the substitute terminal creates, on the panel's own move-only handle template:
// a top-level window, a kernel object, one paint and the GDI objects it uses. Child windows are not
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

// One WM_PAINT's device context, ended when it goes, with the window's client rectangle.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {
    GetClientRect(window, &client_);
  }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  ~Painting() { EndPaint(window_, &paint_); }
  HDC dc() const { return dc_; }
  const RECT& client() const { return client_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
  RECT client_{};
};

}  // namespace pelmora::sim_terminal
