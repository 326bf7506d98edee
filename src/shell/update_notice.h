// The update notice and the web links: Timer3 asks the version site for the newest version and
// shows the red Label14 when it is newer than this one; Label14 and the credit line Label11 open
// the forum page in the browser. The check never holds the panel: its answer comes back later.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "shell/setting_variables.h"

namespace pelmora::shell {

// The running version 1.0.6 as the version file writes it: its digits without the dots.
inline constexpr int32_t kRunningVersion = 106;
// Timer3's interval once a check has run.
inline constexpr int kCheckIntervalMs = 60000;

// The controls this feature works with; held, not owned.
struct UpdateControls {
  platform::PanelWindow& window;
  platform::Timer& Timer3;
  platform::Label& Label14;  // "Скачать новую версию", the notice
  platform::Label& Label11;  // the credit line
};

class UpdateNotice {
 public:
  // Resolves its controls and wires their handlers. `settings` is read at every tick; it and
  // the platform's roles are held, not owned.
  UpdateNotice(const platform::Platform& platform, const SettingVariables& settings);
  UpdateNotice(const UpdateNotice&) = delete;
  UpdateNotice& operator=(const UpdateNotice&) = delete;

  // Handler of Timer3. With notices off it only hides Label14; otherwise it starts a check
  // (none while one is on its way) and sets the interval to a minute. Never throws.
  void Timer3Timer();
  // Left-button releases open the forum page; other buttons do nothing. Never throw.
  void Label14MouseUp(platform::MouseButton button);
  void Label11MouseUp(platform::MouseButton button);

  // Whether a check's answer is still on its way.
  bool checking() const { return checking_; }

 private:
  void show_answer(const platform::Http::Result& body);
  void open_forum(platform::WindowRef owner);

  UpdateControls c_;
  const SettingVariables& settings_;
  platform::Http& http_;
  platform::Shell& shell_;
  const platform::WebSites& sites_;
  platform::HttpTicket ticket_;
  bool checking_ = false;
};

}  // namespace pelmora::shell
