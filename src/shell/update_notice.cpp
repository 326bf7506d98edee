// The version check and the two links. Every failure is silent: the next check follows a
// minute later and Label14 stays as it was.
#include "shell/update_notice.h"

#include "common/whole_number.h"
#include "shell/control_names.h"
#include "shell/web_sites.h"

namespace pelmora::shell {

namespace {
UpdateControls resolve(platform::ControlSet& c) {
  return {.window = c.window(),
          .Timer3 = c.timer(ctl::Timer3),
          .Label14 = c.label(ctl::Label14),
          .Label11 = c.label(ctl::Label11)};
}
}  // namespace

UpdateNotice::UpdateNotice(const platform::Platform& platform, const SettingVariables& settings)
    : c_(resolve(platform.controls)),
      settings_(settings),
      http_(platform.http),
      shell_(platform.shell),
      sites_(platform.sites) {
  using platform::MouseButton;
  c_.Timer3.set_on_tick([this] { Timer3Timer(); });
  c_.Label14.set_on_mouse_up([this](MouseButton b, int, int) { Label14MouseUp(b); });
  c_.Label11.set_on_mouse_up([this](MouseButton b, int, int) { Label11MouseUp(b); });
}

void UpdateNotice::Timer3Timer() {
  try {
    if (settings_.NewVersionType != 0) {
      c_.Label14.set_visible(false);
      return;
    }
    // The answer of the last check is still on its way: one request at a time.
    if (checking_) return;
    // Set before the request starts, so the minute counts from the check and ticks every 10 ms
    // stop at once; with no site configured the check simply fails.
    c_.Timer3.set_interval_ms(kCheckIntervalMs);
    const std::optional<std::string> url = version_file_url(sites_);
    if (!url) return;
    checking_ = true;
    ticket_ = http_.get(*url, [this](platform::Http::Result body) {
      checking_ = false;
      show_answer(body);
    });
  } catch (...) {
    // A failing check is silent; the next tick starts afresh.
    checking_ = false;
  }
}

void UpdateNotice::show_answer(const platform::Http::Result& body) {
  try {
    // Notices switched off while the answer was on its way: it no longer counts.
    if (settings_.NewVersionType != 0 || !body) return;
    const std::optional<int32_t> newest = common::read_whole_number(*body);
    if (newest && *newest > kRunningVersion) c_.Label14.set_visible(true);
  } catch (...) {
  }
}

void UpdateNotice::Label14MouseUp(platform::MouseButton button) {
  if (button == platform::MouseButton::kLeft) open_forum(c_.window.ref());
}

void UpdateNotice::Label11MouseUp(platform::MouseButton button) {
  if (button == platform::MouseButton::kLeft) open_forum(platform::kNoWindow);
}

void UpdateNotice::open_forum(platform::WindowRef owner) {
  try {
    if (const std::optional<std::string> url = forum_page_url(sites_)) shell_.open_url(*url, owner);
  } catch (...) {
    // A failure to open the page is not reported.
  }
}

}  // namespace pelmora::shell
