// Matrices: each kind of transform moves a known point to where it must go, products
// apply right to left, and inverses undo.
#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"
#include "AcGePlane.h"
#include "GeTestUtil.h"

#include <numbers>

using std::numbers::pi;

TEST(AcGeMatrix3d, ElementaryTransformsOfAPoint)
{
    const AcGePoint3d p(2, 1, 0);
    struct Case {
        const char* name;
        AcGeMatrix3d m;
        AcGePoint3d expected;
    };
    const Case cases[] = {
        {"translation", AcGeMatrix3d::translation({1, 2, 3}), {3, 3, 3}},
        {"rotation about a centre", AcGeMatrix3d::rotation(pi / 2, AcGeVector3d::kZAxis, {1, 1, 0}), {1, 2, 0}},
        {"rotation about X", AcGeMatrix3d::rotation(pi / 2, AcGeVector3d::kXAxis), {2, 0, 1}},
        {"scaling about a centre", AcGeMatrix3d::scaling(3, {1, 1, 1}), {4, 1, -2}},
        {"point mirror", AcGeMatrix3d::mirroring(AcGePoint3d(1, 0, 0)), {0, -1, 0}},
        {"plane mirror", AcGeMatrix3d::mirroring(AcGePlane({0, 0, 0}, AcGeVector3d(1, -1, 0))), {1, 2, 0}},
        {"line mirror", AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis), {2, -1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_PT3_NEAR(c.m * p, c.expected, 1e-12);
        EXPECT_PT3_NEAR(c.m.inverse() * c.expected, p, 1e-12);
    }
}

TEST(AcGeMatrix3d, ProductAppliesRightFactorFirst)
{
    const AcGeMatrix3d t = AcGeMatrix3d::translation({10, 0, 0});
    const AcGeMatrix3d r = AcGeMatrix3d::rotation(pi / 2, AcGeVector3d::kZAxis);
    const AcGePoint3d p(1, 0, 0);
    EXPECT_PT3_NEAR((t * r) * p, AcGePoint3d(10, 1, 0), 1e-12);
    EXPECT_PT3_NEAR((r * t) * p, AcGePoint3d(0, 11, 0), 1e-12);
    AcGeMatrix3d m = r;
    m.preMultBy(t);
    EXPECT_EQ(m, t * r);
    m = r;
    m.postMultBy(t);
    EXPECT_EQ(m, r * t);
}

TEST(AcGeMatrix3d, InverseDeterminantAndSingular)
{
    const AcGeMatrix3d m = AcGeMatrix3d::rotation(0.3, AcGeVector3d(1, 2, 3), {4, 5, 6}) *
                           AcGeMatrix3d::scaling(2.5, {1, 0, 0}) * AcGeMatrix3d::translation({7, 8, 9});
    EXPECT_EQ(m * m.inverse(), AcGeMatrix3d::kIdentity);
    EXPECT_NEAR(m.det(), 2.5 * 2.5 * 2.5, 1e-12);
    EXPECT_NEAR(AcGeMatrix3d::mirroring(AcGePlane::kXYPlane).det(), -1.0, 1e-15);
    AcGeMatrix3d flat;
    flat(2, 2) = 0.0;
    EXPECT_TRUE(flat.isSingular());
    EXPECT_EQ(flat.inverse(), flat);
    // Small scales are not mistaken for singular matrices.
    EXPECT_FALSE(AcGeMatrix3d::scaling(1e-4).isSingular());
}

TEST(AcGeMatrix3d, CoordinateSystems)
{
    const AcGeVector3d n(0, -1, 0);
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(n);
    AcGePoint3d o;
    AcGeVector3d x, y, z;
    toWorld.getCoordSystem(o, x, y, z);
    EXPECT_EQ(z, n);
    EXPECT_EQ(x, n.perpVector());
    EXPECT_EQ(x.crossProduct(y), z);
    EXPECT_EQ(AcGeMatrix3d::worldToPlane(n) * toWorld, AcGeMatrix3d::kIdentity);

    const AcGeMatrix3d align = AcGeMatrix3d::alignCoordSys({1, 0, 0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis,
                                                           AcGeVector3d::kZAxis, {0, 0, 5}, AcGeVector3d::kYAxis,
                                                           -AcGeVector3d::kXAxis, AcGeVector3d::kZAxis);
    EXPECT_PT3_NEAR(align * AcGePoint3d(2, 0, 0), AcGePoint3d(0, 1, 5), 1e-12);
    EXPECT_TRUE(align.isUniScaledOrtho());
    EXPECT_FALSE(AcGeMatrix3d().setCoordSystem(o, x, y * 2, z).isUniScaledOrtho());
}

TEST(AcGeMatrix2d, ElementaryTransformsOfAPoint)
{
    const AcGePoint2d p(2, 1);
    struct Case {
        const char* name;
        AcGeMatrix2d m;
        AcGePoint2d expected;
    };
    const Case cases[] = {
        {"translation", AcGeMatrix2d::translation({1, 2}), {3, 3}},
        {"rotation", AcGeMatrix2d::rotation(pi / 2, {1, 1}), {1, 2}},
        {"scaling", AcGeMatrix2d::scaling(-2, {1, 1}), {-1, 1}},
        {"point mirror", AcGeMatrix2d::mirroring(AcGePoint2d(1, 0)), {0, -1}},
        {"line mirror", AcGeMatrix2d::mirroring(AcGePoint2d(0, 0), AcGeVector2d(1, 1)), {1, 2}},
        {"align", AcGeMatrix2d::alignCoordSys({1, 1}, {1, 0}, {0, 1}, {0, 0}, {0, 2}, {-2, 0}), {0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_PT2_NEAR(c.m * p, c.expected, 1e-12);
        EXPECT_PT2_NEAR(c.m.inverse() * c.expected, p, 1e-12);
    }
    const AcGeMatrix2d m = AcGeMatrix2d::translation({5, 0}) * AcGeMatrix2d::rotation(pi);
    EXPECT_PT2_NEAR(m * AcGePoint2d(1, 0), AcGePoint2d(4, 0), 1e-12);
    EXPECT_EQ(m * m.inverse(), AcGeMatrix2d::kIdentity);
    EXPECT_TRUE(AcGeMatrix2d::scaling(0).isSingular());
}

TEST(AcGeMatrix2d, ConformalDecomposition)
{
    double scale = 0, angle = 0;
    bool isMirror = true;
    AcGeVector2d reflex;
    const AcGeMatrix2d rot = AcGeMatrix2d::rotation(0.5) * AcGeMatrix2d::scaling(2);
    ASSERT_TRUE(rot.isConformal(scale, angle, isMirror, reflex));
    EXPECT_NEAR(scale, 2, 1e-12);
    EXPECT_NEAR(angle, 0.5, 1e-12);
    EXPECT_FALSE(isMirror);
    const AcGeMatrix2d mir = AcGeMatrix2d::mirroring(AcGePoint2d(0, 0), AcGeVector2d(0, 1));
    ASSERT_TRUE(mir.isConformal(scale, angle, isMirror, reflex));
    EXPECT_TRUE(isMirror);
    // A reflection in X followed by the rotation must give the original matrix.
    const AcGeMatrix2d rebuilt =
        AcGeMatrix2d::rotation(angle) * AcGeMatrix2d::mirroring(AcGePoint2d(0, 0), AcGeVector2d(1, 0));
    EXPECT_EQ(rebuilt, mir);
    AcGeMatrix2d skew;
    skew(0, 1) = 0.5;
    EXPECT_FALSE(skew.isConformal(scale, angle, isMirror, reflex));
}
