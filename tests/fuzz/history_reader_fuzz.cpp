// A user's history file: any bytes give either bars that make sense or an error naming a line
// with nothing kept; bars read back the same when written out again with their digits.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "history.h"
#include "summary.h"

using namespace pelmora::practice;

namespace {

void check_bars(const History& history) {
  FUZZ_CHECK(!history.bars.empty());
  FUZZ_CHECK(history.instrument.digits >= 0 && history.instrument.digits <= 8);
  FUZZ_CHECK(history.bar_seconds > 0);
  for (std::size_t i = 0; i < history.bars.size(); ++i) {
    const Bar& bar = history.bars[i];
    FUZZ_CHECK(bar.low > 0 && bar.low <= bar.open && bar.low <= bar.close);
    FUZZ_CHECK(bar.high >= bar.open && bar.high >= bar.close);
    FUZZ_CHECK(bar.volume >= 0);
    FUZZ_CHECK(i == 0 || bar.time > history.bars[i - 1].time);
  }
}

std::string written(const History& history) {
  const int digits = history.instrument.digits;
  std::string text;
  for (const Bar& bar : history.bars) {
    text += time_text(bar.time) + "," + price_text(bar.open, digits) + "," +
            price_text(bar.high, digits) + "," + price_text(bar.low, digits) + "," +
            price_text(bar.close, digits) + "," + std::to_string(bar.volume) + "\n";
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const HistoryReading reading = read_history(text);
  if (!reading.ok()) {
    FUZZ_CHECK(reading.history.bars.empty());
    if (!reading.error.starts_with("line ")) {
      FUZZ_CHECK(reading.error == "no bars" || reading.error.starts_with("the file "));
      return 0;
    }
    const std::size_t line = std::stoul(reading.error.substr(5));
    std::size_t lines = 1;
    for (char c : text) lines += c == '\n';
    FUZZ_CHECK(line >= 1 && line <= lines);
    return 0;
  }
  check_bars(reading.history);
  // Written with its digits and read back with them, the bars are the same.
  const HistoryReading again =
      read_history(written(reading.history), {.digits = reading.history.instrument.digits});
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(again.history.instrument.digits == reading.history.instrument.digits);
  FUZZ_CHECK(again.history.bars.size() == reading.history.bars.size());
  for (std::size_t i = 0; i < again.history.bars.size(); ++i) {
    const Bar &a = again.history.bars[i], &b = reading.history.bars[i];
    FUZZ_CHECK(a.time == b.time && a.open == b.open && a.high == b.high && a.low == b.low &&
               a.close == b.close && a.volume == b.volume);
  }
  return 0;
}
