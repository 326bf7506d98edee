// The expert's tick: the panel found (or waited for), the fields it writes brought up to date,
// then at most one command taken. Fields are written only when their text changes, so an idle
// link costs the panel one or two short reads per tick and nothing else.
#include "expert.h"

#include <cstdio>

#include "journal_lines.h"
#include "platform/win32/wide.h"
#include "practice/expert_commands.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr wchar_t kExpertClass[] = L"PelmoraSimExpert";
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 10;
// A panel not found, or one that stopped answering, is looked for again after this long.
constexpr auto kSearchPause = std::chrono::milliseconds(250);
const std::string kReadOk = platform::win32::to_utf8(PELMORA_READ_OK);
const std::string kWait = platform::win32::to_utf8(PELMORA_WAIT);

std::string wall_clock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", now.wHour, now.wMinute, now.wSecond,
                now.wMilliseconds);
  return text;
}

}  // namespace

std::unique_ptr<Expert> Expert::create(HINSTANCE instance, std::wstring panel_caption,
                                       practice::Tester& tester, Journal& journal) {
  if (!register_window_class(instance, kExpertClass, object_proc<Expert, &Expert::message>,
                             nullptr)) {
    return nullptr;
  }
  std::unique_ptr<Expert> expert(new Expert(std::move(panel_caption), tester, journal));
  expert->window_ = UniqueWindow(CreateWindowExW(0, kExpertClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                 nullptr, instance, expert.get()));
  if (!expert->window_.get() || !SetTimer(expert->window_.get(), kTickTimer, kTickMs, nullptr)) {
    return nullptr;
  }
  return expert;
}

Expert::Expert(std::wstring panel_caption, practice::Tester& tester, Journal& journal)
    : fields_(std::move(panel_caption)), tester_(tester), journal_(journal) {}

Expert::~Expert() {
  window_.reset();  // the timer and the window go before the members their procedure uses
}

LRESULT Expert::message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && wparam == kTickTimer) {
    tick();
    return 0;
  }
  if (message == WM_NCDESTROY) window_.release();
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Expert::tick() {
  const auto now = Clock::now();
  if (!panel_here(now)) return;
  publish();
  take_commands(now);
  if (!fields_.found()) next_search_ = now + kSearchPause;
}

// Found again, the fields are written anew in case the panel lost them. Only a new panel window
// starts the handshake afresh: one that merely stopped answering for a while still holds the
// command carried out, which must be acknowledged, not carried out twice.
bool Expert::panel_here(Clock::time_point now) {
  if (fields_.found()) return true;
  if (now < next_search_) return false;
  if (!fields_.find()) {
    next_search_ = now + kSearchPause;
    return false;
  }
  quotes_.reset();
  orders_.reset();
  record_.reset();
  record_ticket_.reset();
  if (fields_.panel() != panel_) {
    panel_ = fields_.panel();
    sighted_.reset();
    handshake_ = {};
    ack_owed_ = false;
  }
  return true;
}

void Expert::write_on_change(Field field, const std::string& text,
                             std::optional<std::string>& last) {
  if (last == text) return;
  if (fields_.write(field, text)) last = text;
}

void Expert::publish() {
  const auto& book = tester_.book();
  if (const auto quote = tester_.quote()) {
    write_on_change(Field::in_ask_bid, practice::quotes_text(*quote, tester_.instrument().digits),
                    quotes_);
  }
  write_on_change(Field::in_orders, practice::orders_text(book), orders_);
  // Nothing selected, or a ticket of no open order: the last record stays; the panel reads it
  // for no order. Without open orders there is nothing to read the selection for.
  if (book.open_orders().empty()) return;
  const auto selected = fields_.read(Field::out_selected_order);
  if (!selected) return;
  const std::string record = practice::property_record(book, *selected);
  if (record.empty() || (record == record_ && *selected == record_ticket_)) return;
  if (fields_.write(Field::in_order_property, record)) {
    record_ = record;
    record_ticket_ = *selected;
  }
}

bool Expert::acknowledge() {
  ack_owed_ = !fields_.write(Field::in_read_command, kReadOk);
  if (!ack_owed_) handshake_.acknowledged();
  return !ack_owed_;
}

void Expert::take_commands(Clock::time_point now) {
  if (ack_owed_ && !acknowledge()) return;
  auto command = fields_.read(Field::out_command);
  if (!command) return;
  // IN_READ_COMMAND matters only with a command standing or an acknowledgement to see cleared.
  // It is read before OUT_COMMAND is read again: the panel clears OUT_COMMAND first, so once
  // IN_READ_COMMAND reads empty, OUT_COMMAND read after it is no longer the command just taken.
  std::string read_command;
  if (!command->empty() || handshake_.waiting_for_panel()) {
    const auto read = fields_.read(Field::in_read_command);
    if (!read) return;
    read_command = *read;
    if (read_command.empty() && !(command = fields_.read(Field::out_command))) return;
  }
  if (!command->empty() && !sighted_ && !handshake_.waiting_for_panel()) {
    sighted_ = Sighting{now, wall_clock()};
  }
  const auto taken = handshake_.poll(*command, read_command);
  if (!taken) return;
  carry_out(*taken, sighted_.value_or(Sighting{now, wall_clock()}));
  sighted_.reset();
}

void Expert::carry_out(const std::string& command, const Sighting& sighted) {
  // A panel gone before the command could be taken does not get it carried out; seen again, it
  // is taken again.
  if (!fields_.write(Field::in_read_command, kWait)) {
    handshake_ = {};
    return;
  }
  const std::int64_t bar_time = tester_.time();
  const auto quote = tester_.quote();
  const std::string quotes =
      quote ? practice::quotes_text(*quote, tester_.instrument().digits) : std::string("-");
  const practice::CommandOutcome outcome = tester_.carry_out(command);
  const bool acknowledged = acknowledge();
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sighted.at).count();
  journal_.add(clock_text(bar_time) + " (" + sighted.wall_clock + ") " + command + " at " + quotes +
               ": " + outcome.result + "; " +
               (acknowledged ? "READ_OK after " + std::to_string(ms) + " ms"
                             : std::string("READ_OK not written yet")));
  publish();
}

}  // namespace pelmora::sim_terminal
