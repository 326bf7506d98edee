// Chart frames are plain child windows with a caption; the one in front is the first child of
// the area in z-order, which is what "this chart is in front" means to the panel.
#include "chart_area.h"

#include <algorithm>

#include "chart_view.h"
#include "control_protocol.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr int kCascadeStep = 28;
constexpr int kMinFrameSize = 60;

struct ChartSpec {
  const wchar_t* title;
  unsigned seed;
};
constexpr ChartSpec kChartSpecs[ChartArea::kCharts] = {{L"EURUSD,H1", 7}, {L"GBPUSD,H1", 19}};

}  // namespace

ChartArea::ChartArea(HINSTANCE instance, HWND parent, News news)
    : background_(CreateSolidBrush(RGB(12, 13, 17))), news_(std::move(news)) {
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
  for (int i = 0; i < kCharts; ++i) {
    auto chart = std::make_unique<Chart>();
    chart->title = kChartSpecs[i].title;
    chart->seed = kChartSpecs[i].seed;
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
  const int step = kCascadeStep * (kCharts - 1);
  const int width = std::max<int>(kMinFrameSize, client.right - step);
  const int height = std::max<int>(kMinFrameSize, client.bottom - step);
  for (int i = 0; i < kCharts; ++i) {
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
  if (number < 1 || number > kCharts) return nullptr;
  return charts_[static_cast<size_t>(number - 1)].get();
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
    case WM_PARENTNOTIFY:
      if (chart && LOWORD(wparam) == WM_LBUTTONDOWN) raise(*chart);
      return 0;
    case WM_NCDESTROY:
      if (chart) {
        chart->frame = nullptr;
        chart->window = nullptr;
        for (int n = 1; n <= kCharts; ++n) {
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

LRESULT ChartArea::chart_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      const Painting painting(hwnd);
      const RECT& client = painting.client();
      if (const Chart* chart = chart_of(GetParent(hwnd))) {
        // Drawn off screen and copied in one go: a replayed chart repaints many times a second.
        const platform::win32::BufferedPaint buffer(painting.dc(), client.right, client.bottom);
        paint_chart(buffer.dc(), client,
                    {.title = chart->title,
                     .seed = chart->seed,
                     .close_up = chart->close_up,
                     .note = note_,
                     .replay = chart == charts_[0].get() ? replay_ : nullptr});
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
