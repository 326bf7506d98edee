// The panel's six exchange fields as the expert reaches them from its own side, through the link
// header: the panel found by its caption, each field by its control id, every read and write
// whole and bounded in time.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "pelmora/link.h"

namespace pelmora::sim_terminal {

enum class Field : int {
  in_orders = PELMORA_IN_ORDERS,
  in_read_command = PELMORA_IN_READ_COMMAND,
  in_ask_bid = PELMORA_IN_ASK_BID,
  in_order_property = PELMORA_IN_ORDER_PROPERTY,
  out_selected_order = PELMORA_OUT_SELECTED_ORDER,
  out_command = PELMORA_OUT_COMMAND,
};

class PanelFields {
 public:
  // `caption` is the panel's top-level caption, "Pelmora" + its parameter.
  explicit PanelFields(std::wstring caption) : caption_(std::move(caption)) {}
  PanelFields(const PanelFields&) = delete;
  PanelFields& operator=(const PanelFields&) = delete;
  ~PanelFields();

  // Looks for the panel and its six fields when they are not known yet; true when all are.
  bool find();
  bool found() const { return panel_ != nullptr; }
  HWND panel() const { return panel_; }
  // Drops the handles: the panel is gone or stopped answering, and is looked for again.
  void forget() { panel_ = nullptr; }

  // The field's whole text; nothing when the panel did not answer in time (it is then forgotten).
  std::optional<std::string> read(Field field);
  // Replaces the field's whole text; false when the panel did not answer (it is then forgotten).
  bool write(Field field, std::string_view text);

 private:
  std::wstring caption_;
  HWND panel_ = nullptr;  // held, not owned
  std::array<HWND, PELMORA_FIELD_COUNT> fields_{};
  // The read buffer, grown by the header's reader and kept between reads.
  wchar_t* buffer_ = nullptr;
  size_t capacity_ = 0;
};

}  // namespace pelmora::sim_terminal
