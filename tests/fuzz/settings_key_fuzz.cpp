// The settings key's suffix from the program's path: it is the path's folder with "\" written
// "_", less at most two leading characters, it never holds a "\" (so it names one key, never a
// subkey), and it never cuts a UTF-8 character apart.
#include <algorithm>
#include <string>

#include "fuzz_check.h"
#include "settings/settings_key.h"

using namespace pelmora::settings;
using namespace pelmora::fuzz;

namespace {

// Well-formed UTF-8 `text` without its first two characters.
std::string_view without_two_characters(std::string_view text) {
  for (int i = 0; i < 2 && !text.empty(); ++i) text.remove_prefix(utf8_length(text));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view path = text_of(data, size);
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
  const std::string_view with = folder, without = with.substr(0, last);
  FUZZ_CHECK(with.ends_with(suffix) || without.ends_with(suffix));
  if (valid_utf8(path)) {
    FUZZ_CHECK(suffix == without_two_characters(with) || suffix == without_two_characters(without));
    FUZZ_CHECK(valid_utf8(suffix));
  }
  return 0;
}
