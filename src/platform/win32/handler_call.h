// The one rule for a handler that throws: every wrapper runs its handlers through call_handler,
// so nothing escapes a window procedure, and a failure a handler did not deal with itself is
// shown in the general error box with its text, as the toolkit's own event loop does. Handlers
// that must fail silently catch their failures themselves.
#pragma once

#include <functional>

namespace pelmora::platform::win32 {

// Runs `handler` (nothing when empty). Never throws.
void call_handler(const std::function<void()>& handler) noexcept;

}  // namespace pelmora::platform::win32
