// The wrappers' way to run a handler: the shared rule of platform/handler_call.h with the
// program's own error box, so nothing escapes a window procedure.
#pragma once

#include <functional>
#include <utility>

#include "platform/handler_call.h"
#include "platform/win32/message_boxes.h"

namespace pelmora::platform::win32 {

// Runs `handler` with `args` (nothing when it is empty); a failure goes to the error box.
template <typename... Params, typename... Args>
void call_handler(const std::function<void(Params...)>& handler, Args&&... args) noexcept {
  Win32MessageBoxes boxes;
  platform::call_handler(handler, boxes, std::forward<Args>(args)...);
}

// Runs `run`; a failure goes to the error box.
template <typename Run>
void call_reporting(Run&& run) noexcept {
  Win32MessageBoxes boxes;
  platform::call_reporting(std::forward<Run>(run), boxes);
}

}  // namespace pelmora::platform::win32
