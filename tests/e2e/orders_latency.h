// How long the panel's orders list takes to show what the expert wrote into IN_ORDERS, timed
// from outside the panel: shared by the hung-terminal test and its benchmark.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

#include "test_expert.h"

namespace pelmora::e2e {

// Writes 1 + (serial % 3) order lines into IN_ORDERS (so that consecutive serials differ in
// count) and waits until the list `list` holds that many items. The time from the write's return
// to the list showing it; nothing when the write was not taken or the list did not follow
// within `timeout`.
std::optional<std::chrono::duration<double, std::milli>> orders_shown_after(
    TestExpert& expert, HWND list, int serial,
    std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace pelmora::e2e
