// Default keys, key texts and the rules of a key set.
#include "shortcuts/shortcut_keys.h"

#include "form/layout.h"
#include "platform/virtual_keys.h"

namespace pelmora::shortcuts {

namespace {

namespace vk = platform;
constexpr int kShift = KeyChord::kShift;
constexpr int kCtrl = KeyChord::kCtrl;
constexpr int kAlt = KeyChord::kAlt;

constexpr KeyChord shift(int key) {
  return {.key = key, .modifiers = kShift};
}

std::string_view caption(std::size_t action) {
  return form::kShortcutCaptionTexts[action];
}

bool between(int key, int first, int last) {
  return key >= first && key <= last;
}

// Keys that type into a number field, or move or edit in it, when pressed alone.
bool types_into_field(int key) {
  return between(key, vk::kVk0, vk::kVk0 + 9) || between(key, vk::kVkNumpad0, vk::kVkDivide) ||
         key == vk::kVkOemComma || key == vk::kVkOemPeriod || key == vk::kVkOemMinus ||
         key == vk::kVkOemPlus || key == 'E' || between(key, vk::kVkSpace, vk::kVkDown) ||
         key == vk::kVkInsert || key == vk::kVkDelete || key == vk::kVkBack ||
         key == vk::kVkReturn || key == vk::kVkEscape;
}

// Common editing chords: selection with Shift, word moves with Ctrl, the clipboard and undo.
bool edits_field(KeyChord chord) {
  const int key = chord.key;
  const bool moves = between(key, vk::kVkPageUp, vk::kVkDown) || key == vk::kVkInsert ||
                     key == vk::kVkDelete || key == vk::kVkBack;
  if (moves && !(chord.modifiers & kAlt)) return true;
  return chord.modifiers == kCtrl &&
         (key == 'A' || key == 'C' || key == 'V' || key == 'X' || key == 'Y' || key == 'Z');
}

std::string quoted(std::size_t action) {
  return "\"" + std::string(caption(action)) + "\"";
}

}  // namespace

Keys default_keys() {
  return {shift('B'),
          shift('S'),
          shift('C'),
          shift('X'),
          shift('T'),
          shift('R'),
          shift('P'),
          shift('E'),
          shift(vk::kVkOemComma),
          shift(vk::kVkOemPeriod),
          shift(vk::kVkOemMinus),
          shift(vk::kVkOemPlus)};
}

bool repeats(Action action) {
  return action >= Action::kSpeedDown;
}

std::string key_text(KeyChord chord) {
  if (!chord.key) return {};
  std::string text;
  if (chord.modifiers & kCtrl) text += "Ctrl+";
  if (chord.modifiers & kAlt) text += "Alt+";
  if (chord.modifiers & kShift) text += "Shift+";
  const int key = chord.key;
  static constexpr struct {
    int key;
    std::string_view name;
  } kNames[] = {{vk::kVkBack, "Backspace"},
                {vk::kVkTab, "Tab"},
                {vk::kVkReturn, "Enter"},
                {vk::kVkEscape, "Esc"},
                {vk::kVkSpace, "Space"},
                {vk::kVkPageUp, "PgUp"},
                {vk::kVkPageDown, "PgDn"},
                {vk::kVkEnd, "End"},
                {vk::kVkHome, "Home"},
                {vk::kVkLeft, "Left"},
                {vk::kVkUp, "Up"},
                {vk::kVkRight, "Right"},
                {vk::kVkDown, "Down"},
                {vk::kVkInsert, "Ins"},
                {vk::kVkDelete, "Del"},
                {vk::kVkMultiply, "Num *"},
                {vk::kVkAdd, "Num +"},
                {vk::kVkSubtract, "Num -"},
                {vk::kVkDecimal, "Num ."},
                {vk::kVkDivide, "Num /"},
                {vk::kVkOemPlus, "="},
                {vk::kVkOemComma, ","},
                {vk::kVkOemMinus, "-"},
                {vk::kVkOemPeriod, "."},
                {0xBA, ";"},
                {0xBF, "/"},
                {0xC0, "`"},
                {0xDB, "["},
                {0xDC, "\\"},
                {0xDD, "]"},
                {0xDE, "'"},
                {0x13, "Pause"}};
  for (const auto& n : kNames) {
    if (n.key == key) return text + std::string(n.name);
  }
  if (between(key, vk::kVk0, vk::kVk0 + 9) || between(key, 'A', 'Z')) {
    return text + static_cast<char>(key);
  }
  if (between(key, vk::kVkNumpad0, vk::kVkNumpad0 + 9)) {
    return text + "Num " + static_cast<char>('0' + key - vk::kVkNumpad0);
  }
  if (between(key, vk::kVkF1, vk::kVkF1 + 23)) return text + "F" + std::to_string(key - 0x6F);
  constexpr char kHex[] = "0123456789ABCDEF";
  return text + "Key 0x" + kHex[(key >> 4) & 15] + kHex[key & 15];
}

std::optional<std::string> refusal(const Keys& keys) {
  for (std::size_t i = 0; i < kActionCount; ++i) {
    const KeyChord chord = keys[i];
    if (!chord.key) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (keys[j] == chord) {
        return "Клавиша " + key_text(chord) + " назначена двум действиям: " + quoted(j) + " и " +
               quoted(i) + ".";
      }
    }
    if ((chord.modifiers == 0 && types_into_field(chord.key)) || edits_field(chord)) {
      return "Клавиша " + key_text(chord) + " (" + quoted(i) +
             ") нужна для ввода чисел в поля панели; выберите её с Shift, Ctrl или Alt.";
    }
    if (chord.key == vk::kVkTab || chord.key == vk::kVkF11 || chord.key == vk::kVkF12) {
      return "Клавиша " + key_text(chord) + " (" + quoted(i) + ") уже занята панелью или тестером.";
    }
  }
  return std::nullopt;
}

}  // namespace pelmora::shortcuts
