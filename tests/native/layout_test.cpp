// The layout data against the panel's design tables, written out here a second time by hand:
// a one-character change of a caption or a one-pixel change of a place fails.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "shell/layout.h"

namespace pelmora::shell {
namespace {

// A text in quotes, its line breaks shown as \r and \n.
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return out + "\"";
}

std::string colour_text(Colour c) {
  return c == kWindowText ? "windowtext" : std::to_string(c);
}

// One row per control with every field of its spec; fields at their defaults are left out so
// the expected table stays readable.
std::string describe(const ControlSpec& s) {
  static const char* const kKinds[] = {"panel", "label", "line",   "image",  "edit", "memo",
                                       "spin",  "list",  "button", "slider", "radio"};
  std::ostringstream o;
  o << s.name << " " << kKinds[static_cast<int>(s.kind)] << " "
    << (s.parent.empty() ? "form" : s.parent) << " " << s.bounds.left << "," << s.bounds.top << " "
    << s.bounds.width << "x" << s.bounds.height;
  if (!s.text.empty()) o << " " << quoted(s.text);
  if (!s.hint.empty()) o << " hint " << quoted(s.hint);
  if (!s.font.name.empty()) o << " " << s.font.name << " " << s.font.height;
  if (s.font.bold) o << " bold";
  if (s.colour != kDefaultColour) o << " fg " << colour_text(s.colour);
  if (s.back_colour != kDefaultColour) o << " bg " << colour_text(s.back_colour);
  if (!s.visible) o << " hidden";
  if (s.tab_order >= 0) o << " tab " << s.tab_order;
  if (s.cursor == Cursor::kHand) o << " hand";
  if (s.item_height) o << " items " << s.item_height;
  if (s.slider != SliderRange{}) {
    o << " range " << s.slider.min << ".." << s.slider.max << " pos " << s.slider.position
      << " thumb " << s.slider.thumb_length << (s.slider.ticks ? " ticks" : "");
  }
  if (!s.choices[0].empty() || !s.choices[1].empty()) {
    o << " choices " << quoted(s.choices[0]) << " " << quoted(s.choices[1]);
  }
  if (s.control_id) o << " id " << s.control_id;
  if (!s.bevel) o << " flat";
  if (!s.linked_edit.empty()) o << " steps " << s.linked_edit;
  if (s.border_width) o << " border " << s.border_width;
  if (s.drags_parent) o << " drags";
  if (s.pictures != Pictures::kNone) o << (s.pictures == Pictures::kSell ? " sell" : " buy");
  return o.str();
}

// The design, one row per line; a line that starts with blanks continues the row above.
constexpr std::string_view kExpected = R"(
Properties panel form 360,296 337x329 hidden border 2
Label17 label Properties 88,5 166x18 "Настройки программы" Arial 15 bold fg 5197647 drags
RadioGroup1 radio Properties 16,32 305x55 "Выставление SL и TP" MS Sans Serif 13 fg windowtext bg 12632256 tab 2
    choices "высчитывать по конкретной сделке" "использовать предыдущее значение"
RadioGroup2 radio Properties 16,96 305x55 "Позиционирование" MS Sans Serif 13 fg windowtext bg 12632256 tab 3
    choices "запоминать позицию окна программы" "не запоминать позицию окна программы"
RadioGroup3 radio Properties 16,160 305x55 "Скорость тестирования" MS Sans Serif 13 fg windowtext bg 12632256 tab 4
    choices "запоминать предыдущее значение" "начинать всегда со стандартной"
RadioGroup4 radio Properties 16,224 305x55 "Новые версии программы" MS Sans Serif 13 fg windowtext bg 12632256 tab 5
    choices "сообщать о выходе новых версий" "не сообщать о выходе новых версий"
Button12 button Properties 48,292 75x25 "Отмена" tab 0
Button13 button Properties 208,292 75x25 "Применить" tab 1
SET_TP_SL_WND panel form 328,64 305x153 hidden border 2
Label1 label SET_TP_SL_WND 8,5 200x18 "Задать SL/TP для сделки #" Arial 15 bold fg 5197647
Label2 label SET_TP_SL_WND 32,48 65x16 "Stop Loss:" Arial 13 bold fg 5197647
Label3 label SET_TP_SL_WND 176,48 72x16 "Take Profit:" Arial 13 bold fg 5197647
Edit3 edit SET_TP_SL_WND 30,76 51x21 "0" tab 2
RzSpinButtons1 spin SET_TP_SL_WND 62,77 18x18 bg 3621450 tab 4 steps Edit3
Edit1 edit SET_TP_SL_WND 91,76 57x21 "0" tab 0
Edit2 edit SET_TP_SL_WND 171,76 57x21 "0" tab 1
RzSpinButtons2 spin SET_TP_SL_WND 209,77 18x18 bg 3621450 tab 5 steps Edit2
Edit4 edit SET_TP_SL_WND 239,76 57x21 "0" tab 3
Button8 button SET_TP_SL_WND 56,112 75x25 "Отмена" tab 6
Button9 button SET_TP_SL_WND 176,112 75x25 "Применить" tab 7
SET_TSL_WND panel form 14,312 219x129 hidden border 2
Label4 label SET_TSL_WND 8,8 197x18 "Задать трейлинг-стоп лосс" Arial 15 bold fg 5197647
Label5 label SET_TSL_WND 32,32 59x16 "Сделка #" Arial 13 bold fg 5197647
Label12 label SET_TSL_WND 16,58 118x16 "Задать расстояние:" Arial 13 fg 5197647
Edit7 edit SET_TSL_WND 136,57 51x21 "0" tab 0
RzSpinButtons3 spin SET_TSL_WND 168,58 18x18 bg 3621450 tab 1 steps Edit7
Button5 button SET_TSL_WND 16,88 75x25 "Отмена" tab 2
Button6 button SET_TSL_WND 128,88 75x25 "Применить" tab 3
IN_ORDERS memo form 736,32 129x89 id 1001
IN_READ_COMMAND edit form 736,128 121x21 id 1002
IN_ASK_BID edit form 736,160 121x21 id 1003
IN_ORDER_PROPERTY edit form 736,264 121x21 id 1004
OUT_SELECTED_ORDER edit form 736,200 121x21 id 1005
OUT_COMMAND edit form 736,288 121x21 id 1006
main panel form 24,24 285x257 border 3
Label7 label main 8,4 106x15 "Pelmora 1.0.6" Arial 12 bold fg 5197647 drags
Label14 label main 136,4 135x15 "Скачать новую версию" Arial 12 bold fg 255 hidden hand
AdvSplitter2 line main 8,20 270x3 bg 8421504
Label8 label main 64,25 148x15 "Открыть рыночный ордер" Arial 12 fg 5197647 drags
Label10 label main 91,45 100x18 "1.2345 / 1.2348" Arial 15 bold fg 5197647 drags
SpriteButton9 image main 16,71 80x25 "SELL" hint "Открыть рыночную продажу" Arial 14 bold sell
Edit12 edit main 112,73 59x21 "1" hint "Объём сделки" flat
RzSpinButtons8 spin main 152,75 18x18 bg 3621450 tab 1 steps Edit12
SpriteButton27 image main 184,71 80x25 "BUY" hint "Открыть рыночную покупку" Arial 14 bold buy
AdvSplitter1 line main 8,104 270x3 bg 8421504
Label9 label main 48,110 193x15 "Действия с открытыми ордерами:" Arial 12 fg 5197647 drags
ORDERS_LIST_m list main 6,128 163x89 tab 0 items 13
Button3 button main 192,128 75x25 "TP/SL" hint "Задать уровни TP/SL" tab 2
Button4 button main 192,160 75x25 "T-SL" tab 3
Button7 button main 192,192 75x25 "CLOSE" tab 4
TrackBar1 slider main 8,224 81x25 tab 5 range 0..32 pos 26 thumb 22
Button1 button main 96,224 26x25 "| |" hint "Приостановить тестирование"
Button2 button main 128,224 41x25 "стоп" hint "Остановить тестирование"
Label13 label main 206,227 10x16 "©" Arial 13 fg 5197647 drags
Label11 label main 219,229 60x24 "by Pelmora\r\n2024 Pelmora" Arial 9 fg 5197647 hand
form "Form1" 180,0 1028x699 bg 3621450
panels fill 14803425..12632256 border 8421504 radius 10
menu N2 "Закрыть все ордера"
menu N3 "Настройки"
timer Timer1 200 on
timer Timer2 300 on
timer SET_TP_SL_TMR 500 off
timer Timer3 10 on
timer Timer4 200 on)";

TEST(Layout, EveryControlMenuItemAndTimerMatchesTheDesignTablesInCreationOrder) {
  std::vector<std::string> expected;
  std::istringstream lines{std::string(kExpected.substr(1))};
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(" ")) {
      expected.back() += " " + line.substr(line.find_first_not_of(' '));
    } else {
      expected.push_back(line);
    }
  }
  std::vector<std::string> actual;
  for (const ControlSpec& spec : controls()) actual.push_back(describe(spec));
  const FormSpec& f = kFormSpec;
  actual.push_back("form " + quoted(f.caption) + " " + std::to_string(f.bounds.left) + "," +
                   std::to_string(f.bounds.top) + " " + std::to_string(f.bounds.width) + "x" +
                   std::to_string(f.bounds.height) + " bg " + std::to_string(f.colour));
  const PanelLook& p = kPanelLook;
  actual.push_back("panels fill " + std::to_string(p.fill_top) + ".." +
                   std::to_string(p.fill_bottom) + " border " + std::to_string(p.border) +
                   " radius " + std::to_string(p.corner_radius));
  for (const MenuItemSpec& m : popup_menu()) {
    actual.push_back("menu " + std::string(m.name) + " " + quoted(m.caption));
  }
  for (const TimerSpec& t : timers()) {
    actual.push_back("timer " + std::string(t.name) + " " + std::to_string(t.interval_ms) +
                     (t.enabled ? " on" : " off"));
  }
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << "row " << i;
}

}  // namespace
}  // namespace pelmora::shell
