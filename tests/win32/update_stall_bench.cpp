// How long the panel's window takes to answer a message while an update check hangs on a silent
// server, against the same figure with no check running (make bench; reported, never asserted).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form_support.h"
#include "loopback_http.h"
#include "shell/control_names.h"

namespace {

using pelmora::win32_test::round_trip_ms;

void report(const char* name, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-26s runs %2zu   min %6.2f ms   median %6.2f ms   max %6.2f ms\n", name, ms.size(),
              ms.front(), ms[ms.size() / 2], ms.back());
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
  test::RealForm form(nullptr, &http);
  std::puts("The panel's window answering WM_NULL from another thread, under Wine:");
  report("no check running", probes(form.form(), kRuns));

  form.sites.version_site = silent.site();
  form.controls->timer(pelmora::shell::ctl::Timer3).set_enabled(true);
  if (!test::pump_until([&] { return silent.requests() == 1; })) {
    std::puts("the check never reached the server");
    return 1;
  }
  report("a check hanging", probes(form.form(), kRuns));
  std::printf("(the check still hanging afterwards: %s)\n", http.answered() ? "no" : "yes");
  return 0;
}
