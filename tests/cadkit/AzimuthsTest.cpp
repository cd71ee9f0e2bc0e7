// Azimuths of curves at the start, the middle parameter and a point, unit tangents at the ends,
// directions of plane curves and of chords turned upward, degrees to radians.
#include "CadkitFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcGeCircArc2d.h"
#include "AcGeLineSeg2d.h"

#include <memory>

using Azimuths = CadkitFixture;

TEST_F(Azimuths, StartMiddleAndPointAzimuthsOfCurves)
{
    struct Case {
        const char* what;
        AcDbCurve* curve;
        AcGePoint3d at;
        double start, middle, atPoint;
    };
    auto* bent = new AcDbPolyline();
    // Segments of 9 and 1: the middle parameter is the corner, far from half the length.
    bent->addVertexAt(0, AcGePoint2d(0, 0));
    bent->addVertexAt(1, AcGePoint2d(9, 0));
    bent->addVertexAt(2, AcGePoint2d(9, 1));
    const Case cases[] = {
        {"line", new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)), {4, 3, 0}, 2 * kPi, 2 * kPi, 2 * kPi},
        {"reversed line", new AcDbLine(AcGePoint3d(10, 0, 0), AcGePoint3d(0, 0, 0)), {14, -3, 0}, kPi, kPi, kPi},
        {"half circle", new AcDbArc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi), {-9, 0, 0}, kPi / 2, kPi,
            3 * kPi / 2},
        {"bent polyline", bent, {4.5, 0, 0}, 2 * kPi, kPi / 2, 2 * kPi},
    };
    for (const Case& c : cases) {
        std::unique_ptr<AcDbCurve> curve(c.curve);
        double start = -1.0;
        double middle = -1.0;
        double atPoint = -1.0;
        EXPECT_EQ(MavCounter::getCurveStartAzimuth(curve.get(), start), Acad::eOk) << c.what;
        EXPECT_EQ(MavCounter::getCurveMiddleAzimuth(curve.get(), middle), Acad::eOk) << c.what;
        EXPECT_EQ(MavCounter::getCurveAzimuthAtPoint(curve.get(), c.at, atPoint), Acad::eOk) << c.what;
        EXPECT_NEAR(start, c.start, 1e-9) << c.what;
        EXPECT_NEAR(middle, c.middle, 1e-9) << c.what;
        EXPECT_NEAR(atPoint, c.atPoint, 1e-9) << c.what;
    }
}

TEST_F(Azimuths, UnitTangentsAtTheEnds)
{
    AcDbArc arc(AcGePoint3d(0, 0, 0), 5.0, 0.0, kPi);
    AcGeVector3d start;
    AcGeVector3d end;
    EXPECT_EQ(MavCounter::getCurveStartAzimuthEx(&arc, start), Acad::eOk);
    EXPECT_EQ(MavCounter::getCurveEndAzimuthEx(&arc, end), Acad::eOk);
    EXPECT_TRUE(start.isEqualTo(AcGeVector3d(0, 1, 0)));
    EXPECT_TRUE(end.isEqualTo(AcGeVector3d(0, -1, 0)));
    EXPECT_NEAR(end.length(), 1.0, 1e-12);
}

TEST_F(Azimuths, ByIdTheCurveIsOpenedAndFailuresSaySo)
{
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 10, 0)));
    double azimuth = -1.0;
    EXPECT_EQ(MavCounter::getCurveStartAzimuth(line, azimuth), Acad::eOk);
    EXPECT_NEAR(azimuth, kPi / 2, 1e-12);
    azimuth = -1.0;
    EXPECT_EQ(MavCounter::getCurveMiddleAzimuth(line, azimuth), Acad::eOk);
    EXPECT_NEAR(azimuth, kPi / 2, 1e-12);
    azimuth = -1.0;
    EXPECT_EQ(MavCounter::getCurveAzimuthAtPoint(line, AcGePoint3d(3, 20, 0), azimuth), Acad::eOk);
    EXPECT_NEAR(azimuth, kPi / 2, 1e-12);

    // Not a curve: opened, closed, nothing written.
    azimuth = -1.0;
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"N4"));
    EXPECT_EQ(MavCounter::getCurveStartAzimuth(text, azimuth), Acad::eOk);
    EXPECT_EQ(azimuth, -1.0);

    EXPECT_EQ(MavCounter::getCurveStartAzimuth(AcDbObjectId::kNull, azimuth), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getCurveMiddleAzimuth(AcDbObjectId::kNull, azimuth), Acad::eInvalidInput);
    MavUtils::deleteObj(line);
    EXPECT_EQ(MavCounter::getCurveStartAzimuth(line, azimuth), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::getCurveMiddleAzimuth(line, azimuth), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::getCurveAzimuthAtPoint(line, AcGePoint3d(0, 0, 0), azimuth), Acad::eNotApplicable);
    EXPECT_EQ(azimuth, -1.0);
    EXPECT_EQ(transcript(),
        L"\ngetCurveEndAzimuth 出现异常!\ngetCurveMiddleAzimuth 出现异常!\ngetCurveAzimuthAtPoint 出现异常!");
}

TEST(PlaneCurveAzimuths, EndsDerivativesUpwardChordsAndDegrees)
{
    // A quarter circle counter-clockwise from +X to +Y.
    AcGeCircArc2d arc(AcGePoint2d(0, 0), 2.0, 0.0, kPi / 2);
    double azimuth = -1.0;
    EXPECT_EQ(MavCounter::getGeCurveStartAzimuth(&arc, azimuth), Acad::eOk);
    EXPECT_NEAR(azimuth, kPi / 2, 1e-9);
    EXPECT_EQ(MavCounter::getGeCurveEndAzimuth(&arc, azimuth), Acad::eOk);
    EXPECT_NEAR(azimuth, kPi, 1e-9);
    AcGeVector2d deriv;
    EXPECT_EQ(MavCounter::getFirstDerivInGeCurve(&arc, AcGePoint2d(0, 2), deriv), Acad::eOk);
    EXPECT_NEAR(deriv.x, -2.0, 1e-9);
    EXPECT_NEAR(deriv.y, 0.0, 1e-9);
    azimuth = -1.0;
    EXPECT_EQ(MavCounter::getGeCurveStartAzimuth(nullptr, azimuth), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getGeCurveEndAzimuth(nullptr, azimuth), Acad::eInvalidInput);
    EXPECT_EQ(azimuth, -1.0);

    struct Chord {
        AcGePoint2d from, to;
        double azimuth;
    };
    for (const Chord& c : {Chord{{0, 10}, {0, 0}, kPi / 2}, Chord{{5, 0}, {0, 0}, kPi}, Chord{{0, 0}, {5, 0}, 2 * kPi},
             Chord{{3, 3}, {0, 0}, kPi / 4}, Chord{{0, 0}, {-3, 3}, 3 * kPi / 4}}) {
        AcGeLineSeg2d chord(c.from, c.to);
        EXPECT_EQ(MavCounter::getGeLineAzimuthEx(&chord, azimuth), Acad::eOk);
        EXPECT_NEAR(azimuth, c.azimuth, 1e-12) << c.from.x << "," << c.from.y;
    }

    EXPECT_EQ(MavCounter::degreesToRadians(180.0), 3.141592653589793);
    EXPECT_EQ(MavCounter::degreesToRadians(90.0), 1.5707963267948966);
}
