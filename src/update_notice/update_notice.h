// The update notice and the web links: the update timer asks the version site for the newest
// version and shows the red notice when it is newer than this one; the notice and the credit line
// open the forum page in the browser. The check never holds the panel: its answer comes
// back later.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "settings/setting_variables.h"
#include "update_notice/web_sites.h"

namespace pelmora::update_notice {

// The running version 1.0.6 as the version file writes it: its digits without the dots.
inline constexpr int32_t kRunningVersion = 106;
// The update timer's interval once a check has run.
inline constexpr int kCheckIntervalMs = 60000;

// The controls this feature works with; held, not owned.
struct UpdateControls {
  platform::PanelWindow& window;
  platform::Timer& update_timer;
  platform::Label& update_notice;  // "Скачать новую версию", the notice
  platform::Label& credit_line;    // the credit line
};

class UpdateNotice {
 public:
  // Resolves its controls and wires their handlers. `settings` is read at every tick; it and
  // the platform's roles are held, not owned.
  UpdateNotice(const platform::Platform& platform, const settings::SettingVariables& settings);
  UpdateNotice(const UpdateNotice&) = delete;
  UpdateNotice& operator=(const UpdateNotice&) = delete;

  // The update timer's tick. With notices off it only hides the notice; otherwise it starts a
  // check (none while one is on its way) and sets the interval to a minute. A failing check is
  // silent.
  void check_tick() noexcept;
  // Left-button releases open the forum page, the notice's with the panel as the owner of what
  // the system shows; other buttons do nothing. A failure is not reported.
  void update_notice_released(platform::MouseButton button) noexcept;
  void credit_line_released(platform::MouseButton button) noexcept;

  // Whether a check's answer is still on its way.
  bool checking() const { return checking_; }

 private:
  void check();
  void show_answer(const platform::Http::Result& body) noexcept;
  void open_forum(bool owned_by_panel) noexcept;

  UpdateControls c_;
  const settings::SettingVariables& settings_;
  platform::Http& http_;
  platform::Desktop& desktop_;
  const WebSites sites_;  // read once, from the file beside the program
  platform::HttpTicket ticket_;
  bool checking_ = false;
};

}  // namespace pelmora::update_notice
