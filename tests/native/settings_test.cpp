// The settings on the in-memory form: the key's suffix, loading and saving the seven values with
// their defaults and the WND_X/WND_Y swap, the settings window, runs of the program one after
// the other, the place at another scale, and the user's key when the machine key refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/names.h"
#include "panel_world.h"
#include "settings/settings.h"
#include "settings/settings_key.h"

namespace pelmora::testing {
namespace {

using Values = FakeSettingsStore::Values;

TEST(SettingsKey, TheSuffixIsTheFolderWithoutItsDriveEachSeparatorAnUnderscore) {
  const std::pair<const char*, const char*> cases[] = {
      {R"(C:\Trade\Panel\pelmora.exe)", "_Trade_Panel"},
      {R"(D:\Trade\Panel\pelmora.exe)", "_Trade_Panel"},          // the drive is not part of it
      {R"(C:\pelmora.exe)", "_"},                                 // the root folder keeps its "\"
      {R"(\\server\share\bin\pelmora.exe)", "server_share_bin"},  // "\\" are the two dropped
      {R"(C:\Торговля\Панель\p.exe)", "_Торговля_Панель"},
      {R"(C:p.exe)", ""},
      {"pelmora.exe", ""}};
  for (const auto& [program, suffix] : cases) {
    EXPECT_EQ(settings::settings_key_suffix(program), suffix) << program;
  }
  EXPECT_EQ(settings::settings_key_path("_Trade_Panel"),
            R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion\Pelmora_Trade_Panel)");
}

struct Settings : ::testing::Test, PanelWorld {
  const std::string key = settings::settings_key_path("_Trade_Panel");

  // The four groups' choices, the two variables, main's place and the speed.
  std::string shown() {
    std::string text;
    for (int i = 1; i <= 4; ++i) {
      text += std::to_string(c().radio_group("RadioGroup" + std::to_string(i)).selected()) + " ";
    }
    const Bounds m = place(names::kMainPanel);
    return text + "vars " + std::to_string(form->settings().sl_tp_mode) + " " +
           std::to_string(form->settings().update_mode) + " main " + std::to_string(m.left) + "," +
           std::to_string(m.top) + " speed " +
           std::to_string(c().slider(names::kSpeedSlider).position());
  }
  void choose(std::array<int, 4> choices) {
    for (int i = 0; i < 4; ++i)
      c().radio_group("RadioGroup" + std::to_string(i + 1)).select(choices[i]);
  }
  void put(std::string_view name, FakeSettingsStore::Value value,
           SettingsRoot root = SettingsRoot::kMachine) {
    store.put(root, key, name, std::move(value));
  }
  Values stored(SettingsRoot root = SettingsRoot::kMachine) { return store.values(root, key); }
  int32_t stored(std::string_view name) {
    return std::get<int32_t>(stored().at(std::string(name)));
  }
  void open_settings() { c().fake_menu_item(names::kSettingsItem).click(); }
  void move(std::string_view panel, int left, int top) {
    c().control(panel).set_position(left, top);
  }
};

TEST_F(Settings, AFirstStartTakesEveryDefaultAndLeavingStoresThemUnderTheFoldersKey) {
  start();
  // Main not at its design place 24, 24; the slider not at its design position 26.
  EXPECT_EQ(shown(), "0 0 0 0 vars 0 0 main 0,0 speed 24");
  EXPECT_FALSE(store.has_key(SettingsRoot::kMachine, key));  // loading creates nothing
  move(names::kMainPanel, 30, 70);
  leave();
  EXPECT_EQ(stored(), (Values{{"SL_TP_Set_Type", 0},
                              {"WND_POS_Type", 0},
                              {"TrackBarPos_Type", 0},
                              {"NewVersion_Type", 0},
                              {"WND_X", 70},
                              {"WND_Y", 30},
                              {"TrackBarPos", 24}}));  // WND_X holds the Top, WND_Y the Left
  EXPECT_EQ(store.writes(),
            (std::vector<std::string>{"SL_TP_Set_Type", "WND_POS_Type", "TrackBarPos_Type",
                                      "NewVersion_Type", "WND_X", "WND_Y", "TrackBarPos"}));
  EXPECT_FALSE(store.has_key(SettingsRoot::kUser, key));
  EXPECT_EQ(store.open_keys(), 0);
}

// Whichever end comes first saves, once: the session's end, the following tick finding the
// chart closed (before it ends the program), the form's destruction. What it saves is what the
// controls' events left: the user's choice, main's place after a drag, the slider's position.
TEST_F(Settings, TheFirstEndSavesWhatTheControlsShowedLastAndTheOthersNothing) {
  const std::function<void()> ends[] = {[&] { c().window().end_session(); },
                                        [&] {
                                          terminal.set_text(frame, "");  // the chart is closed
                                          form->following_tick();
                                        },
                                        [&] { leave(); }};
  for (const auto& end : ends) {
    store = {};
    start();
    roles->program.set_first_parameter(parameter());
    terminal.set_foreground(platform::fake::FakePanelWindow::kRef);
    c().radio_group(names::kVersionsGroup).select(1);
    auto& main = c().fake<FakePanel>(names::kMainPanel);
    main.press(MouseButton::kLeft, 5, 5);
    main.release(MouseButton::kLeft, 35, 75);
    c().slider(names::kSpeedSlider).set_position(7);
    end();
    EXPECT_EQ((std::vector{stored("NewVersion_Type"), stored("WND_Y"), stored("WND_X"),
                           stored("TrackBarPos")}),
              (std::vector{1, 30, 70, 7}));
    leave();
    EXPECT_EQ(store.writes().size(), 7u);
  }
}

TEST_F(Settings, EachStoredValueStandsAloneGroupsClampTheVariablesDoNot) {
  const std::pair<const char*, FakeSettingsStore::Value> values[] = {
      {"SL_TP_Set_Type", -1},
      {"WND_POS_Type", std::string("1")},  // another type falls back
      {"TrackBarPos_Type", -7},
      {"NewVersion_Type", 5},  // announces nothing
      {"WND_X", 40},
      {"WND_Y", 100},
      {"TrackBarPos", 99}};
  for (const auto& [name, value] : values) put(name, value);
  start();
  EXPECT_EQ(shown(), "-1 0 -1 1 vars -1 5 main 100,40 speed 32");  // the slider's end
  EXPECT_EQ(c().fake<platform::fake::FakeSlider>(names::kSpeedSlider).hint(),
            "32 (Shift+, / Shift+.)");
  open_settings();
  click(names::kSettingsApply);
  EXPECT_EQ(shown(), "-1 0 -1 1 vars -1 1 main 100,40 speed 32");
  // No choice in the speed group acts as "always the standard speed".
  EXPECT_EQ((std::vector{stored("NewVersion_Type"), stored("SL_TP_Set_Type"), stored("TrackBarPos"),
                         stored("WND_X")}),
            (std::vector{1, -1, 24, 40}));
}

TEST_F(Settings, TheChoicesSayWhetherThePlaceAndTheSpeedAreKept) {
  const std::tuple<int, int, const char*> cases[] = {{0, 0, "main 60,90 speed 7"},
                                                     {1, 1, "main 0,0 speed 24"},
                                                     {-1, 0, "main 0,0 speed 7"},
                                                     {0, -1, "main 60,90 speed 24"}};
  for (const auto& [position_choice, speed_choice, next] : cases) {
    start();
    choose({0, position_choice, speed_choice, 0});
    move(names::kMainPanel, 60, 90);  // as a drag leaves it
    c().slider(names::kSpeedSlider).set_position(7);
    leave();
    start();
    EXPECT_EQ(shown(), "0 " + std::to_string(position_choice) + " " + std::to_string(speed_choice) +
                           " 0 vars 0 0 " + next);
  }
}

TEST_F(Settings, ApplyStoresAndActsCancelGoesBackToTheStoreAndTheWindowGivesMainItsPlace) {
  put("SL_TP_Set_Type", 1);
  start();
  open_settings();
  EXPECT_TRUE(shape_is({names::kSettingsPanel}));
  choose({0, 1, 1, 1});
  click(names::kSettingsCancel);  // back to what is stored, variables untouched
  EXPECT_EQ(shown(), "1 0 0 0 vars 1 0 main 0,0 speed 24");
  EXPECT_TRUE(shape_is({names::kMainPanel}));

  open_settings();
  choose({0, 1, 0, 1});
  move(names::kSettingsPanel, 50, 20);  // dragged while open
  click(names::kSettingsApply);
  // Applying moves neither the panel nor the slider to a stored value.
  EXPECT_EQ(shown(), "0 1 0 1 vars 0 1 main 50,20 speed 24");
  EXPECT_TRUE(shape_is({names::kMainPanel}));
  EXPECT_EQ((std::vector{stored("WND_POS_Type"), stored("WND_X")}), (std::vector{1, 0}));

  store = {};  // the key is gone: cancel puts every group at its first choice
  open_settings();
  choose({1, 1, -1, 1});
  click(names::kSettingsCancel);
  EXPECT_EQ(shown(), "0 0 0 0 vars 0 1 main 50,20 speed 24");

  // Leaving with the window open stores the choices shown, never applied, and main's place from
  // before the window opened.
  open_settings();
  move(names::kSettingsPanel, 300, 300);
  choose({1, 0, 0, 1});
  leave();
  EXPECT_EQ((std::vector{stored("SL_TP_Set_Type"), stored("NewVersion_Type"), stored("WND_Y")}),
            (std::vector{1, 1, 50}));
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
  EXPECT_EQ((std::vector{stored("WND_Y"), stored("WND_X")}), (std::vector{35, 14}));
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
  EXPECT_EQ(stored(SettingsRoot::kUser).at("SL_TP_Set_Type"), Values::mapped_type{1});
  leave();
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(stored("WND_X"), 5);  // the machine key is left alone
  start();                        // and the next run reads it back
  EXPECT_EQ(shown(), "1 0 0 0 vars 1 0 main 0,33 speed 24");
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
    EXPECT_EQ(shown(), "1 0 0 1 vars 0 0 main 0,0 speed 24");
    leave();
    EXPECT_EQ(errors(), std::vector<std::string>(2, refused));  // and again as the form goes
    EXPECT_EQ(store.open_keys(), 0);
    EXPECT_FALSE(store.has_key(SettingsRoot::kUser, key));  // an open key is not given up on
  }
}

}  // namespace
}  // namespace pelmora::testing
