// The pane paints its own text: the caption in bold, the figures below it, the equity curve to
// their right, on a framed box in the chart's colours, right of the middle so that the panel
// at the top left leaves it in sight.
#include "summary_pane.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "chart_style.h"
#include "control_protocol.h"
#include "equity_picture.h"
#include "platform/win32/wide.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr int kPadding = 14;
constexpr int kLineHeight = 18;
constexpr int kTextWidth = 300;
constexpr int kButtonHeight = 26;
constexpr COLORREF kBox = RGB(30, 34, 44);
constexpr COLORREF kFrame = RGB(120, 130, 150);
constexpr COLORREF kCaption = RGB(240, 242, 248);

std::wstring line_of(std::wstring_view text, size_t* start) {
  const size_t end = std::min(text.find(L"\r\n", *start), text.size());
  std::wstring line(text.substr(*start, end - *start));
  *start = end + 2;
  return line;
}

}  // namespace

SummaryPane::SummaryPane(HINSTANCE instance, HWND chart, std::function<void()> new_test)
    : caption_font_(CreateFontW(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, L"Arial")),
      new_test_action_(std::move(new_test)) {
  register_window_class(instance, kSummaryClass, object_proc<SummaryPane, &SummaryPane::message>,
                        nullptr);
  pane_ = CreateWindowExW(0, kSummaryClass, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 100, 100, chart,
                          nullptr, instance, this);
  const auto button = [&](const wchar_t* caption) {
    HWND made = CreateWindowExW(0, WC_BUTTONW, caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0,
                                96, kButtonHeight, pane_, nullptr, instance, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return made;
  };
  new_test_ = button(L"Новый тест");
  close_ = button(L"Закрыть");
}

void SummaryPane::show(std::string_view text, std::vector<practice::CurvePoint> curve,
                       double deposit) {
  curve_ = std::move(curve);
  deposit_ = deposit;
  const std::wstring wide = platform::win32::to_wide(text);
  SetWindowTextW(pane_, wide.c_str());
  const int lines = 1 + static_cast<int>(std::count(wide.begin(), wide.end(), L'\n'));
  const int text_height = lines * kLineHeight + 6;
  const int height = std::max(text_height, kCurveHeight) + kButtonHeight + 3 * kPadding;
  size_ = {kTextWidth + kCurveWidth + 3 * kPadding, height};
  const int buttons_y = height - kPadding - kButtonHeight;
  MoveWindow(close_, size_.cx - kPadding - 96, buttons_y, 96, kButtonHeight, FALSE);
  MoveWindow(new_test_, size_.cx - 2 * kPadding - 192, buttons_y, 96, kButtonHeight, FALSE);
  centre();
  ShowWindow(pane_, SW_SHOWNA);
  InvalidateRect(pane_, nullptr, TRUE);
}

void SummaryPane::hide() {
  if (pane_) ShowWindow(pane_, SW_HIDE);
}

void SummaryPane::centre() {
  if (!pane_ || size_.cx == 0) return;
  RECT chart{};
  GetClientRect(GetParent(pane_), &chart);
  // Right of the middle, clear of the panel's buttons; never past the left edge.
  const int x = std::max<LONG>(
      0, std::min<LONG>(chart.right * 3 / 5 - size_.cx / 2, chart.right - size_.cx - 8));
  const int y = std::max<LONG>(0, (chart.bottom - size_.cy) / 2);
  SetWindowPos(pane_, HWND_TOP, x, y, size_.cx, size_.cy, SWP_NOACTIVATE);
}

void SummaryPane::paint(HDC dc, const RECT& client) {
  UniqueBrush box(CreateSolidBrush(kBox));
  UniquePen frame(CreatePen(PS_SOLID, 1, kFrame));
  {
    Selected brush(dc, box.get());
    Selected pen(dc, frame.get());
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
  }
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = [this] {
    std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(pane_)) + 1, L'\0');
    buffer.resize(
        static_cast<size_t>(GetWindowTextW(pane_, buffer.data(), static_cast<int>(buffer.size()))));
    return buffer;
  }();
  size_t start = 0;
  int y = kPadding;
  for (bool caption = true; start < text.size(); caption = false) {
    const std::wstring line = line_of(text, &start);
    Selected font(
        dc, caption ? static_cast<HGDIOBJ>(caption_font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, caption ? kCaption : kChartText);
    paint_text(dc, kPadding, y, line, TA_LEFT | TA_TOP);
    y += caption ? kLineHeight + 6 : kLineHeight;
  }
  const int left = 2 * kPadding + kTextWidth;
  paint_equity(dc, RECT{left, kPadding, left + kCurveWidth, kPadding + kCurveHeight}, curve_,
               deposit_);
}

LRESULT SummaryPane::message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      const Painting painting(hwnd);
      paint(painting.dc(), painting.client());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const HWND from = reinterpret_cast<HWND>(lparam);
        if (from == close_) hide();
        if (from == new_test_ && new_test_action_) new_test_action_();
      }
      return 0;
    case WM_NCDESTROY:
      pane_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pelmora::sim_terminal
