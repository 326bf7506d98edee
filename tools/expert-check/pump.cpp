// Messages are taken whenever they come; between them the thread sleeps until the next beat,
// at most a few milliseconds.
#include "pump.h"

#include <windows.h>

namespace pelmora::expert_check {

namespace {
constexpr auto kLinkTick = std::chrono::milliseconds(10);
constexpr auto kChartWatch = std::chrono::milliseconds(300);
constexpr DWORD kLongestSleepMs = 5;
}  // namespace

bool Pump::until(const std::function<bool()>& done, Clock::duration timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    MSG message{};
    while (!end_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // The window goes with the chart frame that holds its owner, or the user closed it.
        end_ = beats_.chart_watch().value_or("the checker's window was closed");
        break;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (!end_) beat();
    if (end_) return false;
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, kLongestSleepMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void Pump::until_end() {
  while (!end_) until([] { return false; }, std::chrono::hours(1));
}

void Pump::beat() {
  const auto now = Clock::now();
  if (now >= next_chart_watch_) {
    next_chart_watch_ = now + kChartWatch;
    if (auto reason = beats_.chart_watch()) {
      end_ = std::move(reason);
      return;
    }
  }
  if (now >= next_link_tick_) {
    next_link_tick_ = now + kLinkTick;
    beats_.link_tick();
  }
}

}  // namespace pelmora::expert_check
