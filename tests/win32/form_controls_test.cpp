// The drawn controls under Wine: the panel face and the see-through key colour read back from
// the screen, the spin-button timing, the order buttons' clicks and states, the slider's frame
// procedure, and the snapping rule.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "form_support.h"
#include "platform/win32/form_window.h"
#include "platform/win32/host_window.h"
#include "platform/win32/image_button.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/slider.h"

namespace pelmora::win32_test {
namespace {

namespace win32 = platform::win32;

// The colour on the screen at a point of a control's client area.
COLORREF screen_pixel(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

int red(COLORREF c) {
  return GetRValue(c);
}

TEST(FormPixels, PanelFaceBorderAndSeeThroughKeyColour) {
  RealForm f;
  HWND main = f.hwnd("main");
  RedrawWindow(f.form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  pump_for(300);
  // The fill runs from 225 at the top to silver half way down, silver below.
  const COLORREF top = screen_pixel(main, 150, 8);
  const COLORREF middle = screen_pixel(main, 290 / 2, 100);
  const COLORREF low = screen_pixel(main, 180, 240);
  EXPECT_EQ(top, win32::panel_fill_at(8, 257));
  EXPECT_GT(red(top), red(middle));
  EXPECT_GT(red(middle), 192);
  EXPECT_EQ(low, RGB(192, 192, 192));
  EXPECT_EQ(GetGValue(top), red(top));  // grey, not tinted
  // The border is grey: 3 pixels on main.
  EXPECT_EQ(screen_pixel(main, 1, 128), RGB(128, 128, 128));
  EXPECT_EQ(screen_pixel(main, 284 - 1, 128), RGB(128, 128, 128));

  // Key-coloured pixels never show: the spin pair's rim, inside the shape, and a corner of the
  // panel outside its rounding.
  const COLORREF key = RGB(74, 66, 55);
  EXPECT_NE(screen_pixel(f.hwnd("RzSpinButtons8"), 0, 0), key);
  EXPECT_NE(screen_pixel(main, 0, 0), key);
  EXPECT_NE(screen_pixel(f.form(), 600, 400), key);  // outside every panel
  EXPECT_NE(screen_pixel(main, 0, 0), screen_pixel(main, 1, 128));
}

struct Steps {
  int up = 0;
  int down = 0;
};

TEST(SpinButtons, OneStepOnReleaseOverTheButtonAndRepeatsWhileHeld) {
  RealForm f;
  Steps steps;
  auto& spin = f.controls->spin_buttons("RzSpinButtons8");
  spin.set_on_up([&] { ++steps.up; });
  spin.set_on_down([&] { ++steps.down; });
  HWND h = f.hwnd("RzSpinButtons8");

  mouse(h, WM_LBUTTONDOWN, MK_LBUTTON, 13, 9);  // right half: up
  mouse(h, WM_LBUTTONUP, 0, 13, 9);
  EXPECT_EQ(steps.up, 1);
  mouse(h, WM_LBUTTONDOWN, MK_LBUTTON, 3, 9);  // left half: down
  mouse(h, WM_LBUTTONUP, 0, 3, 9);
  EXPECT_EQ(steps.down, 1);
  mouse(h, WM_LBUTTONDOWN, MK_LBUTTON, 3, 9);  // released elsewhere: nothing
  mouse(h, WM_LBUTTONUP, 0, 40, 9);
  EXPECT_EQ(steps.down, 1);

  mouse(h, WM_LBUTTONDOWN, MK_LBUTTON, 13, 9);
  EXPECT_TRUE(pump_until([&] { return steps.up >= 4; }));  // held: repeats
  mouse(h, WM_LBUTTONUP, 0, 13, 9);
  const int held = steps.up;
  pump_for(300);
  EXPECT_EQ(steps.up, held);  // the release adds none and the repeat stops
  EXPECT_EQ(steps.down, 1);
}

TEST(ImageButtons, ClickOnReleaseOverTheButtonWithThreeStates) {
  RealForm f;
  int clicks = 0;
  f.controls->button("SpriteButton9").set_on_click([&] { ++clicks; });
  HWND h = f.hwnd("SpriteButton9");
  auto& button = dynamic_cast<win32::ImageButton&>(f.controls->button("SpriteButton9"));
  EXPECT_EQ(button.state(), win32::ButtonState::kNormal);
  mouse(h, WM_MOUSEMOVE, 0, 10, 10);
  EXPECT_EQ(button.state(), win32::ButtonState::kFocused);
  mouse(h, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
  EXPECT_EQ(button.state(), win32::ButtonState::kPressed);
  mouse(h, WM_LBUTTONUP, 0, 10, 10);
  EXPECT_EQ(clicks, 1);
  mouse(h, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
  mouse(h, WM_MOUSEMOVE, MK_LBUTTON, 200, 10);
  mouse(h, WM_LBUTTONUP, 0, 200, 10);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(f.controls->button("SpriteButton27").text(), "BUY");

  // The pictures differ per state and follow the given colours.
  EXPECT_EQ(win32::sell_pictures()[0].top, RGB(255, 94, 94));
  EXPECT_EQ(win32::buy_pictures()[2].bottom, RGB(5, 152, 33));
}

TEST(Slider, FrameProcedureIsInstalledAndChangesAreReported) {
  RealForm f;
  HWND h = f.hwnd("TrackBar1");
  EXPECT_EQ(GetWindowLongPtrW(h, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(&win32::TrackBarFrameProc));
  EXPECT_NE(GetWindowLongPtrW(h, GWLP_USERDATA), 0);
  auto& slider = f.controls->slider("TrackBar1");
  EXPECT_EQ(slider.position(), 26);
  int changes = 0;
  slider.set_on_change([&] { ++changes; });
  slider.set_position(40);
  EXPECT_EQ(slider.position(), 32);
  slider.set_position(32);
  EXPECT_EQ(changes, 1);
}

TEST(Slider, TrackBarFrameProcDrawsASilverFrameAfterEachPaint) {
  // On a plain host the trackbar's own background is not silver, so the frame shows.
  win32::HostWindow host(
      {.caption = "frame test", .bounds = {300, 300, 200, 100}, .style = WS_POPUP | WS_VISIBLE});
  HWND bar = CreateWindowExW(0, TRACKBAR_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | TBS_NOTICKS, 10,
                             10, 81, 25, host.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(bar);
  win32::install_frame_proc(bar);
  InvalidateRect(bar, nullptr, TRUE);
  pump_for(200);
  EXPECT_EQ(screen_pixel(bar, 0, 12), RGB(192, 192, 192));
  EXPECT_EQ(screen_pixel(bar, 80, 3), RGB(192, 192, 192));
  EXPECT_NE(screen_pixel(bar, 1, 12), RGB(192, 192, 192));  // one border width only
  DestroyWindow(bar);
}

TEST(Snapping, EdgesNearTheWorkAreaSnapOntoIt) {
  const RECT work{0, 0, 1280, 1000};
  RECT close_by{7, 300, 107, 400};
  win32::snap_to_work_area(close_by, work);
  EXPECT_EQ(close_by.left, 0);
  EXPECT_EQ(close_by.right, 100);
  RECT bottom_right{1175, 895, 1275, 995};
  win32::snap_to_work_area(bottom_right, work);
  EXPECT_EQ(bottom_right.right, 1280);
  EXPECT_EQ(bottom_right.bottom, 1000);
  RECT away{50, 50, 150, 150};
  win32::snap_to_work_area(away, work);
  EXPECT_EQ(away.left, 50);
  EXPECT_EQ(away.top, 50);
}

}  // namespace
}  // namespace pelmora::win32_test

namespace pelmora::win32_test {
namespace {

// The hint the form's tooltip window holds for a control, read back through the tooltip.
std::wstring tooltip_text(HWND form, HWND control) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{form};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(w, GW_OWNER) == s->owner) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (!search.found) return L"<no tooltip window>";
  wchar_t text[256] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text;
  SendMessageW(search.found, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
  return text;
}

TEST(FormHints, AHintSetWhileRunningReplacesTheDesignHint) {
  RealForm f;
  EXPECT_EQ(tooltip_text(f.form(), f.hwnd("Button1")), L"Приостановить тестирование");
  f.controls->set_hint("Button1", "Продолжить тестирование");
  EXPECT_EQ(tooltip_text(f.form(), f.hwnd("Button1")), L"Продолжить тестирование");
  EXPECT_THROW(f.controls->set_hint("NoSuchControl", "x"), std::out_of_range);
}

}  // namespace
}  // namespace pelmora::win32_test
