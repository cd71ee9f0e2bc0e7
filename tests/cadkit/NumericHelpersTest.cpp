// Numeric helpers of the geometry calculations: degrees, minutes and seconds and their texts,
// bar unit weights, text sizes, reductions and the reserved operations.
#include "ArrayOf.h"
#include "CadkitFixture.h"

#include "MavCounter.h"

#include "AcDbExtents.h"
#include "AcDbLine.h"
#include "AcDbText.h"

#include <cmath>

namespace {

TEST(NumericHelpers, AngleSplitsWithTheSignOnTheDegreesAlone)
{
    const struct {
        double angle;
        int degrees;
        int minutes;
        double seconds;
    } cases[] = {{30.5, 30, 30, 0.0}, {-30.5, -30, 30, 0.0}, {-0.5, 0, 30, 0.0}, {12.3456, 12, 20, 44.16},
        {0.0, 0, 0, 0.0}};
    for (const auto& c : cases) {
        int degrees = 99, minutes = 99;
        double seconds = 99.0;
        MavCounter::degreesToDFM(c.angle, degrees, minutes, seconds);
        EXPECT_EQ(degrees, c.degrees) << c.angle;
        EXPECT_EQ(minutes, c.minutes) << c.angle;
        EXPECT_NEAR(seconds, c.seconds, 1e-9) << c.angle;
    }
}

TEST(NumericHelpers, DegreeTextsInBothNotations)
{
    const struct {
        double angle;
        int decimals;
        int mode;
        const wchar_t* text;
    } cases[] = {{30.5, 2, 1, L"30°30’0.00”"}, {30.5, 2, 2, L"30度30分0.00秒"}, {30.5, 2, 0, L"0.00"},
        {30.5, 9, 1, L"30°30’”"}, {-12.3456, 1, 2, L"-12度20分44.2秒"}, {45.0, 0, 3, L"0"}};
    for (const auto& c : cases) {
        CString text = L"unchanged";
        MavCounter::degreesToDFM(c.angle, c.decimals, c.mode, text);
        EXPECT_STREQ(text, c.text) << c.angle << " " << c.decimals << " " << c.mode;
    }
}

TEST(NumericHelpers, BarUnitWeightsByDiameter)
{
    const struct {
        int diameter;
        double weight;
    } cases[] = {{6, 0.2220}, {10, 0.6165}, {12, 0.8878}, {25, 3.8534}, {28, 4.8337}, {32, 6.3133}, {40, 9.8646}};
    for (const auto& c : cases)
        EXPECT_NEAR(MavCounter::density(c.diameter), c.weight, 5e-5) << c.diameter;
    // A diameter that no bar has weighs nothing, rather than a made-up trace.
    for (int diameter : {0, 11, -10, 50})
        EXPECT_EQ(MavCounter::density(diameter), 0.0) << diameter;
}

TEST(NumericHelpers, ReductionsOfEmptyListsAreZero)
{
    EXPECT_EQ(MavCounter::maxValueInAcArray(AcArray<int>()), 0);
    EXPECT_EQ(MavCounter::maxValueInAcArray(arrayOf({-5, -2})), -2);
    EXPECT_EQ(MavCounter::minValueInAcArray(AcArray<int>()), 0);
    EXPECT_EQ(MavCounter::minValueInAcArray(arrayOf({3, -1, 7})), -1);
    EXPECT_EQ(MavCounter::minValueInAcArray(AcArray<double>()), 0.0);
    EXPECT_EQ(MavCounter::minValueInAcArray(arrayOf({2.5, 1.5, 4.0})), 1.5);
    EXPECT_EQ(MavCounter::sumAcArray(arrayOf({1.5, 2.25})), 3.75);
    EXPECT_EQ(MavCounter::sumAcArray(AcArray<double>()), 0.0);
    EXPECT_EQ(MavCounter::summate(arrayOf({1, 2, 3})), 6);
    EXPECT_EQ(MavCounter::summate(AcArray<int>()), 0);
    EXPECT_EQ(MavCounter::summate(arrayOf({0.5, 0.25})), 0.75);
}

TEST(NumericHelpers, HostPointCopiesIntoAPoint)
{
    double host[3] = {1.5, -2.0, 3.25};
    AcGePoint3d point;
    MavCounter::adsPt_AcGePoint3d(host, point);
    EXPECT_EQ(point, AcGePoint3d(1.5, -2.0, 3.25));
}

TEST(NumericHelpers, ReservedOperationsAnswerSuccessAndLeaveTheirOutputs)
{
    AcDbObjectId id;
    double length = 12.5;
    AcGePoint3d start(1, 1, 1), end(2, 2, 2);
    EXPECT_EQ(MavCounter::getPolylineLength(id, length), Acad::eOk);
    EXPECT_EQ(MavCounter::getStartEndPointInArc(id, start, end), Acad::eOk);
    EXPECT_EQ(MavCounter::getStartEndPointInLine(id, start, end), Acad::eOk);
    EXPECT_EQ(MavCounter::getStartEndPointInPolyLine(id, start, end), Acad::eOk);
    EXPECT_EQ(MavCounter::getStartEndPointIn2dPolyLine(id, start, end), Acad::eOk);
    EXPECT_EQ(length, 12.5);
    EXPECT_EQ(start, AcGePoint3d(1, 1, 1));
    EXPECT_EQ(end, AcGePoint3d(2, 2, 2));
}

class TextSize : public CadkitFixture {};

TEST_F(TextSize, IsTheDiagonalOfTheTextsBox)
{
    const AcDbObjectId id = add(new AcDbText(AcGePoint3d(5, 5, 0), L"盖梁ABC", AcDbObjectId::kNull, 4.0, 0.0));
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForRead), Acad::eOk);
    AcDbExtents box;
    ASSERT_EQ(ent->getGeomExtents(box), Acad::eOk);
    const double width = MavCounter::widthOfText(AcDbText::cast(ent));
    ent->close();
    const AcGeVector3d size = box.maxPoint() - box.minPoint();
    EXPECT_GT(size.x, 4.0);
    EXPECT_NEAR(width, std::hypot(size.x, size.y), 1e-9);
    EXPECT_GT(width, size.x);
    EXPECT_DOUBLE_EQ(MavCounter::widthOfText(id), width);

    // Anything but a text, or an id that does not open, measures 0.
    EXPECT_EQ(MavCounter::widthOfText(add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(9, 0, 0)))), 0.0);
    EXPECT_EQ(MavCounter::widthOfText(AcDbObjectId()), 0.0);
    EXPECT_EQ(MavCounter::widthOfText(static_cast<const AcDbText*>(nullptr)), 0.0);
}

} // namespace
