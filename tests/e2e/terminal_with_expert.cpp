// The fixture's steps, each bounded by a generous wait so that a panel that does not react
// fails the check instead of hanging the test.
#include "terminal_with_expert.h"
#include "form/names.h"

#include "real_input.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;

namespace {

// The shortcut menu's items share its height.
constexpr int kMenuItems = 2;

}  // namespace

std::wstring text_of(HWND window) {
  return window_text(window).value_or(L"<no answer>");
}

POINT top_left(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top};
}

bool same_point(POINT a, POINT b) {
  return a.x == b.x && a.y == b.y;
}

void PanelOverTerminal::SetUp() {
  ASSERT_TRUE(run_.started()) << "sim-terminal.exe did not start or show its window";
  ASSERT_TRUE(run_.wait_placed()) << run_.describe();
  panel_ = run_.panel_window();
  // The user's first click: under Wine it can be followed by the desktop taking the keyboard,
  // which would cancel a click made at that moment.
  ASSERT_TRUE(take_keyboard(names::kLotField));
}

void TerminalWithExpert::SetUp() {
  PanelOverTerminal::SetUp();
  if (HasFatalFailure()) return;
  expert_.emplace(panel_);
  ASSERT_TRUE(expert_->attached()) << "the exchange fields were not found by their ids";
}

HWND PanelOverTerminal::control(std::string_view name) {
  HWND found = panel_control(panel_, name);
  EXPECT_NE(found, nullptr) << "no control " << name;
  return found;
}

bool PanelOverTerminal::click(std::string_view name) {
  return input::click(input::centre_of(control(name)));
}

bool PanelOverTerminal::text_becomes(std::string_view name, const std::wstring& expected) {
  HWND window = control(name);
  return wait_until([&] { return text_of(window) == expected; }, std::chrono::seconds(5));
}

bool PanelOverTerminal::take_keyboard(std::string_view name) {
  return input::click_until_foreground(control(name), panel_);
}

bool PanelOverTerminal::swapped(std::string_view shown, std::string_view hidden, POINT place) {
  return wait_until(
      [&] {
        return visible(shown) && !visible(hidden) && same_point(top_left(control(shown)), place);
      },
      5s);
}

bool PanelOverTerminal::click_until_swapped(std::string_view button, std::string_view shown,
                                            std::string_view hidden, POINT place) {
  for (int tries = 0; tries < 3; ++tries) {
    if (visible(names::kLotField) && !take_keyboard(names::kLotField)) return false;
    if (!click(button)) return false;
    if (swapped(shown, hidden, place)) return true;
  }
  return false;
}

bool PanelOverTerminal::choose_from_menu(POINT where, int index) {
  if (!input::right_click(where)) return false;
  const DWORD pid = GetProcessId(run_.panel_process());
  HWND menu = nullptr;
  if (!wait_until([&] { return (menu = process_window(pid, kMenuClass)) != nullptr; }, 5s)) {
    ADD_FAILURE() << "no shortcut menu came up";
    return false;
  }
  return input::click(input::point_in(menu, 0.5, (index + 0.5) / kMenuItems));
}

std::wstring TerminalWithExpert::command() {
  const auto taken = expert_->take_command();
  if (!taken) {
    ADD_FAILURE() << "no command came; the expert took " << expert_->commands().size() << " before";
    return L"<none>";
  }
  EXPECT_TRUE(expert_->wait_idle()) << "the handshake did not clear the command";
  return *taken;
}

}  // namespace pelmora::e2e
