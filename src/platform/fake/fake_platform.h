// Every role in memory for native tests (controls on a manual clock, program, boxes, UI queue,
// locale, HTTP, desktop, a settings store, the time and the journal's files), bundled with a
// terminal tree the test owns. Members are public: tests act as the user, the terminal, the network
// and the clock. Every handler any of them runs reports its failure to `messages`, as on the real
// form.
#pragma once

#include <string>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_control_set.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_http.h"
#include "platform/fake/fake_journal_files.h"
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
      : terminal(terminal), program(std::move(first_parameter)) {
    terminal.report_failures_to(&messages);
    ui.report_failures_to(messages);
    http.report_failures_to(messages);
  }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;
  // The terminal outlives this bundle; a newer bundle over it may have taken it over already.
  ~FakePlatform() {
    if (terminal.reports_failures_to(&messages)) terminal.report_failures_to(nullptr);
  }

  // Before the controls, which report to it from their creation on.
  FakeMessageBoxes messages;
  ManualClock clock;
  FakeControlSet controls{clock, messages};
  FakeTerminal& terminal;
  FakeProgram program;
  FakeUiThread ui;
  FakeLocale locale;
  FakeHttp http;
  FakeDesktop desktop;
  FakeSettingsStore settings;
  FakeClock time{clock};
  FakeJournalFiles journal{ui};

  Platform roles() {
    return {controls, terminal, program,  messages, ui,     locale,
            http,     desktop,  settings, time,     journal};
  }
};

}  // namespace pelmora::platform::fake
