// The layout tables of the panel's form. Places are pixels at 96 dots per inch, relative to the
// parent's client area; the order is the form's creation order.
#include "shell/layout.h"

#include "link/exchange_fields.h"
#include "shell/control_names.h"

namespace pelmora::shell {

namespace {

using K = ControlKind;

constexpr Font kArial12{"Arial", 12, false};
constexpr Font kArial12Bold{"Arial", 12, true};
constexpr Font kArial13{"Arial", 13, false};
constexpr Font kArial14Bold{"Arial", 14, true};  // the order buttons' word
constexpr Font kArial13Bold{"Arial", 13, true};
constexpr Font kArial15Bold{"Arial", 15, true};
constexpr Font kArial9{"Arial", 9, false};
constexpr Font kRadioFont{"MS Sans Serif", 13, false};

constexpr ControlSpec kPanel(std::string_view name, platform::Bounds bounds, bool visible,
                             int border) {
  return {.name = name,
          .kind = K::kPanel,
          .bounds = bounds,
          .visible = visible,
          .border_width = border};
}

constexpr ControlSpec kLabel(std::string_view name, std::string_view parent,
                             platform::Bounds bounds, std::string_view caption, Font font,
                             bool drags_parent = false) {
  return {.name = name,
          .kind = K::kLabel,
          .parent = parent,
          .bounds = bounds,
          .text = caption,
          .font = font,
          .colour = kLabelColour,
          .drags_parent = drags_parent};
}

constexpr ControlSpec kEdit(std::string_view name, std::string_view parent, platform::Bounds bounds,
                            std::string_view text, int tab_order) {
  return {.name = name,
          .kind = K::kEdit,
          .parent = parent,
          .bounds = bounds,
          .text = text,
          .tab_order = tab_order};
}

constexpr ControlSpec kButton(std::string_view name, std::string_view parent,
                              platform::Bounds bounds, std::string_view caption, int tab_order,
                              std::string_view hint = {}) {
  return {.name = name,
          .kind = K::kPushButton,
          .parent = parent,
          .bounds = bounds,
          .text = caption,
          .hint = hint,
          .tab_order = tab_order};
}

constexpr ControlSpec kSpin(std::string_view name, std::string_view parent, platform::Bounds bounds,
                            std::string_view edit, int tab_order) {
  return {.name = name,
          .kind = K::kSpinButtons,
          .parent = parent,
          .bounds = bounds,
          .back_colour = kKeyColour,
          .tab_order = tab_order,
          .linked_edit = edit};
}

constexpr ControlSpec kLine(std::string_view name, std::string_view parent,
                            platform::Bounds bounds) {
  return {.name = name, .kind = K::kLine, .parent = parent, .bounds = bounds, .back_colour = kGrey};
}

constexpr ControlSpec kRadio(std::string_view name, platform::Bounds bounds,
                             std::string_view caption, std::string_view choice0,
                             std::string_view choice1, int tab_order) {
  return {.name = name,
          .kind = K::kRadioGroup,
          .parent = ctl::Properties,
          .bounds = bounds,
          .text = caption,
          .font = kRadioFont,
          .colour = kWindowText,
          .back_colour = kSilver,
          .tab_order = tab_order,
          .choices = {choice0, choice1}};
}

constexpr ControlSpec kField(const link::ExchangeFieldId& field, platform::Bounds bounds) {
  return {.name = field.name,
          .kind = field.multi_line ? K::kMemo : K::kEdit,
          .bounds = bounds,
          .control_id = field.control_id};
}

constexpr ControlSpec kImageButton(std::string_view name, platform::Bounds bounds,
                                   std::string_view word, std::string_view hint,
                                   Pictures pictures) {
  return {.name = name,
          .kind = K::kImageButton,
          .parent = ctl::main,
          .bounds = bounds,
          .text = word,
          .hint = hint,
          .font = kArial14Bold,
          .pictures = pictures};
}

constexpr std::string_view kTpSl = ctl::SET_TP_SL_WND;
constexpr std::string_view kTsl = ctl::SET_TSL_WND;
constexpr std::string_view kProps = ctl::Properties;
constexpr std::string_view kMain = ctl::main;

// Label11's two-line credit and the sign in front of it.
constexpr std::string_view kCredit = "by Pelmora\r\n2024 Pelmora";
constexpr std::string_view kCreditSign = "©";

constexpr ControlSpec kControls[] = {
    kPanel(kProps, {360, 296, 337, 329}, false, 2),
    kLabel(ctl::Label17, kProps, {88, 5, 166, 18}, "Настройки программы", kArial15Bold, true),
    kRadio(ctl::RadioGroup1, {16, 32, 305, 55}, "Выставление SL и TP",
           "высчитывать по конкретной сделке", "использовать предыдущее значение", 2),
    kRadio(ctl::RadioGroup2, {16, 96, 305, 55}, "Позиционирование",
           "запоминать позицию окна программы", "не запоминать позицию окна программы", 3),
    kRadio(ctl::RadioGroup3, {16, 160, 305, 55}, "Скорость тестирования",
           "запоминать предыдущее значение", "начинать всегда со стандартной", 4),
    kRadio(ctl::RadioGroup4, {16, 224, 305, 55}, "Новые версии программы",
           "сообщать о выходе новых версий", "не сообщать о выходе новых версий", 5),
    kButton(ctl::Button12, kProps, {48, 292, 75, 25}, "Отмена", 0),
    kButton(ctl::Button13, kProps, {208, 292, 75, 25}, "Применить", 1),

    kPanel(kTpSl, {328, 64, 305, 153}, false, 2),
    kLabel(ctl::Label1, kTpSl, {8, 5, 200, 18}, "Задать SL/TP для сделки #", kArial15Bold),
    kLabel(ctl::Label2, kTpSl, {32, 48, 65, 16}, "Stop Loss:", kArial13Bold),
    kLabel(ctl::Label3, kTpSl, {176, 48, 72, 16}, "Take Profit:", kArial13Bold),
    kEdit(ctl::Edit3, kTpSl, {30, 76, 51, 21}, "0", 2),
    kSpin(ctl::RzSpinButtons1, kTpSl, {62, 77, 18, 18}, ctl::Edit3, 4),
    kEdit(ctl::Edit1, kTpSl, {91, 76, 57, 21}, "0", 0),
    kEdit(ctl::Edit2, kTpSl, {171, 76, 57, 21}, "0", 1),
    kSpin(ctl::RzSpinButtons2, kTpSl, {209, 77, 18, 18}, ctl::Edit2, 5),
    kEdit(ctl::Edit4, kTpSl, {239, 76, 57, 21}, "0", 3),
    kButton(ctl::Button8, kTpSl, {56, 112, 75, 25}, "Отмена", 6),
    kButton(ctl::Button9, kTpSl, {176, 112, 75, 25}, "Применить", 7),

    kPanel(kTsl, {14, 312, 219, 129}, false, 2),
    kLabel(ctl::Label4, kTsl, {8, 8, 197, 18}, "Задать трейлинг-стоп лосс", kArial15Bold),
    kLabel(ctl::Label5, kTsl, {32, 32, 59, 16}, "Сделка #", kArial13Bold),
    kLabel(ctl::Label12, kTsl, {16, 58, 118, 16}, "Задать расстояние:", kArial13),
    kEdit(ctl::Edit7, kTsl, {136, 57, 51, 21}, "0", 0),
    kSpin(ctl::RzSpinButtons3, kTsl, {168, 58, 18, 18}, ctl::Edit7, 1),
    kButton(ctl::Button5, kTsl, {16, 88, 75, 25}, "Отмена", 2),
    kButton(ctl::Button6, kTsl, {128, 88, 75, 25}, "Применить", 3),

    kField(link::kInOrders, {736, 32, 129, 89}),
    kField(link::kInReadCommand, {736, 128, 121, 21}),
    kField(link::kInAskBid, {736, 160, 121, 21}),
    kField(link::kInOrderProperty, {736, 264, 121, 21}),
    kField(link::kOutSelectedOrder, {736, 200, 121, 21}),
    kField(link::kOutCommand, {736, 288, 121, 21}),

    kPanel(kMain, {24, 24, 285, 257}, true, 3),
    kLabel(ctl::Label7, kMain, {8, 4, 106, 15}, "Pelmora 1.0.6", kArial12Bold, true),
    {.name = ctl::Label14,
     .kind = K::kLabel,
     .parent = kMain,
     .bounds = {136, 4, 135, 15},
     .text = "Скачать новую версию",
     .font = kArial12Bold,
     .colour = kRed,
     .visible = false,
     .cursor = Cursor::kHand},
    kLine(ctl::AdvSplitter2, kMain, {8, 20, 270, 3}),
    kLabel(ctl::Label8, kMain, {64, 25, 148, 15}, "Открыть рыночный ордер", kArial12, true),
    kLabel(ctl::Label10, kMain, {91, 45, 100, 18}, "1.2345 / 1.2348", kArial15Bold, true),
    kImageButton(ctl::SpriteButton9, {16, 71, 80, 25}, "SELL", "Открыть рыночную продажу",
                 Pictures::kSell),
    {.name = ctl::Edit12,
     .kind = K::kEdit,
     .parent = kMain,
     .bounds = {112, 73, 59, 21},
     .text = "1",
     .hint = "Объём сделки",
     .bevel = false},
    kSpin(ctl::RzSpinButtons8, kMain, {152, 75, 18, 18}, ctl::Edit12, 1),
    kImageButton(ctl::SpriteButton27, {184, 71, 80, 25}, "BUY", "Открыть рыночную покупку",
                 Pictures::kBuy),
    kLine(ctl::AdvSplitter1, kMain, {8, 104, 270, 3}),
    kLabel(ctl::Label9, kMain, {48, 110, 193, 15}, "Действия с открытыми ордерами:", kArial12,
           true),
    {.name = ctl::ORDERS_LIST_m,
     .kind = K::kListBox,
     .parent = kMain,
     .bounds = {6, 128, 163, 89},
     .tab_order = 0,
     .item_height = 13},
    kButton(ctl::Button3, kMain, {192, 128, 75, 25}, "TP/SL", 2, "Задать уровни TP/SL"),
    kButton(ctl::Button4, kMain, {192, 160, 75, 25}, "T-SL", 3),
    kButton(ctl::Button7, kMain, {192, 192, 75, 25}, "CLOSE", 4),
    {.name = ctl::TrackBar1,
     .kind = K::kSlider,
     .parent = kMain,
     .bounds = {8, 224, 81, 25},
     .tab_order = 5,
     .slider = {.min = 0, .max = 32, .position = 26, .thumb_length = 22, .ticks = false}},
    kButton(ctl::Button1, kMain, {96, 224, 26, 25}, "| |", -1, "Приостановить тестирование"),
    kButton(ctl::Button2, kMain, {128, 224, 41, 25}, "стоп", -1, "Остановить тестирование"),
    kLabel(ctl::Label13, kMain, {206, 227, 10, 16}, kCreditSign, kArial13, true),
    {.name = ctl::Label11,
     .kind = K::kLabel,
     .parent = kMain,
     .bounds = {219, 229, 60, 24},
     .text = kCredit,
     .font = kArial9,
     .colour = kLabelColour,
     .cursor = Cursor::kHand},
};

constexpr MenuItemSpec kMenu[] = {
    {ctl::N2, "Закрыть все ордера"},
    {ctl::N3, "Настройки"},
};

constexpr TimerSpec kTimers[] = {
    {ctl::Timer1, 200, true}, {ctl::Timer2, 300, true}, {ctl::SET_TP_SL_TMR, 500, false},
    {ctl::Timer3, 10, true},  {ctl::Timer4, 200, true},
};

}  // namespace

std::span<const ControlSpec> controls() {
  return kControls;
}
std::span<const MenuItemSpec> popup_menu() {
  return kMenu;
}
std::span<const TimerSpec> timers() {
  return kTimers;
}

std::optional<ControlSpec> find_control(std::string_view name) {
  for (const ControlSpec& spec : kControls) {
    if (spec.name == name) return spec;
  }
  return std::nullopt;
}

bool is_panel(std::string_view name) {
  for (std::string_view panel : kPanelNames) {
    if (panel == name) return true;
  }
  return false;
}

}  // namespace pelmora::shell
