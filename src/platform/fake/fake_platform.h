// Every role in memory for native tests (controls on a manual clock, program, boxes, UI queue,
// locale, HTTP, browser, a settings store), bundled with a terminal tree the test
// owns. Members are public: tests act as the user, the terminal, the network and the clock.
#pragma once

#include <string>

#include "platform/fake/fake_browser.h"
#include "platform/fake/fake_control_set.h"
#include "platform/fake/fake_http.h"
#include "platform/fake/fake_locale.h"
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
  FakeLocale locale;
  FakeHttp http;
  FakeBrowser browser;
  FakeSettingsStore settings;

  Platform roles() {
    return {controls, terminal, program, messages, ui, locale, http, browser, settings};
  }
};

}  // namespace pelmora::platform::fake
