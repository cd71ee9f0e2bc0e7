// Lengths of a design brought from one length unit to another.
#include "LengthScaling.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

constexpr double kCodeBase = 80000.0;
// Integers beyond this are not held exactly by a long long's decimal arithmetic below.
constexpr double kLargestWholePart = 1e15;

// k when factor is 10^k for |k| <= 8, else a value outside that range.
int PowerOfTen(double factor)
{
    static const double kPowers[] = {1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,
                                     1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8};
    for (int i = 0; i < 17; ++i)
        if (factor == kPowers[i])
            return i - 8;
    return 99;
}

bool Parse(const std::string& text, double& value)
{
    double parsed = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

// The shortest decimal that reads back as value, in fixed notation.
std::string Fixed(double value)
{
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

// Splits the fixed decimal of a non-negative value below kLargestWholePart.
void SplitFixed(double value, long long& whole, std::string& fraction)
{
    const std::string text = Fixed(value);
    const size_t point = text.find('.');
    whole = std::stoll(text.substr(0, point));
    fraction = point == std::string::npos ? std::string() : text.substr(point);
}

} // namespace

double ScaleLength(double value, double factor)
{
    const int k = PowerOfTen(factor);
    if (k > 8 || !std::isfinite(value) || value == 0.0)
        return value * factor;
    char buffer[64];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string text(buffer, written.ptr);
    const size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1)) + k;
    double shifted = 0.0;
    if (!Parse(text.substr(0, e) + "e" + std::to_string(exponent), shifted))
        return value * factor;
    return shifted;
}

double ScaleCodedLength(double value, double factor)
{
    const double length = value - kCodeBase;
    if (PowerOfTen(factor) > 8 || !std::isfinite(value) || value >= kLargestWholePart || length < 0.0)
        return kCodeBase + length * factor;

    // The length as the code shows it: the code's decimal less 80000 in its integer digits.
    long long whole = 0;
    std::string fraction;
    SplitFixed(value, whole, fraction);
    double shown = 0.0;
    if (!Parse(std::to_string(whole - 80000) + fraction, shown))
        return kCodeBase + length * factor;

    // The scaled length's decimal with 80000 added to its integer digits: one rounding in all.
    const double scaled = ScaleLength(shown, factor);
    if (!(scaled >= 0.0) || scaled >= kLargestWholePart)
        return kCodeBase + scaled;
    SplitFixed(scaled, whole, fraction);
    double coded = 0.0;
    if (!Parse(std::to_string(whole + 80000) + fraction, coded))
        return kCodeBase + scaled;
    return coded;
}
