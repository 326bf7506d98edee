// The push-button wrapper.
#include "platform/win32/button.h"
#include "platform/win32/handler_call.h"

#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

Button::Button(const ButtonArgs& args)
    : ChildControl(create_child({.window_class = L"BUTTON",
                                 .style = WS_TABSTOP | BS_PUSHBUTTON,
                                 .parent = args.parent,
                                 .id = args.id,
                                 .bounds = args.bounds,
                                 .text = args.caption,
                                 .font = args.font}),
                   args.font_at) {}

std::string Button::text() const {
  return window_text(hwnd());
}

void Button::set_text(std::string_view text) {
  set_window_text(hwnd(), text);
}

// Hiding and showing the window again repaints it; a hidden button has nothing to repaint and
// stays hidden.
void Button::repaint() {
  if (!visible()) return;
  ShowWindow(hwnd(), SW_HIDE);
  ShowWindow(hwnd(), SW_SHOWNA);
}

// BM_CLICK from another process reaches a disabled or hidden button too; the user could not
// have clicked it, so it does not count.
void Button::on_command(WORD code) {
  if (code == BN_CLICKED && enabled() && visible()) call_handler(on_click_);
}

}  // namespace pelmora::platform::win32
