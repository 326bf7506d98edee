// In-memory controls: the behaviour real Windows controls show, without a window system.
#include "platform/fake/fake_controls.h"

namespace pelmora::platform::fake {

FakeEdit::FakeEdit(std::string text, Bounds bounds)
    : FakeControlBase(bounds), text_(std::move(text)) {}

void FakeEdit::set_text(std::string_view text) {
  ++writes_;
  if (text == text_) return;
  text_ = text;
  call_(on_change_);
}

FakeButton::FakeButton(std::string caption, Bounds bounds)
    : FakeControlBase(bounds), text_(std::move(caption)) {}

void FakeButton::click() {
  if (enabled() && visible()) call_(on_click_);
}

std::string FakeListBox::item(int index) const {
  if (index < 0 || index >= count()) return {};
  return items_[static_cast<size_t>(index)];
}

void FakeListBox::replace(int index, std::string_view text) {
  if (index < 0 || index >= count()) return;
  auto& slot = items_[static_cast<size_t>(index)];
  if (slot == text) return;
  slot = text;
  ++item_writes_;
}

void FakeListBox::append(std::string_view text) {
  items_.emplace_back(text);
  ++item_writes_;
}

void FakeListBox::truncate(int index) {
  if (index < 0) index = 0;
  if (index >= count()) return;
  items_.resize(static_cast<size_t>(index));
  if (selected_ >= index) selected_ = kNoSelection;
}

void FakeListBox::clear() {
  items_.clear();
  selected_ = kNoSelection;
}

void FakeListBox::select(int index) {
  selected_ = (index >= 0 && index < count()) ? index : kNoSelection;
}

void FakeListBox::set_redraw(bool on) {
  if (!on && !redraw_off_) ++redraw_suspensions_;
  redraw_off_ = !on;
}

void FakeListBox::user_select(int index) {
  if (!enabled() || index < 0 || index >= count()) return;
  const bool changed = index != selected_;
  selected_ = index;
  if (changed) call_(on_select_);
}

void FakeMenuItem::click() {
  if (enabled_) call_(on_click_);
}

}  // namespace pelmora::platform::fake
