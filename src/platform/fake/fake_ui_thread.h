// The way back to the UI thread in native tests: posted tasks wait until the test runs them.
#pragma once

#include <deque>
#include <functional>

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
    for (auto& task : tasks) task();
    return static_cast<int>(tasks.size());
  }
  size_t pending() const { return queue_.size(); }

 private:
  std::deque<std::function<void()>> queue_;
};

}  // namespace pelmora::platform::fake
