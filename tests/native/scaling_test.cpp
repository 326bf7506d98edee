// The layout at the four common scales: the places, sizes, fonts and radii of representative
// controls (rounded as MulDiv rounds), the exchange fields left in their own units, every pair
// of controls on a panel keeping how their edges meet, and the in-memory form laid out again
// when its window changes scale.
#include <gtest/gtest.h>

#include <array>

#include "form/names.h"
#include "form/scaling.h"
#include "panel_world.h"

namespace pelmora::form {

namespace names = pelmora::form::names;
namespace {

using platform::Bounds;

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
    EXPECT_EQ(at(names::kMainPanel, c.dpi).bounds, c.main);
    EXPECT_EQ(at(names::kMainPanel, c.dpi).border_width, c.main_border);
    EXPECT_EQ(at(names::kSellButton, c.dpi).bounds, c.sell);
    EXPECT_EQ(at(names::kSellButton, c.dpi).font, (Font{"Arial", c.sell_font, true}));
    EXPECT_EQ(at(names::kMainTitle, c.dpi).font, (Font{"Arial", c.title_font, true}));
    EXPECT_EQ(at(names::kStopLevelsButton, c.dpi).font, (Font{kFormFontName, c.form_font, false}));
    EXPECT_EQ(at(names::kOrdersList, c.dpi).item_height, c.item_height);
    EXPECT_EQ(at(names::kSpeedSlider, c.dpi).slider.thumb_length, c.thumb);
    EXPECT_EQ(scaled_look(c.dpi).corner_radius, c.radius);
    EXPECT_EQ(scaled_look(c.dpi).button_corner_diameter, c.button_corner);
    // The expert's fields stay exactly as they are at every scale.
    EXPECT_EQ(at("IN_ORDERS", c.dpi), *find_control("IN_ORDERS"));
  }
}

int compare(int a, int b) {
  return (a > b) - (a < b);
}

// Controls on a panel that touch, overlap or keep apart at 96 dots per inch do so at every
// scale (a spin pair stays over its field's right end): scaling sizes instead of edges breaks it.
TEST(Scaling, EdgesMeetAtEveryScaleAsTheyDoAt96) {
  const auto edges = [](const ControlSpec& s, int dpi) {  // left, right, top, bottom
    const Bounds b = scaled_control(s, dpi).bounds;
    return std::array{b.left, b.left + b.width, b.top, b.top + b.height};
  };
  for (int dpi : {120, 144, 192}) {
    for (const ControlSpec& a : controls()) {
      for (const ControlSpec& b : controls()) {
        if (a.parent.empty() || b.parent != a.parent) continue;
        const auto a96 = edges(a, 96), b96 = edges(b, 96), as = edges(a, dpi), bs = edges(b, dpi);
        for (size_t i = 0; i < 4; ++i) {
          for (size_t j = i / 2 * 2; j < i / 2 * 2 + 2; ++j) {  // the same axis
            ASSERT_EQ(compare(as[i], bs[j]), compare(a96[i], b96[j]))
                << a.name << " / " << b.name << " at " << dpi;
          }
        }
      }
    }
  }
}

// Each change of scale lays every control out at its scaled place and tells it the scale; main,
// dragged to 101, 40 at 96 dpi, keeps that 96-dpi place on the way (so 144 then 120 lands on 126,
// not on 152 scaled straight to 127); the exchange fields are left alone; the shape follows.
TEST(Scaling, AChangeOfTheWindowsScaleLaysTheFormOutAgain) {
  testing::PanelWorld w;
  w.start();
  w.c().control(names::kMainPanel).set_position(101, 40);
  const ControlSpec in_orders = *find_control(link::kInOrders.name);
  const struct {
    int dpi;
    int main_left, main_top;
  } steps[] = {{144, 152, 60}, {120, 126, 50}, {96, 101, 40}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.dpi);
    const int shapes = w.c().window().shape_changes();
    w.c().window().change_dpi(step.dpi);
    for (const ControlSpec& spec : controls()) {
      if (spec.control_id != 0 || spec.name == names::kMainPanel) continue;
      EXPECT_EQ(w.place(spec.name), scale_bounds(spec.bounds, step.dpi)) << spec.name;
    }
    const Bounds main = scale_bounds(find_control(names::kMainPanel)->bounds, step.dpi);
    EXPECT_EQ(w.place(names::kMainPanel),
              (Bounds{step.main_left, step.main_top, main.width, main.height}));
    EXPECT_EQ(w.c().fake<platform::fake::FakeButton>(names::kSellButton).dpi(), step.dpi);
    EXPECT_EQ(w.c().fake<platform::fake::FakeEdit>(in_orders.name).dpi(), 0);
    EXPECT_EQ(w.place(in_orders.name), in_orders.bounds);
    EXPECT_EQ(w.c().window().shape_changes(), shapes + 1);
    EXPECT_TRUE(w.shape_is({names::kMainPanel}));
  }
}

}  // namespace
}  // namespace pelmora::form
