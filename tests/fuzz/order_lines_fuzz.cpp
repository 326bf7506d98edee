// IN_ORDERS as the expert may write it: the lines must tile the text exactly (each line, then
// one break of "\r\n", "\n" or "\r"), a cap must keep the first lines only, and a ticket is
// always the line's start up to its first " (".
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "link/order_lines.h"

using pelmora::link::split_order_lines;
using pelmora::link::ticket_of_line;

namespace {

void check_ticket(std::string_view line) {
  const std::string_view ticket = ticket_of_line(line);
  FUZZ_CHECK(ticket.empty() || ticket.data() == line.data());
  if (ticket.empty()) {
    FUZZ_CHECK(line.find(" (") == std::string_view::npos);
  } else {
    FUZZ_CHECK(line.find(" (") == ticket.size() - 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t cap = data[0] % 16;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<std::string_view> lines{"left over"};
  split_order_lines(text, lines, SIZE_MAX);
  size_t at = 0;
  for (std::string_view line : lines) {
    check_ticket(line);
    FUZZ_CHECK(line.data() == text.data() + at);
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
    at += line.size();
    if (at == text.size()) break;
    FUZZ_CHECK(text[at] == '\r' || text[at] == '\n');
    at += text.substr(at).starts_with("\r\n") ? 2 : 1;
  }
  FUZZ_CHECK(at == text.size());
  // One line per break, and one more when the text does not end in a break: an empty last line
  // does not count.
  size_t breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    breaks += text[i] == '\n' || (text[i] == '\r' && !text.substr(i).starts_with("\r\n"));
  }
  const bool open_end = !text.empty() && text.back() != '\n' && text.back() != '\r';
  FUZZ_CHECK(lines.size() == breaks + open_end);

  std::vector<std::string_view> capped;
  split_order_lines(text, capped, cap);
  FUZZ_CHECK(capped.size() == std::min(cap, lines.size()));
  for (size_t i = 0; i < capped.size(); ++i) {
    FUZZ_CHECK(capped[i].data() == lines[i].data() && capped[i].size() == lines[i].size());
  }
  return 0;
}
