// The update check under Wine with real WinHTTP against a server on 127.0.0.1 that the test runs:
// the body reaches the reading as sent, every failure is silent and bounded, and the panel's
// window keeps answering while a request hangs.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "form/names.h"
#include "form_support.h"
#include "loopback_http.h"
#include "update_notice/update_notice.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLimitMs = 3000;  // the request's bound in this test

TEST(UpdateNoticeWin32, EachAnswerOfTheVersionSiteAndThePanelKeepsAnswering) {
  const struct {
    const char* name;
    std::string answer;  // the server's whole answer; empty: it accepts and never answers
    bool refused = false, shown = false;
  } cases[] = {
      {"107", http_answer(200, "107"), false, true},
      {"trailing line break", http_answer(200, "107\r\n")},
      {"past the cap", http_answer(200, std::string(64 * 1024, ' ') + "107")},
      {"error status", http_answer(404, "107")},
      {"never answers", ""},
      {"refused", "", true},
  };
  platform::win32::Win32UiThread ui;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CountingHttp http(ui, {.total_ms = kLimitMs});
    std::optional<LoopbackServer> server;
    if (!c.refused) server.emplace(c.answer);
    RealForm form({.http = &http, .version_site = server ? server->site() : refused_site()});
    const Clock::time_point start = Clock::now();
    form.controls->timer(names::kUpdateTimer).set_enabled(true);
    if (server) {
      ASSERT_TRUE(pump_until([&] { return server->requests() == 1; }));
    }
    const bool hanging = c.answer.empty() && !c.refused;
    const double round_trip = round_trip_ms(form.form());  // a few milliseconds is usual
    EXPECT_TRUE(round_trip >= 0 && round_trip < 1500) << round_trip;
    if (hanging) {
      EXPECT_EQ(http.answered(), 0) << "the request should still hang";
    }

    ASSERT_TRUE(pump_until([&] { return http.answered() == 1; }));
    const double took = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    EXPECT_TRUE(took < kLimitMs + 3000 && (!hanging || took >= kLimitMs - 100)) << took;
    EXPECT_EQ(IsWindowVisible(form.hwnd(names::kUpdateNotice)) != FALSE, c.shown);
    EXPECT_EQ(form.controls->timer(names::kUpdateTimer).interval_ms(),
              update_notice::kCheckIntervalMs);
    EXPECT_EQ(server ? server->requests() : 1, 1) << "one request per check";
  }
}

}  // namespace
}  // namespace pelmora::win32_test
