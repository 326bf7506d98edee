// The by-name lookup both control sets share: each backend creates its controls, owns them and
// registers them here under their given names; lookups of a missing name or of the wrong kind
// throw std::out_of_range.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/control_set.h"

namespace pelmora::platform {

class ControlRegistry : public ControlSet {
 public:
  Control& control(std::string_view name) override { return *get(name, &Entry::control); }
  TextControl& text_control(std::string_view name) override {
    return *get(name, &Entry::text_control);
  }
  Edit& edit(std::string_view name) override { return *get(name, &Entry::edit); }
  Button& button(std::string_view name) override { return *get(name, &Entry::button); }
  ListBox& list_box(std::string_view name) override { return *get(name, &Entry::list_box); }
  KeyField& key_field(std::string_view name) override { return *get(name, &Entry::key_field); }
  MenuItem& menu_item(std::string_view name) override { return *get(name, &Entry::menu_item); }
  Timer& timer(std::string_view name) override { return *get(name, &Entry::timer); }
  Label& label(std::string_view name) override { return *get(name, &Entry::label); }
  Panel& panel(std::string_view name) override { return *get(name, &Entry::panel); }
  SpinButtons& spin_buttons(std::string_view name) override {
    return *get(name, &Entry::spin_buttons);
  }
  Slider& slider(std::string_view name) override { return *get(name, &Entry::slider); }
  RadioGroup& radio_group(std::string_view name) override {
    return *get(name, &Entry::radio_group);
  }

 protected:
  void add(std::string_view name, Control& c) { entry(name).control = &c; }
  void add(std::string_view name, Edit& c) { text(name, c).edit = &c; }
  void add(std::string_view name, Button& c) { text(name, c).button = &c; }
  void add(std::string_view name, Label& c) { text(name, c).label = &c; }
  void add(std::string_view name, ListBox& c) { entry(name, c).list_box = &c; }
  void add(std::string_view name, Panel& c) { entry(name, c).panel = &c; }
  void add(std::string_view name, SpinButtons& c) { entry(name, c).spin_buttons = &c; }
  void add(std::string_view name, Slider& c) { entry(name, c).slider = &c; }
  void add(std::string_view name, RadioGroup& c) { entry(name, c).radio_group = &c; }
  void add(std::string_view name, KeyField& c) { entry(name, c).key_field = &c; }
  void add(std::string_view name, MenuItem& c) { entry(name).menu_item = &c; }
  void add(std::string_view name, Timer& c) { entry(name).timer = &c; }

 private:
  struct Entry {
    Control* control = nullptr;
    TextControl* text_control = nullptr;
    Edit* edit = nullptr;
    Button* button = nullptr;
    Label* label = nullptr;
    ListBox* list_box = nullptr;
    Panel* panel = nullptr;
    SpinButtons* spin_buttons = nullptr;
    Slider* slider = nullptr;
    RadioGroup* radio_group = nullptr;
    KeyField* key_field = nullptr;
    MenuItem* menu_item = nullptr;
    Timer* timer = nullptr;
  };

  Entry& entry(std::string_view name) { return entries_[std::string(name)]; }
  Entry& entry(std::string_view name, Control& c) {
    Entry& e = entry(name);
    e.control = &c;
    return e;
  }
  Entry& text(std::string_view name, TextControl& c) {
    Entry& e = entry(name, c);
    e.text_control = &c;
    return e;
  }

  template <typename T>
  T* get(std::string_view name, T* Entry::*member) const {
    auto it = entries_.find(name);
    if (it == entries_.end() || !(it->second.*member)) {
      throw std::out_of_range("no control of that kind named " + std::string(name));
    }
    return it->second.*member;
  }

  std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace pelmora::platform
