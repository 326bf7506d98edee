// End to end under Wine: shortcut keys pressed with real keyboard input in the panel and while
// the substitute terminal has the keyboard, with this test playing the expert; another program
// in front; a key changed in the shortcut keys window, applied, and used at once and in the next
// run.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "control_protocol.h"
#include "form/names.h"
#include "real_input.h"
#include "stored_settings.h"
#include "terminal_with_expert.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

// Another program in front of the terminal: Wine's notepad, which takes the keyboard as it starts.
class OtherProgram {
 public:
  OtherProgram() {
    STARTUPINFOW start{.cb = sizeof(start)};
    wchar_t line[] = L"notepad.exe";
    CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &info_);
  }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;
  ~OtherProgram() {
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool in_front() {
    DWORD pid = 0;
    const bool front = wait_until([&] {
      GetWindowThreadProcessId(GetForegroundWindow(), &pid);
      return pid == info_.dwProcessId;
    });
    Sleep(1000);  // as for the terminal below
    return front;
  }

 private:
  PROCESS_INFORMATION info_{};
};

struct PanelSettings {
  StoredSettings stored_{panel_program()};
};

class ShortcutsOverTerminal : public PanelSettings, public TerminalWithExpert {
 protected:
  // The terminal takes the keyboard, as a click on its chart would give it. Wine then brings its
  // key state in line with the X server's, which lets go of keys sent through SendInput: the
  // user's first key waits until that is done.
  static bool terminal_in_front(TerminalRun& run) {
    const bool in_front = run.send("activate") == sim_terminal::kReplyDone &&
                          wait_until([&] { return GetForegroundWindow() == run.main(); }, 5s);
    Sleep(1000);
    return in_front;
  }
  // The command that comes within the panel's next few polls and link ticks; empty for none.
  std::wstring next_command() { return expert_->take_command(500ms).value_or(L""); }
};

TEST_F(ShortcutsOverTerminal, TradeKeysGiveOneCommandEachWhileTheTerminalHasTheKeyboard) {
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n"));
  ASSERT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));
  // In the panel, the lot field holding the keyboard: the key buys and types nothing there.
  ASSERT_TRUE(take_keyboard(names::kLotField));
  input::press_chord(VK_SHIFT, 'B');
  EXPECT_EQ(command(), L"OPEN_BUY;0.01;;;");
  EXPECT_EQ(text(names::kLotField), L"0.01");

  ASSERT_TRUE(terminal_in_front(run_));
  const struct {
    WORD key;
    const wchar_t* command;
  } trades[] = {{'B', L"OPEN_BUY;0.01;;;"},
                {'S', L"OPEN_SELL;0.01;;;"},
                {'C', L"CLOSE;12345 ;;;"},
                {'X', L"CLOSE_ALL;;;;"}};
  for (const auto& t : trades) {
    input::press_chord(VK_SHIFT, t.key, 300ms);  // held through many polls: still one press
    EXPECT_EQ(command(), t.command);
    EXPECT_EQ(next_command(), L"") << "a second command after Shift+" << static_cast<char>(t.key);
  }
  input::press_chord(VK_SHIFT, VK_OEM_PLUS);
  EXPECT_TRUE(text_becomes(names::kLotField, L"0.02")) << "the lot key steps as the spin does";

  OtherProgram other;
  ASSERT_TRUE(other.in_front());
  input::press_chord(VK_SHIFT, 'B', 300ms);
  EXPECT_EQ(next_command(), L"") << "a key pressed in another program reached the panel";
}

TEST_F(ShortcutsOverTerminal, AKeyChangedInItsWindowWorksAtOnceAndInTheNextRun) {
  const POINT main_place = top_left(control(names::kMainPanel));
  ASSERT_TRUE(choose_from_menu({main_place.x + 8, main_place.y + 50}, 3));
  ASSERT_TRUE(swapped(names::kShortcutsPanel, names::kMainPanel, main_place))
      << "the shortcut keys window did not take the main panel's place";
  HWND buy_key = control(names::kShortcutFields[0]);
  ASSERT_TRUE(input::click_until_foreground(buy_key, panel_));
  input::press_key(VK_F5);
  EXPECT_TRUE(wait_until([&] { return SendMessageW(buy_key, HKM_GETHOTKEY, 0, 0) == VK_F5; }, 5s));
  ASSERT_TRUE(click_until_swapped(names::kShortcutsApply, names::kMainPanel, names::kShortcutsPanel,
                                  main_place));
  EXPECT_EQ(stored_.value("Key_Buy"), VK_F5);

  ASSERT_TRUE(terminal_in_front(run_));
  input::press_key(VK_F5);
  EXPECT_EQ(command(), L"OPEN_BUY;0.01;;;");
  input::press_chord(VK_SHIFT, 'B');
  EXPECT_EQ(next_command(), L"") << "the old key still buys";

  // The next run reads the stored key.
  ASSERT_EQ(run_.send("quit"), sim_terminal::kReplyDone);
  ASSERT_TRUE(wait_until([&] { return !run_.panel_running(); }));
  TerminalRun next;
  ASSERT_TRUE(next.started() && next.wait_placed()) << next.describe();
  TestExpert expert(next.panel_window());
  ASSERT_TRUE(terminal_in_front(next));
  input::press_key(VK_F5);
  EXPECT_EQ(expert.take_command().value_or(L"<none>"), L"OPEN_BUY;0.01;;;");
}

}  // namespace
}  // namespace pelmora::e2e
