// Lengths of database and geometry curves, a curve between two crossings, distances along a
// curve to a point, areas, triangle heights, an arc's data and the walks along an arc.
#include "CadkitFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcGeCircArc2d.h"
#include "AcGeCircArc3d.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg2d.h"
#include "AcGeLineSeg3d.h"
#include "AcGePolyline2d.h"

#include <cmath>

namespace {

AcDbPolyline* fiveVertexPolyline()
{
    auto* p = new AcDbPolyline();
    for (unsigned int i = 0; i < 5; ++i)
        p->addVertexAt(i, AcGePoint2d(i * 2.0, (i % 2) * 3.0));
    return p;
}

AcDb2dPolyline* twoDPolyline()
{
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(6, 0, 0));
    pts.append(AcGePoint3d(6, 8, 0));
    return new AcDb2dPolyline(AcDb::k2dSimplePoly, pts);
}

} // namespace

using Lengths = CadkitFixture;

TEST_F(Lengths, CurveLengthsAndVertexCountsByPointerAndId)
{
    struct Case {
        AcDbCurve* curve;
        double length;
        int count;
    };
    // Vertex-object polylines have no fixed count: the count stays as passed.
    for (const Case& c : {Case{new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0)), 5.0, 2},
             Case{new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi), 2 * kPi, 2},
             Case{fiveVertexPolyline(), 4 * std::sqrt(13.0), 5}, Case{twoDPolyline(), 14.0, -1}}) {
        double length = -1.0;
        int count = -1;
        EXPECT_EQ(MavCounter::getCurveLength(c.curve, length), Acad::eOk);
        EXPECT_NEAR(length, c.length, 1e-9);
        length = -1.0;
        EXPECT_EQ(MavCounter::getCurveLengthEx(c.curve, length, count), Acad::eOk);
        EXPECT_NEAR(length, c.length, 1e-9);
        EXPECT_EQ(count, c.count);
        const AcDbObjectId id = add(c.curve);
        length = -1.0;
        count = -1;
        EXPECT_EQ(MavCounter::getCurveLength(id, length), Acad::eOk);
        EXPECT_NEAR(length, c.length, 1e-9);
        EXPECT_EQ(MavCounter::getCurveLengthEx(id, length, count), Acad::eOk);
        EXPECT_EQ(count, c.count);
    }
    const AcDbObjectId text = add(new AcDbText(AcGePoint3d(0, 0, 0), L"x"));
    double length = -1.0;
    int count = -1;
    EXPECT_EQ(MavCounter::getCurveLength(text, length), Acad::eOk);
    EXPECT_EQ(MavCounter::getCurveLengthEx(text, length, count), Acad::eOk);
    EXPECT_EQ(length, -1.0);
    EXPECT_EQ(MavCounter::getCurveLength(AcDbObjectId::kNull, length), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getCurveLengthEx(AcDbObjectId::kNull, length, count), Acad::eInvalidInput);
    MavUtils::deleteObj(text);
    EXPECT_EQ(MavCounter::getCurveLength(text, length), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::getCurveLengthEx(text, length, count), Acad::eNotApplicable);
    EXPECT_EQ(transcript(), L"\ngetCurveLength 出现异常!\ngetCurveLength 出现异常!");
}

TEST_F(Lengths, LengthsOfOneClassRefuseTheOthers)
{
    const AcDbObjectId lineId = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 7, 0)));
    const AcDbObjectId arcId = add(new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2));
    const AcDbObjectId polyId = add(twoDPolyline());
    const AcDbObjectId circleId = add(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0));
    double length = -1.0;
    EXPECT_EQ(MavCounter::getLineLength(lineId, length), Acad::eOk);
    EXPECT_NEAR(length, 7.0, 1e-12);
    EXPECT_EQ(MavCounter::getArcLength(arcId, length), Acad::eOk);
    EXPECT_NEAR(length, 5 * kPi, 1e-9);
    EXPECT_EQ(MavCounter::get2dPolylineLength(polyId, length), Acad::eOk);
    EXPECT_NEAR(length, 14.0, 1e-9);

    length = -1.0;
    EXPECT_EQ(MavCounter::getLineLength(circleId, length), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::getArcLength(lineId, length), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::get2dPolylineLength(arcId, length), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::get2dPolylineLength(AcDbObjectId::kNull, length), Acad::eInvalidInput);
    EXPECT_EQ(length, -1.0);
    MavUtils::deleteObj(lineId);
    MavUtils::deleteObj(arcId);
    // A line that does not open is refused without a message; an arc with one.
    EXPECT_EQ(MavCounter::getLineLength(lineId, length), Acad::eNotApplicable);
    EXPECT_EQ(MavCounter::getArcLength(arcId, length), Acad::eNotApplicable);
    EXPECT_EQ(transcript(), L"\ngetLineLength 出现异常!\ngetArcLength 出现异常!\nget2dPolylineLength 出现异常!"
                            L"\ngetArcLength 出现异常!");
}

TEST_F(Lengths, ArcDataInOneCall)
{
    const AcDbObjectId arcId = add(new AcDbArc(AcGePoint3d(0, 0, 0), 10.0, 0.0, kPi / 2));
    AcGePoint3d start = kUnset;
    AcGePoint3d end = kUnset;
    AcGePoint3d third = kUnset;
    double startAzimuth = 0.0;
    double endAzimuth = 0.0;
    double length = 0.0;
    EXPECT_EQ(MavCounter::getArcParams(arcId, start, end, third, startAzimuth, endAzimuth, length), Acad::eOk);
    EXPECT_TRUE(start.isEqualTo(AcGePoint3d(10, 0, 0)));
    EXPECT_TRUE(end.isEqualTo(AcGePoint3d(0, 10, 0)));
    EXPECT_TRUE(third.isEqualTo(kUnset));
    EXPECT_NEAR(startAzimuth, kPi / 2, 1e-12);
    EXPECT_NEAR(endAzimuth, kPi, 1e-12);
    EXPECT_NEAR(length, 5 * kPi, 1e-9);
    const AcDbObjectId lineId = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    EXPECT_EQ(MavCounter::getArcParams(lineId, start, end, third, startAzimuth, endAzimuth, length),
        Acad::eNotApplicable);
    EXPECT_EQ(transcript(), L"\ngetArcLength 出现异常!");
}

TEST_F(Lengths, DistancesAlongACurveToAPoint)
{
    const AcDbObjectId lineId = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
    double dist = -1.0;
    EXPECT_EQ(MavCounter::getDistAtPoint(lineId, AcGePoint3d(4, 3, 0), dist), Acad::eOk);
    EXPECT_NEAR(dist, 4.0, 1e-12);
    EXPECT_EQ(MavCounter::getDistAtPointEx(lineId, AcGePoint3d(6, 0, 0), dist), Acad::eOk);
    EXPECT_NEAR(dist, 6.0, 1e-12);
    // Without the snap a point off the curve has no distance.
    EXPECT_NE(MavCounter::getDistAtPointEx(lineId, AcGePoint3d(4, 3, 0), dist), Acad::eOk);
    EXPECT_NEAR(dist, 6.0, 1e-12);
    MavUtils::deleteObj(lineId);
    EXPECT_NE(MavCounter::getDistAtPoint(lineId, AcGePoint3d(4, 3, 0), dist), Acad::eOk);
    EXPECT_NE(MavCounter::getDistAtPointEx(lineId, AcGePoint3d(4, 3, 0), dist), Acad::eOk);
    EXPECT_EQ(transcript(), L"\ngetDistAtPoint 出现异常!\ngetDistAtPoint 出现异常!");
}

TEST(GeometryLengths, BoundedCurvesStretchesAndAreas)
{
    const AcGeLineSeg3d seg(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
    const AcGeLine3d endless(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis);
    const AcGeCircArc2d arc2(AcGePoint2d(0, 0), 2.0, 0.0, kPi);
    double length = -1.0;
    EXPECT_EQ(MavCounter::getGeCurveLength(&seg, length), Acad::eOk);
    EXPECT_NEAR(length, 10.0, 1e-12);
    EXPECT_EQ(MavCounter::getGeCurveLength(&endless, length), Acad::eInvalidInput);
    EXPECT_EQ(MavCounter::getGeCurveLength(&arc2, length), Acad::eOk);
    EXPECT_NEAR(length, 2 * kPi, 1e-9);
    AcGePoint2dArray square;
    for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(10, 0), AcGePoint2d(10, 10), AcGePoint2d(0, 10)})
        square.append(p);
    const AcGePolyline2d polyline(square);
    EXPECT_EQ(MavCounter::getGeCurveLength(&polyline, length), Acad::eOk);
    EXPECT_NEAR(length, 30.0, 1e-9);

    // The stretch of c between its first crossings with a and b; a miss counts from parameter 0.
    const AcGeLineSeg3d at2(AcGePoint3d(2, -1, 0), AcGePoint3d(2, 1, 0));
    const AcGeLineSeg3d at7(AcGePoint3d(7, -1, 0), AcGePoint3d(7, 1, 0));
    const AcGeLineSeg3d apart(AcGePoint3d(20, -1, 0), AcGePoint3d(20, 1, 0));
    EXPECT_EQ(MavCounter::getGeCurveLengthBetweenTwoGeCurves(&seg, &at7, &at2, length), Acad::eOk);
    EXPECT_NEAR(length, 5.0, 1e-9);
    EXPECT_EQ(MavCounter::getGeCurveLengthBetweenTwoGeCurves(&seg, &at7, &apart, length), Acad::eInvalidInput);
    EXPECT_NEAR(length, 7.0, 1e-9);
    const AcGeLineSeg2d seg2(AcGePoint2d(0, 0), AcGePoint2d(10, 0));
    const AcGeLineSeg2d at3(AcGePoint2d(3, -1), AcGePoint2d(3, 1));
    const AcGeLineSeg2d at4(AcGePoint2d(4, -1), AcGePoint2d(4, 1));
    EXPECT_EQ(MavCounter::getGeCurveLengthBetweenTwoGeCurves(&seg2, &at3, &at4, length), Acad::eOk);
    EXPECT_NEAR(length, 1.0, 1e-9);
    EXPECT_EQ(MavCounter::getGeCurveLengthBetweenTwoGeCurves(&seg2, nullptr, &at4, length), Acad::eInvalidInput);

    double area = -1.0;
    const AcGeCircArc2d circle(AcGePoint2d(1, 1), 2.0);
    EXPECT_EQ(MavCounter::getGeCurveArea(&circle, area), Acad::eOk);
    EXPECT_NEAR(area, 4 * kPi, 1e-6);
    EXPECT_EQ(MavCounter::getGeCurveArea(&polyline, area), Acad::eOk);
    EXPECT_NEAR(area, 100.0, 1e-9);
}

TEST(GeometryLengths, HeightsOfATriangle)
{
    AcGePoint3d heights = kUnset;
    EXPECT_EQ(MavCounter::getHbaseOn3Points(AcGePoint2d(0, 0), AcGePoint2d(3, 0), AcGePoint2d(0, 4), heights), 1);
    EXPECT_NEAR(heights.x, 2.4, 1e-12);
    EXPECT_NEAR(heights.y, 3.0, 1e-12);
    EXPECT_NEAR(heights.z, 4.0, 1e-12);
    // Two corners in one place: no height onto the side they make, and no 0/0.
    EXPECT_EQ(MavCounter::getHbaseOn3Points(AcGePoint2d(0, 0), AcGePoint2d(3, 0), AcGePoint2d(3, 0), heights), 1);
    EXPECT_EQ(heights.x, 0.0);
    EXPECT_EQ(heights.y, 0.0);
    EXPECT_EQ(heights.z, 0.0);
}

TEST(GeometryLengths, WalksAlongAnArcInTenthsOfADegree)
{
    AcGeCircArc3d arc(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 100.0, kPi / 6, kPi / 2);
    AcGePoint3d p = kUnset;
    double angle = -1.0;
    EXPECT_EQ(MavCounter::getArcParamByLength(arc, 200.0, p, angle), 0);
    EXPECT_EQ(angle, -1.0);
    EXPECT_EQ(MavCounter::getArcParamByLength(arc, 0.0, p, angle), 1);
    EXPECT_EQ(angle, kPi / 6);
    EXPECT_TRUE(p.isEqualTo(arc.startPoint()));
    EXPECT_EQ(MavCounter::getArcParamByLength(arc, 50.0, p, angle), 1);
    EXPECT_NEAR(angle, kPi / 6 + 0.5, 2 * kPi / 1800);

    double arcLength = -1.0;
    double toPoint = -1.0;
    EXPECT_EQ(MavCounter::getArcLengthByPt(arc, AcGePoint3d(0, 0, 0), arcLength, toPoint), 0);
    EXPECT_EQ(arcLength, -1.0);
    EXPECT_EQ(toPoint, -1.0);
    const AcGePoint3d onArc(100 * std::cos(kPi / 3), 100 * std::sin(kPi / 3), 0);
    EXPECT_EQ(MavCounter::getArcLengthByPt(arc, onArc, arcLength, toPoint), 1);
    EXPECT_NEAR(arcLength, 100 * kPi / 3, 1e-9);
    EXPECT_NEAR(toPoint, 100 * kPi / 6, 2 * 100 * kPi / 1800);
}
