// The order lines of IN_ORDERS and the ticket the panel takes from a selected line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace pelmora::link {

// More lines than this are not mirrored: a list of a million items would stall every tick, and
// no one trades that many orders by hand.
inline constexpr size_t kMaxOrderLines = 10000;

// Fills `lines` (cleared first; views into `text`) with the lines of `text`, split at "\r\n",
// "\n" or a lone "\r". An empty last line does not count, an empty line elsewhere does; at most
// `max_lines` lines are taken.
void split_order_lines(std::string_view text, std::vector<std::string_view>& lines,
                       size_t max_lines = kMaxOrderLines);

// The list shows no more of a line than this (in bytes): a list item of a hundred thousand
// characters stalls every repaint, and the list is far narrower than this anyway.
inline constexpr size_t kMaxShownLine = 400;

// What the orders list shows for `line`: the line, or its start when it is longer than
// kMaxShownLine. The start always reaches past the first " (", so ticket_of_line gives the same
// ticket for the shown text as for the whole line. A cut never splits a UTF-8 sequence.
std::string_view shown_line(std::string_view line);

// The line's text up to and including the blank in front of the first " (" (the ticket and
// that blank); empty when the line has no " (".
std::string_view ticket_of_line(std::string_view line);

}  // namespace pelmora::link
