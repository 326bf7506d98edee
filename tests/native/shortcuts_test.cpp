// Shortcut keys on the in-memory form: when a key counts (who has the keyboard, the modifiers,
// the focused lot field), one action per press, the rules of a key set, and the keys stored,
// changed in their window and read back at the next run.
#include <gtest/gtest.h>

#include <string>

#include "panel_world.h"
#include "platform/fake/fake_layout_controls.h"
#include "settings/settings_key.h"
#include "shortcuts/shortcut_keys.h"

namespace pelmora::testing {
namespace {

using platform::KeyChord;
using platform::fake::FakeKeyField;
using shortcuts::Action;
constexpr int kShift = KeyChord::kShift;
constexpr int kCtrl = KeyChord::kCtrl;

// Over a real chart, every timer stopped but the poll and the F11 timer (the following tick's
// gate, on while the panel follows the chart); an order listed, so that every action can run.
struct KeyWorld : PanelWorld {
  enum class Front { kPanel, kTerminal, kOther };
  platform::WindowRef notepad = terminal.add_window(platform::kNoWindow, "Notepad");

  // `stale`: a key pressed before the panel first polls, with the terminal in front.
  explicit KeyWorld(KeyChord stale = {}) {
    roles->program.set_first_parameter(parameter());
    start();
    stop_timers();
    c().timer(names::kShortcutTimer).set_enabled(true);
    c().timer(names::kF11Timer).set_enabled(true);
    report_orders("12345 (buy 0.10)\r\n");
    front(Front::kTerminal);
    if (stale.key) tap(stale);
    roles->clock.advance(10);  // the first poll
  }
  void front(Front f) {
    const platform::WindowRef windows[] = {platform::fake::FakePanelWindow::kRef, main, notepad};
    terminal.set_foreground(windows[static_cast<int>(f)]);
  }
  // The keys of the chord held for `ms` while the terminal's key state is polled, then let go.
  void hold(KeyChord chord, int ms = 30) {
    set_modifiers(chord.modifiers, true);
    terminal.set_key_down(chord.key, true);
    roles->clock.advance(ms);
    terminal.set_key_down(chord.key, false);
    set_modifiers(chord.modifiers, false);
    roles->clock.advance(20);
  }
  // The chord's key goes down and up between two polls, its modifiers held till after the poll.
  void tap(KeyChord chord) {
    set_modifiers(chord.modifiers, true);
    terminal.tap_key(chord.key);
    roles->clock.advance(10);
    set_modifiers(chord.modifiers, false);
  }
  void set_modifiers(int modifiers, bool down) {
    if (modifiers & kShift) terminal.set_key_down(platform::kVkShift, down);
    if (modifiers & kCtrl) terminal.set_key_down(platform::kVkControl, down);
  }
  // How many commands `act` wrote (the same text twice counts twice; no expert answers here).
  int commands(const std::function<void()>& act) {
    const int before = edit("OUT_COMMAND").writes();
    act();
    return edit("OUT_COMMAND").writes() - before;
  }
  int speed() { return c().slider(names::kSpeedSlider).position(); }
  FakeKeyField& field(Action action) {
    return c().fake<FakeKeyField>(names::kShortcutFields[static_cast<size_t>(action)]);
  }
};

constexpr KeyChord shift(int key) {
  return {key, kShift};
}

TEST(Shortcuts, CountOnlyWhileThePanelOrTheTerminalHasTheKeyboardAndNeverTakeWhatAFieldTypes) {
  using F = KeyWorld::Front;
  enum How { kInPanel, kPolled, kPolledMinimised, kTapped, kInPanelWindowOpen, kBeforeStart };
  const struct {
    const char* what;
    F front;
    How how;
    KeyChord chord;
    const char* outcome;  // the command, the lot, whether the panel took the key
  } cases[] = {
      {"BUY in the panel", F::kPanel, kInPanel, shift('B'), "OPEN_BUY;0.01;;; lot 0.01 taken"},
      {"a letter alone types", F::kPanel, kInPanel, {'B', 0}, " lot 0.01 -"},
      {"a digit types", F::kPanel, kInPanel, {'1', 0}, " lot 0.01 -"},
      {"lot up", F::kPanel, kInPanel, shift(platform::kVkOemPlus), " lot 0.02 taken"},
      {"window open: its fields get keys", F::kPanel, kInPanelWindowOpen, shift('B'),
       " lot 0.01 -"},
      {"SELL with the terminal in front", F::kTerminal, kPolled, shift('S'),
       "OPEN_SELL;0.01;;; lot 0.01 -"},
      {"a tap between two polls", F::kTerminal, kTapped, shift('S'),
       "OPEN_SELL;0.01;;; lot 0.01 -"},
      {"CLOSE", F::kTerminal, kPolled, shift('C'), "CLOSE;12345 ;;; lot 0.01 -"},
      {"close all", F::kTerminal, kPolled, shift('X'), "CLOSE_ALL;;;; lot 0.01 -"},
      {"another program in front", F::kOther, kPolled, shift('S'), " lot 0.01 -"},
      {"the panel's own keys are not polled", F::kPanel, kPolled, shift('S'), " lot 0.01 -"},
      {"another modifier as well", F::kTerminal, kPolled, {'S', kShift | kCtrl}, " lot 0.01 -"},
      {"no modifier", F::kTerminal, kPolled, {'S', 0}, " lot 0.01 -"},
      {"terminal minimised", F::kTerminal, kPolledMinimised, shift('S'), " lot 0.01 -"},
      {"pressed before the panel ran", F::kTerminal, kBeforeStart, shift('S'), " lot 0.01 -"},
  };
  for (const auto& t : cases) {
    KeyWorld w(t.how == kBeforeStart ? t.chord : KeyChord{});
    w.front(t.front);
    w.edit(names::kLotField).set_focus();
    bool taken = false;
    if (t.how == kInPanelWindowOpen) w.c().fake_menu_item(names::kShortcutsItem).click();
    if (t.how == kInPanel || t.how == kInPanelWindowOpen) {
      taken = w.c().window().press_key(t.chord);
    } else if (t.how == kTapped) {
      w.tap(t.chord);
    } else if (t.how != kBeforeStart) {
      if (t.how == kPolledMinimised) w.c().timer(names::kF11Timer).set_enabled(false);
      w.hold(t.chord);
    }
    EXPECT_EQ(w.command() + " lot " + w.text(names::kLotField) + (taken ? " taken" : " -"),
              t.outcome)
        << t.what;
  }
}

TEST(Shortcuts, OnePressOneTradeWhileHeldStepsRepeat) {
  KeyWorld w;
  w.front(KeyWorld::Front::kPanel);
  const int start = w.speed();
  EXPECT_EQ(w.commands([&] {
    for (bool repeat : {false, true, true, true}) w.c().window().press_key(shift('B'), repeat);
    // The keyboard goes to the terminal while the key is still held: no new press for the poll.
    w.front(KeyWorld::Front::kTerminal);
    w.hold(shift('B'));
    w.front(KeyWorld::Front::kPanel);
  }),
            1);
  for (bool repeat : {false, true, true}) {
    w.c().window().press_key(shift(platform::kVkOemComma), repeat);
  }
  EXPECT_EQ(w.speed(), start - 3);

  w.front(KeyWorld::Front::kTerminal);
  EXPECT_EQ(w.commands([&] { w.hold(shift('S'), 1000); }), 1);
  // A step at the first poll, the next 400 ms later, then one every 100 ms: seven in a second.
  w.hold(shift(platform::kVkOemComma), 1000);
  EXPECT_EQ(w.speed(), start - 3 - 7);
  // A trade's refusal is the button's: TP/SL does nothing while the expert works on a command.
  w.type("IN_READ_COMMAND", "WAIT");
  w.hold(shift('T'));
  EXPECT_TRUE(w.c().panel(names::kMainPanel).visible());
}

TEST(Shortcuts, ASetIsRefusedForAKeyGivenTwiceOrOneAFieldNeeds) {
  const struct {
    Action action;
    KeyChord chord;
    const char* refusal;  // empty: taken
  } cases[] = {
      {Action::kBuy, shift('S'),
       "Клавиша Shift+S назначена двум действиям: \"Купить (BUY)\" и \"Продать (SELL)\"."},
      {Action::kLotUp, {'1', 0}, "Клавиша 1 (\"Объём больше\") нужна для ввода чисел"},
      {Action::kStop, shift(platform::kVkLeft), "Клавиша Shift+Left (\"Остановить тест\") нужна"},
      {Action::kStop, {'V', kCtrl}, "Клавиша Ctrl+V (\"Остановить тест\") нужна"},
      {Action::kPause, {platform::kVkF11, 0}, "Клавиша F11 (\"Пауза / продолжить\") уже занята"},
      {Action::kPause, {'P', 0}, ""},
      {Action::kBuy, shift('1'), ""},
      {Action::kBuy, {}, ""},  // with SELL's cleared too: two actions without a key
  };
  for (const auto& t : cases) {
    shortcuts::Keys keys = shortcuts::default_keys();
    keys[static_cast<size_t>(t.action)] = t.chord;
    if (!t.chord.key) keys[static_cast<size_t>(Action::kSell)] = {};
    EXPECT_EQ(shortcuts::refusal(keys).value_or("").substr(0, std::string_view(t.refusal).size()),
              t.refusal);
  }
}

TEST(Shortcuts, AKeyChangedInItsWindowWorksAtOnceAndAfterARestartStoredBesideTheOthers) {
  KeyWorld w;
  const std::string key = settings::settings_key_path("_Trade_Panel");
  w.front(KeyWorld::Front::kPanel);
  w.c().fake_menu_item(names::kShortcutsItem).click();
  EXPECT_TRUE(w.shape_is({names::kShortcutsPanel}));
  w.field(Action::kSell).press(shift('B'));
  w.click(names::kShortcutsApply);
  EXPECT_EQ(w.roles->messages.messages().back(),
            "Клавиша Shift+B назначена двум действиям: \"Купить (BUY)\" и \"Продать (SELL)\".");
  EXPECT_FALSE(w.store.has_key(SettingsRoot::kMachine, key));
  w.click(names::kShortcutsDefaults);
  w.field(Action::kBuy).press({platform::kVkF1 + 4, 0});
  w.store.refuse(SettingsRoot::kMachine);  // no administrator: the user's key
  w.click(names::kShortcutsApply);
  EXPECT_TRUE(w.shape_is({names::kMainPanel}));
  EXPECT_EQ(w.store.values(SettingsRoot::kUser, key).size(), 12u);  // the seven come at the end
  for (int run = 0; run < 2; ++run) {
    EXPECT_EQ(w.c().hint(names::kBuyButton), "Открыть рыночную покупку (F5)");
    EXPECT_EQ(w.c().hint(names::kTrailingButton), "(Shift+R)");
    EXPECT_FALSE(w.c().window().press_key(shift('B')));
    EXPECT_EQ(w.commands([&] { w.c().window().press_key({platform::kVkF1 + 4, 0}); }), 1);
    w.leave();
    w.start();
  }
}

TEST(Shortcuts, MissingOrUnreadableStoredKeysGiveTheDefaults) {
  const struct {
    std::vector<std::pair<const char*, FakeSettingsStore::Value>> stored;
    const char* keys;  // BUY's, SELL's, CLOSE's and pause's, as the window shows them
  } cases[] = {
      {{}, "Shift+B Shift+S Shift+C Shift+P"},
      {{{"Key_Buy", "text"}, {"Key_Sell", 0x7FFFFFFF}, {"Key_Close", 0}, {"Key_Pause", 0x174}},
       "Shift+B Shift+S  Shift+F5"},  // CLOSE's key cleared by the user
      {{{"Key_Pause", 0x174}, {"Key_Stop", '1'}}, "Shift+B Shift+S Shift+C Shift+P"},
  };
  for (const auto& t : cases) {
    KeyWorld w;
    for (const auto& [name, value] : t.stored) {
      w.store.put(SettingsRoot::kMachine, settings::settings_key_path("_Trade_Panel"), name, value);
    }
    w.start();
    w.c().fake_menu_item(names::kShortcutsItem).click();
    std::string keys;
    for (Action a : {Action::kBuy, Action::kSell, Action::kClose, Action::kPause}) {
      keys += (keys.empty() ? "" : " ") + shortcuts::key_text(w.field(a).chord());
    }
    EXPECT_EQ(keys, t.keys);
  }
}

}  // namespace
}  // namespace pelmora::testing
