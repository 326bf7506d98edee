// An order button drawn in code: a rounded bar with a vertical gradient, a 1-pixel border and a
// white bold word, in three pictures (normal, focused when the mouse is over it, pressed). A
// click is a left press and release over the button.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/win32/custom_control.h"

namespace pelmora::platform::win32 {

struct ButtonPicture {
  COLORREF top;
  COLORREF bottom;
  COLORREF border;
};

enum class ButtonState { kNormal, kFocused, kPressed };

struct ImageButtonArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  std::string word;                         // "SELL", "BUY"
  std::array<ButtonPicture, 3> pictures{};  // by ButtonState
  HFONT font = nullptr;                     // held, not owned
  FontAt font_at{};                         // the font at another scale; empty: it keeps its font
};

class ImageButton final : public CustomControl<platform::Button> {
 public:
  explicit ImageButton(const ImageButtonArgs& args);

  std::string text() const override;
  void set_text(std::string_view text) override;
  void set_on_click(Handler handler) override { on_click_ = std::move(handler); }
  void repaint() override;

  ButtonState state() const;

 private:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  void paint() override;
  bool mouse_inside() const;

  std::array<ButtonPicture, 3> pictures_;
  HFONT font_;
  bool pressed_ = false;
  bool hot_ = false;
  Handler on_click_;
};

// The pictures of the two order buttons.
std::array<ButtonPicture, 3> sell_pictures();
std::array<ButtonPicture, 3> buy_pictures();

}  // namespace pelmora::platform::win32
