// The skew-section elevation after the plan: the L part's side-bar rows and their tally, the
// plan's stirrup kinds' mean lengths; and in the cross sections the side bars' leaders and the
// stirrup marks written once the marks are numbered.
#include "SkewDrawFixture.h"

#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-6;

struct Text {
    AcGePoint3d at;
    std::wstring text;
    double angle;
};

} // namespace

class SkewElevationSections : public SkewDrawFixture {
protected:
    // The example up to the elevation: grouped, its plan drawn.
    void PrepareToElevation(const char* example, CGLGZ_BtDraw& draw)
    {
        ASSERT_NO_FATAL_FAILURE(PrepareSkewToSpanRows(example, draw, 0));
        draw.GroupBarShapes();
        double depth = 0.0;
        ASSERT_EQ(draw.DrawMainView(draw.MainViewOrigin(), depth), 1);
        MarkDrawn();
    }

    std::vector<Text> TextsDrawn() const
    {
        std::vector<Text> out;
        for (AcDbObjectId id : Drawn())
            if (ReadBack<AcDbText> t(id); t)
                out.push_back({ t->alignmentPoint(), t->textStringConst(), t->rotation() });
        return out;
    }
};

// Under the L part's top bar a row every nominal side-bar spacing down to the main part's top,
// each a bar line with an arrow beside the left end; every row counts a bar on either face. A
// rectangular section has no such rows and tallies none.
TEST_F(SkewElevationSections, TheLPartsSideBarRowsAreDrawnAndTallied)
{
    for (const char* example : { "l-section.glt", "square-two-columns.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(PrepareToElevation(example, draw));
        draw.m_nExtraBarCount = 99;
        ASSERT_EQ(draw.DrawElevation(), 1);
        const double s = draw.m_dScale;
        const double top = draw.m_lines[2].start.y;
        std::vector<double> expected;
        if (geometry.dLHeight > 0.0) {
            const double spacing = model.GetMoreInfo().GetSideBarSpacing();
            for (double h = geometry.dLHeight - model.GetTopCover() - spacing; h > 0.0; h -= spacing)
                expected.push_back(top + h / s);
            ASSERT_FALSE(expected.empty());
        }
        EXPECT_EQ(draw.m_nExtraBarCount, 2 * static_cast<int>(expected.size()));
        const std::vector<Segment> bars = LinesOn(L"04-钢筋");
        const double length = (draw.m_lines[3].start.x - draw.m_lines[2].start.x);
        for (double y : expected) {
            const bool found = std::any_of(bars.begin(), bars.end(), [&](const Segment& l) {
                return std::fabs(l.a.y - y) < kTol && std::fabs(l.b.y - y) < kTol
                    && std::fabs(l.b.x - l.a.x) > 0.9 * length;
            });
            EXPECT_TRUE(found) << y;
        }
        // No bar line runs in the L part where no row is due.
        for (const Segment& l : bars) {
            if (std::fabs(l.a.y - l.b.y) < kTol && l.a.y > top + kTol) {
                EXPECT_TRUE(std::any_of(expected.begin(), expected.end(), [&](double y) {
                    return std::fabs(y - l.a.y) < kTol;
                })) << l.a.y;
            }
        }
    }
}

// The plan counts each stirrup kind's stirrups and the elevation settles their total length; the
// quantity table reads the mean, which is at least the two legs of a stirrup.
TEST_F(SkewElevationSections, ThePlansStirrupKindsGetTheirMeanLengths)
{
    for (const char* example : { "l-section.glt", "square-two-columns.glt", "abutment.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(PrepareToElevation(example, draw));
        ASSERT_EQ(draw.DrawElevation(), 1);
        ASSERT_GE(draw.m_nPlanStirrupRecords, 0);
        const int n = static_cast<int>(draw.m_steelCodes.GetSize());
        ASSERT_LT(draw.m_nPlanStirrupRecords, n);
        const double legs = 2.0 * (geometry.dMiddleHeight - model.GetTopCover() - model.GetBottomCover()) / 1000.0;
        double endHeight = std::min(geometry.dLeftEndHeight, geometry.dRightEndHeight);
        if (endHeight <= 0.0)
            endHeight = geometry.dMiddleHeight;
        const double shortLegs = 2.0 * (endHeight - model.GetTopCover() - model.GetBottomCover()) / 1000.0;
        int counted = 0;
        for (int r = draw.m_nPlanStirrupRecords; r < n; ++r) {
            const CHLGZ_SteelCode& code = draw.m_steelCodes[r];
            EXPECT_EQ(code.nDiameter, model.GetMoreInfo().GetStirrupDiameter());
            if (code.nCount == 0)
                continue;
            ++counted;
            EXPECT_NEAR(code.dAverageLength, code.dTotalLength / code.nCount, kTol);
            EXPECT_GT(code.dAverageLength, std::min(legs, shortLegs) / 2.0);
        }
        EXPECT_GT(counted, 0);
        // The first stirrup of the face is of the first kind.
        EXPECT_EQ(draw.PlanStirrupRecord(0), draw.m_nPlanStirrupRecords);
        EXPECT_EQ(draw.PlanStirrupRecord(-1), -1);
    }
}

// Each face's side bars are dots led out 2 units at 60 degrees; the leaders are joined and the
// side bars' mark stands at the end, once a face.
TEST_F(SkewElevationSections, SideBarsAreLedOutAndJoinedToTheirMark)
{
    CGLGZ_BtDraw draw;
    ASSERT_NO_FATAL_FAILURE(PrepareToElevation("square-two-columns.glt", draw));
    ASSERT_EQ(draw.DrawElevation(), 1);
    MarkDrawn();
    AcGePoint3d origin(100.0, 100.0, 0.0);
    double depth = 0.0;
    draw.DrawColumnSection(origin, model.GetSectionPositions()[0], 0, depth);
    const CString mark = draw.SideBarMarkText();
    ASSERT_FALSE(mark.IsEmpty());
    int marks = 0;
    for (const Text& t : TextsDrawn())
        marks += t.text == mark.GetString() ? 1 : 0;
    EXPECT_EQ(marks, 2);
    int leaders = 0;
    for (const Segment& l : LinesOn(L"08-标注")) {
        const double dx = l.b.x - l.a.x;
        const double dy = l.b.y - l.a.y;
        if (std::fabs(std::hypot(dx, dy) - 2.0) < kTol && std::fabs(std::fabs(dx) - 1.0) < kTol && dy > 0.0)
            ++leaders;
    }
    const int levels = draw.m_pDesign->GetMoreInfo().GetSideSpacings().length() - 1;
    ASSERT_GT(levels, 0);
    EXPECT_EQ(leaders, 2 * levels);
    // The joining leader of each face: a polyline through the leaders' ends and on by its tail.
    int joined = 0;
    for (AcDbObjectId id : Drawn())
        if (ReadBack<AcDbPolyline> p(id); p && !p->isClosed() && layerOf(id) == L"08-标注"
            && static_cast<int>(p->numVerts()) == levels + 1)
            ++joined;
    EXPECT_EQ(joined, 2);
}

// The stirrup marks are written only once the marks are numbered: each stirrup kind's "N" and
// mark, upright inside the section; an L part's two stirrups keep the marks on their sides.
TEST_F(SkewElevationSections, StirrupMarksOfTheSectionsFollowTheNumbering)
{
    for (const char* example : { "square-two-columns.glt", "l-section.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        ASSERT_NO_FATAL_FAILURE(PrepareToElevation(example, draw));
        ASSERT_EQ(draw.DrawElevation(), 1);
        AcGePoint3d origin(100.0, 100.0, 0.0);
        double depth = 0.0;
        draw.DrawColumnSection(origin, model.GetSectionPositions()[0], 0, depth);
        ASSERT_FALSE(draw.m_sectionStirrupAnchors.empty());
        const bool l = geometry.dLHeight > 0.0;
        std::vector<int> kinds;
        for (const auto& a : draw.m_sectionStirrupAnchors) {
            if (l) {
                EXPECT_GE(a.stirrup, 2);
            }
            const int record = draw.PlanStirrupRecord(a.stirrup);
            EXPECT_EQ(std::count(kinds.begin(), kinds.end(), record), 0);
            kinds.push_back(record);
        }
        MarkDrawn();
        draw.WriteSectionStirrupMarks();
        EXPECT_TRUE(draw.m_sectionStirrupAnchors.empty());
        std::vector<std::wstring> written;
        const double half = geometry.dWidth / draw.m_dSectionScale / 2.0;
        for (const Text& t : TextsDrawn()) {
            EXPECT_NEAR(t.angle, 1.57079632675, 1e-6);
            EXPECT_GT(t.at.x, origin.x - half);
            EXPECT_LT(t.at.x, origin.x + half);
            written.push_back(t.text);
        }
        ASSERT_EQ(written.size(), kinds.size());
        for (size_t i = 0; i < kinds.size(); ++i)
            EXPECT_EQ(written[i], std::wstring(L"N") + draw.m_steelCodes[kinds[i]].FormatMark().GetString());
    }
}
