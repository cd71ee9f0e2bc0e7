// The skeleton details of the normal-section drawing: the bar shapes of every skeleton kind of
// the sample with their leg lengths and ends, one detail a group of kinds at its origin with its
// centre lines, welds, dimensions, ranges and title, and details on new sheets when they do not
// fit; the weld pieces, the column table and the bar look-ups they are built with.
#include "DrawingDesignFixture.h"
#include "DrawnGeometry.h"

#include "AcDbAlignedDimension.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-6;

using Lines = CArray<LineInfo, const LineInfo&>;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

std::vector<double> Values(const CGLGZ_EtDraw& draw, const wchar_t* name)
{
    for (INT_PTR i = 0; i < draw.m_vars.GetSize(); ++i)
        if (draw.m_vars[i].GetName() == name)
            return std::vector<double>(draw.m_vars[i].GetValues().begin(), draw.m_vars[i].GetValues().end());
    return {};
}

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-3) << what << " of kind " << i;
}

// The closed outline of a kind: its end faces, the end parts' bottoms and the cap's underside.
AcGePoint3dArray Outline(const Lines& lines)
{
    return Points({ lines[2].start, lines[2].end, lines[0].end, lines[1].end, lines[3].end, lines[3].start });
}


} // namespace

class SkeletonDetails : public DrawingDesignFixture {
protected:
    // The example as the entry has it when the views begin: checked, numbered, its skeletons
    // planned, the text settings made, the views laid out and the section view drawn.
    void Prepare(CGLGZ_EtDraw& draw, const char* example, const Change& change = {})
    {
        LoadAsTheRun(example, {}, change);
        AttachAsTheRun(draw);
        ASSERT_NO_FATAL_FAILURE(RunEntryToSectionView(draw));
        s = draw.m_dScale;
        app().transcript().clear();
    }

    // The abutment example drawn by the normal-section drawing: a symmetric abutment cap, so a
    // half drawing.
    static void BendDownInNormalSections(CBent_PierInfo& d, CBent_BasicGeometry&)
    {
        d.GetMoreInfo().SetBendDownMode(0);
    }

    // Texts of a layer that read as given, with their alignment points.
    static std::vector<AcGePoint3d> TextsAt(const std::wstring& text, const wchar_t* layer = nullptr)
    {
        std::vector<AcGePoint3d> out;
        for (AcDbObjectId id : entitiesOf<AcDbText>()) {
            ReadBack<AcDbText> t(id);
            if (t->textStringConst() == text && (layer == nullptr || layerOf(id) == layer))
                out.push_back(t->alignmentPoint());
        }
        return out;
    }

    // The dimensions whose text is given, by the y of their first extension-line point.
    static std::vector<AcGePoint3d> DimensionsReading(const std::wstring& text)
    {
        std::vector<AcGePoint3d> out;
        for (AcDbObjectId id : entitiesOf<AcDbAlignedDimension>()) {
            ReadBack<AcDbAlignedDimension> d(id);
            if (d->dimensionTextString() == text)
                out.push_back(d->xLine1Point());
        }
        return out;
    }

    static std::vector<AcGePoint3d> WeldMarks()
    {
        std::vector<AcGePoint3d> out;
        for (AcDbObjectId id : entitiesOf<AcDbBlockReference>()) {
            ReadBack<AcDbBlockReference> ref(id);
            ReadBack<AcDbBlockTableRecord> block(ref->blockTableRecord());
            const ACHAR* name = nullptr;
            if (block && block->getName(name) == Acad::eOk && std::wstring(name).rfind(L"BRI-HLHF_", 0) == 0) {
                EXPECT_EQ(layerOf(id), L"07-辅助");
                out.push_back(ref->position());
            }
        }
        return out;
    }

    double s = 1.0;
};

// Every kind's bars lie inside its own outline, whose ends are the skeleton column's skewed
// ends; the trimmed bar's legs are its top runs from the kind's ends to the first bends (1300
// past the end supports); only the kinds that lead a detail keep drawn polylines.
TEST_F(SkeletonDetails, EveryKindIsShapedInsideItsOwnEnds)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    ASSERT_EQ(draw.m_faces.GetSize(), 3);
    ASSERT_EQ(draw.m_ptsDetailOrigins.length(), 2);
    // Kind C (column 4) shares B's detail and is tried out at its scratch place.
    const double firstY = draw.m_ptsDetailOrigins[0].y;
    const AcGeVector3d offsets[3] = { draw.SkeletonDetailOffset(draw.m_ptsDetailOrigins[0]),
        draw.SkeletonDetailOffset(draw.m_ptsDetailOrigins[1]),
        AcGeVector3d(500.0, firstY - 200.0 - draw.SkeletonBaseOrdinate() + 4.0, 0.0) };
    const int columns[3] = { 0, 2, 4 };
    // The cut extents of the planning: 1209.3747 off each column's ends.
    const double trimmed[3][2] = { { 1300.0, 681.2506 }, { 1145.3127, 835.9379 }, { 990.6253, 990.6253 } };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const Lines lines = draw.SkeletonKindLines(k, offsets[k]);
        const AcGePoint2d& extents = draw.m_ptsColumnExtents[columns[k]];
        EXPECT_NEAR(lines[4].end.x - lines[2].start.x, extents.x / s, kTol);
        EXPECT_NEAR(lines[3].start.x - lines[lines.GetSize() - 1].end.x, extents.y / s, kTol);
        const AcGePoint3dArray outline = Outline(lines);
        int shaped = 0;
        CGLGZ_CapDraw::BarShapeWork::ForEachBar(draw.m_faces[k], [&](CHLGZ_BASSteel& bar) {
            for (const AcGePoint3dArray* list : { &bar.GetFirstPoints(), &bar.GetSecondPoints() })
                for (const AcGePoint3d& p : *list)
                    EXPECT_TRUE(InsideOutline(outline, p)) << "bar " << bar.GetTag() << " at " << p.x << ", " << p.y;
            if (bar.GetFirstPoints().isEmpty())
                return;
            ++shaped;
            AcDbEntity* entity = nullptr;
            const bool open = acdbOpenObject(entity, bar.GetFirstId(), AcDb::kForRead) == Acad::eOk;
            if (entity != nullptr)
                entity->close();
            EXPECT_EQ(open, k < 2) << "bar " << bar.GetTag();
        });
        EXPECT_GE(shaped, 20);
        const CHLGZ_LUTSteel& bar = draw.m_faces[k].GetLUTSteels()[0];
        ASSERT_EQ(bar.GetTag(), draw.m_nTrimmedBar) << "the bars sorted by their first right distance";
        EXPECT_NEAR(bar.GetFirstLegLength(), trimmed[k][0] + 1300.0, 1e-3);
        EXPECT_NEAR(bar.GetLastLegLength(), trimmed[k][1] + 1300.0, 1e-3);
        // The other bar's legs are its outer legs, rising (falling) at the bend angle.
        const CHLGZ_LUTSteel& other = draw.m_faces[k].GetLUTSteels()[1];
        const AcGePoint3dArray& p = other.GetFirstPoints();
        bool first = false;
        for (int i = 1; i < p.length() && !first; ++i)
            first = std::fabs(p[i].distanceTo(p[i - 1]) * s - other.GetFirstLegLength()) < 1e-6
                && std::fabs((p[i].y - p[i - 1].y) - (p[i].x - p[i - 1].x)) < 1e-9;
        EXPECT_TRUE(first) << other.GetFirstLegLength();
        EXPECT_GT(other.GetLastLegLength(), 0.0);
    }
    // The design's own main face is back, its shapes those of the kind the views show (C).
    EXPECT_EQ(model.GetMainFace().GetLUTSteels()[1].GetPointX(0), 1300.0);
    EXPECT_EQ(transcript(), L"");
}

// Details "骨架大样A" and "骨架大样B、C" at their origins with the caption of the scale; their
// support centre lines, weld marks and the dimensions named "X1" to "X4"; the size table's
// variables of every kind: X3 and X4 run from the skeleton's ends (the end cover inside the
// column's skewed ends) to the end supports, X1 and X2 from the trimmed bar's ends to the next
// run ends (1000 and 900 at the first support, 600 at the last), each kind by its own ends.
TEST_F(SkeletonDetails, EachGroupIsDrawnAtItsOriginWithItsKindsLengths)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    ASSERT_EQ(draw.m_ptsDetailOrigins.length(), 2);
    const wchar_t* titles[2] = { L"骨架大样A", L"骨架大样B、C" };
    const double hm = geometry.dMiddleHeight / s;
    std::vector<AcGePoint3d> welds = WeldMarks();
    for (int g = 0; g < 2; ++g) {
        SCOPED_TRACE(g);
        const AcGePoint3d origin = draw.m_ptsDetailOrigins[g];
        const std::vector<AcGePoint3d> title = TextsAt(titles[g], L"09-文本");
        ASSERT_EQ(title.size(), 1u);
        EXPECT_TRUE(title[0].isEqualTo(origin));
        EXPECT_EQ(TextsAt(L"（1：50）").size(), 3u) << "the section view's and the two details'";
        // The cap's top 14 under the title; the centre lines 6 over it and 5 under the underside.
        const double top = origin.y - 14.0;
        int centres = 0;
        for (AcDbObjectId id : entitiesOf<AcDbLine>()) {
            ReadBack<AcDbLine> line(id);
            if (layerOf(id) != L"13-中心" || std::fabs(line->startPoint().y - (top + 6.0)) > kTol)
                continue;
            EXPECT_NEAR(line->endPoint().y, top - hm - 5.0, kTol);
            EXPECT_NEAR(line->startPoint().x, draw.m_lines[4 + centres].end.x, kTol);
            ++centres;
        }
        EXPECT_EQ(centres, 3);
        // Welds between the title and the next detail.
        const auto inDetail = [&](const AcGePoint3d& p) { return p.y < origin.y && p.y > top - hm - 5.0; };
        EXPECT_GT(std::count_if(welds.begin(), welds.end(), inDetail), 40);
        welds.erase(std::remove_if(welds.begin(), welds.end(), inDetail), welds.end());
        // One dimension of each variable: X1, X2 over the top bars, X3, X4 under the skeleton.
        for (const wchar_t* name : { L"X1", L"X2", L"X3", L"X4" }) {
            const std::vector<AcGePoint3d> dims = DimensionsReading(name);
            EXPECT_EQ(std::count_if(dims.begin(), dims.end(), inDetail), 1) << name;
        }
    }
    EXPECT_TRUE(welds.empty()) << "every weld lies in a detail";
    const double cover = model.GetEndCover();
    ExpectValues(Values(draw, L"X1"), { 300.0, 245.3127, 90.6253 }, "X1");
    ExpectValues(Values(draw, L"X2"), { 81.2506, 235.9379, 390.6253 }, "X2");
    ExpectValues(Values(draw, L"X3"), { 2509.3747 - cover, 2354.6873 - cover, 2200.0 - cover }, "X3");
    ExpectValues(Values(draw, L"X4"), { 1890.6253 - cover, 2045.3127 - cover, 2200.0 - cover }, "X4");
}

// A detail the sheet has no room for above its title block opens the next sheet and stands at
// its top; so does one the layout gave no origin.
TEST_F(SkeletonDetails, DetailsThatDoNotFitGoToNewSheets)
{
    for (bool placed : { true, false }) {
        SCOPED_TRACE(placed ? "laid out" : "no origin");
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(draw, "sample.glt");
        ASSERT_EQ(draw.m_ptsDetailOrigins.length(), 2);
        const AcGePoint3d first = draw.m_ptsDetailOrigins[0];
        if (!placed)
            draw.m_ptsDetailOrigins.setLogicalLength(0);
        draw.ShapeShownSkeletonKind();
        ASSERT_EQ(draw.m_ptsDetailOrigins.length(), 2);
        if (placed) {
            // 132 less the detail's 91.5 and the gap of 5 is under the title block's top (30).
            EXPECT_TRUE(draw.m_ptsDetailOrigins[0].isEqualTo(first));
            EXPECT_EQ(draw.m_bDetailsOnSheet, 1);
        }
        const int sheets = draw.m_ptsSheetOrigins.length();
        EXPECT_EQ(sheets, placed ? 2 : 4) << "the layout's two and one a detail";
        const AcGePoint3d last = draw.m_ptsSheetOrigins[sheets - 1];
        EXPECT_NEAR(draw.m_ptsDetailOrigins[1].y, last.y + 277.0 - 4.0, kTol);
        const std::vector<AcGePoint3d> title = TextsAt(L"骨架大样B、C");
        ASSERT_EQ(title.size(), 1u);
        EXPECT_TRUE(title[0].isEqualTo(draw.m_ptsDetailOrigins[1]));
    }
}

// A symmetric abutment cap is a half drawing: every detail is titled "骨架大样A" a quarter of
// the cap left of its origin, only the centre lines up to the middle are drawn, the four
// supports put the span's centre line with its seven characters at the middle, the lengths
// that differ are ranges in centimetres and no bar reaches past the middle.
TEST_F(SkeletonDetails, AHalfDrawingGivesRangesAndTheSpansCentreLine)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "abutment.glt", BendDownInNormalSections);
    ASSERT_EQ(draw.m_bHalfDrawing, 1);
    ASSERT_EQ(draw.m_nGroups, 1);
    CHLGZ_FaceInfo shaped = draw.ShapeShownSkeletonKind();
    for (INT_PTR k = 0; k < draw.m_faces.GetSize(); ++k)
        draw.ClipViewAtMiddle(draw.m_faces[k], draw.m_lines);
    const AcGePoint3d origin = draw.m_ptsDetailOrigins[0];
    const std::vector<AcGePoint3d> title = TextsAt(L"骨架大样A", L"09-文本");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_NEAR(title[0].x, origin.x - geometry.dLength / s / 4.0, kTol);
    const double middle = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
    const double top = origin.y - 14.0;
    std::vector<double> xs;
    for (AcDbObjectId id : entitiesOf<AcDbLine>()) {
        ReadBack<AcDbLine> line(id);
        if (layerOf(id) == L"13-中心" && std::fabs(line->startPoint().y - (top + 6.0)) < kTol)
            xs.push_back(line->startPoint().x);
    }
    std::sort(xs.begin(), xs.end());
    ASSERT_EQ(xs.size(), 3u) << "two supports and the middle";
    EXPECT_NEAR(xs[2], middle, kTol);
    const wchar_t* characters[7] = { L"盖", L"梁", L"跨", L"径", L"中", L"心", L"线" };
    double above = 1e300;
    for (const wchar_t* c : characters) {
        const std::vector<AcGePoint3d> at = TextsAt(c, L"08-标注");
        ASSERT_EQ(at.size(), 1u) << c;
        EXPECT_NEAR(at[0].x, middle + draw.m_dLabelHeight, kTol);
        EXPECT_LT(at[0].y, above);
        above = at[0].y;
    }
    // No name, but the ranges: X3 from column 0's ends, 1392.5106 and 1057.4894, less the end
    // cover of 50.
    for (const wchar_t* name : { L"X1", L"X2", L"X3", L"X4" })
        EXPECT_TRUE(DimensionsReading(name).empty()) << name;
    EXPECT_EQ(DimensionsReading(L"100.7~134.3").size(), 1u);
    int ranges = 0;
    for (AcDbObjectId id : entitiesOf<AcDbAlignedDimension>()) {
        ReadBack<AcDbAlignedDimension> d(id);
        ranges += d->dimensionTextString().find(L'~') != std::wstring::npos;
        EXPECT_LE(std::max(d->xLine1Point().x, d->xLine2Point().x), middle + 0.05);
    }
    EXPECT_EQ(ranges, 2) << "X1 and X3";
    for (AcDbObjectId id : entitiesOf<AcDbPolyline>()) {
        ReadBack<AcDbPolyline> pl(id);
        if (layerOf(id) != L"04-钢筋")
            continue;
        for (unsigned int i = 0; i < pl->numVerts(); ++i) {
            AcGePoint3d v;
            pl->getPointAt(i, v);
            if (v.y < origin.y && v.y > top - 100.0) {
                EXPECT_LE(v.x, middle + 1e-6);
            }
        }
    }
    for (const AcGePoint3d& weld : WeldMarks())
        EXPECT_LE(weld.x, middle + 0.05);
}

TEST_F(SkeletonDetails, AGroupCountThatDoesNotMatchTheKindsDrawsNothing)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.m_nGroups = 3;
    EXPECT_EQ(draw.DrawSkeletonDetails(), 0);
    EXPECT_EQ(transcript(), L"出现内部错误，程序意外终止(2,3)，内部编号0607181628\n");
    EXPECT_TRUE(TextsAt(L"骨架大样A").empty());
}

// The last straight bar decides a column lacking it (2), else the last bent-up bar (1).
TEST_F(SkeletonDetails, TheEndTypeOfAColumnIsTheLastBarsItLacks)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    CHLGZ_FaceInfo& face = model.GetMainFace();
    std::vector<CHLGZ_BASSteel*> straight;
    std::vector<CHLGZ_BASSteel*> bent;
    CGLGZ_CapDraw::BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) {
        bar.SetColumnText(L"111111111");
        if (bar.GetKind() == 2 || bar.GetKind() == 3)
            straight.push_back(&bar);
        if (bar.GetKind() >= 4 && bar.GetKind() <= 7)
            bent.push_back(&bar);
    });
    ASSERT_FALSE(straight.empty());
    ASSERT_FALSE(bent.empty());
    straight.back()->SetColumnText(L"110111111");
    straight.front()->SetColumnText(L"011111111");
    bent.back()->SetColumnText(L"101111111");
    const int expected[] = { 0, 1, 2, 0 };
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(draw.GetSkeletonEndType(column), expected[column]) << column;
    EXPECT_EQ(transcript(), L"");
    EXPECT_EQ(draw.GetSkeletonEndType(-1), 0);
    EXPECT_EQ(transcript(), L"出现内部错误(0608011724)\n");
}

// Bars by number: on a face, over the kinds by the entity drawn, and added to a bar group.
TEST_F(SkeletonDetails, BarsAreFoundByNumberAndGrouped)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    CHLGZ_FaceInfo& a = draw.m_faces[0];
    AcDbObjectIdArray ids;
    AcGeIntArray numbers;
    const int collected = draw.CollectFaceBarNumbers(ids, numbers, a, 1);
    EXPECT_EQ(collected, ids.length());
    EXPECT_EQ(numbers[0], a.GetLTLSteel().GetTag());
    EXPECT_EQ(numbers[1], a.GetLBLSteel().GetTag());
    EXPECT_EQ(draw.FindFaceBar(numbers[1], a), &a.GetLBLSteel());
    EXPECT_EQ(draw.FindFaceBar(9999, a), nullptr);
    // An upper bent-up bar at the last support with a right branch only: its right entity.
    CHLGZ_LPTSteel* oneSided = nullptr;
    CArray<CHLGZ_LPTSteel, const CHLGZ_LPTSteel&>& last = a.GetSupports()[2].GetLPTSteels();
    for (INT_PTR i = 0; i < last.GetSize(); ++i)
        if (last[i].GetFirstId().isNull() == false && !last[i].GetSecondId().isNull())
            oneSided = &last[i];
    EXPECT_EQ(draw.FindKindBar(a.GetLTLSteel().GetTag()), &a.GetLTLSteel());
    EXPECT_EQ(draw.FindKindBar(-a.GetLTLSteel().GetTag()), nullptr) << "no right entity";
    CHLGZ_SteelCode group;
    group.nNumber = 7;
    EXPECT_EQ(draw.AddBarToGroup(2.0, 0, group, &a.GetLTLSteel(), 1, 0), 1);
    EXPECT_EQ(draw.AddBarToGroup(2.0, 3, group, &a.GetLTLSteel(), 0, 0), 0) << "no right entity";
    EXPECT_EQ(group.nCount, 1);
    ASSERT_EQ(group.aTags.length(), 1);
    EXPECT_EQ(group.aTags[0], a.GetLTLSteel().GetTag());
    EXPECT_EQ(group.aPoints[0].x, a.GetLTLSteel().GetFirstLegLength() / s) << "its first leg, drawing units";
    EXPECT_EQ(group.aPoints[0].y, 0.0);
    EXPECT_EQ(group.aPoints[0].z, 2.0);
    EXPECT_EQ(a.GetLTLSteel().GetFirstMarkText(), L"7");
    if (oneSided != nullptr) {
        EXPECT_EQ(draw.AddBarToGroup(0.0, 2, group, oneSided, 0, 0), 1);
        EXPECT_EQ(group.nCount, 3);
        EXPECT_EQ(group.aTags[1], -oneSided->GetTag());
        EXPECT_EQ(oneSided->GetSecondMarkText(), L"7");
    }
    EXPECT_EQ(draw.AddBarToGroup(0.0, 1, group, nullptr, 1, 1), 0);
}

// Weld marks between bars lying on each other, at the drawing's scale of 1 for whole units.
class SkeletonWelds : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        draw.m_dScale = 1.0;
        draw.m_dDetailWeld = 3.0;
        draw.m_dDetailDiameter = 1.0;
        draw.m_dDetailMiddle = 1000.0;
        for (int t = 0; t < 3; ++t)
            draw.m_idWeldBlocks[t] = draw.GetWeldBlock(3.0, 1.0, t);
    }
    static int Marks() { return static_cast<int>(entitiesOf<AcDbBlockReference>().size()); }
    CGLGZ_EtDraw draw;
};

TEST_F(SkeletonWelds, RowsStacksAndRunsOfBentUpBars)
{
    // A straight bar from 0 to 20: positions whose weld would leave the bar are skipped.
    AcGeDoubleArray positions;
    for (double x : { 1.0, 1.5, 10.0, 18.5, 19.0 })
        positions.append(x);
    draw.DrawWeldRow(Points({ P(0, 0), P(20, 0) }), 1, 3.0, positions, 0);
    EXPECT_EQ(Marks(), 3);
    // A weld 3 diameters under the upper level gets 2 further welds over it; equal levels none.
    draw.DrawWeldStack(P(0, 0), P(3, 0), P(0, -1), 3.0, -5.0, 0);
    EXPECT_EQ(Marks(), 5);
    draw.DrawWeldStack(P(0, 0), P(3, 0), P(0, 1), 3.0, -5.0, 0);
    EXPECT_EQ(Marks(), 9) << "toward the lower level, 5 diameters";
    draw.DrawWeldStack(P(0, 0), P(3, 0), P(0, 1), 2.0, 2.0, 0);
    EXPECT_EQ(Marks(), 9);
    // Runs of an upper bar raised over the levels of its legs (upper level = run level, so no
    // stacks); its ends are inclined pieces of 5, each one weld.
    struct Case {
        double run;
        int welds;
    };
    const Case cases[] = { { 2.9, 0 }, { 4.0, 1 }, { 5.9, 1 }, { 6.0, 2 }, { 9.0, 2 }, { 9.5, 3 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.run);
        const int before = Marks();
        draw.DrawBarWelds(Points({ P(0, 0), P(3, 4), P(3 + c.run, 4), P(6 + c.run, 0) }), 1, 4.0, 0.0, 0);
        EXPECT_EQ(Marks() - before, c.welds + 2);
    }
    // Fewer than four points: no weld at all.
    const int before = Marks();
    draw.DrawBarWelds(Points({ P(0, 0), P(3, 4), P(9, 4) }), 1, 4.0, 0.0, 0);
    EXPECT_EQ(Marks(), before);
}

// The lengths along every rebar column of the sample (metres): with both ends at 70° every
// support line is parallel to them and every column reads 2.2, 4.1, 4.1, 2.2; a right end of 60°
// turns the lines, and the limits over the columns part.
TEST_F(SkeletonDetails, TheColumnTableMeasuresAlongEveryColumn)
{
    for (double right : { 70.0, 60.0 }) {
        SCOPED_TRACE(right);
        CGLGZ_EtDraw draw;
        Load("sample.glt", [&](CBent_PierInfo&, CBent_BasicGeometry& g) { g.dRightAngle = right; });
        CorbeldrawCommand::ProjectSkewLengths(model, geometry);
        CorbeldrawCommand::TrimEndParts(model, geometry);
        Attach(draw);
        draw.m_nSupportCode = 0;
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        draw.CheckSideBarSpacing();
        AcGeDoubleArray table;
        AcGeDoubleArray positions;
        ASSERT_EQ(draw.ComputeColumnPositions(table, positions, 0), 1);
        const int columns = model.GetMainFace().GetBarColumnCount();
        ASSERT_EQ(positions.length(), 5);
        EXPECT_NEAR(positions[1], 2.2, kTol);
        EXPECT_NEAR(positions[3], 10.4, kTol);
        ASSERT_EQ(table.length(), 4 * columns);
        AcGeDoubleArray greatest, smallest, firstRow, lastRow;
        ASSERT_EQ(draw.ComputeSpanLimits(greatest, smallest, firstRow, lastRow), 1);
        ASSERT_EQ(greatest.length(), 4);
        for (int r = 0; r < columns; ++r) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += table[r * 4 + k];
            if (right == 70.0) {
                for (int k = 0; k < 4; ++k)
                    EXPECT_NEAR(table[r * 4 + k], k == 0 || k == 3 ? 2.2 : 4.1, kTol);
            } else {
                EXPECT_NEAR(table[r * 4], 2.2, kTol) << "the first support at the left end's angle";
            }
            EXPECT_GT(sum, 0.0);
        }
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(firstRow[k], table[k], kTol);
            EXPECT_NEAR(lastRow[k], table[(columns - 1) * 4 + k], kTol);
        }
        // The last support takes the right end's angle: only the spans between turned lines part.
        EXPECT_NEAR(greatest[3], smallest[3], kTol);
        EXPECT_EQ(std::fabs(greatest[1] - smallest[1]) > 1e-3, right != 70.0);
        // Equal spans: the middle spans share the distance between the outer supports.
        draw.m_nSupportCode = 1;
        ASSERT_EQ(draw.ComputeColumnPositions(table, positions, 0), 1);
        EXPECT_NEAR(table[1], table[2], kTol);
    }
    // One column or no support: no table.
    CGLGZ_EtDraw draw;
    Load("sample.glt");
    Attach(draw);
    model.GetMainFace().SetBarColumnCount(1);
    AcGeDoubleArray table;
    AcGeDoubleArray positions;
    EXPECT_EQ(draw.ComputeColumnPositions(table, positions, 0), 0);
}
