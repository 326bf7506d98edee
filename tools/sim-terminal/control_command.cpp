// Command lines are a name and whole-number arguments separated by spaces.
#include "control_command.h"

#include <charconv>
#include <vector>

namespace pelmora::sim_terminal {

namespace {

struct Spec {
  std::string_view name;
  CommandKind kind;
  int arg_count;
};

constexpr Spec kSpecs[] = {
    {"minimise", CommandKind::kMinimise, 0},
    {"restore", CommandKind::kRestore, 0},
    {"activate", CommandKind::kActivate, 0},
    {"front", CommandKind::kFront, 1},
    {"move", CommandKind::kMove, 4},
    {"close-chart", CommandKind::kCloseChart, 1},
    {"destroy-chart", CommandKind::kDestroyChart, 1},
    {"tarsel", CommandKind::kTarsel, 0},
    {"hang", CommandKind::kHang, 1},
    {"quit", CommandKind::kQuit, 0},
    {"panel-pid", CommandKind::kPanelPid, 0},
    {"panel-exit", CommandKind::kPanelExit, 0},
    {"f11-count", CommandKind::kF11Count, 0},
    {"speed", CommandKind::kSpeed, 0},
    {"test-state", CommandKind::kTestState, 0},
    {"set-speed", CommandKind::kSetSpeed, 1},
    {"pause", CommandKind::kPause, 0},
    {"stop", CommandKind::kStop, 0},
    {"open-count", CommandKind::kOpenCount, 0},
    {"closed-count", CommandKind::kClosedCount, 0},
    {"net-points", CommandKind::kNetPoints, 0},
    {"summary-shown", CommandKind::kSummaryShown, 0},
    {"ticks", CommandKind::kTicks, 0},
    {"bars", CommandKind::kBars, 0},
    {"view", CommandKind::kView, 0},
    {"zoom", CommandKind::kZoom, 0},
};

std::vector<std::string_view> split_words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<int> whole_number(std::string_view word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

bool in_range(const Command& command) {
  const auto& a = command.args;
  switch (command.kind) {
    case CommandKind::kFront:
    case CommandKind::kCloseChart:
    case CommandKind::kDestroyChart:
      return a[0] >= 1 && a[0] <= kChartCount;
    case CommandKind::kHang:
      return a[0] >= 0 && a[0] <= kMaxHangMs;
    case CommandKind::kMove:
      return a[2] > 0 && a[3] > 0;
    case CommandKind::kSetSpeed:
      return a[0] >= kMinSpeed && a[0] <= kMaxSpeed;
    default:
      return true;
  }
}

}  // namespace

bool answers_a_value(CommandKind kind) {
  switch (kind) {
    case CommandKind::kPanelPid:
    case CommandKind::kPanelExit:
    case CommandKind::kF11Count:
    case CommandKind::kSpeed:
    case CommandKind::kTestState:
    case CommandKind::kOpenCount:
    case CommandKind::kClosedCount:
    case CommandKind::kNetPoints:
    case CommandKind::kSummaryShown:
    case CommandKind::kTicks:
    case CommandKind::kBars:
    case CommandKind::kView:
    case CommandKind::kZoom:
      return true;
    default:
      return false;
  }
}

std::optional<Command> parse_command(std::string_view line) {
  const auto words = split_words(line);
  if (words.empty()) return std::nullopt;
  for (const Spec& spec : kSpecs) {
    if (spec.name != words[0]) continue;
    if (static_cast<int>(words.size()) != spec.arg_count + 1) return std::nullopt;
    Command command{spec.kind};
    for (int i = 0; i < spec.arg_count; ++i) {
      const auto value = whole_number(words[static_cast<size_t>(i) + 1]);
      if (!value) return std::nullopt;
      command.args[static_cast<size_t>(i)] = *value;
    }
    if (!in_range(command)) return std::nullopt;
    return command;
  }
  return std::nullopt;
}

}  // namespace pelmora::sim_terminal
