// The key suffix from the program file's path.
#include "settings/settings_key.h"

#include <algorithm>

namespace pelmora::settings {

namespace {

bool is_separator(char c) {
  return c == '\\' || c == ':';
}

// The folder part of a path: a trailing "\" goes unless it follows the drive's ":" or another
// separator, so the root folder C:\ stays C:\.
std::string_view folder_of(std::string_view path) {
  const size_t last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  size_t end = last + 1;
  if (last > 0 && path[last] == '\\' && !is_separator(path[last - 1])) end = last;
  return path.substr(0, end);
}

// Drops `count` characters, not bytes: a folder may start with a letter outside ASCII.
std::string_view drop_characters(std::string_view text, int count) {
  size_t at = 0;
  for (int i = 0; i < count && at < text.size(); ++i) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
  }
  return text.substr(at);
}

}  // namespace

std::string settings_key_suffix(std::string_view program_path) {
  std::string suffix(drop_characters(folder_of(program_path), 2));
  std::ranges::replace(suffix, '\\', '_');
  return suffix;
}

std::string settings_key_path(std::string_view suffix) {
  return std::string(kSettingsKeyBase) + std::string(suffix);
}

}  // namespace pelmora::settings
