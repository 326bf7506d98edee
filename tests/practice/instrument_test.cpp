// The instrument a history file gets (symbol, timeframe, digits, contract size, spread,
// commission) and the money of a 0.01-lot buy on it, checked by hand.
#include <gtest/gtest.h>

#include "instrument.h"
#include "number_text.h"
#include "order_book.h"

namespace pelmora::practice {
namespace {

TEST(Instrument, SettlesAPairAShareAndACryptoCurrencyAndTheirMoney) {
  const struct {
    const char* file;
    std::string csv;
    std::optional<Price> spread;
    std::optional<double> commission;
    const char* described;
    Price open_bid, close_bid;  // the buy opens at the ask, closes at the bid
    const char* money;
  } cases[] = {
      {"eurusd_h1_2017.csv",
       ",Open,High,Low,Close,Volume\n2017-01-02 00:00:00,1.05155,1.05213,1.0513,1.052,10\n"
       "2017-01-02 01:00:00,1.052,1.05312,1.05188,1.053,12\n",
       {},
       {},
       "EURUSD,H1: 5 digits (from the prices), contract size 100000 (assumed for a currency "
       "pair), spread 1 point (assumed), commission 0.00 a lot (assumed)",
       105200,
       105300,
       "0.99"},  // 99 points of 0.00001 on 1,000 units
      {"ACME.csv",
       "Date,Open,High,Low,Close\n2004-01-02,44.06,44.5,43.8,44.1\n2004-01-05,44.1,45,44,44.9\n"
       "2004-01-06,44.9,88.2,44.9,88.16\n",
       2,
       {},
       "ACME,D1: 2 digits (from the prices), contract size 1 (assumed), spread 2 points, "
       "commission 0.00 a lot (assumed)",
       4410,
       8816,
       "0.44"},  // 44.04 on a hundredth of a share
      {"btcusd_monthly.csv",
       "2015-01-01,320.43,330,300,320.43\n2015-02-01,320.43,56000,320,55951.42\n"
       "2015-03-01,55951.42,56000,55000,55500\n",
       {},
       2.5,
       "BTCUSD,MN: 2 digits (from the prices), contract size 1 (assumed), spread 1 point "
       "(assumed), commission 2.50 a lot",
       32043,
       5595142,
       "556.28"},  // 55,630.98 on a hundredth of a coin, less 0.025
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    HistoryReading reading = read_history(c.csv);
    ASSERT_TRUE(reading.ok()) << reading.error;
    InstrumentChoice choice;
    choice.spread = c.spread;
    choice.commission = c.commission;
    settle_instrument(reading.history, choice, c.file);
    EXPECT_EQ(instrument_text(reading.history), c.described);
    const Instrument& instrument = reading.history.instrument;
    OrderBook book(instrument);
    const Order& order = book.open(Side::buy, 1, {c.open_bid, c.open_bid + instrument.spread}, 0);
    const auto trade = book.close(order.ticket, {c.close_bid, c.close_bid + instrument.spread}, 0);
    EXPECT_EQ(money_text(trade->money), c.money);
  }
  History bundled = generate_history(kBundledSeed, 10);
  InstrumentChoice choice;
  choice.contract_size = 1000;
  settle_instrument(bundled, choice, "");
  EXPECT_EQ(assumptions_text(bundled.instrument), "Допущения: комиссия 0.00");
  EXPECT_EQ(symbol_from_file_name("C:\\data\\BTC-USD.csv"), "BTC-USD");
}

}  // namespace
}  // namespace pelmora::practice
