// The trailing-stop window on the real form: it takes main's place and gives it back where it
// was dragged to, and Apply sends the ticket selected at that moment with the distance as typed.
#include <gtest/gtest.h>

#include "form/names.h"
#include "panel_world.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

struct TrailingStop : PanelUser {
  TrailingStop() { report_orders("12345 (buy 0.10)\r\n"); }  // enables T-SL

  // Which of the two panels shows, and whether the window's shape is cut to it.
  bool window_open() {
    const bool open = c().control(names::kTrailingPanel).visible();
    EXPECT_NE(open, c().control(names::kMainPanel).visible());
    EXPECT_TRUE(in_shape(open ? names::kTrailingPanel : names::kMainPanel));
    return open;
  }
  std::string label() { return c().label(names::kTrailingOrder).text(); }
};

TEST_F(TrailingStop, OpensInMainsPlaceCancelLeavesMainWhereDraggedApplySendsTheTicketOfThen) {
  const Bounds main = place(names::kMainPanel);
  EXPECT_EQ(journal([&] { button(names::kTrailingButton).click(); }), "RW");
  EXPECT_TRUE(window_open());
  EXPECT_EQ(label(), "Сделка #12345 ");
  EXPECT_EQ(place(names::kTrailingPanel).left, main.left);
  EXPECT_EQ(place(names::kTrailingPanel).top, main.top);

  auto& window = c().fake<FakePanel>(names::kTrailingPanel);
  window.press(MouseButton::kLeft, 10, 10);
  window.move(50, 40);
  window.release(MouseButton::kLeft, 50, 40);
  EXPECT_EQ(journal([&] { button(names::kTrailingCancel).click(); }), "RW");
  EXPECT_FALSE(window_open());
  EXPECT_EQ(place(names::kMainPanel),
            (Bounds{main.left + 40, main.top + 30, main.width, main.height}));
  EXPECT_EQ(command(), "");

  button(names::kTrailingButton).click();
  edit(names::kTrailingDistance).type(" 30x");
  EXPECT_EQ(journal([&] { edit(names::kTrailingDistance).key_down(); }), "R");
  report_orders("777 (sell 0.20)\r\n");  // the expert replaced the selected order
  EXPECT_EQ(label(), "Сделка #12345 ");
  EXPECT_EQ(journal([&] { button(names::kTrailingApply).click(); }), "RCW");
  EXPECT_EQ(command(), "SET_TSL;777 ; 30x;;");
  EXPECT_FALSE(window_open());
}

}  // namespace
}  // namespace pelmora::testing
