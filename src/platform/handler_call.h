// The one rule for a handler that fails, which both backends keep: every event handler, timer
// tick and posted task runs through call_handler, so nothing escapes into the window system, and
// a failure the handler did not deal with itself is shown in the general error box with its
// text. Handlers that must fail silently say so themselves (common/silently.h).
#pragma once

#include <exception>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/message_boxes.h"

namespace pelmora::platform {

// The text shown for a failure that is not a std::exception.
inline constexpr std::string_view kUnknownError = "Unknown error";

// Runs `run`; a std::exception shows its what() in `boxes`' general error box, anything else
// kUnknownError.
template <typename Run>
void call_reporting(Run&& run, MessageBoxes& boxes) noexcept {
  try {
    run();
  } catch (const std::exception& error) {
    boxes.show_error(error.what());
  } catch (...) {
    boxes.show_error(kUnknownError);
  }
}

// Runs `handler` with `args` as call_reporting does; an empty handler does nothing.
template <typename... Params, typename... Args>
void call_handler(const std::function<void(Params...)>& handler, MessageBoxes& boxes,
                  Args&&... args) noexcept {
  if (handler) call_reporting([&] { handler(std::forward<Args>(args)...); }, boxes);
}

}  // namespace pelmora::platform
