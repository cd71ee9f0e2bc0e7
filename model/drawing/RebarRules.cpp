// Detailing rules of the bar lengths and outlines.
#include "RebarRules.h"

#include "NumericHelpers.h"

#include <cmath>

namespace {

// Windows of the two standard bends, built on the constant the design side uses for pi.
constexpr double kQuarterTurn = 1.57079632675;
constexpr double kEighthTurn = 0.785398163375;
constexpr double kBendWindow = 0.1;

struct OuterDiameter {
    int nominal;
    double outer;
};

constexpr OuterDiameter kRibbedBars[] = {
    {10, 11.3}, {12, 13.0}, {14, 15.5}, {16, 17.5}, {18, 20.0}, {20, 22.0},
    {22, 24.0}, {25, 27.0}, {28, 30.0}, {32, 34.5}, {36, 39.5}, {40, 43.5},
};

// Hook factors by bar type 0, 1, 2.
struct HookFactors {
    int angle;
    double byType[3];
};

constexpr HookFactors kHooks[] = {
    {90, {10.5, 10.93, 11.21}},
    {135, {6.87, 7.89, 8.57}},
    {180, {6.25, 0.0, 0.0}},
};

double WholeMillimetres(double x) { return std::trunc(x); }

} // namespace

double GetRebarOuterDiameter(int diameter, int barType)
{
    if (barType == 0)
        return diameter;
    for (const OuterDiameter& bar : kRibbedBars)
        if (bar.nominal == diameter)
            return bar.outer;
    return diameter;
}

double GetBendAllowance(int diameter, double angle)
{
    const double d = diameter;
    double allowance = 21.0 * d * std::tan(angle / 2.0) - 10.5 * d * angle;
    if (IsEqualTol(angle, kEighthTurn, kBendWindow))
        allowance = WholeMillimetres(0.45 * d + 0.5);
    if (IsEqualTol(angle, kQuarterTurn, kBendWindow))
        allowance = WholeMillimetres(1.29 * d + 0.5);
    return allowance;
}

double GetBendAllowance(int diameter, int barType, double angle)
{
    (void)barType;
    return GetBendAllowance(diameter, angle);
}

double GetHookLength(int diameter, int barType, int hookAngle, double extra)
{
    double c = 0.0;
    for (const HookFactors& hook : kHooks)
        if (hook.angle == hookAngle && barType >= 0 && barType <= 2)
            c = hook.byType[barType];
    return diameter * (c + extra);
}
