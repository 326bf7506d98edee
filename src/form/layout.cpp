// The layout tables of the panel's form. Places are pixels at 96 dots per inch, relative to the
// parent's client area; the order is the form's creation order.
#include "form/layout.h"

#include "form/names.h"
#include "link/exchange_fields.h"

namespace pelmora::form {

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
          .parent = names::kSettingsPanel,
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
          .parent = names::kMainPanel,
          .bounds = bounds,
          .text = word,
          .hint = hint,
          .font = kArial14Bold,
          .pictures = pictures};
}

constexpr std::string_view kTpSl = names::kStopLevelsPanel;
constexpr std::string_view kTsl = names::kTrailingPanel;
constexpr std::string_view kProps = names::kSettingsPanel;
constexpr std::string_view kMain = names::kMainPanel;
constexpr std::string_view kKeys = names::kShortcutsPanel;

// The shortcut keys window's rows, one per action.
constexpr int kKeyRowTop = 32;
constexpr int kKeyRowPitch = 22;

constexpr ControlSpec kKeyCaption(size_t row) {
  return kLabel(names::kShortcutCaptions[row], kKeys,
                {16, kKeyRowTop + 3 + static_cast<int>(row) * kKeyRowPitch, 150, 16},
                kShortcutCaptionTexts[row], kArial13);
}

constexpr ControlSpec kKeyField(size_t row) {
  return {.name = names::kShortcutFields[row],
          .kind = K::kKeyField,
          .parent = kKeys,
          .bounds = {168, kKeyRowTop + static_cast<int>(row) * kKeyRowPitch, 105, 20},
          .tab_order = static_cast<int>(row)};
}

// The credit line's two-line credit and the sign in front of it.
constexpr std::string_view kCredit = "by Pelmora\r\n2024 Pelmora";
constexpr std::string_view kCreditSign = "©";

constexpr ControlSpec kControls[] = {
    kPanel(kProps, {360, 296, 337, 329}, false, 2),
    kLabel(names::kSettingsTitle, kProps, {88, 5, 166, 18}, "Настройки программы", kArial15Bold,
           true),
    kRadio(names::kSlTpModeGroup, {16, 32, 305, 55}, "Выставление SL и TP",
           "высчитывать по конкретной сделке", "использовать предыдущее значение", 2),
    kRadio(names::kPlacementGroup, {16, 96, 305, 55}, "Позиционирование",
           "запоминать позицию окна программы", "не запоминать позицию окна программы", 3),
    kRadio(names::kSpeedGroup, {16, 160, 305, 55}, "Скорость тестирования",
           "запоминать предыдущее значение", "начинать всегда со стандартной", 4),
    kRadio(names::kVersionsGroup, {16, 224, 305, 55}, "Новые версии программы",
           "сообщать о выходе новых версий", "не сообщать о выходе новых версий", 5),
    kButton(names::kSettingsCancel, kProps, {48, 292, 75, 25}, "Отмена", 0),
    kButton(names::kSettingsApply, kProps, {208, 292, 75, 25}, "Применить", 1),

    kPanel(kTpSl, {328, 64, 305, 153}, false, 2),
    kLabel(names::kStopLevelsTitle, kTpSl, {8, 5, 200, 18}, "Задать SL/TP для сделки #",
           kArial15Bold),
    kLabel(names::kStopLossCaption, kTpSl, {32, 48, 65, 16}, "Stop Loss:", kArial13Bold),
    kLabel(names::kTakeProfitCaption, kTpSl, {176, 48, 72, 16}, "Take Profit:", kArial13Bold),
    kEdit(names::kStopLossDistance, kTpSl, {30, 76, 51, 21}, "0", 2),
    kSpin(names::kStopLossSpin, kTpSl, {62, 77, 18, 18}, names::kStopLossDistance, 4),
    kEdit(names::kStopLossPrice, kTpSl, {91, 76, 57, 21}, "0", 0),
    kEdit(names::kTakeProfitDistance, kTpSl, {171, 76, 57, 21}, "0", 1),
    kSpin(names::kTakeProfitSpin, kTpSl, {209, 77, 18, 18}, names::kTakeProfitDistance, 5),
    kEdit(names::kTakeProfitPrice, kTpSl, {239, 76, 57, 21}, "0", 3),
    kButton(names::kStopLevelsCancel, kTpSl, {56, 112, 75, 25}, "Отмена", 6),
    kButton(names::kStopLevelsApply, kTpSl, {176, 112, 75, 25}, "Применить", 7),

    kPanel(kTsl, {14, 312, 219, 129}, false, 2),
    kLabel(names::kTrailingTitle, kTsl, {8, 8, 197, 18}, "Задать трейлинг-стоп лосс", kArial15Bold),
    kLabel(names::kTrailingOrder, kTsl, {32, 32, 59, 16}, "Сделка #", kArial13Bold),
    kLabel(names::kTrailingDistanceCaption, kTsl, {16, 58, 118, 16},
           "Задать расстояние:", kArial13),
    kEdit(names::kTrailingDistance, kTsl, {136, 57, 51, 21}, "0", 0),
    kSpin(names::kTrailingSpin, kTsl, {168, 58, 18, 18}, names::kTrailingDistance, 1),
    kButton(names::kTrailingCancel, kTsl, {16, 88, 75, 25}, "Отмена", 2),
    kButton(names::kTrailingApply, kTsl, {128, 88, 75, 25}, "Применить", 3),

    kField(link::kInOrders, {736, 32, 129, 89}),
    kField(link::kInReadCommand, {736, 128, 121, 21}),
    kField(link::kInAskBid, {736, 160, 121, 21}),
    kField(link::kInOrderProperty, {736, 264, 121, 21}),
    kField(link::kOutSelectedOrder, {736, 200, 121, 21}),
    kField(link::kOutCommand, {736, 288, 121, 21}),

    kPanel(kMain, {24, 24, 285, 257}, true, 3),
    kLabel(names::kMainTitle, kMain, {8, 4, 106, 15}, "Pelmora 1.0.6", kArial12Bold, true),
    {.name = names::kUpdateNotice,
     .kind = K::kLabel,
     .parent = kMain,
     .bounds = {136, 4, 135, 15},
     .text = "Скачать новую версию",
     .font = kArial12Bold,
     .colour = kRed,
     .visible = false,
     .cursor = Cursor::kHand},
    kLine(names::kTopSeparator, kMain, {8, 20, 270, 3}),
    kLabel(names::kMarketOrderCaption, kMain, {64, 25, 148, 15}, "Открыть рыночный ордер", kArial12,
           true),
    kLabel(names::kQuotes, kMain, {91, 45, 100, 18}, "1.2345 / 1.2348", kArial15Bold, true),
    kImageButton(names::kSellButton, {16, 71, 80, 25}, "SELL", "Открыть рыночную продажу",
                 Pictures::kSell),
    {.name = names::kLotField,
     .kind = K::kEdit,
     .parent = kMain,
     .bounds = {112, 73, 59, 21},
     .text = "1",
     .hint = "Объём сделки",
     .bevel = false},
    kSpin(names::kLotSpin, kMain, {152, 75, 18, 18}, names::kLotField, 1),
    kImageButton(names::kBuyButton, {184, 71, 80, 25}, "BUY", "Открыть рыночную покупку",
                 Pictures::kBuy),
    kLine(names::kOrdersSeparator, kMain, {8, 104, 270, 3}),
    kLabel(names::kOrdersCaption, kMain, {48, 110, 193, 15},
           "Действия с открытыми ордерами:", kArial12, true),
    {.name = names::kOrdersList,
     .kind = K::kListBox,
     .parent = kMain,
     .bounds = {6, 128, 163, 89},
     .tab_order = 0,
     .item_height = 13},
    kButton(names::kStopLevelsButton, kMain, {192, 128, 75, 25}, "TP/SL", 2, "Задать уровни TP/SL"),
    kButton(names::kTrailingButton, kMain, {192, 160, 75, 25}, "T-SL", 3),
    kButton(names::kCloseButton, kMain, {192, 192, 75, 25}, "CLOSE", 4),
    {.name = names::kSpeedSlider,
     .kind = K::kSlider,
     .parent = kMain,
     .bounds = {8, 224, 81, 25},
     .tab_order = 5,
     .slider = {.min = 0, .max = 32, .position = 26, .thumb_length = 22, .ticks = false}},
    kButton(names::kPauseButton, kMain, {96, 224, 26, 25}, "| |", -1, "Приостановить тестирование"),
    kButton(names::kStopButton, kMain, {128, 224, 41, 25}, "стоп", -1, "Остановить тестирование"),
    kLabel(names::kCreditSign, kMain, {206, 227, 10, 16}, kCreditSign, kArial13, true),
    {.name = names::kCreditLine,
     .kind = K::kLabel,
     .parent = kMain,
     .bounds = {219, 229, 60, 24},
     .text = kCredit,
     .font = kArial9,
     .colour = kLabelColour,
     .cursor = Cursor::kHand},

    // Appended after the form's first controls, so that none of their identifiers moves.
    kPanel(kKeys, {360, 330, 289, 345}, false, 2),
    kLabel(names::kShortcutsTitle, kKeys, {8, 6, 200, 18}, "Горячие клавиши", kArial15Bold, true),
    kKeyCaption(0),
    kKeyField(0),
    kKeyCaption(1),
    kKeyField(1),
    kKeyCaption(2),
    kKeyField(2),
    kKeyCaption(3),
    kKeyField(3),
    kKeyCaption(4),
    kKeyField(4),
    kKeyCaption(5),
    kKeyField(5),
    kKeyCaption(6),
    kKeyField(6),
    kKeyCaption(7),
    kKeyField(7),
    kKeyCaption(8),
    kKeyField(8),
    kKeyCaption(9),
    kKeyField(9),
    kKeyCaption(10),
    kKeyField(10),
    kKeyCaption(11),
    kKeyField(11),
    kButton(names::kShortcutsDefaults, kKeys, {12, 308, 90, 25}, "по умолчанию", 12),
    kButton(names::kShortcutsCancel, kKeys, {110, 308, 75, 25}, "Отмена", 13),
    kButton(names::kShortcutsApply, kKeys, {194, 308, 83, 25}, "Применить", 14),
};

constexpr MenuItemSpec kMenu[] = {
    {names::kCloseAllItem, "Закрыть все ордера"},
    {names::kSettingsItem, "Настройки"},
    {names::kJournalItem, "Журнал команд"},
    {names::kShortcutsItem, "Горячие клавиши"},
};

constexpr TimerSpec kTimers[] = {
    {names::kLinkTimer, 200, true},  {names::kFollowingTimer, 300, true},
    {names::kFillTimer, 500, false}, {names::kUpdateTimer, 10, true},
    {names::kF11Timer, 200, true},   {names::kShortcutTimer, 10, true},
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

}  // namespace pelmora::form
