// A user's history file: any bytes give either bars that make sense or an error naming a line
// with nothing kept; bars read back the same when written out again with their digits.
#include <algorithm>
#include <string>

#include "fuzz_check.h"
#include "history.h"
#include "summary.h"

using namespace pelmora::practice;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = pelmora::fuzz::text_of(data, size);
  const HistoryReading reading = read_history(text);
  const History& history = reading.history;
  if (!reading.ok()) {
    FUZZ_CHECK(history.bars.empty());
    if (!reading.error.starts_with("line ")) {
      FUZZ_CHECK(reading.error == "no bars" || reading.error.starts_with("the file "));
      return 0;
    }
    const size_t line = std::stoul(reading.error.substr(5));
    FUZZ_CHECK(line >= 1 && line <= 1 + static_cast<size_t>(std::ranges::count(text, '\n')));
    return 0;
  }
  const int digits = history.instrument.digits;
  FUZZ_CHECK(!history.bars.empty() && digits >= 0 && digits <= 8 && history.bar_seconds > 0);
  std::string written;
  for (size_t i = 0; i < history.bars.size(); ++i) {
    const Bar& bar = history.bars[i];
    FUZZ_CHECK(bar.low > 0 && bar.low <= std::min(bar.open, bar.close));
    FUZZ_CHECK(bar.high >= std::max(bar.open, bar.close) && bar.volume >= 0);
    FUZZ_CHECK(i == 0 || bar.time > history.bars[i - 1].time);
    written += time_text(bar.time) + "," + price_text(bar.open, digits) + "," +
               price_text(bar.high, digits) + "," + price_text(bar.low, digits) + "," +
               price_text(bar.close, digits) + "," + std::to_string(bar.volume) + "\n";
  }
  const HistoryReading again = read_history(written, {.digits = digits});
  FUZZ_CHECK(again.ok() && again.history.instrument.digits == digits);
  FUZZ_CHECK(std::ranges::equal(again.history.bars, history.bars, [](const Bar& a, const Bar& b) {
    return a.time == b.time && a.open == b.open && a.high == b.high && a.low == b.low &&
           a.close == b.close && a.volume == b.volume;
  }));
  return 0;
}
