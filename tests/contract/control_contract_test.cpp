// The control contract of platform/controls.h, checked against whichever backend this program
// is built with: the fake natively, the real Win32 controls under Wine. A case that passes on
// one backend and fails on the other means the fake has drifted from the real thing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "contract/backend.h"

namespace pelmora::contract {
namespace {

using platform::ListBox;
using Texts = std::vector<std::string>;

class ControlContract : public ::testing::Test {
 protected:
  std::unique_ptr<Backend> backend_ = make_backend();
  Backend& b = *backend_;
};

// Both kinds of edit: the single-line fields and the multi-line IN_ORDERS.
class EditContract : public ControlContract, public ::testing::WithParamInterface<bool> {
 protected:
  platform::Edit& edit = b.make_edit(GetParam());
  Texts seen;  // the text as the change handler saw it, once per call
  void SetUp() override {
    edit.set_on_change([this] { seen.push_back(edit.text()); });
  }
};

TEST_P(EditContract, RaisesTheChangeInsideTheWriteOnlyOnARealChangeWhoeverWrites) {
  const std::string lines = "12345 (buy 0.10)\r\n12346 (Продажа 1.00)";
  edit.set_text(lines);
  EXPECT_EQ(seen, Texts{lines});  // before the write returned
  edit.set_text(lines);
  b.write_from_outside(edit, "READ_OK");
  EXPECT_EQ(seen, (Texts{lines, "READ_OK"}));
  b.write_from_outside(edit, "READ_OK");
  b.user_paste(edit, "Стоп");
  edit.set_text("Стоп");  // the program writing what the user wrote is no change either
  edit.set_text("");
  edit.set_text("");
  EXPECT_EQ(seen, (Texts{lines, "READ_OK", "Стоп", ""}));
}

// Reads between writes may be answered without asking the control again; whoever writes next,
// the following read must see it.
TEST_P(EditContract, EachReadSeesTheLastWriteWhoeverWrote) {
  edit.set_on_change({});
  for (int round = 0; round < 2; ++round) {
    edit.set_text("1");
    EXPECT_EQ(edit.text(), "1");
    b.write_from_outside(edit, "READ_OK");
    EXPECT_EQ(edit.text(), "READ_OK");
    EXPECT_EQ(edit.text(), "READ_OK");
    b.user_paste(edit, "Стоп");
    EXPECT_EQ(edit.text(), "Стоп");
  }
}

TEST_P(EditContract, HandlerThatRewritesTheFieldSeesEachTextOnce) {
  edit.set_on_change([this] {
    seen.push_back(edit.text());
    if (edit.text() == "0") edit.set_text("0.01");
  });
  edit.set_text("0");
  EXPECT_EQ(seen, (Texts{"0", "0.01"}));
  EXPECT_EQ(edit.text(), "0.01");
}

// A distance field whose handler writes its price field: the price's handler runs inside, before
// the distance's handler goes on, and only when the price's text really changes, although a real
// edit notifies its parent of every write.
TEST_F(ControlContract, AChangeHandlerWritingAnotherEditRunsThatEditsHandlerNested) {
  platform::Edit& distance = b.make_edit(false);
  platform::Edit& price = b.make_edit(false);
  Texts events;
  price.set_on_change([&] { events.push_back("price " + price.text()); });
  distance.set_on_change([&] {
    events.push_back("distance " + distance.text());
    price.set_text(distance.text() == "0" ? "0" : "1.245");
    events.push_back("done");
  });
  distance.set_text("50");
  distance.set_text("50");
  b.write_from_outside(distance, "49");  // the same price: only the distance's handler
  b.user_paste(distance, "0");
  EXPECT_EQ(events, (Texts{"distance 50", "price 1.245", "done", "distance 49", "done",
                           "distance 0", "price 0", "done"}));
}

INSTANTIATE_TEST_SUITE_P(SingleAndMultiLine, EditContract, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "MultiLine" : "SingleLine"; });

// A list with items "A", "B", "C" and a counter of the user's selections.
class ListContract : public ControlContract {
 protected:
  ListBox& list = b.make_list_box();
  int user_selections = 0;
  void SetUp() override {
    for (const char* text : {"A", "B", "C"}) list.append(text);
    list.set_on_select([this] { ++user_selections; });
  }
  Texts items() const {
    Texts out;
    for (int i = 0; i < list.count(); ++i) out.push_back(list.item(i));
    return out;
  }
};

TEST_F(ListContract, ReplacingInPlaceKeepsTheSelectedPositionSilentlyAndSkipsUnchangedItems) {
  list.select(1);
  const int writes = b.item_writes(list);
  list.replace(0, "A");
  list.replace(3, "out of range");
  list.replace(-1, "out of range");
  EXPECT_EQ(b.item_writes(list), writes);
  list.replace(1, "12345 (Стоп)");  // the selected item itself
  list.replace(2, "C2");
  EXPECT_EQ(b.item_writes(list), writes + 2);
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(items(), (Texts{"A", "12345 (Стоп)", "C2"}));
  list.select(ListBox::kNoSelection);
  list.replace(1, "B3");
  EXPECT_EQ(list.selected(), ListBox::kNoSelection);
  EXPECT_EQ(user_selections, 0);
}

// The keyboard's moves are the end-to-end link test's: there the ticket follows the down key.
TEST_F(ListContract, OnlyTheUsersMovesRaiseTheHandlerAndTruncatingOrClearingCanEndTheSelection) {
  b.user_click_item(list, 0);
  EXPECT_EQ(list.selected(), 0);
  EXPECT_EQ(user_selections, 1);
  list.select(7);  // out of range: nothing selected
  EXPECT_EQ(list.selected(), ListBox::kNoSelection);
  list.select(2);
  list.truncate(2);
  EXPECT_EQ(items(), (Texts{"A", "B"}));
  EXPECT_EQ(list.selected(), ListBox::kNoSelection);
  list.select(0);
  list.truncate(1);
  list.truncate(5);
  EXPECT_EQ(items(), Texts{"A"});
  EXPECT_EQ(list.selected(), 0);
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.selected(), ListBox::kNoSelection);
  EXPECT_EQ(list.item(0), "");
  EXPECT_EQ(user_selections, 1);  // the program's own moves raise nothing
}

TEST_F(ControlContract, ClicksCountOnlyWhileEnabledAndForButtonsVisible) {
  platform::Button& button = b.make_button("CLOSE");
  platform::MenuItem& item = b.make_menu_item("Закрыть все ордера");
  int clicks = 0;
  button.set_on_click([&] { ++clicks; });
  item.set_on_click([&] { clicks += 10; });
  button.set_enabled(false);
  item.set_enabled(false);
  b.user_click(button);
  b.user_click(item);
  EXPECT_EQ(clicks, 0);
  button.set_enabled(true);
  item.set_enabled(true);
  button.set_visible(false);
  b.user_click(button);
  EXPECT_EQ(clicks, 0);
  button.set_visible(true);
  b.user_click(button);
  b.user_click(item);
  EXPECT_EQ(clicks, 11);
}

TEST_F(ControlContract, CaptionsRoundTripUnicodeAndMovesKeepTheSize) {
  platform::Button& button = b.make_button("T-SL");
  button.set_text("Стоп");
  EXPECT_EQ(button.text(), "Стоп");
  const platform::Bounds before = button.bounds();
  button.set_position(before.left + 5, before.top + 7);
  EXPECT_EQ(button.bounds(),
            (platform::Bounds{before.left + 5, before.top + 7, before.width, before.height}));
}

TEST_F(ControlContract, TimerTicksOnlyWhileEnabledAndANewIntervalTakesEffect) {
  platform::Timer& timer = b.make_timer(10, false);
  int ticks = 0;
  timer.set_on_tick([&] {
    if (++ticks == 3) timer.set_enabled(false);
  });
  timer.set_interval_ms(20);  // a new interval does not start a disabled timer
  b.run_for(100);
  EXPECT_EQ(ticks, 0);
  timer.set_enabled(true);
  ASSERT_TRUE(b.run_until([&] { return ticks >= 3; }));
  b.run_for(100);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timer.enabled());

  platform::Timer& slow = b.make_timer(600000, true);
  slow.set_on_tick([&] { ++ticks; });
  slow.set_interval_ms(10);
  EXPECT_TRUE(b.run_until([&] { return ticks >= 5; }));
}

// A handler that fails shows its text in the general error box, once, and ends only its own
// event: the next click, change or tick runs normally.
TEST_F(ControlContract, AFailingHandlerShowsTheErrorBoxOnceAndTheNextEventRunsNormally) {
  platform::Button& button = b.make_button("BUY");
  platform::Edit& edit = b.make_edit(false);
  platform::Timer& timer = b.make_timer(10, false);
  int clicks = 0, changes = 0, ticks = 0;
  button.set_on_click([&] {
    if (++clicks == 1) throw std::runtime_error("Failed to set data for 'WND_X'");
  });
  edit.set_on_change([&] {
    if (++changes == 1) throw 42;  // not a std::exception
  });
  timer.set_on_tick([&] {
    if (++ticks == 1) throw std::invalid_argument("'abc' is not a valid integer value");
  });
  const Texts shown = b.error_boxes_during([&] {
    b.user_click(button);
    b.user_click(button);
    edit.set_text("0.10");
    b.user_paste(edit, "0.20");
    timer.set_enabled(true);
    b.run_until([&] { return ticks >= 2; });
    timer.set_enabled(false);
  });
  EXPECT_EQ(shown, (Texts{"Failed to set data for 'WND_X'", "Unknown error",
                          "'abc' is not a valid integer value"}));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(changes, 2);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(edit.text(), "0.20");
}

}  // namespace
}  // namespace pelmora::contract
