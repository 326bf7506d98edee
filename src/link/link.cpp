// The link tick and update_selected_order. Exchange fields are read through the controls every
// time: the terminal side may have changed them at any moment.
#include "link/link.h"

#include <optional>
#include <string>

#include "common/silently.h"
#include "link/lot_field.h"
#include "link/order_lines.h"
#include "link/order_property.h"

namespace pelmora::link {

namespace {

// Resumes the list's repainting however the rebuild ends, so a failure inside it cannot leave
// the list frozen.
class RedrawSuspension {
 public:
  explicit RedrawSuspension(platform::ListBox& list) : list_(list) { list_.set_redraw(false); }
  ~RedrawSuspension() {
    common::silently([this] { list_.set_redraw(true); });
  }
  RedrawSuspension(const RedrawSuspension&) = delete;
  RedrawSuspension& operator=(const RedrawSuspension&) = delete;

 private:
  platform::ListBox& list_;
};

}  // namespace

Link::Link(LinkFields fields, OrderVariables& order, CommandWriter& commands,
           OrdersPresent orders_present)
    : c_(fields), orders_present_(std::move(orders_present)), order_(order), commands_(commands) {}

// A failing stage ends silently; the next one and the next tick run as usual.
void Link::update_selected_order() noexcept {
  using common::silently;
  silently([this] { publish_selected_ticket(); });
  silently([this] { read_order_property_and_check_lot(); });
  if (order_.lot_step == 0) order_.lot_step = 0.01;
}

void Link::publish_selected_ticket() {
  const int selected = c_.orders_list.selected();
  if (selected == platform::ListBox::kNoSelection) {
    publish("-1");
    return;
  }
  const std::string line = c_.orders_list.item(selected);
  publish(ticket_of_line(line));
}

// Writes only a different value: the field is read back rather than remembered, because the
// terminal side may have written it since. A same-value write would change nothing the terminal
// side or the change handlers see, yet cost a message round at every tick.
void Link::publish(std::string_view ticket) {
  if (c_.OUT_SELECTED_ORDER.text() != ticket) c_.OUT_SELECTED_ORDER.set_text(ticket);
}

void Link::read_order_property_and_check_lot() {
  read_order_property(c_.IN_ORDER_PROPERTY.text(), order_);
  // A lot on its way ("0" and "." before "0.5") is left to the user until the field is left.
  if (!c_.lot_field.has_focus()) keep_lot_at_step(c_.lot_field, order_.lot_step);
}

void Link::tick() noexcept {
  common::silently([this] { tick_steps(); });
}

void Link::tick_steps() {
  update_selected_order();
  commands_.handshake();

  std::string orders = c_.IN_ORDERS.text();
  if (orders != mirrored_) take_orders(std::move(orders));
  if (!has_orders_) return;
  if (c_.orders_list.count() > 0 && c_.orders_list.selected() == platform::ListBox::kNoSelection) {
    c_.orders_list.select(0);
  }
  update_selected_order();
}

// Splits a changed IN_ORDERS text and brings the list and the order actions in line with it.
// The text counts as mirrored only once all of that is done, so a failure is retried next tick.
void Link::take_orders(std::string orders) {
  mirrored_.reset();
  split_order_lines(orders, lines_);
  has_orders_ = !lines_.empty();
  if (has_orders_) {
    orders_present_(true);
    mirror_orders(lines_);
  } else {
    if (c_.orders_list.count() > 0) c_.orders_list.clear();
    orders_present_(false);
  }
  lines_.clear();  // its views point into this text
  mirrored_ = std::move(orders);
}

// Items are replaced in place, not cleared and refilled, so the selected position stays put.
// Repainting is suspended only once an item really changes: resuming it repaints the whole list.
void Link::mirror_orders(const std::vector<std::string_view>& lines) {
  platform::ListBox& list = c_.orders_list;
  std::optional<RedrawSuspension> suspension;
  const auto changing = [&] {
    if (!suspension) suspension.emplace(list);
  };
  const int n = static_cast<int>(lines.size());
  const int existing = list.count();
  for (int i = 0; i < n; ++i) {
    const std::string_view shown = shown_line(lines[static_cast<size_t>(i)]);
    if (i >= existing) {
      changing();
      list.append(shown);
    } else if (list.item(i) != shown) {  // an unchanged item is not rewritten
      changing();
      list.replace(i, shown);
    }
  }
  if (existing > n) {
    changing();
    list.truncate(n);
  }
}

}  // namespace pelmora::link
