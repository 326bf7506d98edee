// Creation of a child control inside a host window, and the state every control wrapper shares
// (enabled, visible, place, focus, scale). Each wrapper owns its window and is pinned in memory,
// because the window refers back to it (notification routing): hold wrappers by value in a
// pinned owner or by std::unique_ptr.
#pragma once

#include <windows.h>

#include <functional>
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

// A control's font at a display scale (dots per inch); the fonts are held, not owned.
using FontAt = std::function<HFONT(int dpi)>;

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
  void set_focus() override { SetFocus(hwnd()); }
  // The new place and size, and the font at the new scale when the control was given one.
  void rescale(const Bounds& b, int dpi) override {
    SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (font_at_) SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_at_(dpi)), TRUE);
  }

 protected:
  explicit ChildControl(UniqueWindow window, FontAt font_at = {})
      : window_(std::move(window)), font_at_(std::move(font_at)) {
    attach_notify_target(hwnd(), this);
  }
  // Detached first, so that nothing the destruction sends reaches a half-destroyed wrapper.
  ~ChildControl() override { detach_notify_target(hwnd()); }

  const FontAt& font_at() const { return font_at_; }

 private:
  UniqueWindow window_;
  FontAt font_at_;
};

}  // namespace pelmora::platform::win32
