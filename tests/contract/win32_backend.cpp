// The contract backend over real Win32 controls (Windows test program only). It acts as the
// user and the other process with the messages they would send: WM_SETTEXT from outside the
// wrapper, a paste, mouse messages to the list box, BM_CLICK, a real pop-up menu driven by the
// keyboard, OK on each real error box (box_watcher.h).
#ifdef _WIN32

#include <windows.h>

#include <commctrl.h>

#include <deque>
#include <initializer_list>
#include <map>

#include "contract/backend.h"
#include "platform/win32/button.h"
#include "platform/win32/edit.h"
#include "platform/win32/host_window.h"
#include "platform/win32/list_box.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/timer.h"
#include "platform/win32/wide.h"
#include "win32/box_watcher.h"
#include "win32/form_support.h"

namespace pelmora::contract {
namespace {

namespace win32 = platform::win32;
using win32_test::pump_for;

// Counts the items the list box is given, watching its messages from outside the wrapper.
LRESULT CALLBACK count_item_writes(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                   DWORD_PTR counter) {
  if (message == LB_INSERTSTRING || message == LB_ADDSTRING) ++*reinterpret_cast<int*>(counter);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

// Ends a pop-up menu that the posted keys failed to close, so a fault cannot hang the run.
void CALLBACK end_stuck_menu(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
}

class Win32Backend final : public Backend {
 public:
  Win32Backend() {
    host_.set_on_menu_command([this](int id) {
      for (auto& menu : menus_) menu.dispatch(id);
    });
  }
  ~Win32Backend() override {
    for (auto& [hwnd, count] : item_writes_) RemoveWindowSubclass(hwnd, &count_item_writes, 1);
  }

  platform::Edit& make_edit(bool multi_line) override {
    return own<win32::Edit>(win32::EditArgs{.parent = host_.hwnd(),
                                            .id = next_id_++,
                                            .bounds = {10, 10, 129, 60},
                                            .multi_line = multi_line});
  }
  platform::ListBox& make_list_box() override {
    auto& list = own<win32::ListBox>(
        win32::ListBoxArgs{.parent = host_.hwnd(), .id = next_id_++, .bounds = {10, 80, 200, 200}});
    int& counter = item_writes_[list.hwnd()];
    SetWindowSubclass(list.hwnd(), &count_item_writes, 1, reinterpret_cast<DWORD_PTR>(&counter));
    return list;
  }
  platform::Button& make_button(std::string_view caption) override {
    return own<win32::Button>(win32::ButtonArgs{.parent = host_.hwnd(),
                                                .id = next_id_++,
                                                .bounds = {220, 10, 75, 25},
                                                .caption = std::string(caption)});
  }
  platform::MenuItem& make_menu_item(std::string_view caption) override {
    // One menu per item, so that the first key down always lands on it.
    return menus_.emplace_back().add_item(next_id_++, caption);
  }
  platform::Timer& make_timer(int interval_ms, bool enabled) override {
    return own<win32::Timer>(win32::TimerArgs{.interval_ms = interval_ms, .enabled = enabled});
  }

  void write_from_outside(platform::Edit& edit, std::string_view text) override {
    SendMessageW(hwnd_of(edit), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(win32::to_wide(text).c_str()));
  }
  void user_paste(platform::Edit& edit, std::string_view text) override {
    SendMessageW(hwnd_of(edit), EM_SETSEL, 0, -1);
    SendMessageW(hwnd_of(edit), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(win32::to_wide(text).c_str()));
  }
  void user_click_item(platform::ListBox& list, int index) override {
    HWND hwnd = hwnd_of(list);
    RECT rect{};
    SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, point);
    pump_for(0);
  }
  void user_click(platform::Button& button) override {
    SendMessageW(hwnd_of(button), BM_CLICK, 0, 0);
    pump_for(0);
  }
  void user_click(platform::MenuItem& item) override;
  int item_writes(platform::ListBox& list) override { return item_writes_[hwnd_of(list)]; }

  bool run_until(const std::function<bool()>& done) override {
    return win32_test::pump_until(done);
  }
  void run_for(int ms) override { pump_for(ms); }
  std::vector<std::string> error_boxes_during(const std::function<void()>& act) override {
    win32_test::BoxWatcher user;
    act();
    std::vector<std::string> texts;
    for (const auto& box : user.finish()) texts.push_back(win32::to_utf8(box.text));
    return texts;
  }

 private:
  template <typename T, typename Args>
  T& own(const Args& args) {
    auto owned = std::make_unique<T>(args);
    T& ref = *owned;
    owned_.push_back(std::move(owned));
    return ref;
  }
  template <typename Control>
  static HWND hwnd_of(Control& control) {
    if (auto* edit = dynamic_cast<win32::Edit*>(&control)) return edit->hwnd();
    if (auto* list = dynamic_cast<win32::ListBox*>(&control)) return list->hwnd();
    return dynamic_cast<win32::Button&>(control).hwnd();
  }

  // The host outlives everything created in it (members go in reverse order).
  win32::HostWindow host_{
      win32::HostArgs{.caption = "Pelmora contract", .bounds = {40, 40, 420, 320}}};
  std::deque<win32::PopupMenu> menus_;
  std::vector<std::shared_ptr<void>> owned_;
  std::map<HWND, int> item_writes_;
  int next_id_ = 100;
};

// Opens the item's menu over the host and chooses the first item with the keyboard, as a user
// would. Return on a greyed item closes the menu under Wine; no Escape is queued after it,
// because Wine then drops the chosen command too. The host stays hidden: under Wine without a
// window manager, destroying a shown framed window waits two seconds for the X server.
void Win32Backend::user_click(platform::MenuItem& item) {
  const int id = dynamic_cast<win32::MenuItem&>(item).id();
  for (auto& menu : menus_) {
    if (GetMenuState(menu.handle(), static_cast<UINT>(id), MF_BYCOMMAND) == static_cast<UINT>(-1)) {
      continue;
    }
    for (WPARAM key : {VK_DOWN, VK_RETURN}) PostMessageW(host_.hwnd(), WM_KEYDOWN, key, 0);
    const UINT_PTR guard = SetTimer(nullptr, 0, 5000, &end_stuck_menu);
    RECT rect{};
    GetWindowRect(host_.hwnd(), &rect);
    menu.show(host_.hwnd(), rect.left + 20, rect.top + 20);
    KillTimer(nullptr, guard);
    pump_for(0);
    return;
  }
}

}  // namespace

std::unique_ptr<Backend> make_backend() {
  return std::make_unique<Win32Backend>();
}

}  // namespace pelmora::contract

#endif  // _WIN32
