// How the fakes run their handlers: through the rule both backends keep (platform/handler_call.h),
// so a failure shows in the message boxes the fake reports to, as the Win32 controls show it in
// the error box. A fake that reports nowhere (one a test made on its own) lets the failure
// through to the test that acted.
#pragma once

#include <functional>

#include "platform/handler_call.h"
#include "platform/message_boxes.h"

namespace pelmora::platform::fake {

class HandlerCaller {
 public:
  // Held, not owned; nullptr reports nowhere.
  void report_to(MessageBoxes* boxes) { boxes_ = boxes; }
  bool reports_to(const MessageBoxes* boxes) const { return boxes_ == boxes; }

  // Runs `run` under the rule.
  template <typename Run>
  void run(Run&& run) const {
    if (boxes_) {
      call_reporting(run, *boxes_);
    } else {
      run();
    }
  }
  // Runs `handler` with `args`; an empty handler does nothing.
  template <typename... Params, typename... Args>
  void operator()(const std::function<void(Params...)>& handler, const Args&... args) const {
    if (handler) run([&] { handler(args...); });
  }

 private:
  MessageBoxes* boxes_ = nullptr;
};

}  // namespace pelmora::platform::fake
