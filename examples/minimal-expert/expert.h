// One poll of the link, run every 10 ms from the expert's message loop: find the panel, give it
// quotes, orders and the selected order's properties, and take its commands.
#pragma once

#include <cstdio>
#include <string>

#include "order_book.h"
#include "panel_link.h"

namespace minimal_expert {

class Expert {
 public:
  // `parameter` is the chart's handle as the panel got it; each command taken is written to
  // `out` as one line.
  Expert(std::wstring parameter, std::FILE* out);

  // False while the panel's window has not been found yet.
  bool poll();

 private:
  void move_price();
  void take(const std::wstring& command);
  // Writes only a text that differs from the one written last time.
  void give(Field field, const std::wstring& text, std::wstring& last);

  std::wstring parameter_;
  std::FILE* out_;
  PanelLink link_;
  Quotes quotes_{1.10250, 1.10262};
  OrderBook book_{quotes_};
  int polls_ = 0;
  std::wstring quotes_given_, orders_given_, record_given_;
};

}  // namespace minimal_expert
