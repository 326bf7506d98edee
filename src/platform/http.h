// One HTTP GET that never holds the user-interface thread: the request runs elsewhere, bounded in
// time and size, and its answer comes back on the user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pelmora::platform {

// Keeps a request's answer wanted. Once the ticket is gone (destroyed or assigned over) the
// answer is dropped, so a feature that dies first is never called back. Move-only; used on the
// user-interface thread only.
class HttpTicket {
 public:
  HttpTicket() = default;
  explicit HttpTicket(std::shared_ptr<bool> wanted) : wanted_(std::move(wanted)) {}
  HttpTicket(HttpTicket&& other) noexcept = default;
  HttpTicket& operator=(HttpTicket&& other) noexcept {
    if (this != &other) {
      drop();
      wanted_ = std::move(other.wanted_);
    }
    return *this;
  }
  HttpTicket(const HttpTicket&) = delete;
  HttpTicket& operator=(const HttpTicket&) = delete;
  ~HttpTicket() { drop(); }

 private:
  void drop() {
    if (wanted_) *wanted_ = false;
  }
  std::shared_ptr<bool> wanted_;
};

class Http {
 public:
  // The body of a 2xx answer; nothing for every failure (no connection, an error status or a
  // redirect, the time bound passed, a body over the size cap).
  using Result = std::optional<std::string>;
  using Done = std::function<void(Result result)>;

  virtual ~Http() = default;
  // Starts a GET of `url` (http or https) and returns at once. `done` runs exactly once, later,
  // on the user-interface thread, unless the ticket is dropped first; a request that cannot
  // even start is such a failure.
  virtual HttpTicket get(const std::string& url, Done done) noexcept = 0;
};

}  // namespace pelmora::platform
