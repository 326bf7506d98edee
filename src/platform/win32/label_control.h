// A label: its caption drawn in its font and colour over the panel face behind it (it has no
// background of its own), optionally with the hand cursor; it reports the mouse. A caption
// that does not fit widens it (a ticket written after "Сделка #", a caption at a large scale),
// never below its design width.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/custom_control.h"
#include "platform/win32/mouse_relay.h"

namespace pelmora::platform::win32 {

struct LabelArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  std::string caption;
  HFONT font = nullptr;  // held, not owned
  FontAt font_at{};      // the font at another scale; empty: it keeps its font
  COLORREF colour = 0;
  bool hand_cursor = false;
};

class Label final : public CustomControl<platform::Label> {
 public:
  explicit Label(const LabelArgs& args);

  std::string text() const override;
  void set_text(std::string_view text) override;
  // The label at another scale: its design place and size and its font; the caption it holds
  // widens it again where it needs to.
  void rescale(const Bounds& bounds, int dpi) override;
  void set_on_mouse_down(MouseButtonHandler h) override { mouse_.set_on_down(std::move(h)); }
  void set_on_mouse_move(MouseMoveHandler h) override { mouse_.set_on_move(std::move(h)); }
  void set_on_mouse_up(MouseButtonHandler h) override { mouse_.set_on_up(std::move(h)); }

 private:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  void paint() override;
  void fit_width();

  HFONT font_;
  int design_width_;
  COLORREF colour_;
  bool hand_cursor_;
  MouseRelay mouse_;
};

}  // namespace pelmora::platform::win32
