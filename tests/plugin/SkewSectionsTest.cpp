// The skew-section drawing's bar marks, tables, column sections, number marks and skeleton
// detail, on the skew examples run as the entry runs them up to the bar shapes.
#include "SkewDrawFixture.h"

#include "AcDbAlignedDimension.h"
#include "AcDbBlockReference.h"
#include "AcDbCircle.h"
#include "AcDbDimension.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

const CHLGZ_SteelCode* MarkNumbered(const CGLGZ_BtDraw& draw, int number, int primed = 0)
{
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i)
        if (draw.m_steelCodes[i].nNumber == number && draw.m_steelCodes[i].nPrimed == primed)
            return &draw.m_steelCodes[i];
    return nullptr;
}

int Occupied(const CHLGZ_BASSteel& bar)
{
    const CString text = bar.GetColumnText();
    return static_cast<int>(std::count(text.GetString(), text.GetString() + text.GetLength(), L'1'));
}

struct Text {
    AcGePoint3d at;
    std::wstring text;
    double angle;
};

} // namespace

class SkewSections : public SkewDrawFixture {
protected:
    // The example as the skew-section entry has it when the views after the bar shapes begin:
    // checked, numbered, laid out, its section view drawn and its bars shaped.
    void Prepare(CGLGZ_BtDraw& draw, const char* example, const ModelChange& change = {})
    {
        LoadAsTheRun(example, change);
        AttachAsTheRun(draw);
        if (!model.GetGeneralSymmetric() || !model.GetColumnSpacingSymmetric())
            draw.m_bHalfDrawing = 0;
        draw.NormalizeSupports();
        ASSERT_EQ(draw.CheckSectionPositions(), 1);
        draw.CheckSideBarSpacing();
        draw.ReportStrengtheningBars();
        ASSERT_NO_FATAL_FAILURE(RunSkewToSectionView(draw));
        ShapeBars(draw);
        app().transcript().clear();
    }

    // The shared steps of the bar shapes, as the skew-section drawing runs them.
    static void ShapeBars(CGLGZ_BtDraw& draw)
    {
        CGLGZ_CapDraw::BarShapeWork work;
        work.lines = &draw.m_lines;
        work.crown = draw.m_ptOutlineOrigin;
        work.shapeEnd = [&draw](const CGLGZ_CapDraw::BarEndRequest& request, int atEnd) {
            return draw.ShapeBarEndWith(request, atEnd, 0.0);
        };
        const CHLGZ_MoreInfo& more = draw.m_pDesign->GetMoreInfo();
        const double outer = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
        ASSERT_EQ(draw.PrepareBarShapeWork(work, draw.m_pDesign->GetMainFace(), outer, draw.GetWeldLength()), 1);
        draw.ShapePlateAndStraightBars(work);
        CGLGZ_CapDraw::SortBentUpBars(draw.m_pDesign->GetMainFace());
        draw.ShapeBentUpBars(work);
        draw.BuildSectionBarLayers();
    }

    // Per-column lengths as the span rows give them on a square cap: every column the drawn
    // length (m).
    static void FillColumnLengths(CGLGZ_BtDraw& draw)
    {
        for (CHLGZ_BASSteel* bar : CGLGZ_CapDraw::BarsInNumberingOrder(draw.m_pDesign->GetMainFace())) {
            const int columns = bar->GetColumnText().GetLength();
            const double first = CGLGZ_CapDraw::GetPolylineLength(bar->GetFirstId()) * draw.m_dScale / 1000.0;
            const double second = CGLGZ_CapDraw::GetPolylineLength(bar->GetSecondId()) * draw.m_dScale / 1000.0;
            bar->GetFirstLengths().setLogicalLength(0);
            bar->GetSecondLengths().setLogicalLength(0);
            for (int c = 0; c < columns; ++c) {
                bar->GetFirstLengths().append(first);
                bar->GetSecondLengths().append(second);
            }
        }
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

// Marks 1 and 2 take the plate bars, one mark all top straight bars and one all bottom ones,
// a mark each bent-up bar of the whole elevation; bars at the supports share a mark by length
// or shape. Every drawn bar carries its mark, and each mark counts its bars over the columns.
TEST_F(SkewSections, GroupingGivesEveryDrawnBarAMarkCountedOverItsColumns)
{
    for (const char* example : { "square-two-columns.glt", "abutment.glt" }) {
        SCOPED_TRACE(example);
        CGLGZ_BtDraw draw;
        Prepare(draw, example);
        FillColumnLengths(draw);
        draw.GroupBarShapes();
        const CHLGZ_FaceInfo& main = model.GetMainFace();
        EXPECT_EQ(main.GetLTLSteel().GetFirstMarkText(), L"1");
        EXPECT_EQ(main.GetLBLSteel().GetFirstMarkText(), L"2");
        EXPECT_EQ(MarkNumbered(draw, 2, 1), nullptr) << "no primed mark without an end face";
        // Straight bars of the whole elevation share one mark; each bent-up bar has its own.
        ASSERT_GE(main.GetLUPSteels().GetSize(), 1);
        for (INT_PTR i = 0; i < main.GetLUPSteels().GetSize(); ++i)
            EXPECT_EQ(main.GetLUPSteels()[i].GetFirstMarkText(), L"3");
        int next = main.GetLUMSteels().IsEmpty() ? 4 : 5;
        for (INT_PTR i = 0; i < main.GetLUTSteels().GetSize(); ++i) {
            CString expected;
            expected.Format(L"%d", next++);
            EXPECT_EQ(main.GetLUTSteels()[i].GetFirstMarkText(), expected);
        }
        // Every mark: its count is the columns of its members, its lengths those of the rows.
        ASSERT_GT(draw.m_nGroupedMarks, 4);
        std::map<std::wstring, const CHLGZ_SteelCode*> byText;
        for (int m = 0; m < draw.m_nGroupedMarks; ++m) {
            const CHLGZ_SteelCode& mark = draw.m_steelCodes[m];
            EXPECT_EQ(mark.nNumber, m == 0 ? 1 : draw.m_steelCodes[m - 1].nNumber + 1) << "consecutive";
            int count = 0;
            for (int tag : mark.aTags)
                count += Occupied(*draw.FindBarByNumber(std::abs(tag)));
            EXPECT_EQ(mark.nCount, count) << mark.nNumber;
            EXPECT_EQ(mark.nDiameter, model.GetMoreInfo().GetSkeletonDiameter());
            byText[mark.FormatMark().GetString()] = &mark;
        }
        // The bars at the supports: drawn ones marked; one mark one length (straight) or shape.
        for (INT_PTR j = 0; j < main.GetSupports().GetSize(); ++j) {
            const CHLGZ_PoleInfo& support = main.GetSupports()[j];
            std::map<std::wstring, double> lengths;
            for (INT_PTR b = 0; b < support.GetLPPSteels().GetSize(); ++b) {
                const CHLGZ_LPPSteel& bar = support.GetLPPSteels()[b];
                if (bar.GetFirstId().isNull())
                    continue;
                ASSERT_FALSE(bar.GetFirstMarkText().IsEmpty());
                const double length = CGLGZ_CapDraw::GetPolylineLength(bar.GetFirstId());
                auto [it, added] = lengths.emplace(bar.GetFirstMarkText().GetString(), length);
                EXPECT_NEAR(it->second, length, 1e-6);
            }
            for (INT_PTR b = 0; b < support.GetLPTSteels().GetSize(); ++b) {
                const CHLGZ_LPTSteel& bar = support.GetLPTSteels()[b];
                if (!bar.GetFirstId().isNull()) {
                    ASSERT_EQ(byText.count(bar.GetFirstMarkText().GetString()), 1u);
                    const CHLGZ_SteelCode& mark = *byText[bar.GetFirstMarkText().GetString()];
                    const CHLGZ_BASSteel& reference = *draw.FindBarByNumber(std::abs(mark.aTags[0]));
                    const AcGePoint3dArray& shape
                        = mark.aTags[0] > 0 ? reference.GetFirstPoints() : reference.GetSecondPoints();
                    EXPECT_NE(CGLGZ_CapDraw::IsSameShape(shape, bar.GetFirstPoints()), 0);
                }
                if (!bar.GetSecondId().isNull()) {
                    EXPECT_FALSE(bar.GetSecondMarkText().IsEmpty());
                }
            }
        }
        // The closing marks follow the grouped ones after the reserved strengthening numbers.
        ASSERT_EQ(draw.m_steelCodes.GetSize(), draw.m_nGroupedMarks + 2);
        const int last = draw.m_steelCodes[draw.m_nGroupedMarks - 1].nNumber;
        EXPECT_EQ(draw.m_steelCodes[draw.m_nGroupedMarks].nNumber, last + draw.m_nStrengtheningMode + 1);
        EXPECT_EQ(draw.m_steelCodes[draw.m_nGroupedMarks + 1].nNumber, last + draw.m_nStrengtheningMode + 2);
    }
}

// The end face of an L-shaped section joins the top-plate mark and has its bottom-plate bar
// under the primed twin of mark 2; the straight bars of both faces share their marks.
TEST_F(SkewSections, AnLShapedSectionPrimesTheEndFacesBottomPlateMark)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "l-section.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    const CHLGZ_FaceInfo& main = model.GetMainFace();
    const CHLGZ_FaceInfo& end = model.GetEndFace();
    const CHLGZ_SteelCode* first = MarkNumbered(draw, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::vector<int>(first->aTags.begin(), first->aTags.end()),
        (std::vector<int> { main.GetLTLSteel().GetTag(), end.GetLTLSteel().GetTag() }));
    const CHLGZ_SteelCode* primed = MarkNumbered(draw, 2, 1);
    ASSERT_NE(primed, nullptr);
    EXPECT_EQ(primed->aTags.length(), 1);
    EXPECT_EQ(primed->aTags[0], end.GetLBLSteel().GetTag());
    EXPECT_EQ(end.GetLBLSteel().GetFirstMarkText(), L"2'");
    EXPECT_EQ(draw.m_steelCodes[3].nNumber, 3) << "the next mark after 2' is 3";
    if (!end.GetLUPSteels().IsEmpty()) {
        EXPECT_EQ(end.GetLUPSteels()[0].GetFirstMarkText(), main.GetLUPSteels()[0].GetFirstMarkText());
    }
}

// A polyline measured whole, and in whole units segment by segment; a short segment as it is.
TEST_F(SkewSections, PolylineLengthsCountLongSegmentsInWholeUnits)
{
    CGLGZ_BtDraw draw;
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline->addVertexAt(1, AcGePoint2d(1.234, 0.0));
    polyline->addVertexAt(2, AcGePoint2d(1.234, 0.005));
    AcDbObjectId id;
    ASSERT_TRUE(AppendToModelSpace(polyline, id));
    polyline->close();
    EXPECT_NEAR(draw.GetPolylineLength(id, 0, 1.0), 1.239, 1e-9);
    EXPECT_NEAR(draw.GetPolylineLength(id, 1, 100.0), 1.23 + 0.005, 1e-9);
    EXPECT_NEAR(draw.GetPolylineLength(id, 1, 1.0), 1.0 + 0.005, 1e-9);
    EXPECT_EQ(draw.GetPolylineLength(AcDbObjectId::kNull, 1, 1.0), 0.0);
}

// The closed stirrups join the list after the grouped bars: the main stirrup over its columns
// with the plan's rows, and the skewed part's stirrups measured along the skew.
TEST_F(SkewSections, BarTablesAppendTheStirrupsWithTheirSectionLengths)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "l-section.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    for (double x : { 1.0, 2.0, 3.0, 4.0 })
        draw.m_dStirrupPositions.append(x);
    draw.m_dLeftEndStirrups.append(0.5);
    const INT_PTR before = draw.m_steelCodes.GetSize();
    const int last = draw.m_steelCodes[before - 1].nNumber;
    const int added = draw.DrawBarTables();
    ASSERT_GE(added, 2);
    EXPECT_EQ(draw.m_steelCodes.GetSize(), before + added);
    const CHLGZ_SteelCode& main = draw.m_steelCodes[before];
    EXPECT_EQ(main.nNumber, last + 1);
    EXPECT_EQ(main.nDiameter, model.GetMoreInfo().GetStirrupDiameter());
    const CGLGZ_BtDraw::StirrupArrangement a = draw.MeasureStirrupArrangement();
    EXPECT_EQ(main.nCount, 4 * (a.repeats + 1));
    double w = 0.0;
    double h = 0.0;
    draw.StirrupSection(a.first[0], a.first[1], w, h);
    const CHLGZ_MoreInfo& more = model.GetMoreInfo();
    const double u = GetHookLength(more.GetStirrupDiameter(), more.GetStirrupBarType(), 135, 5.0);
    EXPECT_NEAR(main.dAverageLength, 2.0 * (w + h + u) / 1000.0, 1e-9);
    EXPECT_NEAR(h, geometry.dLHeight + geometry.dMiddleHeight - model.GetTopCover() - model.GetBottomCover()
            + GetRebarOuterDiameter(more.GetStirrupDiameter(), more.GetStirrupBarType())
            + GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType()),
        1e-9);
    ASSERT_EQ(main.aPoints.length(), 5);
    EXPECT_TRUE(Same(main.aPoints[2], AcGePoint3d(-w / draw.m_dScale, -h / draw.m_dScale, 0.0)));
    EXPECT_EQ(draw.m_steelCodes[before + added - 1].nNumber, last + added);
    // Without a mark before them, no stirrups are appended.
    draw.m_steelCodes.RemoveAll();
    EXPECT_EQ(draw.DrawBarTables(), 0);
    EXPECT_TRUE(draw.m_steelCodes.IsEmpty());
}

// The quantity table's rows show each mark's count and length as the grouping gave them.
TEST_F(SkewSections, QuantityTableRowsFollowTheGroupedCounts)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    const CHLGZ_SteelCode top = *MarkNumbered(draw, 1);
    MarkDrawn();
    draw.DrawQuantityTable(AcGePoint3d(0.0, 0.0, 0.0));
    // Mark 1 is the first row of its grade and diameter group; find its row by its number.
    double y = 1e9;
    for (const Text& t : TextsDrawn())
        if (t.text == L"1" && std::fabs(t.at.x - (-47.0 + 4.5)) < 1e-6)
            y = t.at.y;
    ASSERT_LT(y, 0.0);
    CString count;
    count.Format(L"%d", top.nCount);
    bool countShown = false;
    bool lengthShown = false;
    for (const Text& t : TextsDrawn()) {
        if (std::fabs(t.at.y - y) > 1e-6)
            continue;
        countShown |= std::fabs(t.at.x - (-47.0 + 43.0)) < 1e-6 && t.text == count.GetString();
        lengthShown |= std::fabs(t.at.x - (-47.0 + 29.5)) < 1e-6
            && t.text == std::wstring(FormatFixed(top.dAverageLength * 100.0, 0).GetString());
    }
    EXPECT_TRUE(countShown);
    EXPECT_TRUE(lengthShown);
}

class SkewColumnSections : public SkewSections {
protected:
    std::vector<AcGePoint3d> Circles(const wchar_t* layer) const
    {
        std::vector<AcGePoint3d> out;
        for (AcDbObjectId id : Drawn())
            if (ReadBack<AcDbCircle> c(id); c && layerOf(id) == layer && std::fabs(c->radius() - 0.3) < 1e-9)
                out.push_back(c->center());
        return out;
    }
};

// One section an entry of the section list, under its caption at its origin: the outline is
// the cap's width by its middle height, lowered by the L part and the strengthening rows; every
// bar of the cut is a dot in each of its columns inside the outline.
TEST_F(SkewColumnSections, OneSectionAnEntryWithItsBarsInsideTheOutline)
{
    for (const char* example : { "square-two-columns.glt", "l-section.glt", "abutment.glt" }) {
        SCOPED_TRACE(example);
        CGLGZ_BtDraw draw;
        Prepare(draw, example);
        FillColumnLengths(draw);
        draw.GroupBarShapes();
        const AcGeIntArray& sections = model.GetSectionPositions();
        ASSERT_GE(sections.length(), 1);
        ASSERT_EQ(draw.m_ptsColumnSections.length(), sections.length());
        const double s2 = draw.m_dSectionScale;
        for (int i = 0; i < sections.length(); ++i) {
            SCOPED_TRACE(i);
            MarkDrawn();
            AcGePoint3d origin = draw.m_ptsColumnSections[i];
            double depth = 0.0;
            EXPECT_EQ(draw.DrawColumnSection(origin, sections[i], i, depth), 0);
            const std::vector<Text> texts = TextsDrawn();
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                [&](const Text& t) { return t.text == CGLGZ_CapDraw::ColumnSectionTitle(i); }));
            // The outline's top edge.
            int top = 0;
            int bottom = 0;
            int ts = 0;
            const CGLGZ_CapDraw::ColumnSectionCut cut = draw.ClassifyColumnSection(sections[i]);
            for (int c = 0; c < model.GetMainFace().GetBarColumnCount(); ++c) {
                draw.CountStrengtheningRows(c, cut, top, bottom);
                ts = std::max(ts, top);
            }
            const double lh = geometry.dLHeight / s2;
            const double lift = lh > 0.0 ? lh + 13.0 : 0.0;
            // Lowered 3 a further row of the upper grid.
            const double l = origin.x - geometry.dWidth / s2 / 2.0;
            const double r = origin.x + geometry.dWidth / s2 / 2.0;
            const std::vector<Segment> outline = LinesOn(L"02-结构");
            double yTop = origin.y - (lift + (ts - 2) * 3.0 + 25.0) - (lh > 0.0 ? 3.0 : 0.0);
            for (int k = 0; k < 12 && !HasSegment(outline, AcGePoint3d(l, yTop, 0), AcGePoint3d(r, yTop, 0)); ++k)
                yTop -= 3.0;
            const double yBottom = yTop - geometry.dMiddleHeight / s2;
            EXPECT_TRUE(HasSegment(outline, AcGePoint3d(l, yTop, 0), AcGePoint3d(r, yTop, 0)));
            EXPECT_TRUE(HasSegment(outline, AcGePoint3d(r, yBottom, 0), AcGePoint3d(l, yBottom, 0)));
            if (lh > 0.0) {
                EXPECT_TRUE(HasSegment(outline, AcGePoint3d(l, yTop, 0), AcGePoint3d(l, yTop + lh, 0)));
            }
            // The bars of the cut, each column a dot, all inside the outline.
            const std::vector<AcGePoint3d> dots = Circles(L"04-钢筋");
            const CHLGZ_PierSteelLayer& layer = draw.m_steelLayers[sections[i]];
            ASSERT_GT(layer.aLayers.GetSize(), 0);
            for (INT_PTR e = 0; e < layer.aLayers.GetSize(); ++e) {
                const CHLGZ_BASSteel* bar = draw.FindBarByNumber(layer.aLayers[e].nBar);
                ASSERT_NE(bar, nullptr);
                const double y = yBottom + layer.aLayers[e].dHeight / s2;
                EXPECT_GT(y, yBottom);
                EXPECT_LT(y, yTop);
                const AcGeDoubleArray xs = draw.ColumnSectionXs(l);
                for (int c = 0; c < xs.length(); ++c) {
                    if (bar->GetColumnText()[c] != L'1')
                        continue;
                    EXPECT_GT(xs[c], l);
                    EXPECT_LT(xs[c], r);
                    EXPECT_TRUE(std::any_of(dots.begin(), dots.end(),
                        [&](const AcGePoint3d& p) { return Same(p, AcGePoint3d(xs[c], y, 0.0)); }))
                        << "bar " << bar->GetTag() << " column " << c;
                }
            }
            EXPECT_GT(depth, geometry.dMiddleHeight / s2);
        }
    }
}

// Bars all in the same columns make a uniform section: each grid one row, holding only "A" in
// every bar column; a column with plate bars of its own would write "1" and "2" beside them,
// none here. The stirrup key puts a stirrup on the level under the one it overlaps.
TEST_F(SkewColumnSections, AUniformSectionHasOneGridRowOfLettersAndAStirrupKey)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt", [](CHLGZ_PierInfo& pier, CBent_BasicGeometry&) {
        pier.GetMainFace().SetColumnText(L"1111111111111111111");
        CHLGZ_ExtendSteel& steel = pier.GetExtendSteel();
        for (int c = 0; c < steel.GetCodes().length(); ++c)
            steel.GetCodes()[c] = 0;
        auto& stirrups = pier.GetMainFace().GetStirrups();
        stirrups.RemoveAll();
        for (auto [a, b] : { std::pair { 1, 4 }, std::pair { 3, 6 }, std::pair { 5, 6 } }) {
            CHLGZ_PAFSteel stirrup;
            stirrup.SetStartColumn(a);
            stirrup.SetEndColumn(b);
            stirrups.Add(stirrup);
        }
    });
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    const int columns = model.GetMainFace().GetBarColumnCount();
    ASSERT_GE(columns, 6);
    MarkDrawn();
    AcGePoint3d origin(100.0, 100.0, 0.0);
    double depth = 0.0;
    draw.DrawColumnSection(origin, model.GetSectionPositions()[0], 0, depth);
    const double s2 = draw.m_dSectionScale;
    const double yTop = origin.y - ((0 - 2) * 3.0 + 25.0);
    const double yBottom = yTop - geometry.dMiddleHeight / s2;
    const double gridLeft = origin.x - columns * 2.5 / 2.0;
    int letters = 0;
    for (const Text& t : TextsDrawn()) {
        if (t.text == L"A") {
            ++letters;
            const bool upper = std::fabs(t.at.y - (yTop + 13.0 + 1.5)) < 1e-6;
            const bool lower = std::fabs(t.at.y - (yBottom - 11.0 - 1.5)) < 1e-6;
            EXPECT_TRUE(upper || lower) << t.at.y;
            EXPECT_NEAR(std::fmod(t.at.x - gridLeft, 2.5), 1.25, 1e-6);
        }
        EXPECT_NE(t.text, L"1");
        EXPECT_NE(t.text, L"2");
    }
    EXPECT_EQ(letters, 2 * columns);
    // Grids: two horizontal lines each.
    int gridLines = 0;
    for (const Segment& s : LinesOn(L"08-标注"))
        if (std::fabs(s.a.y - s.b.y) < 1e-9 && std::fabs(s.a.x - gridLeft) < 1e-6
            && std::fabs(s.b.x - (gridLeft + columns * 2.5)) < 1e-6)
            ++gridLines;
    EXPECT_EQ(gridLines, 4);
    // The key: 1-4 and 5-6 on the first level, 3-6 on the second.
    const AcGeDoubleArray xs = draw.ColumnSectionXs(origin.x - geometry.dWidth / s2 / 2.0);
    const std::vector<Segment> marks = LinesOn(L"08-标注");
    const double y1 = yBottom - 0.5;
    EXPECT_TRUE(HasSegment(marks, AcGePoint3d(xs[0] - 0.3, y1 - 1, 0), AcGePoint3d(xs[3] + 0.3, y1 - 1, 0)));
    EXPECT_TRUE(HasSegment(marks, AcGePoint3d(xs[4] - 0.3, y1 - 1, 0), AcGePoint3d(xs[5] + 0.3, y1 - 1, 0)));
    EXPECT_TRUE(HasSegment(marks, AcGePoint3d(xs[2] - 0.3, y1 - 2, 0), AcGePoint3d(xs[5] + 0.3, y1 - 2, 0)));
}

// The plate marks of a single support: one in each outer span, the second lowered under the
// cap's right end line and doubled primed over an L part; the first is written even beyond the
// middle of a half view. Marks go through the placement of the detail; masks only on request.
TEST_F(SkewSections, PlateMarksOfASingleSupportWithTheLPartAndThePlacement)
{
    CGLGZ_BtDraw draw;
    Load("square-two-columns.glt");
    Attach(draw);
    draw.PrepareDrawing();
    geometry.dLHeight = 300.0;
    draw.m_dScale = 100.0;
    model.SetTopCover(50.0);
    auto line = [](double x0, double y0, double x1, double y1) {
        return LineInfo { AcGePoint3d(x0, y0, 0.0), AcGePoint3d(x1, y1, 0.0) };
    };
    // The end lines at 0 and 100, the middle at 40, one support at 60.
    for (const LineInfo& l : { line(0, 20, 0, 0), line(100, 18, 100, 2), line(40, 20, 40, 0), line(40, 20, 40, 0),
             line(60, 20, 60, 1) })
        draw.m_lines.Add(l);
    CHLGZ_FaceInfo& face = model.GetMainFace();
    face.GetLTLSteel().SetFirstMarkText(L"1");
    face.GetLBLSteel().SetFirstMarkText(L"2");
    face.GetLUPSteels().RemoveAll();
    face.GetLUMSteels().RemoveAll();
    face.GetLUTSteels().RemoveAll();
    face.GetLUBSteels().RemoveAll();
    face.GetSupports().RemoveAll();
    struct Case {
        const char* name;
        int half;
        double dx;
        int mask;
        std::vector<std::pair<std::wstring, AcGePoint3d>> marks;
    };
    const Case cases[] = {
        { "whole", 0, 0.0, 1,
            { { L"N1", { 30, 19.5, 0 } }, { L"N1", { 80, 17.5, 0 } }, { L"N1'", { 80, 20.5, 0 } },
                { L"N2", { 30, 1, 0 } }, { L"N2", { 80, 1, 0 } } } },
        { "half: the first beyond the middle stays", 1, 0.0, 1,
            { { L"N1", { 30, 19.5, 0 } }, { L"N2", { 30, 1, 0 } } } },
        { "placed 200 right, no masks", 0, 200.0, 0,
            { { L"N1", { 230, 19.5, 0 } }, { L"N1", { 280, 17.5, 0 } }, { L"N1'", { 280, 20.5, 0 } },
                { L"N2", { 230, 1, 0 } }, { L"N2", { 280, 1, 0 } } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        draw.m_bHalfDrawing = c.half;
        draw.m_detailTransform = AcGeMatrix3d::translation(AcGeVector3d(c.dx, 0.0, 0.0));
        draw.m_idsMaskedTexts.removeAll();
        MarkDrawn();
        draw.DrawBarMarks(1, c.mask);
        std::vector<Text> texts = TextsDrawn();
        ASSERT_EQ(texts.size(), c.marks.size());
        for (const auto& mark : c.marks) {
            const std::wstring& text = mark.first;
            const AcGePoint3d& at = mark.second;
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const Text& t) {
                // Hanging marks stand 0.25 under their point.
                return t.text == text && Same(t.at, AcGePoint3d(at.x, at.y - 0.25, 0.0));
            })) << std::string(text.begin(), text.end()) << " at " << at.x << "," << at.y;
        }
        EXPECT_EQ(draw.m_idsMaskedTexts.length(), c.mask ? static_cast<int>(c.marks.size()) : 0);
    }
    // One support mark in the middle of the first pair of a view of three supports only.
    draw.m_lines.Add(line(80, 20, 80, 1));
    draw.m_lines.Add(line(90, 20, 90, 1));
    draw.m_bHalfDrawing = 0;
    draw.m_detailTransform = AcGeMatrix3d();
    MarkDrawn();
    draw.DrawBarMarks(1, 0);
    int plateMarks = 0;
    for (const Text& t : TextsDrawn())
        plateMarks += t.text == L"N1" ? 1 : 0;
    EXPECT_EQ(plateMarks, 2) << "one an inner span, none in the end spans";
}

// On an example every bent-up bar gets a mark on each inner segment at the bend angle, along
// the segment; in a half view none at or right of the middle.
TEST_F(SkewSections, BentUpBarsAreMarkedOnTheirSlopedSegments)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    const double slope = std::tan(model.GetMoreInfo().GetBendAngle() * 3.1415926535 / 180.0);
    const double middle = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
    for (int half : { 0, 1 }) {
        SCOPED_TRACE(half);
        draw.m_bHalfDrawing = half;
        MarkDrawn();
        draw.DrawBarMarks(1, 1);
        const std::vector<Text> texts = TextsDrawn();
        int expected = 0;
        for (INT_PTR i = 0; i < model.GetMainFace().GetLUTSteels().GetSize(); ++i) {
            const CHLGZ_LUTSteel& bar = model.GetMainFace().GetLUTSteels()[i];
            const AcGePoint3dArray& p = bar.GetFirstPoints();
            for (int k = 1; k + 3 <= p.length(); ++k) {
                const double dx = p[k + 1].x - p[k].x;
                const double dy = p[k + 1].y - p[k].y;
                if (dx == 0.0 || dy == 0.0 || std::fabs(std::fabs(dy / dx) - slope) >= 1e-6)
                    continue;
                const AcGePoint3d mid((p[k].x + p[k + 1].x) / 2.0, (p[k].y + p[k + 1].y) / 2.0, 0.0);
                const bool shown = std::any_of(texts.begin(), texts.end(), [&](const Text& t) {
                    return t.text == L"N" + std::wstring(bar.GetFirstMarkText().GetString())
                        && std::fabs(t.at.x - mid.x) < 0.5 && std::fabs(t.at.y - mid.y) < 0.5;
                });
                EXPECT_EQ(shown, !half || mid.x < middle);
                ++expected;
            }
        }
        EXPECT_GT(expected, 0);
        for (const Text& t : texts)
            EXPECT_TRUE(!half || t.at.x < middle + 0.5) << "nothing beyond the middle";
    }
}

class SkewSkeletonDetail : public SkewSections {
protected:
    std::vector<std::wstring> DimensionTexts() const
    {
        std::vector<std::wstring> out;
        for (AcDbObjectId id : Drawn())
            if (ReadBack<AcDbDimension> d(id); d)
                out.push_back(d->dimensionTextString());
        return out;
    }
    // The centre lines drawn, by their x.
    std::vector<double> CentreLines() const
    {
        std::vector<double> xs;
        for (const Segment& s : LinesOn(L"13-中心"))
            xs.push_back(s.a.x);
        std::sort(xs.begin(), xs.end());
        return xs;
    }
};

// A bar's length over the columns: the one length, or the shortest and longest in centimetres.
TEST(SkewColumnLengths, RangeOfTheColumnsLengthsInCentimetres)
{
    CHLGZ_BASSteel bar;
    EXPECT_EQ(CGLGZ_BtDraw::ColumnLengthRange(bar), L"");
    for (double l : { 3.2, 3.2, 3.2 })
        bar.GetFirstLengths().append(l);
    EXPECT_EQ(CGLGZ_BtDraw::ColumnLengthRange(bar), L"320");
    bar.GetFirstLengths().append(3.256);
    bar.GetFirstLengths().append(3.1);
    EXPECT_EQ(CGLGZ_BtDraw::ColumnLengthRange(bar), L"310~325.6");
}

// The detail stands where the layout put it, the bars moved by the stored translation: its
// caption a quarter of the cap left in a half view, the centre lines up to the middle with
// their labels outside, the span's centre line of an even number of supports with its seven
// characters, the weld blocks, and the plate bars' lengths over the columns as ranges.
TEST_F(SkewSkeletonDetail, PlacedWhereTheLayoutPutsItWithCentreLinesAndRanges)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    CHLGZ_LTLSteel& plate = model.GetMainFace().GetLTLSteel();
    const AcGePoint3d plateStart = plate.GetFirstPoints()[0];
    for (int c = 0; c < plate.GetFirstLengths().length(); ++c)
        plate.GetFirstLengths()[c] = 10.0 + 0.05 * c;
    const CString range = CGLGZ_BtDraw::ColumnLengthRange(plate);
    ASSERT_NE(range.Find(L'~'), -1);
    ASSERT_EQ(draw.m_bHalfDrawing, 1);
    ASSERT_EQ(draw.m_bDetailsOnSheet, 1);
    MarkDrawn();
    EXPECT_EQ(draw.DrawSkeletonDetail(draw.m_ptsSheetOrigins, AcGePoint3d::kOrigin), 1);
    const AcGePoint3d p = draw.m_ptsDetailOrigins[0];
    const AcGeVector3d shift(p.x - draw.m_ptBase.x, p.y - draw.SectionViewOrigin().y + 3.0, 0.0);
    EXPECT_TRUE(Same(plate.GetFirstPoints()[0], plateStart + shift));
    const std::vector<Text> texts = TextsDrawn();
    const AcGePoint3d caption
        = draw.SectionViewOrigin() + shift - AcGeVector3d(geometry.dLength / draw.m_dScale / 4.0, 0, 0);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const Text& t) {
        return t.text == L"骨架大样A" && std::fabs(t.at.x - caption.x) < 20.0
            && std::fabs(t.at.y - caption.y) < 5.0;
    }));
    // Two supports, half view: the left support line and the span's centre line.
    const double middle = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0 + shift.x;
    const std::vector<double> lines = CentreLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0], draw.m_lines[4].start.x + shift.x, 1e-6);
    EXPECT_NEAR(lines[1], middle, 1e-6);
    int labels = 0;
    int characters = 0;
    for (const Text& t : texts) {
        if (t.text == L"墩柱中心线") {
            ++labels;
            EXPECT_LT(t.at.x, lines[0]) << "left of a left-half line";
        }
        for (const wchar_t* c : { L"盖", L"梁", L"跨", L"径", L"中", L"心", L"线" })
            characters += t.text == c ? 1 : 0;
    }
    EXPECT_EQ(labels, 1);
    EXPECT_EQ(characters, 7);
    for (int t = 0; t < 3; ++t)
        EXPECT_FALSE(draw.m_idWeldBlocks[t].isNull());
    // The plate bar's length crosses the middle of the half view: its range is halved.
    const std::vector<std::wstring> dims = DimensionTexts();
    EXPECT_NE(std::find(dims.begin(), dims.end(), std::wstring(range.GetString()) + L"/2"), dims.end());
    // The second marks go through the detail's translation: the plate bars' mark of the span
    // between the two supports falls on the middle of the half view and is moved left of it.
    MarkDrawn();
    draw.DrawBarMarks(1, 0);
    int plateMarks = 0;
    for (const Text& t : TextsDrawn()) {
        plateMarks += t.text == L"N1" ? 1 : 0;
        EXPECT_LT(t.at.x, draw.m_dDetailMiddle) << std::string(t.text.begin(), t.text.end());
    }
    EXPECT_EQ(plateMarks, 1);
}

// Three supports in a half view: only the lines at or left of the middle, and no span centre
// line; a whole view draws every line, labels of the right half right of their lines. With the
// outline lines only, nothing but the dimensions is drawn.
TEST_F(SkewSkeletonDetail, CentreLinesOfOddAndWholeViewsAndAViewWithoutSupports)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "abutment.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    ASSERT_EQ(draw.m_lines.GetSize(), 8);
    CArray<LineInfo, const LineInfo&> all = draw.m_lines;
    draw.m_lines.RemoveAt(7);
    draw.m_bHalfDrawing = 1;
    MarkDrawn();
    draw.DrawSkeletonDetail(draw.m_ptsSheetOrigins, AcGePoint3d::kOrigin);
    const double dx = draw.m_detailTransform.translation().x;
    const double middle = (all[2].end.x + all[3].end.x) / 2.0 + dx;
    std::vector<double> lines = CentreLines();
    int left = 0;
    for (int i = 4; i < 7; ++i)
        left += all[i].start.x + dx <= middle + 0.001 ? 1 : 0;
    EXPECT_EQ(static_cast<int>(lines.size()), left);
    for (double x : lines)
        EXPECT_LE(x, middle + 0.001);
    // Whole: every support line, the right half's labels on their right.
    draw.m_lines = all;
    draw.m_bHalfDrawing = 0;
    draw.m_detailTransform = AcGeMatrix3d();
    MarkDrawn();
    draw.DrawSkeletonDetail(draw.m_ptsSheetOrigins, AcGePoint3d::kOrigin);
    lines = CentreLines();
    ASSERT_EQ(lines.size(), 4u);
    std::vector<double> labels;
    for (const Text& t : TextsDrawn())
        if (t.text == L"墩柱中心线")
            labels.push_back(t.at.x);
    std::sort(labels.begin(), labels.end());
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_LT(labels[0], lines[0]);
    EXPECT_LT(labels[1], lines[1]);
    EXPECT_GT(labels[2], lines[2]);
    EXPECT_GT(labels[3], lines[3]);
    // Outline lines only.
    draw.m_lines.SetSize(3);
    MarkDrawn();
    EXPECT_EQ(draw.DrawSkeletonDetail(draw.m_ptsSheetOrigins, AcGePoint3d::kOrigin), 1);
    EXPECT_TRUE(CentreLines().empty());
    for (const Text& t : TextsDrawn())
        EXPECT_NE(t.text, L"骨架大样A");
}

// Each support's bottom straight bars lie in the span after its axis: a chain of measured
// dimensions from the axis over the bar's ends to the next axis, on a level of its own under the
// skeleton (the extension lines from 1 under it, the line 3 further down).
TEST_F(SkewSkeletonDetail, EachSupportsBottomBarsAreChainedFromItsAxisToTheNext)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    draw.m_bHalfDrawing = 0;
    MarkDrawn();
    draw.DrawSkeletonDetail(draw.m_ptsSheetOrigins, AcGePoint3d::kOrigin);
    struct Dim {
        double a, b, y, line;
    };
    std::vector<Dim> dims;
    for (AcDbObjectId id : Drawn())
        if (ReadBack<AcDbAlignedDimension> d(id); d && std::fabs(d->xLine1Point().y - d->xLine2Point().y) < 1e-9)
            dims.push_back({ std::min(d->xLine1Point().x, d->xLine2Point().x),
                std::max(d->xLine1Point().x, d->xLine2Point().x), d->xLine1Point().y, d->dimLinePoint().y });
    auto has = [&](double a, double b, double& level) {
        for (const Dim& d : dims)
            if (std::fabs(d.a - std::min(a, b)) < 1e-6 && std::fabs(d.b - std::max(a, b)) < 1e-6
                && std::fabs(d.line - (d.y - 3.0)) < 1e-6 && d.y < draw.m_dDetailBottom) {
                level = d.y;
                return true;
            }
        return false;
    };
    const auto& supports = model.GetMainFace().GetSupports();
    int chained = 0;
    std::vector<double> levels;
    for (int j = 0; j + 1 < draw.m_dDetailAxes.length() && j < supports.GetSize(); ++j)
        for (INT_PTR b = 0; b < supports[j].GetLPMSteels().GetSize(); ++b) {
            const AcGePoint3dArray& p = supports[j].GetLPMSteels()[b].GetFirstPoints();
            ASSERT_GE(p.length(), 2);
            double first = 0.0;
            double last = 0.0;
            EXPECT_TRUE(has(draw.m_dDetailAxes[j], p.first().x, first));
            EXPECT_TRUE(has(p.last().x, draw.m_dDetailAxes[j + 1], last));
            EXPECT_NEAR(first, last, 1e-9);
            levels.push_back(first);
            ++chained;
        }
    EXPECT_GT(chained, 0);
    std::sort(levels.begin(), levels.end());
    EXPECT_EQ(std::adjacent_find(levels.begin(), levels.end()), levels.end()) << "a level a bar";
}

// Bars in differing columns: where the columns differ, each bar's mark stands in its grid row
// (lower bars from the section up, upper ones ending at the top row); where they agree, one "A"
// a grid.
TEST_F(SkewColumnSections, DifferingColumnsShowTheBarsMarksAndAgreeingOnesALetter)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt", [](CHLGZ_PierInfo& pier, CBent_BasicGeometry&) {
        CHLGZ_ExtendSteel& steel = pier.GetExtendSteel();
        for (int c = 0; c < steel.GetCodes().length(); ++c)
            steel.GetCodes()[c] = 0;
    });
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    CHLGZ_FaceInfo& face = model.GetMainFace();
    const int columns = face.GetBarColumnCount();
    ASSERT_GE(columns, 3);
    CString all;
    CString some;
    for (int c = 0; c < columns; ++c) {
        all += L"1";
        some += c == 2 ? L"0" : L"1";
    }
    face.GetLBLSteel().SetColumnText(all);
    face.GetLTLSteel().SetColumnText(all);
    ASSERT_FALSE(face.GetLUPSteels().IsEmpty());
    CHLGZ_LUPSteel& straight = face.GetLUPSteels()[0];
    straight.SetColumnText(some);
    const int code = model.GetSectionPositions()[0];
    CHLGZ_PierSteelLayer& cut = draw.m_steelLayers[code];
    cut.aLayers.RemoveAll();
    const double h = geometry.dMiddleHeight;
    for (const auto& [bar, height] : { std::pair<const CHLGZ_BASSteel*, double> { &face.GetLBLSteel(), 60.0 },
             { &straight, h - 120.0 }, { &face.GetLTLSteel(), h - 60.0 } }) {
        CHLGZ_SteelLayer layer;
        layer.nBar = bar->GetTag();
        layer.dHeight = height;
        cut.aLayers.Add(layer);
    }
    MarkDrawn();
    AcGePoint3d origin(100.0, 100.0, 0.0);
    double depth = 0.0;
    draw.DrawColumnSection(origin, code, 0, depth);
    const double gridLeft = origin.x - columns * 2.5 / 2.0;
    std::map<std::pair<int, bool>, std::vector<std::wstring>> cells;
    std::vector<Text> grid;
    for (const Text& t : TextsDrawn()) {
        const double column = (t.at.x - gridLeft - 1.25) / 2.5;
        // The caption stands over the grids.
        if (std::fabs(column - std::round(column)) > 1e-6 || column < 0 || column >= columns || t.at.y > origin.y - 1.0)
            continue;
        grid.push_back(t);
    }
    // The section's middle lies between the grids.
    const double middle = origin.y - 19.0 - geometry.dMiddleHeight / draw.m_dSectionScale / 2.0 - 3.0;
    for (const Text& t : grid)
        cells[std::make_pair(static_cast<int>(std::lround((t.at.x - gridLeft - 1.25) / 2.5)), t.at.y > middle)]
            .push_back(t.text);
    const std::wstring plate = face.GetLBLSteel().GetFirstMarkText().GetString();
    const std::wstring top = face.GetLTLSteel().GetFirstMarkText().GetString();
    using Texts = std::vector<std::wstring>;
    auto at = [&](int column, bool upper) { return cells[std::make_pair(column, upper)]; };
    EXPECT_EQ(at(2, false), Texts { plate });
    EXPECT_EQ(at(2, true), Texts { top });
    for (int c : { 0, 1 }) {
        EXPECT_EQ(at(c, false), Texts { L"A" }) << c;
        EXPECT_EQ(at(c, true), Texts { L"A" }) << c;
    }
}

// An L-shaped section: its L part rises over the left face; the first two stirrups run up round
// it, marked with the numbers after the last mark (the second the next unless both start at
// one column), and a key row over the L part has a "1" in every end-face column but the first.
TEST_F(SkewColumnSections, TheLPartsStirrupsRunUpRoundItWithTheNextNumbers)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "l-section.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    const auto& stirrups = model.GetMainFace().GetStirrups();
    ASSERT_GE(stirrups.GetSize(), 1);
    const int last = draw.m_steelCodes[draw.m_steelCodes.GetSize() - 1].nNumber;
    MarkDrawn();
    AcGePoint3d origin(100.0, 100.0, 0.0);
    double depth = 0.0;
    draw.DrawColumnSection(origin, model.GetSectionPositions()[0], 0, depth);
    int closed = 0;
    double highest = -1e9;
    for (AcDbObjectId id : Drawn())
        if (ReadBack<AcDbPolyline> p(id); p && p->isClosed() && layerOf(id) == L"04-钢筋") {
            ++closed;
            AcGePoint3d q;
            p->getPointAt(0, q);
            highest = std::max(highest, q.y);
        }
    EXPECT_EQ(closed, std::min<int>(2, static_cast<int>(stirrups.GetSize())));
    const double s2 = draw.m_dSectionScale;
    const double lh = geometry.dLHeight / s2;
    // The stirrups' tops stand over the L part's bars, lh over the section's top bars.
    double top = -1e9;
    for (const Segment& line : LinesOn(L"02-结构"))
        if (std::fabs(std::fabs(line.b.x - line.a.x) - geometry.dWidth / s2) < 1e-6)
            top = std::max(top, line.a.y);
    EXPECT_NEAR(highest, top - model.GetTopCover() / s2 + lh + 0.4, 1e-6);
    std::vector<std::wstring> marks;
    int ones = 0;
    for (const Text& t : TextsDrawn()) {
        if (!t.text.empty() && t.text[0] == L'N')
            marks.push_back(t.text);
        ones += t.text == L"1" && t.at.y > highest ? 1 : 0;
    }
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks[0], L"N" + std::to_wstring(last + 1));
    if (stirrups.GetSize() >= 2) {
        const bool same = std::min(stirrups[0].GetStartColumn(), stirrups[0].GetEndColumn())
            == std::min(stirrups[1].GetStartColumn(), stirrups[1].GetEndColumn());
        EXPECT_EQ(marks[1], L"N" + std::to_wstring(last + (same ? 1 : 2)));
    }
    EXPECT_GE(ones, model.GetEndFace().GetBarColumnCount() - 1);
}

// The heights of a section: its height 3 + 11 left of the left face, the levels of its bars
// in a chain 3 + 6 left of it from the bottom to the top (on over an L part's top); an L-shaped
// section's whole height 6 + 11 right of the right face and its L part's bars across its top.
TEST_F(SkewColumnSections, HeightsBesideTheFacesAndTheLPartsBarsOverIt)
{
    for (const char* example : { "square-two-columns.glt", "l-section.glt" }) {
        SCOPED_TRACE(example);
        CGLGZ_BtDraw draw;
        Prepare(draw, example);
        FillColumnLengths(draw);
        draw.GroupBarShapes();
        MarkDrawn();
        AcGePoint3d origin(100.0, 100.0, 0.0);
        double depth = 0.0;
        draw.DrawColumnSection(origin, model.GetSectionPositions()[0], 0, depth);
        const double s2 = draw.m_dSectionScale;
        const double l = origin.x - geometry.dWidth / s2 / 2.0;
        const double r = origin.x + geometry.dWidth / s2 / 2.0;
        const double lh = geometry.dLHeight / s2;
        double top = -1e9;
        for (const Segment& line : LinesOn(L"02-结构"))
            if (std::fabs(std::fabs(line.b.x - line.a.x) - geometry.dWidth / s2) < 1e-6)
                top = std::max(top, line.a.y);
        const double bottom = top - geometry.dMiddleHeight / s2;
        bool height = false;
        bool whole = false;
        double chainLow = 1e9;
        double chainHigh = -1e9;
        int across = 0;
        for (AcDbObjectId id : Drawn()) {
            ReadBack<AcDbAlignedDimension> d(id);
            if (!d)
                continue;
            const AcGePoint3d a = d->xLine1Point();
            const AcGePoint3d b = d->xLine2Point();
            const double line = d->dimLinePoint().x;
            if (std::fabs(a.x - b.x) < 1e-9 && std::fabs(line - (l - 14.0)) < 1e-6)
                height |= std::fabs(std::min(a.y, b.y) - bottom) < 1e-6 && std::fabs(std::max(a.y, b.y) - top) < 1e-6;
            if (std::fabs(a.x - b.x) < 1e-9 && std::fabs(line - (l - 9.0)) < 1e-6) {
                chainLow = std::min({ chainLow, a.y, b.y });
                chainHigh = std::max({ chainHigh, a.y, b.y });
            }
            if (std::fabs(a.x - b.x) < 1e-9 && std::fabs(line - (r + 17.0)) < 1e-6)
                whole |= std::fabs(std::min(a.y, b.y) - bottom) < 1e-6
                    && std::fabs(std::max(a.y, b.y) - (top + lh)) < 1e-6;
            if (std::fabs(a.y - b.y) < 1e-9 && std::fabs(d->dimLinePoint().y - (top + lh + 5.0)) < 1e-6)
                ++across;
        }
        EXPECT_TRUE(height);
        EXPECT_NEAR(chainLow, bottom, 1e-6);
        EXPECT_NEAR(chainHigh, top + lh, 1e-6);
        EXPECT_EQ(whole, lh > 0.0);
        EXPECT_EQ(across > 0, lh > 0.0);
    }
}

// The strengthening bars in the sections take the numbers reserved after the grouped marks: the
// edge columns' top bars first, the middle columns' next (the edge columns' when they are the
// same bars), the mid-span bottom bars last; a group the design lacks takes none.
TEST(SkewStrengtheningNumbers, FollowTheGroupedMarksInThePlansOrder)
{
    struct Case {
        int edgeSwitch, middleSwitch, sameAsEdge, bottomSwitch;
        int edge, middle, bottom;
    };
    const Case cases[] = {
        { 1, 1, 0, 1, 8, 9, 10 },
        { 1, 1, 1, 1, 8, 8, 9 },
        { 0, 1, 1, 0, 0, 8, 0 },
        { 0, 0, 0, 1, 0, 0, 8 },
    };
    CGLGZ_BtDraw draw;
    CHLGZ_PierInfo pier;
    draw.m_pDesign = &pier;
    for (int n = 1; n <= 7; ++n) {
        CHLGZ_SteelCode mark;
        mark.nNumber = n;
        draw.m_steelCodes.Add(mark);
    }
    draw.m_nGroupedMarks = 7;
    for (const Case& c : cases) {
        CHLGZ_ExtendSteel& steel = pier.GetExtendSteel();
        steel.SetEdgeTopSwitch(c.edgeSwitch);
        steel.SetMiddleTopSwitch(c.middleSwitch);
        steel.SetSameAsEdgeSwitch(c.sameAsEdge);
        steel.SetBottomSwitch(c.bottomSwitch);
        int edge = -1, middle = -1, bottom = -1;
        draw.StrengtheningMarkNumbers(edge, middle, bottom);
        EXPECT_EQ(edge, c.edge);
        EXPECT_EQ(middle, c.middle);
        EXPECT_EQ(bottom, c.bottom);
    }
}

// The view order: the marks grouped, one column section an entry of the section list, the
// elevation's side bars counted under their mark, and for an L-shaped section the
// stirrups appended by the bar tables; a rectangular section gets neither.
TEST_F(SkewSections, TheViewOrderGroupsDrawsTheSectionsAndTheTablesOfAnLSection)
{
    for (const char* example : { "l-section.glt", "square-two-columns.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        LoadAsTheRun(example);
        CGLGZ_BtDraw draw;
        AttachAsTheRun(draw);
        MarkDrawn();
        ASSERT_EQ(draw.Draw(0), 1);
        const bool l = geometry.dLHeight > 0.0;
        ASSERT_GT(draw.m_nGroupedMarks, 0);
        EXPECT_EQ(MarkNumbered(draw, 1)->nNumber, 1);
        EXPECT_EQ(draw.m_nExtraBarCount > 0, l);
        // The side bars' mark: the main part's rows and the L part's, with their mean length.
        const CHLGZ_SteelCode& sideBars = draw.m_steelCodes[draw.m_nGroupedMarks];
        EXPECT_GT(sideBars.nCount, l ? draw.m_nExtraBarCount : 0);
        EXPECT_NEAR(sideBars.dAverageLength, sideBars.dTotalLength / sideBars.nCount, 1e-9);
        EXPECT_GT(sideBars.dAverageLength, 0.0);
        EXPECT_EQ(draw.m_nStirrupMarks > 0, l);
        // After the closing marks come the plan's stirrup kinds, then the tables' stirrups.
        const int n = static_cast<int>(draw.m_steelCodes.GetSize());
        EXPECT_GE(n, draw.m_nGroupedMarks + 2 + draw.m_nStirrupMarks);
        for (int i = n - draw.m_nStirrupMarks; i < n; ++i)
            EXPECT_EQ(draw.m_steelCodes[i].nDiameter, model.GetMoreInfo().GetStirrupDiameter());
        int captions = 0;
        for (const Text& t : TextsDrawn())
            for (int i = 0; i < 9; ++i)
                captions += t.text == CGLGZ_CapDraw::ColumnSectionTitle(i) ? 1 : 0;
        EXPECT_EQ(captions, model.GetSectionPositions().length());
    }
}

// The entities drawn since the mark that reach past x: dimensions and lines by their points,
// weld marks by their middle, anything else (texts aside) by its left edge.
static int PastTheMiddle(const std::vector<AcDbObjectId>& ids, double x)
{
    int past = 0;
    for (AcDbObjectId id : ids) {
        if (id.isErased() || ReadBack<AcDbText>(id) || ReadBack<AcDbMText>(id))
            continue;
        if (ReadBack<AcDbAlignedDimension> d(id); d) {
            past += std::max(d->xLine1Point().x, d->xLine2Point().x) > x ? 1 : 0;
            continue;
        }
        if (ReadBack<AcDbLine> l(id); l) {
            past += std::max(l->startPoint().x, l->endPoint().x) > x ? 1 : 0;
            continue;
        }
        ReadBack<AcDbEntity> e(id);
        AcDbExtents ext;
        if (!e || e->getGeomExtents(ext) != Acad::eOk)
            continue;
        const bool mark = static_cast<bool>(ReadBack<AcDbBlockReference>(id));
        past += (mark ? (ext.minPoint().x + ext.maxPoint().x) / 2.0 : ext.minPoint().x) > x ? 1 : 0;
    }
    return past;
}

// A half drawing's skeleton detail ends at the middle: its dimensions and lines are brought back
// to it, the weld marks beyond it erased, the texts kept; a whole drawing's detail is left whole.
TEST_F(SkewSkeletonDetail, AHalfDrawingsDetailIsCutAtTheMiddle)
{
    CGLGZ_BtDraw draw;
    Prepare(draw, "square-two-columns.glt");
    FillColumnLengths(draw);
    draw.GroupBarShapes();
    ASSERT_EQ(draw.m_bHalfDrawing, 1);
    MarkDrawn();
    const size_t first = draw.ModelSpaceEntityCount();
    ASSERT_EQ(draw.DrawSkeletonDetail(draw.m_ptsSheetOrigins, AcGePoint3d::kOrigin), 1);
    const double limit = draw.m_dDetailMiddle + 0.05;
    const std::vector<AcDbObjectId> drawn = Drawn();
    const int pastBefore = PastTheMiddle(drawn, limit);
    ASSERT_GT(pastBefore, 0) << "the detail's welds and lengths run on past the middle";
    const size_t texts = TextsDrawn().size();
    // A whole drawing cuts nothing.
    draw.m_bHalfDrawing = 0;
    draw.ClipDetailAtMiddle(first);
    EXPECT_EQ(PastTheMiddle(drawn, limit), pastBefore);
    draw.m_bHalfDrawing = 1;
    draw.ClipDetailAtMiddle(first);
    EXPECT_EQ(PastTheMiddle(drawn, limit), 0);
    EXPECT_EQ(TextsDrawn().size(), texts);
    // The halved lengths are still there, ending at the middle.
    int halved = 0;
    for (AcDbObjectId id : Drawn())
        if (ReadBack<AcDbAlignedDimension> d(id); d && d->dimensionTextString().ends_with(L"/2")) {
            ++halved;
            EXPECT_NEAR(std::max(d->xLine1Point().x, d->xLine2Point().x), draw.m_dDetailMiddle, 1e-6);
        }
    EXPECT_GT(halved, 0);
}
