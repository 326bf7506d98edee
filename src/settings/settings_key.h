// Where the settings live: one registry key per folder the program runs from, named after the
// folder without its drive, so copies in the same folder path on other drives share it.
#pragma once

#include <string>
#include <string_view>

namespace pelmora::settings {

inline constexpr std::string_view kSettingsKeyBase =
    R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion\Pelmora)";

// The folder of `program_path` (up to its last "\" or ":", keeping a "\" that follows the drive
// or another separator), without its first two characters, each "\" made "_". Empty when the
// path has no folder.
std::string settings_key_suffix(std::string_view program_path);

// The key's path: the base followed directly by the suffix.
std::string settings_key_path(std::string_view suffix);

}  // namespace pelmora::settings
