// Reads and writes go through the link header: each read is one WM_GETTEXT into a buffer larger
// than the text, never a length query followed by a read (the panel may rewrite a field between
// two messages, and a read sized by the old length would cut the new text short), and a read
// that fills the buffer is made again with a larger one.
#include "expert_fields.h"

#include "platform/win32/wide.h"

namespace pelmora::sim_terminal {

namespace {

// A panel that takes longer than this is treated as gone for now; the terminal must not stall.
constexpr UINT kAnswerMs = 250;

}  // namespace

PanelFields::~PanelFields() {
  if (buffer_) HeapFree(GetProcessHeap(), 0, buffer_);
}

bool PanelFields::find() {
  if (panel_ && IsWindow(panel_)) return true;
  panel_ = nullptr;
  HWND panel = FindWindowW(nullptr, caption_.c_str());
  if (!panel) return false;
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = GetDlgItem(panel, PELMORA_FIRST_FIELD + static_cast<int>(i));
    if (!fields_[i]) return false;  // still being built: looked for again later
  }
  panel_ = panel;
  return true;
}

std::optional<std::string> PanelFields::read(Field field) {
  if (!panel_) return std::nullopt;
  const int length =
      pelmora_read_field(panel_, static_cast<int>(field), kAnswerMs, &buffer_, &capacity_);
  if (length < 0) {
    forget();
    return std::nullopt;
  }
  return platform::win32::to_utf8(std::wstring_view(buffer_, static_cast<size_t>(length)));
}

bool PanelFields::write(Field field, std::string_view text) {
  if (!panel_) return false;
  const std::wstring wide = platform::win32::to_wide(text);
  if (pelmora_write_field(panel_, static_cast<int>(field), kAnswerMs, wide.c_str())) return true;
  forget();
  return false;
}

}  // namespace pelmora::sim_terminal
