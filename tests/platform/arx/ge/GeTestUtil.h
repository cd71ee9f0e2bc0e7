// Comparisons of points and vectors for the geometry tests.
#pragma once

#include "AcGePoint2d.h"
#include "AcGePoint3d.h"

#include <gtest/gtest.h>

#define EXPECT_PT2_NEAR(a, b, tol)                                                                                     \
    do {                                                                                                               \
        const auto pa_ = (a);                                                                                          \
        const auto pb_ = (b);                                                                                          \
        EXPECT_NEAR(pa_.x, pb_.x, tol);                                                                                \
        EXPECT_NEAR(pa_.y, pb_.y, tol);                                                                                \
    } while (0)

#define EXPECT_PT3_NEAR(a, b, tol)                                                                                     \
    do {                                                                                                               \
        const auto pa_ = (a);                                                                                          \
        const auto pb_ = (b);                                                                                          \
        EXPECT_NEAR(pa_.x, pb_.x, tol);                                                                                \
        EXPECT_NEAR(pa_.y, pb_.y, tol);                                                                                \
        EXPECT_NEAR(pa_.z, pb_.z, tol);                                                                                \
    } while (0)
