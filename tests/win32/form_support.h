// The real Win32 form for the Windows tests: PanelForm over FormControls with an empty terminal
// tree and the test parameter, its timers stopped so that nothing moves behind a test's back,
// and helpers to let the message queue run and to read places and the window's shape.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/panel_form.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_http.h"
#include "platform/fake/fake_journal_files.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_boxes.h"
#include "platform/fake/fake_program.h"
#include "platform/fake/fake_settings_store.h"
#include "platform/fake/fake_terminal.h"
#include "platform/fake/fake_ui_thread.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/message_boxes.h"

namespace pelmora::win32_test {

// Runs the message queue for about `ms` milliseconds.
void pump_for(int ms);
// Runs the message queue until `done` holds or ten seconds passed; returns whether it held.
template <typename Done>
bool pump_until(Done done) {
  const ULONGLONG end = GetTickCount64() + 10000;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    pump_for(10);
  }
  return true;
}

// What a test may put in place of the form's fake roles before the form is created.
struct RealFormRoles {
  platform::MessageBoxes* boxes = nullptr;      // the fake boxes below when none
  platform::Http* http = nullptr;               // the fake HTTP below when none
  platform::SettingsStore* settings = nullptr;  // the memory store below when none
  std::string program_path = {};                // the fake program's default when empty
  std::string version_site = {};  // the web sites file names this one; no file when empty
};

struct RealForm {
  // `boxes`, `http`: the message boxes the form shows and the HTTP it asks; the fake ones below
  // when none are given.
  explicit RealForm(platform::MessageBoxes* boxes = nullptr, platform::Http* http = nullptr)
      : RealForm(RealFormRoles{.boxes = boxes, .http = http}) {}
  explicit RealForm(const RealFormRoles& roles);
  ~RealForm();

  HWND hwnd(std::string_view name) const { return controls->hwnd_of(name); }
  HWND form() const { return controls->window().hwnd(); }
  // A control's rectangle in its parent's client coordinates, read from its window.
  RECT place(std::string_view name) const;
  // Whether the window's shape (GetWindowRgn) is exactly the union of the rectangles of its
  // visible direct children; false when it has no shape at all.
  bool shape_is_visible_children() const;

  platform::fake::FakeTerminal terminal;
  platform::fake::FakeProgram program{"100"};
  platform::fake::FakeMessageBoxes messages;
  platform::fake::FakeUiThread ui;
  platform::fake::FakeLocale locale;
  platform::fake::FakeHttp fake_http;
  platform::fake::FakeDesktop desktop;
  platform::fake::FakeSettingsStore settings;
  platform::fake::ManualClock manual_clock;
  platform::fake::FakeClock clock{manual_clock};
  platform::fake::FakeJournalFiles journal{ui};
  std::unique_ptr<platform::win32::FormControls> controls;
  std::unique_ptr<app::PanelForm> tform;
};

// The colour on the screen at a point of a window's client area.
COLORREF screen_pixel(HWND hwnd, int x, int y);

// Sends a mouse message to a window with a position in its client coordinates.
void mouse(HWND hwnd, UINT message, WPARAM keys, int x, int y);

}  // namespace pelmora::win32_test
