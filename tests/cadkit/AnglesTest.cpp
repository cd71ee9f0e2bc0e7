// Azimuths in (0, 2pi] of vectors and of every curve kind at its start, end and a point; angles
// between vectors and curves; directions toward a meeting point; bulges and number helpers.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDb3dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbEllipse.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbSpline.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"

#include <cmath>
#include <functional>
#include <memory>

namespace {

const double kHalf = std::sqrt(0.5);

struct CurveCase {
    const char* kind;
    std::function<AcDbCurve*()> make;
    double start;
    double end;
    AcGePoint3d at;
    AcGeVector3d dir;
};

std::vector<CurveCase> curveCases()
{
    return {
        {"line", [] { return new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 0)); }, kPi / 4, kPi / 4,
            AcGePoint3d(3, 3, 0), AcGeVector3d(kHalf, kHalf, 0)},
        {"arc", [] { return new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2); }, kPi / 2, kPi,
            AcGePoint3d(8, 8, 0), AcGeVector3d(-kHalf, kHalf, 0)},
        {"circle", [] { return new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0); }, kPi / 2, kPi / 2,
            AcGePoint3d(0, 9, 0), AcGeVector3d(-1, 0, 0)},
        {"ellipse",
            [] { return new AcDbEllipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(10, 0, 0), 0.5); },
            kPi / 2, kPi / 2, AcGePoint3d(0, 6, 0), AcGeVector3d(-1, 0, 0)},
        // Symmetric about x = 5: level at the top, which is +X, azimuth 2pi.
        {"spline",
            [] {
                return new AcDbSpline(arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0), AcGePoint3d(10, 0, 0)}),
                    AcGeVector3d(1, 1, 0), AcGeVector3d(1, -1, 0));
            },
            kPi / 4, 7 * kPi / 4, AcGePoint3d(5, 6, 0), AcGeVector3d(1, 0, 0)},
        {"lightweight polyline",
            [] {
                auto* p = new AcDbPolyline();
                p->addVertexAt(0, AcGePoint2d(0, 0), 0.0);
                p->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
                p->addVertexAt(2, AcGePoint2d(10, 10), 0.0);
                return p;
            },
            2 * kPi, kPi, AcGePoint3d(16, 5, 0), AcGeVector3d(0, 1, 0)},
        {"2d polyline",
            [] {
                return new AcDb2dPolyline(AcDb::k2dSimplePoly,
                    arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(-10, 10, 0)}));
            },
            kPi / 2, kPi, AcGePoint3d(-5, 11, 0), AcGeVector3d(-1, 0, 0)},
        // Heights are left out of azimuths, not out of the direction at a point.
        {"3d polyline",
            [] {
                return new AcDb3dPolyline(AcDb::k3dSimplePoly,
                    arrayOf({AcGePoint3d(0, 0, 0), AcGePoint3d(0, -10, 3), AcGePoint3d(10, -10, 3)}));
            },
            3 * kPi / 2, 2 * kPi, AcGePoint3d(-1, -5, 1.5), AcGeVector3d(0, -10, 3).normal()},
    };
}

} // namespace

using Angles = CadkitFixture;

TEST(AnglesOfVectors, AzimuthsRunFromAboveZeroToAFullTurn)
{
    struct Case {
        double x, y, azimuth;
    };
    for (const Case& c : {Case{1, 0, 2 * kPi}, Case{0, 1, kPi / 2}, Case{-1, 0, kPi}, Case{0, -1, 3 * kPi / 2},
             Case{1, -1, 7 * kPi / 4}, Case{-1, 1, 3 * kPi / 4}, Case{0, 0, 2 * kPi}}) {
        double a2 = -1.0;
        double a3 = -1.0;
        MavCounter::vectorToAngle(AcGeVector2d(c.x, c.y), a2);
        MavCounter::vectorToAngle(AcGeVector3d(c.x, c.y, 7.0), a3);
        EXPECT_NEAR(a2, c.azimuth, 1e-12) << c.x << "," << c.y;
        EXPECT_NEAR(a3, c.azimuth, 1e-12) << c.x << "," << c.y;
    }
    double angle = -1.0;
    EXPECT_EQ(MavCounter::getAngleOf2Vector(AcGeVector3d::kXAxis, -AcGeVector3d::kYAxis, angle), 1);
    EXPECT_NEAR(angle, 3 * kPi / 2, 1e-12);
    MavCounter::getAngleOf2Vector(AcGeVector3d::kXAxis, AcGeVector3d::kXAxis, angle);
    EXPECT_NEAR(angle, 0.0, 1e-12);
    const AcGeVector3d mean = MavCounter::averageVector(AcGeVector3d(2, 0, 0), AcGeVector3d(0, 4, 0));
    EXPECT_TRUE(mean.isEqualTo(AcGeVector3d(3 * kHalf, 3 * kHalf, 0)));

    AcGeLineSeg2d seg(AcGePoint2d(1, 1), AcGePoint2d(1, -3));
    EXPECT_EQ(MavCounter::getGeLineAzimuth(&seg, angle), Acad::eOk);
    EXPECT_NEAR(angle, 3 * kPi / 2, 1e-12);
}

TEST_F(Angles, EveryCurveKindAtItsStartItsEndAndAPoint)
{
    for (const CurveCase& c : curveCases()) {
        std::unique_ptr<AcDbCurve> curve(c.make());
        double start = -1.0;
        double end = -1.0;
        double endOnly = -1.0;
        AcGeVector3d dir;
        EXPECT_EQ(MavCounter::getCurveStartEndAzimuth(curve.get(), start, end), Acad::eOk) << c.kind;
        EXPECT_EQ(MavCounter::getCurveEndAzimuth(curve.get(), endOnly), Acad::eOk) << c.kind;
        EXPECT_EQ(MavCounter::getCurveAzimuthAtPoint(curve.get(), c.at, dir), Acad::eOk) << c.kind;
        EXPECT_NEAR(start, c.start, 1e-6) << c.kind;
        EXPECT_NEAR(end, c.end, 1e-6) << c.kind;
        EXPECT_NEAR(endOnly, c.end, 1e-6) << c.kind;
        EXPECT_TRUE(dir.isEqualTo(c.dir, AcGeTol())) << c.kind << " " << dir.x << "," << dir.y << "," << dir.z;
    }
}

TEST_F(Angles, ByIdTheCurveIsOpenedAndAFailedOpenIsReported)
{
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, -4, 0)));
    double start = -1.0;
    double end = -1.0;
    EXPECT_EQ(MavCounter::getCurveStartEndAzimuth(line, start, end), Acad::eOk);
    EXPECT_NEAR(end, 3 * kPi / 2, 1e-12);
    AcGeVector3d dir;
    EXPECT_EQ(MavCounter::getCurveAzimuthAtPoint(line, AcGePoint3d(1, -1, 0), dir), Acad::eOk);
    EXPECT_TRUE(dir.isEqualTo(AcGeVector3d(0, -1, 0)));

    EXPECT_EQ(MavCounter::getCurveEndAzimuth(AcDbObjectId::kNull, end), Acad::eInvalidInput);
    MavUtils::deleteObj(line);
    EXPECT_EQ(MavCounter::getCurveEndAzimuth(line, end), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::getCurveAzimuthAtPoint(line, AcGePoint3d(0, 0, 0), dir), Acad::eNotApplicable);
    EXPECT_EQ(transcript(), L"\ngetCurveEndAzimuth 出现异常!\ngetCurveAzimuthAtPoint 出现异常!");
}

TEST_F(Angles, AngleBetweenCurvesAndDirectionTowardTheirMeetingPoint)
{
    AcDbLine horizontal(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcDbLine slanted(AcGePoint3d(5, -5, 0), AcGePoint3d(0, 0, 0));
    AcDbLine apart(AcGePoint3d(0, 5, 0), AcGePoint3d(10, 5, 0));
    double angle = -1.0;
    EXPECT_EQ(MavCounter::getAngleBetweenCurves(&horizontal, &slanted, AcDb::kOnBothOperands, angle), Acad::eOk);
    EXPECT_NEAR(angle, 3 * kPi / 4, 1e-9);
    angle = -1.0;
    EXPECT_EQ(MavCounter::getAngleBetweenCurves(&horizontal, &apart, AcDb::kOnBothOperands, angle), Acad::eOk);
    EXPECT_EQ(angle, -1.0);

    // A line running from its start through the pick toward the crossing.
    AcDbLine cross(AcGePoint3d(8, -5, 0), AcGePoint3d(8, 5, 0));
    int dir = 1;
    EXPECT_EQ(MavCounter::tellRealDirection(AcGePoint3d(3, 1, 0), &horizontal, &cross, dir), Acad::eOk);
    EXPECT_EQ(dir, 1);
    dir = 0;
    MavCounter::tellRealDirection(AcGePoint3d(3, 1, 0), &horizontal, &cross, dir);
    EXPECT_EQ(dir, 0);
    dir = 1;
    MavCounter::tellRealDirection(AcGePoint3d(9, 1, 0), &horizontal, &cross, dir);
    EXPECT_EQ(dir, 0);
    dir = 7;
    MavCounter::tellRealDirection(AcGePoint3d(3, 1, 0), &horizontal, &apart, dir);
    EXPECT_EQ(dir, 7);
    EXPECT_EQ(MavCounter::tellRealDirection(AcGePoint3d(3, 1, 0), nullptr, &cross, dir), Acad::eInvalidInput);
}

TEST_F(Angles, BulgesOfArcs)
{
    double bulge = 0.0;
    AcDbArc upper(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi);
    MavCounter::calculateBulge(&upper, bulge);
    EXPECT_NEAR(std::fabs(bulge), 1.0, 1e-9);
    AcDbArc quarter(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi / 2);
    MavCounter::calculateBulge(&quarter, bulge);
    EXPECT_NEAR(std::fabs(bulge), std::tan(kPi / 8), 1e-9);
    MavCounter::calculateBulge(1.0, 2.0, 0, bulge);
    EXPECT_NEAR(bulge, 1.0, 1e-12);
    MavCounter::calculateBulge(1.0, 2.0, 1, bulge);
    EXPECT_NEAR(bulge, 1.0, 1e-12);
    MavCounter::calculateBulge(10.0, 10.0, 1, bulge);
    EXPECT_NEAR(bulge, std::tan((2 * kPi - kPi / 3) / 4), 1e-12);
}

TEST_F(Angles, GeometryCurveOffsetsAndDerivatives)
{
    AcGeLineSeg3d seg(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    AcGeCurve3d* offset = nullptr;
    EXPECT_EQ(MavCounter::offsetGeCurve(&seg, 2.0, offset), Acad::eOk);
    ASSERT_NE(offset, nullptr);
    AcGePoint3d start;
    ASSERT_TRUE(offset->hasStartPoint(start));
    EXPECT_NEAR(std::fabs(start.y), 2.0, 1e-9);
    delete offset;
    AcGeVector3d deriv;
    EXPECT_EQ(MavCounter::getFirstDerivInGeCurve(&seg, AcGePoint3d(4, 0, 0), deriv), Acad::eOk);
    EXPECT_NEAR(deriv.normal().x, 1.0, 1e-12);
}

TEST(NumberHelpers, RoundingTextsAndArrays)
{
    EXPECT_EQ(MavCounter::doubleToInt(2.5), 3);
    EXPECT_EQ(MavCounter::doubleToInt(2.4), 2);
    EXPECT_EQ(MavCounter::doubleToInt(-1.7), -1);
    EXPECT_EQ(MavCounter::precisionChange(3.14159, 2), L"3.14");
    EXPECT_EQ(MavCounter::precisionChange(2.5, 0), L"2");
    EXPECT_EQ(MavCounter::precisionChange(1.0, 8), L"1.00000000");
    EXPECT_EQ(MavCounter::precisionChange(3.14159, 9), L"");
    EXPECT_EQ(MavCounter::precisionChange(3.14159, -1), L"");
    EXPECT_NEAR(MavCounter::radiansToDegrees(kPi / 2), 90.0, 1e-12);
    AcArray<double> reals;
    AcArray<int> ints;
    EXPECT_EQ(MavCounter::maxValueInAcArray(reals), 0.0);
    EXPECT_EQ(MavCounter::sumAcArray(ints), 0);
    for (double v : {-5.0, -2.0, -3.0})
        reals.append(v);
    for (int v : {4, -1, 7})
        ints.append(v);
    EXPECT_EQ(MavCounter::maxValueInAcArray(reals), -2.0);
    EXPECT_EQ(MavCounter::sumAcArray(ints), 10);
    double triple[3] = {0, 0, 0};
    MavCounter::AcGePoint3d_adsPt(AcGePoint3d(1, 2, 3), triple);
    EXPECT_EQ(triple[2], 3.0);
}
