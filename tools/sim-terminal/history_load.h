// Reading a user's history file without leaving the user in the dark: the file is read on a
// worker thread while a small window shows how far it has come and answers throughout; closing
// it cancels. A file that loads in a moment never shows the window.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "practice/history.h"

namespace pelmora::sim_terminal {

// The history, or nothing with the reason in `error` (the file's name and what was wrong). Says
// on the standard error stream how many bars it read and how long the reading took.
std::optional<practice::History> load_history_file(HINSTANCE instance,
                                                   const std::filesystem::path& file,
                                                   std::optional<int> digits, std::wstring* error);

}  // namespace pelmora::sim_terminal
