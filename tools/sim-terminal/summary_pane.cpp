// The pane paints its own text: the caption in bold, the figures below it, on a framed box in
// the chart's colours, to the right of the middle so that the panel at the top left leaves it
// in sight.
#include "summary_pane.h"

#include <algorithm>
#include <string>

#include "chart_style.h"
#include "control_protocol.h"
#include "platform/win32/wide.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr int kPadding = 14;
constexpr int kLineHeight = 20;
constexpr int kWidth = 280;
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

SummaryPane::SummaryPane(HINSTANCE instance, HWND chart)
    : caption_font_(CreateFontW(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, L"Arial")) {
  register_window_class(instance, kSummaryClass, object_proc<SummaryPane, &SummaryPane::message>,
                        nullptr);
  pane_ = CreateWindowExW(0, kSummaryClass, L"", WS_CHILD, 0, 0, kWidth, 100, chart, nullptr,
                          instance, this);
}

void SummaryPane::show(std::string_view text) {
  const std::wstring wide = platform::win32::to_wide(text);
  SetWindowTextW(pane_, wide.c_str());
  const int lines = 1 + static_cast<int>(std::count(wide.begin(), wide.end(), L'\n'));
  size_ = {kWidth, 2 * kPadding + lines * kLineHeight + 6};
  centre();
  ShowWindow(pane_, SW_SHOWNA);
  InvalidateRect(pane_, nullptr, TRUE);
}

void SummaryPane::centre() {
  if (!pane_ || size_.cx == 0) return;
  RECT chart{};
  GetClientRect(GetParent(pane_), &chart);
  // Right of the middle, clear of the panel's buttons; never past the left edge.
  const int x = std::max<LONG>(0, chart.right * 3 / 5 - size_.cx / 2);
  const int y = std::max<LONG>(0, (chart.bottom - size_.cy) / 2);
  SetWindowPos(pane_, HWND_TOP, x, y, size_.cx, size_.cy, SWP_NOACTIVATE);
}

void SummaryPane::paint(HDC dc, const RECT& client) {
  UniqueBrush box(CreateSolidBrush(kBox));
  UniquePen frame(CreatePen(PS_SOLID, 1, kFrame));
  Selected brush(dc, box.get());
  Selected pen(dc, frame.get());
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
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
    case WM_NCDESTROY:
      pane_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pelmora::sim_terminal
