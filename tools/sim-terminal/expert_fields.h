// The panel's six exchange fields as the expert reaches them from its own side: the panel found
// by its caption, each field by its control id, every read and write whole and bounded in time.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::sim_terminal {

enum class Field : int {
  in_orders = 1001,
  in_read_command = 1002,
  in_ask_bid = 1003,
  in_order_property = 1004,
  out_selected_order = 1005,
  out_command = 1006,
};

class PanelFields {
 public:
  // `caption` is the panel's top-level caption, "Pelmora" + its parameter.
  explicit PanelFields(std::wstring caption) : caption_(std::move(caption)) {}

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
  HWND window(Field field) const;

  std::wstring caption_;
  HWND panel_ = nullptr;  // held, not owned
  std::array<HWND, 6> fields_{};
  std::wstring buffer_ = std::wstring(256, L'\0');
};

}  // namespace pelmora::sim_terminal
