// A long history loaded for make bench, in a process of its own so that its peak memory is the
// reading's: writes the bundled walk as a CSV export, or reads one and prints times and memory.
// Usage: practice_load write <file> <bars> | practice_load read <file>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "history.h"
#include "summary.h"

namespace {

using namespace pelmora::practice;
using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int write(const char* file, int bars) {
  const History history = generate_history(kBundledSeed, bars);
  std::ofstream out(file, std::ios::binary);
  out << ",Open,High,Low,Close,Volume\n";
  for (const Bar& bar : history.bars) {
    out << time_text(bar.time) << ',' << price_text(bar.open, 5) << ',' << price_text(bar.high, 5)
        << ',' << price_text(bar.low, 5) << ',' << price_text(bar.close, 5) << ',' << bar.volume
        << '\n';
  }
  return out ? 0 : 1;
}

int read(const char* file) {
  // Read into one string of the file's size, as the terminal reads it: the text held once.
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  std::string text(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
  in.seekg(0);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  auto start = Clock::now();
  const auto lines = std::count(text.begin(), text.end(), '\n');
  const double count_ms = ms_since(start);
  start = Clock::now();
  const HistoryReading reading = read_history(text);
  const double read_ms = ms_since(start);
  if (!reading.ok()) {
    std::fprintf(stderr, "%s\n", reading.error.c_str());
    return 1;
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("bars %zu lines %ld read_ms %.0f count_ms %.1f peak_mb %.0f file_mb %.0f\n",
              reading.history.bars.size(), static_cast<long>(lines), read_ms, count_ms,
              usage.ru_maxrss / 1024.0, text.size() / 1048576.0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[1] : "";
  if (mode == "write" && argc > 3) return write(argv[2], std::atoi(argv[3]));
  if (mode == "read") return read(argv[2]);
  std::fprintf(stderr, "usage: practice_load write <file> <bars> | practice_load read <file>\n");
  return 2;
}
