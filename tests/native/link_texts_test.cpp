// The texts of the link: the order lines, the selected ticket and the order property record it
// reads, and the command texts it writes (a wire format: every ";" and every blank counts).
#include <gtest/gtest.h>

#include <functional>

#include "link/command_writer.h"
#include "link/order_lines.h"
#include "link/order_property.h"
#include "platform/fake/fake_controls.h"

namespace pelmora::link {
namespace {

TEST(OrderLines, SplitAtEveryKindOfBreakDroppingOnlyAnEmptyLastLine) {
  using L = std::vector<std::string_view>;
  const struct {
    std::string_view text;
    L lines;
  } cases[] = {{"", {}},
               {"A\r\n", {"A"}},
               {"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
               {"A\r\n\r\nB\r\n\r\n", {"A", "", "B", ""}},
               {"\n\r", {"", ""}}};
  L lines;
  for (const auto& c : cases) {
    split_order_lines(c.text, lines);
    EXPECT_EQ(lines, c.lines) << c.text;
  }
  split_order_lines("A\nB\nC\n", lines, 2);
  EXPECT_EQ(lines, (L{"A", "B"}));
  EXPECT_EQ(ticket_of_line("1 (a) (b)"), "1 ");
  EXPECT_EQ(ticket_of_line("12345(buy)"), "");
}

TEST(OrderProperty, AMissingSeparatorRestartsTheSearchFromTheBeginning) {
  using F = std::array<std::string_view, kOrderPropertyFields>;
  EXPECT_EQ(split_order_property("x;1;2"), (F{"x", "1", "", "x", "1", "", "x", "1", ""}));
}

TEST(OrderProperty, EveryFieldGoesToItsVariableAndABadTypeChangesNothing) {
  OrderVariables v;
  read_order_property("x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;", v);
  EXPECT_EQ(v, (OrderVariables{1, 1.3050, 1.3100, 1.2950, 0.0001, 0.1}));
  for (const char* record : {"x;sell;1.5;;;;;;", "x;;1.5;;;;;;", "x;1.5;1.5;;;;;;"}) {
    read_order_property(record, v);
    EXPECT_EQ(v, (OrderVariables{1, 1.5, 0, 0, 0, 0})) << record;
  }
}

TEST(Commands, EveryVerbHasExactlyFourSeparatorsCarriesFieldsAsTheyStandAndReplacesTheLast) {
  platform::fake::FakeEdit out("OPEN_SELL;0.01;;;");  // a command the expert has not read yet
  int changes = 0;
  out.set_on_change([&] { ++changes; });
  CommandWriter w(out);
  const struct {
    std::function<void()> write;
    std::string_view text;
  } cases[] = {
      {[&] { w.open_buy("0.10"); }, "OPEN_BUY;0.10;;;"},
      {[&] { w.open_sell(" 1,5 "); }, "OPEN_SELL; 1,5 ;;;"},
      {[&] { w.open_buy(""); }, "OPEN_BUY;;;;"},
      {[&] { w.close_all(); }, "CLOSE_ALL;;;;"},
      {[&] { w.close("12345 "); }, "CLOSE;12345 ;;;"},
      {[&] { w.close("-1"); }, "CLOSE;-1;;;"},
      {[&] { w.set_tsl("12345 ", "30"); }, "SET_TSL;12345 ;30;;"},
      {[&] { w.set_tp_sl("12345 ", "1.2950", "1.3150"); }, "SET_TP_SL;12345 ;1.2950;1.3150;"},
  };
  for (const auto& c : cases) {
    c.write();
    EXPECT_EQ(out.text(), c.text);
  }
  EXPECT_EQ(changes, 8);  // each one written whole, once
}

}  // namespace
}  // namespace pelmora::link
