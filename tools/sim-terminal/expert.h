// The expert inside the terminal: every 10 ms it brings the panel's exchange fields in line with
// the test (quotes, open orders, the selected order's record) and carries out the panel's
// commands through the handshake, one journal line each. It waits quietly for a panel that is
// not up yet and looks for it again when it goes.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "expert_fields.h"
#include "handles.h"
#include "journal.h"
#include "practice/handshake.h"
#include "practice/tester.h"

namespace pelmora::sim_terminal {

class Expert {
 public:
  // Starts the expert's timer; `tester` and `journal` must outlive it. Nothing when its window
  // cannot be created.
  static std::unique_ptr<Expert> create(HINSTANCE instance, std::wstring panel_caption,
                                        practice::Tester& tester, Journal& journal);
  Expert(const Expert&) = delete;
  Expert& operator=(const Expert&) = delete;
  ~Expert();

 private:
  using Clock = std::chrono::steady_clock;

  Expert(std::wstring panel_caption, practice::Tester& tester, Journal& journal);
  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void tick();
  bool panel_here(Clock::time_point now);
  void publish();
  void write_on_change(Field field, const std::string& text, std::optional<std::string>& last);
  void take_commands(Clock::time_point now);
  struct Sighting {  // when a command was first seen standing in OUT_COMMAND
    Clock::time_point at;
    std::string wall_clock;
  };
  void carry_out(const std::string& command, const Sighting& sighted);
  bool acknowledge();

  PanelFields fields_;
  practice::Tester& tester_;
  Journal& journal_;
  practice::ExpertHandshake handshake_;
  HWND panel_ = nullptr;   // the panel the handshake is with; held, not owned
  bool ack_owed_ = false;  // a command was carried out, its READ_OK not yet written
  // What the expert last wrote, so that it writes a field only when its text changes.
  std::optional<std::string> quotes_, orders_, record_, record_ticket_;
  std::optional<Sighting> sighted_;
  Clock::time_point next_search_{};
  UniqueWindow window_;  // message-only; carries the timer. Last, so it goes first.
};

}  // namespace pelmora::sim_terminal
