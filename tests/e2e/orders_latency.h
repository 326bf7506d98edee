// How long the panel's orders list takes to show what the expert wrote into IN_ORDERS, timed
// from outside the panel: shared by the hung-terminal test and its benchmark.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "test_expert.h"

namespace pelmora::e2e {

// Writes 1 + (serial % 3) order lines into IN_ORDERS (so that consecutive serials differ in
// count) and polls the list `list` every millisecond, well inside the panel's 10 ms link tick,
// until it holds that many items. The time from the write's return to the list showing it;
// nothing when the write was not taken or the list did not follow within `timeout`.
inline std::optional<std::chrono::duration<double, std::milli>> orders_shown_after(
    TestExpert& expert, HWND list, int serial,
    std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
  using Clock = std::chrono::steady_clock;
  const int lines = 1 + serial % 3;
  std::wstring text;
  for (int i = 0; i < lines; ++i)
    text += std::to_wstring(50000 + serial * 10 + i) + L" (buy 0.10)\r\n";
  if (!expert.give_orders(text)) return std::nullopt;
  const auto written = Clock::now();
  for (DWORD_PTR count = 0;
       !SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_BLOCK, 1000, &count) ||
       count != static_cast<DWORD_PTR>(lines);) {
    if (Clock::now() - written > timeout) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return Clock::now() - written;
}

}  // namespace pelmora::e2e
