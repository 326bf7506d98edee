// The trailing-stop window SET_TSL_WND: opened by T-SL in the main panel's place, it asks for
// the trailing distance of the selected order and sends it as a SET_TSL command.
#pragma once

#include "link/command_writer.h"
#include "platform/platform.h"

namespace pelmora::trading {

class TrailingStop {
 public:
  // Resolves its controls and wires their handlers. Everything passed in is held, not owned.
  TrailingStop(const platform::Platform& platform, link::CommandWriter& commands);
  TrailingStop(const TrailingStop&) = delete;
  TrailingStop& operator=(const TrailingStop&) = delete;
};

}  // namespace pelmora::trading
