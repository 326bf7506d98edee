// Reading a user's OHLC CSV export. The separator and the column layout are taken from the
// file's first lines; every data line must then follow them. Prices are read exactly and held
// at eight decimals until the file's digits are known, then rounded to points.
#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "date_time_text.h"
#include "history.h"
#include "number_text.h"

namespace pelmora::practice {

namespace {

constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;
constexpr int kMaxDigits = 8;
constexpr Price kMaxPrice = 1'000'000'000'000'000'000;  // 10^10 at eight decimals
constexpr const char* kPriceNames[] = {"open", "high", "low", "close"};
// Between the date and the time in one column: a blank, or ISO 8601's 'T'.
constexpr const char* kDateTimeBreak = " T";
// A double holds 15 significant digits exactly: more are a binary fraction's noise.
constexpr int kExactDigits = 15;
// Prices needing more decimals than the file's digits may be this rare (one in a thousand).
constexpr std::size_t kRareShare = 1000;
constexpr std::size_t kProgressLines = 4096;  // lines between two reports of the progress

enum class Layout { one_column, two_columns, date_only };

struct Format {
  char separator = ',';
  Layout layout = Layout::two_columns;
  std::size_t date_columns() const { return layout == Layout::two_columns ? 2 : 1; }
};

struct ReadError {
  std::string message;
};

[[noreturn]] void fail(std::size_t line, const std::string& what) {
  throw ReadError{"line " + std::to_string(line) + ": " + what};
}

// Into `fields`, cleared first: a reader's one vector serves every line without allocating.
void split_into(std::string_view line, char separator, std::vector<std::string_view>& fields) {
  fields.clear();
  for (std::size_t at = 0;;) {
    const std::size_t end = line.find(separator, at);
    std::string_view field = trim(line.substr(at, end - at));
    // Some exports quote every field.
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
      field = trim(field.substr(1, field.size() - 2));
    }
    fields.push_back(field);
    if (end == std::string_view::npos) return;
    at = end + 1;
  }
}

std::vector<std::string_view> split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  split_into(line, separator, fields);
  return fields;
}

char detect_separator(std::string_view line) {
  if (line.find('\t') != std::string_view::npos) return '\t';
  if (line.find(';') != std::string_view::npos) return ';';
  return ',';
}

Layout detect_layout(const std::vector<std::string_view>& fields) {
  if (fields[0].find_first_of(kDateTimeBreak) != std::string_view::npos) return Layout::one_column;
  if (fields.size() > 1 && looks_like_time(fields[1])) return Layout::two_columns;
  return Layout::date_only;
}

std::int64_t read_time(std::size_t number, const std::vector<std::string_view>& fields,
                       Layout layout) {
  std::string_view date = fields[0], time;
  if (layout == Layout::one_column) {
    const std::size_t blank = date.find_first_of(kDateTimeBreak);
    time = blank == std::string_view::npos ? std::string_view() : trim(date.substr(blank + 1));
    date = date.substr(0, blank);
  } else if (layout == Layout::two_columns) {
    time = fields[1];
  }
  const auto days = parse_date(date);
  if (!days) fail(number, "expected a date, found " + quoted(date));
  std::int64_t seconds = 0;
  if (layout != Layout::date_only) {
    const auto of_day = parse_time(time);
    if (!of_day) fail(number, "expected a time, found " + quoted(time));
    seconds = *of_day;
  }
  return *days * 86400 + seconds;
}

// The decimals a written price needs once float noise is rounded away: more than 15
// significant digits are taken at 15, then trailing zeros go.
int needed_decimals(Decimal value) {
  int significant = 0;
  for (std::int64_t m = value.mantissa; m != 0; m /= 10) ++significant;
  if (significant > kExactDigits) {
    const int drop = significant - kExactDigits;
    const std::int64_t divisor = power_of_ten(drop);
    value.mantissa = (value.mantissa + divisor / 2) / divisor;
    value.decimals -= drop;
  }
  while (value.decimals > 0 && value.mantissa % 10 == 0) {
    value.mantissa /= 10;
    --value.decimals;
  }
  return std::clamp(value.decimals, 0, kMaxDigits);
}

struct LineReader {
  explicit LineReader(const Format& line_format) : format(line_format) {}

  const Format& format;
  std::array<std::size_t, kMaxDigits + 1> needs{};  // prices by the decimals they need
  Price lowest = kMaxPrice;                         // at eight decimals
  std::vector<std::string_view> fields;             // of the line being read

  Bar read(std::size_t number, std::string_view line) {
    split_into(line, format.separator, fields);
    const std::size_t first_price = format.date_columns();
    if (fields.size() < first_price + 4) {
      fail(number, "expected at least " + std::to_string(first_price + 4) + " columns (date" +
                       (first_price == 2 ? ", time" : "") + ", open, high, low, close), found " +
                       std::to_string(fields.size()));
    }
    Bar bar;
    bar.time = read_time(number, fields, format.layout);
    Price* prices[] = {&bar.open, &bar.high, &bar.low, &bar.close};
    for (int i = 0; i < 4; ++i) *prices[i] = price(number, kPriceNames[i], fields[first_price + i]);
    check_range(number, bar, fields, first_price);
    if (fields.size() > first_price + 4 && !fields[first_price + 4].empty()) {
      const auto volume = parse_decimal(fields[first_price + 4], format.separator != ',');
      if (!volume || volume->negative) {
        fail(number, "expected a volume, found " + quoted(fields[first_price + 4]));
      }
      bar.volume = volume->mantissa / power_of_ten(volume->decimals);
    }
    return bar;
  }

  Price price(std::size_t number, const char* name, std::string_view text) {
    const auto what = [name] { return std::string("the ") + name + " "; };
    const auto value = parse_decimal(text, format.separator != ',');
    const auto at_eight = value ? scaled(*value, kMaxDigits) : std::nullopt;
    if (!at_eight.has_value()) fail(number, "expected " + what() + "price, found " + quoted(text));
    const Price price = at_eight.value();
    if (price <= 0) fail(number, what() + std::string(text) + " is not a positive price");
    // Below 10^10, so that every price written back with the file's digits reads again.
    if (price >= kMaxPrice) fail(number, what() + std::string(text) + " is too large");
    ++needs[static_cast<std::size_t>(needed_decimals(*value))];
    lowest = std::min(lowest, price);
    return price;
  }

  static void check_range(std::size_t number, const Bar& bar,
                          const std::vector<std::string_view>& fields, std::size_t first) {
    struct Rule {
      bool broken;
      int extreme, other;
      const char* relation;
    };
    const Rule rules[] = {{bar.high < bar.open, 1, 0, "below"},
                          {bar.high < bar.close, 1, 3, "below"},
                          {bar.low > bar.open, 2, 0, "above"},
                          {bar.low > bar.close, 2, 3, "above"}};
    for (const Rule& rule : rules) {
      if (!rule.broken) continue;
      fail(number, std::string("the ") + kPriceNames[rule.extreme] + " " +
                       std::string(fields[first + rule.extreme]) + " is " + rule.relation +
                       " the " + kPriceNames[rule.other] + " " +
                       std::string(fields[first + rule.other]));
    }
  }
};

std::string time_as_written(const std::vector<std::string_view>& fields, Layout layout) {
  std::string text(fields[0]);
  if (layout == Layout::two_columns) text += " " + std::string(fields[1]);
  return text;
}

int usual_distance(const std::vector<Bar>& bars) {
  std::map<std::int64_t, int> counts;
  const std::size_t end = std::min<std::size_t>(bars.size(), 10001);
  for (std::size_t i = 1; i < end; ++i) ++counts[bars[i].time - bars[i - 1].time];
  if (counts.empty()) return 300;
  const auto most = std::max_element(counts.begin(), counts.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
  return static_cast<int>(std::min<std::int64_t>(most->first, 1 << 30));
}

// Text that is not the plain 8-bit text of a CSV export.
void check_encoding(std::string_view text) {
  if (text.empty()) throw ReadError{"the file is empty"};
  const std::string_view start = text.substr(0, 4096);
  const bool bom = start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF");
  if (!bom && start.find('\0') == std::string_view::npos) return;
  const auto nuls = static_cast<std::size_t>(std::count(start.begin(), start.end(), '\0'));
  // UTF-16 of Latin text has a NUL in every other byte.
  if (bom || nuls * 3 >= start.size()) {
    throw ReadError{"the file is UTF-16 text; save it as UTF-8 or ANSI text and try again"};
  }
  throw ReadError{"the file holds NUL bytes: it is not a text (CSV) file"};
}

// The fewest decimals all but the rare prices need.
int usual_digits(const std::array<std::size_t, kMaxDigits + 1>& needs) {
  std::size_t total = 0;
  for (std::size_t n : needs) total += n;
  std::size_t above = total;  // prices needing more than `digits` decimals
  for (int digits = 0; digits < kMaxDigits; ++digits) {
    above -= needs[static_cast<std::size_t>(digits)];
    if (above <= total / kRareShare) return digits;
  }
  return kMaxDigits;
}

Price at_digits(Price at_eight, int digits) {
  const Price unit = power_of_ten(kMaxDigits - digits);
  return (at_eight + unit / 2) / unit;
}

History read_bars(std::string_view text, const ReadOptions& options) {
  check_encoding(text);
  if (text.size() > kMaxFileBytes) throw ReadError{"the file is larger than 256 MB"};
  const std::string_view whole = text;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  History history;
  // One bar a line at most: reserved once, the bars never move while the file is read.
  history.bars.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  Format format;
  std::optional<LineReader> reader;
  bool first_line = true;
  for (std::size_t at = 0, number = 1; at < text.size(); ++number) {
    if (options.progress && number % kProgressLines == 0) {
      options.progress->bytes = at;
      if (options.progress->cancel) throw ReadError{"cancelled"};
    }
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (trim(line).empty()) continue;
    if (first_line) {
      first_line = false;
      // A header names its columns; data starts with a date.
      const std::string_view first = split(line, detect_separator(line))[0];
      if (first.empty() || first[0] < '0' || first[0] > '9') continue;
    }
    if (!reader) {
      format.separator = detect_separator(line);
      format.layout = detect_layout(split(line, format.separator));
      reader.emplace(format);
    }
    const Bar bar = reader->read(number, line);
    if (!history.bars.empty() && bar.time <= history.bars.back().time) {
      fail(number, "the time " + time_as_written(split(line, format.separator), format.layout) +
                       " is not after the previous bar's");
    }
    history.bars.push_back(bar);
  }
  if (history.bars.empty()) throw ReadError{"no bars"};
  int digits = options.digits.value_or(usual_digits(reader->needs));
  if (!options.digits) {
    while (digits < kMaxDigits && at_digits(reader->lowest, digits) == 0) ++digits;
  } else if (at_digits(reader->lowest, digits) == 0) {
    throw ReadError{"with " + std::to_string(digits) + " digits the lowest price " +
                    price_text(reader->lowest, kMaxDigits) + " rounds to 0"};
  }
  for (Bar& bar : history.bars) {
    for (Price* price : {&bar.open, &bar.high, &bar.low, &bar.close}) {
      *price = at_digits(*price, digits);
    }
  }
  history.instrument.digits = digits;
  history.bar_seconds = usual_distance(history.bars);
  if (options.progress) options.progress->bytes = whole.size();
  return history;
}

}  // namespace

HistoryReading read_history(std::string_view text, const ReadOptions& options) {
  HistoryReading reading;
  try {
    reading.history = read_bars(text, options);
  } catch (const ReadError& error) {
    reading.error = error.message;
  }
  return reading;
}

}  // namespace pelmora::practice
