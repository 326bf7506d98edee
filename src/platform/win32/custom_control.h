// A child window of our own class whose messages go to a C++ object: the base of the controls
// we draw ourselves (labels, lines, image buttons, spin-button pairs).
#pragma once

#include <windows.h>

#include "platform/win32/child_window.h"

namespace pelmora::platform::win32 {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Paints the whole client area: the class erases nothing, so nothing else paints it.
  virtual void paint() = 0;
  // Any other message. Returns true when handled, with the result in *result; otherwise the
  // default procedure runs.
  virtual bool on_message(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/,
                          LRESULT* /*result*/) {
    return false;
  }
};

// The class name of our custom controls (registered on first use; no background brush, so
// each control paints all of itself).
const wchar_t* custom_control_class();

// Routes the window's messages to `sink` (nullptr: detach).
void bind_sink(HWND hwnd, MessageSink* sink);

template <typename Base>
class CustomControl : public ChildControl<Base>, public MessageSink {
 protected:
  explicit CustomControl(ChildSpec spec, FontAt font_at = {})
      : ChildControl<Base>(make(spec), std::move(font_at)) {
    bind_sink(this->hwnd(), this);
  }
  ~CustomControl() override { bind_sink(this->hwnd(), nullptr); }

 private:
  static UniqueWindow make(ChildSpec spec) {
    spec.window_class = custom_control_class();
    return create_child(spec);
  }
};

}  // namespace pelmora::platform::win32
