// The contract backend over the in-memory controls (native test program only).
#ifndef _WIN32

#include <deque>

#include "contract/backend.h"
#include "platform/fake/fake_controls.h"
#include "platform/fake/fake_message_boxes.h"
#include "platform/fake/manual_clock.h"

namespace pelmora::contract {
namespace {

using namespace platform::fake;

// Every control reports its handlers' failures to the one set of boxes, as a form's do.
class FakeBackend final : public Backend {
 public:
  platform::Edit& make_edit(bool) override { return reporting(edits_.emplace_back()); }
  platform::ListBox& make_list_box() override { return reporting(lists_.emplace_back()); }
  platform::Button& make_button(std::string_view caption) override {
    return reporting(buttons_.emplace_back(std::string(caption), platform::Bounds{10, 10, 75, 25}));
  }
  platform::MenuItem& make_menu_item(std::string_view) override {
    return reporting(items_.emplace_back());
  }
  platform::Timer& make_timer(int interval_ms, bool enabled) override {
    return reporting(clock_.make_timer(interval_ms, enabled));
  }

  // Another process and the user both replace the text from outside the program.
  void write_from_outside(platform::Edit& edit, std::string_view text) override {
    dynamic_cast<FakeEdit&>(edit).type(text);
  }
  void user_paste(platform::Edit& edit, std::string_view text) override {
    write_from_outside(edit, text);
  }
  void user_click_item(platform::ListBox& list, int index) override {
    dynamic_cast<FakeListBox&>(list).user_select(index);
  }
  void user_click(platform::Button& button) override { dynamic_cast<FakeButton&>(button).click(); }
  void user_click(platform::MenuItem& item) override { dynamic_cast<FakeMenuItem&>(item).click(); }
  int item_writes(platform::ListBox& list) override {
    return dynamic_cast<FakeListBox&>(list).item_writes();
  }

  bool run_until(const std::function<bool()>& done) override {
    for (int waited = 0; waited < 10000 && !done(); ++waited) clock_.advance(1);
    return done();
  }
  void run_for(int ms) override { clock_.advance(ms); }
  std::vector<std::string> error_boxes_during(const std::function<void()>& act) override {
    const auto before = static_cast<std::ptrdiff_t>(boxes_.errors().size());
    act();
    return {boxes_.errors().begin() + before, boxes_.errors().end()};
  }

 private:
  template <typename Fake>
  Fake& reporting(Fake& fake) {
    fake.report_failures_to(boxes_);
    return fake;
  }

  FakeMessageBoxes boxes_;
  std::deque<FakeEdit> edits_;
  std::deque<FakeListBox> lists_;
  std::deque<FakeButton> buttons_;
  std::deque<FakeMenuItem> items_;
  ManualClock clock_;
};

}  // namespace

std::unique_ptr<Backend> make_backend() {
  return std::make_unique<FakeBackend>();
}

}  // namespace pelmora::contract

#endif  // _WIN32
