// The virtual-key codes the panel posts or watches, in one place: the values are the window
// system's, and the terminal's controls react to exactly these.
#pragma once

namespace pelmora::platform {

inline constexpr int kVkTab = 0x09;
inline constexpr int kVkAlt = 0x12;  // VK_MENU
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkF11 = 0x7A;

}  // namespace pelmora::platform
