// Each read is one WM_GETTEXT into a buffer larger than the text, never a length query followed
// by a read: the panel may rewrite a field between two messages, and a read sized by the old
// length would cut the new text short ("-1" then "12345 " reads "12"). A read that fills the
// buffer may have been cut, so it is repeated with a larger one.
#include "expert_fields.h"

#include "platform/win32/wide.h"

namespace pelmora::sim_terminal {

namespace {

// A panel that takes longer than this is treated as gone for now; the terminal must not stall.
constexpr UINT kAnswerMs = 250;
constexpr UINT kSendFlags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
// No exchange field holds more than this in use; a larger text is read cut to it.
constexpr size_t kMaxReadChars = size_t{1} << 20;

}  // namespace

bool PanelFields::find() {
  if (panel_ && IsWindow(panel_)) return true;
  panel_ = nullptr;
  HWND panel = FindWindowW(nullptr, caption_.c_str());
  if (!panel) return false;
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = GetDlgItem(panel, static_cast<int>(Field::in_orders) + static_cast<int>(i));
    if (!fields_[i]) return false;  // still being built: looked for again later
  }
  panel_ = panel;
  return true;
}

HWND PanelFields::window(Field field) const {
  return fields_[static_cast<size_t>(static_cast<int>(field) - static_cast<int>(Field::in_orders))];
}

std::optional<std::string> PanelFields::read(Field field) {
  if (!panel_) return std::nullopt;
  for (;;) {
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window(field), WM_GETTEXT, buffer_.size(),
                             reinterpret_cast<LPARAM>(buffer_.data()), kSendFlags, kAnswerMs,
                             &copied)) {
      forget();
      return std::nullopt;
    }
    if (copied + 1 < buffer_.size() || buffer_.size() >= kMaxReadChars) {
      return platform::win32::to_utf8(std::wstring_view(buffer_.data(), copied));
    }
    buffer_.assign(buffer_.size() * 2, L'\0');
  }
}

bool PanelFields::write(Field field, std::string_view text) {
  if (!panel_) return false;
  const std::wstring wide = platform::win32::to_wide(text);
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(window(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                          kSendFlags, kAnswerMs, &ignored)) {
    return true;
  }
  forget();
  return false;
}

}  // namespace pelmora::sim_terminal
