// The trailing-stop window on the real form: it takes main's place and gives it back where it
// was dragged to, and Apply sends the ticket selected at that moment with the distance as typed.
#include <gtest/gtest.h>

#include "panel_world.h"

namespace pelmora::testing {
namespace {

struct TrailingStop : PanelUser {
  TrailingStop() { report_orders("12345 (buy 0.10)\r\n"); }  // enables T-SL

  // Which of the two panels shows, and whether the window's shape is cut to it.
  bool window_open() {
    const bool open = c().control("SET_TSL_WND").visible();
    EXPECT_NE(open, c().control("main").visible());
    EXPECT_TRUE(in_shape(open ? "SET_TSL_WND" : "main"));
    return open;
  }
  std::string label() { return c().label("Label5").text(); }
};

TEST_F(TrailingStop, OpensInMainsPlaceCancelLeavesMainWhereDraggedApplySendsTheTicketOfThen) {
  const Bounds main = place("main");
  EXPECT_EQ(journal([&] { button("Button4").click(); }), "RW");
  EXPECT_TRUE(window_open());
  EXPECT_EQ(label(), "Сделка #12345 ");
  EXPECT_EQ(place("SET_TSL_WND").left, main.left);
  EXPECT_EQ(place("SET_TSL_WND").top, main.top);

  auto& window = c().fake<FakePanel>("SET_TSL_WND");
  window.press(MouseButton::kLeft, 10, 10);
  window.move(50, 40);
  window.release(MouseButton::kLeft, 50, 40);
  EXPECT_EQ(journal([&] { button("Button5").click(); }), "RW");
  EXPECT_FALSE(window_open());
  EXPECT_EQ(place("main"), (Bounds{main.left + 40, main.top + 30, main.width, main.height}));
  EXPECT_EQ(command(), "");

  button("Button4").click();
  edit("Edit7").type(" 30x");
  EXPECT_EQ(journal([&] { edit("Edit7").key_down(); }), "R");
  report_orders("777 (sell 0.20)\r\n");  // the expert replaced the selected order
  EXPECT_EQ(label(), "Сделка #12345 ");
  EXPECT_EQ(journal([&] { button("Button6").click(); }), "RCW");
  EXPECT_EQ(command(), "SET_TSL;777 ; 30x;;");
  EXPECT_FALSE(window_open());
}

}  // namespace
}  // namespace pelmora::testing
