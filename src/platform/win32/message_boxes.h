// The program's modal boxes on Windows, titled with the program file's name (without ".exe"),
// owned by the active window of this thread so that it stays in front of the panel.
#pragma once

#include <string_view>

#include "platform/message_boxes.h"

namespace pelmora::platform::win32 {

// The general error box: the error's text, an error icon, OK.
void show_error_box(std::string_view text) noexcept;

class Win32MessageBoxes final : public MessageBoxes {
 public:
  void show_message(std::string_view text) noexcept override;
  void show_error(std::string_view text) noexcept override { show_error_box(text); }
};

}  // namespace pelmora::platform::win32
