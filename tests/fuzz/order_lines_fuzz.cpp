// IN_ORDERS as the expert may write it: the lines tile the text exactly (each line, then one
// break of "\r\n", "\n" or "\r"), an empty last line does not count, a cap keeps the first lines
// only, a ticket is the line's start up to its first " (", and the list's shortened line gives
// the same ticket without cutting a UTF-8 character apart.
#include <algorithm>
#include <vector>

#include "fuzz_check.h"
#include "link/order_lines.h"

using namespace pelmora::link;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t cap = data[0] % 16;
  const std::string_view text = pelmora::fuzz::text_of(data + 1, size - 1);

  std::vector<std::string_view> lines{"left over"};
  split_order_lines(text, lines, SIZE_MAX);
  size_t at = 0, breaks = 0;
  for (std::string_view line : lines) {
    FUZZ_CHECK(line.data() == text.data() + at && line.find_first_of("\r\n") == line.npos);
    const std::string_view ticket = ticket_of_line(line);
    FUZZ_CHECK(ticket.data() == line.data() || ticket.empty());
    FUZZ_CHECK(line.find(" (") == (ticket.empty() ? line.npos : ticket.size() - 1));
    const std::string_view shown = shown_line(line);
    FUZZ_CHECK(shown.data() == line.data() && ticket_of_line(shown) == ticket);
    FUZZ_CHECK(shown.size() >= std::min(line.size(), kMaxShownLine - 3) &&
               shown.size() <= std::max(kMaxShownLine, ticket.size() + 1));
    if (shown.size() < line.size() && pelmora::fuzz::valid_utf8(line)) {
      FUZZ_CHECK((static_cast<uint8_t>(line[shown.size()]) & 0xC0) != 0x80);
    }
    at += line.size();
    if (at == text.size()) break;
    at += text.substr(at).starts_with("\r\n") ? 2 : 1;
    ++breaks;
  }
  FUZZ_CHECK(at == text.size());
  // A break after the last line is the empty last line.
  FUZZ_CHECK(lines.size() ==
             breaks + (!text.empty() && text.back() != '\n' && text.back() != '\r'));

  std::vector<std::string_view> capped;
  split_order_lines(text, capped, cap);
  FUZZ_CHECK(capped.size() == std::min(cap, lines.size()));
  FUZZ_CHECK(std::equal(capped.begin(), capped.end(), lines.begin(), [](auto a, auto b) {
    return a.data() == b.data() && a.size() == b.size();
  }));
  return 0;
}
