// MessageBoxW with the program's name as title. A plain message has no icon and sits in the
// middle of the screen (MB_OK alone centres it there; an owner does not move it).
#include "platform/win32/message_boxes.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {

std::wstring program_name() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);  // npos + 1 == 0
  return name.substr(0, name.rfind(L'.'));
}

void show_box(std::string_view text, UINT type) noexcept {
  try {
    MessageBoxW(GetActiveWindow(), to_wide(text).c_str(), program_name().c_str(),
                type | MB_TASKMODAL);
  } catch (...) {
    // Out of memory for the texts: nothing more can be shown.
  }
}

}  // namespace

void show_error_box(std::string_view text) noexcept {
  show_box(text, MB_OK | MB_ICONERROR);
}

void Win32MessageBoxes::show_message(std::string_view text) noexcept {
  show_box(text, MB_OK);
}

}  // namespace pelmora::platform::win32
