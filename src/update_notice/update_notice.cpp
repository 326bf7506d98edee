// The version check and the two links. Every failure is silent: the next check follows a
// minute later and the notice stays as it was.
#include "update_notice/update_notice.h"

#include "common/silently.h"
#include "common/whole_number.h"
#include "form/names.h"
#include "update_notice/web_sites.h"

namespace pelmora::update_notice {

namespace names = form::names;

namespace {
UpdateControls resolve(platform::ControlSet& c) {
  return {.window = c.window(),
          .update_timer = c.timer(names::kUpdateTimer),
          .update_notice = c.label(names::kUpdateNotice),
          .credit_line = c.label(names::kCreditLine)};
}
}  // namespace

UpdateNotice::UpdateNotice(const platform::Platform& platform,
                           const settings::SettingVariables& settings)
    : c_(resolve(platform.controls)),
      settings_(settings),
      http_(platform.http),
      desktop_(platform.desktop),
      sites_(
          read_web_sites(platform.program.read_file_beside(kWebSitesFileName, kMaxWebSitesFileBytes)
                             .value_or(""))) {
  using platform::MouseButton;
  c_.update_timer.set_on_tick([this] { check_tick(); });
  c_.update_notice.set_on_mouse_up([this](MouseButton b, int, int) { update_notice_released(b); });
  c_.credit_line.set_on_mouse_up([this](MouseButton b, int, int) { credit_line_released(b); });
}

// A failing check is silent; the next tick starts afresh.
void UpdateNotice::check_tick() noexcept {
  common::silently([this] { check(); });
}

void UpdateNotice::check() {
  if (settings_.update_mode != 0) {
    c_.update_notice.set_visible(false);
    return;
  }
  // The answer of the last check is still on its way: one request at a time.
  if (checking_) return;
  // Set before the request starts, so the minute counts from the check and ticks every 10 ms
  // stop at once; with no site configured the check simply fails.
  c_.update_timer.set_interval_ms(kCheckIntervalMs);
  const std::optional<std::string> url = version_file_url(sites_);
  if (!url) return;
  platform::Http::Done done = [this](platform::Http::Result body) {
    checking_ = false;
    show_answer(body);
  };
  // Nothing from here on can fail, so a check is never left marked as on its way for good.
  checking_ = true;
  ticket_ = http_.get(*url, std::move(done));
}

void UpdateNotice::show_answer(const platform::Http::Result& body) noexcept {
  common::silently([&] {
    // Notices switched off while the answer was on its way: it no longer counts.
    if (settings_.update_mode != 0 || !body) return;
    const std::optional<int32_t> newest = common::read_whole_number(*body);
    if (newest && *newest > kRunningVersion) c_.update_notice.set_visible(true);
  });
}

void UpdateNotice::update_notice_released(platform::MouseButton button) noexcept {
  if (button == platform::MouseButton::kLeft) open_forum(true);
}

void UpdateNotice::credit_line_released(platform::MouseButton button) noexcept {
  if (button == platform::MouseButton::kLeft) open_forum(false);
}

// A failure to open the page is not reported.
void UpdateNotice::open_forum(bool owned_by_panel) noexcept {
  common::silently([&] {
    const platform::WindowRef owner = owned_by_panel ? c_.window.ref() : platform::kNoWindow;
    if (const std::optional<std::string> url = forum_page_url(sites_))
      desktop_.open_url(*url, owner);
  });
}

}  // namespace pelmora::update_notice
