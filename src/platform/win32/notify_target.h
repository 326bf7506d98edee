// How a parent window hands a child control's notifications to the C++ wrapper of that child.
// Every wrapper that wants its notifications attaches itself to its own window; every window
// procedure of ours that parents controls calls dispatch_child_message first.
#pragma once

#include <windows.h>

namespace pelmora::platform::win32 {

class NotifyTarget {
 public:
  virtual ~NotifyTarget() = default;
  // WM_COMMAND from this control: the notification code (EN_CHANGE, LBN_SELCHANGE, BN_CLICKED).
  virtual void on_command(WORD /*code*/) {}
  // WM_NOTIFY from this control; return true when handled, with the result in *result.
  virtual bool on_notify(const NMHDR& /*header*/, LRESULT* /*result*/) { return false; }
  // WM_HSCROLL / WM_VSCROLL sent by a trackbar child to its parent.
  virtual void on_scroll(WORD /*code*/) {}
  // WM_DRAWITEM for an owner-drawn control.
  virtual bool on_draw_item(const DRAWITEMSTRUCT& /*item*/) { return false; }
};

// Attaches `target` to `control` (a window property; the wrapper detaches in its destructor).
void attach_notify_target(HWND control, NotifyTarget* target);
void detach_notify_target(HWND control);
NotifyTarget* notify_target_of(HWND control);

// Routes WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL and WM_DRAWITEM that come from a child
// with an attached target. Returns true when the message was a child's and was delivered.
bool dispatch_child_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

}  // namespace pelmora::platform::win32
