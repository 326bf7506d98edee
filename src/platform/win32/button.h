// BUTTON control (push button) with a click handler.
#pragma once

#include <windows.h>

#include <string>

#include "platform/controls.h"
#include "platform/win32/child_window.h"

namespace pelmora::platform::win32 {

struct ButtonArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  std::string caption{};
  HFONT font = nullptr;  // held, not owned; nullptr: DEFAULT_GUI_FONT
  FontAt font_at{};      // the font at another scale; empty: it keeps its font
};

class Button final : public ChildControl<platform::Button> {
 public:
  explicit Button(const ButtonArgs& args);

  std::string text() const override;
  void set_text(std::string_view text) override;
  void set_on_click(Handler handler) override { on_click_ = std::move(handler); }
  void repaint() override;

 private:
  void on_command(WORD code) override;

  Handler on_click_;
};

}  // namespace pelmora::platform::win32
