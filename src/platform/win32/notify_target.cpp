// Child-notification routing through a window property on the child.
#include "platform/win32/notify_target.h"

namespace pelmora::platform::win32 {

namespace {
constexpr wchar_t kProperty[] = L"Pelmora.NotifyTarget";
}

void attach_notify_target(HWND control, NotifyTarget* target) {
  SetPropW(control, kProperty, reinterpret_cast<HANDLE>(target));
}

void detach_notify_target(HWND control) { RemovePropW(control, kProperty); }

NotifyTarget* notify_target_of(HWND control) {
  if (!control) return nullptr;
  return reinterpret_cast<NotifyTarget*>(GetPropW(control, kProperty));
}

bool dispatch_child_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND: {
      NotifyTarget* target = notify_target_of(reinterpret_cast<HWND>(lparam));
      if (!target) return false;
      target->on_command(HIWORD(wparam));
      *result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      NotifyTarget* target = header ? notify_target_of(header->hwndFrom) : nullptr;
      if (!target) return false;
      *result = 0;
      return target->on_notify(*header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      NotifyTarget* target = notify_target_of(reinterpret_cast<HWND>(lparam));
      if (!target) return false;
      target->on_scroll(LOWORD(wparam));
      *result = 0;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      NotifyTarget* target = item ? notify_target_of(item->hwndItem) : nullptr;
      if (!target || !target->on_draw_item(*item)) return false;
      *result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace pelmora::platform::win32
