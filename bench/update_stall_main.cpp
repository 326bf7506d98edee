// How long the panel's window takes to answer a message while an update check hangs on a silent
// server, against the same figure with no check running (make bench; reported, never asserted).
// Prints one markdown table row; anything else goes to stderr.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form/names.h"
#include "form_support.h"
#include "loopback_http.h"

namespace {

using pelmora::win32_test::round_trip_ms;

double median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

std::vector<double> probes(HWND window, int runs) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) ms.push_back(round_trip_ms(window));
  return ms;
}

}  // namespace

int main() {
  namespace test = pelmora::win32_test;
  constexpr int kRuns = 20;
  pelmora::platform::win32::Win32UiThread ui;
  test::CountingHttp http(ui, {.total_ms = 15000});
  test::LoopbackServer silent("");
  test::RealForm form(test::RealFormRoles{.http = &http, .version_site = silent.site()});
  const double idle = median(probes(form.form(), kRuns));

  form.controls->timer(pelmora::form::names::kUpdateTimer).set_enabled(true);
  if (!test::pump_until([&] { return silent.requests() == 1; })) {
    std::fputs("update stall: the check never reached the server\n", stderr);
    return 1;
  }
  const double hanging = median(probes(form.form(), kRuns));
  std::printf(
      "| panel answers a message while an update check hangs, median of %d | %.2f ms | "
      "no check running %.2f ms |\n",
      kRuns, hanging, idle);
  if (http.answered()) std::fputs("update stall: the check ended before the probes did\n", stderr);
  return 0;
}
