// The rules the layout data must keep: the form's children and their order, the places a user
// and the expert rely on, every control inside its panel, each spin pair over the right end of
// its field, and the colours of the panels, labels and separators.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/layout.h"
#include "form/names.h"

namespace pelmora::form {

namespace names = pelmora::form::names;
namespace {

using platform::Bounds;

ControlSpec spec(std::string_view name) {
  const std::optional<ControlSpec> found = find_control(name);
  if (!found) throw std::runtime_error("no control " + std::string(name));
  return *found;
}

TEST(Layout, TheFormsChildrenInCreationOrderWithTheirPlaces) {
  const struct {
    std::string_view name;
    Bounds bounds;
    bool visible;
    int border_or_id;
  } children[] = {
      {names::kSettingsPanel, {360, 296, 337, 329}, false, 2},
      {names::kStopLevelsPanel, {328, 64, 305, 153}, false, 2},
      {names::kTrailingPanel, {14, 312, 219, 129}, false, 2},
      {"IN_ORDERS", {736, 32, 129, 89}, true, 1001},
      {"IN_READ_COMMAND", {736, 128, 121, 21}, true, 1002},
      {"IN_ASK_BID", {736, 160, 121, 21}, true, 1003},
      {"IN_ORDER_PROPERTY", {736, 264, 121, 21}, true, 1004},
      {"OUT_SELECTED_ORDER", {736, 200, 121, 21}, true, 1005},
      {"OUT_COMMAND", {736, 288, 121, 21}, true, 1006},
      {names::kMainPanel, {24, 24, 285, 257}, true, 3},
  };
  std::vector<std::string_view> order;
  for (const ControlSpec& s : controls()) {
    if (s.parent.empty()) order.push_back(s.name);
  }
  ASSERT_EQ(order.size(), std::size(children));
  for (size_t i = 0; i < order.size(); ++i) {
    const auto& c = children[i];
    EXPECT_EQ(order[i], c.name);
    const ControlSpec s = spec(c.name);
    EXPECT_EQ(s.bounds, c.bounds) << c.name;
    EXPECT_EQ(s.visible, c.visible) << c.name;
    EXPECT_EQ(s.kind == ControlKind::kPanel ? s.border_width : s.control_id, c.border_or_id)
        << c.name;
  }
}

// The controls a user works with most, and those other code finds by place or text.
TEST(Layout, KeyControlsOfTheMainPanel) {
  const struct {
    std::string_view name;
    Bounds bounds;
    std::string_view text;
  } key[] = {
      {names::kQuotes, {91, 45, 100, 18}, "1.2345 / 1.2348"},
      {names::kSellButton, {16, 71, 80, 25}, "SELL"},
      {names::kLotField, {112, 73, 59, 21}, "1"},
      {names::kBuyButton, {184, 71, 80, 25}, "BUY"},
      {names::kOrdersList, {6, 128, 163, 89}, ""},
      {names::kStopLevelsButton, {192, 128, 75, 25}, "TP/SL"},
      {names::kTrailingButton, {192, 160, 75, 25}, "T-SL"},
      {names::kCloseButton, {192, 192, 75, 25}, "CLOSE"},
      {names::kSpeedSlider, {8, 224, 81, 25}, ""},
      {names::kPauseButton, {96, 224, 26, 25}, "| |"},
      {names::kStopButton, {128, 224, 41, 25}, "стоп"},
  };
  for (const auto& k : key) {
    EXPECT_EQ(spec(k.name).parent, names::kMainPanel) << k.name;
    EXPECT_EQ(spec(k.name).bounds, k.bounds) << k.name;
    EXPECT_EQ(spec(k.name).text, k.text) << k.name;
  }
  EXPECT_EQ(spec(names::kOrdersList).item_height, 13);
  EXPECT_EQ(spec(names::kSpeedSlider).slider, (SliderRange{0, 32, 26, 22, false}));
  EXPECT_FALSE(spec(names::kLotField).bevel);
}

TEST(Layout, EveryControlLiesInsideItsPanelAndEachSpinPairOverItsFieldsRightEnd) {
  int spin_pairs = 0;
  for (const ControlSpec& s : controls()) {
    if (s.parent.empty()) continue;
    const Bounds panel = spec(s.parent).bounds;
    EXPECT_TRUE(is_panel(s.parent)) << s.name;
    EXPECT_TRUE(s.bounds.left >= 0 && s.bounds.top >= 0 &&
                s.bounds.left + s.bounds.width <= panel.width &&
                s.bounds.top + s.bounds.height <= panel.height)
        << s.name << " sticks out of " << s.parent;
    if (s.kind != ControlKind::kSpinButtons) continue;
    ++spin_pairs;
    const ControlSpec field = spec(s.linked_edit);
    EXPECT_EQ(field.parent, s.parent) << s.name;
    EXPECT_EQ(s.bounds.left + s.bounds.width, field.bounds.left + field.bounds.width - 1) << s.name;
    EXPECT_GT(s.bounds.left, field.bounds.left) << s.name;
    EXPECT_GE(s.bounds.top, field.bounds.top) << s.name;
    EXPECT_EQ(s.back_colour, 3621450u) << s.name;  // see-through round the arrows
  }
  EXPECT_EQ(spin_pairs, 4);
}

TEST(Layout, ColoursOfTheFormPanelsLabelsAndSeparators) {
  EXPECT_EQ(kFormSpec.colour, 3621450u);  // the see-through key
  EXPECT_EQ(kPanelLook.fill_top, 14803425u);
  EXPECT_EQ(kPanelLook.fill_bottom, 12632256u);
  EXPECT_EQ(kPanelLook.border, 8421504u);
  EXPECT_EQ(kPanelLook.corner_radius, 10);
  EXPECT_EQ(kPanelLook.line_border, 12632256u);  // silver round the grey separator bars

  std::vector<std::string_view> dragging_labels, lines;
  for (const ControlSpec& s : controls()) {
    if (s.kind == ControlKind::kLabel) {
      EXPECT_EQ(s.colour, s.name == names::kUpdateNotice ? 255u : 5197647u) << s.name;
      if (s.drags_parent) dragging_labels.push_back(s.name);
    }
    if (s.kind == ControlKind::kLine) {
      lines.push_back(s.name);
      EXPECT_EQ(s.back_colour, 8421504u) << s.name;
      EXPECT_EQ(s.bounds.height, 3) << s.name;
    }
    if (s.kind == ControlKind::kRadioGroup) {
      EXPECT_EQ(s.back_colour, 12632256u) << s.name;
    }
  }
  std::ranges::sort(dragging_labels);
  EXPECT_EQ(dragging_labels,
            (std::vector<std::string_view>{names::kQuotes, names::kCreditSign,
                                           names::kSettingsTitle, names::kMainTitle,
                                           names::kMarketOrderCaption, names::kOrdersCaption}));
  EXPECT_EQ(lines, (std::vector<std::string_view>{names::kTopSeparator, names::kOrdersSeparator}));
}

TEST(Layout, TimersAndMenu) {
  std::string timers;
  for (const TimerSpec& t : form::timers()) {
    timers += std::string(t.name) + " " + std::to_string(t.interval_ms) + (t.enabled ? "+ " : "- ");
  }
  EXPECT_EQ(timers, "Timer1 200+ Timer2 300+ SET_TP_SL_TMR 500- Timer3 10+ Timer4 200+ ");
  ASSERT_EQ(popup_menu().size(), 2u);
  EXPECT_EQ(popup_menu()[0].caption, "Закрыть все ордера");
  EXPECT_EQ(popup_menu()[1].caption, "Настройки");
}

}  // namespace
}  // namespace pelmora::form
