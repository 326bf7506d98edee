// One line of news on the standard error stream, for whoever started the terminal.
#pragma once

#include <string_view>

namespace pelmora::sim_terminal {

void log_line(std::wstring_view text);
// The same on standard output (answers of the driver mode).
void print_line(std::wstring_view text);

}  // namespace pelmora::sim_terminal
