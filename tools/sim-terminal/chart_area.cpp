// Chart frames are plain child windows with a caption; the one in front is the first child of
// the area in z-order, which is what "this chart is in front" means to the panel.
#include "chart_area.h"

#include <windowsx.h>

#include <algorithm>

#include "chart_view.h"
#include "control_protocol.h"
#include "practice/tester.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr int kCascadeStep = 28;
constexpr int kMinFrameSize = 60;
constexpr wchar_t kSecondTitle[] = L"GBPUSD,H1";
constexpr unsigned kSeeds[ChartArea::kMostCharts] = {7, 19};
constexpr int kWheelNotch = 120;
constexpr int kNotchesPerView = 8;  // a wheel notch scrolls an eighth of the chart's width
constexpr int kDragSlop = 3;        // pixels a click may move and still be a click

}  // namespace

ChartArea::ChartArea(HINSTANCE instance, HWND parent, int charts, std::wstring title, News news,
                     CloseRequest close_request)
    : background_(CreateSolidBrush(RGB(12, 13, 17))),
      count_(std::clamp(charts, 1, kMostCharts)),
      news_(std::move(news)),
      close_request_(std::move(close_request)) {
  register_window_class(instance, kChartAreaClass, object_proc<ChartArea, &ChartArea::area_message>,
                        nullptr);
  register_window_class(instance, kChartFrameClass,
                        object_proc<ChartArea, &ChartArea::frame_message>, nullptr);
  register_window_class(instance, kChartClass, object_proc<ChartArea, &ChartArea::chart_message>,
                        nullptr);
  area_ = CreateWindowExW(WS_EX_CLIENTEDGE, kChartAreaClass, L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 100, 100,
                          parent, nullptr, instance, this);
  if (!area_) return;
  // Child windows join the z-order behind their older siblings: the first chart made is in
  // front.
  for (int i = 0; i < count_; ++i) {
    auto chart = std::make_unique<Chart>();
    chart->title = i == 0 ? title : kSecondTitle;
    chart->seed = kSeeds[i];
    chart->frame = CreateWindowExW(0, kChartFrameClass, chart->title.c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                       WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                   0, 0, 200, 150, area_, nullptr, instance, this);
    if (chart->frame) {
      // Clipping children: the test's summary lies over the first chart.
      chart->window = CreateWindowExW(0, kChartClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                      0, 0, 10, 10, chart->frame, nullptr, instance, this);
    }
    charts_[static_cast<size_t>(i)] = std::move(chart);
  }
  if (Chart* first = chart_by_number(1)) raise(*first);
}

void ChartArea::place(int x, int y, int width, int height) {
  MoveWindow(area_, x, y, width, height, TRUE);
  cascade();
}

void ChartArea::cascade() {
  RECT client{};
  GetClientRect(area_, &client);
  const int step = kCascadeStep * (count_ - 1);
  const int width = std::max<int>(kMinFrameSize, client.right - step);
  const int height = std::max<int>(kMinFrameSize, client.bottom - step);
  for (int i = 0; i < count_; ++i) {
    const Chart* chart = charts_[static_cast<size_t>(i)].get();
    if (!chart->frame) continue;
    SetWindowPos(chart->frame, nullptr, i * kCascadeStep, i * kCascadeStep, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HWND ChartArea::frame(int number) const {
  const Chart* chart = chart_by_number(number);
  return chart ? chart->frame : nullptr;
}

HWND ChartArea::chart(int number) const {
  const Chart* chart = chart_by_number(number);
  return chart ? chart->window : nullptr;
}

bool ChartArea::bring_to_front(int number) {
  Chart* chart = chart_by_number(number);
  if (!chart || !chart->frame) return false;
  raise(*chart);
  return true;
}

bool ChartArea::close(int number) {
  Chart* chart = chart_by_number(number);
  if (!chart || !chart->frame) return false;
  SendMessageW(chart->frame, WM_CLOSE, 0, 0);
  return true;
}

void ChartArea::destroy(int number) {
  if (HWND window = frame(number)) DestroyWindow(window);
}

std::size_t ChartArea::bars_shown() const {
  if (!replay_) return 0;
  return replay_->replay().completed_bars() + (replay_->replay().forming_bar() ? 1 : 0);
}

long long ChartArea::view_offset() const {
  return static_cast<long long>(place_.offset(bars_shown()));
}

int ChartArea::view_step() const {
  const Chart* first = chart_by_number(1);
  ChartLook look;
  look.close_up = first && first->close_up;
  look.replay = replay_;
  look.place = place_;
  return chart_step(look);
}

void ChartArea::reset_view() {
  place_ = ChartPlace{};
  drag_ = Drag{};
  repaint(1);
}

void ChartArea::set_note(std::wstring_view note) {
  note_ = note;
  for (const auto& chart : charts_) {
    if (chart && chart->window) InvalidateRect(chart->window, nullptr, FALSE);
  }
}

void ChartArea::set_replay(const practice::Tester* tester) {
  replay_ = tester;
  repaint(1);
}

void ChartArea::repaint(int number) {
  if (HWND window = chart(number)) InvalidateRect(window, nullptr, FALSE);
}

void ChartArea::on_f11(Chart& chart) {
  ++f11_count_;
  chart.close_up = !chart.close_up;
  InvalidateRect(chart.window, nullptr, FALSE);
  if (news_) {
    news_(L"F11 на графике " + chart.title + L" (" + std::to_wstring(f11_count_) + L"-й): " +
          (chart.close_up ? L"крупный план" : L"обычный вид"));
  }
}

ChartArea::Chart* ChartArea::chart_by_number(int number) const {
  if (number < 1 || number > count_) return nullptr;
  return charts_[static_cast<size_t>(number - 1)].get();
}

int ChartArea::number_of(const Chart& chart) const {
  for (int n = 1; n <= count_; ++n) {
    if (charts_[static_cast<size_t>(n - 1)].get() == &chart) return n;
  }
  return 0;
}

ChartArea::Chart* ChartArea::chart_of(HWND hwnd) const {
  for (const auto& chart : charts_) {
    if (chart && (chart->frame == hwnd || chart->window == hwnd)) return chart.get();
  }
  return nullptr;
}

void ChartArea::raise(Chart& chart) {
  SetWindowPos(chart.frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Child frames do not track activation themselves: draw the front one's caption as active.
  for (const auto& other : charts_) {
    if (other && other->frame) SendMessageW(other->frame, WM_NCACTIVATE, other.get() == &chart, 0);
  }
}

LRESULT ChartArea::area_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) {
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(reinterpret_cast<HDC>(wparam), &client, background_.get());
    return 1;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT ChartArea::frame_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Chart* chart = chart_of(hwnd);
  switch (message) {
    case WM_SIZE:
      if (chart && chart->window)
        MoveWindow(chart->window, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
      return 0;
    case WM_NCLBUTTONDOWN:
      if (chart) raise(*chart);
      break;
    case WM_CLOSE:
      // The terminal decides when the chart goes: the panel over it is let end first.
      if (chart && close_request_) {
        close_request_(number_of(*chart));
        return 0;
      }
      break;
    case WM_PARENTNOTIFY:
      if (chart && LOWORD(wparam) == WM_LBUTTONDOWN) raise(*chart);
      return 0;
    case WM_NCDESTROY:
      if (chart) {
        chart->frame = nullptr;
        chart->window = nullptr;
        for (int n = 1; n <= count_; ++n) {
          if (Chart* other = chart_by_number(n); other && other->frame) {
            raise(*other);
            break;
          }
        }
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

bool ChartArea::navigate(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const Chart* first = chart_by_number(1);
  if (!replay_ || !first || hwnd != first->window) return false;
  RECT client{};
  GetClientRect(hwnd, &client);
  const int step = view_step();
  switch (message) {
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wparam) / kWheelNotch;
      if (GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) {
        place_.zoom_by(notches);
      } else {
        // Away from the user: back in time.
        const long long per_notch = std::max<long long>(1, client.right / step / kNotchesPerView);
        place_.scroll(notches * per_notch, bars_shown());
      }
      break;
    }
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);  // the wheel and F12 come here from now on
      SetCapture(hwnd);
      drag_ = {true, false, GET_X_LPARAM(lparam), place_};
      return true;
    case WM_MOUSEMOVE: {
      if (!drag_.active) return false;
      const int moved = GET_X_LPARAM(lparam) - drag_.from_x;
      if (!drag_.moved && std::abs(moved) <= kDragSlop) return true;
      drag_.moved = true;
      // The chart follows the hand: dragged to the right, older bars come in from the left.
      place_ = drag_.from;
      place_.scroll(moved / step, bars_shown());
      break;
    }
    case WM_LBUTTONUP: {
      if (!drag_.active) return false;
      drag_.active = false;
      ReleaseCapture();
      const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      const RECT button = live_button_rect(client);
      if (drag_.moved || !place_.right_bar || !PtInRect(&button, at)) return true;
      place_.right_bar.reset();
      break;
    }
    case WM_CAPTURECHANGED:
      drag_.active = false;
      return true;
    default:
      return false;
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  return true;
}

LRESULT ChartArea::chart_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (navigate(hwnd, message, wparam, lparam)) return 0;
  switch (message) {
    case WM_PAINT: {
      const Painting painting(hwnd);
      const RECT& client = painting.client();
      if (const Chart* chart = chart_of(GetParent(hwnd))) {
        // Drawn off screen and copied in one go: a replayed chart repaints many times a second.
        const platform::win32::BufferedPaint buffer(painting.dc(), client.right, client.bottom);
        const bool replayed = chart == charts_[0].get();
        paint_chart(buffer.dc(), client,
                    {.title = chart->title,
                     .seed = chart->seed,
                     .close_up = chart->close_up,
                     .note = note_,
                     .replay = replayed ? replay_ : nullptr,
                     .place = place_});
      }
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_SIZE:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_F11) {
        if (Chart* chart = chart_of(GetParent(hwnd))) on_f11(*chart);
        return 0;
      }
      return DefWindowProcW(hwnd, message, wparam, lparam);
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace pelmora::sim_terminal
