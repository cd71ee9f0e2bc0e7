// The bar marks of the normal-section drawing: shapes compared step by step, drawn bars
// measured, the sample's bars grouped over its three skeleton kinds (one mark a part every kind
// plays, equal lengths and equal shapes sharing a mark, counts by the kinds' columns, lengths
// in metres), the marks written onto the bars and drawn in the elevation, and the closing marks.
#include "DrawingDesignFixture.h"

#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_DwgDataBase.h"
#include "CTov_InitDraw.h"

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

AcGePoint3dArray Points(std::initializer_list<std::pair<double, double>> list)
{
    AcGePoint3dArray out;
    for (const auto& [x, y] : list)
        out.append(AcGePoint3d(x, y, 0.0));
    return out;
}

const CHLGZ_SteelCode* MarkNumbered(const CGLGZ_EtDraw& draw, int number)
{
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i)
        if (draw.m_steelCodes[i].nNumber == number)
            return &draw.m_steelCodes[i];
    return nullptr;
}

std::vector<int> Tags(const CHLGZ_SteelCode& mark) { return std::vector<int>(mark.aTags.begin(), mark.aTags.end()); }

} // namespace

class BarGrouping : public DrawingDesignFixture {
protected:
    // The example as the entry has it when the views begin: checked, numbered, the
    // strengthening bars reported, its skeletons planned, the views laid out and the section
    // view drawn.
    void Prepare(CGLGZ_EtDraw& draw, const char* example, const Change& change = {})
    {
        LoadAsTheRun(example, {}, change);
        AttachAsTheRun(draw);
        ASSERT_NO_FATAL_FAILURE(RunEntryToSectionView(draw));
        app().transcript().clear();
    }
};

// Steps compared within 0.001: the same steps, mirrored ones, one list read backwards, and
// the lists that cannot be compared.
TEST(BarShapeComparison, AreTheSameWhenTheirStepsAgreeMirroredOrReadBackwards)
{
    const AcGePoint3dArray a = Points({ { 0, 0 }, { 1, 0 }, { 3, 2 }, { 7, 2 } });
    struct Case {
        const char* what;
        AcGePoint3dArray a;
        AcGePoint3dArray b;
        int expected;
    } cases[] = {
        { "same steps elsewhere", a, Points({ { 10, 5 }, { 11, 5 }, { 13, 7 }, { 17, 7 } }), 1 },
        { "within the tolerance", a, Points({ { 0, 0 }, { 1.0005, 0 }, { 3, 2.0009 }, { 7, 2 } }), 1 },
        { "one step off", a, Points({ { 0, 0 }, { 1, 0 }, { 3, 2.002 }, { 7, 2.002 } }), 0 },
        { "mirrored left to right", a, Points({ { 0, 0 }, { -1, 0 }, { -3, 2 }, { -7, 2 } }), -1 },
        { "read backwards", Points({ { 0, 0 }, { 1, 0 }, { 2, 1 } }), Points({ { 2, 1 }, { 1, 0 }, { 0, 0 } }), 1 },
        { "vertical in one only, orientation open", Points({ { 0, 0 }, { 1, 0 }, { 1, 1 } }),
            Points({ { 1, 1 }, { 1, 0 }, { 0, 0 } }), 0 },
        { "leading vertical steps not compared", Points({ { 0, 0 }, { 0, 5 }, { 2, 5 } }),
            Points({ { 0, 0 }, { 0, 3 }, { 2, 3 } }), 1 },
        { "every step vertical", Points({ { 0, 0 }, { 0, 5 } }), Points({ { 3, 0 }, { 3, 5 } }), 0 },
        { "different counts", a, Points({ { 0, 0 }, { 1, 0 }, { 3, 2 } }), 0 },
        { "one point", Points({ { 0, 0 } }), Points({ { 0, 0 } }), 0 },
        { "an upper bend against a lower one", a, Points({ { 0, 0 }, { 1, 0 }, { 3, -2 }, { 7, -2 } }), 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGLGZ_CapDraw::IsSameShape(c.a, c.b), c.expected) << c.what;
}

// A polyline's length in drawing units, also once erased; nothing for other entities.
TEST_F(BarGrouping, DrawnBarsMeasureTheirPolylinesErasedOrNot)
{
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0.0, 0.0));
    polyline->addVertexAt(1, AcGePoint2d(3.0, 4.0));
    polyline->addVertexAt(2, AcGePoint2d(3.0, 10.0));
    AcDbObjectId id;
    ASSERT_TRUE(AppendToModelSpace(polyline, id));
    polyline->close();
    AcDbObjectId lineId;
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0));
    ASSERT_TRUE(AppendToModelSpace(line, lineId));
    line->close();
    EXPECT_DOUBLE_EQ(CGLGZ_CapDraw::GetPolylineLength(id), 11.0);
    EXPECT_EQ(CGLGZ_CapDraw::GetPolylineLength(lineId), 0.0);
    EXPECT_EQ(CGLGZ_CapDraw::GetPolylineLength(AcDbObjectId::kNull), 0.0);
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForWrite), Acad::eOk);
    entity->erase();
    entity->close();
    EXPECT_DOUBLE_EQ(CGLGZ_CapDraw::GetPolylineLength(id), 11.0) << "a kind tried out and wiped";
}

// The sample's kinds A (columns 1 and 5 of the skeleton columns), B (2 and 4) and C (3): every
// part the kinds play is one mark of five bars; the top and bottom straight bars at the
// supports of one length share a mark; the branches of the upper bent-up bars that stop at a
// support share one by shape, mirrored or not, and the first support's outer branch, drawn in
// kind A only, is a mark of two bars. The skeleton bars' grade and size are the design's; the
// closing marks follow the three strengthening marks. Lengths are metres.
TEST_F(BarGrouping, TheSamplesBarsShareMarksByPartLengthAndShape)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    ASSERT_EQ(draw.m_nStrengtheningMode, 3);
    draw.ShapeShownSkeletonKind();
    ASSERT_EQ(draw.m_faces.GetSize(), 3);
    struct Expected {
        int number;
        std::vector<int> tags;
        int count;
        double shortest;
        double longest;
    } expected[] = {
        { 1, { 10, 10, 10 }, 5, 13.331, 13.331 },
        { 2, { 11, 11, 11 }, 5, 14.5125, 14.5125 },
        { 3, { 16, 16, 16 }, 5, 11.2, 11.2 },
        { 4, { 15, 15, 15 }, 5, 8.9, 8.9 },
        { 5, { 13, 13, 13 }, 5, 14.1986, 14.1986 },
        { 6, { 12, 12, 12 }, 5, 14.671, 14.691 },
        { 7, { 14, 14, 14 }, 5, 11.0308, 11.1909 },
        { 8, { 19, 19, 19, 24, 24, 24 }, 10, 4.0, 4.0 },
        { 9, { 29, 29, 29 }, 5, 3.8061, 4.0 },
        { 10, { 18, 18, 18, 23, 23, 23 }, 10, 1.7, 1.7 },
        { 11, { -21, -21, -21, 26, 26, 26, -26, -26, -26, 31, 31, 31 }, 20, 1.891, 1.891 },
        { 12, { 17, 17, 17 }, 5, 2.8033, 3.0173 },
        { 13, { 25, 25, 25 }, 5, 4.8844, 4.8844 },
        { 14, { 22, 22, 22 }, 5, 3.2414, 3.2414 },
        { 15, { 27, 27, 27 }, 5, 2.4939, 2.8033 },
        { 16, { 21 }, 2, 1.4568, 1.4568 },
        { 17, { 20, 20, 20 }, 5, 4.4945, 4.6039 },
        { 18, { 30, 30, 30 }, 5, 4.3851, 4.4945 },
    };
    ASSERT_EQ(draw.m_steelCodes.GetSize(), 20);
    EXPECT_EQ(draw.m_nGroupedMarks, 18);
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(expected[i].number);
        const CHLGZ_SteelCode& mark = draw.m_steelCodes[i];
        EXPECT_EQ(mark.nNumber, expected[i].number);
        EXPECT_EQ(mark.nPrimed, 0);
        EXPECT_EQ(Tags(mark), expected[i].tags);
        EXPECT_EQ(mark.nCount, expected[i].count);
        EXPECT_EQ(mark.nDiameter, 32);
        EXPECT_EQ(mark.nBarType, 1);
        EXPECT_NEAR(mark.dMinLength, expected[i].shortest, 1e-4);
        EXPECT_NEAR(mark.dMaxLength, expected[i].longest, 1e-4);
        EXPECT_NEAR(mark.dAverageLength * mark.nCount, mark.dTotalLength, 1e-9);
        // Every bar in the mark carries it, in every kind, each point telling its kind.
        for (int m = 0; m < mark.aTags.length(); ++m) {
            const int kind = static_cast<int>(mark.aPoints[m].z);
            const CHLGZ_BASSteel* bar = draw.FindFaceBar(std::abs(mark.aTags[m]), draw.m_faces[kind]);
            ASSERT_NE(bar, nullptr);
            EXPECT_EQ(mark.aTags[m] > 0 ? bar->GetFirstMarkText() : bar->GetSecondMarkText(), mark.FormatMark());
        }
    }
    // Straight bars of one kind and length: 2 bars in each of A's and B's columns and C's one.
    const CHLGZ_SteelCode& straight = draw.m_steelCodes[7];
    EXPECT_NEAR(straight.dTotalLength, 10 * 4.0, 1e-9);
    // A mark of differing lengths averages them over the kinds' columns: A and B twice, C once.
    const CHLGZ_SteelCode& lower = draw.m_steelCodes[6];
    const double s = draw.m_dScale / 1000.0;
    double weighted = 0.0;
    for (int k = 0; k < 3; ++k)
        weighted
            += (k < 2 ? 2 : 1) * CGLGZ_CapDraw::GetPolylineLength(draw.m_faces[k].GetLUBSteels()[0].GetFirstId()) * s;
    EXPECT_NEAR(lower.dAverageLength, weighted / 5.0, 1e-9);
    // The closing marks (the hooked side bars) after marks 19 to 21 kept for the strengthening bars.
    for (int i : { 18, 19 }) {
        const CHLGZ_SteelCode& closing = draw.m_steelCodes[i];
        EXPECT_EQ(closing.nNumber, i + 4);
        EXPECT_EQ(closing.nCount, 0);
        EXPECT_EQ(closing.nDiameter, model.GetMoreInfo().GetSideDiameter());
        EXPECT_EQ(closing.nBarType, model.GetMoreInfo().GetSideBarType());
    }
    EXPECT_EQ(draw.m_nClosingMarks, 2);
    EXPECT_EQ(transcript(), L"");
}

// The ends that share mark 11 have one shape, up to mirroring and reading direction; the
// trimmed bar's mark keeps each kind's legs in drawing units, the size table's end parts.
TEST_F(BarGrouping, MarksHoldEqualShapesAndTheKindsEndParts)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    const CHLGZ_SteelCode* shared = MarkNumbered(draw, 11);
    ASSERT_NE(shared, nullptr);
    std::vector<AcGePoint3dArray> shapes;
    for (int m = 0; m < shared->aTags.length(); ++m) {
        const int kind = static_cast<int>(shared->aPoints[m].z);
        const CHLGZ_BASSteel* bar = draw.FindFaceBar(std::abs(shared->aTags[m]), draw.m_faces[kind]);
        shapes.push_back(shared->aTags[m] > 0 ? bar->GetFirstPoints() : bar->GetSecondPoints());
    }
    for (const AcGePoint3dArray& shape : shapes)
        EXPECT_NE(CGLGZ_CapDraw::IsSameShape(shapes.front(), shape), 0);
    const CHLGZ_SteelCode* trimmed = MarkNumbered(draw, 5);
    ASSERT_NE(trimmed, nullptr);
    ASSERT_EQ(trimmed->aPoints.length(), 3);
    for (int k = 0; k < 3; ++k) {
        const CHLGZ_LUTSteel& bar = draw.m_faces[k].GetLUTSteels()[0];
        EXPECT_NEAR(trimmed->aPoints[k].x, bar.GetFirstLegLength() / draw.m_dScale, 1e-9);
        EXPECT_NEAR(trimmed->aPoints[k].y, bar.GetLastLegLength() / draw.m_dScale, 1e-9);
        EXPECT_EQ(trimmed->aPoints[k].z, k);
    }
    // The legs change with the kinds, their sum does not: no length row, no "L" in the callout.
    EXPECT_FALSE(CGLGZ_EtDraw::IsMarkUniform(*trimmed, 0));
    EXPECT_FALSE(CGLGZ_EtDraw::IsMarkUniform(*trimmed, 1));
    EXPECT_TRUE(CGLGZ_EtDraw::IsMarkUniform(*trimmed, 2));
    EXPECT_EQ(trimmed->nFurther, 0);
    const double ends = (trimmed->aPoints[0].x + trimmed->aPoints[0].y) * draw.m_dScale / 1000.0;
    EXPECT_NEAR(trimmed->dBaseLength, trimmed->dMinLength - ends, 1e-9) << "the part every kind shares";
}

// Counts follow the kinds' columns: with kind C in four columns each mark of its bars grows by
// it, and the mean weighs it so; a second grouping starts from empty and gives the same list.
// End parts whose sum differs between kinds name the length by the size table's row.
TEST_F(BarGrouping, CountsFollowTheKindsColumnsAndGroupingAgainGivesTheSameMarks)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    const CArray<CHLGZ_SteelCode, const CHLGZ_SteelCode&> first = draw.m_steelCodes;
    draw.GroupBarShapes();
    ASSERT_EQ(draw.m_steelCodes.GetSize(), first.GetSize());
    for (INT_PTR i = 0; i < first.GetSize(); ++i) {
        EXPECT_EQ(draw.m_steelCodes[i].nNumber, first[i].nNumber);
        EXPECT_EQ(Tags(draw.m_steelCodes[i]), Tags(first[i]));
        EXPECT_EQ(draw.m_steelCodes[i].nCount, first[i].nCount);
    }
    draw.m_nColumnKinds.setLogicalLength(0);
    for (int kind : { 0, -1, 1, 2, 2, -1, 2, 2 })
        draw.m_nColumnKinds.append(kind);
    // Kind B's trimmed bar a little longer at its right end.
    CHLGZ_LUTSteel& longer = draw.m_faces[1].GetLUTSteels()[0];
    longer.SetLastLegLength(longer.GetLastLegLength() + 100.0);
    draw.GroupBarShapes();
    const CHLGZ_SteelCode* plate = MarkNumbered(draw, 1);
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->nCount, 1 + 1 + 4);
    const CHLGZ_SteelCode* lower = MarkNumbered(draw, 7);
    ASSERT_NE(lower, nullptr);
    double weighted = 0.0;
    for (int k = 0; k < 3; ++k)
        weighted += (k < 2 ? 1 : 4) * lower->aLengths[k];
    EXPECT_NEAR(lower->dAverageLength, weighted / 6.0, 1e-9);
    const CHLGZ_SteelCode* trimmed = MarkNumbered(draw, 5);
    ASSERT_NE(trimmed, nullptr);
    EXPECT_FALSE(CGLGZ_EtDraw::IsMarkUniform(*trimmed, 2));
    EXPECT_EQ(trimmed->nFurther, 1);
}

// The main face's bars take the marks of the kinds' bars by number, and the elevation shows
// them ("N" + mark) with masks behind them.
TEST_F(BarGrouping, TheMainFaceCarriesTheMarksIntoTheElevation)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    const int masked = draw.m_idsMaskedTexts.length();
    draw.ShapeShownSkeletonKind();
    EXPECT_EQ(draw.FindBarByNumber(10)->GetFirstMarkText(), L"1");
    EXPECT_EQ(draw.FindBarByNumber(13)->GetFirstMarkText(), L"5");
    EXPECT_EQ(draw.FindBarByNumber(26)->GetSecondMarkText(), L"11");
    // Elevation marks lie between the section view's top and the details below it.
    const double top = draw.SectionViewOrigin().y;
    const double bottom = draw.m_ptsDetailOrigins.first().y;
    std::map<std::wstring, int> marks;
    for (AcDbObjectId id : entitiesOf<AcDbText>()) {
        ReadBack<AcDbText> text(id);
        const std::wstring s = text->textStringConst();
        if (s.rfind(L"N", 0) == 0 && text->position().y < top && text->position().y > bottom)
            ++marks[s];
    }
    for (const wchar_t* mark : { L"N1", L"N2", L"N5", L"N6", L"N13", L"N17" })
        EXPECT_GT(marks[mark], 0) << mark;
    EXPECT_EQ(marks.count(L"NAAAAA"), 0u);
    EXPECT_GT(draw.m_idsMaskedTexts.length(), masked);
}

// Without skeleton kinds only the closing marks are made, after the reserved strengthening
// marks; a half drawing names no length by a size table it does not draw.
TEST_F(BarGrouping, NoKindsLeaveTheClosingMarksAndAHalfDrawingNamesNoLengthRow)
{
    {
        CGLGZ_EtDraw draw;
        Load("sample.glt");
        Attach(draw);
        draw.m_nStrengtheningMode = 1;
        draw.GroupBarShapes();
        ASSERT_EQ(draw.m_steelCodes.GetSize(), 2);
        EXPECT_EQ(draw.m_steelCodes[0].nNumber, 2);
        EXPECT_EQ(draw.m_steelCodes[1].nNumber, 3);
        EXPECT_EQ(draw.m_nGroupedMarks, 0);
    }
    CGLGZ_EtDraw draw;
    Prepare(draw, "abutment.glt", [](CBent_PierInfo& d, CBent_BasicGeometry&) { d.GetMoreInfo().SetBendDownMode(0); });
    ASSERT_EQ(draw.m_bHalfDrawing, 1);
    draw.ShapeShownSkeletonKind();
    ASSERT_GT(draw.m_nGroupedMarks, 0);
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i)
        EXPECT_EQ(draw.m_steelCodes[i].nFurther, 0) << draw.m_steelCodes[i].nNumber;
    EXPECT_EQ(transcript().find(L"AAAAA"), std::wstring::npos);
}

// A bar that the first kind does not draw but the others do is still marked and counted: the
// steps look for bars to compare in the first kind only.
TEST_F(BarGrouping, BarsDrawnOnlyInLaterKindsAreStillMarked)
{
    CGLGZ_EtDraw draw;
    Prepare(draw, "sample.glt");
    draw.ShapeShownSkeletonKind();
    draw.m_faces[0].GetSupports()[0].GetLPPSteels()[0].SetFirstId(AcDbObjectId::kNull);
    draw.GroupBarShapes();
    const CHLGZ_SteelCode* straight = MarkNumbered(draw, 8);
    ASSERT_NE(straight, nullptr);
    EXPECT_EQ(Tags(*straight), (std::vector<int> { 24, 24, 24 }));
    const CHLGZ_SteelCode* later = nullptr;
    for (INT_PTR i = 0; i < draw.m_steelCodes.GetSize(); ++i)
        if (Tags(draw.m_steelCodes[i]) == std::vector<int> { 19, 19 })
            later = &draw.m_steelCodes[i];
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->nCount, 2 + 1);
    EXPECT_EQ(later->nNumber, draw.m_nGroupedMarks);
    EXPECT_EQ(draw.m_faces[1].GetSupports()[0].GetLPPSteels()[0].GetFirstMarkText(), later->FormatMark());
}
