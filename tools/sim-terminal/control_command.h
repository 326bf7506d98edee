// Parsing of the control channel's command lines into commands (no Windows calls).
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pelmora::sim_terminal {

enum class CommandKind {
  kMinimise,
  kRestore,
  kActivate,
  kFront,
  kMove,
  kCloseChart,
  kDestroyChart,
  kTarsel,
  kHang,
  kQuit,
  kPanelPid,
  kPanelExit,
  kF11Count,
  kSpeed,
  kTestState,
  kSetSpeed,
  kPause,
  kStop,
  kOpenCount,
  kClosedCount,
  kNetPoints,
  kSummaryShown,
  kTicks,
  kBars,
  kView,
  kZoom,
};

struct Command {
  CommandKind kind;
  std::array<int, 4> args{};
};

inline constexpr int kChartCount = 2;
inline constexpr int kMaxHangMs = 60000;
inline constexpr int kMinSpeed = 1;
inline constexpr int kMaxSpeed = 32;

// Whether the command's reply is a value (any number, 0 included) rather than done or refused.
bool answers_a_value(CommandKind kind);

// The command, or nothing when the name is unknown, an argument is missing, extra or not a
// whole number, or out of range (chart 1..kChartCount, hang 0..kMaxHangMs, speed
// kMinSpeed..kMaxSpeed, size above 0).
std::optional<Command> parse_command(std::string_view line);

}  // namespace pelmora::sim_terminal
