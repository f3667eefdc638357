// Colour values as the program stores them: 0x00BBGGRR for an RGB colour, 0x80000000 + n for
// system colour n. Stored in the settings file as a signed decimal.
#pragma once
#include <cstdint>

namespace kakipo {

using Colour = std::uint32_t;

constexpr Colour systemColour(unsigned index) { return 0x80000000u + index; }
constexpr bool isSystemColour(Colour c) { return (c & 0xFF000000u) == 0x80000000u; }

constexpr Colour clWindow = systemColour(5);
constexpr Colour clWindowText = systemColour(8);
constexpr Colour clBtnFace = systemColour(15);

}  // namespace kakipo
