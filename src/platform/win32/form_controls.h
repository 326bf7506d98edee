// The Win32 form built from the layout data at the scale of the form's monitor: the form window,
// the four panels and every control on them, the exchange fields at their fixed identifiers,
// fonts at every scale, hints, the shortcut menu and the timers, each reached by its given name.
// It reports Tab in a control of the form to the window's Tab event.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "form/layout.h"
#include "platform/control_registry.h"
#include "platform/win32/child_window.h"
#include "platform/win32/form_window.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/panel_control.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/timer.h"
#include "platform/win32/tooltips.h"

namespace pelmora::platform::win32 {

class FormControls final : public ControlRegistry {
 public:
  // Throws std::runtime_error when the system refuses a window.
  FormControls();
  FormControls(const FormControls&) = delete;
  FormControls& operator=(const FormControls&) = delete;
  ~FormControls() override;

  FormWindow& window() override { return window_; }
  // The native window of a control or panel; nullptr for an unknown name.
  HWND hwnd_of(std::string_view name) const;
  void set_hint(std::string_view name, std::string_view hint) override;
  HMENU popup_menu() const { return menu_.handle(); }

  // For the message loop: a Tab or Shift+Tab key press in a control of the form, reported to the
  // window's Tab event; true when its handler took the key.
  bool handle_tab(const MSG& msg);
  // For the message loop: a key press in a window of the form, reported to the window's key
  // event before the control sees it; true when its handler took the key.
  bool handle_key(const MSG& msg);

 private:
  // `spec` is the layout's, at 96 dots per inch; `dpi` the scale to make it at.
  void create(const form::ControlSpec& spec, int dpi, int id);
  HWND parent_of(const form::ControlSpec& spec) const;
  HFONT font(const form::Font& font);
  // The layout font `design` at any scale, from the cache.
  FontAt font_at(const form::Font& design);
  void finish(const form::ControlSpec& spec, HWND hwnd);
  template <typename T>
  T& keep(std::unique_ptr<T> control) {
    T& ref = *control;
    controls_.push_back(std::move(control));
    return ref;
  }

  FormWindow window_;
  std::map<std::tuple<std::string, int, bool>, UniqueFont> fonts_;
  Tooltips tooltips_;
  PopupMenu menu_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::map<std::string, std::unique_ptr<PanelControl>, std::less<>> panels_;
  std::vector<std::unique_ptr<platform::Control>> controls_;
  std::map<std::string, HWND, std::less<>> windows_;
  std::map<HWND, std::string> names_;
};

}  // namespace pelmora::platform::win32
