// HTTP for native tests: requests wait until the test answers them, as the network would, and
// each answer reaches its caller as the user-interface thread would deliver it.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/handler_caller.h"
#include "platform/http.h"

namespace pelmora::platform::fake {

class FakeHttp final : public Http {
 public:
  HttpTicket get(const std::string& url, Done done) noexcept override {
    auto wanted = std::make_shared<bool>(true);
    requested_.push_back(url);
    waiting_.push_back({wanted, std::move(done)});
    return HttpTicket(wanted);
  }

  // Answers the oldest request still waiting; its caller hears of it only while its ticket
  // lives. False when no request waits.
  bool answer(Result result) {
    if (waiting_.empty()) return false;
    Waiting next = std::move(waiting_.front());
    waiting_.pop_front();
    if (*next.wanted) call_(next.done, std::move(result));
    return true;
  }
  // Where a failing answer handler shows (see HandlerCaller).
  void report_failures_to(MessageBoxes& boxes) { call_.report_to(&boxes); }

  // Every URL asked for, oldest first.
  const std::vector<std::string>& requested() const { return requested_; }
  size_t waiting() const { return waiting_.size(); }

 private:
  struct Waiting {
    std::shared_ptr<bool> wanted;
    Done done;
  };
  std::vector<std::string> requested_;
  std::deque<Waiting> waiting_;
  HandlerCaller call_;
};

}  // namespace pelmora::platform::fake
