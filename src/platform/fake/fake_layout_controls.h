// In-memory versions of the controls the layout adds to the basic ones: labels and panels that
// report the mouse, spin-button pairs, the slider and the radio groups. A test acts as the user
// through the helper calls (press, move, release, click_up, drag_to, ...).
#pragma once

#include <algorithm>
#include <string>

#include "platform/controls.h"
#include "platform/fake/fake_controls.h"

namespace pelmora::platform::fake {

template <typename Base>
class FakeMouseSource : public FakeControlBase<Base> {
 public:
  using FakeControlBase<Base>::FakeControlBase;
  void set_on_mouse_down(MouseButtonHandler h) override { on_down_ = std::move(h); }
  void set_on_mouse_move(MouseMoveHandler h) override { on_move_ = std::move(h); }
  void set_on_mouse_up(MouseButtonHandler h) override { on_up_ = std::move(h); }

  // The user's mouse over this control, in its client coordinates.
  void press(MouseButton button, int x, int y) { this->call_(on_down_, button, x, y); }
  void move(int x, int y) { this->call_(on_move_, x, y); }
  void release(MouseButton button, int x, int y) { this->call_(on_up_, button, x, y); }

 private:
  MouseButtonHandler on_down_;
  MouseMoveHandler on_move_;
  MouseButtonHandler on_up_;
};

class FakeLabel : public FakeMouseSource<Label> {
 public:
  FakeLabel(std::string caption, Bounds bounds)
      : FakeMouseSource(bounds), text_(std::move(caption)) {}
  std::string text() const override { return text_; }
  void set_text(std::string_view text) override { text_ = text; }

 private:
  std::string text_;
};

class FakePanel : public FakeMouseSource<Panel> {
 public:
  using FakeMouseSource::FakeMouseSource;
  void set_on_move(Handler h) override { on_move_ = std::move(h); }
  void set_position(int left, int top) override {
    FakeMouseSource::set_position(left, top);
    call_(on_move_);
  }
  void rescale(const Bounds& bounds, int dpi) override {
    FakeMouseSource::rescale(bounds, dpi);
    call_(on_move_);
  }

 private:
  Handler on_move_;
};

// A plain control with no behaviour of its own (the separator lines).
class FakePlainControl : public FakeControlBase<Control> {
 public:
  using FakeControlBase::FakeControlBase;
};

class FakeSpinButtons : public FakeControlBase<SpinButtons> {
 public:
  using FakeControlBase::FakeControlBase;
  void set_on_up(Handler h) override { on_up_ = std::move(h); }
  void set_on_down(Handler h) override { on_down_ = std::move(h); }
  // One press of the up (right) or down (left) button, released over it.
  void click_up() {
    if (enabled()) call_(on_up_);
  }
  void click_down() {
    if (enabled()) call_(on_down_);
  }

 private:
  Handler on_up_;
  Handler on_down_;
};

class FakeSlider : public FakeControlBase<Slider> {
 public:
  FakeSlider(Bounds bounds, int min, int max, int position)
      : FakeControlBase(bounds), min_(min), max_(max), position_(position) {}
  int position() const override { return position_; }
  void set_position(int position) override;
  void set_on_change(Handler h) override { on_change_ = std::move(h); }
  void set_on_key_down(Handler h) override { on_key_down_ = std::move(h); }
  void set_hint(std::string_view hint) override { hint_ = hint; }

  const std::string& hint() const { return hint_; }
  void drag_to(int position) { set_position(position); }
  void key_down() { call_(on_key_down_); }

 private:
  int min_;
  int max_;
  int position_;
  std::string hint_;
  Handler on_change_;
  Handler on_key_down_;
};

class FakeRadioGroup : public FakeControlBase<RadioGroup> {
 public:
  using FakeControlBase::FakeControlBase;
  int selected() const override { return selected_; }
  void select(int choice) override {
    const int before = selected_;
    selected_ = std::clamp(choice, kNoChoice, 1);
    if (selected_ != before) call_(on_change_);
  }
  void set_on_change(Handler h) override { on_change_ = std::move(h); }

 private:
  int selected_ = kNoChoice;
  Handler on_change_;
};

class FakeKeyField : public FakeControlBase<KeyField> {
 public:
  using FakeControlBase::FakeControlBase;
  KeyChord chord() const override { return chord_; }
  void set_chord(KeyChord chord) override { chord_ = chord.key ? chord : KeyChord{}; }
  // The user presses a chord in the field.
  void press(KeyChord chord) { set_chord(chord); }

 private:
  KeyChord chord_;
};

}  // namespace pelmora::platform::fake
