// The list's count is polled every millisecond with a bounded message, well inside the panel's
// 10 ms link tick.
#include "orders_latency.h"

#include <string>
#include <thread>

namespace pelmora::e2e {

namespace {

// The list's item count; -1 when the panel did not answer.
LRESULT item_count(HWND list) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_BLOCK, 1000, &count)) return -1;
  return static_cast<LRESULT>(count);
}

}  // namespace

std::optional<std::chrono::duration<double, std::milli>> orders_shown_after(
    TestExpert& expert, HWND list, int serial, std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  const int lines = 1 + serial % 3;
  std::wstring text;
  for (int i = 0; i < lines; ++i) {
    text += std::to_wstring(50000 + serial * 10 + i) + L" (buy 0.10)\r\n";
  }
  if (!expert.give_orders(text)) return std::nullopt;
  const auto written = Clock::now();
  while (item_count(list) != lines) {
    if (Clock::now() - written > timeout) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return Clock::now() - written;
}

}  // namespace pelmora::e2e
