// The virtual-key codes the panel posts or watches, in one place: the values are the window
// system's, and the terminal's controls react to exactly these.
#pragma once

namespace pelmora::platform {

inline constexpr int kVkBack = 0x08;
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkAlt = 0x12;  // VK_MENU
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkPageUp = 0x21;
inline constexpr int kVkPageDown = 0x22;
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkInsert = 0x2D;
inline constexpr int kVkDelete = 0x2E;
inline constexpr int kVk0 = 0x30;        // '0' to '9' follow, 'A' to 'Z' from 0x41
inline constexpr int kVkNumpad0 = 0x60;  // numpad '0' to '9' follow
inline constexpr int kVkMultiply = 0x6A;
inline constexpr int kVkAdd = 0x6B;
inline constexpr int kVkSubtract = 0x6D;
inline constexpr int kVkDecimal = 0x6E;
inline constexpr int kVkDivide = 0x6F;
inline constexpr int kVkF1 = 0x70;  // F2 to F24 follow
inline constexpr int kVkF11 = 0x7A;
inline constexpr int kVkF12 = 0x7B;
inline constexpr int kVkOemPlus = 0xBB;    // "=" and "+"
inline constexpr int kVkOemComma = 0xBC;   // "," and "<"
inline constexpr int kVkOemMinus = 0xBD;   // "-" and "_"
inline constexpr int kVkOemPeriod = 0xBE;  // "." and ">"

}  // namespace pelmora::platform
