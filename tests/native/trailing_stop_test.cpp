// The trailing-stop window on the real form: it takes main's place and gives it back where it
// was dragged to, Apply sends the ticket selected at that moment, and the distance spin.
#include <gtest/gtest.h>

#include "panel_user.h"

namespace pelmora::testing {
namespace {

using platform::Bounds;
using platform::MouseButton;

struct TrailingStop : PanelUser {
  TrailingStop() { report_orders("12345 (buy 0.10)\r\n"); }  // enables T-SL

  Bounds place(std::string_view name) { return fake.control(name).bounds(); }
  // Which of the two panels shows, and whether the window's shape is cut to it.
  bool window_open() {
    const bool open = fake.control("SET_TSL_WND").visible();
    const Bounds shown = place(open ? "SET_TSL_WND" : "main");
    EXPECT_NE(open, fake.control("main").visible());
    EXPECT_EQ(std::ranges::count(fake.window().shape(), shown), 1);
    return open;
  }
  std::string label() { return fake.label("Label5").text(); }
};

TEST_F(TrailingStop, OpensInMainsPlaceAndCancelPutsMainWhereTheWindowWasDragged) {
  const Bounds main = place("main");
  EXPECT_EQ(journal([&] { button("Button4").click(); }), "RW");
  EXPECT_TRUE(window_open());
  EXPECT_EQ(label(), "Сделка #12345 ");
  EXPECT_EQ(place("SET_TSL_WND").left, main.left);
  EXPECT_EQ(place("SET_TSL_WND").top, main.top);

  auto& window = fake.fake<FakePanel>("SET_TSL_WND");
  window.press(MouseButton::kLeft, 10, 10);
  window.move(50, 40);
  window.release(MouseButton::kLeft, 50, 40);
  EXPECT_EQ(journal([&] { button("Button5").click(); }), "RW");
  EXPECT_FALSE(window_open());
  EXPECT_EQ(place("main"), (Bounds{main.left + 40, main.top + 30, main.width, main.height}));
  EXPECT_EQ(command(), "");
}

TEST_F(TrailingStop, ApplySendsTheTicketSelectedAtApplyAndTheDistanceAsTyped) {
  button("Button4").click();
  edit("Edit7").type(" 30x");
  report_orders("777 (sell 0.20)\r\n");  // the expert replaced the selected order
  EXPECT_EQ(label(), "Сделка #12345 ");
  EXPECT_EQ(journal([&] { button("Button6").click(); }), "RCW");
  EXPECT_EQ(command(), "SET_TSL;777 ; 30x;;");
  EXPECT_FALSE(window_open());
}

TEST_F(TrailingStop, DistanceSpinStepsWholeUnitsNeverBelowZero) {
  const struct {
    const char* distance;
    bool up;
    const char* after;
    int refreshes;  // one per real change of the field's text
    bool number;    // the text read as a number
  } cases[] = {
      {"0", false, "0", 0, true},       {"15", true, "16", 1, true},
      {"2,5", true, "4", 2, true},      {"-7", true, "0", 1, true},
      {"abc", true, "abc", 0, false},   {"abc", false, "abc", 0, false},
      {"2,5,", true, "2.5.", 1, false},
  };
  button("Button4").click();
  for (const auto& c : cases) {
    edit("Edit7").type(c.distance);
    const size_t shown = messages();
    const int refreshed = refreshes();
    c.up ? spin("RzSpinButtons3").click_up() : spin("RzSpinButtons3").click_down();

    const std::string trace = std::string(c.distance) + (c.up ? " up" : " down");
    EXPECT_EQ(edit("Edit7").text(), c.after) << trace;
    EXPECT_EQ(refreshes() - refreshed, c.refreshes) << trace;
    EXPECT_EQ(messages(), shown + (!c.number && c.up ? 1 : 0)) << trace;
    EXPECT_EQ(fake.focused(), c.number ? "IN_ORDERS" : "Edit7") << trace;
  }
  EXPECT_EQ(roles.messages.messages().back(), "Lot size error!");
  EXPECT_EQ(journal([&] { edit("Edit7").key_down(); }), "R");
}

}  // namespace
}  // namespace pelmora::testing
