// A pop-up menu (RAII) and its items. The menu's commands arrive as WM_COMMAND at the window
// that showed it: route them with HostWindow::set_on_menu_command to PopupMenu::dispatch.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls.h"

namespace pelmora::platform::win32 {

class MenuItem final : public platform::MenuItem {
 public:
  MenuItem(HMENU menu, int id) : menu_(menu), id_(id) {}

  bool enabled() const override;
  void set_enabled(bool on) override;
  void set_on_click(Handler handler) override { on_click_ = std::move(handler); }
  int id() const { return id_; }
  // A command for this item: runs the handler unless the item is disabled.
  void click();

 private:
  HMENU menu_;  // held; the PopupMenu owns it
  int id_;
  Handler on_click_;
};

class PopupMenu {
 public:
  // Throws std::runtime_error when the system refuses to create the menu.
  PopupMenu();
  PopupMenu(PopupMenu&& other) noexcept
      : menu_(std::exchange(other.menu_, nullptr)), items_(std::move(other.items_)) {}
  PopupMenu& operator=(PopupMenu&&) = delete;
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  ~PopupMenu();

  HMENU handle() const { return menu_; }
  // Appends an item; `id` must be unique among the menus one window shows (1 to 65535).
  MenuItem& add_item(int id, std::string_view caption);
  // Handles a menu command id; false when no item of this menu has it.
  bool dispatch(int id);
  // Shows the menu at a screen point and tracks it until the user chooses or cancels; the
  // chosen item's command is posted to `owner`.
  void show(HWND owner, int screen_x, int screen_y);

 private:
  HMENU menu_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace pelmora::platform::win32
