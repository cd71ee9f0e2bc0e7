// The factory's symbols: leader labels with their landings, the joint marker, polylines from
// user coordinates, break lines, section captions and the cut marks of section views.
#include "FactoryFixture.h"

#include "MavCounter.h"
#include "MavUtils.h"

#include "AcDb2dPolyline.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

const wchar_t* const kCentre = L"13-中心";
const wchar_t* const kLeader = L"11-揭示";
const wchar_t* const kText = L"09-文本";
const wchar_t* const kFrame = L"01-图框";

class Symbols : public FactoryFixture {
protected:
    void SetUp() override
    {
        FactoryFixture::SetUp();
        for (const wchar_t* name : {kCentre, kLeader, kText, kFrame}) {
            AcDbObjectId id;
            ASSERT_EQ(MavUtils::createLayer(name, id), Acad::eOk);
        }
    }

    static AcDbObjectId addStyle(const wchar_t* name)
    {
        const AcDbObjectId id = MavUtils::createNewTextStyle(name, 2, 0.0, 0.7, L"fsdb_e.shx", L"fsdb.shx");
        EXPECT_FALSE(id.isNull());
        return id;
    }

    static AcDbObjectId layerId(const wchar_t* name)
    {
        AcDbObjectId id;
        EXPECT_EQ(MavUtils::getLayerId(name, id), Acad::eOk);
        return id;
    }

    static void expectLine(AcDbObjectId id, const AcGePoint3d& start, const AcGePoint3d& end, const wchar_t* layer)
    {
        ReadBack<AcDbLine> line(id);
        ASSERT_TRUE(line);
        expectNear(line->startPoint(), start);
        expectNear(line->endPoint(), end);
        EXPECT_EQ(line->layerId(), layer != nullptr ? layerId(layer) : db()->clayer());
    }

    static void expectText(AcDbObjectId id, const wchar_t* text, AcDb::TextHorzMode horizontal,
        AcDb::TextVertMode vertical, const AcGePoint3d& at)
    {
        ReadBack<AcDbText> t(id);
        ASSERT_TRUE(t);
        EXPECT_STREQ(t->textStringConst(), text);
        EXPECT_EQ(t->horizontalMode(), horizontal);
        EXPECT_EQ(t->verticalMode(), vertical);
        expectNear(t->alignmentPoint(), at);
    }

    // The landing that a text of that id gets: its box diagonal, 15 beyond 20.
    static double landingOf(AcDbObjectId textId)
    {
        const double width = MavCounter::widthOfText(textId);
        return width > 20.0 ? 15.0 : width;
    }
};

TEST_F(Symbols, LeaderLabelRunsToTheSideAndSlopeAsked)
{
    const AcDbObjectId yb = addStyle(L"YB");
    const double slope = std::atan(0.5);
    const struct {
        int toLeft;
        int upward;
        double angle;
        AcGePoint3d end;
        AcDb::TextHorzMode horizontal;
    } cases[] = {{0, 1, slope, AcGePoint3d(18, 10, 1), AcDb::kTextLeft},
        {1, 1, slope, AcGePoint3d(2, 10, 1), AcDb::kTextRight}, {0, 0, slope, AcGePoint3d(18, 2, 1), AcDb::kTextLeft},
        {1, 0, 0.0, AcGePoint3d(2, 6, 1), AcDb::kTextRight}, {1, 1, 0.0, AcGePoint3d(2, 6, 1), AcDb::kTextRight}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.toLeft << c.upward << c.angle);
        const AcGePoint3d anchor(10, 6, 1);
        EXPECT_EQ(mFactory.labelXYAngle(anchor, c.angle, 8.0, c.toLeft, c.upward, L"N1", 2.5, 0.7, 0.0), Acad::eOk);
        const std::vector<AcDbObjectId> made = modelSpace();
        ASSERT_EQ(made.size(), 3u);
        expectLine(made[0], anchor, c.end, nullptr);
        expectText(made[1], L"N1", c.horizontal, AcDb::kTextBottom, c.end);
        EXPECT_EQ(ReadBack<AcDbText>(made[1])->textStyle(), yb);
        const double landing = landingOf(made[1]);
        EXPECT_GT(landing, 0.0);
        expectLine(made[2], c.end, c.end + AcGeVector3d(c.toLeft != 0 ? -landing : landing, 0, 0), nullptr);
        AcArray<AcDbObjectId> ids;
        for (const AcDbObjectId& id : made)
            ids.append(id);
        MavUtils::deleteObjs(ids);
    }
}

TEST_F(Symbols, LandingOfAWideTextIsShortened)
{
    addStyle(L"YB");
    mFactory.labelXYAngle(AcGePoint3d(0, 0, 0), 0.0, 5.0, 0, 0, L"钢筋编号说明", 10.0, 1.0, 0.0);
    const std::vector<AcDbObjectId> made = modelSpace();
    ASSERT_EQ(made.size(), 3u);
    ASSERT_GT(MavCounter::widthOfText(made[1]), 20.0);
    expectLine(made[2], AcGePoint3d(5, 0, 0), AcGePoint3d(20, 0, 0), nullptr);
}

TEST_F(Symbols, LabelsWithoutTheirStyleAreDrawnInStandardAndSaySo)
{
    AcDbObjectId standard;
    ASSERT_EQ(MavUtils::getTextStyleId(L"Standard", standard), Acad::eOk);
    EXPECT_NE(mFactory.labelXYAngle(AcGePoint3d(0, 0, 0), 0.3, 5.0, 0, 1, L"N1", 2.5, 0.7, 0.0), Acad::eOk);
    EXPECT_NE(transcript().find(L"Internal ARX ERROR"), std::wstring::npos);
    EXPECT_NE(mFactory.labelXYAngleEx(AcGePoint3d(0, 0, 0), 0.3, 5.0, 0, 1, L"L", L"U", 2.5, 0.7, 0.0), Acad::eOk);
    EXPECT_NE(mFactory.drawFlexSlotLineAndText(AcGePoint3d(0, 0, 0), 1, 1, 3, 2, 0.3, 5, L"F", 2.5, 0.7), Acad::eOk);
    int texts = 0;
    for (const AcDbObjectId& id : modelSpace()) {
        if (ReadBack<AcDbText> text(id); text) {
            EXPECT_EQ(text->textStyle(), standard);
            ++texts;
        }
    }
    EXPECT_EQ(texts, 4);
}

TEST_F(Symbols, JointMarkerPutsItsPartsOnTheirLayers)
{
    addStyle(L"YB");
    const AcGePoint3d p(10, 10, 0);
    const struct {
        int toRight;
        int upward;
        AcGePoint3d centreStart;
        AcGePoint3d centreEnd;
        AcGePoint3d end;
        AcDb::TextHorzMode horizontal;
    } cases[] = {{1, 1, AcGePoint3d(10, 16, 0), AcGePoint3d(10, 6, 0), AcGePoint3d(18, 12, 0), AcDb::kTextLeft},
        {0, 0, AcGePoint3d(10, 4, 0), AcGePoint3d(10, 14, 0), AcGePoint3d(2, 8, 0), AcDb::kTextRight}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toRight);
        EXPECT_EQ(mFactory.drawFlexSlotLineAndText(p, c.toRight, c.upward, 6.0, 4.0, std::atan(0.25), 8.0, L"伸缩缝",
                      3.0, 0.8),
            Acad::eOk);
        const std::vector<AcDbObjectId> made = modelSpace();
        ASSERT_EQ(made.size(), 4u);
        expectLine(made[0], c.centreStart, c.centreEnd, kCentre);
        expectLine(made[1], p, c.end, kLeader);
        expectText(made[2], L"伸缩缝", c.horizontal, AcDb::kTextBottom, c.end + AcGeVector3d(0, 0.18, 0));
        EXPECT_EQ(ReadBack<AcDbText>(made[2])->layerId(), layerId(kText));
        const double landing = landingOf(made[2]);
        expectLine(made[3], c.end, c.end + AcGeVector3d(c.toRight != 0 ? landing : -landing, 0, 0), kLeader);
        AcArray<AcDbObjectId> ids;
        for (const AcDbObjectId& id : made)
            ids.append(id);
        MavUtils::deleteObjs(ids);
    }
}

TEST_F(Symbols, LabelsGoToTheTargetRecord)
{
    addStyle(L"YB");
    const AcDbObjectId block = addBlock(L"LABELS");
    openTarget(block, AcDb::kForWrite);
    mFactory.labelXYAngle(AcGePoint3d(0, 0, 0), 0.2, 5.0, 0, 1, L"N1", 2.5, 0.7, 0.0);
    mFactory.drawFlexSlotLineAndText(AcGePoint3d(0, 0, 0), 1, 1, 3, 2, 0.3, 5, L"F", 2.5, 0.7);
    mFactory.labelXYAngleEx(AcGePoint3d(0, 0, 0), 0.3, 5.0, 0, 1, L"L", L"U", 2.5, 0.7, 0.0);
    closeTarget();
    EXPECT_TRUE(modelSpace().empty());
    const std::vector<AcDbObjectId> made = entitiesOf(block);
    ASSERT_EQ(made.size(), 11u);
    // The landing is measured on the text as it stands in the record.
    const double landing = landingOf(made[1]);
    EXPECT_GT(landing, 0.0);
    expectLine(made[2], ReadBack<AcDbLine>(made[0])->endPoint(),
        ReadBack<AcDbLine>(made[0])->endPoint() + AcGeVector3d(landing, 0, 0), nullptr);
}

TEST_F(Symbols, LabelWithTwoTextsHangsTheLowerUnderTheShelf)
{
    addStyle(L"YB");
    const AcGePoint3d anchor(0, 0, 0);
    for (int toLeft : {0, 1}) {
        SCOPED_TRACE(toLeft);
        EXPECT_EQ(mFactory.labelXYAngleEx(anchor, 0.0, 6.0, toLeft, 1, L"下", L"上文字", 2.0, 0.8, 0.0), Acad::eOk);
        const std::vector<AcDbObjectId> made = modelSpace();
        ASSERT_EQ(made.size(), 4u);
        const AcGePoint3d end(toLeft != 0 ? -6 : 6, 0, 0);
        expectLine(made[0], anchor, end, kLeader);
        expectText(made[1], L"上文字", toLeft != 0 ? AcDb::kTextRight : AcDb::kTextLeft, AcDb::kTextBottom,
            end + AcGeVector3d(0, 0.18, 0));
        const double shelf = (toLeft != 0 ? -1 : 1) * landingOf(made[1]);
        expectLine(made[2], end, end + AcGeVector3d(shelf, 0, 0), kLeader);
        expectText(made[3], L"下", AcDb::kTextCenter, AcDb::kTextTop, end + AcGeVector3d(shelf / 2, 0, 0));
        // The layer of the leader is the entity's own; the current layer stays.
        EXPECT_EQ(ReadBack<AcDbText>(made[3])->layerId(), db()->clayer());
        AcArray<AcDbObjectId> ids;
        for (const AcDbObjectId& id : made)
            ids.append(id);
        MavUtils::deleteObjs(ids);
    }
}

TEST_F(Symbols, PolylineFromUserPointsNeedsTwoPoints)
{
    AcArray<AcGePoint2d> points;
    AcDbObjectId id;
    EXPECT_EQ(mFactory.LPoly(points, id, false, false), Acad::eOutOfMemory);
    EXPECT_NE(transcript().find(L"\n坐标数组为空."), std::wstring::npos);
    points.append(AcGePoint2d(1, 2));
    EXPECT_EQ(mFactory.LPoly(points, id, false, false), Acad::eOutOfMemory);
    EXPECT_NE(transcript().find(L"\n仅有一点，无法画线！"), std::wstring::npos);
    EXPECT_TRUE(id.isNull());
    EXPECT_TRUE(modelSpace().empty());

    // In the world system the points are drawn as they are.
    points.append(AcGePoint2d(5, 2));
    points.append(AcGePoint2d(5, 7));
    EXPECT_EQ(mFactory.LPoly(points, id, true, true), Acad::eOk);
    ReadBack<AcDbPolyline> pline(id);
    ASSERT_TRUE(pline);
    ASSERT_EQ(pline->numVerts(), 3u);
    EXPECT_TRUE(pline->isClosed());
    EXPECT_TRUE(pline->hasPlinegen());
    for (unsigned int i = 0; i < 3; ++i) {
        AcGePoint2d vertex;
        pline->getPointAt(i, vertex);
        EXPECT_EQ(vertex, points[static_cast<int>(i)]);
    }
}

TEST_F(Symbols, BreakLineZigzagsAboutTheMiddle)
{
    const struct {
        double length;
        double size;
    } cases[] = {{10.0, 3.0}, {6.0, 3.0}, {5.99, 2.0}, {25.0, 4.0}, {40.0, 6.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(mFactory.createZheLine(AcGePoint3d(0, 0, 0), AcGePoint3d(c.length, 0, 0)), 1);
        const std::vector<AcDbObjectId> made = modelSpace();
        ASSERT_EQ(made.size(), 1u);
        {
            ReadBack<AcDbPolyline> zigzag(made[0]);
            ASSERT_TRUE(zigzag);
            ASSERT_EQ(zigzag->numVerts(), 6u);
            const double m = c.length / 2.0;
            const double s = c.size;
            const AcGePoint2d expected[] = {AcGePoint2d(0, 0), AcGePoint2d(m - s / 2, 0),
                AcGePoint2d(m - s / 4, -s), AcGePoint2d(m + s / 4, s), AcGePoint2d(m + s / 2, 0),
                AcGePoint2d(c.length, 0)};
            for (unsigned int i = 0; i < 6; ++i) {
                AcGePoint2d vertex;
                zigzag->getPointAt(i, vertex);
                EXPECT_TRUE(vertex.isEqualTo(expected[i])) << i << ": " << vertex.x << "," << vertex.y;
            }
            EXPECT_FALSE(zigzag->isClosed());
        }
        AcArray<AcDbObjectId> ids;
        ids.append(made[0]);
        MavUtils::deleteObjs(ids);
    }
}

TEST_F(Symbols, BreakLineOfShortOrNoSpan)
{
    EXPECT_EQ(mFactory.createZheLine(AcGePoint3d(3, 3, 0), AcGePoint3d(3, 3, 0)), 0);
    EXPECT_NE(transcript().find(L"选取的两个点为同一个点!\n"), std::wstring::npos);
    EXPECT_TRUE(modelSpace().empty());

    // A span below 2 is drawn straight, and zigzagged over its whole length.
    EXPECT_EQ(mFactory.createZheLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0)), 1);
    EXPECT_NE(transcript().find(L"两个点之间距离小于2!"), std::wstring::npos);
    const std::vector<AcDbObjectId> made = modelSpace();
    ASSERT_EQ(made.size(), 2u);
    expectLine(made[0], AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0), nullptr);
    ReadBack<AcDbPolyline> zigzag(made[1]);
    ASSERT_TRUE(zigzag);
    const AcGePoint2d expected[] = {AcGePoint2d(0, 0), AcGePoint2d(0, 0), AcGePoint2d(1, 0.25),
        AcGePoint2d(-1, 0.75), AcGePoint2d(0, 1), AcGePoint2d(0, 1)};
    ASSERT_EQ(zigzag->numVerts(), 6u);
    for (unsigned int i = 0; i < 6; ++i) {
        AcGePoint2d vertex;
        zigzag->getPointAt(i, vertex);
        EXPECT_TRUE(vertex.isEqualTo(expected[i])) << i << ": " << vertex.x << "," << vertex.y;
    }
}

TEST_F(Symbols, SectionCaptionIsUnderlinedTwiceWithItsScaleBeside)
{
    const AcDbObjectId style = addStyle(L"HZ");
    const AcGePoint3d o(100, 50, 0);
    EXPECT_EQ(mFactory.createDuanmianSymbol(o, L"HZ", 4.0, 0.8, L"A-A", 10.0, 1), 1);
    const std::vector<AcDbObjectId> made = modelSpace();
    ASSERT_EQ(made.size(), 4u);
    expectText(made[0], L"A-A", AcDb::kTextCenter, AcDb::kTextBottom, AcGePoint3d(100, 50.5, 0));
    EXPECT_EQ(ReadBack<AcDbText>(made[0])->textStyle(), style);
    EXPECT_EQ(ReadBack<AcDbText>(made[0])->layerId(), layerId(kText));
    const double w = MavCounter::widthOfText(made[0]);
    const double half = w / 2.0 + 1.25;
    expectLine(made[1], AcGePoint3d(100 - half, 50, 0), AcGePoint3d(100 + half, 50, 0), kFrame);
    expectLine(made[2], AcGePoint3d(100 - half, 49, 0), AcGePoint3d(100 + half, 49, 0), kText);
    expectText(made[3], L"(1:100)", AcDb::kTextLeft, AcDb::kTextVertMid,
        AcGePoint3d(100 + half, 49 + (1.0 + 0.5 + 2.0) / 2.0, 0));
    EXPECT_DOUBLE_EQ(ReadBack<AcDbText>(made[3])->height(), 2.8);
    EXPECT_EQ(db()->clayer(), layerId(kText));
}

TEST_F(Symbols, SectionCaptionWithoutAUsableScaleHasNoScaleText)
{
    addStyle(L"HZ");
    const struct {
        double factor;
        int withScale;
    } cases[] = {{10.0, 0}, {0.0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.factor);
        EXPECT_EQ(mFactory.createDuanmianSymbol(AcGePoint3d(0, 0, 0), L"HZ", 4.0, 0.8, L"B", c.factor, c.withScale), 1);
        const std::vector<AcDbObjectId> made = modelSpace();
        EXPECT_EQ(made.size(), 3u);
        AcArray<AcDbObjectId> ids;
        for (const AcDbObjectId& id : made)
            ids.append(id);
        MavUtils::deleteObjs(ids);
    }
    // A caption wider than 100 is underlined as if 10 wide.
    mFactory.createDuanmianSymbol(AcGePoint3d(0, 0, 0), L"HZ", 30.0, 1.0, L"钢筋构造图示意", 10.0, 0);
    const std::vector<AcDbObjectId> made = modelSpace();
    ASSERT_EQ(made.size(), 3u);
    ASSERT_GT(MavCounter::widthOfText(made[0]), 100.0);
    expectLine(made[1], AcGePoint3d(-6.25, 0, 0), AcGePoint3d(6.25, 0, 0), kFrame);
}

class CutMarks : public Symbols {
protected:
    // The five points of one end's polyline: barb end, tip, arrow start, stroke end, cut end.
    static std::vector<AcGePoint3d> pointsOf(AcDbObjectId id)
    {
        ReadBack<AcDb2dPolyline> pline(id);
        std::vector<AcGePoint3d> points;
        if (!pline)
            return points;
        EXPECT_FALSE(pline->isClosed());
        double end = 0.0;
        pline->getEndParam(end);
        for (int i = 0; i <= static_cast<int>(std::lround(end)); ++i) {
            AcGePoint3d p;
            pline->getPointAtParam(i, p);
            points.push_back(p);
        }
        return points;
    }
};

TEST_F(CutMarks, VerticalCutPointsItsArrowsToTheViewingSide)
{
    const AcDbObjectId style = addStyle(L"HZ");
    // Two characters at height 3: strokes and arrows 4 long, barbs 2.4.
    const double c12 = 2.4 * std::cos(std::numbers::pi / 15.0);
    const double s12 = 2.4 * std::sin(std::numbers::pi / 15.0);
    const struct {
        const char* name;
        AcGePoint3d first;
        AcGePoint3d second;
        double viewX;
        double arrow;
        double labelX;
    } cases[] = {{"towards +x", AcGePoint3d(0, 0, 0), AcGePoint3d(0, 100, 0), 50.0, 1.0, 4.0 + 3.0 / 2.5},
        {"towards -x, ends swapped", AcGePoint3d(3, 100, 0), AcGePoint3d(0, 0, 0), -50.0, -1.0, -4.0 - 2.4 * 3.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mFactory.createPoushiLineHorVer(c.first, c.second, AcGePoint3d(c.viewX, 0, 0), L"A1", style, 3.0),
            1);
        const std::vector<AcDbObjectId> made = modelSpace();
        ASSERT_EQ(made.size(), 4u);
        // The cut line is vertical through the first point given, lower end first.
        const double x = c.first.x == 3 ? 3.0 : 0.0;
        const double a = c.arrow;
        const std::vector<AcGePoint3d> lower = pointsOf(made[0]);
        const std::vector<AcGePoint3d> upper = pointsOf(made[1]);
        ASSERT_EQ(lower.size(), 5u);
        ASSERT_EQ(upper.size(), 5u);
        expectNear(lower[4], AcGePoint3d(x, 0, 0));
        expectNear(lower[3], AcGePoint3d(x, -4, 0));
        expectNear(lower[2], AcGePoint3d(x + a * 1.6, -4, 0));
        expectNear(lower[1], AcGePoint3d(x + a * 4, -4, 0));
        expectNear(lower[0], AcGePoint3d(x + a * (4 - c12), -4 - s12, 0));
        expectNear(upper[4], AcGePoint3d(x, 100, 0));
        expectNear(upper[3], AcGePoint3d(x, 104, 0));
        expectNear(upper[1], AcGePoint3d(x + a * 4, 104, 0));
        expectNear(upper[0], AcGePoint3d(x + a * (4 - c12), 104 + s12, 0));
        expectText(made[2], L"A1", AcDb::kTextCenter, AcDb::kTextVertMid, AcGePoint3d(x + c.labelX, -4, 0));
        expectText(made[3], L"A1", AcDb::kTextCenter, AcDb::kTextVertMid, AcGePoint3d(x + c.labelX, 104, 0));
        EXPECT_DOUBLE_EQ(ReadBack<AcDbText>(made[2])->widthFactor(), 0.85);
        EXPECT_EQ(ReadBack<AcDbText>(made[2])->textStyle(), style);
        EXPECT_EQ(db()->clayer(), layerId(kLeader));
        AcArray<AcDbObjectId> ids;
        for (const AcDbObjectId& id : made)
            ids.append(id);
        MavUtils::deleteObjs(ids);
    }
}

TEST_F(CutMarks, FlatCutIsHorizontalLeftEndFirst)
{
    const AcDbObjectId style = addStyle(L"HZ");
    const double s12 = 2.4 * std::sin(std::numbers::pi / 15.0);
    // A cut 44.7° off the x axis is not steep enough: the second end comes to the first one's height.
    EXPECT_EQ(mFactory.createPoushiLineHorVer(
                  AcGePoint3d(100, 0, 0), AcGePoint3d(0, -99, 0), AcGePoint3d(50, 30, 0), L"A1", style, 3.0),
        1);
    const std::vector<AcDbObjectId> made = modelSpace();
    ASSERT_EQ(made.size(), 4u);
    const std::vector<AcGePoint3d> left = pointsOf(made[0]);
    const std::vector<AcGePoint3d> right = pointsOf(made[1]);
    ASSERT_EQ(left.size(), 5u);
    ASSERT_EQ(right.size(), 5u);
    expectNear(left[4], AcGePoint3d(0, 0, 0));
    expectNear(left[3], AcGePoint3d(-4, 0, 0));
    expectNear(left[1], AcGePoint3d(-4, 4, 0));
    EXPECT_NEAR(left[0].x, -4 - s12, 1e-9);
    expectNear(right[4], AcGePoint3d(100, 0, 0));
    expectNear(right[1], AcGePoint3d(104, 4, 0));
    EXPECT_NEAR(right[0].x, 104 + s12, 1e-9);
    expectText(made[2], L"A1", AcDb::kTextCenter, AcDb::kTextVertMid, AcGePoint3d(-4 - 0.8 * 2 * 3, 4, 0));
    expectText(made[3], L"A1", AcDb::kTextCenter, AcDb::kTextVertMid, AcGePoint3d(104 + 0.3 * 2 * 3, 4, 0));
}

TEST_F(CutMarks, CoincidentEndsDrawNothing)
{
    EXPECT_EQ(mFactory.createPoushiLineHorVer(
                  AcGePoint3d(5, 5, 0), AcGePoint3d(5, 5, 0), AcGePoint3d(0, 0, 0), L"A", AcDbObjectId(), 3.0),
        0);
    EXPECT_NE(transcript().find(L"两点重合，无法生成剖视箭头!\n"), std::wstring::npos);
    EXPECT_TRUE(modelSpace().empty());
}

} // namespace
