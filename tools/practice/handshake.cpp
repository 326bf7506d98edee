// The expert's side of the command handshake.
#include "handshake.h"

namespace pelmora::practice {

std::optional<std::string> ExpertHandshake::poll(std::string_view out_command,
                                                 std::string_view read_command) {
  // After READ_OK the panel clears OUT_COMMAND, then IN_READ_COMMAND: until the latter reads
  // empty, what stands in OUT_COMMAND is the command already taken.
  if (acknowledged_ && read_command.empty()) acknowledged_ = false;
  if (taken_ || acknowledged_ || out_command.empty() || !read_command.empty()) {
    return std::nullopt;
  }
  taken_ = true;
  return std::string(out_command);
}

void ExpertHandshake::acknowledged() {
  taken_ = false;
  acknowledged_ = true;
}

}  // namespace pelmora::practice
