// The contract backend over the in-memory controls (native test program only).
#ifndef _WIN32

#include <deque>

#include "contract/backend.h"
#include "platform/fake/fake_controls.h"
#include "platform/fake/manual_clock.h"

namespace pelmora::contract {
namespace {

using namespace platform::fake;

// Manual time a run_until may spend before giving up.
constexpr int kPatienceMs = 10000;

class FakeBackend final : public Backend {
 public:
  platform::Edit& make_edit(bool) override { return edits_.emplace_back(); }
  platform::ListBox& make_list_box() override { return lists_.emplace_back(); }
  platform::Button& make_button(std::string_view caption) override {
    return buttons_.emplace_back(std::string(caption), platform::Bounds{10, 10, 75, 25});
  }
  platform::MenuItem& make_menu_item(std::string_view) override { return items_.emplace_back(); }
  platform::Timer& make_timer(int interval_ms, bool enabled) override {
    return clock_.make_timer(interval_ms, enabled);
  }
  platform::Window& window() override { return window_; }

  void write_from_outside(platform::Edit& edit, std::string_view text) override {
    as<FakeEdit>(edit).type(text);
  }
  void user_paste(platform::Edit& edit, std::string_view text) override {
    as<FakeEdit>(edit).type(text);
  }
  void user_click_item(platform::ListBox& list, int index) override {
    as<FakeListBox>(list).user_select(index);
  }
  void user_key_down(platform::ListBox& list) override {
    const int next = list.selected() + 1;
    if (next < list.count()) as<FakeListBox>(list).user_select(next);
  }
  void user_click(platform::Button& button) override { as<FakeButton>(button).click(); }
  void user_click(platform::MenuItem& item) override { as<FakeMenuItem>(item).click(); }
  int item_writes(platform::ListBox& list) override { return as<FakeListBox>(list).item_writes(); }

  bool run_until(const std::function<bool()>& done) override {
    for (int waited = 0; waited < kPatienceMs && !done(); ++waited) clock_.advance(1);
    return done();
  }
  void run_for(int ms) override { clock_.advance(ms); }

 private:
  template <typename T, typename Base>
  static T& as(Base& control) {
    return dynamic_cast<T&>(control);
  }

  std::deque<FakeEdit> edits_;
  std::deque<FakeListBox> lists_;
  std::deque<FakeButton> buttons_;
  std::deque<FakeMenuItem> items_;
  ManualClock clock_;
  FakeWindow window_;
};

}  // namespace

std::unique_ptr<Backend> make_backend() {
  return std::make_unique<FakeBackend>();
}

}  // namespace pelmora::contract

#endif  // _WIN32
