// The skew-section drawing's views in their order, as far as the main views go: a symmetric cap
// drawn as a half drawing cut at its middle, an unsymmetric one whole and uncut, and a plan that
// cannot be drawn ending the views.
#include "SkewDrawFixture.h"

#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"

#include <algorithm>
#include <string>
#include <vector>

class SkewViews : public SkewDrawFixture {
protected:
    // The greatest x of the main face's drawn bars.
    double RightmostBar()
    {
        double most = -1e300;
        CGLGZ_CapDraw::BarShapeWork::ForEachBar(model.GetMainFace(), [&](CHLGZ_BASSteel& bar) {
            for (AcDbObjectId id : { bar.GetFirstId(), bar.GetSecondId() }) {
                AcGePoint3dArray points;
                CGLGZ_CapDraw::ReadPolylineVertexList(id, points);
                for (const AcGePoint3d& p : points)
                    most = std::max(most, p.x);
            }
        });
        return most;
    }
};

// Both symmetry flags set: one sheet, and at the end no bar of the main face reaches past the
// middle; either flag clear: two sheets and the bars run on to the right end.
TEST_F(SkewViews, HalfDrawingIsCutAtItsMiddle)
{
    struct Case {
        const char* example;
        int general;
        int spacing;
    };
    for (const Case& c : { Case { "square-two-columns.glt", 1, 1 }, Case { "abutment.glt", 1, 1 },
             Case { "square-two-columns.glt", 0, 1 }, Case { "abutment.glt", 1, 0 } }) {
        SCOPED_TRACE(std::string(c.example) + " " + std::to_string(c.general) + std::to_string(c.spacing));
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        LoadAsTheRun(c.example, [&](CHLGZ_PierInfo& m, CBent_BasicGeometry&) {
            m.SetGeneralSymmetric(c.general);
            m.SetColumnSpacingSymmetric(c.spacing);
        });
        AttachAsTheRun(draw);
        ASSERT_EQ(draw.Draw(1), 1);
        const bool half = c.general && c.spacing;
        EXPECT_EQ(draw.m_bHalfDrawing, half ? 1 : 0);
        const double xm = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
        if (half) {
            EXPECT_LE(RightmostBar(), xm + 1e-6);
        } else {
            EXPECT_GT(RightmostBar(), xm + 1.0);
        }
        // The span rows ran before the plan: every column of the top-plate bar has its length.
        EXPECT_EQ(model.GetMainFace().GetLTLSteel().GetFirstLengths().length(),
            model.GetMainFace().GetBarColumnCount());
    }
}

// A plan whose stirrups find no room across the cap ends the views with 0; the section view
// and the bars drawn before it stay.
TEST_F(SkewViews, FailedMainViewEndsTheViews)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("square-two-columns.glt", [](CHLGZ_PierInfo& m, CBent_BasicGeometry& g) { m.SetSideCover(g.dWidth); });
    AttachAsTheRun(draw);
    MarkDrawn();
    EXPECT_EQ(draw.Draw(1), 0);
    EXPECT_FALSE(model.GetMainFace().GetLTLSteel().GetFirstId().isNull());
    EXPECT_FALSE(Drawn().empty());
}

// The shape details keep off the skeleton detail, half or whole, on whatever sheet they land;
// every detail with a drawing is placed.
TEST_F(SkewViews, ShapeDetailsKeepOffTheSkeletonDetail)
{
    struct Case {
        const char* example;
        int symmetric;
    };
    for (const Case& c : { Case { "square-two-columns.glt", 1 }, Case { "abutment.glt", 1 }, Case { "l-section.glt", 1 },
             Case { "square-two-columns.glt", 0 } }) {
        SCOPED_TRACE(std::string(c.example) + " " + std::to_string(c.symmetric));
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        LoadAsTheRun(c.example, [&](CHLGZ_PierInfo& m, CBent_BasicGeometry&) {
            if (!c.symmetric)
                m.SetGeneralSymmetric(0);
        });
        AttachAsTheRun(draw);
        // The packing's own places, before the items are settled on the sheets (which moves the
        // skeleton detail away from where it was measured).
        draw.m_bSettleItems = 0;
        ASSERT_EQ(draw.Draw(1), 1);
        ASSERT_EQ(draw.m_bSkeletonMeasured, 1);
        for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
            CHLGZ_SteelCode& record = draw.m_steelCodes[i];
            if (record.aEntityIds.length() == 0 || CGLGZ_CapDraw::PlacementState(record) == -1)
                continue;
            EXPECT_TRUE(CGLGZ_CapDraw::IsPlaced(record)) << "mark " << i;
            record.GetExtents(0);
            EXPECT_FALSE(draw.OverlapsSkeletonDetail(record))
                << "mark " << i << " at " << record.ptMin.x << "," << record.ptMin.y << " - " << record.ptMax.x
                << "," << record.ptMax.y << " on the skeleton " << draw.m_ptSkeletonMin.x << ","
                << draw.m_ptSkeletonMin.y << " - " << draw.m_ptSkeletonMax.x << "," << draw.m_ptSkeletonMax.y;
        }
    }
}

// A detail the packing left on the skeleton detail is taken up again and goes to a further
// sheet, clear of it; one clear of it stays where it is.
TEST_F(SkewViews, ADetailOnTheSkeletonDetailGoesToAFurtherSheet)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("square-two-columns.glt");
    AttachAsTheRun(draw);
    ASSERT_EQ(draw.Draw(1), 1);
    std::vector<INT_PTR> placed;
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        const CHLGZ_SteelCode& record = draw.m_steelCodes[i];
        if (record.aEntityIds.length() > 0 && CGLGZ_CapDraw::PlacementState(record) != -1)
            placed.push_back(i);
    }
    ASSERT_GE(placed.size(), 2u);
    const INT_PTR moved = placed[0];
    const INT_PTR kept = placed[1];
    CHLGZ_SteelCode& record = draw.m_steelCodes[moved];
    record.GetExtents(0);
    draw.MoveEntities(record, record.ptMin, draw.m_ptSkeletonMin + AcGeVector3d(1.0, 1.0, 0.0));
    record.GetExtents(0);
    ASSERT_TRUE(draw.OverlapsSkeletonDetail(record));
    CHLGZ_SteelCode& other = draw.m_steelCodes[kept];
    other.GetExtents(0);
    const AcGePoint3d otherAt = other.ptMin;
    const bool otherClear = !draw.OverlapsSkeletonDetail(other);
    const int sheets = draw.m_ptsSheetOrigins.length();
    draw.KeepDetailsClearOfSkeleton();
    record.GetExtents(0);
    EXPECT_TRUE(CGLGZ_CapDraw::IsPlaced(record));
    EXPECT_FALSE(draw.OverlapsSkeletonDetail(record));
    EXPECT_EQ(draw.m_ptsSheetOrigins.length(), sheets + 1);
    EXPECT_LT(record.ptMax.y, draw.m_ptsSheetOrigins[sheets - 1].y) << "on the further sheet";
    if (otherClear) {
        other.GetExtents(0);
        EXPECT_TRUE(Same(other.ptMin, otherAt));
    }
}

// Drawn whole, a cap whose skeleton detail finds no room under its plan has it on the second
// sheet of the alternative layout, under the top of that sheet and clear of the first.
TEST_F(SkewViews, AWholeDrawingHasItsSkeletonDetailOnTheSecondSheet)
{
    for (const char* example : { "abutment.glt", "square-two-columns.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        LoadAsTheRun(example, [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.SetGeneralSymmetric(0); });
        AttachAsTheRun(draw);
        ASSERT_EQ(draw.Draw(1), 1);
        ASSERT_GE(draw.m_ptsSheetOrigins.length(), 2);
        ASSERT_EQ(draw.m_bSkeletonMeasured, 1);
        if (draw.m_bDetailsOnSheet)
            continue;
        const AcGePoint3d& second = draw.m_ptsSheetOrigins[1];
        EXPECT_LE(draw.m_ptSkeletonMax.y, second.y + CGLGZ_CapDraw::kSheetHeight - draw.m_dLayoutMargin);
        EXPECT_GE(draw.m_ptSkeletonMin.y, second.y);
        EXPECT_LT(draw.m_ptSkeletonMax.y, draw.m_ptsSheetOrigins[0].y);
    }
}

// The quantity table of a whole abutment goes under the hung details only where it stays clear
// of the notes and inside the sheet; else it takes a sheet of its own.
TEST_F(SkewViews, TheQuantityTableStaysOnItsSheetClearOfTheNotes)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("abutment.glt", [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.SetGeneralSymmetric(0); });
    AttachAsTheRun(draw);
    ASSERT_EQ(draw.Draw(1), 1);
    int lines = 0;
    for (AcDbObjectId id : modelSpace()) {
        ReadBack<AcDbLine> line(id);
        if (!line || layerOf(id) != L"05-表格")
            continue;
        ++lines;
        bool inside = false;
        for (const AcGePoint3d& o : draw.m_ptsSheetOrigins)
            inside = inside
                || (std::min(line->startPoint().y, line->endPoint().y) >= o.y + 54.0 - 1e-6
                    && std::max(line->startPoint().y, line->endPoint().y) <= o.y + CGLGZ_CapDraw::kSheetHeight);
        EXPECT_TRUE(inside) << line->startPoint().x << "," << line->startPoint().y << " - " << line->endPoint().x
                            << "," << line->endPoint().y;
    }
    EXPECT_GT(lines, 0);
}

// Column sections that the layout moved to the second sheet keep the details off them.
TEST_F(SkewViews, DetailsStartUnderTheColumnSectionsMovedToTheSecondSheet)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("l-section.glt", [](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.SetGeneralSymmetric(0); });
    AttachAsTheRun(draw);
    ASSERT_EQ(draw.Draw(1), 1);
    ASSERT_GT(draw.m_dMovedSectionsHeight, 0.0);
    double width = 0.0;
    double height = 0.0;
    draw.MeasureColumnSection(width, height);
    for (const AcGePoint3d& s : draw.m_ptsColumnSections)
        for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
            CHLGZ_SteelCode& record = draw.m_steelCodes[i];
            if (record.aEntityIds.length() == 0 || CGLGZ_CapDraw::PlacementState(record) == -1)
                continue;
            record.GetExtents(0);
            const bool overlap = record.ptMin.x < s.x + width / 2.0 && record.ptMax.x > s.x - width / 2.0
                && record.ptMin.y < s.y && record.ptMax.y > s.y - height;
            EXPECT_FALSE(overlap) << "mark " << record.nNumber << " on the section at " << s.x << "," << s.y;
        }
}
