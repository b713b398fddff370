// The one palette every picture of the game is drawn from.
#pragma once

#include "assets/Colour.h"

namespace assets::palette {

inline constexpr Colour ground{84, 165, 67};   // the game's ground, matched exactly
inline constexpr Colour ink{34, 36, 42};       // outlines and text
inline constexpr Colour paper{255, 255, 254};  // the title's background, the window's clear colour
inline constexpr Colour asphalt{112, 116, 124};
inline constexpr Colour asphaltDark{92, 95, 102};
inline constexpr Colour pavement{196, 194, 184};
inline constexpr Colour kerb{150, 148, 140};
inline constexpr Colour marking{246, 242, 226};
inline constexpr Colour laneLine{244, 206, 72};
inline constexpr Colour glass{120, 170, 204};
inline constexpr Colour glassDark{52, 70, 92};
inline constexpr Colour headlight{255, 244, 180};
inline constexpr Colour taillight{214, 40, 40};
inline constexpr Colour truckCab{236, 140, 36};
inline constexpr Colour truckBox{222, 218, 204};
inline constexpr Colour saloon{52, 112, 204};
inline constexpr Colour racer{214, 38, 44};
inline constexpr Colour frogSkin{150, 214, 58};
inline constexpr Colour frogDark{30, 84, 34};
inline constexpr Colour frogBelly{206, 236, 120};
inline constexpr Colour eyeWhite{250, 248, 232};
inline constexpr Colour barrierRed{214, 44, 40};
inline constexpr Colour barrierWhite{248, 246, 240};
inline constexpr Colour amber{255, 184, 30};
inline constexpr Colour gold{255, 210, 64};
inline constexpr Colour savedBadge{206, 240, 190};
inline constexpr Colour splatBadge{252, 208, 200};
inline constexpr Colour good{58, 168, 72};
inline constexpr Colour bad{206, 44, 44};

}  // namespace assets::palette
