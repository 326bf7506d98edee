// The layout at the four common scales: rounding as the system's MulDiv rounds, the places,
// sizes, fonts and radii of representative controls, the exchange fields left in their own
// units, and every pair of controls on a panel keeping how their edges meet.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "shell/scaling.h"

namespace pelmora::shell {
namespace {

using platform::Bounds;

TEST(Scaling, RoundsHalfAwayFromZeroAsMulDivDoes) {
  const struct {
    int value, numerator, denominator, expected;
  } cases[] = {
      {3, 144, 96, 5}, {-3, 144, 96, -5}, {1, 120, 96, 1}, {2, 120, 96, 3}, {7, 96, 144, 5},
      {5, 96, 144, 3}, {-7, 96, 144, -5}, {4, 3, -2, -6},  {9, 5, 0, 9},  // no divisor: unchanged
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mul_div(c.value, c.numerator, c.denominator), c.expected)
        << c.value << "*" << c.numerator << "/" << c.denominator;
  }
}

ControlSpec at(std::string_view name, int dpi) {
  return scaled_control(*find_control(name), dpi);
}

TEST(Scaling, PlacesSizesFontsAndRadiiAtEachScale) {
  const struct {
    int dpi;
    Bounds main;
    int main_border;
    Bounds sell;
    int sell_font, title_font, form_font, item_height, thumb, radius, button_corner;
  } cases[] = {
      {96, {24, 24, 285, 257}, 3, {16, 71, 80, 25}, 14, 12, 11, 13, 22, 10, 8},
      {120, {30, 30, 356, 321}, 4, {20, 89, 100, 31}, 18, 15, 14, 16, 28, 13, 10},
      {144, {36, 36, 428, 386}, 5, {24, 107, 120, 37}, 21, 18, 17, 20, 33, 15, 12},
      {192, {48, 48, 570, 514}, 6, {32, 142, 160, 50}, 28, 24, 22, 26, 44, 20, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(at("main", c.dpi).bounds, c.main);
    EXPECT_EQ(at("main", c.dpi).border_width, c.main_border);
    EXPECT_EQ(at("SpriteButton9", c.dpi).bounds, c.sell);
    EXPECT_EQ(at("SpriteButton9", c.dpi).font, (Font{"Arial", c.sell_font, true}));
    EXPECT_EQ(at("Label7", c.dpi).font, (Font{"Arial", c.title_font, true}));
    EXPECT_EQ(at("Button3", c.dpi).font, (Font{kFormFontName, c.form_font, false}));
    EXPECT_EQ(at("ORDERS_LIST_m", c.dpi).item_height, c.item_height);
    EXPECT_EQ(at("TrackBar1", c.dpi).slider.thumb_length, c.thumb);
    EXPECT_EQ(scaled_look(c.dpi).corner_radius, c.radius);
    EXPECT_EQ(scaled_look(c.dpi).button_corner_diameter, c.button_corner);
    // Out of sight, and the expert relies on how the orders field wraps: never scaled.
    EXPECT_EQ(at("IN_ORDERS", c.dpi), *find_control("IN_ORDERS"));
  }
}

int compare(int a, int b) {
  return (a > b) - (a < b);
}

// Controls that touch, overlap or keep apart at 96 dots per inch do so at every scale (a spin
// pair stays over its field's right end, a control stays inside its panel): scaling sizes
// instead of edges breaks this.
TEST(Scaling, EdgesMeetAtEveryScaleAsTheyDoAt96) {
  // Left, right, then top, bottom.
  const auto edges = [](const Bounds& b) {
    return std::array{b.left, b.left + b.width, b.top, b.top + b.height};
  };
  for (int dpi : {120, 144, 192}) {
    for (const ControlSpec& a : controls()) {
      if (a.parent.empty()) continue;
      const ControlSpec panel = *find_control(a.parent);
      const Bounds scaled_panel = scaled_control(panel, dpi).bounds;
      // Its siblings, and the panel's own client area.
      std::vector<std::pair<Bounds, Bounds>> others{
          {{0, 0, panel.bounds.width, panel.bounds.height},
           {0, 0, scaled_panel.width, scaled_panel.height}}};
      for (const ControlSpec& b : controls()) {
        if (b.parent == a.parent) others.emplace_back(b.bounds, scaled_control(b, dpi).bounds);
      }
      const auto ea = edges(a.bounds);
      const auto sa = edges(scaled_control(a, dpi).bounds);
      for (const auto& [before, after] : others) {
        const auto eb = edges(before);
        const auto sb = edges(after);
        for (size_t i = 0; i < 4; ++i) {
          for (size_t j = i / 2 * 2; j < i / 2 * 2 + 2; ++j) {  // the same axis
            ASSERT_EQ(compare(sa[i], sb[j]), compare(ea[i], eb[j])) << a.name << " at " << dpi;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace pelmora::shell
