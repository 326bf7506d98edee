// The form at its monitor's scale, run with the suite at 96 dots per inch and again in a prefix
// at 144: the shape, the SELL button's size and colours, the slider frame, a drag of main, and
// a change of scale while the panel runs, with what each kind of control draws at a scale.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "form/names.h"
#include "form/scaling.h"
#include "form_support.h"
#include "platform/win32/dpi.h"
#include "platform/win32/host_window.h"
#include "platform/win32/image_button.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/slider.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

namespace win32 = platform::win32;
using form::scale;

// The run at 144 says so, so that a prefix that lost its scale fails instead of passing at 96.
int form_dpi(RealForm& f) {
  const char* expected = std::getenv("PELMORA_EXPECT_DPI");
  const int dpi = f.controls->window().dpi();
  EXPECT_EQ(dpi, expected ? std::atoi(expected) : form::kBaseDpi);
  return dpi;
}

form::ControlSpec scaled_spec(std::string_view name, int dpi) {
  return form::scaled_control(*form::find_control(name), dpi);
}

platform::Bounds scaled(std::string_view name, int dpi) {
  return scaled_spec(name, dpi).bounds;
}

// The character height of the font a control was given.
int font_height(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return -font.lfHeight;
}

platform::Bounds bounds(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST(Scaled, SellButtonSliderFrameAndADragOfMainAtTheMonitorsScale) {
  RealForm f;
  const int dpi = form_dpi(f);
  // SELL at its scaled place and size, drawn at that size: the gradient down the bar, clear of
  // its corners and word, inside a border of exactly the scaled width.
  const platform::Bounds sell = scaled(names::kSellButton, dpi);
  EXPECT_EQ(bounds(f.place(names::kSellButton)), sell);
  RedrawWindow(f.form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  pump_for(300);
  HWND h = f.hwnd(names::kSellButton);
  const win32::ButtonPicture normal = win32::sell_pictures()[0];
  const int one = scale(1, dpi);
  for (const int x : {0, one - 1, sell.width - one, sell.width - 1}) {
    EXPECT_EQ(screen_pixel(h, x, sell.height / 2), normal.border) << x;
  }
  for (const int y : {one, sell.height / 2, sell.height - 1 - one}) {
    EXPECT_EQ(screen_pixel(h, scale(8, dpi), y),
              win32::blend(normal.top, normal.bottom, y, sell.height - 1))
        << y;
  }

  // The slider's frame, on a plain host where the trackbar's own background is not silver.
  win32::HostWindow host(
      {.caption = "frame", .bounds = {300, 300, 300, 150}, .style = WS_POPUP | WS_VISIBLE});
  const platform::Bounds slider = scaled(names::kSpeedSlider, dpi);
  HWND bar = CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | TBS_NOTICKS, 10,
                             10, slider.width, slider.height, host.hwnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  win32::install_frame_proc(bar);
  InvalidateRect(bar, nullptr, TRUE);
  pump_for(200);
  const COLORREF silver = RGB(192, 192, 192);
  for (const int x : {0, one - 1, slider.width - one}) {
    EXPECT_EQ(screen_pixel(bar, x, slider.height / 2), silver) << x;
  }
  EXPECT_NE(screen_pixel(bar, one, slider.height / 2), silver);  // the frame's width, no more
  DestroyWindow(bar);

  // Mouse positions are screen pixels; main lands on the nearest place it can be stored at.
  HWND label = f.hwnd(names::kMainTitle);  // a bound label, from 0, 0 at a first start
  mouse(label, WM_LBUTTONDOWN, MK_LBUTTON, 3, 4);
  mouse(label, WM_MOUSEMOVE, MK_LBUTTON, 50, 10);
  mouse(label, WM_LBUTTONUP, 0, 103, 16);
  const platform::Bounds main = scaled(names::kMainPanel, dpi);
  EXPECT_EQ(bounds(f.place(names::kMainPanel)),
            (platform::Bounds{dpi == 144 ? 101 : 100, 12, main.width, main.height}));
  EXPECT_TRUE(f.shape_is_visible_children());
}

// Moved to a monitor of another scale and back: the window takes the system's rectangle, the
// open panel its scaled place (every control's place is the native scaling test's), the shape
// follows; texts, the selected order and the open floating panel stay.
TEST(Scaled, AChangeOfScaleLaysThePanelsOutAgainAndKeepsWhatTheyHold) {
  RealForm f;
  const int dpi = form_dpi(f);
  f.controls->edit(names::kLotField).set_text("0.25");
  auto& orders = f.controls->list_box(names::kOrdersList);
  orders.append("1 (a)");
  orders.append("2 (b)");
  orders.select(1);
  f.controls->control(names::kStopLevelsPanel).set_visible(true);
  f.controls->control(names::kMainPanel).set_visible(false);
  f.controls->control(names::kStopLevelsPanel).set_position(scale(30, dpi), scale(20, dpi));
  RECT window{};
  GetWindowRect(f.form(), &window);
  for (const int to : {dpi * 2, dpi}) {
    RECT suggested = window;
    suggested.right += to - dpi;  // the system's rectangle, whatever it is
    SendMessageW(f.form(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(f.form(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(f.controls->window().dpi(), to);
    const platform::Bounds panel = scaled(names::kStopLevelsPanel, to);
    EXPECT_EQ(bounds(f.place(names::kStopLevelsPanel)),
              (platform::Bounds{scale(30, to), scale(20, to), panel.width, panel.height}));
    // What each kind draws at a scale: a font, the list's item height after its font, the thumb.
    EXPECT_EQ(font_height(f.hwnd(names::kLotField)), scaled_spec(names::kLotField, to).font.height);
    EXPECT_EQ(SendMessageW(f.hwnd(names::kOrdersList), LB_GETITEMHEIGHT, 0, 0),
              scaled_spec(names::kOrdersList, to).item_height);
    EXPECT_EQ(SendMessageW(f.hwnd(names::kSpeedSlider), TBM_GETTHUMBLENGTH, 0, 0),
              scaled_spec(names::kSpeedSlider, to).slider.thumb_length);
    EXPECT_EQ(f.controls->edit(names::kLotField).text(), "0.25");
    EXPECT_EQ(orders.count(), 2);
    EXPECT_EQ(orders.selected(), 1);
    EXPECT_FALSE(f.controls->control(names::kMainPanel).visible());
    EXPECT_TRUE(f.shape_is_visible_children());  // the open panel alone
  }
}

}  // namespace
}  // namespace pelmora::win32_test
