// The system's hot-key field (HOTKEY_CLASS): shows a key chord and takes the one pressed in it.
#pragma once

#include <windows.h>

#include "platform/controls.h"
#include "platform/win32/child_window.h"

namespace pelmora::platform::win32 {

struct KeyFieldArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  HFONT font = nullptr;  // held, not owned; nullptr: DEFAULT_GUI_FONT
  FontAt font_at{};
};

class KeyField final : public ChildControl<platform::KeyField> {
 public:
  explicit KeyField(const KeyFieldArgs& args);

  KeyChord chord() const override;
  void set_chord(KeyChord chord) override;
};

}  // namespace pelmora::platform::win32
