// Program entry on Windows: builds the form from the layout and the other roles, creates the
// panel over them, shows it and runs the message loop.
#include <windows.h>

#include <exception>

#include "app/panel_form.h"
#include "platform/win32/clock.h"
#include "platform/win32/desktop.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/http.h"
#include "platform/win32/journal_files.h"
#include "platform/win32/locale.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/program.h"
#include "platform/win32/settings_store.h"
#include "platform/win32/terminal_windows.h"
#include "platform/win32/ui_thread.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  namespace win32 = pelmora::platform::win32;
  try {
    win32::Win32TerminalWindows terminal;
    win32::Win32Program program;
    win32::Win32MessageBoxes messages;
    win32::Win32UiThread ui;
    win32::Win32Locale locale;
    win32::Win32Http http(ui);  // after ui: its answers go there
    win32::Win32Desktop desktop;
    win32::Win32SettingsStore settings;
    win32::Win32Clock clock;
    win32::Win32JournalFiles journal(ui);  // after ui: its tasks go there
    win32::FormControls controls;
    pelmora::app::PanelForm form({controls, terminal, program, messages, ui, locale, http, desktop,
                                  settings, clock, journal});
    form.Show();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (controls.handle_key(msg)) continue;
      if (controls.handle_tab(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
  } catch (const std::exception& error) {
    // No form to run a handler in: the failure to build it is shown here, and the program ends.
    win32::show_error_box(error.what());
    return 1;
  }
}
