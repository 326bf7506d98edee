// The loopback server serves one connection at a time from its own thread; every wait in it is
// a short select, so it notices the stop request quickly and never runs away.
#include "loopback_http.h"

#include <chrono>
#include <stdexcept>
#include <vector>

#include "form_support.h"

namespace pelmora::win32_test {

namespace {

constexpr timeval kPoll{0, 50 * 1000};

bool readable(SOCKET s) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait = kPoll;
  return select(0, &set, nullptr, nullptr, &wait) == 1;
}

SOCKET bound_socket(int& port) {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("no Winsock");
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof(address);
  if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    throw std::runtime_error("no loopback socket");
  }
  port = ntohs(address.sin_port);
  return s;
}

}  // namespace

std::string http_answer(int status, std::string_view body) {
  return "HTTP/1.1 " + std::to_string(status) + " Scripted\r\nContent-Type: text/plain\r\n" +
         "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
         std::string(body);
}

LoopbackServer::LoopbackServer(std::string answer) : answer_(std::move(answer)) {
  listener_ = bound_socket(port_);
  if (listen(listener_, 4) != 0) throw std::runtime_error("cannot listen");
  thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  thread_.join();
  closesocket(listener_);
  WSACleanup();
}

void LoopbackServer::serve() {
  std::vector<SOCKET> held;  // connections of a silent server, closed at the end
  while (!stop_) {
    if (!readable(listener_)) continue;
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    if (serve_one(client)) {
      closesocket(client);
    } else {
      held.push_back(client);
    }
  }
  for (SOCKET s : held) closesocket(s);
}

// Reads the request head, then answers and returns true, or returns false to hold it.
bool LoopbackServer::serve_one(SOCKET client) {
  std::string request;
  char chunk[1024];
  while (!stop_ && request.find("\r\n\r\n") == std::string::npos) {
    if (!readable(client)) continue;
    const int got = recv(client, chunk, sizeof(chunk), 0);
    if (got <= 0) return true;
    request.append(chunk, static_cast<size_t>(got));
  }
  ++requests_;
  if (answer_.empty()) return false;
  size_t sent = 0;
  while (sent < answer_.size()) {
    const int n = send(client, answer_.data() + sent, static_cast<int>(answer_.size() - sent), 0);
    if (n <= 0) break;
    sent += static_cast<size_t>(n);
  }
  shutdown(client, SD_SEND);
  return true;
}

std::string refused_site() {
  int port = 0;
  const SOCKET s = bound_socket(port);  // bound, never listening, then given up
  closesocket(s);
  WSACleanup();
  return "http://127.0.0.1:" + std::to_string(port);
}

platform::HttpTicket CountingHttp::get(const std::string& url, Done done) noexcept {
  return real_.get(url, [this, done = std::move(done)](Result result) {
    done(std::move(result));
    ++answered_;
  });
}

double round_trip_ms(HWND window) {
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
