// The texts of the link: the order lines, the selected ticket and the order property record it
// reads, and the command texts it writes (a wire format: every ";" and every blank counts).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

// The list shows only the start of a long line, but always enough of it for the same ticket,
// and never half a character.
TEST(OrderLines, ALongLineIsShownByItsStartWithItsWholeTicket) {
  const std::string x(100000, 'x');
  std::string cyrillic;
  for (int i = 0; i < 50000; ++i) cyrillic += "Я";
  const struct {
    std::string line;
    bool whole_characters;
  } cases[] = {{"12345 (buy 0.10)", true},
               {"12345 (" + x, true},
               {x, true},
               {"12345 (" + cyrillic, true},
               {"1 (" + std::string(396, 'a') + cyrillic, true},
               {std::string(399, '1') + " (" + x, true},
               {std::string(5000, '7') + " (" + x, true},
               {std::string(397, '1') + " (" + std::string(100000, '\x80'), false}};
  for (const auto& c : cases) {
    const std::string_view shown = shown_line(c.line);
    const std::string_view ticket = ticket_of_line(c.line);
    EXPECT_EQ(c.line.substr(0, shown.size()), shown);
    EXPECT_EQ(ticket_of_line(shown), ticket);
    EXPECT_GE(shown.size(), std::min<size_t>(c.line.size(), 200));
    EXPECT_LE(shown.size(), std::max<size_t>(1000, ticket.size() + 1));
    if (c.whole_characters && shown.size() < c.line.size()) {
      EXPECT_NE(static_cast<unsigned char>(c.line[shown.size()]) & 0xC0, 0x80);
    }
  }
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
