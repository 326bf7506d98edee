// EDIT control: a single-line edit, or the multi-line field (no word wrap, no scroll bars) that
// IN_ORDERS uses. The change handler follows the contract of platform::Edit whoever writes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/win32/child_window.h"

namespace pelmora::platform::win32 {

struct EditArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  std::string text{};
  bool multi_line = false;  // ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN
  HFONT font = nullptr;     // held, not owned; nullptr: DEFAULT_GUI_FONT
  FontAt font_at{};         // the font at another scale; empty: it keeps its font
};

class Edit final : public ChildControl<platform::Edit> {
 public:
  explicit Edit(const EditArgs& args);
  ~Edit() override;

  std::string text() const override;
  void set_text(std::string_view text) override;
  void set_on_change(Handler handler) override { on_change_ = std::move(handler); }
  void set_on_key_down(Handler handler) override { on_key_down_ = std::move(handler); }
  void set_on_key_up(Handler handler) override { on_key_up_ = std::move(handler); }
  bool has_focus() const override { return focused_; }
  void set_on_focus_lost(Handler handler) override { on_focus_lost_ = std::move(handler); }

 private:
  void on_command(WORD code) override;
  static LRESULT CALLBACK subclass_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // Runs the handler when the control's text differs from the last text seen here.
  void notice_text();

  WNDPROC original_proc_ = nullptr;
  mutable std::optional<std::string> remembered_;  // the control's text, while unchanged
  std::string last_seen_;
  Handler on_change_;
  Handler on_key_down_;
  Handler on_key_up_;
  Handler on_focus_lost_;
  // Kept from WM_SETFOCUS and WM_KILLFOCUS: the link asks at every tick, and asking the system
  // (GetFocus) would cost a round trip to Wine's server each time.
  bool focused_ = false;
};

}  // namespace pelmora::platform::win32
