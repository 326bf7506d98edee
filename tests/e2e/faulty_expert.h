// An expert for the checker's own tests, polled every 10 ms from the test's message loop: the
// example expert's order book behind the link header, its WAIT standing for three polls before
// READ_OK, and one fault on demand.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "minimal-expert/order_book.h"

namespace pelmora::e2e {

enum class Fault {
  no_read_ok,       // WAIT, then never READ_OK
  taken_twice,      // takes a command whenever READ_OK does not stand, its own WAIT too
  stale_record,     // writes the property record only when the selection changes
  quotes_reversed,  // "<ask> / <bid>"
};

class FaultyExpert {
 public:
  FaultyExpert(std::wstring parameter, Fault fault)
      : parameter_(std::move(parameter)), fault_(fault) {}
  FaultyExpert(const FaultyExpert&) = delete;
  FaultyExpert& operator=(const FaultyExpert&) = delete;
  ~FaultyExpert();

  void poll();

 private:
  std::optional<std::wstring> read(int field);
  void give(int field, const std::wstring& text, std::wstring& last);
  void publish();
  void handshake();

  std::wstring parameter_;
  Fault fault_;
  HWND panel_ = nullptr;
  wchar_t* buffer_ = nullptr;
  size_t capacity_ = 0;
  minimal_expert::Quotes quotes_{1.10250, 1.10262};
  minimal_expert::OrderBook book_{quotes_};
  int polls_ = 0;
  std::optional<int> answer_at_;  // the poll at which READ_OK is due
  std::wstring quotes_given_, orders_given_, record_given_, selection_seen_ = L"?";
};

}  // namespace pelmora::e2e
