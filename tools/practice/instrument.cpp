// The instrument's defaults and the texts that say what was assumed.
#include "instrument.h"

#include <algorithm>
#include <cstdio>

#include "number_text.h"

namespace pelmora::practice {

namespace {

constexpr std::size_t kLongestSymbol = 24;
constexpr double kPairContract = 100000;
// The currencies of the pairs traded on the usual currency markets.
constexpr std::string_view kCurrencies[] = {"AUD", "BRL", "CAD", "CHF", "CNH", "CNY", "CZK",
                                            "DKK", "EUR", "GBP", "HKD", "HUF", "ILS", "INR",
                                            "JPY", "KRW", "MXN", "NOK", "NZD", "PLN", "RUB",
                                            "SEK", "SGD", "THB", "TRY", "TWD", "USD", "ZAR"};

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool symbol_char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view(".-+#&").find(c) != std::string_view::npos;
}

std::string whole_or_decimal(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

}  // namespace

std::string symbol_from_file_name(std::string_view file_name) {
  const std::size_t slash = file_name.find_last_of("/\\");
  if (slash != std::string_view::npos) file_name.remove_prefix(slash + 1);
  const std::size_t dot = file_name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) file_name = file_name.substr(0, dot);
  const std::size_t cut = file_name.find_first_of("_ ");
  if (cut != std::string_view::npos && cut > 0) file_name = file_name.substr(0, cut);
  std::string symbol;
  for (char c : file_name) {
    if (symbol.size() < kLongestSymbol && symbol_char(upper(c))) symbol += upper(c);
  }
  return symbol.empty() ? "HISTORY" : symbol;
}

bool is_currency_pair(std::string_view symbol) {
  if (symbol.size() != 6) return false;
  std::string name;
  for (char c : symbol) name += upper(c);
  const auto known = [](std::string_view code) {
    return std::find(std::begin(kCurrencies), std::end(kCurrencies), code) != std::end(kCurrencies);
  };
  const std::string_view view(name);
  return known(view.substr(0, 3)) && known(view.substr(3)) && view.substr(0, 3) != view.substr(3);
}

void settle_instrument(History& history, const InstrumentChoice& choice,
                       std::string_view file_name) {
  Instrument& instrument = history.instrument;
  const bool bundled = file_name.empty();
  if (!choice.symbol.empty()) {
    instrument.symbol = choice.symbol;
  } else if (!bundled) {
    instrument.symbol = symbol_from_file_name(file_name);
  }
  instrument.contract_size =
      choice.contract_size.value_or(is_currency_pair(instrument.symbol) ? kPairContract : 1);
  if (choice.spread) {
    instrument.spread = *choice.spread;
  } else if (!bundled) {
    instrument.spread = 1;
  }
  instrument.commission = choice.commission.value_or(0);
  instrument.assumed = {.digits = !bundled && !choice.digits,
                        .contract_size = !choice.contract_size,
                        .spread = !bundled && !choice.spread,
                        .commission = !choice.commission};
}

std::string instrument_text(const History& history) {
  const Instrument& i = history.instrument;
  const auto mark = [](bool assumed, const char* why) {
    return assumed ? std::string(" (") + why + ")" : std::string();
  };
  return i.symbol + "," + timeframe_text(history.bar_seconds) + ": " +
         count_text(i.digits, "digit", "digits") + mark(i.assumed.digits, "from the prices") +
         ", contract size " + whole_or_decimal(i.contract_size) +
         mark(i.assumed.contract_size,
              is_currency_pair(i.symbol) ? "assumed for a currency pair" : "assumed") +
         ", spread " + count_text(i.spread, "point", "points") + mark(i.assumed.spread, "assumed") +
         ", commission " + money_text(i.commission) + " a lot" +
         mark(i.assumed.commission, "assumed");
}

std::string assumptions_text(const Instrument& instrument) {
  std::string parts;
  const auto add = [&parts](bool assumed, const std::string& text) {
    if (!assumed) return;
    parts += (parts.empty() ? "" : ", ") + text;
  };
  add(instrument.assumed.digits, "знаков " + std::to_string(instrument.digits));
  add(instrument.assumed.contract_size, "контракт " + whole_or_decimal(instrument.contract_size));
  add(instrument.assumed.spread, "спред " + std::to_string(instrument.spread) + " п.");
  add(instrument.assumed.commission, "комиссия " + money_text(instrument.commission));
  return parts.empty() ? "" : "Допущения: " + parts;
}

}  // namespace pelmora::practice
