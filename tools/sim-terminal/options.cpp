// Options are "--name value" pairs and flags; a bad command line is refused with the reason.
#include "options.h"

#include <cerrno>
#include <climits>
#include <cwchar>

#include "platform/win32/wide.h"
#include "practice/date_time_text.h"
#include "practice/number_text.h"

namespace pelmora::sim_terminal {

const wchar_t kUsage[] =
    L"usage: sim-terminal [--panel <pelmora.exe>] [--no-panel] [--no-expert] [--tarsel]\n"
    L"                    [--pos <x>,<y>,<width>,<height>] [--charts <1|2>]\n"
    L"                    [--report-startup <file>] [--quit-after <ms>]\n"
    L"                    [--history <file.csv> | --bars <n>] [--from <date>]\n"
    L"                    [--symbol <name>] [--digits <n>] [--contract-size <units>]\n"
    L"                    [--spread <points>] [--commission <money>] [--deposit <money>]\n"
    L"                    [--journal-dir <folder>]\n"
    L"  --history <file>       an OHLC CSV export (at most 256 MB)\n"
    L"  --bars <n>             the bundled series' length, 1 to 5000000 bars (default 12000,\n"
    L"                         about 40 s at the fastest speed)\n"
    L"  --from <date>          start at this date (2017-03-01 or \"2017-03-01 14:00\"); the bars\n"
    L"                         before it are drawn as context\n"
    L"  --symbol <name>        the instrument's name (default: from the file's name)\n"
    L"  --digits <n>           decimals of a price, 0 to 8 (default: what the prices need)\n"
    L"  --contract-size <n>    units a lot (default: 100000 for a currency pair, else 1)\n"
    L"  --spread <points>      ask above bid (default: 8 for the bundled series, else 1)\n"
    L"  --commission <money>   per lot and trade (default 0)\n"
    L"  --deposit <money>      the account at the start (default 10000)\n"
    L"  --journal-dir <folder> journals, trades and curves (default: "
    L"Documents\\Pelmora\\practice)\n"
    L"       sim-terminal --send \"<command>\"   (drives a running terminal)";

namespace {

bool parse_int(const std::wstring& text, int* value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  const long parsed = std::wcstol(text.c_str(), &end, 10);
  if (errno != 0 || *end != L'\0' || parsed < INT_MIN || parsed > INT_MAX) return false;
  *value = static_cast<int>(parsed);
  return true;
}

bool parse_placement(const std::wstring& text, RECT* placement) {
  int values[4];
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = i < 3 ? text.find(L',', start) : text.size();
    if (comma == std::wstring::npos) return false;
    if (!parse_int(text.substr(start, comma - start), &values[i])) return false;
    start = comma + 1;
  }
  if (values[2] <= 0 || values[3] <= 0) return false;
  *placement = {values[0], values[1], values[0] + values[2], values[1] + values[3]};
  return true;
}

// A plain decimal, '.' or ',' as the decimal mark, 0 or more.
bool parse_amount(const std::wstring& text, double* value) {
  const auto decimal = practice::parse_decimal(platform::win32::to_utf8(text), true);
  if (!decimal || decimal->negative) return false;
  *value = static_cast<double>(decimal->mantissa) /
           static_cast<double>(practice::power_of_ten(decimal->decimals));
  return true;
}

// The instrument's options: false when `name` is none of them.
bool parse_instrument(const std::wstring& name, const std::wstring& value, ParsedOptions& parsed) {
  practice::InstrumentChoice& choice = parsed.options.instrument;
  int whole = 0;
  double amount = 0;
  if (name == L"--symbol") {
    choice.symbol = platform::win32::to_utf8(value);
    if (choice.symbol.empty() || choice.symbol.find_first_of(";\r\n") != std::string::npos) {
      parsed.error = L"--symbol wants a name without ';' or line breaks, got \"" + value + L"\"";
    }
  } else if (name == L"--digits") {
    if (!parse_int(value, &whole) || whole < 0 || whole > 8) {
      parsed.error = L"--digits wants 0 to 8, got " + value;
    }
    choice.digits = whole;
  } else if (name == L"--contract-size") {
    if (!parse_amount(value, &amount) || amount <= 0) {
      parsed.error = L"--contract-size wants a number above 0, got " + value;
    }
    choice.contract_size = amount;
  } else if (name == L"--spread") {
    if (!parse_int(value, &whole) || whole < 0) {
      parsed.error = L"--spread wants whole points, 0 or more, got " + value;
    }
    choice.spread = whole;
  } else if (name == L"--commission") {
    if (!parse_amount(value, &amount)) {
      parsed.error = L"--commission wants money a lot, 0 or more, got " + value;
    }
    choice.commission = amount;
  } else if (name == L"--deposit") {
    if (!parse_amount(value, &parsed.options.deposit) || parsed.options.deposit <= 0) {
      parsed.error = L"--deposit wants money above 0, got " + value;
    }
  } else if (name == L"--from") {
    parsed.options.from = platform::win32::to_utf8(value);
    if (!practice::parse_date_time(parsed.options.from)) {
      parsed.error =
          L"--from wants a date such as 2017-03-01 or \"2017-03-01 14:00\", got " + value;
    }
  } else {
    return false;
  }
  return true;
}

bool takes_value(const std::wstring& name) {
  for (const wchar_t* option : {L"--symbol", L"--digits", L"--contract-size", L"--spread",
                                L"--commission", L"--deposit", L"--from"}) {
    if (name == option) return true;
  }
  return false;
}

}  // namespace

ParsedOptions parse_options(const std::vector<std::wstring>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& name = args[i];
    const bool has_value = i + 1 < args.size();
    const std::wstring value = has_value ? args[i + 1] : std::wstring();
    auto needs_value = [&] {
      if (!has_value) parsed.error = name + L" needs a value";
      ++i;
      return has_value;
    };
    if (name == L"--no-panel") {
      o.start_panel = false;
    } else if (name == L"--no-expert") {
      o.expert = false;
    } else if (name == L"--tarsel") {
      o.tarsel = true;
    } else if (name == L"--charts") {
      if (needs_value() && (!parse_int(value, &o.charts) || o.charts < 1 || o.charts > 2)) {
        parsed.error = L"--charts wants 1 or 2, got " + value;
      }
    } else if (takes_value(name)) {
      if (needs_value()) parse_instrument(name, value, parsed);
    } else if (name == L"--help" || name == L"-h") {
      o.help = true;
    } else if (name == L"--panel") {
      if (needs_value()) o.panel_path = value;
    } else if (name == L"--report-startup") {
      if (needs_value()) o.report_path = value;
    } else if (name == L"--history") {
      if (needs_value()) o.history_path = value;
    } else if (name == L"--bars") {
      if (needs_value() && (!parse_int(value, &o.bars) || o.bars < 1 || o.bars > kMaxBars)) {
        parsed.error = L"--bars wants a number of bars from 1 to " + std::to_wstring(kMaxBars) +
                       L", got " + value;
      }
    } else if (name == L"--journal-dir") {
      if (needs_value()) o.journal_dir = value;
    } else if (name == L"--send") {
      if (needs_value()) o.send = value;
    } else if (name == L"--pos") {
      if (needs_value() && !parse_placement(value, &o.placement)) {
        parsed.error = L"--pos wants <x>,<y>,<width>,<height>, got " + value;
      }
    } else if (name == L"--quit-after") {
      if (needs_value() && (!parse_int(value, &o.quit_after_ms) || o.quit_after_ms < 0)) {
        parsed.error = L"--quit-after wants milliseconds, got " + value;
      }
    } else {
      parsed.error = L"unknown option " + name;
    }
    if (!parsed.error.empty()) break;
  }
  if (parsed.error.empty() && o.bars > 0 && !o.history_path.empty()) {
    parsed.error = L"--bars sets the length of the bundled series; a --history file has its own";
  }
  return parsed;
}

}  // namespace pelmora::sim_terminal
