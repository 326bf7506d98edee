// user32 behind TerminalWindows. Every call checks the handle first: a window of another
// program may vanish at any moment, and then every answer is "none".
#include "platform/win32/terminal_windows.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {

HWND to_hwnd(WindowRef window) {
  return reinterpret_cast<HWND>(window);
}
WindowRef to_ref(HWND hwnd) {
  return reinterpret_cast<WindowRef>(hwnd);
}
bool is_window(WindowRef window) {
  return window != kNoWindow && IsWindow(to_hwnd(window));
}

// The buffer's text up to its first zero, less half a surrogate pair left by a cut.
std::string whole_characters(std::wstring& buffer, size_t capacity) {
  buffer.resize(wcsnlen(buffer.data(), capacity));
  if (!buffer.empty() && buffer.back() >= 0xD800 && buffer.back() <= 0xDBFF) buffer.pop_back();
  return to_utf8(buffer);
}

}  // namespace

bool Win32TerminalWindows::send_bounded(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                        DWORD timeout_ms, DWORD_PTR* result) const {
  const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
  if (thread == 0) return false;
  const ULONGLONG now = GetTickCount64();
  std::erase_if(quiet_threads_, [now](const QuietThread& q) { return q.until <= now; });
  const bool quiet = std::any_of(quiet_threads_.begin(), quiet_threads_.end(),
                                 [thread](const QuietThread& q) { return q.thread == thread; });
  if (quiet) return false;
  // Not SMTO_BLOCK: while waiting, this thread still answers messages sent to it, so a terminal
  // that reads our exchange fields at the same moment cannot deadlock with us.
  if (SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeout_ms,
                          result) != 0) {
    return true;
  }
  if (IsWindow(hwnd)) quiet_threads_.push_back({thread, GetTickCount64() + bounds_.quiet_ms});
  return false;
}

WindowRef Win32TerminalWindows::related(WindowRef window, UINT relation) const {
  if (!is_window(window)) return kNoWindow;
  return to_ref(GetWindow(to_hwnd(window), relation));
}

WindowRef Win32TerminalWindows::parent(WindowRef window) const {
  if (!is_window(window)) return kNoWindow;
  // The real parent, never the owner; a top-level window's "parent" is the desktop: none.
  const HWND parent = GetAncestor(to_hwnd(window), GA_PARENT);
  return parent == GetDesktopWindow() ? kNoWindow : to_ref(parent);
}

WindowRef Win32TerminalWindows::previous_sibling(WindowRef window) const {
  return related(window, GW_HWNDPREV);
}

WindowRef Win32TerminalWindows::next_sibling(WindowRef window) const {
  return related(window, GW_HWNDNEXT);
}

WindowRef Win32TerminalWindows::first_child(WindowRef window) const {
  return related(window, GW_CHILD);
}

std::optional<std::string> Win32TerminalWindows::read_text(WindowRef window, int max_chars) const {
  if (!is_window(window) || max_chars <= 0) return std::string();
  const HWND hwnd = to_hwnd(window);
  DWORD_PTR length = 0;
  if (!send_bounded(hwnd, WM_GETTEXTLENGTH, 0, 0, bounds_.text_ms, &length)) {
    if (!IsWindow(hwnd)) return std::string();
    return std::nullopt;
  }
  const size_t capacity = std::min<size_t>(length, static_cast<size_t>(max_chars));
  if (capacity == 0) return std::string();
  // Zero-filled and one longer than the text, so the text always ends inside the buffer even
  // when it grew between the two messages.
  std::wstring buffer(capacity + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!send_bounded(hwnd, WM_GETTEXT, capacity + 1, reinterpret_cast<LPARAM>(buffer.data()),
                    bounds_.text_ms, &copied)) {
    if (!IsWindow(hwnd)) return std::string();
    return std::nullopt;
  }
  return whole_characters(buffer, capacity);
}

std::string Win32TerminalWindows::kept_text(WindowRef window, int max_chars) const {
  if (!is_window(window) || max_chars <= 0) return std::string();
  // The system's own copy of the title: no message goes to the window's thread, so a hung
  // terminal cannot hold us here.
  const auto capacity = static_cast<size_t>(max_chars);
  std::wstring buffer(capacity + 1, L'\0');
  InternalGetWindowText(to_hwnd(window), buffer.data(), max_chars + 1);
  return whole_characters(buffer, capacity);
}

bool Win32TerminalWindows::is_minimised(WindowRef window) const {
  return is_window(window) && IsIconic(to_hwnd(window));
}

bool Win32TerminalWindows::is_hidden(WindowRef window) const {
  return is_window(window) && !IsWindowVisible(to_hwnd(window));
}

ScreenRect Win32TerminalWindows::rect(WindowRef window) const {
  RECT r{};
  if (!is_window(window) || !GetWindowRect(to_hwnd(window), &r)) return {};
  return {r.left, r.top, r.right, r.bottom};
}

WindowRef Win32TerminalWindows::foreground() const {
  // The program's owner window lives inside the chart frame once attached, and may hold the
  // activation itself (Wine gives it the activation on attaching): it stands for the terminal's
  // top-level window that contains it, as a click into the terminal would.
  return to_ref(GetAncestor(GetForegroundWindow(), GA_ROOT));
}

WindowRef Win32TerminalWindows::find_top_level(std::string_view caption) const {
  return to_ref(FindWindowW(nullptr, to_wide(caption).c_str()));
}

void Win32TerminalWindows::click(WindowRef button) {
  if (!is_window(button)) return;
  DWORD_PTR ignored = 0;
  send_bounded(to_hwnd(button), BM_CLICK, 0, 0, bounds_.click_ms, &ignored);
}

void Win32TerminalWindows::post_key(WindowRef window, int virtual_key) {
  if (!is_window(window)) return;
  PostMessageW(to_hwnd(window), WM_KEYDOWN, static_cast<WPARAM>(virtual_key), 0);
  PostMessageW(to_hwnd(window), WM_KEYUP, static_cast<WPARAM>(virtual_key), 0);
}

bool Win32TerminalWindows::key_down(int virtual_key) const {
  return GetAsyncKeyState(virtual_key) != 0;
}

// The high bit: down now; the low bit: pressed since the previous call, which keeps a short tap
// between two polls.
TerminalWindows::KeyState Win32TerminalWindows::key_state(int virtual_key) {
  const SHORT state = GetAsyncKeyState(virtual_key);
  return {.down = (state & 0x8000) != 0, .pressed = (state & 1) != 0};
}

bool Win32TerminalWindows::exists(WindowRef window) const {
  return is_window(window);
}

}  // namespace pelmora::platform::win32
