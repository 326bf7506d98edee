// The hot-key field wrapper: its value is the key in the low byte and the modifier flags above.
#include "platform/win32/key_field.h"

#include <commctrl.h>

namespace pelmora::platform::win32 {

namespace {

// The field's modifier flags and ours, pair by pair.
constexpr struct {
  int field;
  int ours;
} kModifiers[] = {{HOTKEYF_SHIFT, KeyChord::kShift},
                  {HOTKEYF_CONTROL, KeyChord::kCtrl},
                  {HOTKEYF_ALT, KeyChord::kAlt}};

}  // namespace

KeyField::KeyField(const KeyFieldArgs& args)
    : ChildControl(create_child({.window_class = HOTKEY_CLASSW,
                                 .style = WS_TABSTOP,
                                 .ex_style = WS_EX_CLIENTEDGE,
                                 .parent = args.parent,
                                 .id = args.id,
                                 .bounds = args.bounds,
                                 .font = args.font}),
                   args.font_at) {}

KeyChord KeyField::chord() const {
  const auto value = static_cast<WORD>(SendMessageW(hwnd(), HKM_GETHOTKEY, 0, 0));
  KeyChord chord{.key = LOBYTE(value)};
  // The field's "extended key" flag tells the keypad's twins apart; the key code does that.
  for (const auto& m : kModifiers) {
    if (HIBYTE(value) & m.field) chord.modifiers |= m.ours;
  }
  return chord.key ? chord : KeyChord{};
}

void KeyField::set_chord(KeyChord chord) {
  BYTE flags = 0;
  for (const auto& m : kModifiers) {
    if (chord.modifiers & m.ours) flags |= static_cast<BYTE>(m.field);
  }
  const WORD value = chord.key ? MAKEWORD(chord.key, flags) : 0;
  SendMessageW(hwnd(), HKM_SETHOTKEY, value, 0);
}

}  // namespace pelmora::platform::win32
