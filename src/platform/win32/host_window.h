// Host windows: the windows of ours that parent controls. A top-level host is the panel's own
// window; a child host is a panel inside it. The host routes child notifications to the control
// wrappers (dispatch_child_message), menu commands to a handler, and anything else to an
// optional hook, then to the default procedure.
//
// Ownership: a HostWindow owns its window and destroys it when it goes (which destroys the
// child windows too, so destroy the control wrappers of a host before the host). Controls are
// created with hwnd() as their parent. Moving a HostWindow keeps the window and its routing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/controls.h"

namespace pelmora::platform::win32 {

struct HostArgs {
  std::string caption{};
  HWND parent = nullptr;  // nullptr: a top-level window; otherwise a child host of `parent`
  int id = 0;             // control id of a child host
  Bounds bounds{};        // screen coordinates for a top-level host, parent's client otherwise
  DWORD style = 0;        // 0: WS_OVERLAPPEDWINDOW (top-level, hidden) or WS_CHILD | WS_VISIBLE
  DWORD ex_style = 0;
  bool quit_on_destroy = false;  // the program's main window: its end ends the message loop
};

class HostWindow {
 public:
  // Returns true when it handled the message, with the result in *result.
  using MessageHook = std::function<bool(UINT message, WPARAM, LPARAM, LRESULT* result)>;
  using CommandHandler = std::function<void(int id)>;

  // Throws std::runtime_error when the system refuses to create the window.
  explicit HostWindow(const HostArgs& args);
  HostWindow(HostWindow&& other) noexcept;
  HostWindow& operator=(HostWindow&& other) noexcept;
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow();

  // nullptr once the window is gone (destroyed by the system or moved from).
  HWND hwnd() const;
  // WM_COMMAND from a menu item of a menu this window owns (see PopupMenu::dispatch).
  void set_on_menu_command(CommandHandler handler);
  // WM_CLOSE. Without a handler the window is destroyed, as the default procedure does.
  void set_on_close(Handler handler);
  // Messages not routed to a child or a menu; runs before the default procedure.
  void set_message_hook(MessageHook hook);

 private:
  struct State;
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void destroy();

  std::unique_ptr<State> state_;
};

}  // namespace pelmora::platform::win32
