// The hue rows follow the index layout of the palette: index = 10 * (hue row + 1) + shade,
// even shades full, odd shades half saturation, each pair darker than the one before.
#include "AciColors.h"

#include <cmath>

namespace {

std::uint32_t pack(double r, double g, double b)
{
    auto c = [](double v) { return static_cast<std::uint32_t>(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255.0)); };
    return (c(r) << 16) | (c(g) << 8) | c(b);
}

} // namespace

std::uint32_t AciColors::rgb(int index)
{
    static const std::uint32_t named[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                            0x0000FF, 0xFF00FF, 0x000000, 0x808080, 0xC0C0C0};
    static const std::uint32_t greys[6] = {0x333333, 0x505050, 0x696969, 0x828282, 0xBEBEBE, 0xFFFFFF};
    if (index >= 1 && index <= 9)
        return named[index];
    if (index >= 250 && index <= 255)
        return greys[index - 250];
    if (index < 10 || index > 249)
        return 0x000000;
    const double hue = (index / 10 - 1) * 15.0;
    const int shade = index % 10;
    static const double values[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    const double v = values[shade / 2];
    const double s = (shade % 2 == 0) ? 1.0 : 0.5;
    // HSV to RGB.
    const double c = v * s;
    const double hp = hue / 60.0;
    const double x = c * (1.0 - std::fabs(std::fmod(hp, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    if (hp < 1) { r = c; g = x; }
    else if (hp < 2) { r = x; g = c; }
    else if (hp < 3) { g = c; b = x; }
    else if (hp < 4) { g = x; b = c; }
    else if (hp < 5) { r = x; b = c; }
    else { r = c; b = x; }
    const double m = v - c;
    return pack(r + m, g + m, b + m);
}
