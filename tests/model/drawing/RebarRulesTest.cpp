// Rebar detailing rules over tables of grades, diameters and angles, and the shared check.
#include "CGLGZ_Share.h"
#include "RebarRules.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RebarRules, OuterDiameterOfRibbedAndPlainBars)
{
    struct Case {
        int d, type;
        double outer;
    } cases[] = {
        {10, 1, 11.3}, {12, 1, 13}, {14, 2, 15.5}, {16, 1, 17.5}, {18, 1, 20}, {20, 1, 22},
        {22, 1, 24},   {25, 1, 27}, {28, 3, 30},   {32, 1, 34.5}, {36, 1, 39.5}, {40, 1, 43.5},
        {25, 0, 25},   {24, 1, 24}, {8, 2, 8},     {50, 1, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetRebarOuterDiameter(c.d, c.type), c.outer) << c.d << " type " << c.type;
}

TEST(RebarRules, BendAllowanceByAngleWindow)
{
    auto general = [](int d, double a) { return 21.0 * d * std::tan(a / 2) - 10.5 * d * a; };
    struct Case {
        int d;
        double angle, allowance;
    } cases[] = {
        {25, 1.57079632675, 32},  // 32.25 + 0.5 truncated
        {20, 1.5, 26},            // inside the 90-degree window
        {28, 1.65, 36},
        {28, 0.785398163375, 13}, // 12.6 + 0.5 truncated
        {12, 0.7, 5},
        {32, 0.88, 14},
        {20, 1.4, general(20, 1.4)},
        {20, 1.0471975512, general(20, 1.0471975512)},
        {20, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GetBendAllowance(c.d, c.angle), c.allowance, 1e-9) << c.d << " at " << c.angle;
        EXPECT_EQ(GetBendAllowance(c.d, 1, c.angle), GetBendAllowance(c.d, c.angle));
    }
}

TEST(RebarRules, HookLengthByAngleAndType)
{
    struct Case {
        int d, type, angle;
        double extra, length;
    } cases[] = {
        {12, 1, 135, 0, 94.68}, {12, 1, 180, 0, 0},    {10, 0, 90, 0, 105},  {10, 1, 90, 0, 109.3},
        {10, 2, 90, 0, 112.1},  {10, 0, 135, 0, 68.7}, {10, 2, 135, 0, 85.7}, {10, 0, 180, 0, 62.5},
        {10, 0, 90, 5, 155},    {10, 3, 90, 5, 50},    {10, 1, 45, 2, 20},   {10, -1, 135, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(GetHookLength(c.d, c.type, c.angle, c.extra), c.length, 1e-9)
            << c.d << " type " << c.type << " at " << c.angle;
}

TEST(RebarRules, SharedCheckAlwaysPasses)
{
    CGLGZ_Share share;
    EXPECT_EQ(share.CheckGL(), 1);
}
