// The texts of the link: the order lines, the selected ticket and the order property record it
// reads, and the command texts it writes (a wire format: every ";" and every blank counts).
#include <gtest/gtest.h>

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

// The other verbs are written by the form's handlers, whose tests pin their texts.
TEST(Commands, SetTpSlCarriesTheTicketThenStopLossThenTakeProfitAsTheyStand) {
  platform::fake::FakeEdit out("OPEN_SELL;0.01;;;");
  CommandWriter(out).set_tp_sl("12345 ", "1.2950", "");
  EXPECT_EQ(out.text(), "SET_TP_SL;12345 ;1.2950;;");
}

}  // namespace
}  // namespace pelmora::link
