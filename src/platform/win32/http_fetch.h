// One blocking GET over WinHTTP, bounded in total time and in body size, with the panel's fixed
// request headers. Runs on a worker thread, never on the user-interface thread.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/http.h"

namespace pelmora::platform::win32 {

struct HttpLimits {
  int total_ms = 15000;              // from the start of the request to the last byte
  std::size_t body_cap = 64 * 1024;  // a longer body is a failure
};

// The body of a 2xx answer, or nothing on any failure (see Http::Result).
Http::Result fetch(std::string_view url, const HttpLimits& limits) noexcept;

}  // namespace pelmora::platform::win32
