// The edit wrapper. EN_CHANGE alone is not enough: a multi-line edit raises none for WM_SETTEXT
// (our own write or another process's), and every edit raises one when the same text is written
// again. So the wrapper also looks after each WM_SETTEXT (a subclass of the control) and fires
// only when the text differs from the last text it saw.
#include "platform/win32/edit.h"
#include "platform/win32/handler_call.h"

#include <commctrl.h>

#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 1;

// The multi-line field scrolls sideways instead of wrapping words: its lines are taken at line
// breaks only, and wrapping a long line costs time that grows with the square of its length.
DWORD edit_style(bool multi_line) {
  if (multi_line) {
    return WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
  }
  return WS_TABSTOP | ES_AUTOHSCROLL;
}
}  // namespace

Edit::Edit(const EditArgs& args)
    : ChildControl(create_child({.window_class = L"EDIT",
                                 .style = edit_style(args.multi_line),
                                 .ex_style = WS_EX_CLIENTEDGE,
                                 .parent = args.parent,
                                 .id = args.id,
                                 .bounds = args.bounds,
                                 .text = args.text,
                                 .font = args.font})),
      last_seen_(window_text(hwnd())) {
  SetWindowSubclass(hwnd(), &Edit::subclass_proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Edit::~Edit() {
  RemoveWindowSubclass(hwnd(), &Edit::subclass_proc, kSubclassId);
}

std::string Edit::text() const {
  return window_text(hwnd());
}

// The handler runs inside: EN_CHANGE, or the subclass after WM_SETTEXT, whichever comes first.
void Edit::set_text(std::string_view text) {
  set_window_text(hwnd(), text);
}

void Edit::on_command(WORD code) {
  if (code == EN_CHANGE) notice_text();
}

LRESULT CALLBACK Edit::subclass_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR, DWORD_PTR self) {
  auto* edit = reinterpret_cast<Edit*>(self);
  // Key handlers run before the control sees the key, as the toolkit's OnKeyDown does.
  if (message == WM_KEYDOWN) call_handler(edit->on_key_down_);
  if (message == WM_KEYUP) call_handler(edit->on_key_up_);
  const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
  if (message == WM_SETTEXT) edit->notice_text();
  return result;
}

void Edit::notice_text() {
  std::string now = window_text(hwnd());
  if (now == last_seen_) return;
  // Recorded before the handler runs: a handler that writes the field again sees a fresh state.
  last_seen_ = std::move(now);
  call_handler(on_change_);
}

}  // namespace pelmora::platform::win32
