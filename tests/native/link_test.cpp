// The link against in-memory controls, the test playing the terminal side: the handshake, the
// orders list and its selection, what a tick writes, the lot check and odd texts; and the texts
// the link reads and writes (order lines, the property record, commands).
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "link/command_writer.h"
#include "link/link.h"
#include "link/order_lines.h"
#include "link/order_property.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_controls.h"
#include "platform/fake/fake_journal_files.h"
#include "platform/fake/fake_ui_thread.h"

namespace pelmora::link {
namespace {

using namespace platform::fake;

struct Panel {
  FakeEdit IN_ORDERS, IN_READ_COMMAND, IN_ASK_BID, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER,
      OUT_COMMAND, lot_field{"0.10"};
  FakeListBox orders_list;
  std::optional<bool> orders_present;  // the last word the link gave
  OrderVariables order;
  ManualClock clock;
  FakeClock time{clock};
  FakeUiThread ui;
  FakeJournalFiles files{ui};
  CommandJournal journal{time, files};
  std::optional<CommandWriter> commands{
      std::in_place, CommandFields{OUT_COMMAND, IN_READ_COMMAND, IN_ASK_BID, OUT_SELECTED_ORDER},
      journal};
  Link link{{IN_ORDERS, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER, lot_field, orders_list},
            order,
            *commands,
            [this](bool present) { orders_present = present; }};

  void tick(std::string_view orders) {
    IN_ORDERS.type(orders);
    link.tick();
  }
  // The list's items, the selected one's index and the published ticket.
  std::string list() {
    std::string text;
    for (const auto& item : orders_list.items()) text += item + "|";
    return text + std::to_string(orders_list.selected()) + " " + OUT_SELECTED_ORDER.text();
  }
  // Writes of the fields, of the list's items, and suspensions of its repainting so far.
  std::vector<int> writes() {
    return {OUT_SELECTED_ORDER.writes() + OUT_COMMAND.writes() + IN_READ_COMMAND.writes() +
                lot_field.writes(),
            orders_list.item_writes(), orders_list.redraw_suspensions()};
  }
};

TEST(LinkHandshake, OnlyAnExactReadOkClearsBothFieldsAndOutCommandGoesFirst) {
  Panel p;
  for (const std::string word : {"WAIT", "read_ok", "READ_OK ", "READ_OK"}) {
    p.OUT_COMMAND.type("CLOSE_ALL;;;;");
    p.IN_READ_COMMAND.type(word);
    p.link.tick();
    EXPECT_EQ(p.OUT_COMMAND.text() + "|" + p.IN_READ_COMMAND.text(),
              word == "READ_OK" ? "|" : "CLOSE_ALL;;;;|" + word);
  }
  // A command written again the moment OUT_COMMAND is cleared keeps READ_OK standing.
  p.IN_READ_COMMAND.type("READ_OK");
  p.OUT_COMMAND.type("OPEN_BUY;0.10;;;");
  p.OUT_COMMAND.set_on_change([&] {
    if (p.OUT_COMMAND.text().empty()) p.OUT_COMMAND.type("CLOSE_ALL;;;;");
  });
  p.link.tick();
  EXPECT_EQ(p.IN_READ_COMMAND.text(), "READ_OK");
}

// One command slot and no click lost. A script, 10 ms a step: a letter is a click (CLOSE with
// that ticket), w and k the expert's WAIT and READ_OK, t a link tick, e the panel's end. Then
// OUT_COMMAND|IN_READ_COMMAND and each journalled command: ticket, fate, ms since its click and,
// if it was held while the expert was busy, for how long.
TEST(LinkHandshake, ACommandIsHeldUnderWaitWrittenAfterReadOkAndOnlyTheUntakenOneReplaced) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"AB", "CLOSE;B;;;|", "A replaced 10 ;"},
      {"AkB", "CLOSE;B;;;|", "A taken 20 ;"},
      {"AwBkt", "CLOSE;B;;;|", "A taken 40 ;"},
      {"AwBCkt", "CLOSE;C;;;|", "B replaced 10 10;A taken 50 ;"},
      {"AwBktkt", "|", "A taken 40 ;B taken 40 20;"},
      {"AwBwt", "CLOSE;A;;;|WAIT", ""},
      {"AwBe", "CLOSE;A;;;|WAIT", "B pending 10 10;A pending 30 ;"}};
  for (const auto& [script, fields, journal] : cases) {
    Panel p;
    for (const char step : std::string_view(script)) {
      p.clock.advance(10);
      if (step == 'w') p.IN_READ_COMMAND.type("WAIT");
      if (step == 'k') p.IN_READ_COMMAND.type("READ_OK");
      if (step == 't') p.link.tick();
      if (step == 'e') p.commands.reset();
      if (std::isupper(step)) p.commands->close(std::string(1, step));
    }
    std::string lines;
    std::istringstream file(p.files.text("2026-01-05.csv"));
    for (std::string line; std::getline(file, line);) {
      std::vector<std::string> f{""};  // time, command, quotes, ticket, fate, ms, held_ms
      for (const char c : line.substr(0, line.size() - 1))
        c == ',' ? f.emplace_back() : f.back() += c;
      if (f[3] != "ticket") lines += f[1][7] + (" " + f[4] + " " + f[5] + " " + f[6] + ";");
    }
    EXPECT_EQ(p.OUT_COMMAND.text() + "|" + p.IN_READ_COMMAND.text() + " " + lines,
              std::string(fields) + " " + journal)
        << script;
  }
}

// The day's file: a byte-order mark and the header, then a line per command with its click's
// time, its texts quoted (one a spreadsheet would take for a formula kept as text), its fate and
// the milliseconds to it.
TEST(CommandJournal, ALineHoldsTheClicksTimeTheTextsQuotedTheFateAndTheTime) {
  Panel p;
  p.IN_ASK_BID.type("=1.3051 / \"1.3053\"");
  p.OUT_SELECTED_ORDER.type("-1");
  p.clock.advance(86400000 + 1234);
  p.commands->close("-1");
  p.IN_READ_COMMAND.type("READ_OK");
  p.clock.advance(56);
  p.link.tick();
  EXPECT_EQ(
      p.files.text("2026-01-06.csv"),
      "\xEF\xBB\xBFtime,command,quotes,ticket,fate,ms,held_ms\r\n"
      "2026-01-06 09:30:01.234,\"CLOSE;-1;;;\",\"'=1.3051 / \"\"1.3053\"\"\",\"-1\",taken,56,\r\n");
}

// The first order is selected and published in the tick that lists it, without the user's
// handler and with one repaint; a selection follows its position, not its ticket; no orders
// empty the list. A tick that finds everything as it was writes and repaints nothing.
TEST(LinkOrdersList, TheSelectionIsAPositionAndATickWritesOnlyWhatChanged) {
  Panel p;
  bool handler_raised = false;
  p.orders_list.set_on_select([&] { handler_raised = true; });
  p.tick("A (1)\r\nB (2)\r\nC (3)");
  EXPECT_EQ(p.list(), "A (1)|B (2)|C (3)|0 A ");
  EXPECT_TRUE(p.orders_present == true && !handler_raised && !p.orders_list.redraw_suspended());
  const std::vector<int> before = p.writes();
  p.tick("A (1)\r\nB (2)\r\nC (3)\r\n");  // the same lines in another text
  p.OUT_SELECTED_ORDER.type("C ");        // the terminal side overwrote the ticket
  p.tick("A (1)\r\nB (2)\r\nC (3)\r\n");
  EXPECT_EQ(p.writes(), (std::vector{before[0] + 2, before[1], before[2]}));
  EXPECT_EQ(p.list(), "A (1)|B (2)|C (3)|0 A ");
  p.orders_list.user_select(1);
  p.tick("B (2)\r\nC (3)");
  EXPECT_EQ(p.list(), "B (2)|C (3)|1 C ");
  EXPECT_EQ(p.writes()[1], before[1] + 2);  // two items replaced in place, one taken off
  p.orders_list.user_select(1);
  p.tick("A (1)\r\n");
  EXPECT_EQ(p.list(), "A (1)|0 A ");
  p.tick("");
  EXPECT_EQ(p.orders_present, false);
  p.tick("");  // the ticket follows one tick later at the latest
  EXPECT_EQ(p.list(), "-1 -1");
}

TEST(LinkSelectedOrder, LotIsKeptAtLeastTheLotStep) {
  const std::tuple<const char*, const char*, const char*, double> cases[] = {
      {"x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;", "0.05", "0.10", 0.1},
      {"x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1", "0.05", "0.05", 0.01},     // field 9 empty
      {"x;1;1.3050;1.3100;1.2950;0.0001;5;0;\t 0.1;", "0.05", "0.10", 0.1},  // padded
      {";0;;;;;;;1;", "0,5", "1.00", 1},
      {";0;;;;;;;1;", "1,5", "1,5", 1},
      {";0;;;;;;;1;", "", "1.00", 1},
      {"", "-3", "0.00", 0.01}};
  for (const auto& [record, lot, lot_after, step_after] : cases) {
    Panel p;
    p.lot_field.type(lot);
    p.IN_ORDER_PROPERTY.type(record);
    p.link.update_selected_order();
    EXPECT_EQ(p.lot_field.text() + " " + std::to_string(p.order.lot_step),
              std::string(lot_after) + " " + std::to_string(step_after))
        << record << " / " << lot;
  }
}

// Whatever the expert writes, the list keeps at most ten thousand items and the lot step never
// becomes 0.
TEST(LinkOddTexts, AnyTextInTheInFieldsIsHandled) {
  Panel p;
  const std::string odd("1\0 (\xff\xfe\xc3)", 8);  // a NUL and invalid UTF-8
  for (const auto& text :
       {std::string(1 << 20, '\n'), std::string(1 << 20, ';'), std::string("\r\r\n;; ("), odd}) {
    p.IN_ORDER_PROPERTY.type(text);
    p.IN_READ_COMMAND.type(text);
    p.lot_field.type(text);
    p.tick(text);
    EXPECT_NE(p.order.lot_step, 0);
  }
  EXPECT_EQ(p.list(), odd + "|0 " + std::string("1\0 ", 3));
  std::string lines;
  for (int i = 0; i <= 10000; ++i) lines += std::to_string(i) + " (x)\n";
  p.tick(lines);
  EXPECT_EQ(p.orders_list.count(), 10000);
  EXPECT_EQ(p.orders_list.item(9999), "9999 (x)");
}

// The list shows only the start of a long line, but always enough of it for the same ticket,
// and never part of a character: Cyrillic takes two bytes, a musical sign four, and the cut may
// fall on any of their bytes. A line that is no UTF-8 (the last) is cut where it must be.
TEST(OrderLines, ALongLineIsShownByItsStartWithItsWholeTicket) {
  const std::string x(100000, 'x');
  std::string cyrillic, signs;
  for (int i = 0; i < 50000; ++i) cyrillic += "Я", signs += "\xF0\x9D\x84\x9E";
  const std::string lines[] = {"12345 (buy 0.10)",
                               x,
                               "12345 (" + cyrillic,
                               "1 (" + std::string(396, 'a') + cyrillic,
                               "12 (" + signs,
                               "123 (" + signs,
                               "1234 (" + signs,
                               "12345 (" + signs,
                               std::string(399, '1') + " (" + x,
                               std::string(5000, '7') + " (" + x,
                               std::string(397, '1') + " (" + std::string(100000, '\x80')};
  for (const std::string& line : lines) {
    const std::string_view shown = shown_line(line), ticket = ticket_of_line(line);
    EXPECT_TRUE(line.starts_with(shown) && ticket_of_line(shown) == ticket &&
                shown.size() >= std::min<size_t>(line.size(), 200) &&
                shown.size() <= std::max<size_t>(1000, ticket.size() + 1) &&
                (shown.size() == line.size() || line.back() == '\x80' ||
                 (static_cast<unsigned char>(line[shown.size()]) & 0xC0) != 0x80))
        << "a line of " << line.size() << " bytes shown as " << shown.size();
  }
}

// Lines split at every kind of break, an empty one counting but for the last; a ticket is the
// line up to and with the blank before its first " ("; the record's fields, and the command.
TEST(OrderTexts, LinesTicketsTheRecordsFieldsAndTheCommand) {
  std::vector<std::string_view> lines;
  split_order_lines("A\r\n\r\nB\rC\n\r", lines);
  EXPECT_EQ(lines, (std::vector<std::string_view>{"A", "", "B", "C", ""}));
  EXPECT_EQ(std::string(ticket_of_line("1 (a) (b)")) + "|" + std::string(ticket_of_line("12(a)")),
            "1 |");
  using F = std::array<std::string_view, kOrderPropertyFields>;
  EXPECT_EQ(split_order_property("x;1;2"), (F{"x", "1", "", "x", "1", "", "x", "1", ""}));
  OrderVariables v;
  read_order_property("x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;", v);
  EXPECT_EQ(v, (OrderVariables{1, 1.3050, 1.3100, 1.2950, 0.0001, 0.1}));
  for (const char* record : {"x;sell;1.5;;;;;;", "x;1.5;1.5;;;;;;"}) {
    read_order_property(record, v);
    EXPECT_EQ(v, (OrderVariables{1, 1.5, 0, 0, 0, 0})) << record;
  }
  // The other verbs are written by the form's handlers, whose tests pin their texts.
  Panel p;
  p.OUT_COMMAND.type("OPEN_SELL;0.01;;;");
  p.commands->set_tp_sl("12345 ", "1.2950", "");
  EXPECT_EQ(p.OUT_COMMAND.text(), "SET_TP_SL;12345 ;1.2950;;");
}

}  // namespace
}  // namespace pelmora::link
