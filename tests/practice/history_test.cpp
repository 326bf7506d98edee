// Reading users' history files, and the bundled series.
#include <gtest/gtest.h>

#include <optional>

#include "history.h"
#include "summary.h"

namespace pelmora::practice {
namespace {

TEST(ReadHistory, ReadsTheCommonExportForms) {
  // Each file's digits, then its second bar: time, prices in points, volume.
  const std::pair<const char*, const char*> forms[] = {
      {"2024.01.02,10:00,1.10010,1.10050,1.10000,1.10020,120\n"
       "2024.01.02,10:05,1.10020,1.10060,1.10010,1.10035,130\n",
       "5 2024-01-02 10:05:00 110020 110060 110010 110035 130"},
      {"\xEF\xBB\xBF<DATE>\t<TIME>\t<OPEN>\t<HIGH>\t<LOW>\t<CLOSE>\t<TICKVOL>\t<VOL>\t<SPREAD>\r\n"
       "2024.01.02\t10:00:00\t1.1001\t1.1005\t1.1000\t1.1002\t5\t0\t8\r\n\r\n"
       "2024.01.02\t10:05:00\t1,1002\t1,1006\t1,1001\t1,10035\t7\t0\t8\r\n",
       "5 2024-01-02 10:05:00 110020 110060 110010 110035 7"},
      {"Date;Open;High;Low;Close\n2024-01-02 10:00;1.10;1.20;1.00;1.10\n"
       "2024-01-02 10:05:30;1.1;1.3;1.05;1.2\n",
       "2 2024-01-02 10:05:30 110 130 105 120 0"},
      {"20240102 100000;1.10389;1.10389;1.10389;1.10389;0\n"
       "20240102 100100;1.10389;1.10400;1.10380;1.10390;0\n",
       "5 2024-01-02 10:01:00 110389 110400 110380 110390 0"},
      {"2024/01/02,100500,150.1,150.3,150.0,150.2\n2024/01/"
       "03,100500,150.2,150.4,150.1,150.3,99.7\n",
       "1 2024-01-03 10:05:00 1502 1504 1501 1503 99"},
      {"02.01.2024 10:00:00.000,1.1,1.2,1.0,1.1,5\n02.01.2024 10:05:00.000,1.1,1.2,1.0,1.1,5\n",
       "1 2024-01-02 10:05:00 11 12 10 11 5"},
      {"\"2024-01-02T10:00:00\",\"1.5\",\"1.5\",\"1.5\",\"1.5\"\n"
       "\"2024-01-02T10:00:01\",\"1.5\",\"1.6\",\"1.5\",\"1.6\"\n",
       "1 2024-01-02 10:00:01 15 16 15 16 0"},
      {"2024-01-02,4500,4510,4490,4505\n2024-01-03,4505,4520,4500,4515\n",
       "0 2024-01-03 00:00:00 4505 4520 4500 4515 0"}};
  for (const auto& [text, second] : forms) {
    const HistoryReading reading = read_history(text);
    ASSERT_TRUE(reading.ok() && reading.history.bars.size() == 2) << text << reading.error;
    const Bar& bar = reading.history.bars[1];
    std::string seen =
        std::to_string(reading.history.instrument.digits) + " " + time_text(bar.time);
    for (std::int64_t value : {bar.open, bar.high, bar.low, bar.close, bar.volume}) {
      seen += " " + std::to_string(value);
    }
    EXPECT_EQ(seen, second);
    EXPECT_EQ(reading.history.bar_seconds, bar.time - reading.history.bars[0].time);
  }
}

TEST(ReadHistory, NamesTheLineAndWhatWasWrong) {
  const std::string good = "2024.01.02,10:00,1.2350,1.2360,1.2340,1.2350\n";
  const std::pair<std::string, const char*> files[] = {
      {"", "the file is empty"},
      {std::string("2\0000\0002\0004\0.\0", 10),  // without a byte order mark
       "the file is UTF-16 text; save it as UTF-8 or ANSI text and try again"},
      {good + std::string("\0\1", 2), "the file holds NUL bytes: it is not a text (CSV) file"},
      {"Date,Time,Open,High,Low,Close\r\n\r\n", "no bars"},
      {good + "2024.01.02,10:05,1.2350,1.2340,1.2330,1.2335\n",
       "line 2: the high 1.2340 is below the open 1.2350"},
      {good + "\n2024.01.02,10:05,1.2350,1.2360,1.2355,1.2358\n",
       "line 3: the low 1.2355 is above the open 1.2350"},
      {"Date,Time,O,H,L,C\n" + good + "abc,10:05,1,1,1,1\n",
       "line 3: expected a date, found \"abc\""},
      {good + "2024.02.30,10:05,1,1,1,1\n", "line 2: expected a date, found \"2024.02.30\""},
      {good + "2024.01.02,24:00,1,1,1,1\n", "line 2: expected a time, found \"24:00\""},
      {good + "2024.01.02,10:00,1,1,1,1\n",
       "line 2: the time 2024.01.02 10:00 is not after the previous bar's"},
      {good + "2024.01.02,10:05,1.2,1.3\n",
       "line 2: expected at least 6 columns (date, time, open, high, low, close), found 4"},
      {good + "2024.01.02,10:05,1.2,x,1.1,1.2\n", "line 2: expected the high price, found \"x\""},
      {good + "2024.01.02,10:05,0,1.3,0,1.2\n", "line 2: the open 0 is not a positive price"},
      {good + "2024.01.02,10:05,1.2,10000000000,1.1,1.2\n",
       "line 2: the high 10000000000 is too large"},
      {good + "2024.01.02,10:05,1.2,1.3,1.1,1.2,lots\n",
       "line 2: expected a volume, found \"lots\""}};
  for (const auto& [text, error] : files) {
    const HistoryReading reading = read_history(text);
    EXPECT_EQ(reading.error, error) << text;
    EXPECT_TRUE(reading.history.bars.empty());
  }
}

// The digits nearly all prices need, float noise rounded away; rarer finer prices are rounded.
TEST(ReadHistory, InfersTheDigitsFromWhatNearlyAllPricesNeed) {
  const auto bars = [](int count, const char* prices) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      text += "2017.01." + std::to_string(10 + i / 24) + "," +
              std::to_string(100 + i % 24).substr(1) + ":00," + prices + "\n";
    }
    return text;
  };
  const struct {
    std::string text;
    std::optional<int> digits;  // given, or inferred
    std::string read;           // the digits and the last bar's close, or the error
  } cases[] = {
      {bars(3, "1.07195,1.0722,1.0719,1.07215") + "2017.01.20,10:00,1.07215,1.0723,1.0721,"
                                                  "1.0721999999999998\n",
       {},
       "5 107220"},
      {"2017.01.10,10:00,1.0722,1.0723,1.0721,1.0721999999999998\n", {}, "4 10722"},
      {bars(3, "1.1,1.105,1.1,1.105") + "2017.01.20,10:00,1.105,1.10523,1.1,1.1\n", {}, "5 110000"},
      {bars(300, "12.5,12.75,12.25,12.5") + "2017.01.30,10:00,12.5,12.75,12.25,12.34567\n",
       {},
       "2 1235"},
      {bars(300, "1.25,1.25,1.25,1.25") + "2017.01.30,10:00,1.25,1.25,0.004,1.25\n", {}, "3 1250"},
      {bars(2, "1.07195,1.0722,1.0719,1.07215"), 3, "3 1072"},
      {bars(2, "1.25,1.25,0.004,1.25"), 2, "with 2 digits the lowest price 0.00400000 rounds to 0"},
  };
  for (const auto& c : cases) {
    const HistoryReading reading = read_history(c.text, {.digits = c.digits});
    const std::string read = reading.ok()
                                 ? std::to_string(reading.history.instrument.digits) + " " +
                                       std::to_string(reading.history.bars.back().close)
                                 : reading.error;
    EXPECT_EQ(read, c.read) << c.text.substr(0, 80);
  }
}

TEST(GenerateHistory, IsTheSameSeriesForASeedAndLooksLikeAPair) {
  const History history = generate_history();
  ASSERT_EQ(history.bars.size(), static_cast<std::size_t>(kBundledBars));
  EXPECT_EQ(history.instrument.digits, 5);
  EXPECT_EQ(history.instrument.spread, 8);
  // Pinned, so that the Windows and native builds are known to give the same bars.
  const Bar& last = history.bars.back();
  EXPECT_EQ(time_text(history.bars.front().time) + " " + time_text(last.time),
            "2025-01-06 00:00:00 2025-03-04 15:55:00");
  EXPECT_EQ((std::vector<Price>{last.open, last.high, last.low, last.close}),
            (std::vector<Price>{109085, 109092, 109030, 109040}));
  int gaps = 0;
  for (std::size_t i = 0; i < history.bars.size(); ++i) {
    const Bar& bar = history.bars[i];
    ASSERT_TRUE(bar.high >= std::max(bar.open, bar.close) &&
                bar.low <= std::min(bar.open, bar.close));
    ASSERT_TRUE(bar.high - bar.low > 0 && bar.high - bar.low <= 600 && bar.low > 100000 &&
                bar.high < 120000);
    ASSERT_TRUE(i == 0 || bar.time > history.bars[i - 1].time);
    gaps += i > 0 && bar.open != history.bars[i - 1].close;
  }
  EXPECT_GT(gaps, 100);
  EXPECT_EQ(generate_history(7, 500).bars.back().close, generate_history(7, 500).bars.back().close);
  EXPECT_NE(generate_history(7, 500).bars.back().close, generate_history(8, 500).bars.back().close);
}

}  // namespace
}  // namespace pelmora::practice
