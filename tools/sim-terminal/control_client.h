// The driver's side of the control channel: one command to a terminal main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace pelmora::sim_terminal {

// Sends the command line and returns the reply; nothing when the window is gone or has not
// answered within `timeout_ms` (a hung terminal never blocks the driver for longer).
std::optional<LRESULT> send_command(HWND terminal, std::string_view line, UINT timeout_ms);

// The main window of the substitute terminal run by process `pid`, or of any one when pid is 0.
HWND find_terminal(DWORD pid);

}  // namespace pelmora::sim_terminal
