// A terminal as the panel finds it, built in the fake window tree: main window, chart area,
// two chart frames with their charts (ours behind the other until brought to the front), and a
// tester bar whose stop button reads "Стоп" with the pause button three and the speed slider
// four sibling steps before it.
#pragma once

#include <ostream>
#include <string>

#include "platform/fake/fake_terminal.h"

namespace pelmora::testing {

struct TerminalTree {
  platform::fake::FakeTerminal terminal;
  platform::WindowRef main =
      terminal.add_window(platform::kNoWindow, "Terminal", {0, 0, 1200, 900});
  platform::WindowRef area = terminal.add_window(main, "", {100, 50, 900, 650});
  platform::WindowRef frame = terminal.add_window(area, "EURUSD,H1", {100, 50, 900, 650});
  platform::WindowRef chart = terminal.add_window(frame, "", {104, 70, 896, 646});
  platform::WindowRef other_frame = terminal.add_window(area, "GBPUSD,H1", {120, 70, 700, 500});
  platform::WindowRef tester = terminal.add_window(main, "Tester");
  platform::WindowRef slider = terminal.add_window(tester, "");
  platform::WindowRef pause = terminal.add_window(tester, "| |");
  platform::WindowRef spacer1 = terminal.add_window(tester, "");
  platform::WindowRef spacer2 = terminal.add_window(tester, "Старт");
  platform::WindowRef stop = terminal.add_window(tester, "Стоп");

  // The first command-line parameter that names our chart.
  std::string parameter() const { return std::to_string(chart); }
};

}  // namespace pelmora::testing

namespace pelmora::platform::fake {

// Posted keys read as "window:key" in failure messages.
inline void PrintTo(const FakeTerminal::PostedKey& key, std::ostream* out) {
  *out << std::hex << key.window << ":0x" << key.virtual_key << std::dec;
}

}  // namespace pelmora::platform::fake
