// The way back to the UI thread in native tests: posted tasks wait until the test runs them.
#pragma once

#include <deque>
#include <functional>

#include "platform/fake/handler_caller.h"
#include "platform/ui_thread.h"

namespace pelmora::platform::fake {

class FakeUiThread final : public UiThread {
 public:
  void post(std::function<void()> task) override { queue_.push_back(std::move(task)); }

  // Runs the tasks queued so far, oldest first (tasks they post wait for the next call);
  // returns how many ran.
  int run_pending() {
    std::deque<std::function<void()>> tasks;
    tasks.swap(queue_);
    for (auto& task : tasks) call_(task);
    return static_cast<int>(tasks.size());
  }
  size_t pending() const { return queue_.size(); }
  // Where a failing task shows (see HandlerCaller).
  void report_failures_to(MessageBoxes& boxes) { call_.report_to(&boxes); }

 private:
  std::deque<std::function<void()>> queue_;
  HandlerCaller call_;
};

}  // namespace pelmora::platform::fake
