// PanelForm on the in-memory form: what the Wine tests of the real form do not see, namely the XOR
// outline of a floating drag, a label dragging a floating panel, the middle button, and
// refresh_panel_buttons on a control set that lacks buttons.
#include <gtest/gtest.h>

#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "panel_world.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

struct FormFixture : PanelUser {
  FakePanel& panel(std::string_view name) { return c().fake<FakePanel>(name); }
  const std::vector<Bounds>& outlines() { return c().window().focus_rects(); }
};

TEST_F(FormFixture, FloatingPanelFollowsAnXorOutlineAndLandsWhereTheMouseWent) {
  FakePanel& tpsl = panel(names::kStopLevelsPanel);  // design place 328, 64, 305 x 153
  tpsl.press(MouseButton::kLeft, 10, 10);
  tpsl.move(15, 12);
  EXPECT_EQ(outlines(), (std::vector<Bounds>{{333, 66, 305, 153}}));
  tpsl.move(30, 20);
  EXPECT_EQ(place(names::kStopLevelsPanel), (Bounds{328, 64, 305, 153}));  // stays until release
  tpsl.release(MouseButton::kLeft, 32, 21);
  EXPECT_EQ(place(names::kStopLevelsPanel), (Bounds{350, 75, 305, 153}));  // moved by 22, 11
  // Each outline was drawn twice, so XOR leaves nothing behind.
  const Bounds first{333, 66, 305, 153}, last{348, 74, 305, 153};
  EXPECT_EQ(outlines(), (std::vector<Bounds>{first, first, last, last}));

  // A release with no press places its panel from the last outline (348, 74) and the last mouse
  // point (30, 20), and draws no outline.
  panel(names::kTrailingPanel).release(MouseButton::kLeft, 10, 5);
  EXPECT_EQ(place(names::kTrailingPanel), (Bounds{328, 59, 219, 129}));
  EXPECT_EQ(outlines().size(), 4u);
}

// The middle and right buttons neither start nor end a drag. A bound label on a floating panel
// drags that panel (the Wine tests drag main by main_title and try an unbound label).
TEST_F(FormFixture, OnlyTheLeftButtonDragsAndABoundLabelDragsItsOwnPanel) {
  FakePanel& main = panel(names::kMainPanel);
  main.press(MouseButton::kMiddle, 5, 5);
  main.move(50, 50);
  main.release(MouseButton::kMiddle, 50, 50);
  EXPECT_EQ(place(names::kMainPanel), (Bounds{0, 0, 285, 257}));  // a first start: nothing stored

  main.press(MouseButton::kLeft, 5, 5);
  main.move(20, 5);
  main.release(MouseButton::kRight, 15, 5);
  main.release(MouseButton::kMiddle, 15, 5);
  EXPECT_TRUE(form->drag_state().dragging);
  main.release(MouseButton::kLeft, 25, 5);
  EXPECT_EQ(place(names::kMainPanel), (Bounds{20, 0, 285, 257}));
  EXPECT_TRUE(outlines().empty());             // main jumps to its place: no outline on the way
  EXPECT_TRUE(shape_is({names::kMainPanel}));  // the shape followed

  auto& label = c().fake<platform::fake::FakeLabel>(names::kSettingsTitle);
  label.press(MouseButton::kLeft, 3, 4);  // label coordinates
  label.release(MouseButton::kLeft, 10, 12);
  EXPECT_EQ(place(names::kSettingsPanel), (Bounds{367, 304, 337, 329}));
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
  EXPECT_EQ(controls.first.repaints(), 1);
  EXPECT_EQ(controls.last.repaints(), 1);
  EXPECT_EQ(controls.window_.posted_keys(), std::vector<int>{platform::kVkAlt});
}

}  // namespace
}  // namespace pelmora::testing
