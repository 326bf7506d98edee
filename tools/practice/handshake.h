// The expert's side of the command handshake, free of windows: given what OUT_COMMAND and
// IN_READ_COMMAND read now, says whether a new command is to be taken. A command is taken only
// when the link is idle (IN_READ_COMMAND empty), so that a command is taken once even when the
// next one has the same text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelmora::practice {

class ExpertHandshake {
 public:
  // The command to carry out now (then write "WAIT", carry it out, write "READ_OK"), or
  // nothing.
  std::optional<std::string> poll(std::string_view out_command, std::string_view read_command);
  // After "READ_OK" was written for the command taken. Until then poll() takes nothing more.
  void acknowledged();
  bool waiting_for_panel() const { return acknowledged_; }

 private:
  bool taken_ = false;  // a command was handed out and is not acknowledged yet
  bool acknowledged_ = false;
};

}  // namespace pelmora::practice
