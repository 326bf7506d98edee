// Test support for the update check under Wine: a small HTTP server on 127.0.0.1 that the test
// runs itself, a refused port, the real Win32 HTTP counting its answers, and a probe that times
// a message sent to the panel's window from another thread.
#pragma once

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "form_support.h"
#include "platform/win32/http.h"
#include "platform/win32/ui_thread.h"

namespace pelmora::win32_test {

namespace loopback {

inline bool readable(SOCKET s) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{0, 50 * 1000};  // short, so that a stop request is noticed quickly
  return select(0, &set, nullptr, nullptr, &wait) == 1;
}

inline SOCKET bound_socket(int& port) {
  WSADATA data;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof(address);
  const SOCKET s =
      WSAStartup(MAKEWORD(2, 2), &data) == 0 ? socket(AF_INET, SOCK_STREAM, 0) : INVALID_SOCKET;
  if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    throw std::runtime_error("no loopback socket");
  }
  port = ntohs(address.sin_port);
  return s;
}

}  // namespace loopback

// The bytes of a whole HTTP answer with this status line and body.
inline std::string http_answer(int status, std::string_view body) {
  return "HTTP/1.1 " + std::to_string(status) + " Scripted\r\nContent-Type: text/plain\r\n" +
         "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
         std::string(body);
}

// Serves one connection at a time from its own thread.
class LoopbackServer {
 public:
  // Answers every request with `answer`, or, when it is empty, accepts and never answers.
  // Throws std::runtime_error when no socket can be had.
  explicit LoopbackServer(std::string answer) : answer_(std::move(answer)) {
    listener_ = loopback::bound_socket(port_);
    if (listen(listener_, 4) != 0) throw std::runtime_error("cannot listen");
    thread_ = std::thread([this] { serve(); });
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;
  // Closes every connection and stops within about 50 ms.
  ~LoopbackServer() {
    stop_ = true;
    thread_.join();
    closesocket(listener_);
    WSACleanup();
  }

  std::string site() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int requests() const { return requests_; }  // requests read in full

 private:
  // Reads each request's head, then answers and closes, or, for a silent server, holds the
  // connection until the end.
  void serve() {
    std::vector<SOCKET> held;
    while (!stop_) {
      const SOCKET client =
          loopback::readable(listener_) ? accept(listener_, nullptr, nullptr) : INVALID_SOCKET;
      if (client == INVALID_SOCKET) continue;
      std::string request;
      char chunk[1024];
      int got = 1;
      while (!stop_ && got > 0 && request.find("\r\n\r\n") == std::string::npos) {
        if (loopback::readable(client) && (got = recv(client, chunk, sizeof(chunk), 0)) > 0) {
          request.append(chunk, static_cast<size_t>(got));
        }
      }
      requests_ += got > 0 && !stop_;
      if (answer_.empty()) {
        held.push_back(client);
        continue;
      }
      for (size_t sent = 0, n = 1; sent < answer_.size() && n > 0; sent += n) {
        n = static_cast<size_t>(std::max(
            0, send(client, answer_.data() + sent, static_cast<int>(answer_.size() - sent), 0)));
      }
      shutdown(client, SD_SEND);
      closesocket(client);
    }
    for (SOCKET s : held) closesocket(s);
  }

  std::string answer_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  std::thread thread_;
};

// "http://127.0.0.1:<port>" for a port where nothing listens: connecting is refused.
inline std::string refused_site() {
  int port = 0;
  closesocket(loopback::bound_socket(port));  // bound, never listening, then given up
  WSACleanup();
  return "http://127.0.0.1:" + std::to_string(port);
}

// The real Win32 HTTP, counting the answers it has delivered on the UI thread.
class CountingHttp final : public platform::Http {
 public:
  CountingHttp(platform::UiThread& ui, platform::win32::HttpLimits limits) : real_(ui, limits) {}
  platform::HttpTicket get(const std::string& url, Done done) noexcept override {
    return real_.get(url, [this, done = std::move(done)](Result result) {
      done(std::move(result));
      ++answered_;
    });
  }
  int answered() const { return answered_; }

 private:
  platform::win32::Win32Http real_;
  int answered_ = 0;
};

// Sends WM_NULL to `window` from another thread while this one runs its message queue; returns
// the milliseconds until it was answered, or -1 when it was not within five seconds.
inline double round_trip_ms(HWND window) {
  std::atomic<double> took{-1};
  std::atomic<bool> finished{false};
  std::thread sender([&] {
    const auto start = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) {
      took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                 .count();
    }
    finished = true;
  });
  pump_until([&] { return finished.load(); });
  sender.join();
  return took;
}

}  // namespace pelmora::win32_test
