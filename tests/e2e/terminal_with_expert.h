// The fixtures the trading end-to-end tests share: one substitute terminal with the panel placed
// over its chart and the user's hand on the panel's controls; either this test plays the expert,
// or the terminal's own expert trades its replayed test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "terminal_driver.h"
#include "test_expert.h"

namespace pelmora::e2e {

std::wstring text_of(HWND window);
POINT top_left(HWND window);
bool same_point(POINT a, POINT b);

class PanelOverTerminal : public ::testing::Test {
 protected:
  PanelOverTerminal(const std::vector<std::wstring>& options, ExpertSide expert)
      : run_(options, expert) {}
  void SetUp() override;

  HWND control(std::string_view name);
  std::wstring text(std::string_view name) { return text_of(control(name)); }
  bool visible(std::string_view name) { return IsWindowVisible(control(name)) != FALSE; }
  bool click(std::string_view name);
  // Waits until the control reads `expected`.
  bool text_becomes(std::string_view name, const std::wstring& expected);
  // Clicks the control until the panel holds the keyboard.
  bool take_keyboard(std::string_view name);
  // Waits until the floating panel `shown` is visible with its top-left at `place` and
  // `hidden` is not visible: how one panel takes another's place.
  bool swapped(std::string_view shown, std::string_view hidden, POINT place);
  // Clicks `button` until `shown` has taken `hidden`'s place. Under Wine a click can be lost on
  // a loaded machine, or land while a panel's shape is rebuilt: the user clicks again. The
  // keyboard is taken back first while the lot field shows.
  bool click_until_swapped(std::string_view button, std::string_view shown, std::string_view hidden,
                           POINT place);
  // Right-clicks `where` and clicks the shortcut menu's item `index` (of its two).
  bool choose_from_menu(POINT where, int index);

  TerminalRun run_;
  HWND panel_ = nullptr;
};

class TerminalWithExpert : public PanelOverTerminal {
 protected:
  TerminalWithExpert() : PanelOverTerminal({}, ExpertSide::caller) {}
  void SetUp() override;

  // The command the expert takes next, after which the handshake must leave the link idle.
  std::wstring command();

  std::optional<TestExpert> expert_;
};

}  // namespace pelmora::e2e
