// The form model and the panel's window on the in-memory form: the layout rules a user and the
// expert rely on, panel drags (outline, buttons, labels), refresh_panel_buttons on a control set
// that lacks buttons, a click in the orders list, and the terminal's windows found by text.
#include <gtest/gtest.h>

#include <algorithm>

#include "form/layout.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "panel_world.h"
#include "terminal/chart_windows.h"
#include "terminal/find_window_by_text.h"

namespace pelmora::testing {
namespace {

using form::ControlKind;
using form::ControlSpec;
using platform::WindowRef;
using platform::fake::FakeTerminal;

// The exchange fields where the expert finds them (the published ids, in view at 736 until the
// show sequence moves them), the shortcut menu's order, and the silver round the grey separators.
TEST(Layout, TheExchangeFieldsTheMenuAndTheSeparatorsBorder) {
  std::string fields;
  for (const ControlSpec& s : form::controls()) {
    if (!s.name.starts_with("IN_") && !s.name.starts_with("OUT_")) continue;
    fields += std::string(s.name) + " " + std::to_string(s.control_id) + " " +
              std::to_string(s.bounds.left) + "," + std::to_string(s.bounds.top) + " ";
  }
  EXPECT_EQ(fields,
            "IN_ORDERS 1001 736,32 IN_READ_COMMAND 1002 736,128 IN_ASK_BID 1003 736,160 "
            "IN_ORDER_PROPERTY 1004 736,264 OUT_SELECTED_ORDER 1005 736,200 OUT_COMMAND 1006 "
            "736,288 ");
  std::string menu;
  for (const form::MenuItemSpec& item : form::popup_menu()) menu += std::string(item.caption) + "|";
  EXPECT_EQ(menu, "Закрыть все ордера|Настройки|Журнал команд|Горячие клавиши|");
  EXPECT_EQ(form::kPanelLook.line_border, 12632256u);
}

using Form = PanelUser;

TEST_F(Form, AFloatingPanelFollowsAnXorOutlineAndLandsWhereTheMouseWent) {
  auto& tpsl = c().fake<FakePanel>(names::kStopLevelsPanel);  // design place 328, 64, 305 x 153
  tpsl.press(MouseButton::kLeft, 10, 10);
  tpsl.move(15, 12);
  tpsl.move(30, 20);
  EXPECT_EQ(place(names::kStopLevelsPanel), (Bounds{328, 64, 305, 153}));  // until the release
  tpsl.release(MouseButton::kLeft, 32, 21);
  EXPECT_EQ(place(names::kStopLevelsPanel), (Bounds{350, 75, 305, 153}));  // moved by 22, 11
  // Each outline was drawn twice, so XOR leaves nothing behind.
  const Bounds first{333, 66, 305, 153}, last{348, 74, 305, 153};
  EXPECT_EQ(c().window().focus_rects(), (std::vector<Bounds>{first, first, last, last}));
  // A release with no press places its panel from the last outline (348, 74) and the last mouse
  // point (30, 20), and draws no outline.
  c().fake<FakePanel>(names::kTrailingPanel).release(MouseButton::kLeft, 10, 5);
  EXPECT_EQ(place(names::kTrailingPanel), (Bounds{328, 59, 219, 129}));
  EXPECT_EQ(c().window().focus_rects().size(), 4u);
}

// The middle and right buttons neither start nor end a drag. Main jumps to its place with no
// outline; a bound label on a floating panel drags that panel.
TEST_F(Form, OnlyTheLeftButtonDragsAndABoundLabelDragsItsOwnPanel) {
  auto& main = c().fake<FakePanel>(names::kMainPanel);
  main.press(MouseButton::kMiddle, 5, 5);
  main.press(MouseButton::kRight, 5, 5);
  EXPECT_FALSE(form->drag_state().dragging);
  main.press(MouseButton::kLeft, 5, 5);
  main.move(20, 5);
  main.release(MouseButton::kRight, 15, 5);
  main.release(MouseButton::kMiddle, 15, 5);
  EXPECT_TRUE(form->drag_state().dragging);
  main.release(MouseButton::kLeft, 25, 5);
  EXPECT_EQ(place(names::kMainPanel), (Bounds{20, 0, 285, 257}));
  EXPECT_TRUE(c().window().focus_rects().empty());
  EXPECT_TRUE(shape_is({names::kMainPanel}));  // the shape followed
  auto& label = c().fake<platform::fake::FakeLabel>(names::kSettingsTitle);
  label.press(MouseButton::kLeft, 3, 4);  // label coordinates
  label.release(MouseButton::kLeft, 10, 12);
  EXPECT_EQ(place(names::kSettingsPanel), (Bounds{367, 304, 337, 329}));
}

// The user's click in the orders list publishes its ticket at once, not at the next link tick.
TEST_F(Form, AClickInTheOrdersListReachesTheExpertAtOnce) {
  stop_timers();
  report_orders("A (1)\r\nB (2)\r\n");
  EXPECT_EQ(text("OUT_SELECTED_ORDER"), "A ");
  c().fake<platform::fake::FakeListBox>(names::kOrdersList).user_select(1);
  EXPECT_EQ(text("OUT_SELECTED_ORDER"), "B ");
}

// A control set that lacks most buttons: each lookup that fails must not stop the rest.
struct SparseControls : platform::ControlRegistry {
  SparseControls() {
    add(names::kCloseButton, first);
    add(names::kSettingsApply, last);
  }
  platform::PanelWindow& window() override { return window_; }
  void set_hint(std::string_view, std::string_view) override {}
  platform::fake::FakePanelWindow window_{{0, 0, 10, 10}};
  platform::fake::FakeButton first, last;
};

TEST(refresh_panel_buttons, AMissingButtonDoesNotStopTheOthers) {
  SparseControls controls;
  form::refresh_panel_buttons(controls);
  EXPECT_EQ(controls.first.repaints() + controls.last.repaints(), 2);
  EXPECT_EQ(controls.window_.posted_keys(), std::vector<int>{platform::kVkAlt});
}

TEST(find_window_by_text, ComparesWholeTextsBelowTheRootSkipsHungWindowsAndSurvivesADeepTree) {
  FakeTerminal t;
  const WindowRef root = t.add_window(platform::kNoWindow, "Стоп");  // not a candidate itself
  t.add_window(root, "Стоп ");
  t.set_hung(t.add_window(root, "Стоп"), true);  // cannot be read: skipped, the search goes on
  WindowRef deepest = t.add_window(root, "Стопка");
  EXPECT_EQ(terminal::find_window_by_text(t, root, "Стоп"), platform::kNoWindow);
  for (int i = 0; i < 20000; ++i) deepest = t.add_window(deepest, "");
  const WindowRef found = t.add_window(deepest, "Стоп");
  EXPECT_EQ(terminal::find_window_by_text(t, root, "Стоп"), found);
  EXPECT_EQ(terminal::find_window_by_text(t, platform::kNoWindow, "Стоп"), platform::kNoWindow);
}

// Windows moving between siblings during a walk can lead it round in a circle: it must end.
TEST(find_window_by_text, AWalkEndsWhateverTheWindowsDoMeanwhile) {
  struct CirclingTerminal : FakeTerminal {
    WindowRef next_sibling(WindowRef window) const override {
      const WindowRef next = FakeTerminal::next_sibling(window);
      return next == platform::kNoWindow ? first_child(parent(window)) : next;
    }
  } t;
  const WindowRef root = t.add_window(platform::kNoWindow);
  t.add_window(root, "a");
  t.add_window(root, "b");
  EXPECT_EQ(terminal::find_window_by_text(t, root, "Стоп"), platform::kNoWindow);
}

TEST(ChartParameter, ReadsA32BitWholeNumberOrFailsWithTheToolkitMessage) {
  EXPECT_EQ(terminal::chart_window_of("  +12"), WindowRef{12});
  EXPECT_EQ(terminal::chart_window_of("2147483647"), WindowRef{2147483647});
  // A negative number is the handle whose 32-bit form it is, sign-extended like a handle.
  EXPECT_EQ(terminal::chart_window_of("-2147483648"),
            static_cast<WindowRef>(std::intptr_t{INT32_MIN}));
  for (const char* bad :
       {"", "abc", "1a", "12 ", "1.5", "1e3", "0x10", "2147483648", "99999999999", "-", "+-5"}) {
    try {
      terminal::chart_window_of(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const terminal::InvalidInteger& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  // The test value names no window, even on systems that would take 100 for a handle.
  EXPECT_TRUE(terminal::is_test_value("100") && !terminal::is_test_value("0100"));
  EXPECT_EQ(terminal::chart_window_of("100"), platform::kNoWindow);
}

}  // namespace
}  // namespace pelmora::testing
