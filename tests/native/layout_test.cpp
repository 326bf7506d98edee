// The layout data against the panel's design tables, written out here a second time by hand:
// a one-character change of a caption or a one-pixel change of a place fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/layout.h"

namespace pelmora::shell {
namespace {

std::string kind_name(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPanel:
      return "panel";
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kLine:
      return "line";
    case ControlKind::kImageButton:
      return "image";
    case ControlKind::kEdit:
      return "edit";
    case ControlKind::kMemo:
      return "memo";
    case ControlKind::kSpinButtons:
      return "spin";
    case ControlKind::kListBox:
      return "list";
    case ControlKind::kPushButton:
      return "button";
    case ControlKind::kSlider:
      return "slider";
    case ControlKind::kRadioGroup:
      return "radio";
  }
  return "?";
}

std::string colour_text(Colour c) {
  if (c == kDefaultColour) return "-";
  if (c == kWindowText) return "windowtext";
  return std::to_string(c);
}

// One line per control with every field of its spec; fields that are at their defaults are
// left out so the expected table stays readable.
std::string describe(const ControlSpec& s) {
  std::ostringstream o;
  o << s.name << " " << kind_name(s.kind) << " on " << (s.parent.empty() ? "form" : s.parent)
    << " at " << s.bounds.left << "," << s.bounds.top << " " << s.bounds.width << "x"
    << s.bounds.height;
  if (!s.text.empty()) o << " text \"" << s.text << "\"";
  if (!s.hint.empty()) o << " hint \"" << s.hint << "\"";
  if (!s.font.name.empty()) {
    o << " font " << s.font.name << " " << s.font.height << (s.font.bold ? " bold" : "");
  }
  if (s.colour != kDefaultColour) o << " colour " << colour_text(s.colour);
  if (s.back_colour != kDefaultColour) o << " back " << colour_text(s.back_colour);
  if (!s.visible) o << " hidden";
  if (s.tab_order >= 0) o << " tab " << s.tab_order;
  if (s.cursor == Cursor::kHand) o << " hand";
  if (s.item_height) o << " items " << s.item_height;
  if (s.slider != SliderRange{}) {
    o << " range " << s.slider.min << ".." << s.slider.max << " pos " << s.slider.position
      << " thumb " << s.slider.thumb_length << (s.slider.ticks ? " ticks" : "");
  }
  if (!s.choices[0].empty() || !s.choices[1].empty()) {
    o << " choices \"" << s.choices[0] << "\" \"" << s.choices[1] << "\"";
  }
  if (s.control_id) o << " id " << s.control_id;
  if (!s.bevel) o << " flat";
  if (!s.linked_edit.empty()) o << " steps " << s.linked_edit;
  if (s.border_width) o << " border " << s.border_width;
  if (s.drags_parent) o << " drags";
  return o.str();
}

const std::vector<std::string> kExpected = {
    "Properties panel on form at 360,296 337x329 hidden border 2",
    "Label17 label on Properties at 88,5 166x18 text \"Настройки программы\" font Arial 15 bold "
    "colour 5197647 drags",
    "RadioGroup1 radio on Properties at 16,32 305x55 text \"Выставление SL и TP\" font MS Sans "
    "Serif 13 colour windowtext back 12632256 tab 2 choices \"высчитывать по конкретной "
    "сделке\" \"использовать предыдущее значение\"",
    "RadioGroup2 radio on Properties at 16,96 305x55 text \"Позиционирование\" font MS Sans "
    "Serif 13 colour windowtext back 12632256 tab 3 choices \"запоминать позицию окна "
    "программы\" \"не запоминать позицию окна программы\"",
    "RadioGroup3 radio on Properties at 16,160 305x55 text \"Скорость тестирования\" font MS "
    "Sans Serif 13 colour windowtext back 12632256 tab 4 choices \"запоминать предыдущее "
    "значение\" \"начинать всегда со стандартной\"",
    "RadioGroup4 radio on Properties at 16,224 305x55 text \"Новые версии программы\" font MS "
    "Sans Serif 13 colour windowtext back 12632256 tab 5 choices \"сообщать о выходе новых "
    "версий\" \"не сообщать о выходе новых версий\"",
    "Button12 button on Properties at 48,292 75x25 text \"Отмена\" tab 0",
    "Button13 button on Properties at 208,292 75x25 text \"Применить\" tab 1",
    "SET_TP_SL_WND panel on form at 328,64 305x153 hidden border 2",
    "Label1 label on SET_TP_SL_WND at 8,5 200x18 text \"Задать SL/TP для сделки #\" font Arial "
    "15 bold colour 5197647",
    "Label2 label on SET_TP_SL_WND at 32,48 65x16 text \"Stop Loss:\" font Arial 13 bold colour "
    "5197647",
    "Label3 label on SET_TP_SL_WND at 176,48 72x16 text \"Take Profit:\" font Arial 13 bold "
    "colour 5197647",
    "Edit3 edit on SET_TP_SL_WND at 30,76 51x21 text \"0\" tab 2",
    "RzSpinButtons1 spin on SET_TP_SL_WND at 62,77 18x18 back 3621450 tab 4 steps Edit3",
    "Edit1 edit on SET_TP_SL_WND at 91,76 57x21 text \"0\" tab 0",
    "Edit2 edit on SET_TP_SL_WND at 171,76 57x21 text \"0\" tab 1",
    "RzSpinButtons2 spin on SET_TP_SL_WND at 209,77 18x18 back 3621450 tab 5 steps Edit2",
    "Edit4 edit on SET_TP_SL_WND at 239,76 57x21 text \"0\" tab 3",
    "Button8 button on SET_TP_SL_WND at 56,112 75x25 text \"Отмена\" tab 6",
    "Button9 button on SET_TP_SL_WND at 176,112 75x25 text \"Применить\" tab 7",
    "SET_TSL_WND panel on form at 14,312 219x129 hidden border 2",
    "Label4 label on SET_TSL_WND at 8,8 197x18 text \"Задать трейлинг-стоп лосс\" font Arial 15 "
    "bold colour 5197647",
    "Label5 label on SET_TSL_WND at 32,32 59x16 text \"Сделка #\" font Arial 13 bold colour "
    "5197647",
    "Label12 label on SET_TSL_WND at 16,58 118x16 text \"Задать расстояние:\" font Arial 13 "
    "colour 5197647",
    "Edit7 edit on SET_TSL_WND at 136,57 51x21 text \"0\" tab 0",
    "RzSpinButtons3 spin on SET_TSL_WND at 168,58 18x18 back 3621450 tab 1 steps Edit7",
    "Button5 button on SET_TSL_WND at 16,88 75x25 text \"Отмена\" tab 2",
    "Button6 button on SET_TSL_WND at 128,88 75x25 text \"Применить\" tab 3",
    "IN_ORDERS memo on form at 736,32 129x89 id 1001",
    "IN_READ_COMMAND edit on form at 736,128 121x21 id 1002",
    "IN_ASK_BID edit on form at 736,160 121x21 id 1003",
    "IN_ORDER_PROPERTY edit on form at 736,264 121x21 id 1004",
    "OUT_SELECTED_ORDER edit on form at 736,200 121x21 id 1005",
    "OUT_COMMAND edit on form at 736,288 121x21 id 1006",
    "main panel on form at 24,24 285x257 border 3",
    "Label7 label on main at 8,4 106x15 text \"Pelmora 1.0.6\" font Arial 12 bold colour 5197647 "
    "drags",
    "Label14 label on main at 136,4 135x15 text \"Скачать новую версию\" font Arial 12 bold "
    "colour 255 hidden hand",
    "AdvSplitter2 line on main at 8,20 270x3 back 8421504",
    "Label8 label on main at 64,25 148x15 text \"Открыть рыночный ордер\" font Arial 12 colour "
    "5197647 drags",
    "Label10 label on main at 91,45 100x18 text \"1.2345 / 1.2348\" font Arial 15 bold colour "
    "5197647 drags",
    "SpriteButton9 image on main at 16,71 80x25 text \"SELL\" hint \"Открыть рыночную продажу\"",
    "Edit12 edit on main at 112,73 59x21 text \"1\" hint \"Объём сделки\" flat",
    "RzSpinButtons8 spin on main at 152,75 18x18 back 3621450 tab 1 steps Edit12",
    "SpriteButton27 image on main at 184,71 80x25 text \"BUY\" hint \"Открыть рыночную "
    "покупку\"",
    "AdvSplitter1 line on main at 8,104 270x3 back 8421504",
    "Label9 label on main at 48,110 193x15 text \"Действия с открытыми ордерами:\" font Arial 12 "
    "colour 5197647 drags",
    "ORDERS_LIST_m list on main at 6,128 163x89 tab 0 items 13",
    "Button3 button on main at 192,128 75x25 text \"TP/SL\" hint \"Задать уровни TP/SL\" tab 2",
    "Button4 button on main at 192,160 75x25 text \"T-SL\" tab 3",
    "Button7 button on main at 192,192 75x25 text \"CLOSE\" tab 4",
    "TrackBar1 slider on main at 8,224 81x25 tab 5 range 0..32 pos 26 thumb 22",
    "Button1 button on main at 96,224 26x25 text \"| |\" hint \"Приостановить тестирование\"",
    "Button2 button on main at 128,224 41x25 text \"стоп\" hint \"Остановить тестирование\"",
    "Label13 label on main at 206,227 10x16 text \"©\" font Arial 13 colour 5197647 drags",
    "Label11 label on main at 219,229 60x24 text \"by Pelmora\r\n2024 Pelmora\" font Arial 9 "
    "colour 5197647 hand",
};

TEST(Layout, EveryControlMatchesTheDesignTablesInCreationOrder) {
  std::vector<std::string> actual;
  for (const ControlSpec& spec : controls()) actual.push_back(describe(spec));
  ASSERT_EQ(actual.size(), kExpected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], kExpected[i]) << "row " << i;
}

TEST(Layout, NamesAreUniqueAndParentsAreThePanels) {
  std::set<std::string_view> names;
  for (const ControlSpec& spec : controls()) {
    EXPECT_TRUE(names.insert(spec.name).second) << spec.name;
    EXPECT_TRUE(spec.parent.empty() || is_panel(spec.parent)) << spec.name;
    if (!spec.linked_edit.empty()) {
      auto edit = find_control(spec.linked_edit);
      ASSERT_TRUE(edit) << spec.name;
      EXPECT_EQ(edit->parent, spec.parent);
    }
  }
  for (std::string_view panel : kPanelNames) {
    auto spec = find_control(panel);
    ASSERT_TRUE(spec);
    EXPECT_EQ(spec->kind, ControlKind::kPanel);
    EXPECT_TRUE(spec->parent.empty());
  }
  EXPECT_FALSE(find_control("Edit99"));
}

TEST(Layout, TabOrderOfEachPanelHasNoGapsOrRepeats) {
  for (std::string_view panel : kPanelNames) {
    std::vector<int> orders;
    for (const ControlSpec& spec : controls()) {
      if (spec.parent == panel && spec.tab_order >= 0) orders.push_back(spec.tab_order);
    }
    std::sort(orders.begin(), orders.end());
    for (size_t i = 0; i < orders.size(); ++i) EXPECT_EQ(orders[i], static_cast<int>(i)) << panel;
  }
}

TEST(Layout, FormPanelsMenuAndTimers) {
  EXPECT_EQ(kFormSpec.bounds, (platform::Bounds{180, 0, 1028, 699}));
  EXPECT_EQ(kFormSpec.colour, 3621450u);
  EXPECT_EQ(kFormSpec.caption, "Form1");
  EXPECT_EQ(kPanelLook.fill_top, 14803425u);
  EXPECT_EQ(kPanelLook.fill_bottom, 0xC0C0C0u);
  EXPECT_EQ(kPanelLook.border, 0x808080u);
  EXPECT_EQ(kPanelLook.corner_radius, 10);

  std::vector<std::string> menu;
  for (const MenuItemSpec& item : popup_menu()) {
    menu.push_back(std::string(item.name) + "=" + std::string(item.caption));
  }
  EXPECT_EQ(menu, (std::vector<std::string>{"N2=Закрыть все ордера", "N3=Настройки"}));

  std::vector<std::string> timer_rows;
  for (const TimerSpec& t : timers()) {
    timer_rows.push_back(std::string(t.name) + " " + std::to_string(t.interval_ms) +
                         (t.enabled ? " on" : " off"));
  }
  EXPECT_EQ(timer_rows,
            (std::vector<std::string>{"Timer1 200 on", "Timer2 300 on", "SET_TP_SL_TMR 500 off",
                                      "Timer3 10 on", "Timer4 200 on"}));
}

}  // namespace
}  // namespace pelmora::shell
