// Everything the expert writes into the IN_ fields, judged as it arrives: each quotes text, each
// IN_ORDERS text and each property record against the strict readers, and each word written
// into IN_READ_COMMAND against the handshake as the panel's side stands.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "link_texts.h"

namespace pelmora::expert_check {

using Clock = std::chrono::steady_clock;

// Milliseconds from `from` to `to`, for the report.
long long ms_between(Clock::time_point from, Clock::time_point to);

class LinkWatch {
 public:
  // How every write of one kind went: how many, the last good one, the first bad one and why.
  struct Verdict {
    int seen = 0;
    std::string last_good;
    std::optional<std::string> first_bad;
  };

  explicit LinkWatch(Clock::time_point started) : started_(started) {}

  // The expert wrote `text` into the field with this control id.
  void expert_wrote(int field, const std::string& text);
  // The panel's side wrote a command into OUT_COMMAND, or cleared IN_READ_COMMAND after READ_OK.
  void command_written(const std::string& command);
  void handshake_cleared();

  // When the fields were shown.
  Clock::time_point started() const { return started_; }
  // The first write of any field, and which field it was.
  std::optional<Clock::time_point> first_write() const { return first_write_; }
  const std::string& first_field() const { return first_field_; }
  // The first READ_OK, WAIT or valid property record written at or after `since`.
  std::optional<Clock::time_point> read_ok_since(Clock::time_point since) const;
  bool wait_since(Clock::time_point since) const;
  std::optional<Clock::time_point> record_since(Clock::time_point since) const;

  const Verdict& quotes() const { return quotes_; }
  const Verdict& order_lines() const { return order_lines_; }
  const Verdict& records() const { return records_; }
  // The last well-formed record written.
  const std::optional<Record>& last_record() const { return last_record_; }
  // The first word in IN_READ_COMMAND that broke the handshake, and why.
  const std::optional<std::string>& handshake_fault() const { return handshake_fault_; }

 private:
  struct Write {
    Clock::time_point at;
    std::string text;
  };
  enum class Handshake { idle, pending, acknowledged };

  void read_command_written(const Write& write);
  std::string at_text(Clock::time_point at) const;
  void judge(Verdict& verdict, const std::string& text, const std::optional<std::string>& why,
             Clock::time_point at);

  Clock::time_point started_;
  std::optional<Clock::time_point> first_write_;
  std::string first_field_;
  std::vector<Write> read_command_writes_;
  std::vector<Clock::time_point> good_records_;
  Verdict quotes_, order_lines_, records_;
  std::optional<Record> last_record_;
  Handshake handshake_ = Handshake::idle;
  std::string last_command_;
  std::optional<std::string> handshake_fault_;
};

}  // namespace pelmora::expert_check
