// Reads ask WM_GETTEXT once, into a buffer larger than the text: asking WM_GETTEXTLENGTH first
// would let the panel write a longer value in between, and the read would return its beginning.
#include "panel_link.h"

namespace minimal_expert {

namespace {

constexpr UINT kAnswerMs = 2000;  // a busy panel cannot hang the expert longer than this
constexpr size_t kFirstBuffer = 4096;
constexpr size_t kLargestBuffer = size_t{1} << 24;

}  // namespace

bool PanelLink::find(const std::wstring& parameter) {
  panel_ = FindWindowW(nullptr, (L"Pelmora" + parameter).c_str());
  return panel_ != nullptr;
}

std::optional<std::wstring> PanelLink::read(Field field) const {
  HWND control = GetDlgItem(panel_, static_cast<int>(field));
  if (!control) return std::nullopt;
  for (size_t size = kFirstBuffer; size <= kLargestBuffer; size *= 2) {
    std::wstring buffer(size, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_BLOCK, kAnswerMs, &copied)) {
      return std::nullopt;
    }
    if (copied < size - 1) {  // it fitted, so it is the whole text
      buffer.resize(copied);
      return buffer;
    }
  }
  return std::nullopt;
}

bool PanelLink::write(Field field, const std::wstring& text) const {
  HWND control = GetDlgItem(panel_, static_cast<int>(field));
  DWORD_PTR ignored = 0;
  return control &&
         SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_BLOCK, kAnswerMs, &ignored) != 0;
}

// IN_READ_COMMAND first: while our READ_OK stands, the command beside it is one we took. Once
// it has gone, the panel clears OUT_COMMAND only after our next READ_OK, so whatever stands
// there now is new, even when its text equals the last one's.
std::optional<std::wstring> PanelLink::new_command() const {
  const auto answer = read(Field::kInReadCommand);
  if (!answer || *answer == L"READ_OK") return std::nullopt;
  auto command = read(Field::kOutCommand);
  if (!command || command->empty()) return std::nullopt;
  return command;
}

}  // namespace minimal_expert
