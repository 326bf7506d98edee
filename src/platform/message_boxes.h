// The modal boxes the program shows the user. Both wait until the user closes them (other
// windows keep being painted meanwhile).
#pragma once

#include <string_view>

namespace pelmora::platform {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A plain message ("Lot size error!"): only an OK button, no icon, centred on the screen,
  // titled with the program's name.
  virtual void show_message(std::string_view text) noexcept = 0;
  // The general error display: the error's text in the toolkit's error box, titled with the
  // program's name. Whatever escapes an event handler ends here.
  virtual void show_error(std::string_view text) noexcept = 0;
};

}  // namespace pelmora::platform
