// The platform's colour index (ACI) as RGB: 1-9 the named colours, 10-249 hues in steps of
// 15 degrees with five shades each in full and half saturation, 250-255 greys. Index 7 is
// drawn black, as on a printed white sheet.
#pragma once

#include <cstdint>

class AciColors {
public:
    // 0xRRGGBB for an index 1-255; the sheet's ink (black) for anything else.
    static std::uint32_t rgb(int index);
};
