// Reads and writes through the link header's helpers, which send one message per read (never a
// length query first) and give up on a panel that does not answer.
#include "panel_link.h"

namespace minimal_expert {

namespace {
constexpr UINT kAnswerMs = 2000;  // a busy panel cannot hang the expert longer than this
}  // namespace

PanelLink::~PanelLink() {
  if (buffer_) HeapFree(GetProcessHeap(), 0, buffer_);
}

bool PanelLink::find(const std::wstring& parameter) {
  panel_ = pelmora_find_panel(parameter.c_str());
  return panel_ != nullptr;
}

std::optional<std::wstring> PanelLink::read(Field field) {
  const int length =
      pelmora_read_field(panel_, static_cast<int>(field), kAnswerMs, &buffer_, &capacity_);
  if (length < 0) return std::nullopt;
  return std::wstring(buffer_, static_cast<size_t>(length));
}

bool PanelLink::write(Field field, const std::wstring& text) const {
  return pelmora_write_field(panel_, static_cast<int>(field), kAnswerMs, text.c_str()) != FALSE;
}

// IN_READ_COMMAND first, and a command only while it reads empty: with our READ_OK standing the
// command beside it is the one we took, and with our WAIT standing the panel holds any newer
// one. Once the panel has cleared IN_READ_COMMAND (it clears OUT_COMMAND first), whatever stands
// in OUT_COMMAND is new, even when its text equals the last one's.
std::optional<std::wstring> PanelLink::new_command() {
  const auto answer = read(Field::kInReadCommand);
  if (!answer || !answer->empty()) return std::nullopt;
  auto command = read(Field::kOutCommand);
  if (!command || command->empty()) return std::nullopt;
  return command;
}

}  // namespace minimal_expert
