// The given names of the form's controls, menu items and timers, spelt once: the layout tables
// use them and every feature looks its controls up by them, so a typo fails to compile instead
// of failing a lookup at run time. The exchange fields' names live in link/exchange_fields.h.
#pragma once

#include <string_view>

namespace pelmora::shell::ctl {

inline constexpr std::string_view main = "main";
inline constexpr std::string_view SET_TP_SL_WND = "SET_TP_SL_WND";
inline constexpr std::string_view SET_TSL_WND = "SET_TSL_WND";
inline constexpr std::string_view Properties = "Properties";
inline constexpr std::string_view Label17 = "Label17";
inline constexpr std::string_view RadioGroup1 = "RadioGroup1";
inline constexpr std::string_view RadioGroup2 = "RadioGroup2";
inline constexpr std::string_view RadioGroup3 = "RadioGroup3";
inline constexpr std::string_view RadioGroup4 = "RadioGroup4";
inline constexpr std::string_view Button12 = "Button12";
inline constexpr std::string_view Button13 = "Button13";
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view Label3 = "Label3";
inline constexpr std::string_view Edit3 = "Edit3";
inline constexpr std::string_view RzSpinButtons1 = "RzSpinButtons1";
inline constexpr std::string_view Edit1 = "Edit1";
inline constexpr std::string_view Edit2 = "Edit2";
inline constexpr std::string_view RzSpinButtons2 = "RzSpinButtons2";
inline constexpr std::string_view Edit4 = "Edit4";
inline constexpr std::string_view Button8 = "Button8";
inline constexpr std::string_view Button9 = "Button9";
inline constexpr std::string_view Label4 = "Label4";
inline constexpr std::string_view Label5 = "Label5";
inline constexpr std::string_view Label12 = "Label12";
inline constexpr std::string_view Edit7 = "Edit7";
inline constexpr std::string_view RzSpinButtons3 = "RzSpinButtons3";
inline constexpr std::string_view Button5 = "Button5";
inline constexpr std::string_view Button6 = "Button6";
inline constexpr std::string_view Label7 = "Label7";
inline constexpr std::string_view Label14 = "Label14";
inline constexpr std::string_view AdvSplitter2 = "AdvSplitter2";
inline constexpr std::string_view Label8 = "Label8";
inline constexpr std::string_view Label10 = "Label10";
inline constexpr std::string_view SpriteButton9 = "SpriteButton9";
inline constexpr std::string_view Edit12 = "Edit12";
inline constexpr std::string_view RzSpinButtons8 = "RzSpinButtons8";
inline constexpr std::string_view SpriteButton27 = "SpriteButton27";
inline constexpr std::string_view AdvSplitter1 = "AdvSplitter1";
inline constexpr std::string_view Label9 = "Label9";
inline constexpr std::string_view ORDERS_LIST_m = "ORDERS_LIST_m";
inline constexpr std::string_view Button3 = "Button3";
inline constexpr std::string_view Button4 = "Button4";
inline constexpr std::string_view Button7 = "Button7";
inline constexpr std::string_view TrackBar1 = "TrackBar1";
inline constexpr std::string_view Button1 = "Button1";
inline constexpr std::string_view Button2 = "Button2";
inline constexpr std::string_view Label13 = "Label13";
inline constexpr std::string_view Label11 = "Label11";
inline constexpr std::string_view N2 = "N2";
inline constexpr std::string_view N3 = "N3";
inline constexpr std::string_view Timer1 = "Timer1";
inline constexpr std::string_view Timer2 = "Timer2";
inline constexpr std::string_view SET_TP_SL_TMR = "SET_TP_SL_TMR";
inline constexpr std::string_view Timer3 = "Timer3";
inline constexpr std::string_view Timer4 = "Timer4";

}  // namespace pelmora::shell::ctl
