// Options are "--name value" pairs and flags; a bad command line is refused with the reason.
#include "options.h"

#include <cerrno>
#include <climits>
#include <cwchar>

namespace pelmora::sim_terminal {

const wchar_t kUsage[] =
    L"usage: sim-terminal [--panel <pelmora.exe>] [--no-panel] [--no-expert] [--tarsel]\n"
    L"                    [--pos <x>,<y>,<width>,<height>]\n"
    L"                    [--report-startup <file>] [--quit-after <ms>]\n"
    L"                    [--history <file.csv> | --bars <n>] [--journal-dir <folder>]\n"
    L"  --bars <n>  the bundled series' length, 1 to 5000000 bars (default 12000, about 40 s\n"
    L"              at the fastest speed)\n"
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
