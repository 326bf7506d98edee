// Control ids of the link host's controls besides the exchange fields (whose ids are the
// published ones), shared by the host and the test that drives it.
#pragma once

namespace pelmora::e2e {

inline constexpr int kLotFieldId = 1012;
inline constexpr int kOrdersListId = 1020;
inline constexpr int kStopLevelsButtonId = 1033;
inline constexpr int kTrailingButtonId = 1034;
inline constexpr int kCloseButtonId = 1037;
inline constexpr int kMenuItemN2Id = 2;

}  // namespace pelmora::e2e
