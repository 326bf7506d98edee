// The drawn controls under Wine: the panel face, the see-through key colour and the window
// behind showing outside the panels, read back from the screen, the order buttons' clicks and
// states, the slider, the snapping rule, hints changed while running, labels widening to a
// caption written while running, and Tab from the message loop. The spin-button timing is the
// lot spin's Wine test.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "form/names.h"
#include "form_support.h"
#include "link/exchange_fields.h"
#include "platform/win32/form_window.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/host_window.h"
#include "platform/win32/image_button.h"
#include "platform/win32/panel_paint.h"
#include "platform/win32/radio_group.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

namespace win32 = platform::win32;

constexpr COLORREF kSilver = RGB(192, 192, 192);

TEST(FormPixels, PanelFaceBorderAndSeeThroughKeyColour) {
  RealForm f;
  HWND main = f.hwnd(names::kMainPanel);
  RedrawWindow(f.form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  pump_for(300);
  // The fill runs from 225 at the top to silver half way down, silver below, always grey.
  const COLORREF top = screen_pixel(main, 150, 8);
  const COLORREF middle = screen_pixel(main, 145, 100);
  EXPECT_EQ(top, win32::panel_fill_at(8, 257));
  EXPECT_GT(GetRValue(top), GetRValue(middle));
  EXPECT_GT(GetRValue(middle), 192);
  EXPECT_EQ(GetGValue(top), GetRValue(top));
  EXPECT_EQ(screen_pixel(main, 180, 240), kSilver);
  // The border is grey: 3 pixels on main.
  EXPECT_EQ(screen_pixel(main, 1, 128), RGB(128, 128, 128));
  EXPECT_EQ(screen_pixel(main, 283, 128), RGB(128, 128, 128));
  // Key-coloured pixels never show: the spin pair's rim, a corner of the panel outside its
  // rounding, and the form outside every panel.
  const COLORREF key = RGB(74, 66, 55);
  EXPECT_NE(screen_pixel(f.hwnd(names::kLotSpin), 0, 0), key);
  EXPECT_NE(screen_pixel(main, 0, 0), key);
  EXPECT_NE(screen_pixel(main, 0, 0), RGB(128, 128, 128));
}

TEST(FormPixels, OutsideThePanelsTheWindowBehindShowsAndTakesTheMouse) {
  RealForm f;
  constexpr COLORREF kBehind = RGB(30, 160, 90);
  RECT form{};
  GetWindowRect(f.form(), &form);
  win32::HostWindow behind(
      {.caption = "behind",
       .bounds = {form.left, form.top, form.right - form.left, form.bottom - form.top},
       .style = WS_POPUP});
  behind.set_message_hook([&](UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    if (message != WM_ERASEBKGND) return false;
    RECT r{};
    GetClientRect(behind.hwnd(), &r);
    win32::UniqueBrush brush(CreateSolidBrush(kBehind));
    FillRect(reinterpret_cast<HDC>(wparam), &r, brush.get());
    *result = 1;
    return true;
  });
  SetWindowPos(behind.hwnd(), f.form(), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // Outside every panel, also after the form was hidden and shown again (a fresh surface).
  const POINT outside{form.left + 600, form.top + 400};
  for (int round = 0; round < 2; ++round) {
    if (round > 0) {
      f.controls->window().set_visible(false);
      pump_for(100);
      f.controls->window().set_visible(true);
    }
    pump_for(300);
    EXPECT_EQ(screen_pixel(f.form(), 600, 400), kBehind) << "round " << round;
    EXPECT_EQ(WindowFromPoint(outside), behind.hwnd()) << "round " << round;
  }
}

TEST(ImageButtons, ClickOnReleaseOverTheButtonWithThreeStates) {
  RealForm f;
  int clicks = 0;
  f.controls->button(names::kSellButton).set_on_click([&] { ++clicks; });
  HWND h = f.hwnd(names::kSellButton);
  auto& button = dynamic_cast<win32::ImageButton&>(f.controls->button(names::kSellButton));
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
}

TEST(Slider, KeepsToItsRangeAndReportsChanges) {
  RealForm f;
  auto& slider = f.controls->slider(names::kSpeedSlider);
  // The frame procedure is in the slider's chain (under the hint's tooltip, which subclasses
  // the slider once the loaded position has set the hint): it reports the keys.
  int keys = 0;
  slider.set_on_key_down([&] { ++keys; });
  SendMessageW(f.hwnd(names::kSpeedSlider), WM_KEYDOWN, VK_SHIFT, 0);
  EXPECT_EQ(keys, 1);
  int changes = 0;
  slider.set_on_change([&] { ++changes; });
  slider.set_position(40);
  EXPECT_EQ(slider.position(), 32);
  slider.set_position(32);
  EXPECT_EQ(changes, 1);
}

TEST(Snapping, EdgesNearTheWorkAreaSnapOntoIt) {
  const RECT work{0, 0, 1280, 1000};
  const struct {
    RECT before, after;
  } cases[] = {{{7, 300, 107, 400}, {0, 300, 100, 400}},
               {{1175, 895, 1275, 995}, {1180, 900, 1280, 1000}},
               {{50, 50, 150, 150}, {50, 50, 150, 150}}};
  for (auto c : cases) {
    win32::snap_to_work_area(c.before, work);
    EXPECT_TRUE(EqualRect(&c.before, &c.after)) << c.after.left << "," << c.after.top;
  }
}

// The hint the form's tooltip window holds for a control.
std::wstring tooltip_text(HWND form, HWND control) {
  HWND tips = nullptr;
  do {
    tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
  } while (tips && GetWindow(tips, GW_OWNER) != form);
  wchar_t text[256] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text;
  if (tips) SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
  return text;
}

TEST(FormHints, AHintSetWhileRunningReplacesTheDesignHint) {
  RealForm f;
  EXPECT_EQ(tooltip_text(f.form(), f.hwnd(names::kPauseButton)),
            L"Приостановить тестирование (Shift+P)");
  f.controls->set_hint(names::kPauseButton, "Продолжить тестирование");
  EXPECT_EQ(tooltip_text(f.form(), f.hwnd(names::kPauseButton)), L"Продолжить тестирование");
  EXPECT_THROW(f.controls->set_hint("NoSuchControl", "x"), std::out_of_range);
}

TEST(Labels, ACaptionWrittenWhileRunningWidensTheLabelToFitButNeverBelowItsDesignWidth) {
  RealForm f;
  platform::Label& order_line = f.controls->label(names::kTrailingOrder);  // 59 px wide, "Сделка #"
  order_line.set_text("Сделка #1234567890 ");
  EXPECT_GT(order_line.bounds().width, 59);
  EXPECT_EQ(order_line.bounds().left, 32);
  EXPECT_EQ(order_line.text(), "Сделка #1234567890 ");
  order_line.set_text("#");
  EXPECT_EQ(order_line.bounds(), (platform::Bounds{32, 32, 59, 16}));
}

// Tab as the message loop sees it: the focused control, also a choice inside its radio group, is
// named to the form's rule, which moves the real focus, past what is disabled or hidden; a radio
// group takes it on its selected choice. Tab in an exchange field, which lies on no panel, is
// left to the field. The order itself is the native tab-order table's.
TEST(TabKey, MovesTheFocusAlongThePanelAndIntoARadioGroupsSelectedChoice) {
  RealForm f;
  f.controls->control(names::kSettingsPanel).set_visible(true);
  const auto group = [&](std::string_view name) -> win32::RadioGroup& {
    return dynamic_cast<win32::RadioGroup&>(f.controls->radio_group(name));
  };
  group(names::kSlTpModeGroup).select(1);
  group(names::kVersionsGroup).select(platform::RadioGroup::kNoChoice);
  const auto tab = [&](HWND from, bool shift) {
    SetFocus(from);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG msg{};
    msg.hwnd = from;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    const bool taken = f.controls->handle_tab(msg);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return taken;
  };
  EXPECT_TRUE(tab(f.hwnd(names::kSettingsApply), false));
  EXPECT_EQ(GetFocus(), group(names::kSlTpModeGroup).choice_window(1));
  EXPECT_TRUE(tab(group(names::kSlTpModeGroup).choice_window(1), false));
  EXPECT_EQ(GetFocus(), group(names::kPlacementGroup).choice_window(0));
  EXPECT_TRUE(tab(f.hwnd(names::kSettingsCancel), true));  // back, round to the last stop
  EXPECT_EQ(GetFocus(), group(names::kVersionsGroup).choice_window(0));
  f.controls->control(names::kStopLevelsButton).set_enabled(false);
  f.controls->control(names::kTrailingButton).set_visible(false);
  EXPECT_TRUE(tab(f.hwnd(names::kLotSpin), false));
  EXPECT_EQ(GetFocus(), f.hwnd(names::kCloseButton));  // past a disabled and a hidden button
  HWND in_orders = f.hwnd(link::kInOrders.name);
  EXPECT_FALSE(tab(in_orders, false));
  EXPECT_EQ(GetFocus(), in_orders);
}

}  // namespace
}  // namespace pelmora::win32_test
