// Every control of the layout in memory, by its given name, with the places, texts, visibility,
// timers and menu items of the layout data: the form the native tests run against. A handler's
// failure shows in the message boxes the set is given, as on the real form.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "form/layout.h"
#include "platform/control_registry.h"
#include "platform/fake/fake_controls.h"
#include "platform/fake/fake_layout_controls.h"
#include "platform/fake/fake_panel_window.h"
#include "platform/fake/manual_clock.h"

namespace pelmora::platform::fake {

class FakeControlSet final : public ControlRegistry {
 public:
  // The timers run on `clock`; the handlers' failures show in `failures`. Both must outlive
  // the set.
  FakeControlSet(ManualClock& clock, MessageBoxes& failures);

  FakePanelWindow& window() override { return window_; }

  // The fake behind a name, for acting as the user; throws std::out_of_range as the lookups do.
  template <typename T>
  T& fake(std::string_view name) {
    return dynamic_cast<T&>(control(name));
  }
  FakeMenuItem& fake_menu_item(std::string_view name) {
    return dynamic_cast<FakeMenuItem&>(menu_item(name));
  }
  FakeTimer& fake_timer(std::string_view name) { return dynamic_cast<FakeTimer&>(timer(name)); }

  void set_hint(std::string_view name, std::string_view hint) override;
  // The named control's hint as the layout gave it or as it was set since.
  std::string hint(std::string_view name) const;
  // The controls given the keyboard focus, oldest first.
  const std::vector<std::string>& focus_history() const { return focus_history_; }
  std::string focused() const { return focus_history_.empty() ? "" : focus_history_.back(); }
  // Another window takes the keyboard: the control that had it loses it.
  void focus_elsewhere();

 private:
  void add_control(const form::ControlSpec& spec);
  // Creates the fake, registers it under its layout name as its most specific kind and gives
  // it its visibility at start, its focus record and its failure report.
  template <typename T, typename... Args>
  void make(const form::ControlSpec& spec, Args&&... args) {
    auto owned = std::make_unique<T>(std::forward<Args>(args)...);
    owned->set_visible(spec.visible);
    owned->set_focus_observer([this, name = std::string(spec.name), raw = owned.get()] {
      if (focused() != name) focus_elsewhere();
      focus_history_.push_back(name);
      lose_focus_ = [raw] { raw->focus_lost(); };
    });
    owned->report_failures_to(failures_);
    add(spec.name, *owned);
    owned_.push_back(std::move(owned));
  }

  MessageBoxes& failures_;
  FakePanelWindow window_;
  std::map<std::string, std::string, std::less<>> hints_;
  std::vector<std::string> focus_history_;
  std::function<void()> lose_focus_;  // of the control that has the focus now
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<std::unique_ptr<FakeMenuItem>> menu_items_;
};

}  // namespace pelmora::platform::fake
