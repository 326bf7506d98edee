// A radio group: a captioned frame on a silver background holding two exclusive choices. The
// group hosts its two radio buttons, so their clicks reach it directly.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/win32/child_window.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/host_window.h"

namespace pelmora::platform::win32 {

struct RadioGroupArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  std::string caption;
  std::array<std::string, 2> choices;
  HFONT font = nullptr;  // held, not owned
  FontAt font_at{};      // the font at another scale; empty: it keeps its font
  COLORREF background = 0;
};

class RadioGroup final : public platform::RadioGroup {
 public:
  explicit RadioGroup(const RadioGroupArgs& args);

  bool enabled() const override { return IsWindowEnabled(host_.hwnd()) != FALSE; }
  void set_enabled(bool on) override;
  bool visible() const override;
  void set_visible(bool shown) override { ShowWindow(host_.hwnd(), shown ? SW_SHOWNA : SW_HIDE); }
  Bounds bounds() const override;
  void set_position(int left, int top) override;
  // The selected choice takes the focus, the first one when none is selected.
  void set_focus() override;
  // The group at another scale: place, size and font, its choices laid out again inside.
  void rescale(const Bounds& bounds, int dpi) override;
  int selected() const override;
  void select(int choice) override;
  void set_on_change(Handler handler) override { on_change_ = std::move(handler); }

  HWND hwnd() const { return host_.hwnd(); }
  HWND choice_window(int index) const { return choices_[static_cast<size_t>(index)]; }

 private:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  void paint_frame(HDC dc);
  // Places the two choices under the caption and gives them the group's font.
  void lay_out_choices();
  int caption_height() const;
  int inset() const;

  HostWindow host_;
  std::string caption_;
  HFONT font_;
  FontAt font_at_;
  COLORREF background_;
  UniqueBrush brush_;
  std::array<HWND, 2> choices_{};  // children of host_, destroyed with it
  Handler on_change_;
};

}  // namespace pelmora::platform::win32
