// The settings key's suffix from the program's path: it is the path's folder with "\" written
// "_", less at most two leading characters, it never holds a "\" (so it names one key, never a
// subkey), and it never cuts a UTF-8 character apart.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/settings_key.h"

using namespace pelmora::shell;

namespace {

// Length of the well-formed UTF-8 character at the start of `text`, 0 when there is none.
size_t utf8_length(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const size_t n = lead < 0x80                   ? 1
                   : lead >= 0xC2 && lead < 0xE0 ? 2
                   : lead >= 0xE0 && lead < 0xF0 ? 3
                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                 : 0;
  if (n == 0 || text.size() < n) return 0;
  for (size_t i = 1; i < n; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return n;
}

bool valid_utf8(std::string_view text) {
  while (!text.empty()) {
    const size_t n = utf8_length(text);
    if (n == 0) return false;
    text.remove_prefix(n);
  }
  return true;
}

// Well-formed UTF-8 `text` without its first two characters.
std::string_view without_two_characters(std::string_view text) {
  for (int i = 0; i < 2 && !text.empty(); ++i) text.remove_prefix(utf8_length(text));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  const std::string suffix = settings_key_suffix(path);
  FUZZ_CHECK(suffix.find('\\') == std::string::npos);
  FUZZ_CHECK(settings_key_path(suffix) == std::string(kSettingsKeyBase) + suffix);

  const size_t last = path.find_last_of("\\:");
  if (last == path.npos) {
    FUZZ_CHECK(suffix.empty());
    return 0;
  }
  // The folder ends at its last separator or just after it; the file name is never part of it.
  std::string folder(path.substr(0, last + 1));
  std::replace(folder.begin(), folder.end(), '\\', '_');
  FUZZ_CHECK(folder.ends_with(suffix) || folder.substr(0, last).ends_with(suffix));
  if (valid_utf8(path)) {
    const std::string_view with = without_two_characters(folder);
    const std::string_view without =
        without_two_characters(std::string_view(folder).substr(0, last));
    FUZZ_CHECK(suffix == with || suffix == without);
    FUZZ_CHECK(valid_utf8(suffix));
  }
  return 0;
}
