// A spin-button pair: down on the left half, up on the right, on the form's see-through key
// colour. A press gives one step when released over the same half; held, it steps after 400 ms
// and then every 100 ms while the mouse stays over that half (no extra step on release).
// Focused, the arrow keys step too.
#pragma once

#include <windows.h>

#include "platform/win32/custom_control.h"

namespace pelmora::platform::win32 {

struct SpinButtonsArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  COLORREF background = 0;
};

class SpinButtons final : public CustomControl<platform::SpinButtons> {
 public:
  static constexpr UINT kFirstRepeatMs = 400;
  static constexpr UINT kRepeatMs = 100;

  explicit SpinButtons(const SpinButtonsArgs& args);

  void set_on_up(Handler h) override { on_up_ = std::move(h); }
  void set_on_down(Handler h) override { on_down_ = std::move(h); }

 private:
  enum class Half { kNone, kDown, kUp };

  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  void paint() override;
  Half half_at(int x, int y) const;
  void step(Half half);
  void press(Half half);
  void release(int x, int y);

  COLORREF background_;
  Half pressed_ = Half::kNone;
  Half hover_ = Half::kNone;
  bool repeating_ = false;
  Handler on_up_;
  Handler on_down_;
};

}  // namespace pelmora::platform::win32
