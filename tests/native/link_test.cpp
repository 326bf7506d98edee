// The link tick and update_selected_order against in-memory controls; the test plays the terminal
// side.
#include <gtest/gtest.h>

#include <stdexcept>

#include "link/link.h"
#include "platform/fake/fake_controls.h"

namespace pelmora::link {
namespace {

using namespace platform::fake;
using Strings = std::vector<std::string>;

struct ThrowingEdit : FakeEdit {
  std::string text() const override { throw std::runtime_error("unreadable"); }
};
struct ThrowingListBox : FakeListBox {
  std::string item(int) const override { throw std::runtime_error("unreadable"); }
};

template <typename PropertyEdit = FakeEdit, typename List = FakeListBox>
struct Panel {
  FakeEdit IN_ORDERS, IN_READ_COMMAND, OUT_SELECTED_ORDER, OUT_COMMAND, lot_field{"0.10"};
  PropertyEdit IN_ORDER_PROPERTY;
  List orders_list;
  std::optional<bool> orders_present;  // the last word the link gave
  OrderVariables order;
  Link link{{IN_ORDERS, IN_READ_COMMAND, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER, OUT_COMMAND,
             lot_field, orders_list},
            order,
            [this](bool present) { orders_present = present; }};

  void tick(std::string_view orders) {
    IN_ORDERS.type(orders);
    link.tick();
  }
  bool buttons(bool on) const { return orders_present == on; }
};

TEST(LinkHandshake, OnlyAnExactReadOkClearsBothFieldsAndOutCommandGoesFirst) {
  Panel p;
  for (const char* word : {"WAIT", "read_ok", "READ_OK ", "READ_OK"}) {
    p.OUT_COMMAND.type("CLOSE_ALL;;;;");
    p.IN_READ_COMMAND.type(word);
    p.link.tick();
    const bool ok = std::string_view(word) == "READ_OK";
    EXPECT_EQ(p.OUT_COMMAND.text(), ok ? "" : "CLOSE_ALL;;;;") << word;
    EXPECT_EQ(p.IN_READ_COMMAND.text(), ok ? "" : word);
  }
  // A command written again the moment OUT_COMMAND is cleared keeps READ_OK standing.
  p.OUT_COMMAND.type("OPEN_BUY;0.10;;;");
  p.IN_READ_COMMAND.type("READ_OK");
  p.OUT_COMMAND.set_on_change([&] {
    if (p.OUT_COMMAND.text().empty()) p.OUT_COMMAND.type("CLOSE_ALL;;;;");
  });
  p.link.tick();
  EXPECT_EQ(p.IN_READ_COMMAND.text(), "READ_OK");
}

TEST(LinkOrdersList, FirstOrderIsSelectedAndPublishedInTheSameTickAndNoOrdersEmptyTheList) {
  Panel p;
  bool handler_raised = false;
  p.orders_list.set_on_select([&] { handler_raised = true; });
  p.tick("12345 (buy 0.10)\r\n");
  EXPECT_EQ(p.orders_list.items(), Strings{"12345 (buy 0.10)"});
  EXPECT_EQ(p.orders_list.selected(), 0);
  EXPECT_EQ(p.OUT_SELECTED_ORDER.text(), "12345 ");
  EXPECT_TRUE(p.buttons(true));
  EXPECT_FALSE(handler_raised);
  EXPECT_EQ(p.orders_list.redraw_suspensions(), 1);
  EXPECT_FALSE(p.orders_list.redraw_suspended());

  p.tick("");
  EXPECT_EQ(p.orders_list.count(), 0);
  EXPECT_TRUE(p.buttons(false));
  p.tick("");  // the ticket follows one tick later at the latest
  EXPECT_EQ(p.OUT_SELECTED_ORDER.text(), "-1");
}

TEST(LinkOrdersList, SelectionFollowsThePositionNotTheTicket) {
  const struct {
    int selected;
    const char* after;
    Strings items;
    int now_selected;
    const char* ticket;
  } cases[] = {{1, "B (2)\r\nC (3)", {"B (2)", "C (3)"}, 1, "C "},
               {2, "A (1)\r\nB (2)\r\n", {"A (1)", "B (2)"}, 0, "A "}};
  for (const auto& c : cases) {
    Panel p;
    p.tick("A (1)\r\nB (2)\r\nC (3)");
    p.orders_list.user_select(c.selected);
    p.tick(c.after);
    EXPECT_EQ(p.orders_list.items(), c.items);
    EXPECT_EQ(p.orders_list.selected(), c.now_selected);
    EXPECT_EQ(p.OUT_SELECTED_ORDER.text(), c.ticket);
  }
}

std::string order_lines(int count, int changed = -1) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += std::to_string(1000 + i) + (i == changed ? " (sell 0.20)\r\n" : " (buy 0.10)\r\n");
  }
  return text;
}

// A tick that finds everything as it was writes no field and leaves the list and its repainting
// alone; what did change is still taken in that tick, and only that.
TEST(LinkIdle, ATickWritesAndRepaintsOnlyWhatChanged) {
  const struct {
    std::string before, after;
    const char* ticket_written_between;  // by the terminal side; nullptr for none
    int field_writes, item_writes, suspensions;
    const char* ticket;
  } cases[] = {{order_lines(100), order_lines(100), nullptr, 0, 0, 0, "1000 "},
               {"", "", nullptr, 0, 0, 0, "-1"},
               {order_lines(100), order_lines(100), "1099 ", 1, 0, 0, "1000 "},
               {order_lines(100), order_lines(101).substr(0, order_lines(100).size() - 2), nullptr,
                0, 0, 0, "1000 "},  // the same lines in another text
               {order_lines(100), order_lines(100, 50), nullptr, 0, 1, 1, "1000 "},
               {order_lines(100), order_lines(100, 0), nullptr, 0, 1, 1, "1000 "},
               {order_lines(100), order_lines(99), nullptr, 0, 0, 1, "1000 "},
               {order_lines(100), "", nullptr, 1, 0, 0, "-1"}};
  for (const auto& c : cases) {
    Panel p;
    p.IN_ORDER_PROPERTY.type("1000;0;1.3050;0;0;0.0001;5;2;0.01;");
    p.tick(c.before);
    p.tick(c.before);
    if (c.ticket_written_between) p.OUT_SELECTED_ORDER.type(c.ticket_written_between);
    const auto writes = [&] {
      return p.OUT_SELECTED_ORDER.writes() + p.OUT_COMMAND.writes() + p.IN_READ_COMMAND.writes() +
             p.lot_field.writes();
    };
    const int writes_before = writes();
    const int items_before = p.orders_list.item_writes();
    const int suspensions_before = p.orders_list.redraw_suspensions();
    p.tick(c.after);
    p.tick(c.after);
    EXPECT_EQ(writes() - writes_before, c.field_writes) << c.after.size();
    EXPECT_EQ(p.orders_list.item_writes() - items_before, c.item_writes) << c.after.size();
    EXPECT_EQ(p.orders_list.redraw_suspensions() - suspensions_before, c.suspensions);
    EXPECT_EQ(p.OUT_SELECTED_ORDER.text(), c.ticket);
  }
}

TEST(LinkSelectedOrder, LotIsKeptAtLeastTheLotStep) {
  const struct {
    const char* record;
    const char* lot;
    const char* lot_after;
    double step_after;
  } cases[] = {
      {"x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;", "0.05", "0.10", 0.1},
      {"x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1", "0.05", "0.05", 0.01},     // field 9 empty
      {"x;1;1.3050;1.3100;1.2950;0.0001;5;0;\t 0.1;", "0.05", "0.10", 0.1},  // padded
      {";0;;;;;;;1;", "0,5", "1.00", 1},
      {";0;;;;;;;1;", "1,5", "1,5", 1},
      {";0;;;;;;;1;", "", "1.00", 1},
      {"", "", "", 0.01},
      {"", "-3", "0.00", 0.01},
  };
  for (const auto& c : cases) {
    Panel p;
    p.lot_field.type(c.lot);
    p.IN_ORDER_PROPERTY.type(c.record);
    p.link.update_selected_order();
    EXPECT_EQ(p.lot_field.text(), c.lot_after) << c.record << " / " << c.lot;
    EXPECT_DOUBLE_EQ(p.order.lot_step, c.step_after);
  }
}

TEST(LinkFailures, AFailingStageOrRebuildEndsQuietlyAndLeavesNothingHalfDone) {
  Panel<ThrowingEdit> unreadable_record;
  unreadable_record.order.lot_step = 0;
  EXPECT_NO_THROW(unreadable_record.tick("7 (x)"));
  EXPECT_EQ(unreadable_record.OUT_SELECTED_ORDER.text(), "7 ");
  EXPECT_DOUBLE_EQ(unreadable_record.order.lot_step, 0.01);

  Panel<FakeEdit, ThrowingListBox> unreadable_list;
  unreadable_list.tick("1 (a)");  // appended without reading anything back
  EXPECT_NO_THROW(unreadable_list.tick("2 (b)"));
  EXPECT_FALSE(unreadable_list.orders_list.redraw_suspended());
}

TEST(LinkFailures, AnyTextInTheInFieldsIsHandled) {
  Panel p;
  const std::string odd("1\0 (\xff\xfe\xc3)", 8);  // a NUL and invalid UTF-8
  for (const auto& text :
       {std::string(1 << 20, 'x'), std::string(1 << 20, '\n'), std::string(1 << 20, ';'),
        std::string(1 << 20, '9'), std::string(1 << 20, '\0'), std::string("\r\r\n\n;;; ("), odd}) {
    p.IN_ORDER_PROPERTY.type(text);
    p.IN_READ_COMMAND.type(text);
    p.lot_field.type(text);
    p.tick(text);
    EXPECT_LE(p.orders_list.count(), 10000);
    for (const auto& item : p.orders_list.items()) EXPECT_LE(item.size(), 1000u);
    EXPECT_NE(p.order.lot_step, 0);
  }
  EXPECT_EQ(p.orders_list.items(), Strings{odd});
  EXPECT_EQ(p.OUT_SELECTED_ORDER.text(), std::string("1\0 ", 3));

  // Ten thousand order lines are mirrored, no more.
  std::string lines;
  for (int i = 0; i <= 10000; ++i) lines += std::to_string(i) + " (x)\n";
  p.tick(lines);
  EXPECT_EQ(p.orders_list.count(), 10000);
  EXPECT_EQ(p.orders_list.item(9999), "9999 (x)");
}

}  // namespace
}  // namespace pelmora::link
