// The update notice on the in-memory form: the check's rhythm on the manual clock, the reading of
// the version file's body, the settings switch, answers that come late, the two links, and the
// web sites file that names where they lead.
#include "update_notice/update_notice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "form/names.h"
#include "panel_world.h"
#include "update_notice/web_sites.h"

namespace pelmora::update_notice {

namespace names = pelmora::form::names;
namespace {

using platform::MouseButton;
using platform::fake::FakeDesktop;
using platform::fake::FakeLabel;

constexpr char kVersionUrl[] = "http://127.0.0.1:8080/products/pelmora_v.txt";
constexpr char kForumUrl[] = "https://forum.example.org/viewtopic.php?f=14&t=50";

struct UpdateWorld : testing::PanelWorld {
  explicit UpdateWorld(bool configured = true) {
    if (configured) {
      roles->program.set_file_beside(std::string(kWebSitesFileName),
                                     "VersionSite=http://127.0.0.1:8080\n"
                                     "ForumSite=https://forum.example.org\n");
    }
    start();
  }
  bool notice() { return label(names::kUpdateNotice).visible(); }
  FakeLabel& label(std::string_view name) { return c().fake<FakeLabel>(name); }
  int interval() { return c().timer(names::kUpdateTimer).interval_ms(); }
  size_t requests() { return roles->http.requested().size(); }
  int32_t& update_mode() { return form->settings().update_mode; }
  void advance(int64_t ms) { roles->clock.advance(ms); }
};

TEST(UpdateNotice, FirstCheckAfterTenMillisecondsThenOneAMinuteAndNeverTwoAtOnce) {
  UpdateWorld w;
  w.advance(9);
  EXPECT_EQ(w.requests(), 0u);
  w.advance(1);
  EXPECT_EQ(w.roles->http.requested(), std::vector<std::string>{kVersionUrl});
  EXPECT_EQ(w.interval(), kCheckIntervalMs);
  // A server that keeps the first answer past the next tick: that tick asks nothing more.
  w.advance(kCheckIntervalMs + 5000);
  EXPECT_EQ(w.requests(), 1u);
  ASSERT_TRUE(w.roles->http.answer("106"));
  w.advance(kCheckIntervalMs - 5000 - 1);
  EXPECT_EQ(w.requests(), 1u);
  w.advance(1);  // 10 ms + two minutes
  EXPECT_EQ(w.requests(), 2u);
  ASSERT_TRUE(w.roles->http.answer(std::nullopt));
  w.advance(kCheckIntervalMs);
  EXPECT_EQ(w.requests(), 3u);
}

TEST(UpdateNotice, OnlyAWholeNumberAbove106ShowsTheNotice) {
  const std::pair<std::optional<std::string>, bool> cases[] = {
      {"107", true},         {"106", false},     {"105", false},       {" 107", true},
      {"  \t107", true},     {"+107", true},     {"0107", true},       {"2147483647", true},
      {"107\n", false},      {"107\r\n", false}, {"107 ", false},      {"\n107", false},
      {"1.0.7", false},      {"", false},        {"-107", false},      {"abc", false},
      {"2147483648", false}, {"107abc", false},  {std::nullopt, false}};
  for (const auto& [body, shown] : cases) {
    UpdateWorld w;
    w.advance(10);
    ASSERT_TRUE(w.roles->http.answer(body));
    EXPECT_EQ(w.notice(), shown) << body.value_or("(failure)");
    EXPECT_EQ(w.interval(), kCheckIntervalMs);
  }
}

// Notices off at start: nothing is asked, and the timer keeps ticking every 10 ms until they are
// switched on. Once shown, only switching notices off hides the notice, and an answer that
// arrives after that shows nothing.
TEST(UpdateNotice, TheSettingsSwitchDecidesWhetherToAskAndWhetherTheNoticeShows) {
  UpdateWorld w;
  w.update_mode() = 5;  // any value other than 0
  w.advance(1000);
  EXPECT_EQ(w.requests(), 0u);
  EXPECT_EQ(w.c().fake_timer(names::kUpdateTimer).ticks(), 100);
  w.update_mode() = 0;  // applied in the settings window
  w.advance(10);
  w.roles->http.answer("107");
  ASSERT_TRUE(w.notice());
  for (const std::optional<std::string>& later : {std::optional<std::string>("105"), {}}) {
    w.advance(kCheckIntervalMs);
    w.roles->http.answer(later);
    EXPECT_TRUE(w.notice());
  }
  w.update_mode() = 1;
  w.advance(kCheckIntervalMs);
  EXPECT_FALSE(w.notice());
  EXPECT_EQ(w.roles->http.waiting(), 0u);

  UpdateWorld late;
  late.advance(10);
  late.update_mode() = 1;
  late.roles->http.answer("107");
  EXPECT_FALSE(late.notice());
}

TEST(UpdateNotice, WithNoSiteConfiguredNothingIsAskedAndTheLinksOpenNothing) {
  UpdateWorld w(false);
  w.advance(3 * kCheckIntervalMs);
  EXPECT_EQ(w.requests(), 0u);
  EXPECT_EQ(w.interval(), kCheckIntervalMs) << "the failed check keeps the minute's rhythm";
  w.label(names::kUpdateNotice).release(MouseButton::kLeft, 1, 1);
  w.label(names::kCreditLine).release(MouseButton::kLeft, 1, 1);
  EXPECT_TRUE(w.roles->desktop.urls().empty());
}

TEST(UpdateNotice, TheFormGoneBeforeTheAnswerHearsNothing) {
  UpdateWorld w;
  w.advance(10);
  w.form.reset();
  EXPECT_TRUE(w.roles->http.answer("107"));  // under the sanitizers: no use after free
}

TEST(UpdateNotice, ALeftReleaseOnEitherLabelOpensTheForumPage) {
  const std::tuple<std::string_view, MouseButton, bool, platform::WindowRef> cases[] = {
      {names::kUpdateNotice, MouseButton::kLeft, true, platform::fake::FakePanelWindow::kRef},
      {names::kCreditLine, MouseButton::kLeft, true, platform::kNoWindow},
      {names::kUpdateNotice, MouseButton::kRight, false, 0},
      {names::kCreditLine, MouseButton::kMiddle, false, 0}};
  for (const auto& [label, button, opens, owner] : cases) {
    UpdateWorld w;
    w.label(label).press(button, 5, 5);
    w.label(label).release(button, 5, 5);
    const std::vector<FakeDesktop::Opened> expected{{kForumUrl, owner}};
    EXPECT_EQ(w.roles->desktop.urls(), opens ? expected : decltype(expected){}) << label;
    EXPECT_FALSE(w.form->drag_state().dragging) << "the links drag nothing";
  }
}

TEST(WebSites, OnlyAnHttpOrHttpsSiteWithAHostIsTakenFromNameValueLines) {
  const std::pair<const char*, const char*> cases[] = {
      {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
      {"https://forum.example.org/", "https://forum.example.org"},
      {"HTTP://downloads.example.org//", "HTTP://downloads.example.org"},
      {"http://example.org/pelmora", "http://example.org/pelmora"},
      {"  http://example.org  ", "http://example.org"},
      {"http://", ""},
      {"http:///products", ""},
      {"ftp://example.org", ""},
      {"file:///C:/Windows/notepad.exe", ""},
      {"C:\\Windows\\notepad.exe", ""},
      {"example.org", ""},
      {"http://exa mple.org", ""},
      {"http://example.org?x=1", ""},
      {"http://example.org#top", ""},
      {"", ""}};
  for (const auto& [value, site] : cases) {
    const WebSites sites = read_web_sites(std::string("VersionSite=") + value);
    EXPECT_EQ(sites.version_site, site) << value;
    EXPECT_EQ(version_file_url(sites).has_value(), *site != '\0') << value;
    EXPECT_EQ(forum_page_url(read_web_sites(std::string("ForumSite=") + value)).has_value(),
              *site != '\0')
        << value;
  }
  const WebSites sites = read_web_sites(
      "\xEF\xBB\xBF; where the update notice looks\r\n# and where its links lead\r\n\r\n"
      "  versionsite = http://old.example.org\r\nUnknown=http://other.example.org\r\n"
      "VersionSite=http://127.0.0.1:8080\r\nno equals sign here\n"
      ";VersionSite=http://commented.example.org\nFORUMSITE=https://forum.example.org");
  EXPECT_EQ(version_file_url(sites), kVersionUrl);
  EXPECT_EQ(forum_page_url(sites), kForumUrl);
}

}  // namespace
}  // namespace pelmora::update_notice
