// The list box wrapper. LB_SETCURSEL raises no LBN_SELCHANGE, so every selection the program
// makes stays silent; only the user's mouse and keyboard moves reach the select handler.
#include "platform/win32/list_box.h"
#include "platform/win32/handler_call.h"

#include "form/scaling.h"
#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

ListBox::ListBox(const ListBoxArgs& args)
    : ChildControl(
          create_child({.window_class = L"LISTBOX",
                        .style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        .ex_style = WS_EX_CLIENTEDGE,
                        .parent = args.parent,
                        .id = args.id,
                        .bounds = args.bounds,
                        .font = args.font}),
          args.font_at),
      item_height_(args.item_height) {
  if (item_height_ > 0) send(LB_SETITEMHEIGHT, 0, form::scale(item_height_, args.dpi));
}

void ListBox::rescale(const Bounds& bounds, int dpi) {
  ChildControl::rescale(bounds, dpi);
  if (item_height_ > 0) send(LB_SETITEMHEIGHT, 0, form::scale(item_height_, dpi));
}

int ListBox::count() const {
  return static_cast<int>(items_.size());
}

std::string ListBox::item(int index) const {
  if (index < 0 || index >= count()) return {};
  return items_[static_cast<size_t>(index)];
}

// Deleting and inserting the item loses the selection when it is the selected one and may
// scroll the list; both are put back as they were, silently.
void ListBox::replace(int index, std::string_view text) {
  if (index < 0 || index >= count() || item(index) == text) return;
  const int kept = selected();
  const LRESULT top = send(LB_GETTOPINDEX);
  changed_ = true;
  send(LB_DELETESTRING, static_cast<WPARAM>(index));
  const LRESULT inserted = send(LB_INSERTSTRING, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(to_wide(text).c_str()));
  if (inserted < 0) {  // no room: the control lost the item, so the copy loses it too
    items_.erase(items_.begin() + index);
  } else {
    items_[static_cast<size_t>(index)] = std::string(text);
  }
  if (kept != kNoSelection) send(LB_SETCURSEL, static_cast<WPARAM>(kept));
  send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
}

void ListBox::append(std::string_view text) {
  changed_ = true;
  if (send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(text).c_str())) >= 0) {
    items_.emplace_back(text);
  }
}

void ListBox::truncate(int index) {
  if (index < 0) index = 0;
  for (int last = count() - 1; last >= index; --last) {
    changed_ = true;
    send(LB_DELETESTRING, static_cast<WPARAM>(last));
    items_.pop_back();
  }
}

void ListBox::clear() {
  changed_ = true;
  send(LB_RESETCONTENT);
  items_.clear();
}

int ListBox::selected() const {
  const LRESULT index = send(LB_GETCURSEL);
  return index == LB_ERR ? kNoSelection : static_cast<int>(index);
}

void ListBox::select(int index) {
  if (index < 0 || index >= count()) index = kNoSelection;
  send(LB_SETCURSEL, static_cast<WPARAM>(index));
}

// Resuming repaints the whole list only when an item changed while it was suspended: a full
// repaint a hundred times a second is most of an idle panel's cost.
void ListBox::set_redraw(bool on) {
  if (!on) changed_ = false;
  send(WM_SETREDRAW, on ? TRUE : FALSE);
  if (on && changed_) InvalidateRect(hwnd(), nullptr, TRUE);
}

void ListBox::on_command(WORD code) {
  if (code == LBN_SELCHANGE) call_handler(on_select_);
}

}  // namespace pelmora::platform::win32
