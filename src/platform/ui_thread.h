// The way back to the user-interface thread for work finished elsewhere (a download, say):
// every handler of the program runs there, one at a time.
#pragma once

#include <functional>

namespace pelmora::platform {

class UiThread {
 public:
  virtual ~UiThread() = default;
  // Queues `task` to run on the user-interface thread after the handler running now, in the
  // order posted. Callable from any thread. A task that throws is dealt with like a handler
  // that throws (the general error display). Tasks still queued when the program ends are
  // dropped.
  virtual void post(std::function<void()> task) = 0;
};

}  // namespace pelmora::platform
