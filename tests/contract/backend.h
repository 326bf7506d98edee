// What the control contract tests need of a backend: controls to test, and a way to act as the
// user or as the other process on them. One implementation per backend (fake natively, Win32
// under Wine); the same test bodies (control_contract_test.cpp) run against both.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace pelmora::contract {

class Backend {
 public:
  virtual ~Backend() = default;

  // Controls owned by the backend, alive until it goes.
  virtual platform::Edit& make_edit(bool multi_line) = 0;
  virtual platform::ListBox& make_list_box() = 0;
  virtual platform::Button& make_button(std::string_view caption) = 0;
  virtual platform::MenuItem& make_menu_item(std::string_view caption) = 0;
  virtual platform::Timer& make_timer(int interval_ms, bool enabled) = 0;

  // Another process replaces the whole text of an edit.
  virtual void write_from_outside(platform::Edit& edit, std::string_view text) = 0;
  // The user replaces the whole text of an edit (select all, then paste).
  virtual void user_paste(platform::Edit& edit, std::string_view text) = 0;
  // The user clicks item `index` of a list box with the mouse.
  virtual void user_click_item(platform::ListBox& list, int index) = 0;
  virtual void user_click(platform::Button& button) = 0;
  virtual void user_click(platform::MenuItem& item) = 0;
  // How many items were written into the list box (inserted or appended) so far.
  virtual int item_writes(platform::ListBox& list) = 0;

  // Lets the user-interface thread run (timers fire) until `done` holds or a generous time
  // has passed; returns whether `done` held.
  virtual bool run_until(const std::function<bool()>& done) = 0;
  // Lets the user-interface thread run for about `ms` milliseconds.
  virtual void run_for(int ms) = 0;
  // Runs `act`, closing each general error box it opens as the user would; the boxes' texts,
  // oldest first.
  virtual std::vector<std::string> error_boxes_during(const std::function<void()>& act) = 0;
};

std::unique_ptr<Backend> make_backend();

}  // namespace pelmora::contract
