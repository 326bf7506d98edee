// The name map: each control's role name, as the code calls it, and the layout name it is built
// and looked up under. The layout names are data: they key the layout table and the lookups,
// and appear nowhere else. Going from a layout name to the code: find it here, then its role
// name. The exchange fields keep their own names (the expert sees them): link/exchange_fields.h.
#pragma once

#include <string_view>

namespace pelmora::form::names {

inline constexpr std::string_view kForm = "TForm1";
// The five panels.
inline constexpr std::string_view kMainPanel = "main";  // the main panel
inline constexpr std::string_view kStopLevelsPanel =
    "SET_TP_SL_WND";  // the stop-loss and take-profit window
inline constexpr std::string_view kTrailingPanel = "SET_TSL_WND";       // the trailing-stop window
inline constexpr std::string_view kSettingsPanel = "Properties";        // the settings window
inline constexpr std::string_view kShortcutsPanel = "SET_HOTKEYS_WND";  // the shortcut keys
// The settings window.
inline constexpr std::string_view kSettingsTitle = "Label17";  // "Настройки программы"
inline constexpr std::string_view kSlTpModeGroup = "RadioGroup1";  // "Выставление SL и TP"
inline constexpr std::string_view kPlacementGroup = "RadioGroup2";  // "Позиционирование"
inline constexpr std::string_view kSpeedGroup = "RadioGroup3";  // "Скорость тестирования"
inline constexpr std::string_view kVersionsGroup = "RadioGroup4";  // "Новые версии программы"
inline constexpr std::string_view kSettingsCancel = "Button12";  // "Отмена"
inline constexpr std::string_view kSettingsApply = "Button13";   // "Применить"
// The stop-loss and take-profit window.
inline constexpr std::string_view kStopLevelsTitle = "Label1";  // "Задать SL/TP для сделки #"
inline constexpr std::string_view kStopLossCaption = "Label2";       // "Stop Loss:"
inline constexpr std::string_view kTakeProfitCaption = "Label3";     // "Take Profit:"
inline constexpr std::string_view kStopLossDistance = "Edit3";       // points
inline constexpr std::string_view kStopLossSpin = "RzSpinButtons1";  // steps the stop-loss distance
inline constexpr std::string_view kStopLossPrice = "Edit1";
inline constexpr std::string_view kTakeProfitDistance = "Edit2";  // points
inline constexpr std::string_view kTakeProfitSpin =
    "RzSpinButtons2";  // steps the take-profit distance
inline constexpr std::string_view kTakeProfitPrice = "Edit4";
inline constexpr std::string_view kStopLevelsCancel = "Button8";  // "Отмена"
inline constexpr std::string_view kStopLevelsApply = "Button9";   // "Применить"
// The trailing-stop window.
inline constexpr std::string_view kTrailingTitle = "Label4";  // "Задать трейлинг-стоп лосс"
inline constexpr std::string_view kTrailingOrder = "Label5";  // "Сделка #" and the ticket
inline constexpr std::string_view kTrailingDistanceCaption = "Label12";  // "Задать расстояние:"
inline constexpr std::string_view kTrailingDistance = "Edit7";
inline constexpr std::string_view kTrailingSpin = "RzSpinButtons3";  // steps the trailing distance
inline constexpr std::string_view kTrailingCancel = "Button5";       // "Отмена"
inline constexpr std::string_view kTrailingApply = "Button6";        // "Применить"
// The main panel.
inline constexpr std::string_view kMainTitle = "Label7";  // "Pelmora 1.0.6"
inline constexpr std::string_view kUpdateNotice = "Label14";  // "Скачать новую версию"
inline constexpr std::string_view kTopSeparator = "AdvSplitter2";
inline constexpr std::string_view kMarketOrderCaption = "Label8";  // "Открыть рыночный ордер"
inline constexpr std::string_view kQuotes = "Label10";            // the quotes
inline constexpr std::string_view kSellButton = "SpriteButton9";  // SELL
inline constexpr std::string_view kLotField = "Edit12";
inline constexpr std::string_view kLotSpin = "RzSpinButtons8";    // steps the lot
inline constexpr std::string_view kBuyButton = "SpriteButton27";  // BUY
inline constexpr std::string_view kOrdersSeparator = "AdvSplitter1";
inline constexpr std::string_view kOrdersCaption = "Label9";  // "Действия с открытыми ордерами:"
inline constexpr std::string_view kOrdersList = "ORDERS_LIST_m";
inline constexpr std::string_view kStopLevelsButton = "Button3";  // "TP/SL"
inline constexpr std::string_view kTrailingButton = "Button4";    // "T-SL"
inline constexpr std::string_view kCloseButton = "Button7";       // "CLOSE"
inline constexpr std::string_view kSpeedSlider = "TrackBar1";     // the test speed, 0 to 32
inline constexpr std::string_view kPauseButton = "Button1";       // "| |" / ">>"
inline constexpr std::string_view kStopButton = "Button2";        // "стоп"
inline constexpr std::string_view kCreditSign = "Label13";
inline constexpr std::string_view kCreditLine = "Label11";
// The right-click menu.
inline constexpr std::string_view kPopupMenu = "PopupMenu1";  // the right-click menu
inline constexpr std::string_view kCloseAllItem = "N2";   // "Закрыть все ордера"
inline constexpr std::string_view kSettingsItem = "N3";   // "Настройки"
inline constexpr std::string_view kJournalItem = "N4";    // "Журнал команд"
inline constexpr std::string_view kShortcutsItem = "N5";  // "Горячие клавиши"
// Timers.
inline constexpr std::string_view kLinkTimer = "Timer1";         // the link tick
inline constexpr std::string_view kFollowingTimer = "Timer2";    // the following tick
inline constexpr std::string_view kFillTimer = "SET_TP_SL_TMR";  // the SL/TP window's fill tick
inline constexpr std::string_view kUpdateTimer = "Timer3";       // the version check
inline constexpr std::string_view kF11Timer = "Timer4";          // F11 forwarding
inline constexpr std::string_view kShortcutTimer = "Timer5";     // shortcut keys pressed elsewhere
// The shortcut keys window: one caption and one key field per action, in the order of
// shortcuts::Action.
inline constexpr std::string_view kShortcutsTitle = "Label18";  // "Горячие клавиши"
inline constexpr std::string_view kShortcutCaptions[12] = {
    "Label19", "Label20", "Label21", "Label22", "Label23", "Label24",
    "Label25", "Label26", "Label27", "Label28", "Label29", "Label30"};
inline constexpr std::string_view kShortcutFields[12] = {
    "HotKey1", "HotKey2", "HotKey3", "HotKey4",  "HotKey5",  "HotKey6",
    "HotKey7", "HotKey8", "HotKey9", "HotKey10", "HotKey11", "HotKey12"};
inline constexpr std::string_view kShortcutsDefaults = "Button14";  // "по умолчанию"
inline constexpr std::string_view kShortcutsCancel = "Button15";    // "Отмена"
inline constexpr std::string_view kShortcutsApply = "Button16";     // "Применить"

}  // namespace pelmora::form::names
