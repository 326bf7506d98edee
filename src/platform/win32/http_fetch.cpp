// Each WinHTTP step gets only the time left of the total, so no step and no slow trickle of
// bytes can stretch the request past its bound. Redirects are not followed: an answer other
// than 2xx is a failure, and the request never leaves the configured site.
#include "platform/win32/http_fetch.h"

#include <windows.h>
#include <winhttp.h>

#include <chrono>
#include <string>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {

using InternetHandle = UniqueHandle<HINTERNET, WinHttpCloseHandle>;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kUserAgent[] = L"Mozilla/3.0 (compatible; Indy Library)";
constexpr wchar_t kHeaders[] = L"Accept: text/html, */*\r\nContent-Type: text/html\r\n";

// Gives the next step what is left of the total time; false once none is left.
bool bound_next_step(HINTERNET request, Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left <= 0) return false;
  const int ms = static_cast<int>(left);
  // The wait for the answer's head has a time-out of its own besides the receive time-out.
  DWORD head_ms = static_cast<DWORD>(ms);
  return WinHttpSetTimeouts(request, ms, ms, ms, ms) &&
         WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &head_ms,
                          sizeof(head_ms));
}

struct Target {
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring path;  // with the query
  bool secure = false;
};

bool crack(std::string_view url, Target& target) {
  const std::wstring wide = to_wide(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(wide.c_str(), 0, 0, &parts)) return false;
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
  target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  target.port = parts.nPort;
  target.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  target.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  return !target.host.empty();
}

bool status_is_success(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  return WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                             WINHTTP_NO_HEADER_INDEX) &&
         status >= 200 && status < 300;
}

Http::Result read_body(HINTERNET request, Clock::time_point deadline, std::size_t cap) {
  std::string body;
  char chunk[4096];
  for (;;) {
    DWORD got = 0;
    if (!bound_next_step(request, deadline)) return std::nullopt;
    if (!WinHttpReadData(request, chunk, sizeof(chunk), &got)) return std::nullopt;
    if (got == 0) return body;
    body.append(chunk, got);
    if (body.size() > cap) return std::nullopt;
  }
}

Http::Result fetch_or_throw(std::string_view url, const HttpLimits& limits) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limits.total_ms);
  Target target;
  if (!crack(url, target)) return std::nullopt;
  const InternetHandle session(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_NO_PROXY,
                                           WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session.get()) return std::nullopt;
  const InternetHandle connection(
      WinHttpConnect(session.get(), target.host.c_str(), target.port, 0));
  if (!connection.get()) return std::nullopt;
  const InternetHandle request(
      WinHttpOpenRequest(connection.get(), L"GET", target.path.c_str(), nullptr, WINHTTP_NO_REFERER,
                         WINHTTP_DEFAULT_ACCEPT_TYPES, target.secure ? WINHTTP_FLAG_SECURE : 0));
  if (!request.get()) return std::nullopt;
  DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
  WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof(never));

  if (!bound_next_step(request.get(), deadline) ||
      !WinHttpSendRequest(request.get(), kHeaders, static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA,
                          0, 0, 0) ||
      !bound_next_step(request.get(), deadline) ||
      !WinHttpReceiveResponse(request.get(), nullptr) || !status_is_success(request.get())) {
    return std::nullopt;
  }
  return read_body(request.get(), deadline, limits.body_cap);
}

}  // namespace

Http::Result fetch(std::string_view url, const HttpLimits& limits) noexcept {
  try {
    return fetch_or_throw(url, limits);
  } catch (...) {
    return std::nullopt;  // out of memory, say: a failure like any other
  }
}

}  // namespace pelmora::platform::win32
