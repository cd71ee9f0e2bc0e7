// The stirrup and bar details: the sample's details laid out apart on its sheets, their segment
// labels adding up to the bar lengths, the stirrups' lengths in the quantity table, the
// strengthening bars' records, the hooked bars with their break and centre marks, the span
// centre lines of a half drawing, the drawers' edge cases and the step's refusals.
#include "DrawingDesignFixture.h"
#include "DrawnGeometry.h"

#include "AcDb3PointAngularDimension.h"
#include "AcDbArc.h"
#include "AcDbRadialDimension.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_DwgDataBase.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

namespace {

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

// A detail record of a bar drawn as a polyline through the points, each with the bulge of the
// segment that leaves it.
struct BarVertex {
    double x;
    double y;
    double bulge;
};
CHLGZ_SteelCode BarRecord(std::initializer_list<BarVertex> vertices)
{
    CHLGZ_SteelCode record;
    auto* pl = new AcDbPolyline();
    unsigned int i = 0;
    for (const BarVertex& v : vertices) {
        pl->addVertexAt(i++, AcGePoint2d(v.x, v.y), v.bulge);
        record.aPoints.append(P(v.x, v.y));
    }
    AcDbObjectId id;
    EXPECT_TRUE(AppendToModelSpace(pl, id));
    pl->close();
    record.aEntityIds.append(id);
    return record;
}

struct Box {
    double x0, y0, x1, y1;
    bool Overlaps(const Box& o) const
    {
        const double e = 1e-6;
        return x0 < o.x1 - e && o.x0 < x1 - e && y0 < o.y1 - e && o.y0 < y1 - e;
    }
};

// The box of a detail's entities: its extents less the margin they are widened by.
Box EntityBox(CHLGZ_SteelCode& record)
{
    record.GetExtents(0);
    return { record.ptMin.x + 3.0, record.ptMin.y + 3.0, record.ptMax.x - 3.0, record.ptMax.y - 3.0 };
}

CHLGZ_SteelCode* Mark(CGLGZ_EtDraw& draw, int number, int primes = 0)
{
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i)
        if (draw.m_steelCodes[i].nNumber == number && draw.m_steelCodes[i].nPrimed == primes)
            return &draw.m_steelCodes[i];
    return nullptr;
}

struct Label {
    AcGePoint3d at;
    std::wstring text;
    std::wstring layer;
};

std::vector<Label> Texts(const AcDbObjectIdArray& ids)
{
    std::vector<Label> out;
    for (const AcDbObjectId& id : ids) {
        ReadBack<AcDbText> text(id);
        if (text)
            out.push_back({ text->alignmentPoint(), text->textStringConst(), AcDbDatabase::symbolName(text->layerId()) });
    }
    return out;
}

bool HasText(const AcDbObjectIdArray& ids, const std::wstring& wanted)
{
    for (const Label& l : Texts(ids))
        if (l.text == wanted)
            return true;
    return false;
}

int CountOfType(const AcDbObjectIdArray& ids, const std::wstring& layer, bool polylines)
{
    int n = 0;
    for (const AcDbObjectId& id : ids) {
        ReadBack<AcDbEntity> e(id);
        if (!e || AcDbDatabase::symbolName(e->layerId()) != layer)
            continue;
        ReadBack<AcDbPolyline> pl(id);
        n += (pl ? polylines : !polylines) ? 1 : 0;
    }
    return n;
}

std::vector<AcGePoint3d> Vertices(AcDbObjectId id)
{
    std::vector<AcGePoint3d> v;
    ReadBack<AcDbPolyline> pl(id);
    for (unsigned int i = 0; pl && i < pl->numVerts(); ++i) {
        AcGePoint3d p;
        pl->getPointAt(i, p);
        v.push_back(p);
    }
    return v;
}

} // namespace

class Details : public DrawingDesignFixture {
protected:
    // The sample drawn whole, or without its details so that a test can run them itself.
    void DrawSample(CGLGZ_EtDraw& draw, int drawAll, const ModelChange& change = {})
    {
        LoadAsTheRun("sample.glt", change);
        AttachAsTheRun(draw);
        ASSERT_EQ(draw.Draw(drawAll), 1);
    }
};

// Every detail of the sample stands on a sheet, apart from every other one and from the title
// block; the bent-up bars and the bottom-plate bar hang in the top-plate bar's detail.
TEST_F(Details, TheSampleDetailsStandApartOnTheSheets)
{
    CGLGZ_EtDraw draw;
    DrawSample(draw, 1);
    std::vector<Box> boxes;
    std::vector<int> numbers;
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = draw.m_steelCodes[i];
        bool joined = CGLGZ_CapDraw::PlacementState(record) == -1;
        for (INT_PTR j = 0; j < draw.m_steelCodes.GetSize() && !record.aEntityIds.isEmpty() && !joined; ++j)
            joined = j != i && draw.m_steelCodes[j].aEntityIds.contains(record.aEntityIds[0]);
        if (record.aEntityIds.isEmpty() || joined)
            continue;
        EXPECT_TRUE(CGLGZ_CapDraw::IsPlaced(record)) << "mark " << record.nNumber;
        boxes.push_back(EntityBox(record));
        numbers.push_back(record.nNumber);
    }
    // Marks 1 to 20 but the hung ones (2, 5, 6, 7), the side bars and the four stirrups.
    EXPECT_EQ(boxes.size(), 21u);
    for (size_t i = 0; i < boxes.size(); ++i) {
        for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << "marks " << numbers[i] << " and " << numbers[j];
        bool onSheet = false;
        for (const AcGePoint3d& o : draw.m_ptsSheetOrigins) {
            const Box sheet { o.x - 20.0, o.y, o.x + 400.0, o.y + 277.0 };
            const Box titleBlock { o.x + 200.0, o.y, o.x + 400.0, o.y + 30.0 };
            const Box& b = boxes[i];
            onSheet = onSheet || (b.x0 >= sheet.x0 && b.x1 <= sheet.x1 && b.y0 >= sheet.y0 && b.y1 <= sheet.y1);
            EXPECT_FALSE(b.Overlaps(titleBlock)) << "mark " << numbers[i];
        }
        EXPECT_TRUE(onSheet) << "mark " << numbers[i];
    }
    for (int hung : { 2, 5, 6, 7 })
        EXPECT_EQ(CGLGZ_CapDraw::PlacementState(*Mark(draw, hung)), -3 + (hung == 2 ? 1 : 0)) << "mark " << hung;
    // The top-plate detail holds the others' entities and the pier columns' centre lines.
    CHLGZ_SteelCode& top = *Mark(draw, 1);
    for (int hung : { 2, 5, 6, 7 })
        EXPECT_TRUE(top.aEntityIds.contains(Mark(draw, hung)->aEntityIds[0])) << "mark " << hung;
    EXPECT_EQ(CountOfType(top.aEntityIds, L"13-中心", false), 3);
    EXPECT_EQ(CountOfType(top.aEntityIds, L"04-钢筋", true), 5);
    // The size table names the ends that differ by the letters the details show.
    EXPECT_TRUE(HasText(top.aEntityIds, L"a"));
    EXPECT_TRUE(HasText(top.aEntityIds, L"a'"));
    EXPECT_TRUE(HasText(top.aEntityIds, L"b"));
    EXPECT_TRUE(HasText(top.aEntityIds, L"b'"));
}

// The segment labels of a bar whose bars are all alike add up to its length (cm, each label
// rounded to 0.1); a welded end of an upper bent-up bar reads the weld with its 2 cm of lap.
TEST_F(Details, SegmentLabelsAddUpToTheBarLength)
{
    CGLGZ_EtDraw draw;
    DrawSample(draw, 0);
    CString weld;
    weld.Format(L"%.0f", (draw.GetWeldLength() + 20.0) / 10.0);
    int checked = 0;
    for (int i = 0; i < draw.m_nGroupedMarks; ++i) {
        CHLGZ_SteelCode record = draw.m_steelCodes[i];
        if (std::fabs(record.dMaxLength - record.dMinLength) > 1e-6 || record.aTags.isEmpty())
            continue;
        const int tag = record.aTags[0];
        CHLGZ_BASSteel* bar = draw.FindKindBar(tag);
        ASSERT_NE(bar, nullptr) << "mark " << record.nNumber;
        record.aEntityIds.removeAll();
        record.aEntityIds.append(CGLGZ_CapDraw::CopyEntityToModelSpace(tag > 0 ? bar->GetFirstId() : bar->GetSecondId()));
        record.aPoints = tag > 0 ? bar->GetFirstPoints() : bar->GetSecondPoints();
        switch (bar->GetKind()) {
        case 1: draw.DrawBottomPlateBarDetail(record); break;
        case 2:
        case 3: draw.DrawStraightBarDetail(record); break;
        case 4: draw.DrawUpperBentBarDetail(record, 0.0, 0); break;
        case 5: draw.DrawSupportUpperBentBarDetail(record); break;
        case 6: draw.DrawLowerBentBarDetail(record, 0.0); break;
        case 7: draw.DrawSupportLowerBentBarDetail(record); break;
        default: draw.DrawTopPlateBarDetail(record); break;
        }
        // The labels at the middle of a run of the shape (slope triangles' texts are not).
        const std::vector<AcGePoint3d> v = Vertices(record.aEntityIds[0]);
        double sum = 0.0;
        int labels = 0;
        for (const Label& l : Texts(record.aEntityIds)) {
            bool onRun = false;
            for (size_t a = 0; a < v.size() && !onRun; ++a)
                for (size_t b = a + 1; b < v.size() && !onRun; ++b)
                    onRun = l.at.distanceTo(MidPoint(v[a], v[b])) < 0.5;
            if (!onRun)
                continue;
            const bool welded = bar->GetKind() == 4 && l.text == weld.GetString();
            sum += std::wcstod(l.text.c_str(), nullptr) - (welded ? 2.0 : 0.0);
            ++labels;
        }
        EXPECT_GT(labels, 0) << "mark " << record.nNumber;
        EXPECT_NEAR(sum, record.dMaxLength * 100.0, 0.05 * labels + 1e-6) << "mark " << record.nNumber;
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

// The stirrups' marks get their mean lengths from the details: the quantity table no longer
// shows them 0 long, and each stirrup is drawn with its width across and its height down.
TEST_F(Details, StirrupsTakeTheirMeanLengthIntoTheTable)
{
    CGLGZ_EtDraw draw;
    DrawSample(draw, 1);
    for (int number = 24; number <= 27; ++number) {
        CHLGZ_SteelCode* stirrup = Mark(draw, number);
        ASSERT_NE(stirrup, nullptr);
        ASSERT_GT(stirrup->nCount, 0);
        EXPECT_NEAR(stirrup->dAverageLength, stirrup->dTotalLength / stirrup->nCount, 1e-9) << number;
        EXPECT_GT(stirrup->dAverageLength, 0.5) << number;
        EXPECT_EQ(stirrup->nDiameter, 12);
        const std::vector<AcGePoint3d> v = Vertices(stirrup->aEntityIds[0]);
        ASSERT_EQ(v.size(), 5u);
        EXPECT_NEAR(v[1].y, v[0].y, 1e-9) << "the width runs across";
        // The length column of the table reads the mean, rounded to cm.
        const CString length = FormatFixed(stirrup->dAverageLength * 100.0, 0);
        bool inTable = false;
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<AcDbText> t(id);
            inTable = inTable || (t && layerOf(id) == L"09-文本" && t->textStringConst() == std::wstring(length));
        }
        EXPECT_TRUE(inTable) << number;
    }
    EXPECT_TRUE(Has(transcript(), L"钢筋总重"));
}

// The sample's strengthening bars over the pier columns: the edge columns' bars make mark 19
// and the middle columns' mark 20, each a two-part bar with its hooks down and the column's
// centre line, counted with its hooks in the quantities.
TEST_F(Details, StrengtheningBarsOverThePierColumnsGetMarksAndDetails)
{
    CGLGZ_EtDraw draw;
    DrawSample(draw, 1);
    const CHLGZ_ExtendSteel& steel = draw.m_pDesign->GetExtendSteel();
    const double h = GetHookLength(steel.GetTopDiameter(), steel.GetTopBarType(), 90, 0.0);
    const struct {
        int number;
        int count;
        double length;
    } cases[] = { { 19, 8, 2.7 }, { 20, 4, 3.2 } };
    for (const auto& c : cases) {
        CHLGZ_SteelCode* record = Mark(draw, c.number);
        ASSERT_NE(record, nullptr) << c.number;
        EXPECT_EQ(record->nCount, c.count);
        EXPECT_EQ(record->nDiameter, steel.GetTopDiameter());
        EXPECT_NEAR(record->dAverageLength, c.length + 2.0 * h / 1000.0, 1e-9);
        EXPECT_TRUE(CGLGZ_CapDraw::IsPlaced(*record));
        EXPECT_TRUE(HasText(record->aEntityIds, L"墩柱中心线"));
        ASSERT_EQ(record->aFurtherPoints.length(), 5);
        EXPECT_LT(record->aFurtherPoints[0].y, record->aFurtherPoints[1].y) << "hooks down";
    }
}

// Groups of strengthening bars: one record a group, the further groups primed under the same
// number and shortened by the step; a step below 1 mm makes one group; with the middle
// columns' bars the same as the edge columns', all of them are drawn as the edge columns' set.
TEST_F(Details, StrengtheningGroupsMergesAndSteps)
{
    const struct {
        double step;
        int same;
        std::vector<int> primes;
        std::vector<int> counts;
    } cases[] = {
        { 100.0, 0, { 0, 1, 0 }, { 2, 2, 1 } },
        { 0.5, 0, { 0, 0 }, { 4, 1 } },
        { 100.0, 1, { 0, 1 }, { 3, 2 } },
    };
    for (const auto& c : cases) {
        CGLGZ_EtDraw draw;
        LoadAsTheRun("sample.glt");
        AttachAsTheRun(draw);
        draw.PrepareDrawing();
        CHLGZ_ExtendSteel& steel = model.GetExtendSteel();
        steel.SetMultiLayerDecrement(c.step);
        steel.SetEdgeTopSwitch(1);
        steel.SetMiddleTopSwitch(1);
        steel.SetSameAsEdgeSwitch(c.same);
        for (int n = 1; n <= 3; ++n) {
            CHLGZ_SteelCode record;
            record.nNumber = n;
            draw.m_steelCodes.Add(record);
        }
        draw.m_nLongitudinalRecords = 3;
        CGLGZ_EtDraw::AddStrengtheningBars(draw.m_edgeTopBars, 2, 2.7);
        CGLGZ_EtDraw::AddStrengtheningBars(draw.m_edgeTopBars, 2, 2.7);
        draw.m_edgeTopBars.aTags[1] = 0;
        draw.m_edgeTopBars.aTags[2] = 1;
        CGLGZ_EtDraw::AddStrengtheningBars(draw.m_middleTopBars, 1, 3.2);
        draw.DrawStrengtheningBars();
        ASSERT_EQ(draw.m_nLongitudinalRecords, 3 + static_cast<int>(c.primes.size())) << c.step;
        for (size_t k = 0; k < c.primes.size(); ++k) {
            const CHLGZ_SteelCode& record = draw.m_steelCodes[3 + static_cast<INT_PTR>(k)];
            EXPECT_EQ(record.nPrimed, c.primes[k]) << c.step << " record " << k;
            EXPECT_EQ(record.nCount, c.counts[k]) << c.step << " record " << k;
            EXPECT_EQ(CGLGZ_CapDraw::PlacementState(record), 4);
        }
        EXPECT_EQ(draw.m_steelCodes[3].nNumber, 4);
        if (!c.same && c.primes.size() > 1 && c.primes[1] == 1) {
            EXPECT_EQ(draw.m_steelCodes[4].nNumber, 4);
            EXPECT_NEAR(draw.m_steelCodes[3].dTotalLength - draw.m_steelCodes[4].dTotalLength, 0.2, 1e-9);
        }
    }
}

// A hooked bar beyond 4000 mm is drawn 4000 long with a break mark, clear of its centre line
// when it has one; a two-part bar of 8000 is drawn halved; one of no length draws nothing.
TEST_F(Details, HookedBarsAreShortenedWithABreakAndMarkTheirCentre)
{
    CGLGZ_EtDraw draw;
    LoadAsTheRun("sample.glt");
    AttachAsTheRun(draw);
    draw.PrepareDrawing();
    const double s = draw.m_dScale;
    const struct {
        double metres;
        int centre;
        int breaks;
    } cases[] = { { 5.0, 0, 1 }, { 5.0, 1, 1 }, { 2.0, 1, 0 } };
    for (const auto& c : cases) {
        CHLGZ_SteelCode record;
        record.nBarType = 1;
        record.nDiameter = 12;
        record.dMaxLength = record.dMinLength = c.metres;
        ASSERT_EQ(draw.DrawHookedBarDetail(record, c.centre), 1);
        const double h = GetHookLength(12, 1, 90, 0.0);
        const double straight = std::min(c.metres * 1000.0 - 2.0 * h, 4000.0);
        ASSERT_EQ(record.aPoints.length(), 4);
        EXPECT_NEAR(record.aPoints[2].x - record.aPoints[1].x, straight / s, 1e-9) << c.metres;
        EXPECT_NEAR(record.aPoints[1].y, h / s, 1e-9);
        EXPECT_EQ(CountOfType(record.aEntityIds, L"02-结构", true), c.breaks) << c.metres;
        EXPECT_EQ(HasText(record.aEntityIds, L"盖梁跨径中心线"), c.centre != 0) << c.metres;
        if (c.breaks) {
            // The break stands a quarter along, or 5 left of the middle beside a centre line.
            const double expected = c.centre ? -5.0 : -straight / s / 4.0;
            bool found = false;
            for (const AcDbObjectId& id : record.aEntityIds) {
                if (layerOf(id) != L"02-结构")
                    continue;
                const std::vector<AcGePoint3d> v = Vertices(id);
                found = v.size() == 4 && std::fabs((v[0].x + v[3].x) / 2.0 - expected) < 1e-9;
            }
            EXPECT_TRUE(found) << c.metres << " " << c.centre;
        }
    }
    CHLGZ_SteelCode two;
    two.nBarType = 1;
    ASSERT_EQ(draw.DrawTwoPartBarDetail(two, 6000.0, 6000.0, 2000.0, 1, 1), 1);
    ASSERT_EQ(two.aPoints.length(), 5);
    EXPECT_NEAR(two.aPoints[1].x, -3000.0 / s, 1e-9);
    EXPECT_NEAR(two.aPoints[3].x, 1000.0 / s, 1e-9);
    EXPECT_LT(two.aPoints[0].y, 0.0);
    EXPECT_TRUE(HasText(two.aEntityIds, L"墩柱中心线"));
    EXPECT_EQ(CountOfType(two.aEntityIds, L"02-结构", true), 1);
    CHLGZ_SteelCode none;
    MarkDrawn();
    EXPECT_EQ(draw.DrawTwoPartBarDetail(none, 0.0, 0.0, 0.0, 0, 1), 0);
    EXPECT_TRUE(Drawn().empty());
}

// A half drawing hangs its centre lines over the drawn half: with an odd number of supports
// the first half's columns only; with an even number also the span's middle, named down it.
TEST_F(Details, SpanCentreLinesOfAHalfDrawing)
{
    for (int supports : { 3, 4 }) {
        CGLGZ_EtDraw draw;
        LoadAsTheRun("sample.glt");
        AttachAsTheRun(draw);
        draw.PrepareDrawing();
        draw.m_bHalfDrawing = 1;
        AcGeDoubleArray distances;
        for (int k = 0; k < supports; ++k)
            distances.append(1000.0);
        draw.m_pSupports = &distances;
        draw.m_lines.RemoveAll();
        for (int k = 0; k < 4 + supports; ++k)
            draw.m_lines.Add(LineInfo { P(k < 4 ? k * 100.0 : 20.0 * k, 0.0), P(0.0, 0.0) });
        CHLGZ_SteelCode top;
        CHLGZ_SteelCode bottom;
        for (int i = 0; i < 3; ++i) {
            top.aFurtherPoints.append(P(i, 50.0));
            bottom.aFurtherPoints.append(P(i, 10.0));
        }
        draw.m_steelCodes.Add(top);
        draw.m_steelCodes.Add(bottom);
        draw.DrawSpanCentreLines(0, 1);
        const AcDbObjectIdArray& ids = draw.m_steelCodes[0].aEntityIds;
        const int columns = (supports + 1) / 2;
        EXPECT_EQ(CountOfType(ids, L"13-中心", false), columns + (supports % 2 == 0 ? 1 : 0)) << supports;
        EXPECT_EQ(HasText(ids, L"盖"), supports % 2 == 0) << supports;
        EXPECT_EQ(static_cast<int>(Texts(ids).size()), supports % 2 == 0 ? 7 : 0);
    }
}

// The drawers' edge cases: a slope triangle of a vertical segment draws nothing and one of 1:3
// its legs "1" and "3"; a stirrup without hooks is the bare polyline through its points; a plate
// bar of one vertex gets no label, a straight bar of one vertex nothing.
TEST_F(Details, DrawerEdgeCases)
{
    CGLGZ_EtDraw draw;
    LoadAsTheRun("sample.glt");
    AttachAsTheRun(draw);
    draw.PrepareDrawing();
    AcDbObjectIdArray ids;
    draw.DrawSlopeTriangle(P(0.0, 0.0), P(0.0, 10.0), 5.0, 9.0, ids);
    EXPECT_TRUE(ids.isEmpty());
    draw.DrawSlopeTriangle(P(0.0, 3.0), P(9.0, 0.0), 5.0, 9.0, ids);
    EXPECT_EQ(ids.length(), 5);
    EXPECT_TRUE(HasText(ids, L"1"));
    EXPECT_TRUE(HasText(ids, L"3"));

    CHLGZ_SteelCode stirrup;
    stirrup.nDiameter = 12;
    for (const AcGePoint3d& p : { P(0, 0), P(30, 0), P(30, -20), P(0, -20), P(0, 0) })
        stirrup.aPoints.append(p);
    CHLGZ_SteelCode hooked = stirrup;
    CGLGZ_CapDraw::NoHookFlag(stirrup) = 1;
    draw.DrawStirrupDetail(stirrup);
    ASSERT_EQ(stirrup.aEntityIds.length(), 1);
    const std::vector<AcGePoint3d> bare = Vertices(stirrup.aEntityIds[0]);
    ASSERT_EQ(bare.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Same(bare[static_cast<size_t>(i)], stirrup.aPoints[i]));
    draw.DrawStirrupDetail(hooked);
    EXPECT_EQ(hooked.aEntityIds.length(), 5) << "the stirrup, two arcs and two legs";

    for (int kind : { 0, 1, 2 }) {
        CHLGZ_SteelCode one;
        AcArray<AcGePoint3d> single;
        single.append(P(0.0, 0.0));
        AcDbObjectId id;
        auto* pl = new AcDbPolyline();
        pl->addVertexAt(0, AcGePoint2d(0.0, 0.0));
        ASSERT_TRUE(AppendToModelSpace(pl, id));
        pl->close();
        one.aEntityIds.append(id);
        if (kind == 0)
            draw.DrawTopPlateBarDetail(one);
        else if (kind == 1)
            draw.DrawBottomPlateBarDetail(one);
        else
            draw.DrawStraightBarDetail(one);
        EXPECT_EQ(one.aEntityIds.length(), 1) << kind;
    }
}

// What the step refuses: a bar mark without a shape and a stirrup of one point are reported and
// left without a detail; a list of one record hangs nothing; every time the quantity table is
// drawn all the same.
TEST_F(Details, MarksWithoutShapeOrStirrupPointsAreReportedAndLeftOut)
{
    CGLGZ_EtDraw draw;
    DrawSample(draw, 0);
    CHLGZ_SteelCode& lost = draw.m_steelCodes[3];
    lost.aTags[0] = 999;
    const int lostNumber = lost.nNumber;
    CHLGZ_SteelCode& stirrup = draw.m_steelCodes[draw.m_steelCodes.GetSize() - 1];
    stirrup.aPoints.setLogicalLength(1);
    const int stirrupNumber = stirrup.nNumber;
    // A closing mark that holds bars: a hooked bar with its length without the hooks.
    CHLGZ_SteelCode& closing = draw.m_steelCodes[draw.m_nGroupedMarks];
    closing.nCount = 4;
    closing.dMinLength = closing.dMaxLength = 3.0;
    closing.dTotalLength = 12.0;
    closing.dAverageLength = 0.0;
    const int closingNumber = closing.nNumber;
    const double hooks = 2.0 * GetHookLength(closing.nDiameter, closing.nBarType, 90, 0.0) / 1000.0;
    app().transcript().clear();
    EXPECT_EQ(draw.DrawStirrupDetails(), 1);
    const CHLGZ_SteelCode& hooked = *Mark(draw, closingNumber);
    EXPECT_EQ(hooked.aFurtherPoints.length(), 4);
    EXPECT_TRUE(HasText(hooked.aEntityIds, std::wstring(FormatFixed((3.0 - hooks) * 100.0, -1))));
    EXPECT_NEAR(hooked.dAverageLength, 3.0, 1e-9);
    EXPECT_TRUE(CGLGZ_CapDraw::IsPlaced(hooked));
    EXPECT_TRUE(Has(transcript(), L"内部错误0607221445\n"));
    EXPECT_TRUE(Has(transcript(), L"一个箍筋无法绘制大样!\n"));
    EXPECT_TRUE(Mark(draw, lostNumber)->aEntityIds.isEmpty());
    EXPECT_TRUE(Mark(draw, stirrupNumber)->aEntityIds.isEmpty());
    EXPECT_TRUE(Has(transcript(), L"钢筋总重"));

    CGLGZ_EtDraw single;
    app().docManager().newDocument();
    DrawSample(single, 0);
    single.m_steelCodes.SetSize(1);
    single.m_nGroupedMarks = 1;
    single.m_nClosingMarks = 0;
    app().transcript().clear();
    EXPECT_EQ(single.DrawStirrupDetails(), 1);
    EXPECT_TRUE(Has(transcript(), L"钢筋总重"));
}

// A detail wider than a whole row fits nowhere: the packing says so, leaves it where it is and
// still draws the quantity table.
TEST_F(Details, ADetailWiderThanARowFitsNowhere)
{
    CGLGZ_EtDraw draw;
    DrawSample(draw, 0);
    draw.m_steelCodes.SetSize(2);
    for (int i = 0; i < 2; ++i) {
        CHLGZ_SteelCode& record = draw.m_steelCodes[i];
        record.aEntityIds.removeAll();
        AcDbObjectId id;
        draw.DrawLine(P(0.0, -10.0 * i), P(i == 0 ? 50.0 : 500.0, -10.0 * i), &id);
        record.aEntityIds.append(id);
        record.GetExtents(0);
        CGLGZ_CapDraw::PlacementState(record) = 2;
    }
    const AcGePoint3d before = draw.m_steelCodes[1].ptMin;
    app().transcript().clear();
    EXPECT_EQ(draw.ArrangeDetailsInRows(), 0);
    EXPECT_TRUE(Same(draw.m_steelCodes[1].ptMin, before));
    EXPECT_TRUE(Has(transcript(), L"钢筋总重"));
}

// A bend of a bar: the angle with the arc's length (cm); a straight bar and an upper bent-up bar
// at a support a radial dimension with the design's bend radius, a lower bent-up bar its two
// radius lines and "R=" with the radius of the arc.
TEST_F(Details, BendsGetTheirArcLengthAndRadius)
{
    CGLGZ_EtDraw draw;
    LoadAsTheRun("sample.glt");
    AttachAsTheRun(draw);
    draw.PrepareDrawing();
    const double s = draw.m_dScale;
    // A quarter circle of radius 4 between two straight runs.
    const double bulge = std::tan(3.1415926535 / 8.0);
    for (int kind : { 2, 5, 7 }) {
        CHLGZ_SteelCode record = BarRecord({ { 0, 10, 0 }, { 0, 4, bulge }, { 4, 0, 0 }, { 20, 0, 0 } });
        if (kind == 2)
            draw.DrawStraightBarDetail(record);
        else if (kind == 5)
            draw.DrawSupportUpperBentBarDetail(record);
        else
            draw.DrawSupportLowerBentBarDetail(record);
        const CString arc = FormatFixed(2.0 * 3.1415926535 * 4.0 / 4.0 * s / 10.0, -1);
        int angular = 0;
        int radial = 0;
        for (const AcDbObjectId& e : record.aEntityIds) {
            if (ReadBack<AcDb3PointAngularDimension> dim(e); dim) {
                ++angular;
                EXPECT_EQ(dim->dimensionTextString(), std::wstring(arc)) << kind;
                EXPECT_TRUE(Same(dim->centerPoint(), P(4.0, 4.0), 1e-6)) << kind;
            }
            if (ReadBack<AcDbRadialDimension> dim(e); dim) {
                ++radial;
                EXPECT_EQ(dim->dimensionTextString(), L"R32") << kind;
            }
        }
        EXPECT_EQ(angular, 1) << kind;
        EXPECT_EQ(radial, kind == 7 ? 0 : 1) << kind;
        EXPECT_EQ(HasText(record.aEntityIds, L"R=" + std::wstring(FormatFixed(4.0 * s / 10.0, -1))), kind == 7) << kind;
        EXPECT_TRUE(HasText(record.aEntityIds, L"80")) << kind;
    }
}

// The skew-section drawing draws its bends with the same drawers: a straight bar's radial
// dimension reads "R=", an upper bent-up bar at a support is drawn as a lower one (radius lines
// and "R="), and an end whose length differs between the bars reads the range of that end's
// lengths, longest first, where the normal-section drawing writes a letter.
TEST_F(Details, SkewBendsAndDifferingEndsAreDrawnByTheSharedDrawers)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("square-two-columns.glt");
    AttachAsTheRun(draw);
    draw.PrepareDrawing();
    const double s = draw.m_dScale;
    const std::wstring radius = L"R=" + std::wstring(FormatFixed(model.GetMoreInfo().GetBendRadius() / 10.0, -1));
    const double bulge = std::tan(3.1415926535 / 8.0);
    auto bent = [&]() {
        CHLGZ_SteelCode record;
        auto* pl = new AcDbPolyline();
        pl->addVertexAt(0, AcGePoint2d(0.0, 10.0));
        pl->addVertexAt(1, AcGePoint2d(0.0, 4.0), bulge);
        pl->addVertexAt(2, AcGePoint2d(4.0, 0.0));
        pl->addVertexAt(3, AcGePoint2d(20.0, 0.0));
        AcDbObjectId id;
        EXPECT_TRUE(AppendToModelSpace(pl, id));
        pl->close();
        record.aEntityIds.append(id);
        for (const AcGePoint3d& p : { P(0, 10), P(0, 4), P(4, 0), P(20, 0) })
            record.aPoints.append(p);
        return record;
    };
    CHLGZ_SteelCode straight = bent();
    draw.DrawStraightBarDetail(straight);
    bool radial = false;
    for (const AcDbObjectId& e : straight.aEntityIds)
        if (ReadBack<AcDbRadialDimension> dim(e); dim)
            radial = radial || dim->dimensionTextString() == radius;
    EXPECT_TRUE(radial);
    CHLGZ_SteelCode support = bent();
    draw.DrawSupportLowerBentBarDetail(support);
    EXPECT_TRUE(HasText(support.aEntityIds, L"R=" + std::wstring(FormatFixed(4.0 * s / 10.0, -1))));
    // The first run of 6 units differs: the others hold 16 units and the quarter circle.
    CHLGZ_SteelCode upper = bent();
    upper.dMinLength = 1.8;
    upper.dMaxLength = 2.0;
    draw.m_nVaryingEnds = 3;
    draw.m_bHalfDrawing = 0;
    draw.DrawUpperBentBarDetail(upper, 0.0, 0);
    draw.m_nVaryingEnds = 0;
    const double fixed = 2.0 * 3.1415926535 * 4.0 / 4.0 * s / 1000.0;
    const std::wstring range = std::wstring(FormatFixed((2.0 - fixed) * 100.0, -1)) + L"~"
        + std::wstring(FormatFixed((1.8 - fixed) * 100.0, -1));
    int ranges = 0;
    for (const Label& l : Texts(upper.aEntityIds))
        ranges += l.text == range ? 1 : 0;
    EXPECT_EQ(ranges, 2) << "both ends, neither primed";
}

// A half drawing's lower bent-up bar, cut at the middle, keeps nothing of its detail past the
// cut: the bend beyond it loses its angle, its radius lines and its "R=" with the polyline,
// while the bend before it keeps them.
TEST_F(Details, ABendPastTheCutOfAHalfDrawingKeepsNoDimension)
{
    CGLGZ_BtDraw draw;
    LoadAsTheRun("abutment.glt");
    AttachAsTheRun(draw);
    draw.PrepareDrawing();
    draw.m_bHalfDrawing = 1;
    const double bulge = std::tan(3.1415926535 / 8.0);
    // A bar hooked up at either end, its right hook past the cut at x = 30.
    CHLGZ_SteelCode record
        = BarRecord({ { 0, 10, 0 }, { 0, 4, bulge }, { 4, 0, 0 }, { 40, 0, bulge }, { 44, 4, 0 }, { 44, 10, 0 } });
    const double cut = 30.0;
    draw.DrawLowerBentBarDetail(record, cut);
    int radii = 0;
    for (const Label& l : Texts(record.aEntityIds)) {
        EXPECT_LE(l.at.x, cut + 1e-6);
        radii += l.text.rfind(L"R=", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(radii, 1);
    for (int i = 1; i < record.aEntityIds.length(); ++i) {
        ReadBack<AcDbEntity> e(record.aEntityIds[i]);
        AcDbExtents box;
        ASSERT_TRUE(e && e->getGeomExtents(box) == Acad::eOk);
        EXPECT_LE(box.minPoint().x, cut + 1e-6);
    }
    int angles = 0;
    for (const AcDbObjectId& e : record.aEntityIds)
        angles += ReadBack<AcDb3PointAngularDimension>(e) ? 1 : 0;
    EXPECT_EQ(angles, 1);
}

// Beside a half plan (the abutment cap drawn in normal sections): the top-plate detail with all
// it holds stands at the stirrup details' level, cut at the middle; the quantity table stands
// beside the column sections with the stirrups centred in a row under it; what finds no room
// is stacked right of the frame. (The packing as it places them, before the items are settled
// on the sheets.)
TEST_F(Details, DetailsBesideAHalfPlan)
{
    CGLGZ_EtDraw draw;
    LoadAsTheRun("abutment.glt");
    AttachAsTheRun(draw);
    draw.m_bSettleItems = 0;
    ASSERT_EQ(draw.Draw(1), 1);
    ASSERT_EQ(draw.m_bHalfDrawing, 1);
    ASSERT_EQ(draw.m_bHalfPlan, 1);
    CHLGZ_SteelCode& top = *Mark(draw, 1);
    top.GetExtents(0);
    EXPECT_NEAR(top.ptMax.y, draw.m_ptStirrupDetails.y, 1e-6);
    // The plate bars end at the middle line, which the centre-line text stands beside.
    double middle = 0.0;
    for (const Label& l : Texts(top.aEntityIds))
        if (l.text == L"盖")
            middle = l.at.x - draw.m_dLabelHeight;
    ASSERT_NE(middle, 0.0);
    for (const AcGePoint3d& v : Vertices(top.aEntityIds[0]))
        EXPECT_LE(v.x, middle + 1e-6);
    // The first row of stirrups under the table, centred under it.
    const AcGePoint3d table = draw.HalfPlanTablePoint();
    const double level = table.y - ((draw.m_steelCodes.GetSize() + 1) * 5.0 + 8.0 + 7.0) - 2.0;
    double left = 1e300;
    double right = -1e300;
    int inRow = 0;
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = draw.m_steelCodes[i];
        if (record.aEntityIds.isEmpty())
            continue;
        record.GetExtents(0);
        if (std::abs(CGLGZ_CapDraw::PlacementState(record)) == 5 && std::fabs(record.ptMax.y - level) < 1e-6) {
            left = std::min(left, record.ptMin.x);
            right = std::max(right, record.ptMax.x);
            ++inRow;
        }
        const AcGePoint3d& o = draw.m_ptsSheetOrigins.first();
        // A record joined to another stands where that one put it; a label at its edge may have
        // made way for another along its line since.
        if (CGLGZ_CapDraw::PlacementState(record) != -1 && record.ptMin.x >= o.x + draw.m_frame.m_dWidth) {
            const double edge = o.x + draw.m_frame.m_dWidth + 10.0;
            EXPECT_LE(record.ptMin.x, edge + 0.1) << "mark " << record.nNumber;
            double bars = 1e300;
            for (const AcDbObjectId& id : record.aEntityIds)
                if (AcDbPolyline* pl = nullptr; acdbOpenObject(pl, id, AcDb::kForRead) == Acad::eOk) {
                    for (unsigned int k = 0; k < pl->numVerts(); ++k) {
                        AcGePoint3d p;
                        pl->getPointAt(k, p);
                        bars = std::min(bars, p.x);
                    }
                    pl->close();
                }
            EXPECT_GE(bars, edge - 0.1) << "mark " << record.nNumber;
        }
    }
    ASSERT_GT(inRow, 0);
    EXPECT_NEAR((left + right) / 2.0, table.x + 1.5, 1e-6);
}
