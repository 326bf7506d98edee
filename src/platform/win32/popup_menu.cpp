// Pop-up menu and items through the menu functions, by command id.
#include "platform/win32/popup_menu.h"
#include "platform/win32/handler_call.h"

#include <stdexcept>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

bool MenuItem::enabled() const {
  const UINT state = GetMenuState(menu_, static_cast<UINT>(id_), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

void MenuItem::set_enabled(bool on) {
  EnableMenuItem(menu_, static_cast<UINT>(id_), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// The user cannot choose a greyed item; a command for one can only be a stray message.
void MenuItem::click() {
  if (enabled()) call_handler(on_click_);
}

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
  if (!menu_) throw std::runtime_error("cannot create a pop-up menu");
}

PopupMenu::~PopupMenu() {
  if (menu_) DestroyMenu(menu_);
}

MenuItem& PopupMenu::add_item(int id, std::string_view caption) {
  if (!AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(id), to_wide(caption).c_str())) {
    throw std::runtime_error("cannot add a menu item");
  }
  items_.push_back(std::make_unique<MenuItem>(menu_, id));
  return *items_.back();
}

bool PopupMenu::dispatch(int id) {
  for (auto& item : items_) {
    if (item->id() == id) {
      item->click();
      return true;
    }
  }
  return false;
}

void PopupMenu::show(HWND owner, int screen_x, int screen_y) {
  TrackPopupMenuEx(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen_x, screen_y, owner,
                   nullptr);
}

}  // namespace pelmora::platform::win32
