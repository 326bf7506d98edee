// Window texts through the W calls. A text written by another process arrives as a sent
// message, which this thread only handles while it pumps messages, so the length query and the
// read below always see the same text.
#include "platform/win32/window_text.h"

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

std::string window_text(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
  buffer.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return to_utf8(buffer);
}

void set_window_text(HWND hwnd, std::string_view text) {
  SetWindowTextW(hwnd, to_wide(text).c_str());
}

}  // namespace pelmora::platform::win32
