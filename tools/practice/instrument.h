// The instrument of a test: what the command line gave, and what is inferred or assumed for the
// rest, so that a share or a crypto-currency is not traded as a currency pair.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "history.h"

namespace pelmora::practice {

// What the command line says of the instrument; each value left out is inferred or assumed.
struct InstrumentChoice {
  std::string symbol;                   // empty: from the file's name
  std::optional<int> digits;            // 0..8; nothing: from the prices (read_history())
  std::optional<double> contract_size;  // above 0
  std::optional<Price> spread;          // points, 0 or more
  std::optional<double> commission;     // money per lot for each trade, 0 or more
};

// Completes the instrument of a history just read or generated: the symbol given, else from
// the file's name (symbol_from_file_name(); the bundled series, with no file, keeps its own);
// the contract size given, else 100,000 for a currency pair's name and 1 for anything else;
// the spread given, else the bundled series' own or one point; the commission given, else none.
// What was not given is marked as assumed (the digits too, unless given).
void settle_instrument(History& history, const InstrumentChoice& choice,
                       std::string_view file_name);

// The symbol a file's name suggests: the name without its extension, cut at the first '_' or
// blank, in capitals ("eurusd_h1_2017.csv" -> "EURUSD", "BTC-USD.csv" -> "BTC-USD"), at most
// 24 characters of letters, digits and ".-+#&"; "HISTORY" when nothing is left.
std::string symbol_from_file_name(std::string_view file_name);
// Six letters, both halves among the usual currency codes ("EURUSD", "usdjpy"); a crypto pair
// such as "BTCUSD" is not one.
bool is_currency_pair(std::string_view symbol);

// For the journal: "EURUSD,H1: 5 digits (from the prices), contract size 100000 (assumed for a
// currency pair), spread 1 point (assumed), commission 0.00 a lot (assumed)".
std::string instrument_text(const History& history);
// For the summary: "Допущения: контракт 100000, спред 1 п., комиссия 0.00", the assumed values
// only; empty when everything was given.
std::string assumptions_text(const Instrument& instrument);

}  // namespace pelmora::practice
