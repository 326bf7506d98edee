// The panel's exchange fields as the expert sees them: the panel window found by its caption,
// each field by its fixed control id, every text read and written whole with one message.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace minimal_expert {

enum class Field : int {
  kInOrders = 1001,
  kInReadCommand = 1002,
  kInAskBid = 1003,
  kInOrderProperty = 1004,
  kOutSelectedOrder = 1005,
  kOutCommand = 1006,
};

class PanelLink {
 public:
  // Looks for the window captioned "Pelmora" + `parameter`; false while it is not there yet.
  bool find(const std::wstring& parameter);
  bool found() const { return panel_ != nullptr; }

  // The whole text of a field; nothing when the panel did not answer in time.
  std::optional<std::wstring> read(Field field) const;
  bool write(Field field, const std::wstring& text) const;

  // A new command from OUT_COMMAND, by the handshake's rule; nothing when there is none.
  std::optional<std::wstring> new_command() const;

 private:
  HWND panel_ = nullptr;
};

}  // namespace minimal_expert
