// Program entry on Windows: builds the form from the layout, creates TForm1 over it, shows it
// and runs the message loop until the window is closed.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/form.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/program.h"
#include "platform/win32/terminal_windows.h"
#include "platform/win32/wide.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  namespace win32 = pelmora::platform::win32;
  try {
    win32::Win32TerminalWindows terminal;
    win32::Win32Program program;
    win32::FormControls* controls = nullptr;
    pelmora::app::TForm1 form(
        [&controls] {
          auto made = std::make_unique<win32::FormControls>();
          controls = made.get();
          return made;
        },
        terminal, program);
    form.Show();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (controls->handle_tab(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
  } catch (const std::exception& error) {
    const std::wstring text = win32::to_wide(error.what());
    MessageBoxW(nullptr, text.c_str(), L"Pelmora", MB_OK | MB_ICONERROR);
    return 1;
  }
}
