// Every role of the world the core may ask for, bundled once: features take one Platform and
// pick what they need, so a new role joins here instead of every constructor. Held, not owned:
// the program's entry (or a test) owns each role and keeps it alive while the form lives.
#pragma once

#include "platform/clock.h"
#include "platform/control_set.h"
#include "platform/desktop.h"
#include "platform/http.h"
#include "platform/journal_files.h"
#include "platform/locale.h"
#include "platform/message_boxes.h"
#include "platform/program.h"
#include "platform/settings_store.h"
#include "platform/terminal_windows.h"
#include "platform/ui_thread.h"

namespace pelmora::platform {

struct Platform {
  ControlSet& controls;
  TerminalWindows& terminal;
  Program& program;
  MessageBoxes& messages;
  UiThread& ui;
  Locale& locale;
  Http& http;
  Desktop& desktop;
  SettingsStore& settings;
  Clock& clock;
  JournalFiles& journal;
};

}  // namespace pelmora::platform
