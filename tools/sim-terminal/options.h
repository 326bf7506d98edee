// The substitute terminal's command line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "practice/instrument.h"

namespace pelmora::sim_terminal {

struct Options {
  std::wstring panel_path;  // empty: pelmora.exe beside this program
  bool start_panel = true;
  bool expert = true;   // the expert trades the test through the panel's fields
  bool tarsel = false;  // a "Tarsel" window for the chart exists before the panel starts
  RECT placement{40, 30, 1140, 790};  // left, top, right, bottom of the terminal main window
  std::wstring report_path;           // where the start-up probe writes its figures; empty: nowhere
  int quit_after_ms = -1;     // quit this long after the probe's result; -1: run until closed
  std::wstring send;          // driver mode: send this command to a running terminal and exit
  std::wstring history_path;  // an OHLC CSV file to replay; empty: the bundled series
  int bars = 0;               // the bundled series' length; 0: its usual length
  std::wstring journal_dir;   // where the journal, trades and curve files go; empty: the user's
                              // documents folder (run_files.h)
  practice::InstrumentChoice instrument;  // --symbol, --digits, --contract-size, --spread,
                                          // --commission
  double deposit = 10000;                 // --deposit
  std::string from;  // --from: the test's first date (and time); empty: the first bar
  int charts = 1;    // 2: a second chart behind the first, for the tests of another chart in
                     // front of the panel's
  bool help = false;
};

// The longest bundled series asked for: about 240 MB of bars, over two hours at the fastest
// speed.
inline constexpr int kMaxBars = 5'000'000;

struct ParsedOptions {
  Options options;
  std::wstring error;  // empty when the command line was understood
};

// `args` without the program name.
ParsedOptions parse_options(const std::vector<std::wstring>& args);

extern const wchar_t kUsage[];

}  // namespace pelmora::sim_terminal
