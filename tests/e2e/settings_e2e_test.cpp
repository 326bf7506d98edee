// End to end under Wine: the settings window over the substitute terminal, opened from the
// shortcut menus of the main panel and of an open floating panel with real mouse input, and
// what it stores read back from the registry beside the panel.
#include <gtest/gtest.h>
#include <windows.h>

#include "form/names.h"
#include "real_input.h"
#include "stored_settings.h"
#include "terminal_with_expert.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

// The panel's stored settings, a base so that the key is cleared before the terminal starts the
// panel and after the panel has ended.
struct PanelSettings {
  StoredSettings stored_{panel_program()};
};

class SettingsOverTerminal : public PanelSettings, public TerminalWithExpert {
 protected:
  // A choice of a radio group: its two buttons are numbered 1 and 2 inside the group.
  HWND choice(std::string_view group, int index) { return GetDlgItem(control(group), index + 1); }
  static bool checked(HWND button) {
    DWORD_PTR state = 0;
    return SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_BLOCK, 2000, &state) &&
           state == BST_CHECKED;
  }
  // Clicks a radio button until it shows checked. Under Wine, a window that has just come up may
  // lose the mouse between press and release (the desktop taking the keyboard), and the release
  // then checks nothing: the user clicks again.
  bool click_until_checked(HWND button) {
    for (int tries = 0; tries < 4; ++tries) {
      if (!input::click(input::centre_of(button))) return false;
      if (wait_until([&] { return checked(button); }, 2s)) return true;
    }
    return false;
  }
  // A bare spot of a floating panel, `down` pixels below its top edge.
  POINT bare_spot(std::string_view window, int down) {
    return {top_left(control(window)).x + 8, top_left(control(window)).y + down};
  }
};

TEST_F(SettingsOverTerminal, ApplyStoresTheChoiceAndCancelOverAFloatingPanelStoresNothing) {
  // "Настройки" from the main panel's menu: the window takes its place.
  const POINT main_place = top_left(control(names::kMainPanel));
  ASSERT_TRUE(choose_from_menu(bare_spot(names::kMainPanel, 50), 1));
  ASSERT_TRUE(swapped(names::kSettingsPanel, names::kMainPanel, main_place))
      << "the settings window did not take the main panel's place";
  HWND forget_place = choice(names::kPlacementGroup, 1);  // "не запоминать позицию окна программы"
  ASSERT_TRUE(click_until_checked(forget_place));
  EXPECT_TRUE(click_until_swapped(names::kSettingsApply, names::kMainPanel, names::kSettingsPanel,
                                  main_place))
      << "the main panel did not come back in the window's place";
  EXPECT_EQ(stored_.value("WND_POS_Type"), 1);
  EXPECT_EQ(stored_.value("SL_TP_Set_Type"), 0);

  // From the trailing-stop window's menu: the settings window comes at the main panel's place,
  // over the floating panel, which stays open.
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n"));
  ASSERT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));
  // Under Wine the desktop may take the keyboard once the settings window has closed, which
  // would cancel the click on T-SL: the user takes it back first.
  ASSERT_TRUE(click_until_swapped(names::kTrailingButton, names::kTrailingPanel, names::kMainPanel,
                                  main_place));
  ASSERT_TRUE(choose_from_menu(bare_spot(names::kTrailingPanel, 45), 1));
  ASSERT_TRUE(swapped(names::kSettingsPanel, names::kMainPanel, main_place));
  EXPECT_TRUE(visible(names::kTrailingPanel));

  // A choice made and cancelled: the groups show the stored choices again, and nothing new is
  // stored. The floating panel lies over the settings window's top, so the choice is one below
  // it. The main panel comes back while the floating panel is still open.
  HWND no_news = choice(names::kVersionsGroup, 1);  // "не сообщать о выходе новых версий"
  ASSERT_TRUE(click_until_checked(no_news));
  EXPECT_TRUE(click_until_swapped(names::kSettingsCancel, names::kMainPanel, names::kSettingsPanel,
                                  main_place));
  EXPECT_TRUE(visible(names::kTrailingPanel));
  EXPECT_FALSE(checked(no_news));
  EXPECT_TRUE(checked(choice(names::kVersionsGroup, 0)));
  EXPECT_TRUE(checked(forget_place));
  EXPECT_EQ(stored_.value("NewVersion_Type"), 0);
}

}  // namespace
}  // namespace pelmora::e2e
