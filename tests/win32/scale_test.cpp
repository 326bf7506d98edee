// The form at its monitor's scale, run with the rest of the suite at 96 dots per inch and again
// in a prefix at 144: the window's shape, the SELL button's size and colours, the slider frame,
// a drag of the main panel, and a change of scale while the panel runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "form_support.h"
#include "platform/win32/dpi.h"
#include "platform/win32/host_window.h"
#include "platform/win32/image_button.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/slider.h"
#include "shell/scaling.h"

namespace pelmora::win32_test {
namespace {

namespace win32 = platform::win32;
using shell::scale;

constexpr COLORREF kSilver = RGB(192, 192, 192);

// The run at 144 says so, so that a prefix that lost its scale fails instead of passing at 96.
int expected_dpi() {
  const char* dpi = std::getenv("PELMORA_EXPECT_DPI");
  return dpi ? std::atoi(dpi) : shell::kBaseDpi;
}

TEST(Scaled, ShapeSellButtonAndSliderFrameAtTheMonitorsScale) {
  RealForm f;
  const int dpi = f.controls->window().dpi();
  ASSERT_EQ(dpi, expected_dpi());
  const RECT main = f.place("main");
  EXPECT_EQ(main.right - main.left, scale(24 + 285, dpi) - scale(24, dpi));
  EXPECT_EQ(main.bottom - main.top, scale(24 + 257, dpi) - scale(24, dpi));
  EXPECT_TRUE(f.shape_is_visible_children());

  // SELL at its scaled place and size, drawn at that size: the gradient down the bar and a
  // border of exactly the scaled width.
  const RECT sell = f.place("SpriteButton9");
  EXPECT_EQ(sell.left, scale(16, dpi));
  EXPECT_EQ(sell.top, scale(71, dpi));
  EXPECT_EQ(sell.right, scale(16 + 80, dpi));
  EXPECT_EQ(sell.bottom, scale(71 + 25, dpi));
  RedrawWindow(f.form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  pump_for(300);
  HWND h = f.hwnd("SpriteButton9");
  ASSERT_EQ(dynamic_cast<win32::ImageButton&>(f.controls->button("SpriteButton9")).state(),
            win32::ButtonState::kNormal);
  const win32::ButtonPicture normal = win32::sell_pictures()[0];
  const int width = sell.right - sell.left;
  const int height = sell.bottom - sell.top;
  const int border = scale(1, dpi);
  for (int x = 0; x < border; ++x) {
    EXPECT_EQ(screen_pixel(h, x, height / 2), normal.border) << x;
    EXPECT_EQ(screen_pixel(h, width - 1 - x, height / 2), normal.border) << x;
  }
  const int clear_of_corners_and_word = scale(8, dpi);
  for (const int y : {border, height / 2, height - 1 - border}) {
    EXPECT_EQ(screen_pixel(h, clear_of_corners_and_word, y),
              win32::blend(normal.top, normal.bottom, y, height - 1))
        << y;
  }

  // The slider's frame on a plain host, where the trackbar's own background is not silver.
  win32::HostWindow host(
      {.caption = "frame test", .bounds = {300, 300, 300, 150}, .style = WS_POPUP | WS_VISIBLE});
  const shell::ControlSpec slider = shell::scaled_control(*shell::find_control("TrackBar1"), dpi);
  HWND bar = CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | TBS_NOTICKS, 10,
                             10, slider.bounds.width, slider.bounds.height, host.hwnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(bar);
  win32::install_frame_proc(bar);
  InvalidateRect(bar, nullptr, TRUE);
  pump_for(200);
  const int frame = scale(1, dpi);
  const int middle = slider.bounds.height / 2;
  for (int x = 0; x < frame; ++x) {
    EXPECT_EQ(screen_pixel(bar, x, middle), kSilver) << x;
    EXPECT_EQ(screen_pixel(bar, slider.bounds.width - 1 - x, middle), kSilver) << x;
  }
  EXPECT_NE(screen_pixel(bar, frame, middle), kSilver);  // the frame's width, no more
  DestroyWindow(bar);
}

// Mouse positions are screen pixels; main lands at the nearest place a whole 96-dpi place
// shows at, which is where its stored place brings it back.
TEST(Scaled, MainFollowsTheMouseToTheNearestPlaceItCanBeStoredAt) {
  RealForm f;
  const int dpi = f.controls->window().dpi();
  ASSERT_EQ(dpi, expected_dpi());
  HWND label = f.hwnd("Label7");  // a bound label drags main (from 0, 0 at a first start)
  mouse(label, WM_LBUTTONDOWN, MK_LBUTTON, 3, 4);
  mouse(label, WM_MOUSEMOVE, MK_LBUTTON, 50, 10);
  mouse(label, WM_LBUTTONUP, 0, 103, 16);
  const RECT main = f.place("main");
  EXPECT_EQ(main.left, dpi == 144 ? 101 : 100);  // 100 screen pixels lie between two places
  EXPECT_EQ(main.top, 12);
  EXPECT_EQ(main.right - main.left, scale(309, dpi) - scale(24, dpi));
  EXPECT_TRUE(f.shape_is_visible_children());
}

// Moved to a monitor of another scale and back: places, sizes and the shape follow; texts, the
// selected order and the open floating panel stay.
TEST(Scaled, AChangeOfScaleLaysThePanelsOutAgainAndKeepsWhatTheyHold) {
  RealForm f;
  const int dpi = f.controls->window().dpi();
  ASSERT_EQ(dpi, expected_dpi());
  f.controls->edit("Edit12").set_text("0.25");
  auto& orders = f.controls->list_box("ORDERS_LIST_m");
  orders.append("1 (a)");
  orders.append("2 (b)");
  orders.select(1);
  f.controls->control("SET_TP_SL_WND").set_visible(true);
  f.controls->control("main").set_visible(false);
  f.controls->control("SET_TP_SL_WND").set_position(scale(30, dpi), scale(20, dpi));
  RECT window{};
  GetWindowRect(f.form(), &window);

  const auto change = [&](int to, RECT suggested) {
    SendMessageW(f.form(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(f.form(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(f.controls->window().dpi(), to);
    const RECT panel = f.place("SET_TP_SL_WND");
    EXPECT_EQ(panel.left, scale(30, to));
    EXPECT_EQ(panel.top, scale(20, to));
    for (const char* name : {"SET_TP_SL_WND", "Edit3", "RzSpinButtons1", "Button9", "main"}) {
      const platform::Bounds b = shell::scaled_control(*shell::find_control(name), to).bounds;
      const RECT r = f.place(name);
      EXPECT_EQ(r.right - r.left, b.width) << name << " at " << to;
      EXPECT_EQ(r.bottom - r.top, b.height) << name << " at " << to;
      if (std::string_view(name) != "SET_TP_SL_WND" && std::string_view(name) != "main") {
        EXPECT_EQ(r.left, b.left) << name << " at " << to;
        EXPECT_EQ(r.top, b.top) << name << " at " << to;
      }
    }
    EXPECT_EQ(f.controls->edit("Edit12").text(), "0.25");
    EXPECT_EQ(orders.count(), 2);
    EXPECT_EQ(orders.selected(), 1);
    EXPECT_TRUE(f.controls->control("SET_TP_SL_WND").visible());
    EXPECT_FALSE(f.controls->control("main").visible());
    EXPECT_TRUE(f.shape_is_visible_children());
  };
  change(dpi * 2, {window.left, window.top, window.left + 1400, window.top + 900});
  change(dpi, window);
}

}  // namespace
}  // namespace pelmora::win32_test
