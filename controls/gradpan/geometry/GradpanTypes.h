#pragma once

#include <cstdint>

// The gradient caption panel's enumerations, in the value order its stored layouts use.
namespace norvik::gradpan {

enum TDirection : std::uint8_t {
    bdFlat,
    bdStretchImage,
    bdTileImage,
    bdUp,
    bdDown,
    bdLeft,
    bdRight,
    bdHorzIn,
    bdHorzOut,
    bdVertIn,
    bdVertOut
};

enum TTextEffect : std::uint8_t { tenone, teShadow, teRaised, teLowered, teEmbossed };

enum TTextRotation : std::uint8_t { trNone, TrUp, TrDown };

enum TVertAlign : std::uint8_t { vlTop, vlCenter, VlBottom };

} // namespace norvik::gradpan
