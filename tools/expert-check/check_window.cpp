// The window and its fields. The fields are subclassed to see each WM_SETTEXT: a multi-line edit
// raises no EN_CHANGE for it, and the expert may write WAIT and READ_OK between two looks.
#include "check_window.h"

#include <algorithm>

#include "pelmora/link.h"

#include "platform/win32/wide.h"

namespace pelmora::expert_check {

namespace {

using platform::win32::to_utf8;
using platform::win32::to_wide;

constexpr wchar_t kClass[] = L"PelmoraExpertCheck";
constexpr wchar_t kOwnerClass[] = L"PelmoraExpertCheckOwner";
constexpr int kWidth = 640;
constexpr int kHeight = 460;
constexpr int kListId = 2001;  // clear of the exchange fields' ids

struct FieldSpec {
  int id;
  const wchar_t* name;
  bool multi_line;
};
constexpr FieldSpec kFields[] = {{PELMORA_IN_ORDERS, L"IN_ORDERS", true},
                                 {PELMORA_IN_READ_COMMAND, L"IN_READ_COMMAND", false},
                                 {PELMORA_IN_ASK_BID, L"IN_ASK_BID", false},
                                 {PELMORA_IN_ORDER_PROPERTY, L"IN_ORDER_PROPERTY", false},
                                 {PELMORA_OUT_SELECTED_ORDER, L"OUT_SELECTED_ORDER", false},
                                 {PELMORA_OUT_COMMAND, L"OUT_COMMAND", false}};

// The panel's own edit styles: the multi-line field scrolls sideways rather than wrapping.
DWORD field_style(bool multi_line) {
  const DWORD common = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
  return multi_line ? common | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : common;
}

bool register_class(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
  WNDCLASSW c{};
  c.lpfnWndProc = proc;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  c.lpszClassName = name;
  return RegisterClassW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void use_font(HWND window) {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
}

// What the panel does with its owner window: no caption or frame, a child of the chart frame
// at its top left, in front of its other children, shown.
void attach(HWND owner, HWND chart_frame) {
  const LONG_PTR style = GetWindowLongPtrW(owner, GWL_STYLE);
  SetWindowLongPtrW(owner, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME));
  SetParent(owner, chart_frame);
  SetWindowPos(owner, nullptr, 0, 0, 0, 0, SWP_NOSIZE);
  ShowWindow(owner, SW_SHOW);
}

}  // namespace

std::unique_ptr<CheckWindow> CheckWindow::create(HINSTANCE instance, const std::string& caption,
                                                 HWND chart_frame, ExpertWrote expert_wrote) {
  if (!register_class(instance, kClass, window_proc) ||
      !register_class(instance, kOwnerClass, DefWindowProcW)) {
    return nullptr;
  }
  std::unique_ptr<CheckWindow> w(new CheckWindow());
  w->expert_wrote_ = std::move(expert_wrote);
  w->owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
  if (!w->owner_) return nullptr;
  w->window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, to_wide(caption).c_str(),
                               WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 80, 80, kWidth, kHeight,
                               w->owner_, nullptr, instance, w.get());
  if (!w->window_ || !w->make_children(instance)) return nullptr;
  if (chart_frame) attach(w->owner_, chart_frame);
  return w;
}

CheckWindow::~CheckWindow() {
  // The owner takes the window it owns with it; either may be gone already with the chart.
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  if (owner_ && IsWindow(owner_)) DestroyWindow(owner_);
}

bool CheckWindow::make_children(HINSTANCE instance) {
  constexpr int kLabelWidth = 150, kRow = 26, kMargin = 8;
  int y = kMargin;
  for (size_t i = 0; i < fields_.size(); ++i) {
    const FieldSpec& spec = kFields[i];
    const int height = spec.multi_line ? 3 * kRow - 6 : kRow - 4;
    HWND label = CreateWindowExW(0, L"STATIC", spec.name, WS_CHILD | WS_VISIBLE, kMargin, y + 3,
                                 kLabelWidth, kRow - 6, window_, nullptr, instance, nullptr);
    fields_[i] =
        CreateWindowExW(0, L"EDIT", L"", field_style(spec.multi_line), kMargin + kLabelWidth, y,
                        kWidth - kLabelWidth - 3 * kMargin, height, window_,
                        reinterpret_cast<HMENU>(INT_PTR{spec.id}), instance, nullptr);
    if (!label || !fields_[i]) return false;
    use_font(label);
    use_font(fields_[i]);
    SetWindowLongPtrW(fields_[i], GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    field_procs_[i] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        fields_[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CheckWindow::field_proc)));
    y += height + 4;
  }
  RECT client{};
  GetClientRect(window_, &client);
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                          kMargin, y + kMargin, client.right - 2 * kMargin,
                          client.bottom - y - 2 * kMargin, window_,
                          reinterpret_cast<HMENU>(INT_PTR{kListId}), instance, nullptr);
  if (!list_) return false;
  use_font(list_);
  SendMessageW(list_, LB_SETHORIZONTALEXTENT, 2000, 0);
  return true;
}

HWND CheckWindow::field(int id) const {
  const int index = id - PELMORA_FIRST_FIELD;
  return index >= 0 && index < PELMORA_FIELD_COUNT ? fields_[static_cast<size_t>(index)] : nullptr;
}

std::string CheckWindow::text(int id) const {
  HWND control = field(id);
  if (!control) return {};
  const int length = GetWindowTextLengthW(control);  // our own control: nobody writes between
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return to_utf8(text);
}

void CheckWindow::set_text(int id, std::string_view text) {
  HWND control = field(id);
  if (!control) return;
  writing_ = true;
  SetWindowTextW(control, to_wide(text).c_str());
  writing_ = false;
}

void CheckWindow::show_line(std::string_view line) {
  const LRESULT at =
      SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(line).c_str()));
  if (at >= 0) SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(at), 0);
}

void CheckWindow::place_over(HWND chart_area) {
  RECT area{};
  if (!GetWindowRect(chart_area, &area)) return;
  const int width = std::min<int>(kWidth, area.right - area.left - 4);
  const int height = std::min<int>(kHeight, area.bottom - area.top - 4);
  if (width <= 0 || height <= 0) return;
  SetWindowPos(window_, HWND_TOP, area.left + 2, area.top + 2, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT CALLBACK CheckWindow::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    // Closed by the user, or gone with the chart frame that holds its owner: the run ends.
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK CheckWindow::field_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<CheckWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const int id = GetDlgCtrlID(hwnd);
  const WNDPROC original = self->field_procs_[static_cast<size_t>(id - PELMORA_FIRST_FIELD)];
  const LRESULT result = CallWindowProcW(original, hwnd, message, wparam, lparam);
  if (message == WM_SETTEXT && !self->writing_ && self->expert_wrote_) {
    const auto* text = reinterpret_cast<const wchar_t*>(lparam);
    self->expert_wrote_(id, to_utf8(text ? text : L""));
  }
  return result;
}

}  // namespace pelmora::expert_check
