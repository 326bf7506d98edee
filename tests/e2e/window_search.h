// Finding windows of the panel and of the substitute terminal from outside, with plain window
// calls: by text, by sibling steps, by the panel's control ids, and the panel's menu and boxes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "form/names.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;

// The first descendant, depth-first, whose whole text is `text`, read as the panel reads it.
HWND find_by_text(HWND parent, const std::wstring& text);
// The window `steps` previous-sibling steps before `window`; null when the chain ends.
HWND previous(HWND window, int steps);
std::wstring class_of(HWND window);

// A control of the panel window by its layout name (e.g. names::kCloseButton), searched among all
// the window's descendants by the control id the panel gives it; null when there is none.
HWND panel_control(HWND panel, std::string_view name);

// A visible top-level window of that class belonging to the process, or null: a shortcut menu
// is of class kMenuClass, a message box of class kDialogClass.
HWND process_window(DWORD process_id, const wchar_t* window_class);
inline constexpr wchar_t kMenuClass[] = L"#32768";
inline constexpr wchar_t kDialogClass[] = L"#32770";

}  // namespace pelmora::e2e
