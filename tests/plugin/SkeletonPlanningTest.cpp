// Skeleton planning of the normal-section drawing: the symmetry decision, the reach of every
// rebar column between the skewed ends, the skeleton kinds with their trimmed faces and groups,
// and the size table's variables.
#include "DrawingDesignFixture.h"

#include "CGLGZ_EtDraw.h"
#include "aced.h"

#include <string>
#include <vector>

namespace {

std::vector<int> Ints(const AcGeIntArray& list)
{
    return std::vector<int>(list.begin(), list.end());
}

// The branches of a face's upper bent-up bars at one support: left (first support) or right.
int Branches(const CHLGZ_FaceInfo& face, int support, bool left)
{
    const CHLGZ_PoleInfo& pole = face.GetSupports()[support];
    int n = 0;
    for (INT_PTR i = 0; i < pole.GetLPTSteels().GetSize(); ++i) {
        const CHLGZ_LPTSteel& bar = pole.GetLPTSteels()[i];
        n += (left ? bar.GetLeftAxisDistance() : bar.GetRightAxisDistance()) < 99999.0 ? 1 : 0;
    }
    return n;
}

int LastSupport(const CHLGZ_FaceInfo& face)
{
    return static_cast<int>(face.GetSupports().GetSize()) - 1;
}

} // namespace

class SkeletonPlanningTest : public DrawingDesignFixture {
protected:
    // The example as the run hands it over, checked, numbered and its skeleton columns and side
    // bars prepared as the entry does before planning.
    void Prepare(CGLGZ_EtDraw& draw, const char* example, const Change& change = {})
    {
        Load(example, change);
        CorbeldrawCommand::ProjectSkewLengths(model, geometry);
        CorbeldrawCommand::TrimEndParts(model, geometry);
        Attach(draw);
        draw.m_dWeldLength = CorbeldrawCommand::SettleWeldLength(model);
        draw.NormalizeSupports();
        ASSERT_EQ(draw.DecideAbutment(), 1);
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        draw.CheckSideBarSpacing();
        app().transcript().clear();
    }

    // The three steps in the entry's order.
    static void Plan(CGLGZ_EtDraw& draw)
    {
        draw.m_bSymmetric = draw.CheckSymmetry();
        draw.MeasureSkeletonColumns();
        draw.PlanSkeletons();
    }
};

TEST_F(SkeletonPlanningTest, SymmetryNeedsEqualEndsAndSpansThatReadTheSameFromBothEnds)
{
    struct Case {
        const char* name;
        double angles[2];
        double heights[2];
        double widths[2];
        std::vector<double> supports;
        double length;
        const wchar_t* line;
    };
    // Widths of 500 and spans 1000, 4000, 1000: the rest between the last two supports is
    // length - 7000.
    const Case cases[] = {
        { "equal ends and spans", { 70, 70 }, { 1000, 1000 }, { 500, 500 }, { 1000, 4000, 1000 }, 11000, L"" },
        { "a rest 0.05 off", { 70, 70 }, { 1000, 1000 }, { 500, 500 }, { 1000, 4000, 1000 }, 11000.05, L"" },
        { "a rest 0.2 off", { 70, 70 }, { 1000, 1000 }, { 500, 500 }, { 1000, 4000, 1000 }, 11000.2,
            L"因为墩柱间距不对称，骨架不能对称布置！\n" },
        { "end spans differ", { 70, 70 }, { 1000, 1000 }, { 500, 500 }, { 1000, 4000, 1200 }, 11200,
            L"因为墩柱间距不对称，骨架不能对称布置！\n" },
        { "four supports, middle spans mirrored", { 70, 70 }, { 1000, 1000 }, { 500, 500 },
            { 1000, 3000, 3500, 1000 }, 12500, L"" },
        { "two supports are not compared", { 70, 70 }, { 1000, 1000 }, { 500, 500 }, { 1000, 3000 }, 5000, L"" },
        { "angles first", { 70, 75 }, { 1000, 900 }, { 500, 400 }, { 1000, 4000, 1200 }, 11000,
            L"因为两侧角度不一致，骨架不能对称布置！\n" },
        { "heights before widths", { 70, 70 }, { 1000, 900 }, { 500, 400 }, { 1000, 4000, 1000 }, 11000,
            L"因为两侧端部高度不一致，骨架不能对称布置！\n" },
        { "widths", { 70, 70 }, { 1000, 1000 }, { 500, 400 }, { 1000, 4000, 1000 }, 11000,
            L"因为两侧变高段宽度不一致，骨架不能对称布置！\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load("sample.glt");
        geometry.dLeftAngle = c.angles[0];
        geometry.dRightAngle = c.angles[1];
        geometry.dLeftEndHeight = c.heights[0];
        geometry.dRightEndHeight = c.heights[1];
        geometry.dLeftWidth = c.widths[0];
        geometry.dRightWidth = c.widths[1];
        geometry.dLength = c.length;
        AcGeDoubleArray& supports = model.GetSupportDistances();
        supports.removeAll();
        for (double s : c.supports)
            supports.append(s);
        CGLGZ_EtDraw draw;
        Attach(draw);
        app().transcript().clear();
        EXPECT_EQ(draw.CheckSymmetry(), *c.line == 0 ? 1 : 0);
        EXPECT_EQ(transcript(), c.line);
    }
}

TEST_F(SkeletonPlanningTest, TheExamplesAsTheRunHandsThemOver)
{
    struct Case {
        const char* example;
        double rightAngle;
        int symmetric;
    };
    // The sample spans 400, 4100, (4100), 400 inside its end parts; the abutment cap 1225,
    // 3850, 3850, (3850), 1225 with no end parts.
    const Case cases[] = { { "sample.glt", 0, 1 }, { "abutment.glt", 0, 1 }, { "sample.glt", 75, 0 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.example) + (c.rightAngle ? " with a right angle of 75" : ""));
        CGLGZ_EtDraw draw;
        Prepare(draw, c.example, [&](CBent_PierInfo&, CBent_BasicGeometry& g) {
            if (c.rightAngle)
                g.dRightAngle = c.rightAngle;
        });
        EXPECT_EQ(draw.CheckSymmetry(), c.symmetric);
        EXPECT_EQ(transcript(), c.symmetric ? L"" : L"因为两侧角度不一致，骨架不能对称布置！\n");
    }
}

TEST_F(SkeletonPlanningTest, ColumnsReachFromTheSkewedEndsToTheEndSupports)
{
    struct Column {
        int index;
        double left, right;
    };
    struct Case {
        const char* name;
        const char* example;
        double rightAngle;
        std::vector<Column> columns;
    };
    // Sample: end supports at 2200 and 10400 of 12600, columns 212.5 apart from 850 below the
    // axis, cot 70° = 0.36397, cot 60° = 0.57735. Abutment cap: supports at 1225 and 12775 of
    // 14000, columns 190 apart from 950 below the axis, cot 80° = 0.17633.
    const Case cases[] = {
        { "both ends at 70°", "sample.glt", 0,
            { { 0, 2509.3747, 1890.6253 }, { 1, 2432.0310, 1967.9690 }, { 4, 2200.0, 2200.0 },
                { 8, 1890.6253, 2509.3747 } } },
        { "right end at 60°", "sample.glt", 60, { { 0, 2509.3747, 1709.2523 }, { 8, 1890.6253, 2690.7477 } } },
        { "abutment cap at 80°", "abutment.glt", 0,
            { { 0, 1392.5106, 1057.4894 }, { 5, 1225.0, 1225.0 }, { 10, 1057.4894, 1392.5106 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGLGZ_EtDraw draw;
        Prepare(draw, c.example, [&](CBent_PierInfo&, CBent_BasicGeometry& g) {
            if (c.rightAngle)
                g.dRightAngle = c.rightAngle;
        });
        EXPECT_EQ(draw.MeasureSkeletonColumns(), 1);
        ASSERT_EQ(draw.m_ptsColumnExtents.length(), model.GetMainFace().GetBarColumnCount());
        for (const Column& column : c.columns) {
            SCOPED_TRACE(column.index);
            EXPECT_NEAR(draw.m_ptsColumnExtents[column.index].x, column.left, 1e-4);
            EXPECT_NEAR(draw.m_ptsColumnExtents[column.index].y, column.right, 1e-4);
        }
    }
}

TEST_F(SkeletonPlanningTest, MirroredColumnsShareAKindOnlyWhenTheSkeletonsAreSymmetric)
{
    // The sample's skeleton columns are 0, 2, 4, 6 and 8; 6 mirrors 2 and 8 mirrors 0.
    for (int symmetric : { 1, 0 }) {
        SCOPED_TRACE(symmetric);
        CGLGZ_EtDraw draw;
        Prepare(draw, "sample.glt");
        draw.m_bSymmetric = symmetric;
        draw.MeasureSkeletonColumns();
        EXPECT_EQ(draw.m_nSkeleton, 4) << "the column on the cap axis";
        EXPECT_EQ(Ints(draw.m_nColumnKinds),
            symmetric ? std::vector<int>({ 0, -1, 2, -1, 4, -1, 2, -1, 0 })
                      : std::vector<int>({ 0, -1, 2, -1, 4, -1, 6, -1, 8 }));
    }
}

TEST_F(SkeletonPlanningTest, TheSamplePlansThreeKindsInTwoGroups)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    ASSERT_EQ(draw.m_dWeldLength, 160.0);
    Plan(draw);
    EXPECT_EQ(draw.m_bSymmetric, 1);
    EXPECT_EQ(transcript(), L"");
    // Kinds A (columns 0 and 8), B (2 and 6) and C (4, on the axis, shown in the main views).
    EXPECT_EQ(Ints(draw.m_nColumnKinds), std::vector<int>({ 0, -1, 1, -1, 2, -1, 1, -1, 0 }));
    ASSERT_EQ(draw.m_faces.GetSize(), 3);
    EXPECT_EQ(draw.m_nSkeleton, 2);
    EXPECT_NEAR(draw.m_ptMiddleExtents.x, 400.0, 1e-9);
    EXPECT_NEAR(draw.m_ptMiddleExtents.y, 400.0, 1e-9);
    // The outermost upper bent-up bar (13, reaching 1300) ends the longest column's skeleton:
    // 1209.3747 comes off every kind's ends. The end allowance, weld 160 on a 1:3 bottom slope
    // with 45° bends less 34.5 / tan 45°, is 167.8858: at the first support the branch of 1000
    // fits A (1300) but neither B (1145.3127) nor C (990.6253); at the last support it fits
    // none (A 681.2506, B 835.9379, C 990.6253). The branches of 600 run on over the supports.
    const double extents[3][2] = { { 1300.0, 681.2506 }, { 1145.3127, 835.9379 }, { 990.6253, 990.6253 } };
    const int left[3] = { 2, 1, 1 };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const CHLGZ_FaceInfo& face = draw.m_faces[k];
        EXPECT_EQ(Branches(face, 0, true), left[k]);
        EXPECT_EQ(Branches(face, 0, false), 2) << "the first support's right branches stay";
        EXPECT_EQ(Branches(face, LastSupport(face), false), 1);
        EXPECT_EQ(Branches(face, LastSupport(face), true), 2) << "a record losing one branch keeps the other";
        EXPECT_EQ(Branches(face, 1, true) + Branches(face, 1, false), 4) << "a middle support is untouched";
        const CHLGZ_LUTSteel& trimmed = face.GetLUTSteels()[1];
        EXPECT_NEAR(trimmed.GetPointX(0), extents[k][0], 1e-4);
        EXPECT_NEAR(trimmed.GetPointY(-1), extents[k][1], 1e-4);
        EXPECT_EQ(face.GetLUTSteels()[0].GetPointX(0), 900.0);
    }
    EXPECT_EQ(draw.m_nTrimmedBar, 13);
    EXPECT_EQ(draw.m_faces[0].GetLUTSteels()[1].GetTag(), 13);
    // The design's own face keeps every branch and bar end.
    const CHLGZ_FaceInfo& main = model.GetMainFace();
    EXPECT_EQ(Branches(main, 0, true), 2);
    EXPECT_EQ(Branches(main, LastSupport(main), false), 2);
    EXPECT_EQ(main.GetLUTSteels()[1].GetPointX(0), 1300.0);
    // A leads its own group (2 left, 1 right); B and C share B's detail (1, 1).
    EXPECT_EQ(Ints(draw.m_nKindGroups), std::vector<int>({ 0, 1, 1 }));
    EXPECT_EQ(draw.m_nGroups, 2);
    // The size table's variables, one empty value a kind.
    ASSERT_EQ(draw.m_vars.GetSize(), 4);
    const wchar_t* names[] = { L"X1", L"X2", L"X3", L"X4" };
    for (int v = 0; v < 4; ++v) {
        EXPECT_EQ(std::wstring(draw.m_vars[v].GetName()), names[v]);
        EXPECT_EQ(std::vector<double>(draw.m_vars[v].GetValues().begin(), draw.m_vars[v].GetValues().end()),
            std::vector<double>(3, -1.0));
    }
}

TEST_F(SkeletonPlanningTest, AGroupIsNamedByItsFirstKind)
{
    // Without symmetry every skeleton column is a kind. Less the allowance, the left branch of
    // 1000 fits only A's end (1132.1), the right one D's (1018.2) and E's (1132.1): A (2, 1),
    // B and C (1, 1), D and E (1, 2).
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt", [](CBent_PierInfo&, CBent_BasicGeometry& g) { g.dRightAngle = 75.0; });
    Plan(draw);
    EXPECT_EQ(draw.m_bSymmetric, 0);
    EXPECT_EQ(Ints(draw.m_nColumnKinds), std::vector<int>({ 0, -1, 1, -1, 2, -1, 3, -1, 4 }));
    EXPECT_EQ(draw.m_nSkeleton, 2);
    EXPECT_EQ(Ints(draw.m_nKindGroups), std::vector<int>({ 0, 1, 1, 3, 3 }));
    EXPECT_EQ(draw.m_nGroups, 3);
    EXPECT_EQ(draw.m_vars[0].GetValues().length(), 5);
}

TEST_F(SkeletonPlanningTest, TheSkeletonShownIsTheSkeletonColumnNearestTheAxis)
{
    struct Case {
        const char* name;
        std::vector<int> occupied;
        int symmetric;
        std::vector<int> kinds;
        int skeleton;
        int faces;
    };
    const Case cases[] = {
        // Column 0 is no skeleton column: the only one, at the far side, is shown.
        { "one skeleton at the far side", { 0, 0, 0, 0, 0, 0, 0, 0, 1 }, 1, { -1, -1, -1, -1, -1, -1, -1, -1, 0 },
            0, 1 },
        // Column 6 mirrors column 2, which holds no bar: column 6 is a kind of its own.
        { "the mirror is no skeleton column", { 1, 0, 0, 0, 0, 0, 1, 0, 1 }, 1, { 0, -1, -1, -1, -1, -1, 1, -1, 0 },
            1, 2 },
        // No skeleton at all: no kind, and column 0's empty kind stands for the middle.
        { "no skeleton column", { 0, 0, 0, 0, 0, 0, 0, 0, 0 }, 1, { -1, -1, -1, -1, -1, -1, -1, -1, -1 }, -1, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGLGZ_EtDraw draw;
        Prepare(draw, "sample.glt");
        draw.m_bSkeletonColumn.removeAll();
        for (int occupied : c.occupied)
            draw.m_bSkeletonColumn.append(occupied);
        draw.m_bSymmetric = c.symmetric;
        draw.MeasureSkeletonColumns();
        draw.PlanSkeletons();
        EXPECT_EQ(Ints(draw.m_nColumnKinds), c.kinds);
        EXPECT_EQ(draw.m_nSkeleton, c.skeleton);
        EXPECT_EQ(draw.m_faces.GetSize(), c.faces);
        EXPECT_EQ(draw.m_nKindGroups.length(), c.faces);
        ASSERT_EQ(draw.m_vars.GetSize(), 4);
        EXPECT_EQ(draw.m_vars[3].GetValues().length(), c.faces);
        EXPECT_EQ(transcript(), L"");
    }
}

TEST_F(SkeletonPlanningTest, AMiddleColumnOutOfRangeIsReportedAndTheMiddleOfTheColumnsUsed)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.m_bSymmetric = draw.CheckSymmetry();
    draw.MeasureSkeletonColumns();
    draw.m_nSkeleton = 9;
    draw.PlanSkeletons();
    EXPECT_EQ(transcript(), L"出现内部错误0607310932\n");
    EXPECT_EQ(draw.m_nSkeleton, 2) << "column 4's kind";
}

TEST_F(SkeletonPlanningTest, EndTrimmingCutsOnlyWhereTheOutermostBarSetsTheEnd)
{
    struct Case {
        const char* name;
        std::function<void(CHLGZ_PierInfo&)> change;
        int fixed;
        // Kind C (column 4, reaching 2200 both ways, less 167.8858 for its branches): the trimmed
        // bar's two ends, its left branches at the first support.
        double trimmedX, trimmedY;
        int leftBranches;
        int trimmedBar;
    };
    const Case cases[] = {
        { "both ends cut", {}, 1, 990.6253, 990.6253, 1, 13 },
        // A bar at the first support reaching 1500 beyond the outermost bar's 1300: the left ends
        // stay whole, so column 4 keeps that branch.
        { "a support bar reaches further",
            [](CHLGZ_PierInfo& m) {
                CHLGZ_LPTSteel& bar = m.GetMainFace().GetSupports()[0].GetLPTSteels()[1];
                bar.SetAxisDistances(1500.0, bar.GetRightAxisDistance());
            },
            1, 1300.0, 990.6253, 2, 13 },
        // A bar without a left end is not the outermost one and keeps no left end.
        { "the widest bar has no left end",
            [](CHLGZ_PierInfo& m) { m.GetMainFace().GetLUTSteels()[0].SetPointX(0, 99999.0); }, 1, 990.6253,
            990.6253, 1, 13 },
        { "no trimming", {}, 0, 1300.0, 1300.0, 2, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGLGZ_EtDraw draw;
        Prepare(draw, "sample.glt");
        model.GetMoreInfo().SetOuterUpperFixed(c.fixed);
        if (c.change)
            c.change(model);
        const double firstX = model.GetMainFace().GetLUTSteels()[0].GetPointX(0);
        Plan(draw);
        ASSERT_EQ(draw.m_faces.GetSize(), 3);
        const CHLGZ_FaceInfo& face = draw.m_faces[2];
        EXPECT_NEAR(face.GetLUTSteels()[1].GetPointX(0), c.trimmedX, 1e-4);
        EXPECT_NEAR(face.GetLUTSteels()[1].GetPointY(-1), c.trimmedY, 1e-4);
        EXPECT_EQ(face.GetLUTSteels()[0].GetPointX(0), firstX);
        EXPECT_EQ(Branches(face, 0, true), c.leftBranches);
        EXPECT_EQ(draw.m_nTrimmedBar, c.trimmedBar);
    }
}

TEST_F(SkeletonPlanningTest, DegenerateBendAnglesAndAbutmentCapsKeepTheAllowanceFinite)
{
    struct Case {
        const char* name;
        const char* example;
        int bendAngle;
        // Branches left and right at the end supports of the first kind.
        int left, right;
    };
    const Case cases[] = {
        // No bend: the weld length (160) alone. Kind A's left end 1300 fits the branch of 1000,
        // its right end 681.25 does not.
        { "no bend angle", "sample.glt", 0, 2, 1 },
        { "a straight-back bend", "sample.glt", 180, 2, 1 },
        // An abutment cap allows the weld length (140) less 30 / tan 45°: 110. Its first kind
        // (column 0) reaches 1392.5106 and 1057.4894 less the cut of 242.5106 to the outermost
        // bar (1150): 1150 fits the branch of 900, 814.9788 does not.
        { "abutment cap", "abutment.glt", 45, 2, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGLGZ_EtDraw draw;
        Prepare(draw, c.example,
            [&](CBent_PierInfo& d, CBent_BasicGeometry&) { d.GetMoreInfo().SetBendAngle(c.bendAngle); });
        Plan(draw);
        ASSERT_FALSE(draw.m_faces.IsEmpty());
        const CHLGZ_FaceInfo& face = draw.m_faces[0];
        EXPECT_EQ(Branches(face, 0, true), c.left);
        EXPECT_EQ(Branches(face, LastSupport(face), false), c.right);
        EXPECT_EQ(transcript(), L"");
    }
}
