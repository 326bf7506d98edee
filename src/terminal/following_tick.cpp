// The following tick, in its fixed order; a step that ends the tick skips the rest until the
// next one.
#include "terminal/following_tick.h"

#include <algorithm>

#include "common/silently.h"
#include "terminal/chart_windows.h"
#include "terminal/text_of_window.h"

namespace pelmora::terminal {

using platform::kNoWindow;
using platform::WindowRef;

FollowingTick::FollowingTick(FollowingControls controls, const platform::TerminalWindows& terminal,
                             platform::Program& program, platform::Handler update_selected_order,
                             platform::Handler before_end)
    : c_(controls),
      terminal_(terminal),
      program_(program),
      update_selected_order_(std::move(update_selected_order)),
      before_end_(std::move(before_end)) {}

// A failing step (a parameter that is no number, say) ends this tick; the next starts afresh.
void FollowingTick::tick() noexcept {
  if (running_) return;
  running_ = true;
  common::silently([this] { follow(); });
  running_ = false;
}

void FollowingTick::follow() {
  const std::string parameter = program_.first_parameter();
  const ChartChain chain = chart_chain(terminal_, chart_window_of(parameter));

  // The chart went without its title being emptied first (the terminal ended, or destroyed its
  // windows): nobody is left to read a command, so the panel goes without waiting for the
  // keyboard. A parameter that never named a window (the test value) never gets here.
  if (terminal_.exists(chain.chart)) {
    chart_seen_ = true;
  } else if (chart_seen_) {
    end_program();
    return;
  }

  if (!gate_visibility(chain.main, chain.frame)) return;

  // While another program has the keyboard the panel stands still.
  const WindowRef foreground = terminal_.foreground();
  if (foreground == kNoWindow || (foreground != c_.window.ref() && foreground != chain.main)) {
    return;
  }

  if (update_selected_order_) update_selected_order_();
  c_.quotes.set_text(c_.IN_ASK_BID.text());

  if (is_test_value(parameter)) return;  // no terminal to follow

  // An open chart's frame always has a title; an empty one means the chart was closed. The title
  // the system keeps is read without waiting on the terminal; a frame that does not answer (a
  // busy terminal) is no proof of a closed chart: wait for the next tick.
  const std::optional<std::string> frame_text = read_window_title(terminal_, chain.frame);
  if (!frame_text) return;
  if (frame_text->empty()) {
    end_program();
    return;
  }

  if (c_.link_timer.interval_ms() != kLinkIntervalMs)
    c_.link_timer.set_interval_ms(kLinkIntervalMs);

  place(chain.area, chain.main, chain.frame);
}

bool FollowingTick::gate_visibility(WindowRef main, WindowRef frame) {
  // Decided before anything is shown: showing and hiding again in one tick would re-run the
  // show sequence (tester speed keys and all) at every tick while the chart is covered. A main
  // window hidden rather than minimised is out of sight all the same.
  const bool minimised = terminal_.is_minimised(main) || terminal_.is_hidden(main);
  const bool covered = !minimised && terminal_.previous_sibling(frame) != kNoWindow;
  if (minimised || covered) {
    c_.window.set_visible(false);
    set_timers(false);
    return false;
  }
  set_timers(true);
  if (!area_too_small_) c_.window.set_visible(true);
  return true;
}

void FollowingTick::end_program() {
  if (before_end_) before_end_();
  program_.quit();
}

void FollowingTick::set_timers(bool on) {
  c_.link_timer.set_enabled(on);
  c_.update_timer.set_enabled(on);
  c_.f11_timer.set_enabled(on);
}

void FollowingTick::place(WindowRef area_window, WindowRef main, WindowRef frame) {
  platform::ScreenRect area = terminal_.rect(area_window);
  const platform::ScreenRect bounds = terminal_.rect(main);
  area.right = std::min(area.right, bounds.right);
  area.bottom = std::min(area.bottom, bounds.bottom);
  const int width = std::max(area.right - area.left - 2 * kChartMargin, 0);
  const int height = std::max(area.bottom - area.top - 2 * kChartMargin, 0);

  // No room for the panel: keep it hidden rather than show an empty window.
  area_too_small_ = width == 0 || height == 0;
  if (area_too_small_) {
    c_.window.set_visible(false);
    return;
  }

  if (terminal_.previous_sibling(frame) != kNoWindow) {
    c_.window.set_visible(false);
    return;
  }
  c_.window.set_visible(true);  // after a hidden spell this runs the show sequence first
  const int left = area.left + kChartMargin;
  const int top = area.top + kChartMargin;
  const platform::ScreenRect now = c_.window.rect();
  if (left != now.left || top != now.top || width != last_width_ || height != last_height_) {
    c_.window.place_on_top(left, top, width, height);
    last_width_ = width;
    last_height_ = height;
  }
}

}  // namespace pelmora::terminal
