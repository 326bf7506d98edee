// The expert of a long run: it keeps a book of open orders, carries out every command the panel
// writes (opening, closing, closing all; protective levels are only acknowledged), answers the
// property record of whichever order the panel selects, moves the quotes, and now and then
// trades on its own so that the number of order lines keeps changing.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "test_expert.h"

namespace pelmora::soak {

class SoakExpert {
 public:
  // `panel` is the panel's top-level window; held, not owned.
  explicit SoakExpert(HWND panel);

  bool attached() const { return link_.attached(); }

  // One look at the link: carries out a waiting command, answers a new selection, moves the
  // quotes. Never waits beyond the link's bounded reads.
  void serve();
  // Replaces the book with `count` orders of new tickets, as fills and stops would.
  void trade_alone(int count);

  int orders() const { return static_cast<int>(book_.size()); }
  // How many commands of each verb were carried out.
  const std::map<std::wstring, int>& taken() const { return taken_; }
  int taken(const std::wstring& verb) const;

 private:
  struct Order {
    long ticket;
    bool sell;
    std::wstring lot;
  };
  void carry_out(const std::wstring& command);
  void answer_selection();
  void publish_orders();

  e2e::TestExpert link_;
  std::vector<Order> book_;
  std::map<std::wstring, int> taken_;
  long next_ticket_ = 100001;
  std::wstring answered_ticket_;
  int looks_ = 0;
};

}  // namespace pelmora::soak
