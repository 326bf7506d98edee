// Creation of a child control inside a host window, and the state every control wrapper shares
// (enabled, visible, place). Each wrapper owns its window and is pinned in memory, because the
// window refers back to it (notification routing): hold wrappers by value in a pinned owner or
// by std::unique_ptr.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/controls.h"
#include "platform/win32/notify_target.h"
#include "platform/win32/unique_window.h"

namespace pelmora::platform::win32 {

struct ChildSpec {
  const wchar_t* window_class = nullptr;
  DWORD style = 0;  // WS_CHILD and WS_VISIBLE are always added
  DWORD ex_style = 0;
  HWND parent = nullptr;
  int id = 0;  // GetDlgItem(parent, id) finds the control
  Bounds bounds{};
  std::string_view text{};
  HFONT font = nullptr;  // held, not owned; nullptr: DEFAULT_GUI_FONT
};

// Creates the control; throws std::runtime_error when the system refuses.
UniqueWindow create_child(const ChildSpec& spec);

// The window's rectangle in its parent's client coordinates.
Bounds child_bounds(HWND hwnd);

// Enabled, visible and place of a control, read from and written to its window each time.
// Notifications routed by the parent reach the derived wrapper's NotifyTarget overrides.
template <typename Base>
class ChildControl : public Base, public NotifyTarget {
 public:
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  HWND hwnd() const { return window_.get(); }

  bool enabled() const override { return IsWindowEnabled(hwnd()) != FALSE; }
  void set_enabled(bool on) override { EnableWindow(hwnd(), on ? TRUE : FALSE); }
  bool visible() const override { return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }
  void set_visible(bool shown) override { ShowWindow(hwnd(), shown ? SW_SHOWNA : SW_HIDE); }
  Bounds bounds() const override { return child_bounds(hwnd()); }
  void set_position(int left, int top) override {
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 protected:
  explicit ChildControl(UniqueWindow window) : window_(std::move(window)) {
    attach_notify_target(hwnd(), this);
  }
  // Detached first, so that nothing the destruction sends reaches a half-destroyed wrapper.
  ~ChildControl() override { detach_notify_target(hwnd()); }

 private:
  UniqueWindow window_;
};

}  // namespace pelmora::platform::win32
