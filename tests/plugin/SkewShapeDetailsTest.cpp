// The bar shape details of the skew-section drawing: the segment labels of a bottom-plate bar,
// the strengthening-bar shapes and the details of a whole design on its sheets.
#include "DrawingDesignFixture.h"

#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.1415926535;
constexpr double kTol = 1e-6;

struct Label {
    std::wstring text;
    AcGePoint3d point;
    double angle;
};

// The texts among the ids, in order, with where they stand and how they turn.
std::vector<Label> LabelsOf(const AcDbObjectIdArray& ids)
{
    std::vector<Label> out;
    for (const AcDbObjectId& id : ids) {
        ReadBack<AcDbText> text(id);
        if (text)
            out.push_back({ text->textStringConst(), text->alignmentPoint(), text->rotation() });
    }
    return out;
}

int LinesAmong(const AcDbObjectIdArray& ids)
{
    int n = 0;
    for (const AcDbObjectId& id : ids) {
        ReadBack<AcDbLine> line(id);
        n += line ? 1 : 0;
    }
    return n;
}

// Distance from a point to the nearest straight piece of a polyline.
double DistanceToShape(AcDbObjectId shape, const AcGePoint3d& p)
{
    ReadBack<AcDbPolyline> pl(shape);
    double best = 1e300;
    if (!pl)
        return best;
    for (unsigned int i = 0; i + 1 < pl->numVerts(); ++i) {
        AcGePoint3d a, b;
        pl->getPointAt(i, a);
        pl->getPointAt(i + 1, b);
        const AcGeVector3d ab = b - a;
        const double t = ab.length() > 0.0 ? std::clamp((p - a).dotProduct(ab) / ab.dotProduct(ab), 0.0, 1.0) : 0.0;
        best = std::min(best, p.distanceTo(a + ab * t));
    }
    return best;
}

// A callout's leader: the line rising 5 by 5 to its shelf.
bool IsCalloutLeader(const AcGePoint3d& start, const AcGePoint3d& end)
{
    const AcGeVector3d d = end - start;
    return std::fabs(std::fabs(d.x) - 5.0) < 1e-6 && std::fabs(d.y - 5.0) < 1e-6;
}

} // namespace

class SkewShapeLabelsTest : public FrameworkFixture {
protected:
    void SetUp() override
    {
        FrameworkFixture::SetUp();
        for (const wchar_t* name : { L"04-钢筋", L"08-标注" }) {
            AcDbObjectId id;
            MavUtils::createLayerEx(name, L"Continuous", id, 1, false, false, false, false, 0);
        }
        draw.m_pDesign = &design;
        draw.m_dScale = 50.0;
        draw.m_dLabelHeight = 2.5;
        draw.m_dWidthFactor = 0.7;
        draw.m_dBendAllowance = 20.0;
        draw.m_bHalfDrawing = 0;
    }

    // A mark whose shape is a polyline through the points, with its bars' lengths (m).
    CHLGZ_SteelCode Shape(std::initializer_list<AcGePoint2d> points, double shortest, double longest)
    {
        auto* pl = new AcDbPolyline();
        unsigned int i = 0;
        for (const AcGePoint2d& p : points)
            pl->addVertexAt(i++, p);
        AcDbObjectId id;
        EXPECT_TRUE(AppendToModelSpace(pl, id));
        pl->close();
        CHLGZ_SteelCode record;
        record.aEntityIds.append(id);
        record.dMinLength = shortest;
        record.dMaxLength = longest;
        return record;
    }

    CHLGZ_PierInfo design;
    CGLGZ_BtDraw draw;
};

// A pier cap's bottom-plate bar: legs 10, slopes 10 by 10, bottom 80 (drawing units, scale 50).
#define PIER_BAR { { 0, 30 }, { 0, 20 }, { 10, 10 }, { 90, 10 }, { 100, 20 }, { 100, 30 } }
// An abutment cap's: legs 30 and a bottom of 100.
#define ABUTMENT_BAR { { 0, 30 }, { 0, 0 }, { 100, 0 }, { 100, 30 } }

TEST_F(SkewShapeLabelsTest, EverySegmentOfABarOfOneLengthIsLabelledAlongIt)
{
    CHLGZ_SteelCode record = Shape(PIER_BAR, 6.0, 6.0);
    draw.DrawBottomPlateBarDetail(record);
    const std::vector<Label> labels = LabelsOf(record.aEntityIds);
    // Five segment labels, then the two slope triangles' ratios.
    ASSERT_EQ(labels.size(), 5u + 4u);
    const Label expected[] = {
        { L"50", { -0.25, 25, 0 }, kPi / 2 },
        { L"70.7", { 5.0 + 0.25 * std::sqrt(0.5), 15.0 + 0.25 * std::sqrt(0.5), 0 }, -kPi / 4 },
        { L"400", { 50, 10.25, 0 }, 0.0 },
        { L"70.7", { 95.0 - 0.25 * std::sqrt(0.5), 15.0 + 0.25 * std::sqrt(0.5), 0 }, kPi / 4 },
        // The last segment is turned over.
        { L"50", { 100.25, 25, 0 }, kPi / 2 + kPi },
    };
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(labels[i].text, expected[i].text) << i;
        EXPECT_TRUE(Same(labels[i].point, expected[i].point, 1e-6)) << i;
        EXPECT_NEAR(std::remainder(labels[i].angle - expected[i].angle, 2 * kPi), 0.0, 1e-6) << i;
    }
    EXPECT_EQ(LinesAmong(record.aEntityIds), 6);
}

TEST_F(SkewShapeLabelsTest, BarsOfDifferingLengthsGetTheVaryingRunsRange)
{
    struct Case {
        const char* name;
        int abutment;
        int half;
        std::vector<std::wstring> texts;
        AcGePoint3d range;
        int lines;
    } cases[] = {
        // Fixed 48.28 units = 2.414 m; the range adds 4 bend allowances of 20 mm.
        { "pier", 0, 0, { L"50", L"70.7", L"406.6~376.6", L"70.7", L"50" }, { 50, 10.25, 0 }, 6 },
        // Labels end with the halved run; the range is halved and moved off the cut.
        { "pier half", 0, 1, { L"50", L"70.7", L"406.6~376.6/2" }, { 40, 10.25, 0 }, 3 },
        // Fixed 60 units = 3 m; the range (left empty here) adds two right-angle bend allowances.
        { "abutment", 1, 0, { L"150", L"", L"150" }, { 50, 0.25, 0 }, 0 },
    };
    const double h = 2.0
        * std::trunc(GetBendAllowance(
            design.GetMoreInfo().GetSkeletonDiameter(), design.GetMoreInfo().GetSkeletonBarType(), kPi / 2))
        / 10.0;
    const std::wstring abutmentRange
        = std::wstring(FormatFixed(340.0 + h, -1).GetString()) + L"~" + FormatFixed(310.0 + h, -1).GetString();
    for (Case& c : cases) {
        for (std::wstring& t : c.texts)
            if (t.empty())
                t = abutmentRange;
        draw.m_bAbutment = c.abutment;
        draw.m_bHalfDrawing = c.half;
        CHLGZ_SteelCode record = c.abutment ? Shape(ABUTMENT_BAR, 6.1, 6.4) : Shape(PIER_BAR, 6.1, 6.4);
        draw.DrawBottomPlateBarDetail(record);
        const std::vector<Label> labels = LabelsOf(record.aEntityIds);
        ASSERT_GE(labels.size(), c.texts.size()) << c.name;
        // The labels in the order of the segments, the range in its run's place.
        std::vector<std::wstring> texts;
        for (size_t i = 0; i < c.texts.size(); ++i) {
            texts.push_back(labels[i].text);
            if (labels[i].text.find(L'~') != std::wstring::npos) {
                EXPECT_TRUE(Same(labels[i].point, c.range)) << c.name;
            }
        }
        EXPECT_EQ(texts, c.texts) << c.name;
        EXPECT_EQ(LinesAmong(record.aEntityIds), c.lines) << c.name;
    }
}

TEST_F(SkewShapeLabelsTest, AHalfDrawingHalvesTheVaryingRunAndStopsThere)
{
    draw.m_bHalfDrawing = 1;
    CHLGZ_SteelCode record = Shape(PIER_BAR, 6.0, 6.0);
    draw.DrawBottomPlateBarDetail(record);
    const std::vector<Label> labels = LabelsOf(record.aEntityIds);
    ASSERT_EQ(labels.size(), 3u + 2u);
    EXPECT_EQ(labels[2].text, L"400/2");
    EXPECT_TRUE(Same(labels[2].point, AcGePoint3d(40, 10.25, 0)));
}

TEST_F(SkewShapeLabelsTest, AVerticalSecondSegmentReadsDownwardAndOthersUpward)
{
    draw.m_bAbutment = 1;
    CHLGZ_SteelCode record = Shape({ { 0, 0 }, { 0, 20 }, { 0, 40 }, { 30, 40 } }, 3.0, 3.0);
    draw.DrawBottomPlateBarDetail(record);
    const std::vector<Label> labels = LabelsOf(record.aEntityIds);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_NEAR(labels[0].angle, kPi / 2, 1e-9);
    EXPECT_NEAR(std::remainder(labels[1].angle + kPi / 2, 2 * kPi), 0.0, 1e-9);
    // A level last segment is written upside down.
    EXPECT_NEAR(labels[2].angle, kPi, 1e-9);
}

TEST_F(SkewShapeLabelsTest, AShapeThatCannotBeOpenedGetsNothing)
{
    CHLGZ_SteelCode record;
    draw.DrawBottomPlateBarDetail(record);
    EXPECT_EQ(record.aEntityIds.length(), 0);
    record.aEntityIds.append(AcDbObjectId::kNull);
    draw.DrawBottomPlateBarDetail(record);
    EXPECT_EQ(record.aEntityIds.length(), 1);
}

TEST_F(SkewShapeLabelsTest, AStraightBarShowsItsLengthOrRangeOverThePartShown)
{
    struct Case {
        int half;
        double shortest, longest;
        std::wstring text;
        AcGePoint3d at;
    } cases[] = {
        { 0, 7.9, 7.9, L"790", { 50, 10.25, 0 } },
        { 1, 7.9, 7.9, L"790/2", { 25, 10.25, 0 } },
        { 0, 7.8, 8.0, L"800~780", { 50, 10.25, 0 } },
        { 1, 7.8, 8.0, L"(800~780)/2", { 25, 10.25, 0 } },
    };
    // The cap's end faces at 0 and 100: its middle at 50.
    draw.m_lines.SetSize(4);
    draw.m_lines[2].start.set(0, 0, 0);
    draw.m_lines[3].start.set(100, 0, 0);
    for (const Case& c : cases) {
        draw.m_bHalfDrawing = c.half;
        CHLGZ_SteelCode record = Shape({ { 0, 10 }, { 50, 10 }, { 100, 10 } }, c.shortest, c.longest);
        record.aPoints.append(AcGePoint3d(0, 10, 0));
        record.aPoints.append(AcGePoint3d(100, 10, 0));
        draw.DrawStraightBarDetail(record);
        const std::vector<Label> labels = LabelsOf(record.aEntityIds);
        ASSERT_EQ(labels.size(), 1u) << c.text;
        EXPECT_EQ(labels[0].text, c.text);
        EXPECT_TRUE(Same(labels[0].point, c.at)) << c.text;
    }
}

// The shared drawers as the skew drawing draws them: a top-plate bar of differing lengths reads
// the range of its run (longest first, less the legs, with the run's bends) where the normal
// drawing writes a letter; a straight bar's slope gets no triangle.
TEST_F(SkewShapeLabelsTest, TheSharedDrawersWriteRangesAndNoSlopeTriangles)
{
    CHLGZ_SteelCode top = Shape({ { 0, 20 }, { 0, 30 }, { 50, 30 }, { 100, 30 }, { 100, 20 } }, 5.8, 6.0);
    draw.DrawTopPlateBarDetail(top);
    const CHLGZ_MoreInfo& more = design.GetMoreInfo();
    const double a = 2.0 * GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), kPi / 2.0) / 10.0;
    // The legs are 20 units, 1 m at 1:50.
    const std::wstring range = std::wstring(FormatFixed(500.0 + a, -1).GetString()) + L"~"
        + FormatFixed(480.0 + a, -1).GetString();
    bool found = false;
    for (const Label& l : LabelsOf(top.aEntityIds))
        found = found || (l.text == range && std::fabs(l.point.x - 50.0) < kTol);
    EXPECT_TRUE(found) << "no " << std::string(range.begin(), range.end());
    EXPECT_EQ(LabelsOf(top.aEntityIds).size(), 3u) << "two legs and the run";

    CHLGZ_SteelCode sloped = Shape({ { 0, 0 }, { 10, 10 }, { 50, 10 } }, 2.0, 2.0);
    for (const AcGePoint3d& p : { AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 0), AcGePoint3d(50, 10, 0) })
        sloped.aPoints.append(p);
    draw.DrawStraightBarDetail(sloped);
    EXPECT_EQ(LabelsOf(sloped.aEntityIds).size(), 2u);
    EXPECT_EQ(LinesAmong(sloped.aEntityIds), 0);
}

TEST_F(SkewShapeLabelsTest, SlopeMarksSitUnderTheSlopeWithTheRatioOnTheirLegs)
{
    struct Case {
        AcGePoint3d corner, end;
        AcGePoint3d q1, q2, q3;
        std::wstring horizontal, vertical;
    } cases[] = {
        // Falling to the right at 1:2.5: the triangle left of the end, above its level.
        { { 0, 20, 0 }, { 25, 10, 0 }, { 20, 10, 0 }, { 11, 10, 0 }, { 11, 13.6, 0 }, L"2.5", L"1" },
        // Falling to the left at 2:1.
        { { 30, 30, 0 }, { 20, 10, 0 }, { 25, 10, 0 }, { 34, 10, 0 }, { 34, 28, 0 }, L"1", L"2" },
    };
    for (const Case& c : cases) {
        AcDbObjectIdArray ids;
        draw.DrawSlopeTriangle(c.corner, c.end, 5.0, 9.0, ids);
        ASSERT_EQ(ids.length(), 5);
        std::vector<Segment> lines;
        for (int i = 0; i < 3; ++i) {
            ReadBack<AcDbLine> line(ids[i]);
            ASSERT_TRUE(line);
            lines.push_back({ line->startPoint(), line->endPoint() });
        }
        EXPECT_TRUE(HasSegment(lines, c.q1, c.q2));
        EXPECT_TRUE(HasSegment(lines, c.q2, c.q3));
        EXPECT_TRUE(HasSegment(lines, c.q3, c.q1));
        const std::vector<Label> labels = LabelsOf(ids);
        EXPECT_EQ(labels[0].text, c.horizontal);
        EXPECT_EQ(labels[1].text, c.vertical);
    }
    // A vertical segment has no slope.
    AcDbObjectIdArray ids;
    draw.DrawSlopeTriangle({ 0, 0, 0 }, { 0, 10, 0 }, 5.0, 9.0, ids);
    EXPECT_EQ(ids.length(), 0);
}

class SkewStrengtheningShapesTest : public SkewShapeLabelsTest {
protected:
    void SetUp() override
    {
        SkewShapeLabelsTest::SetUp();
        for (const wchar_t* name : { L"02-结构", L"13-中心" }) {
            AcDbObjectId id;
            MavUtils::createLayerEx(name, L"Continuous", id, 1, false, false, false, false, 0);
        }
        geometry.dLength = 12000.0;
        draw.m_pGeometry = &geometry;
        CHLGZ_ExtendSteel& steel = design.GetExtendSteel();
        steel.SetEdgeInnerDistance(500.0);
        steel.SetMiddlePierDistance(800.0);
        steel.SetMidSpanDistance(1000.0);
        steel.SetTopDiameter(25);
        steel.SetBottomDiameter(22);
        steel.SetEdgeTopSwitch(1);
        steel.SetMiddleTopSwitch(0);
        steel.SetBottomSwitch(0);
        steel.SetSameAsEdgeSwitch(0);
        // The last grouped mark: the numbers after it are kept for the strengthening bars.
        CHLGZ_SteelCode last;
        last.nNumber = 9;
        draw.m_steelCodes.Add(last);
        draw.m_nGroupedMarks = 1;
    }

    // Bars of a group: a layer and a length (m) each.
    static void Bars(CHLGZ_SteelCode& group, std::initializer_list<std::pair<int, double>> bars)
    {
        for (const auto& [layer, length] : bars) {
            group.aTags.append(layer);
            group.aLengths.append(length);
            ++group.nCount;
        }
    }

    // The marks appended after the last one the test set.
    std::vector<CHLGZ_SteelCode> Appended() const
    {
        std::vector<CHLGZ_SteelCode> out;
        for (INT_PTR i = 1; i < draw.m_steelCodes.GetSize(); ++i)
            out.push_back(draw.m_steelCodes[i]);
        return out;
    }

    CBent_BasicGeometry geometry {};
};

TEST_F(SkewStrengtheningShapesTest, EachLayerIsAPrimedMarkOfTheSameNumberShorterByTheDecrement)
{
    design.GetExtendSteel().SetMultiLayerDecrement(50.0);
    Bars(draw.m_edgeTopBars, { { 0, 3.0 }, { 1, 3.0 }, { 2, 3.0 }, { 0, 3.2 }, { 1, 3.2 }, { 2, 3.2 } });
    draw.DrawStrengtheningBarShapes();
    const std::vector<CHLGZ_SteelCode> marks = Appended();
    ASSERT_EQ(marks.size(), 3u);
    const double hook = GetHookLength(25, 1, 90, 0.0);
    for (int i = 0; i < 3; ++i) {
        const CHLGZ_SteelCode& m = marks[i];
        EXPECT_EQ(m.nNumber, 10);
        EXPECT_EQ(m.nPrimed, i);
        EXPECT_EQ(m.FormatMark(), i == 0 ? CString(L"10") : CString(L"10'"));
        EXPECT_EQ(m.nDiameter, 25);
        EXPECT_EQ(m.nCount, 2);
        EXPECT_EQ(CGLGZ_BtDraw::PlacementState(m), 2);
        // Less the inner distance and 50 mm a layer, to the centimetre.
        EXPECT_NEAR(m.dMinLength, 2.5 - 0.05 * i, 1e-9);
        EXPECT_NEAR(m.dMaxLength, 2.7 - 0.05 * i, 1e-9);
        EXPECT_NEAR(m.dTotalLength, 3.1 + 2.0 * hook / 1000.0 - 0.1 * i, 1e-9);
        // The leg drawn 50 mm shorter a layer, right of the joint.
        ASSERT_EQ(m.aPoints.length(), 5);
        EXPECT_NEAR(m.aPoints[3].x - m.aPoints[2].x, (500.0 - 50.0 * i) / 50.0, 1e-9);
        EXPECT_NEAR(m.aPoints[2].x - m.aPoints[1].x, (2600.0 - 50.0 * i) / 50.0, 1e-9);
    }
    // The range over the left part and the leg beside it, in centimetres.
    const std::vector<Label> labels = LabelsOf(marks[1].aEntityIds);
    std::vector<std::wstring> texts;
    for (const Label& l : labels)
        texts.push_back(l.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"265~245"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"45"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"墩柱中心线"), texts.end());
    // The callout gives the layer's average length, bars of differing lengths.
    CString average;
    average.Format(L"平均%.0f", marks[1].dTotalLength * 100.0);
    EXPECT_NE(std::find(texts.begin(), texts.end(), std::wstring(average.GetString())), texts.end());
}

// Bars of one length: the callout gives the bar's whole length, hooks included, as the quantity
// table does, not the part beyond the column that the range label shows.
TEST_F(SkewStrengtheningShapesTest, TheCalloutOfBarsOfOneLengthGivesTheirWholeLength)
{
    Bars(draw.m_edgeTopBars, { { 0, 3.0 }, { 0, 3.0 } });
    draw.DrawStrengtheningBarShapes();
    const std::vector<CHLGZ_SteelCode> marks = Appended();
    ASSERT_EQ(marks.size(), 1u);
    const CHLGZ_SteelCode& m = marks[0];
    const double hook = GetHookLength(25, 1, 90, 0.0);
    EXPECT_NEAR(m.dTotalLength, 3.0 + 2.0 * hook / 1000.0, 1e-9);
    // The range label keeps the length less the inner distance.
    EXPECT_NEAR(m.dMinLength, 2.5, 1e-9);
    EXPECT_NEAR(m.dMaxLength, 2.5, 1e-9);
    CString whole;
    whole.Format(L"%.0f", m.dTotalLength * 100.0);
    std::vector<std::wstring> texts;
    for (const Label& l : LabelsOf(m.aEntityIds))
        texts.push_back(l.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), std::wstring(whole.GetString())), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"250"), texts.end());
}

TEST_F(SkewStrengtheningShapesTest, GroupsAreDrawnWhenSwitchedOnAndMergedWhenAlike)
{
    struct Case {
        const char* name;
        int edge, middle, bottom, same;
        double decrement;
        std::vector<int> diameters;
        std::vector<double> longest;
    } cases[] = {
        // A decrement below a millimetre puts every bar in one layer: one shape a group.
        { "all", 1, 1, 1, 0, 0.5, { 25, 25, 22 }, { 2.7, 3.5, 5.0 } },
        // Alike top bars are drawn with the edge columns' (inner distance and rounding).
        { "merged", 1, 1, 0, 1, 0.0, { 25 }, { 3.5 } },
        { "bottom only", 0, 1, 1, 0, 0.0, { 25, 22 }, { 3.5, 5.0 } },
    };
    for (const Case& c : cases) {
        draw.m_steelCodes.SetSize(1);
        draw.m_edgeTopBars.Reset();
        draw.m_middleTopBars.Reset();
        draw.m_midSpanBars.Reset();
        CHLGZ_ExtendSteel& steel = design.GetExtendSteel();
        steel.SetEdgeTopSwitch(c.edge);
        steel.SetMiddleTopSwitch(c.middle);
        steel.SetBottomSwitch(c.bottom);
        steel.SetSameAsEdgeSwitch(c.same);
        steel.SetMultiLayerDecrement(c.decrement);
        Bars(draw.m_edgeTopBars, { { 0, 3.0 }, { 1, 3.2 } });
        Bars(draw.m_middleTopBars, { { 0, 4.0 }, { 1, 3.5 } });
        Bars(draw.m_midSpanBars, { { 0, 6.0 } });
        draw.DrawStrengtheningBarShapes();
        const std::vector<CHLGZ_SteelCode> marks = Appended();
        ASSERT_EQ(marks.size(), c.diameters.size()) << c.name;
        for (size_t i = 0; i < marks.size(); ++i) {
            EXPECT_EQ(marks[i].nDiameter, c.diameters[i]) << c.name;
            EXPECT_NEAR(marks[i].dMaxLength, c.longest[i], 1e-9) << c.name;
            EXPECT_EQ(marks[i].nNumber, 10 + static_cast<int>(i)) << c.name;
        }
        EXPECT_EQ(draw.m_middleTopBars.nCount, c.same ? 0 : 2) << c.name;
    }
}

TEST_F(SkewStrengtheningShapesTest, AnLShapedSectionAddsItsExtraBar)
{
    design.GetExtendSteel().SetEdgeTopSwitch(0);
    draw.DrawStrengtheningBarShapes();
    EXPECT_TRUE(Appended().empty());
    // The L part: one bar over the cap less the end covers, with its hooks.
    geometry.dLHeight = 400.0;
    draw.m_nExtraBarCount = 3;
    draw.DrawStrengtheningBarShapes();
    const std::vector<CHLGZ_SteelCode> marks = Appended();
    ASSERT_EQ(marks.size(), 1u);
    const CHLGZ_SteelCode& bar = marks[0];
    // The L part's side bars are counted under the side-bar mark, not here.
    EXPECT_EQ(bar.FormatMark(), CString(L"1'"));
    EXPECT_EQ(bar.nCount, 1);
    const CHLGZ_MoreInfo& more = design.GetMoreInfo();
    const double hook = GetHookLength(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), 90, 0.0);
    const double length = (12000.0 - 2.0 * design.GetEndCover() + 2.0 * hook) / 1000.0;
    EXPECT_NEAR(bar.dMinLength, length, 1e-9);
    EXPECT_NEAR(bar.dTotalLength, length, 1e-9);
    // Drawn 4000 mm long with a break mark.
    ASSERT_EQ(bar.aPoints.length(), 4);
    EXPECT_NEAR(bar.aPoints[2].x - bar.aPoints[1].x, 4000.0 / 50.0, 1e-9);
    EXPECT_GT(bar.ptMax.x, bar.ptMin.x);
}

TEST_F(SkewStrengtheningShapesTest, BarFiguresAreShortenedTo4000AndNeedALength)
{
    struct Case {
        double lower, upper, leg;
        int drawn;
        double left, right;
        int entities;
    } cases[] = {
        { 2000.0, 3000.0, 500.0, 1, 2500.0, 500.0, 1 },
        // 8000 mm in all: both parts halved, broken left of the joint.
        { 6000.0, 8000.0, 1000.0, 1, 3500.0, 500.0, 3 },
        { 0.0, 0.0, 0.0, 0, 0.0, 0.0, 0 },
    };
    for (const Case& c : cases) {
        CHLGZ_SteelCode record;
        record.nBarType = 1;
        EXPECT_EQ(draw.DrawTwoPartBarDetail(record, c.lower, c.upper, c.leg, 1, 0), c.drawn);
        EXPECT_EQ(record.aEntityIds.length(), c.entities);
        if (!c.drawn)
            continue;
        ASSERT_EQ(record.aPoints.length(), 5);
        EXPECT_NEAR(record.aPoints[2].x - record.aPoints[1].x, c.left / 50.0, 1e-9);
        EXPECT_NEAR(record.aPoints[3].x - record.aPoints[2].x, c.right / 50.0, 1e-9);
        // Hooks down at a column.
        EXPECT_LT(record.aPoints[0].y, 0.0);
    }
    // A straight bar no longer than its hooks has no figure.
    CHLGZ_SteelCode hooked;
    hooked.nDiameter = 12;
    hooked.nBarType = 1;
    hooked.dMaxLength = 0.1;
    EXPECT_EQ(draw.DrawHookedBarDetail(hooked, 0), 0);
    EXPECT_EQ(hooked.aEntityIds.length(), 0);
}

TEST_F(SkewStrengtheningShapesTest, AnEmptyMarkListStartsTheNumbersAtOne)
{
    draw.m_steelCodes.RemoveAll();
    Bars(draw.m_edgeTopBars, { { 0, 3.0 } });
    draw.DrawStrengtheningBarShapes();
    ASSERT_EQ(draw.m_steelCodes.GetSize(), 1);
    EXPECT_EQ(draw.m_steelCodes[0].nNumber, 1);
}

// A skew example shaped as the shared base shapes its bars, numbered, with one mark a bar
// polyline and the two closing marks after them, and the skew drawing laid out to draw the
// details.
class SkewShapeDetailsTest : public DrawingDesignFixture {
protected:
    void Prepare(const char* example, int half)
    {
        LoadAsTheRun(example);
        AttachAsTheRun(draw);
        AttachAsTheRun(shaper);
        draw.m_bHalfDrawing = half;
        draw.NormalizeSupports();
        draw.CheckSideBarSpacing();
        draw.ReportStrengtheningBars();
        draw.PrepareDrawing();
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        ASSERT_EQ(draw.DecideAbutment(), 1);
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
        draw.m_dBendAllowance = draw.SkeletonBendAllowance();
        if (half)
            draw.LayoutViews();
        else
            draw.LayoutViewsAlternative();
        ASSERT_NO_FATAL_FAILURE(RunToBarShapes(shaper, half));
        draw.m_lines.Copy(shaper.m_lines);
        // One mark a polyline of a bar, in numbering order.
        int number = 0;
        for (CHLGZ_BASSteel* bar : CGLGZ_CapDraw::BarsInNumberingOrder(model.GetMainFace()))
            for (int side : { 1, -1 }) {
                const AcDbObjectId id = side > 0 ? bar->GetFirstId() : bar->GetSecondId();
                if (id.isNull())
                    continue;
                // A half drawing's marks name the bars of its left half.
                const AcGePoint3dArray& points = side > 0 ? bar->GetFirstPoints() : bar->GetSecondPoints();
                const double middle = (shaper.m_lines[2].start.x + shaper.m_lines[3].start.x) / 2.0;
                if (half && points.length() > 0 && points[0].x > middle)
                    continue;
                CHLGZ_SteelCode mark;
                mark.nNumber = ++number;
                mark.aTags.append(side * bar->GetTag());
                mark.nCount = 2;
                mark.nDiameter = model.GetMoreInfo().GetSkeletonDiameter();
                const double length = CGLGZ_CapDraw::GetPolylineLength(id) * draw.m_dScale / 1000.0;
                mark.AddLength(length);
                mark.AddLength(length);
                draw.m_steelCodes.Add(mark);
            }
        draw.AppendClosingMarks();
        for (INT_PTR i = draw.m_nGroupedMarks; i < draw.m_steelCodes.GetSize(); ++i) {
            draw.m_steelCodes[i].dMaxLength = 6.2;
            draw.m_steelCodes[i].dMinLength = 6.2;
            draw.m_steelCodes[i].nCount = 4;
        }
    }

    // The details that the packing placed: those whose entities no other detail carries.
    std::vector<const CHLGZ_SteelCode*> PlacedDetails() const
    {
        std::vector<const CHLGZ_SteelCode*> out;
        for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
            const CHLGZ_SteelCode& c = draw.m_steelCodes[i];
            if (c.aEntityIds.length() == 0)
                continue;
            bool carried = false;
            for (INT_PTR j = 0; j < draw.m_steelCodes.GetSize() && !carried; ++j)
                carried = j != i && draw.m_steelCodes[j].aEntityIds.length() > c.aEntityIds.length()
                    && draw.m_steelCodes[j].aEntityIds.contains(c.aEntityIds[0]);
            if (!carried)
                out.push_back(&c);
        }
        return out;
    }

    void ExpectOneDetailAMarkOnTheSheets(const char* example, int half);

    CGLGZ_BtDraw draw;
    CGLGZ_EtDraw shaper;
};

void SkewShapeDetailsTest::ExpectOneDetailAMarkOnTheSheets(const char* example, int half)
{
    ASSERT_NO_FATAL_FAILURE(Prepare(example, half));
    const int marks = static_cast<int>(draw.m_steelCodes.GetSize());
    ASSERT_GT(draw.m_nGroupedMarks, 3);
    EXPECT_EQ(draw.DrawShapeDetails(), 1);
    // Every mark has its detail and is placed, strengthening bars included.
    EXPECT_GE(draw.m_steelCodes.GetSize(), marks);
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        const CHLGZ_SteelCode& c = draw.m_steelCodes[i];
        EXPECT_GT(c.aEntityIds.length(), 0) << "mark " << c.nNumber;
        EXPECT_LT(CGLGZ_BtDraw::PlacementState(c), 0) << "mark " << c.nNumber;
    }
    // No stirrups from the bar tables, no stirrup to complain of.
    EXPECT_EQ(Count(transcript(), L"一个箍筋无法绘制大样!"), 0);
    // The closing marks are hooked bars, drawn whole.
    int hooked = 0;
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        const CHLGZ_SteelCode& c = draw.m_steelCodes[i];
        hooked += CGLGZ_BtDraw::PlacementState(c) == -4 && c.aPoints.length() == 4 ? 1 : 0;
    }
    EXPECT_EQ(hooked, 2);
    // A bent bar's callout points at its bar: the bar's point list runs past the shape on the
    // line it was built on, and hooks end it in arcs.
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        const CHLGZ_SteelCode& c = draw.m_steelCodes[i];
        if (CGLGZ_BtDraw::PlacementState(c) != -3 || c.aEntityIds.length() == 0)
            continue;
        int leaders = 0;
        for (const AcDbObjectId& id : c.aEntityIds) {
            ReadBack<AcDbLine> line(id);
            if (!line || !IsCalloutLeader(line->startPoint(), line->endPoint()))
                continue;
            ++leaders;
            EXPECT_LT(DistanceToShape(c.aEntityIds[0], line->startPoint()), 0.01) << "mark " << c.nNumber;
        }
        EXPECT_EQ(leaders, 1) << "mark " << c.nNumber;
    }
    // The placed details lie on sheets and apart from one another.
    const std::vector<const CHLGZ_SteelCode*> placed = PlacedDetails();
    for (const CHLGZ_SteelCode* c : placed) {
        bool onSheet = false;
        for (const AcGePoint3d& o : draw.m_ptsSheetOrigins)
            onSheet = onSheet
                || (c->ptMin.x >= o.x - kTol && c->ptMax.x <= o.x + 420.0 + kTol && c->ptMin.y >= o.y - kTol
                    && c->ptMax.y <= o.y + 277.0 + kTol);
        EXPECT_TRUE(onSheet) << "mark " << c->nNumber << " at " << c->ptMin.x << "," << c->ptMin.y << " to " << c->ptMax.x << "," << c->ptMax.y;
    }
    for (size_t a = 0; a < placed.size(); ++a)
        for (size_t b = a + 1; b < placed.size(); ++b) {
            const CHLGZ_SteelCode& p = *placed[a];
            const CHLGZ_SteelCode& q = *placed[b];
            const bool overlap = p.ptMin.x < q.ptMax.x - kTol && q.ptMin.x < p.ptMax.x - kTol
                && p.ptMin.y < q.ptMax.y - kTol && q.ptMin.y < p.ptMax.y - kTol;
            EXPECT_FALSE(overlap) << "marks " << p.nNumber << " and " << q.nNumber;
        }
    // A half drawing of two supports ends the hung details with the span's centre line, named
    // one character under the other.
    int named = 0;
    for (const CHLGZ_SteelCode* c : placed)
        for (const Label& l : LabelsOf(c->aEntityIds))
            named += l.text == L"盖" || l.text == L"线" ? 1 : 0;
    const int supports = draw.m_pSupports->length();
    EXPECT_EQ(named, half && supports % 2 == 0 ? 2 : 0);
    // The quantity table came with them.
    bool table = false;
    for (AcDbObjectId id : modelSpace()) {
        ReadBack<AcDbText> text(id);
        table = table
            || (text
                && std::wstring(text->textStringConst())
                    == (draw.m_bAbutment ? L"一个桥台盖梁材料数量表" : L"一个桥墩盖梁材料数量表"));
    }
    EXPECT_TRUE(table);
}

TEST_F(SkewShapeDetailsTest, AHalfDrawingGetsOneDetailAMarkOnTheSheetsWithoutOverlaps)
{
    ExpectOneDetailAMarkOnTheSheets("square-two-columns.glt", 1);
}

TEST_F(SkewShapeDetailsTest, AWholeDrawingGetsOneDetailAMarkOnTheSheetsWithoutOverlaps)
{
    ExpectOneDetailAMarkOnTheSheets("square-two-columns.glt", 0);
}

// An abutment cap's hung details are too tall for the room under the views: they start a sheet
// of their own, with the table beside or under them.
TEST_F(SkewShapeDetailsTest, AnAbutmentsDetailsGoOnSheetsOfTheirOwn)
{
    ExpectOneDetailAMarkOnTheSheets("abutment.glt", 0);
}

TEST_F(SkewShapeDetailsTest, AHalfAbutmentOfFourSupportsNamesTheSpanCentre)
{
    ExpectOneDetailAMarkOnTheSheets("abutment.glt", 1);
}

TEST_F(SkewShapeDetailsTest, StrengthenedColumnsAddPlateBarsAndStirrupsNeedTheirPoints)
{
    ASSERT_NO_FATAL_FAILURE(Prepare("square-two-columns.glt", 0));
    // Two columns with top and bottom plate bars of their own.
    AcGeIntArray& codes = model.GetExtendSteel().GetCodes();
    codes.removeAll();
    for (int code : { 1000, 0, 1000 })
        codes.append(code);
    // Two stirrups from the bar tables, the second without its outline.
    draw.m_nTableMarksStart = static_cast<int>(draw.m_steelCodes.GetSize());
    CHLGZ_SteelCode stirrup;
    stirrup.nNumber = 30;
    stirrup.nCount = 40;
    stirrup.dMinLength = stirrup.dMaxLength = stirrup.dTotalLength = 4.2;
    for (const AcGePoint3d& p : { AcGePoint3d(0, 0, 0), AcGePoint3d(-20, 0, 0), AcGePoint3d(-20, -30, 0),
             AcGePoint3d(0, -30, 0), AcGePoint3d(0, 0, 0) })
        stirrup.aPoints.append(p);
    draw.m_steelCodes.Add(stirrup);
    stirrup.nNumber = 31;
    stirrup.aPoints.setLogicalLength(1);
    draw.m_steelCodes.Add(stirrup);
    draw.m_nStirrupMarks = 2;
    const int top = draw.m_steelCodes[0].nCount;
    const int bottom = draw.m_steelCodes[1].nCount;
    app().transcript().clear();
    draw.DrawShapeDetails();
    const auto mark = [&](int number) -> const CHLGZ_SteelCode& {
        for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i)
            if (draw.m_steelCodes[i].nNumber == number)
                return draw.m_steelCodes[i];
        ADD_FAILURE() << "no mark " << number;
        return draw.m_steelCodes[0];
    };
    EXPECT_EQ(mark(1).nCount, top + 2);
    EXPECT_EQ(mark(2).nCount, bottom + 2);
    // The stirrup with its outline is drawn in the stirrups' diameter with its sides labelled.
    const CHLGZ_SteelCode& drawn = mark(30);
    EXPECT_EQ(drawn.nDiameter, model.GetMoreInfo().GetStirrupDiameter());
    std::vector<std::wstring> texts;
    for (const Label& l : LabelsOf(drawn.aEntityIds))
        texts.push_back(l.text);
    const std::wstring width = FormatFixed(20 * draw.m_dScale / 10.0, -1).GetString();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), width), 2);
    // The other is left out with one message.
    EXPECT_EQ(mark(31).aEntityIds.length(), 0);
    EXPECT_EQ(Count(transcript(), L"一个箍筋无法绘制大样!"), 1);
}

// The stirrup marks that the bar tables of an L-shaped section add each get a detail of their
// own, drawn half or whole; the plan's stirrup kinds before them are not taken for them.
TEST_F(SkewShapeDetailsTest, TheBarTablesStirrupMarksOfAnLSectionAreEachDetailed)
{
    for (int symmetric : { 1, 0 }) {
        SCOPED_TRACE(symmetric);
        const auto load = [&](CGLGZ_BtDraw& d) {
            app().docManager().newDocument();
            LoadAsTheRun("l-section.glt", [&](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.SetGeneralSymmetric(symmetric); });
            AttachAsTheRun(d);
        };
        // Without the details the mark list keeps its order: the bar tables' marks by number.
        CGLGZ_BtDraw plan;
        load(plan);
        ASSERT_EQ(plan.Draw(0), 1);
        ASSERT_GT(plan.m_nStirrupMarks, 0);
        ASSERT_GE(plan.m_nTableMarksStart, 0);
        std::vector<int> numbers;
        for (int i = 0; i < plan.m_nStirrupMarks; ++i)
            numbers.push_back(plan.m_steelCodes[plan.m_nTableMarksStart + i].nNumber);
        CGLGZ_BtDraw full;
        load(full);
        ASSERT_EQ(full.Draw(1), 1);
        for (int number : numbers) {
            int found = 0;
            for (INT_PTR i = 0; i < full.m_steelCodes.GetSize(); ++i) {
                const CHLGZ_SteelCode& c = full.m_steelCodes[i];
                if (c.nNumber != number || c.nPrimed != 0)
                    continue;
                ++found;
                EXPECT_EQ(c.nDiameter, model.GetMoreInfo().GetStirrupDiameter()) << "mark " << number;
                EXPECT_GT(c.aEntityIds.length(), 0) << "mark " << number;
                EXPECT_TRUE(CGLGZ_CapDraw::IsPlaced(c)) << "mark " << number;
            }
            EXPECT_EQ(found, 1) << "mark " << number;
        }
    }
}

// The entry draws the details, and with them the quantity table, only for a full drawing.
class SkewShapeDetailsEntryTest : public DrawingDesignFixture {
protected:
    bool DrawsTheQuantityTable(int full)
    {
        LoadAsTheRun("square-two-columns.glt");
        CGLGZ_BtDraw draw;
        AttachAsTheRun(draw);
        EXPECT_EQ(draw.Draw(full), 1);
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<AcDbText> text(id);
            if (text && std::wstring(text->textStringConst()) == L"一个桥墩盖梁材料数量表")
                return true;
        }
        return false;
    }
};

TEST_F(SkewShapeDetailsEntryTest, AFullDrawingDrawsTheDetails) { EXPECT_TRUE(DrawsTheQuantityTable(1)); }

TEST_F(SkewShapeDetailsEntryTest, APlanOnlyDrawingDrawsNoDetails) { EXPECT_FALSE(DrawsTheQuantityTable(0)); }

class SkewStirrupMarksTest : public SkewShapeLabelsTest {
protected:
    void SetUp() override
    {
        SkewShapeLabelsTest::SetUp();
        geometry.dMiddleHeight = 1600.0;
        geometry.dLeftEndHeight = 1000.0;
        geometry.dRightAngle = 90.0;
        draw.m_pGeometry = &geometry;
        design.SetTopCover(50.0);
        design.SetBottomCover(50.0);
        for (double spacing : { 200.0, 200.0, 200.0 })
            draw.m_dSkeletonSpacings.append(spacing);
        // Stirrups round columns 1 to 3 and 2 to 4.
        for (const auto& [start, end] : { std::pair(1, 3), std::pair(2, 4) }) {
            CHLGZ_PAFSteel stirrup;
            stirrup.SetStartColumn(start);
            stirrup.SetEndColumn(end);
            design.GetMainFace().GetStirrups().Add(stirrup);
        }
        CHLGZ_SteelCode last;
        last.nNumber = 20;
        draw.m_steelCodes.Add(last);
    }

    // A stirrup's length (m) round its width w and the section's height, with both hooks.
    double Length(double w) const
    {
        const CHLGZ_MoreInfo& more = design.GetMoreInfo();
        const double outer = GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType())
            + GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
        const double u = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 135, 5.0);
        return 2.0 * (w + outer + Height() + u) / 1000.0;
    }
    double Height() const
    {
        const CHLGZ_MoreInfo& more = design.GetMoreInfo();
        return 1500.0 + GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType())
            + GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    }

    // The two stirrups' column ranges: 1 to 3 and 2 to 4.
    static CGLGZ_BtDraw::StirrupArrangement Arrangement()
    {
        CGLGZ_BtDraw::StirrupArrangement a;
        a.first[0] = 1;
        a.first[1] = 3;
        a.second[0] = 2;
        a.second[1] = 4;
        a.hasSecond = 1;
        return a;
    }

    CBent_BasicGeometry geometry {};
};

TEST_F(SkewStirrupMarksTest, TheSectionsStirrupsThenTheSkewedPartsByRange)
{
    CGLGZ_BtDraw::StirrupArrangement counts = Arrangement();
    counts.rows = 10;
    counts.skewPositions = 3;
    counts.skewStirrups = 2;
    EXPECT_EQ(draw.AddStirrupMarks(counts), 6);
    ASSERT_EQ(draw.m_steelCodes.GetSize(), 7);
    EXPECT_EQ(draw.m_nStirrupMarks, 6);
    const int bars[] = { 10, 10, 4, 4, 2, 2 };
    for (int i = 0; i < 6; ++i) {
        const CHLGZ_SteelCode& m = draw.m_steelCodes[i + 1];
        EXPECT_EQ(m.nNumber, 21 + i);
        EXPECT_EQ(m.nCount, bars[i]) << i;
        ASSERT_EQ(m.aPoints.length(), 5);
        EXPECT_NEAR(m.aPoints[2].y, -Height() / 50.0, 1e-9);
    }
    // A square end: the skewed part's widths are the section's.
    EXPECT_NEAR(draw.m_steelCodes[1].dAverageLength, Length(400.0), 1e-9);
    EXPECT_NEAR(draw.m_steelCodes[5].dAverageLength, Length(400.0), 1e-9);
    EXPECT_EQ(draw.m_steelCodes[5].dMinLength, draw.m_steelCodes[5].dMaxLength);
    // The skew stirrups over the taper: lower by the end's drop, shown as an average.
    const CHLGZ_SteelCode& skew = draw.m_steelCodes[3];
    EXPECT_NEAR(skew.dAverageLength, Length(400.0) - 0.6, 1e-9);
    EXPECT_GT(skew.dMinLength, skew.dMaxLength);
    const std::wstring range = std::wstring(FormatFixed((Height() - 600.0) / 10.0, -1).GetString()) + L"~"
        + FormatFixed(Height() / 10.0, -1).GetString();
    EXPECT_EQ(std::wstring(skew.aTexts[1].GetString()), range);
}

TEST_F(SkewStirrupMarksTest, ARepeatedStirrupCountsTwiceAndASkewEndMeasuresAlongIt)
{
    geometry.dRightAngle = 60.0;
    CGLGZ_BtDraw::StirrupArrangement counts = Arrangement();
    counts.rows = 10;
    counts.repeats = 1;
    counts.skewPositions = 3;
    counts.skewStirrups = 3;
    EXPECT_EQ(draw.AddStirrupMarks(counts), 2);
    EXPECT_EQ(draw.m_steelCodes[1].nCount, 20);
    EXPECT_EQ(draw.m_steelCodes[2].nCount, 12);
    const CHLGZ_MoreInfo& more = design.GetMoreInfo();
    const double w = 400.0 + GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType())
        + GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    const double along = w / std::sin(60.0 * kPi / 180.0) - w;
    EXPECT_NEAR(draw.m_steelCodes[2].dAverageLength, Length(400.0) + 2.0 * along / 1000.0 - 0.6, 1e-6);
    // No mark list, no stirrup marks.
    draw.m_steelCodes.RemoveAll();
    EXPECT_EQ(draw.AddStirrupMarks(counts), 0);
    EXPECT_EQ(draw.m_steelCodes.GetSize(), 0);
}
