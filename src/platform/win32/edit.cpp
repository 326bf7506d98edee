// The edit wrapper. EN_CHANGE alone is not enough: a multi-line edit raises none for WM_SETTEXT
// (our own write or another process's), and every edit raises one when the same text is written
// again. So the wrapper also looks after each WM_SETTEXT (a subclass of the control) and fires
// only when the text differs from the last text it saw. The subclass replaces the window procedure
// and keeps `this` in the window's user data rather than using the common controls' subclass
// helpers: those look their data up in a window property at every message, which under some
// systems is a round trip to a server, and the link reads these fields a hundred times a second.
#include "platform/win32/edit.h"
#include "platform/win32/handler_call.h"

#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

namespace {

// The multi-line field scrolls sideways instead of wrapping words: its lines are taken at line
// breaks only, and wrapping a long line costs time that grows with the square of its length.
DWORD edit_style(bool multi_line) {
  if (multi_line) {
    return WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
  }
  return WS_TABSTOP | ES_AUTOHSCROLL;
}

// Messages that never change an edit's text. Any other message may (typing, pasting, undo,
// WM_SETTEXT from this or another process, whatever a later system adds), so it drops the
// remembered text.
bool leaves_text_alone(UINT message) {
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_TIMER:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_GETFONT:
    case WM_GETDLGCODE:
    case WM_GETOBJECT:
    case EM_GETSEL:
    case EM_SETSEL:
    case EM_GETMODIFY:
    case EM_GETLINECOUNT:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_GETLINE:
      return true;
    default:
      return false;
  }
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
                                 .font = args.font}),
                   args.font_at),
      last_seen_(window_text(hwnd())) {
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Edit::subclass_proc)));
}

Edit::~Edit() {
  SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_proc_));
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
}

// The text is read from the control once and then remembered until a message that may change it
// arrives: the link reads every exchange field a hundred times a second, mostly unchanged.
std::string Edit::text() const {
  if (!remembered_) remembered_ = window_text(hwnd());
  return *remembered_;
}

// The handler runs inside: EN_CHANGE, or the subclass after WM_SETTEXT, whichever comes first.
// WM_SETTEXT leaves the caret at the start, where the next key would go in front of the text.
void Edit::set_text(std::string_view text) {
  set_window_text(hwnd(), text);
  const int end = GetWindowTextLengthW(hwnd());
  SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(end), end);
}

void Edit::on_command(WORD code) {
  if (code == EN_CHANGE) notice_text();
}

LRESULT CALLBACK Edit::subclass_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* edit = reinterpret_cast<Edit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!edit) return DefWindowProcW(hwnd, message, wparam, lparam);
  // Key handlers run before the control sees the key, as the toolkit's OnKeyDown does.
  if (message == WM_KEYDOWN) call_handler(edit->on_key_down_);
  if (message == WM_KEYUP) call_handler(edit->on_key_up_);
  if (message == WM_SETFOCUS) edit->focused_ = true;
  if (message == WM_KILLFOCUS) {
    edit->focused_ = false;
    call_handler(edit->on_focus_lost_);
  }
  const bool may_change = !leaves_text_alone(message);
  // Dropped before and after: a handler run inside the change (EN_CHANGE) reads the new text,
  // and nothing read during it outlives it.
  if (may_change) edit->remembered_.reset();
  const LRESULT result = CallWindowProcW(edit->original_proc_, hwnd, message, wparam, lparam);
  if (may_change) edit->remembered_.reset();
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
