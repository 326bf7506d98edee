// Tester control over real windows: TrackBar1's speed keys once per real change, also for a
// key pressed on the focused slider; F11 reaching a real window through the real key state only
// while the panel is in front; and a failing Button1 click in the general error box.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "box_user.h"
#include "form_support.h"
#include "platform/fake/fake_locale.h"
#include "platform/virtual_keys.h"
#include "platform/win32/host_window.h"
#include "platform/win32/terminal_windows.h"
#include "trading/tester_control.h"

namespace pelmora::win32_test {
namespace {

using platform::kNoWindow;
using platform::WindowRef;

// A real window standing for the terminal's chart, hidden so that it never takes the keyboard:
// it notes each key message it handles, a key down as the virtual key, a key up as its negative.
struct ChartStandIn {
  ChartStandIn() {
    window.set_message_hook([this](UINT message, WPARAM key, LPARAM, LRESULT*) {
      if (message == WM_KEYDOWN || message == WM_KEYUP) {
        keys.push_back((message == WM_KEYUP ? -1 : 1) * static_cast<int>(key));
      }
      return false;
    });
  }
  // The window as the first command-line parameter names it.
  std::string parameter() const {
    return std::to_string(
        static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window.hwnd())));
  }

  platform::win32::HostWindow window{{.caption = "chart", .style = WS_POPUP}};
  std::vector<int> keys;
};

void send_key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// A key held down by the user for about `ms`, with the message queue running throughout.
void hold_key(WORD key, int ms) {
  send_key(key, false);
  pump_for(ms);
  send_key(key, true);
  pump_for(300);
}

bool bring_to_front(HWND hwnd) {
  SetForegroundWindow(hwnd);
  return pump_until([hwnd] { return GetForegroundWindow() == hwnd; });
}

// The tester's windows in the form's fake terminal; returns the chart and the speed slider.
std::pair<WindowRef, WindowRef> add_tester(platform::fake::FakeTerminal& terminal) {
  const WindowRef main = terminal.add_window(kNoWindow, "Terminal");
  const WindowRef area = terminal.add_window(main);
  const WindowRef chart = terminal.add_window(terminal.add_window(area, "EURUSD,H1"));
  const WindowRef bar = terminal.add_window(main);
  const WindowRef slider = terminal.add_window(bar);
  for (const char* text : {"| |", "", "", "Стоп"}) terminal.add_window(bar, text);
  return {chart, slider};
}

TEST(TesterControlWin32, TheSpeedGoesOutOncePerRealChangeOfTrackBar1) {
  RealForm f;
  const auto [chart, slider] = add_tester(f.terminal);
  f.program.set_first_parameter(std::to_string(chart));
  auto homes = [&, slider = slider] {
    const auto& keys = f.terminal.posted_keys();
    return std::count(keys.begin(), keys.end(),
                      platform::fake::FakeTerminal::PostedKey{slider, platform::kVkHome});
  };
  platform::Slider& track = f.controls->slider("TrackBar1");
  track.set_position(10);
  track.set_position(10);
  EXPECT_EQ(homes(), 1);
  EXPECT_EQ(f.terminal.posted_keys().size(), 10u);  // Home and nine Downs

  ASSERT_TRUE(bring_to_front(f.form()));
  SetFocus(f.hwnd("TrackBar1"));
  hold_key(VK_RIGHT, 50);  // one step; the release ends the track without a change
  EXPECT_EQ(track.position(), 11);
  EXPECT_EQ(homes(), 2);
}

TEST(TesterControlWin32, F11ReachesTheChartOnlyWhileThePanelIsInFront) {
  ChartStandIn chart;
  platform::win32::FormControls controls;
  for (const char* name : {"Timer1", "Timer2", "Timer3"}) controls.timer(name).set_enabled(false);
  platform::win32::Win32TerminalWindows terminal;
  platform::fake::FakeProgram program(chart.parameter());
  platform::fake::FakeMessageBoxes messages;
  platform::fake::FakeUiThread ui;
  platform::fake::FakeLocale locale;
  platform::fake::FakeHttp http;
  platform::fake::FakeShell shell;
  const platform::WebSites sites;
  platform::fake::FakeSettingsStore settings;
  trading::TesterControl tester(
      {controls, terminal, program, messages, ui, locale, http, shell, sites, settings});
  controls.window().set_visible(true);
  HWND form = controls.window().hwnd();

  ASSERT_TRUE(bring_to_front(form));
  GetAsyncKeyState(VK_F11);  // forgets a press made before, which the next query would report
  pump_for(500);
  EXPECT_TRUE(chart.keys.empty()) << "F11 is not down";
  hold_key(VK_F11, 700);
  ASSERT_GE(chart.keys.size(), 2u) << "no F11 came through";
  for (size_t i = 0; i < chart.keys.size(); ++i) {
    EXPECT_EQ(chart.keys[i], i % 2 ? -VK_F11 : VK_F11) << i;  // down, up, down, up...
  }

  platform::win32::HostWindow other(
      {.caption = "in front", .bounds = {400, 400, 200, 100}, .style = WS_POPUP | WS_VISIBLE});
  ASSERT_TRUE(bring_to_front(other.hwnd()));
  chart.keys.clear();
  hold_key(VK_F11, 700);
  EXPECT_TRUE(chart.keys.empty());
  EXPECT_TRUE(messages.errors().empty());
}

TEST(TesterControlWin32, AFailingPauseClickShowsTheGeneralErrorBox) {
  RealForm f;
  f.program.set_first_parameter("abc");
  BoxUser user;
  SendMessageW(f.hwnd("Button1"), BM_CLICK, 0, 0);
  const auto seen = user.seen();
  ASSERT_TRUE(seen) << "no error box";
  EXPECT_EQ(seen->text, L"'abc' is not a valid integer value");
  EXPECT_EQ(f.controls->button("Button1").text(), "| |");
}

}  // namespace
}  // namespace pelmora::win32_test
