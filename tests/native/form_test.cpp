// TForm1 on the in-memory form: panel dragging through the bound controls' mouse events, the
// window shape after panel changes, RefreshPanelButtons, and the link wired to Timer1.
#include "app/form.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/fake/fake_control_set.h"
#include "platform/fake/fake_program.h"
#include "platform/fake/fake_terminal.h"
#include "shell/layout.h"
#include "shell/window_shape.h"
#include "terminal/refresh_panel_buttons.h"

namespace pelmora::app {
namespace {

using platform::Bounds;
using platform::MouseButton;
using platform::fake::FakeButton;
using platform::fake::FakeControlSet;
using platform::fake::FakeLabel;
using platform::fake::FakePanel;

struct FormFixture : ::testing::Test {
  platform::fake::ManualClock clock;
  FakeControlSet* fake = nullptr;
  platform::fake::FakeTerminal terminal;
  platform::fake::FakeProgram program{"100"};  // the test value: no terminal, fields in view
  TForm1 form{[this] {
                auto set = std::make_unique<FakeControlSet>(clock);
                fake = set.get();
                return set;
              },
              terminal, program};

  FakePanel& panel(std::string_view name) { return fake->fake<FakePanel>(name); }
  Bounds place(std::string_view name) { return fake->control(name).bounds(); }
  const std::vector<Bounds>& outlines() { return fake->window().focus_rects(); }
  // Every outline drawn was drawn an even number of times: XOR leaves nothing behind.
  bool outlines_cleared() {
    std::map<std::tuple<int, int, int, int>, int> counts;
    for (const Bounds& b : outlines()) ++counts[{b.left, b.top, b.width, b.height}];
    for (auto& [rect, n] : counts) {
      if (n % 2) return false;
    }
    return true;
  }
};

TEST_F(FormFixture, FloatingPanelFollowsTheOutlineAndLandsWhereTheMouseWent) {
  FakePanel& tpsl = panel("SET_TP_SL_WND");  // design place 328, 64, 305 x 153
  tpsl.press(MouseButton::kLeft, 10, 10);
  tpsl.move(15, 12);
  EXPECT_EQ(outlines(), (std::vector<Bounds>{{333, 66, 305, 153}}));
  tpsl.move(30, 20);
  EXPECT_EQ(place("SET_TP_SL_WND"), (Bounds{328, 64, 305, 153}));  // stays until release
  const int shapes = fake->window().shape_changes();
  tpsl.release(MouseButton::kLeft, 32, 21);

  EXPECT_EQ(place("SET_TP_SL_WND"), (Bounds{350, 75, 305, 153}));  // moved by 22, 11
  EXPECT_EQ(outlines().back(), (Bounds{348, 74, 305, 153}));
  EXPECT_EQ(outlines().size(), 4u);
  EXPECT_TRUE(outlines_cleared());
  EXPECT_FALSE(form.drag_state().Dragging);
  EXPECT_EQ(fake->window().shape_changes(), shapes + 1);
}

TEST_F(FormFixture, MainIsDraggedByItsBoundLabelsWithoutOutline) {
  FakeLabel& title = fake->fake<FakeLabel>("Label7");
  title.press(MouseButton::kLeft, 3, 4);  // label coordinates
  title.move(53, 4);
  title.move(103, -16);
  title.release(MouseButton::kLeft, 104, -16);
  EXPECT_EQ(place("main"), (Bounds{125, 4, 285, 257}));
  EXPECT_TRUE(outlines().empty());
  // The shape follows the panel to its new place.
  EXPECT_EQ(fake->window().shape().back(), (Bounds{125, 4, 285, 257}));

  for (std::string_view bound : {"Label8", "Label9", "Label10", "Label13"}) {
    fake->fake<FakeLabel>(bound).press(MouseButton::kLeft, 0, 0);
    fake->fake<FakeLabel>(bound).release(MouseButton::kLeft, 1, 2);
  }
  EXPECT_EQ(place("main"), (Bounds{129, 12, 285, 257}));
}

TEST_F(FormFixture, OnlyTheBoundLabelsDragTheirPanel) {
  // Label17 drags Properties; the labels of the other floating panels and Label11 do not.
  fake->fake<FakeLabel>("Label17").press(MouseButton::kLeft, 0, 0);
  fake->fake<FakeLabel>("Label17").release(MouseButton::kLeft, 7, 8);
  EXPECT_EQ(place("Properties"), (Bounds{367, 304, 337, 329}));
  for (std::string_view unbound : {"Label1", "Label4", "Label5", "Label11", "Label14"}) {
    fake->fake<FakeLabel>(unbound).press(MouseButton::kLeft, 0, 0);
    fake->fake<FakeLabel>(unbound).release(MouseButton::kLeft, 50, 50);
  }
  EXPECT_EQ(place("SET_TP_SL_WND"), (Bounds{328, 64, 305, 153}));
  EXPECT_EQ(place("SET_TSL_WND"), (Bounds{14, 312, 219, 129}));
  EXPECT_EQ(place("main"), (Bounds{24, 24, 285, 257}));
}

TEST_F(FormFixture, ZeroLengthDragLeavesThePanelAndStillRebuildsTheShape) {
  const int shapes = fake->window().shape_changes();
  panel("SET_TSL_WND").press(MouseButton::kLeft, 40, 40);
  panel("SET_TSL_WND").release(MouseButton::kLeft, 40, 40);
  EXPECT_EQ(place("SET_TSL_WND"), (Bounds{14, 312, 219, 129}));
  EXPECT_EQ(fake->window().shape_changes(), shapes + 1);
  EXPECT_TRUE(outlines().empty());
}

TEST_F(FormFixture, RightAndMiddleButtonsNeitherStartNorEndADrag) {
  FakePanel& main = panel("main");
  main.press(MouseButton::kRight, 5, 5);
  main.press(MouseButton::kMiddle, 5, 5);
  EXPECT_FALSE(form.drag_state().Dragging);
  main.move(50, 50);  // moving without a drag changes nothing
  main.release(MouseButton::kRight, 50, 50);
  EXPECT_EQ(place("main"), (Bounds{24, 24, 285, 257}));

  main.press(MouseButton::kLeft, 5, 5);
  main.move(15, 5);
  main.release(MouseButton::kRight, 15, 5);  // does not end the drag
  EXPECT_TRUE(form.drag_state().Dragging);
  main.move(25, 5);
  main.release(MouseButton::kLeft, 25, 5);
  EXPECT_EQ(place("main"), (Bounds{44, 24, 285, 257}));
}

TEST_F(FormFixture, ReleaseWithoutPressPlacesFromTheCurrentOutline) {
  FakePanel& main = panel("main");
  main.press(MouseButton::kLeft, 0, 0);
  main.release(MouseButton::kLeft, 6, 0);  // main now at 30, 24; DragRect still 24, 24
  // A left release on another panel with no press places that panel from DragRect.
  panel("SET_TSL_WND").release(MouseButton::kLeft, 10, 5);
  EXPECT_EQ(place("SET_TSL_WND"), (Bounds{34, 29, 219, 129}));
  EXPECT_TRUE(outlines().empty());  // no stray outline on the screen
}

TEST_F(FormFixture, ShapeIsTheVisibleDirectChildrenAfterShowingAndHidingPanels) {
  form.Show();
  auto rects = [&] { return shell::visible_child_rects(*fake); };
  std::vector<Bounds> expected{{736, 32, 129, 89},  {736, 128, 121, 21}, {736, 160, 121, 21},
                               {736, 264, 121, 21}, {736, 200, 121, 21}, {736, 288, 121, 21},
                               {24, 24, 285, 257}};
  EXPECT_EQ(fake->window().shape(), expected);

  fake->control("SET_TP_SL_WND").set_visible(true);
  fake->control("main").set_visible(false);
  fake->control("IN_ASK_BID").set_position(-10000, 160);
  form.RebuildWindowRegion();
  EXPECT_EQ(fake->window().shape(), rects());
  EXPECT_EQ(fake->window().shape()[0], (Bounds{328, 64, 305, 153}));
  EXPECT_EQ(fake->window().shape()[3], (Bounds{-10000, 160, 121, 21}));
  EXPECT_EQ(fake->window().shape().size(), 7u);

  fake->control("SET_TP_SL_WND").set_visible(false);
  for (const auto& field : {"IN_ORDERS", "IN_READ_COMMAND", "IN_ASK_BID", "IN_ORDER_PROPERTY",
                            "OUT_SELECTED_ORDER", "OUT_COMMAND"}) {
    fake->control(field).set_visible(false);
  }
  form.RebuildWindowRegion();
  EXPECT_TRUE(fake->window().shape().empty());
}

TEST_F(FormFixture, RefreshPanelButtonsRepaintsOnlyThePanelsPushButtons) {
  fake->control("Button4").set_enabled(false);
  fake->control("Button8").set_visible(false);
  std::map<std::string, int> before;
  for (const shell::ControlSpec& s : shell::controls()) {
    if (s.kind == shell::ControlKind::kPushButton || s.kind == shell::ControlKind::kImageButton) {
      before[std::string(s.name)] = fake->fake<FakeButton>(s.name).repaints();
    }
  }
  const size_t keys = fake->window().posted_keys().size();
  form.RefreshPanelButtons();

  EXPECT_EQ(fake->window().posted_keys().size(), keys + 1);
  EXPECT_EQ(fake->window().posted_keys().back(), terminal::kAltKey);
  for (auto& [name, count] : before) {
    const bool push = name.rfind("Button", 0) == 0;
    EXPECT_EQ(fake->fake<FakeButton>(name).repaints(), count + (push ? 1 : 0)) << name;
  }
  EXPECT_EQ(before.size(), 13u);  // 11 push buttons and the 2 image buttons
  EXPECT_FALSE(fake->control("Button4").enabled());
  EXPECT_FALSE(fake->control("Button8").visible());
  EXPECT_TRUE(fake->control("Button9").visible());
  EXPECT_EQ(fake->button("Button1").text(), "| |");
}

// A control set that lacks most buttons: each lookup that fails must not stop the rest.
class SparseControls : public platform::ControlRegistry {
 public:
  SparseControls() : window_({0, 0, 10, 10}) {
    add("Button7", first_);
    add("Button13", last_);
  }
  platform::PanelWindow& window() override { return window_; }
  void set_hint(std::string_view, std::string_view) override {}
  platform::fake::FakePanelWindow window_;
  FakeButton first_, last_;
};

TEST(RefreshPanelButtons, AFailingButtonDoesNotStopTheOthers) {
  SparseControls controls;
  terminal::RefreshPanelButtons(controls);
  EXPECT_EQ(controls.first_.repaints(), 1);
  EXPECT_EQ(controls.last_.repaints(), 1);
  EXPECT_EQ(controls.window_.posted_keys(), std::vector<int>{terminal::kAltKey});
}

TEST_F(FormFixture, StartsWithTheDesignStateAndTheLinkRunsOnTimer1) {
  form.Show();
  EXPECT_TRUE(fake->window().visible());
  EXPECT_TRUE(fake->control("main").visible());
  EXPECT_FALSE(fake->control("Properties").visible());
  EXPECT_FALSE(fake->control("Label14").visible());
  EXPECT_EQ(fake->slider("TrackBar1").position(), 26);
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");  // the show sequence sets the lot step
  EXPECT_FALSE(fake->timer("SET_TP_SL_TMR").enabled());

  fake->edit("IN_ORDERS").set_text("A (1)\r\nB (2)\r\n");
  clock.advance(200);
  EXPECT_EQ(fake->list_box("ORDERS_LIST_m").count(), 2);
  EXPECT_EQ(fake->list_box("ORDERS_LIST_m").item(1), "B (2)");
  EXPECT_TRUE(fake->menu_item("N2").enabled());
}

TEST(FakeControlSet, LookupsOfAMissingNameOrTheWrongKindThrow) {
  platform::fake::ManualClock clock;
  FakeControlSet set(clock);
  EXPECT_THROW(set.edit("Label7"), std::out_of_range);
  EXPECT_THROW(set.control("Nothing"), std::out_of_range);
  EXPECT_THROW(set.text_control("main"), std::out_of_range);
  EXPECT_NO_THROW(set.text_control("Label7"));
  EXPECT_NO_THROW(set.button("SpriteButton9"));
  EXPECT_NO_THROW(set.control("AdvSplitter1"));
  EXPECT_NO_THROW(set.radio_group("RadioGroup4"));
  EXPECT_NO_THROW(set.spin_buttons("RzSpinButtons3"));
}

}  // namespace
}  // namespace pelmora::app
