// The radio group's frame, caption and choices.
#include "platform/win32/radio_group.h"

#include <algorithm>

#include "form/scaling.h"
#include "platform/win32/child_window.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handler_call.h"
#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {
// At 96 dots per inch.
constexpr int kCaptionHeight = 14;
constexpr int kInset = 8;
}  // namespace

RadioGroup::RadioGroup(const RadioGroupArgs& args)
    : host_({.parent = args.parent,
             .id = args.id,
             .bounds = args.bounds,
             .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP}),
      caption_(args.caption),
      font_(args.font),
      font_at_(args.font_at),
      background_(args.background),
      brush_(CreateSolidBrush(args.background)) {
  for (int i = 0; i < 2; ++i) {
    const std::wstring text = to_wide(args.choices[static_cast<size_t>(i)]);
    choices_[static_cast<size_t>(i)] = CreateWindowExW(
        0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i ? 0 : WS_GROUP), 0,
        0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
        GetModuleHandleW(nullptr), nullptr);
  }
  lay_out_choices();
  host_.set_message_hook(
      [this](UINT m, WPARAM w, LPARAM l, LRESULT* r) { return on_message(m, w, l, r); });
}

int RadioGroup::caption_height() const {
  return form::scale(kCaptionHeight, window_dpi(hwnd()));
}

int RadioGroup::inset() const {
  return form::scale(kInset, window_dpi(hwnd()));
}

void RadioGroup::lay_out_choices() {
  RECT rect{};
  GetClientRect(hwnd(), &rect);
  const int dpi = window_dpi(hwnd());
  const int rows_top = caption_height() + form::scale(2, dpi);
  const int row_height = (rect.bottom - rows_top - form::scale(4, dpi)) / 2;
  for (int i = 0; i < 2; ++i) {
    HWND choice = choices_[static_cast<size_t>(i)];
    SetWindowPos(choice, nullptr, inset(), rows_top + i * row_height, rect.right - 2 * inset(),
                 row_height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(choice, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
}

void RadioGroup::rescale(const Bounds& b, int dpi) {
  if (font_at_) font_ = font_at_(dpi);
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  lay_out_choices();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void RadioGroup::set_enabled(bool on) {
  EnableWindow(hwnd(), on);
  for (HWND choice : choices_) EnableWindow(choice, on);
}

bool RadioGroup::visible() const {
  return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

Bounds RadioGroup::bounds() const {
  return child_bounds(hwnd());
}

void RadioGroup::set_position(int left, int top) {
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RadioGroup::set_focus() {
  SetFocus(choice_window(std::max(selected(), 0)));
}

int RadioGroup::selected() const {
  for (int i = 0; i < 2; ++i) {
    if (SendMessageW(choices_[static_cast<size_t>(i)], BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
  }
  return kNoChoice;
}

// The buttons raise nothing for BM_SETCHECK: the change is told from here, for the user's
// clicks (which come through select) and the program's alike.
void RadioGroup::select(int choice) {
  choice = std::clamp(choice, kNoChoice, 1);
  const int before = selected();
  for (int i = 0; i < 2; ++i) {
    SendMessageW(choices_[static_cast<size_t>(i)], BM_SETCHECK,
                 i == choice ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (choice != before) call_handler(on_change_);
}

bool RadioGroup::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= 1 && LOWORD(wparam) <= 2) {
        select(LOWORD(wparam) - 1);
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wparam), background_);
      SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOWTEXT));
      *result = reinterpret_cast<LRESULT>(brush_.get());
      return true;
    case WM_ERASEBKGND:
      paint_frame(reinterpret_cast<HDC>(wparam));
      *result = 1;
      return true;
    case WM_PRINTCLIENT:
      paint_frame(reinterpret_cast<HDC>(wparam));
      return true;
    default:
      (void)lparam;
      return false;
  }
}

void RadioGroup::paint_frame(HDC dc) {
  RECT rect{};
  GetClientRect(hwnd(), &rect);
  FillRect(dc, &rect, brush_.get());
  const int caption_height = this->caption_height();
  RECT frame{rect.left, rect.top + caption_height / 2, rect.right, rect.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  Selected font(dc, font_);
  SetBkColor(dc, background_);
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const std::wstring text = L" " + to_wide(caption_) + L" ";
  RECT caption{rect.left + inset() - form::scale(2, window_dpi(hwnd())), rect.top, rect.right,
               rect.top + caption_height};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace pelmora::platform::win32
