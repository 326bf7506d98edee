// Builds the in-memory form from the layout tables.
#include "platform/fake/fake_control_set.h"

#include <utility>

#include "form/layout.h"

namespace pelmora::platform::fake {

namespace {
ScreenRect form_rect() {
  const Bounds& b = form::kFormSpec.bounds;
  return {b.left, b.top, b.left + b.width, b.top + b.height};
}
}  // namespace

FakeControlSet::FakeControlSet(ManualClock& clock, MessageBoxes& failures)
    : failures_(failures), window_(form_rect(), std::string(form::kFormSpec.caption)) {
  window_.report_failures_to(failures);
  for (const form::ControlSpec& s : form::controls()) add_control(s);
  for (const form::MenuItemSpec& item : form::popup_menu()) {
    menu_items_.push_back(std::make_unique<FakeMenuItem>());
    menu_items_.back()->report_failures_to(failures);
    add(item.name, *menu_items_.back());
  }
  for (const form::TimerSpec& t : form::timers()) {
    FakeTimer& timer = clock.make_timer(t.interval_ms, t.enabled);
    timer.report_failures_to(failures);
    add(t.name, timer);
  }
}

void FakeControlSet::set_hint(std::string_view name, std::string_view hint) {
  control(name);  // an unknown name throws, as on the real form
  hints_.insert_or_assign(std::string(name), std::string(hint));
}

std::string FakeControlSet::hint(std::string_view name) const {
  auto it = hints_.find(name);
  return it == hints_.end() ? std::string() : it->second;
}

void FakeControlSet::add_control(const form::ControlSpec& s) {
  using form::ControlKind;
  const std::string text(s.text);
  if (!s.hint.empty()) hints_.insert_or_assign(std::string(s.name), std::string(s.hint));
  switch (s.kind) {
    case ControlKind::kPanel:
      make<FakePanel>(s, s.bounds);
      break;
    case ControlKind::kLabel:
      make<FakeLabel>(s, text, s.bounds);
      break;
    case ControlKind::kLine:
      make<FakePlainControl>(s, s.bounds);
      break;
    case ControlKind::kImageButton:
    case ControlKind::kPushButton:
      make<FakeButton>(s, text, s.bounds);
      break;
    case ControlKind::kEdit:
    case ControlKind::kMemo:
      make<FakeEdit>(s, text, s.bounds);
      break;
    case ControlKind::kSpinButtons:
      make<FakeSpinButtons>(s, s.bounds);
      break;
    case ControlKind::kListBox:
      make<FakeListBox>(s, s.bounds);
      break;
    case ControlKind::kSlider:
      make<FakeSlider>(s, s.bounds, s.slider.min, s.slider.max, s.slider.position);
      break;
    case ControlKind::kRadioGroup:
      make<FakeRadioGroup>(s, s.bounds);
      break;
    case ControlKind::kKeyField:
      make<FakeKeyField>(s, s.bounds);
      break;
  }
}

void FakeControlSet::focus_elsewhere() {
  if (const std::function<void()> lose = std::exchange(lose_focus_, {})) lose();
}

}  // namespace pelmora::platform::fake
