// Native test support for the settings: the real TForm1 started, left and started again over
// one settings store that outlives each run, as the registry outlives the program.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/form.h"
#include "platform/fake/fake_platform.h"
#include "shell/settings_key.h"
#include "terminal_tree.h"

namespace pelmora::testing {

using platform::SettingsRoot;
using platform::fake::FakeSettingsStore;

struct SettingsWorld : TerminalTree {
  static constexpr const char* kProgram = R"(C:\Trade\Panel\pelmora.exe)";
  const std::string key = shell::settings_key_path("_Trade_Panel");

  FakeSettingsStore store;
  std::string first_parameter = "100";
  std::unique_ptr<platform::fake::FakePlatform> roles;
  std::unique_ptr<app::TForm1> form;

  ~SettingsWorld() { form.reset(); }

  // A new run of the program: fresh controls over the same store; created, then shown.
  void start() {
    form.reset();
    roles = std::make_unique<platform::fake::FakePlatform>(terminal, first_parameter);
    roles->program.set_program_path(kProgram);
    const platform::Platform p = roles->roles();
    form = std::make_unique<app::TForm1>(
        platform::Platform{p.controls, p.terminal, p.program, p.messages, p.ui, p.locale, p.http,
                           p.shell, p.sites, store});
    form->Show();
  }
  // The end of the run: the form is destroyed, which saves.
  void leave() { form.reset(); }

  platform::fake::FakeControlSet& c() { return roles->controls; }
  platform::Bounds place(std::string_view name) { return c().control(name).bounds(); }
  std::array<int, 4> choices() {
    return {c().radio_group("RadioGroup1").selected(), c().radio_group("RadioGroup2").selected(),
            c().radio_group("RadioGroup3").selected(), c().radio_group("RadioGroup4").selected()};
  }
  void choose(std::array<int, 4> choices) {
    for (int i = 0; i < 4; ++i) {
      c().radio_group("RadioGroup" + std::to_string(i + 1)).select(choices[i]);
    }
  }
  int speed() { return c().slider("TrackBar1").position(); }
  void put(std::string_view name, FakeSettingsStore::Value value,
           SettingsRoot root = SettingsRoot::kMachine) {
    store.put(root, key, name, std::move(value));
  }
  FakeSettingsStore::Values stored(SettingsRoot root = SettingsRoot::kMachine) {
    return store.values(root, key);
  }
  void open_settings() { c().fake_menu_item("N3").click(); }
  void click(std::string_view button) { c().fake<platform::fake::FakeButton>(button).click(); }
  const std::vector<std::string>& errors() { return roles->messages.errors(); }
};

}  // namespace pelmora::testing
