// Every role in memory, for native tests: the form's controls on a manual clock, the program,
// message boxes, the UI thread's queue and the settings store, bundled with a terminal window tree
// the test owns, as the core takes them. Members are public: tests act as the user, the terminal
// and the clock.
#pragma once

#include <string>

#include "platform/fake/fake_control_set.h"
#include "platform/fake/fake_message_boxes.h"
#include "platform/fake/fake_program.h"
#include "platform/fake/fake_settings_store.h"
#include "platform/fake/fake_terminal.h"
#include "platform/fake/fake_ui_thread.h"
#include "platform/fake/manual_clock.h"
#include "platform/platform.h"

namespace pelmora::platform::fake {

struct FakePlatform {
  FakePlatform(FakeTerminal& terminal, std::string first_parameter)
      : terminal(terminal), program(std::move(first_parameter)) {}
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  ManualClock clock;
  FakeControlSet controls{clock};
  FakeTerminal& terminal;
  FakeProgram program;
  FakeMessageBoxes messages;
  FakeUiThread ui;
  FakeSettingsStore settings;

  Platform roles() { return {controls, terminal, program, messages, ui, settings}; }
};

}  // namespace pelmora::platform::fake
