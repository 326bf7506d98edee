// call_handler: the failure's text into the general error box.
#include "platform/win32/handler_call.h"

#include <exception>

#include "platform/win32/message_boxes.h"

namespace pelmora::platform::win32 {

void call_handler(const std::function<void()>& handler) noexcept {
  if (!handler) return;
  try {
    handler();
  } catch (const std::exception& error) {
    show_error_box(error.what());
  } catch (...) {
    show_error_box("Unknown error");
  }
}

}  // namespace pelmora::platform::win32
