// The settings on the in-memory form: the key suffix rules, loading and saving the seven
// values with their defaults and the WND_X/WND_Y swap, the settings window's open, apply and
// cancel, runs of the program one after the other, and the per-user fallback when the machine
// key refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/names.h"
#include "panel_world.h"
#include "settings/settings.h"
#include "settings/settings_key.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

using Values = FakeSettingsStore::Values;

TEST(SettingsKey, TheSuffixIsTheFolderWithoutItsDriveEachSeparatorAnUnderscore) {
  struct Case {
    const char* program;
    const char* suffix;
  };
  for (const Case& t : std::vector<Case>{
           {R"(C:\Trade\Panel\pelmora.exe)", "_Trade_Panel"},
           {R"(D:\Trade\Panel\pelmora.exe)", "_Trade_Panel"},  // the drive is not part of it
           {R"(C:\pelmora.exe)", "_"},                         // the root folder keeps its "\"
           {R"(\\server\share\bin\pelmora.exe)", "server_share_bin"},  // "\\" are the two dropped
           {R"(C:\Торговля\Панель\p.exe)", "_Торговля_Панель"},
           {R"(C:p.exe)", ""},
           {"pelmora.exe", ""},
           {"", ""},
       }) {
    EXPECT_EQ(settings::settings_key_suffix(t.program), t.suffix) << t.program;
  }
  EXPECT_EQ(settings::settings_key_path("_Trade_Panel"),
            R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion\Pelmora_Trade_Panel)");
}

struct Settings : ::testing::Test, PanelWorld {
  const std::string key = settings::settings_key_path("_Trade_Panel");

  std::array<int, 4> choices() {
    std::array<int, 4> chosen;
    for (int i = 0; i < 4; ++i) chosen[i] = c().radio_group(group(i)).selected();
    return chosen;
  }
  void choose(std::array<int, 4> choices) {
    for (int i = 0; i < 4; ++i) c().radio_group(group(i)).select(choices[i]);
  }
  static std::string group(int i) { return "RadioGroup" + std::to_string(i + 1); }
  int speed() { return c().slider(names::kSpeedSlider).position(); }
  void put(std::string_view name, FakeSettingsStore::Value value,
           SettingsRoot root = SettingsRoot::kMachine) {
    store.put(root, key, name, std::move(value));
  }
  Values stored(SettingsRoot root = SettingsRoot::kMachine) { return store.values(root, key); }
  void open_settings() { c().fake_menu_item(names::kSettingsItem).click(); }
};

TEST_F(Settings, AFirstStartTakesEveryDefaultAndLeavingStoresThemUnderTheFoldersKey) {
  start();
  EXPECT_EQ(choices(), (std::array{0, 0, 0, 0}));
  EXPECT_EQ(form->settings().sl_tp_mode, 0);
  EXPECT_EQ(form->settings().update_mode, 0);
  EXPECT_EQ(place(names::kMainPanel), (Bounds{0, 0, 285, 257}));  // not its design place 24, 24
  EXPECT_EQ(speed(), 24);                                         // not its design position 26
  EXPECT_FALSE(store.has_key(SettingsRoot::kMachine, key));       // loading creates nothing
  c().control(names::kMainPanel).set_position(30, 70);
  leave();
  EXPECT_EQ(stored(), (Values{{"SL_TP_Set_Type", 0},
                              {"WND_POS_Type", 0},
                              {"TrackBarPos_Type", 0},
                              {"NewVersion_Type", 0},
                              {"WND_X", 70},  // the Top
                              {"WND_Y", 30},  // the Left
                              {"TrackBarPos", 24}}));
  EXPECT_EQ(store.writes(),
            (std::vector<std::string>{"SL_TP_Set_Type", "WND_POS_Type", "TrackBarPos_Type",
                                      "NewVersion_Type", "WND_X", "WND_Y", "TrackBarPos"}));
  EXPECT_FALSE(store.has_key(SettingsRoot::kUser, key));
  EXPECT_EQ(store.open_keys(), 0);
}

TEST_F(Settings, EachStoredValueStandsAloneGroupsClampTheVariablesDoNot) {
  put("SL_TP_Set_Type", -1);
  put("WND_POS_Type", std::string("1"));  // another type: that value alone falls back
  put("TrackBarPos_Type", -7);
  put("NewVersion_Type", 5);
  put("WND_X", 40);
  put("WND_Y", 100);
  put("TrackBarPos", 99);
  start();
  EXPECT_EQ(choices(), (std::array{-1, 0, -1, 1}));
  EXPECT_EQ(form->settings().sl_tp_mode, -1);
  EXPECT_EQ(form->settings().update_mode, 5);                        // announces nothing
  EXPECT_EQ(place(names::kMainPanel), (Bounds{100, 40, 285, 257}));  // WND_X is the Top
  EXPECT_EQ(speed(), 32);                                            // the slider's end
  EXPECT_EQ(c().fake<platform::fake::FakeSlider>(names::kSpeedSlider).hint(), "32");

  open_settings();
  click(names::kSettingsApply);
  EXPECT_EQ(form->settings().update_mode, 1);
  EXPECT_EQ(form->settings().sl_tp_mode, -1);
  const Values saved = stored();
  EXPECT_EQ(saved.at("NewVersion_Type"), Values::mapped_type{1});
  EXPECT_EQ(saved.at("SL_TP_Set_Type"), Values::mapped_type{-1});
  // No choice in speed_group acts as "always the standard speed".
  EXPECT_EQ(saved.at("TrackBarPos"), Values::mapped_type{24});
  EXPECT_EQ(saved.at("WND_X"), Values::mapped_type{40});
}

TEST_F(Settings, TheChoicesSayWhetherThePlaceAndTheSpeedAreKept) {
  struct Case {
    int position_choice;
    int speed_choice;
    Bounds next_main;
    int next_speed;
  };
  for (const Case& t : std::vector<Case>{{0, 0, {60, 90, 285, 257}, 7},
                                         {1, 1, {0, 0, 285, 257}, 24},
                                         {-1, 0, {0, 0, 285, 257}, 7},
                                         {0, -1, {60, 90, 285, 257}, 24}}) {
    start();
    choose({0, t.position_choice, t.speed_choice, 0});
    c().control(names::kMainPanel).set_position(60, 90);  // as a drag leaves it
    c().slider(names::kSpeedSlider).set_position(7);
    leave();
    start();
    EXPECT_EQ(place(names::kMainPanel), t.next_main) << t.position_choice;
    EXPECT_EQ(speed(), t.next_speed) << t.speed_choice;
    EXPECT_EQ(choices(), (std::array{0, t.position_choice, t.speed_choice, 0}));
  }
}

TEST_F(Settings, TheWindowTakesMainsPlaceApplyStoresAndActsCancelGoesBackToTheStore) {
  put("SL_TP_Set_Type", 1);
  start();
  const int shapes = c().window().shape_changes();
  open_settings();
  EXPECT_TRUE(c().control(names::kSettingsPanel).visible());
  EXPECT_FALSE(c().control(names::kMainPanel).visible());
  EXPECT_EQ(place(names::kSettingsPanel).left, 0);
  EXPECT_EQ(place(names::kSettingsPanel).top, 0);
  EXPECT_TRUE(in_shape(names::kSettingsPanel) && !in_shape(names::kMainPanel));
  EXPECT_EQ(c().window().shape_changes(), shapes + 1);

  choose({0, 1, 1, 1});
  click(names::kSettingsCancel);  // cancel: back to what is stored, variables untouched
  EXPECT_EQ(choices(), (std::array{1, 0, 0, 0}));
  EXPECT_TRUE(c().control(names::kMainPanel).visible());

  open_settings();
  choose({0, 1, 0, 1});
  c().control(names::kSettingsPanel).set_position(50, 20);  // dragged while open
  click(names::kSettingsApply);
  EXPECT_EQ(form->settings().sl_tp_mode, 0);
  EXPECT_EQ(form->settings().update_mode, 1);
  EXPECT_FALSE(c().control(names::kSettingsPanel).visible());
  EXPECT_EQ(place(names::kMainPanel), (Bounds{50, 20, 285, 257}));
  EXPECT_EQ(stored().at("WND_POS_Type"), Values::mapped_type{1});
  EXPECT_EQ(stored().at("WND_X"), Values::mapped_type{0});
  EXPECT_EQ(speed(), 24);  // applying moves neither the panel nor the slider to a stored value

  store = {};  // the key is gone: cancel puts every group at its first choice
  open_settings();
  choose({1, 1, -1, 1});
  click(names::kSettingsCancel);
  EXPECT_EQ(choices(), (std::array{0, 0, 0, 0}));
  EXPECT_EQ(form->settings().update_mode, 1);
}

TEST_F(Settings, OpenedOverAFloatingPanelItStaysOpenBesideAndLeavingStoresWhatIsShown) {
  start();
  c().control(names::kMainPanel).set_position(10, 12);
  click(names::kTrailingButton);  // the trailing-stop window takes main's place
  c().control(names::kTrailingPanel).set_position(200, 30);
  open_settings();
  EXPECT_TRUE(c().control(names::kTrailingPanel).visible());
  EXPECT_EQ(place(names::kSettingsPanel).left, 10);  // main's place, though main was hidden
  click(names::kSettingsApply);
  EXPECT_TRUE(c().control(names::kMainPanel).visible());
  EXPECT_TRUE(c().control(names::kTrailingPanel).visible());
  EXPECT_EQ(place(names::kMainPanel).left, 10);

  open_settings();
  c().control(names::kSettingsPanel).set_position(300, 300);
  choose({1, 0, 0, 1});  // shown, never applied
  leave();
  EXPECT_EQ(stored().at("SL_TP_Set_Type"), Values::mapped_type{1});
  EXPECT_EQ(stored().at("NewVersion_Type"), Values::mapped_type{1});
  EXPECT_EQ(stored().at("WND_Y"), Values::mapped_type{10});  // main's place before opening
}

// The place is stored in 96-dpi units. Dropped at 150% between two places that a whole 96-dpi
// place shows at, main takes the nearer one, so it comes back at exactly that spot at 150%, and
// at the equivalent spot at 100%.
TEST_F(Settings, ThePlaceIsStoredIn96DpiUnitsAndComesBackAtEveryScale) {
  put("WND_X", 11);  // the Top
  put("WND_Y", 17);  // the Left
  const auto corner = [&] {
    return std::pair{place(names::kMainPanel).left, place(names::kMainPanel).top};
  };
  dpi = 144;
  start();
  EXPECT_EQ(corner(), (std::pair{26, 17}));
  auto& main = c().fake<FakePanel>(names::kMainPanel);
  main.press(MouseButton::kLeft, 5, 5);
  main.release(MouseButton::kLeft, 31, 9);  // by 26, 4: to 52, 21
  EXPECT_EQ(corner(), (std::pair{53, 21}));
  leave();
  EXPECT_EQ(stored().at("WND_Y"), Values::mapped_type{35});
  EXPECT_EQ(stored().at("WND_X"), Values::mapped_type{14});
  start();
  EXPECT_EQ(corner(), (std::pair{53, 21}));
  leave();
  dpi = 96;
  start();
  EXPECT_EQ(corner(), (std::pair{35, 14}));
}

TEST_F(Settings, WithoutRightsOnTheMachineKeyTheUsersKeyServesSilently) {
  put("WND_X", 5);  // an old machine key this user cannot open with full access
  put("WND_X", 33, SettingsRoot::kUser);
  store.refuse(SettingsRoot::kMachine);
  start();
  EXPECT_EQ(place(names::kMainPanel).top, 33);
  open_settings();
  choose({1, 0, 0, 0});
  click(names::kSettingsApply);
  EXPECT_FALSE(c().control(names::kSettingsPanel).visible());
  EXPECT_EQ(stored(SettingsRoot::kUser).at("SL_TP_Set_Type"), Values::mapped_type{1});
  leave();
  EXPECT_TRUE(roles->messages.errors().empty());
  EXPECT_EQ(stored().at("WND_X"), Values::mapped_type{5});  // the machine key is left alone

  start();  // and the next run reads it back
  EXPECT_EQ(choices(), (std::array{1, 0, 0, 0}));
  EXPECT_EQ(form->settings().sl_tp_mode, 1);
}

// Neither key opening, or a key that opens but refuses a write: Apply stays open with the
// variables as they were, and leaving shows the error naming the first value refused.
TEST_F(Settings, AStoreThatRefusesKeepsApplyOpenAndLeavingShowsTheError) {
  for (const bool keys_refused : {true, false}) {
    store = {};
    if (keys_refused) {
      store.refuse(SettingsRoot::kMachine);
      store.refuse(SettingsRoot::kUser);
    }
    start();
    if (!keys_refused) store.refuse_writes();
    open_settings();
    choose({1, 0, 0, 1});
    const std::string refused = "Failed to set data for 'SL_TP_Set_Type'";
    click(names::kSettingsApply);  // the backend shows what escapes a handler
    EXPECT_EQ(errors(), std::vector<std::string>{refused});
    EXPECT_TRUE(c().control(names::kSettingsPanel).visible());
    EXPECT_EQ(form->settings().sl_tp_mode, 0);
    EXPECT_EQ(form->settings().update_mode, 0);
    leave();
    EXPECT_EQ(errors(), std::vector<std::string>(2, refused));  // and again as the form goes
    EXPECT_EQ(store.open_keys(), 0);
    EXPECT_FALSE(store.has_key(SettingsRoot::kUser, key));  // an open key is not given up on
  }
}

}  // namespace
}  // namespace pelmora::testing
