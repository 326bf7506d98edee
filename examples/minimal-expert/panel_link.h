// The panel's exchange fields as the expert sees them, through the link header: the panel window
// found by its caption, each field by its fixed control id, every text read and written whole
// with one message.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "pelmora/link.h"

namespace minimal_expert {

enum class Field : int {
  kInOrders = PELMORA_IN_ORDERS,
  kInReadCommand = PELMORA_IN_READ_COMMAND,
  kInAskBid = PELMORA_IN_ASK_BID,
  kInOrderProperty = PELMORA_IN_ORDER_PROPERTY,
  kOutSelectedOrder = PELMORA_OUT_SELECTED_ORDER,
  kOutCommand = PELMORA_OUT_COMMAND,
};

class PanelLink {
 public:
  PanelLink() = default;
  PanelLink(const PanelLink&) = delete;
  PanelLink& operator=(const PanelLink&) = delete;
  ~PanelLink();

  // Looks for the window captioned "Pelmora" + `parameter`; false while it is not there yet.
  bool find(const std::wstring& parameter);
  bool found() const { return panel_ != nullptr; }

  // The whole text of a field; nothing when the panel did not answer in time.
  std::optional<std::wstring> read(Field field);
  bool write(Field field, const std::wstring& text) const;

  // A new command from OUT_COMMAND, by the handshake's rule; nothing when there is none.
  std::optional<std::wstring> new_command();

 private:
  HWND panel_ = nullptr;
  // The read buffer, kept between reads; the header's helper grows it.
  wchar_t* buffer_ = nullptr;
  size_t capacity_ = 0;
};

}  // namespace minimal_expert
