// Test support for the update check under Wine: a small HTTP server on 127.0.0.1 that the test
// runs itself, a refused port, the real Win32 HTTP counting its answers, and a probe that times
// a message sent to the panel's window from another thread.
#pragma once

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <string>
#include <string_view>
#include <thread>

#include "platform/win32/http.h"
#include "platform/win32/ui_thread.h"

namespace pelmora::win32_test {

// The bytes of a whole HTTP answer with this status line and body.
std::string http_answer(int status, std::string_view body);

class LoopbackServer {
 public:
  // Answers every request with `answer`, or, when it is empty, accepts and never answers.
  // Throws std::runtime_error when no socket can be had.
  explicit LoopbackServer(std::string answer);
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;
  // Closes every connection and stops within about 50 ms.
  ~LoopbackServer();

  std::string site() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int requests() const { return requests_; }  // requests read in full

 private:
  void serve();
  bool serve_one(SOCKET client);

  std::string answer_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  std::thread thread_;
};

// "http://127.0.0.1:<port>" for a port where nothing listens: connecting is refused.
std::string refused_site();

// The real Win32 HTTP, counting the answers it has delivered on the UI thread.
class CountingHttp final : public platform::Http {
 public:
  CountingHttp(platform::UiThread& ui, platform::win32::HttpLimits limits) : real_(ui, limits) {}
  platform::HttpTicket get(const std::string& url, Done done) noexcept override;
  int answered() const { return answered_; }

 private:
  platform::win32::Win32Http real_;
  int answered_ = 0;
};

// Sends WM_NULL to `window` from another thread while this one runs its message queue; returns
// the milliseconds until it was answered, or -1 when it was not within five seconds.
double round_trip_ms(HWND window);

}  // namespace pelmora::win32_test
