// One tooltip window, one tool per control (identified by its window, subclassed for the mouse).
#include "platform/win32/tooltips.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

Tooltips::Tooltips(HWND owner)
    : window_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}

void Tooltips::set(HWND control, std::string_view hint) {
  if (!hwnd() || !control) return;
  std::wstring text = to_wide(hint);
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every common-controls version
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text.data();
  SendMessageW(hwnd(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (!text.empty()) SendMessageW(hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace pelmora::platform::win32
