// TForm1 on the in-memory form: what the Wine tests of the real form do not see, namely the XOR
// outline of a floating drag, a label dragging a floating panel, the middle button, and
// RefreshPanelButtons on a control set that lacks buttons.
#include <gtest/gtest.h>

#include "panel_world.h"
#include "shell/refresh_panel_buttons.h"

namespace pelmora::testing {
namespace {

struct FormFixture : PanelUser {
  FakePanel& panel(std::string_view name) { return c().fake<FakePanel>(name); }
  const std::vector<Bounds>& outlines() { return c().window().focus_rects(); }
};

TEST_F(FormFixture, FloatingPanelFollowsAnXorOutlineAndLandsWhereTheMouseWent) {
  FakePanel& tpsl = panel("SET_TP_SL_WND");  // design place 328, 64, 305 x 153
  tpsl.press(MouseButton::kLeft, 10, 10);
  tpsl.move(15, 12);
  EXPECT_EQ(outlines(), (std::vector<Bounds>{{333, 66, 305, 153}}));
  tpsl.move(30, 20);
  EXPECT_EQ(place("SET_TP_SL_WND"), (Bounds{328, 64, 305, 153}));  // stays until release
  tpsl.release(MouseButton::kLeft, 32, 21);
  EXPECT_EQ(place("SET_TP_SL_WND"), (Bounds{350, 75, 305, 153}));  // moved by 22, 11
  // Each outline was drawn twice, so XOR leaves nothing behind.
  const Bounds first{333, 66, 305, 153}, last{348, 74, 305, 153};
  EXPECT_EQ(outlines(), (std::vector<Bounds>{first, first, last, last}));

  // A release with no press places its panel from the last outline (348, 74) and the last mouse
  // point (30, 20), and draws no outline.
  panel("SET_TSL_WND").release(MouseButton::kLeft, 10, 5);
  EXPECT_EQ(place("SET_TSL_WND"), (Bounds{328, 59, 219, 129}));
  EXPECT_EQ(outlines().size(), 4u);
}

// The middle and right buttons neither start nor end a drag. A bound label on a floating panel
// drags that panel (the Wine tests drag main by Label7 and try an unbound label).
TEST_F(FormFixture, OnlyTheLeftButtonDragsAndABoundLabelDragsItsOwnPanel) {
  FakePanel& main = panel("main");
  main.press(MouseButton::kMiddle, 5, 5);
  main.move(50, 50);
  main.release(MouseButton::kMiddle, 50, 50);
  EXPECT_EQ(place("main"), (Bounds{0, 0, 285, 257}));  // a first start: nothing stored

  main.press(MouseButton::kLeft, 5, 5);
  main.move(20, 5);
  main.release(MouseButton::kRight, 15, 5);
  main.release(MouseButton::kMiddle, 15, 5);
  EXPECT_TRUE(form->drag_state().Dragging);
  main.release(MouseButton::kLeft, 25, 5);
  EXPECT_EQ(place("main"), (Bounds{20, 0, 285, 257}));
  EXPECT_TRUE(outlines().empty());  // main jumps to its place: no outline on the way
  EXPECT_TRUE(shape_is({"main"}));  // the shape followed

  auto& label = c().fake<platform::fake::FakeLabel>("Label17");
  label.press(MouseButton::kLeft, 3, 4);  // label coordinates
  label.release(MouseButton::kLeft, 10, 12);
  EXPECT_EQ(place("Properties"), (Bounds{367, 304, 337, 329}));
}

// A control set that lacks most buttons: each lookup that fails must not stop the rest.
struct SparseControls : platform::ControlRegistry {
  SparseControls() {
    add("Button7", first);
    add("Button13", last);
  }
  platform::PanelWindow& window() override { return window_; }
  void set_hint(std::string_view, std::string_view) override {}
  platform::fake::FakePanelWindow window_{{0, 0, 10, 10}};
  platform::fake::FakeButton first, last;
};

TEST(RefreshPanelButtons, AMissingButtonDoesNotStopTheOthers) {
  SparseControls controls;
  shell::RefreshPanelButtons(controls);
  EXPECT_EQ(controls.first.repaints(), 1);
  EXPECT_EQ(controls.last.repaints(), 1);
  EXPECT_EQ(controls.window_.posted_keys(), std::vector<int>{platform::kVkAlt});
}

}  // namespace
}  // namespace pelmora::testing
