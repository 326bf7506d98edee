// LISTBOX control (never sorted, notifying, exact height): in-place item replacement that keeps
// the selected position, and a select handler raised only by the user.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/child_window.h"

namespace pelmora::platform::win32 {

struct ListBoxArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  HFONT font = nullptr;  // held, not owned; nullptr: DEFAULT_GUI_FONT
  FontAt font_at{};      // the font at another scale; empty: it keeps its font
  int item_height = 0;   // pixels at 96 dots per inch; 0: the font's own
  int dpi = 96;          // the scale the list is made at
};

class ListBox final : public ChildControl<platform::ListBox> {
 public:
  explicit ListBox(const ListBoxArgs& args);

  int count() const override;
  std::string item(int index) const override;
  void replace(int index, std::string_view text) override;
  void append(std::string_view text) override;
  void truncate(int index) override;
  void clear() override;
  int selected() const override;
  void select(int index) override;
  void set_redraw(bool on) override;
  void set_on_select(Handler handler) override { on_select_ = std::move(handler); }
  // The font, then the item height, which a new font resets, at the new scale.
  void rescale(const Bounds& bounds, int dpi) override;

 private:
  void on_command(WORD code) override;
  LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendMessageW(hwnd(), message, wparam, lparam);
  }

  int item_height_;  // at 96 dots per inch
  Handler on_select_;
  bool changed_ = false;  // an item changed since repainting was last suspended
  // The items as this program wrote them. Only this program fills the list, so the count and the
  // items are answered from here: the link asks for them a hundred times a second, and each
  // message to the control may cost far more than the lookup.
  std::vector<std::string> items_;
};

}  // namespace pelmora::platform::win32
