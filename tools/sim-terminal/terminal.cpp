// Main window procedure, layout and the control commands.
#include "terminal.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "control_protocol.h"
#include "log.h"
#include "panel_observation.h"
#include "panel_process.h"
#include "platform/win32/wide.h"
#include "practice/tester.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {

constexpr UINT kHangMessage = WM_APP + 3;
constexpr UINT_PTR kPanelTimer = 1;
constexpr UINT_PTR kQuitTimer = 2;
constexpr UINT_PTR kReplayTimer = 3;
constexpr UINT_PTR kCloseTimer = 4;
constexpr UINT kPanelCheckMs = 200;
constexpr UINT kCloseCheckMs = 50;
constexpr UINT kReplayBeatMs = 15;
constexpr int kJournalHeight = 96;    // about six lines
constexpr int kTakenPartWidth = 360;  // the status line's right part

}  // namespace

std::unique_ptr<Terminal> Terminal::create(HINSTANCE instance, const Setup& setup) {
  const RECT& placement = setup.placement;
  std::unique_ptr<Terminal> terminal(new Terminal());
  terminal->tester_ = &setup.tester;
  terminal->folder_ = setup.folder;
  if (!register_window_class(instance, kMainClass, object_proc<Terminal, &Terminal::message>,
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) ||
      !register_window_class(instance, kTarselClass, DefWindowProcW, nullptr)) {
    return nullptr;
  }
  const practice::History& history = setup.tester.replay().history();
  const std::wstring title = platform::win32::to_wide(
      history.instrument.symbol + "," + practice::timeframe_text(history.bar_seconds));
  const std::wstring caption = L"Терминал (подмена) - [" + title + L"]";
  terminal->main_ = UniqueWindow(CreateWindowExW(
      0, kMainClass, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, placement.left,
      placement.top, placement.right - placement.left, placement.bottom - placement.top, nullptr,
      nullptr, instance, terminal.get()));
  if (!terminal->main_.get()) return nullptr;
  HWND main = terminal->main_.get();
  Terminal* self = terminal.get();
  auto taken = [self](std::wstring_view line) { self->on_taken(line); };
  terminal->area_ =
      std::make_unique<ChartArea>(instance, main, setup.charts, title, taken, [self](int number) {
        if (number == 1) {
          self->close_after_panel(self->chart_frame(1));
        } else {
          self->area_->destroy(number);
        }
      });
  terminal->bar_ = std::make_unique<TesterBar>(
      instance, main, taken, [self] { self->step_bar(); }, [self] { self->new_test(); });
  terminal->journal_pane_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTBOXW, L"",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, 0, 0,
                      0, 0, main, nullptr, instance, nullptr);
  terminal->status_ =
      CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                      main, nullptr, instance, nullptr);
  if (!terminal->area_->window() || !terminal->bar_->window() || !terminal->journal_pane_ ||
      !terminal->status_ || !terminal->start_test(instance)) {
    return nullptr;
  }
  terminal->parameter_ = chart_parameter(terminal->chart(1));
  terminal->area_->set_note(terminal->bar_->summary());
  terminal->layout();
  ShowWindow(main, SW_SHOWNORMAL);
  terminal->activate();
  return terminal;
}

bool Terminal::start_test(HINSTANCE instance) {
  SendMessageW(journal_pane_, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  const RunFiles files = run_files(folder_);
  journal_ = std::make_unique<Journal>(journal_pane_, files.log);
  summary_ = std::make_unique<SummaryPane>(instance, chart(1), [this] { new_test(); });
  if (!summary_->window()) return false;
  // After the test stopped, the panel's commands are refused where the user looks.
  tester_->set_refused_when_stopped([this](std::string_view command) {
    const std::string verb(command.substr(0, command.find(';')));
    bar_->show_refusal(L"Тест остановлен: команда " + platform::win32::to_wide(verb) +
                       L" отклонена; «Новый тест» начинает заново");
  });
  area_->set_replay(tester_);
  replay_ = std::make_unique<ReplayRun>(
      ReplayRun::Parts{*tester_, *journal_, *bar_, *area_, *summary_, files});
  return SetTimer(main_.get(), kReplayTimer, kReplayBeatMs, nullptr) != 0;
}

void Terminal::new_test() {
  if (!chart(1)) {
    bar_->show_refusal(L"График теста закрыт: новый тест невозможен");
    return;
  }
  if (!replay_->finished()) {
    bar_->show_refusal(L"Новый тест — после «Стоп»");
    return;
  }
  tester_->restart();
  const RunFiles files = run_files(folder_);
  journal_->start_file(files.log);
  summary_->hide();
  area_->reset_view();
  bar_->restart();
  replay_ = std::make_unique<ReplayRun>(
      ReplayRun::Parts{*tester_, *journal_, *bar_, *area_, *summary_, files});
  SetTimer(main_.get(), kReplayTimer, kReplayBeatMs, nullptr);
}

void Terminal::step_bar() {
  if (replay_ && replay_->step_bar()) on_taken(L"Шаг на один бар");
}

bool Terminal::pre_translate(const MSG& m) {
  HWND main = main_.get();
  if (!main || (m.hwnd != main && !IsChild(main, m.hwnd))) return false;
  if (m.message == WM_KEYDOWN && m.wParam == VK_F12) {
    step_bar();
    return true;
  }
  if (m.message == WM_MOUSEWHEEL) {
    const POINT at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    HWND under = WindowFromPoint(at);
    if (under && under != m.hwnd && under == chart(1)) {
      SendMessageW(under, WM_MOUSEWHEEL, m.wParam, m.lParam);
      return true;
    }
  }
  return false;
}

void Terminal::close_after_panel(HWND window) {
  if (!window || closing_ == main_.get()) return;
  const bool first = closing_ == nullptr;
  closing_ = window;
  if (!first) return;  // already waiting: the terminal's close takes the chart's place
  if (!panel_ || panel_->exit_code()) {
    on_close_timer();
    return;
  }
  // The panel ends at its next look at an empty title while the terminal holds the keyboard.
  if (HWND frame = chart_frame(1)) SetWindowTextW(frame, L"");
  activate();
  closing_deadline_ = std::chrono::steady_clock::now() + kPanelEndWait;
  SetTimer(main_.get(), kCloseTimer, kCloseCheckMs, nullptr);
}

void Terminal::on_close_timer() {
  const bool ended = !panel_ || panel_->exit_code();
  if (!ended && std::chrono::steady_clock::now() < closing_deadline_) return;
  if (!ended) {
    log_line(L"the panel did not end within 5 s of its chart's title being emptied");
  }
  KillTimer(main_.get(), kCloseTimer);
  HWND window = std::exchange(closing_, nullptr);
  if (window == chart_frame(1)) {
    destroy_test_chart();
    return;
  }
  DestroyWindow(window);
}

void Terminal::destroy_test_chart() {
  // The test goes with its chart, as with the stop button: nothing is lost.
  bar_->stop(L"График теста закрыт: тест остановлен");
  replay_->finish();
  area_->destroy(1);
}

Terminal::~Terminal() {
  tester_->set_refused_when_stopped(nullptr);
  main_.reset();  // the windows go before the objects their procedures call
}

void Terminal::watch_panel(const PanelProcess* panel) {
  panel_ = panel;
  panel_end_reported_ = false;
  set_status(L"Панель запущена, процесс " + std::to_wstring(panel->pid()));
  SetTimer(main_.get(), kPanelTimer, kPanelCheckMs, nullptr);
}

bool Terminal::create_tarsel() {
  const std::wstring caption = L"Tarsel" + parameter_;
  tarsel_ = UniqueWindow(CreateWindowExW(0, kTarselClass, caption.c_str(), WS_OVERLAPPED, 0, 0, 10,
                                         10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  return tarsel_.get() != nullptr;
}

void Terminal::set_status(std::wstring_view text) {
  const std::wstring copy(text);
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

void Terminal::on_taken(std::wstring_view line) {
  const std::wstring copy(line);
  SendMessageW(status_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(copy.c_str()));
  if (area_ && bar_) area_->set_note(bar_->summary());
}

void Terminal::set_on_panel_placed(std::function<void(bool, int)> handler) {
  on_panel_placed_ = std::move(handler);
}

bool Terminal::activate() {
  SetForegroundWindow(main_.get());
  return GetForegroundWindow() == main_.get();
}

void Terminal::quit_after(int ms) {
  SetTimer(main_.get(), kQuitTimer, static_cast<UINT>(ms), nullptr);
}

void Terminal::layout() {
  RECT client{};
  GetClientRect(main_.get(), &client);
  SendMessageW(status_, WM_SIZE, 0, 0);  // the status bar places itself at the bottom
  const int parts[] = {std::max<int>(0, client.right - kTakenPartWidth), -1};
  SendMessageW(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  RECT status{};
  GetWindowRect(status_, &status);
  const int status_height = status.bottom - status.top;
  const int journal_top = std::max<int>(0, client.bottom - status_height - kJournalHeight);
  const int bar_top = std::max<int>(0, journal_top - TesterBar::kHeight);
  MoveWindow(journal_pane_, 0, journal_top, client.right, kJournalHeight, TRUE);
  bar_->place(0, bar_top, client.right);
  area_->place(0, 0, client.right, bar_top);
  if (summary_) summary_->centre();
}

void Terminal::check_panel() {
  if (!panel_ || panel_end_reported_) return;
  const auto code = panel_->exit_code();
  if (!code) return;
  panel_end_reported_ = true;
  const std::wstring text = L"Панель завершилась, код " + std::to_wstring(*code);
  set_status(text);
  log_line(L"the panel ended with exit code " + std::to_wstring(*code));
  KillTimer(main_.get(), kPanelTimer);
}

LRESULT Terminal::run(const Command& command) {
  HWND main = main_.get();
  const auto& a = command.args;
  switch (command.kind) {
    case CommandKind::kMinimise:
      ShowWindow(main, SW_MINIMIZE);
      return kReplyDone;
    case CommandKind::kRestore:
      ShowWindow(main, SW_RESTORE);
      activate();
      return kReplyDone;
    case CommandKind::kActivate:
      return activate() ? kReplyDone : kReplyRefused;
    case CommandKind::kFront:
      // As a click on the chart would: the chart comes in front and the terminal gets the keyboard.
      if (!area_->bring_to_front(a[0])) return kReplyRefused;
      activate();
      return kReplyDone;
    case CommandKind::kMove:
      // As the user's drag of its frame would: moved, sized and in front.
      SetWindowPos(main, nullptr, a[0], a[1], a[2], a[3], SWP_NOZORDER | SWP_NOACTIVATE);
      activate();
      return kReplyDone;
    case CommandKind::kCloseChart:
      return area_->close(a[0]) ? kReplyDone : kReplyRefused;
    case CommandKind::kDestroyChart:
      if (!area_->frame(a[0])) return kReplyRefused;
      if (a[0] == 1) {
        destroy_test_chart();
      } else {
        area_->destroy(a[0]);
      }
      return kReplyDone;
    case CommandKind::kTarsel:
      return create_tarsel() ? kReplyDone : kReplyRefused;
    case CommandKind::kHang:
      // Posted, so that the driver gets its answer before the thread stops pumping.
      PostMessageW(main, kHangMessage, static_cast<WPARAM>(a[0]), 0);
      return kReplyDone;
    case CommandKind::kQuit:
      PostMessageW(main, WM_CLOSE, 0, 0);
      return kReplyDone;
    case CommandKind::kPanelPid:
      return panel_ ? static_cast<LRESULT>(panel_->pid()) : 0;
    case CommandKind::kPanelExit: {
      const auto code = panel_ ? panel_->exit_code() : std::nullopt;
      return code ? static_cast<LRESULT>(*code) : kReplyStillRunning;
    }
    case CommandKind::kF11Count:
      return area_->f11_count();
    case CommandKind::kSpeed:
      return bar_->speed();
    case CommandKind::kTestState:
      return static_cast<LRESULT>(bar_->state());
    case CommandKind::kSetSpeed:
      bar_->set_speed(a[0]);
      return kReplyDone;
    case CommandKind::kPause:
      bar_->press_pause();
      return kReplyDone;
    case CommandKind::kStop:
      bar_->press_stop();
      return kReplyDone;
    case CommandKind::kOpenCount:
    case CommandKind::kClosedCount:
    case CommandKind::kNetPoints:
    case CommandKind::kSummaryShown:
    case CommandKind::kTicks:
    case CommandKind::kBars:
      return test_figure(command.kind);
    case CommandKind::kView:
      return static_cast<LRESULT>(area_->view_offset());
    case CommandKind::kZoom:
      return area_->view_step();
  }
  return kReplyRefused;
}

LRESULT Terminal::test_figure(CommandKind kind) const {
  switch (kind) {
    case CommandKind::kOpenCount:
      return static_cast<LRESULT>(tester_->book().open_orders().size());
    case CommandKind::kClosedCount:
      return static_cast<LRESULT>(tester_->book().closed_trades().size());
    case CommandKind::kNetPoints:
      return static_cast<LRESULT>(tester_->summary().net_points);
    case CommandKind::kSummaryShown:
      return summary_->shown() ? 1 : 0;
    case CommandKind::kTicks:
      return static_cast<LRESULT>(replay_->ticks());
    case CommandKind::kBars:
      return static_cast<LRESULT>(tester_->replay().completed_bars());
    default:
      return kReplyRefused;
  }
}

LRESULT Terminal::on_copy_data(const COPYDATASTRUCT& data) {
  if (data.dwData != kControlTag || data.cbData > kMaxCommandBytes ||
      (data.cbData && !data.lpData)) {
    return kReplyRefused;
  }
  const std::string_view line(static_cast<const char*>(data.lpData), data.cbData);
  const auto command = parse_command(line);
  return command ? run(*command) : kReplyRefused;
}

LRESULT Terminal::message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      // A minimised terminal keeps its inner layout, as a real one does.
      if (area_ && bar_ && status_ && wparam != SIZE_MINIMIZED) layout();
      return 0;
    case WM_COPYDATA:
      return on_copy_data(*reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    case kHangMessage:
      Sleep(static_cast<DWORD>(wparam));  // a terminal that stops answering, on purpose
      return 0;
    case kPanelPlacedMessage:
      if (on_panel_placed_) on_panel_placed_(wparam != 0, static_cast<int>(lparam));
      return 0;
    case WM_CLOSE:
      close_after_panel(hwnd);
      return 0;
    case WM_TIMER:
      if (wparam == kPanelTimer) check_panel();
      if (wparam == kQuitTimer) {
        KillTimer(hwnd, kQuitTimer);
        close_after_panel(hwnd);
      }
      if (wparam == kCloseTimer) on_close_timer();
      if (wparam == kReplayTimer && replay_) {
        replay_->on_timer();
        // A stopped test draws nothing new.
        if (replay_->finished()) KillTimer(hwnd, kReplayTimer);
      }
      return 0;
    case WM_DESTROY:
      // Closing the terminal ends a running test as the stop button would: nothing is lost.
      if (replay_) replay_->finish();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      main_.release();
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pelmora::sim_terminal
