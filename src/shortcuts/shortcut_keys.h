// The actions a shortcut key can run, their default keys, a key's text as the hints show it,
// and the rules a set of keys must keep before it is taken.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace pelmora::shortcuts {

// In the order of the shortcut keys window's rows.
enum class Action : std::size_t {
  kBuy,
  kSell,
  kClose,
  kCloseAll,
  kStopLevels,
  kTrailing,
  kPause,
  kStop,
  kSpeedDown,
  kSpeedUp,
  kLotDown,
  kLotUp,
};
inline constexpr std::size_t kActionCount = 12;

using platform::KeyChord;
// One key per action, indexed by Action; a chord with no key: the action has none.
using Keys = std::array<KeyChord, kActionCount>;

// Shift with a letter or a sign: nothing a field needs for typing, nothing of common editing.
Keys default_keys();

// Whether holding the key repeats the action (the speed and lot steps); a trade never repeats.
bool repeats(Action action);

// "Shift+B", "Ctrl+Alt+F5", "Shift+,"; empty for a chord with no key.
std::string key_text(KeyChord chord);

// Why the set cannot be taken, naming the actions concerned; nothing when it can. Refused: a
// key given to two actions; a key the lot and distance fields need for typing or editing
// (digits, signs, separators, editing and arrow keys, with no modifier or as an editing chord);
// the keys the panel and the tester already use (Tab, F11, F12).
std::optional<std::string> refusal(const Keys& keys);

}  // namespace pelmora::shortcuts
