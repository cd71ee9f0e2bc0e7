// The column sections "Ⅱ－Ⅱ" ... of the sample: the outline at the section scale under its title,
// the bars of the cut's layers at their columns, the strengthening rows, the stirrups and their
// marks, the spacing chain, the tables of the skeleton kinds and the side bars; and one section
// a code when the whole drawing runs.
#include "DrawingDesignFixture.h"
#include "DrawnGeometry.h"

#include "AcDbAlignedDimension.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"
#include "RebarRules.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr double kTol = 1e-6;
constexpr double kQuarterTurn = 1.57079632675;

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }




struct Text {
    std::wstring text;
    AcGePoint3d at;
    double rotation = 0.0;
    double widthFactor = 0.0;
    std::wstring layer;
};

} // namespace

class ColumnSection : public DrawingDesignFixture {
protected:
    // The sample as the entry prepares it: checked, numbered, its skeletons planned, laid out,
    // the section view drawn, the shown kind's bars shaped (which records the cuts' layers) and
    // the plan with its stirrups drawn; the column sections come next.
    void Prepare(CGLGZ_EtDraw& draw, int half = 0, const ModelChange& change = {})
    {
        LoadAsTheRun("sample.glt", change);
        AttachAsTheRun(draw);
        draw.TakeSupportBlock();
        draw.NormalizeSupports();
        draw.ReportStrengtheningBars();
        draw.DecideAbutment();
        ASSERT_EQ(draw.NumberBarsAndCheck(), 1);
        draw.CheckSideBarSpacing();
        draw.m_bSymmetric = draw.CheckSymmetry();
        draw.m_bHalfDrawing = 0;
        draw.MeasureSkeletonColumns();
        draw.PlanSkeletons();
        draw.PrepareDrawing();
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
        draw.LayoutViewsAlternative();
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(draw.SectionViewOrigin(), depth), 1);
        draw.ShapeShownSkeletonKind();
        draw.DrawMainView(draw.MainViewOrigin(), depth);
        draw.m_bHalfDrawing = half;
        s2 = draw.m_dSectionScale;
    }

    // The section of a code drawn at the origin; top is where its top edge is expected.
    void DrawSection(CGLGZ_EtDraw& draw, int code, int index, double top)
    {
        before = modelSpace().size();
        double depth = -1.0;
        AcGePoint3d at = origin;
        ASSERT_EQ(draw.DrawColumnSection(at, code, index, depth), 1);
        sectionDepth = depth;
        this->top = top;
        bottom = top - geometry.dMiddleHeight / s2;
        left = origin.x - geometry.dWidth / s2 / 2.0;
        right = origin.x + geometry.dWidth / s2 / 2.0;
        xs.clear();
        double x = left + model.GetSideCover() / s2;
        for (int c = 0; c < model.GetMainFace().GetBarColumnCount(); ++c) {
            xs.push_back(x);
            if (c < draw.m_dSkeletonSpacings.length())
                x += draw.m_dSkeletonSpacings[c] / s2;
        }
    }

    // The centres of the circles of one radius on a layer.
    std::vector<AcGePoint3d> Circles(const wchar_t* layer, double radius) const
    {
        std::vector<AcGePoint3d> out;
        for (AcDbObjectId id : Drawn()) {
            ReadBack<AcDbCircle> circle(id);
            if (circle && layerOf(id) == layer && std::fabs(circle->radius() - radius) < kTol)
                out.push_back(circle->center());
        }
        return out;
    }
    std::vector<Text> Texts() const
    {
        std::vector<Text> out;
        for (AcDbObjectId id : Drawn()) {
            ReadBack<AcDbText> text(id);
            if (text) {
                const bool plain
                    = text->horizontalMode() == AcDb::kTextLeft && text->verticalMode() == AcDb::kTextBase;
                const AcGePoint3d at = plain ? text->position() : text->alignmentPoint();
                out.push_back({ text->textStringConst(), at, text->rotation(), text->widthFactor(), layerOf(id) });
            }
        }
        return out;
    }
    std::vector<Text> TextsNamed(const std::wstring& name) const
    {
        std::vector<Text> out;
        for (const Text& t : Texts())
            if (t.text == name)
                out.push_back(t);
        return out;
    }
    // The bar dots: those inside the outline, off the side bars' columns.
    std::vector<AcGePoint3d> BarDots() const
    {
        std::vector<AcGePoint3d> out;
        for (const AcGePoint3d& c : Circles(L"04-钢筋", 0.3)) {
            if (std::fabs(c.x - (xs.front() - 0.8)) > kTol && std::fabs(c.x - (xs.back() + 0.8)) > kTol)
                out.push_back(c);
        }
        return out;
    }
    static bool HasPoint(const std::vector<AcGePoint3d>& points, const AcGePoint3d& p)
    {
        return std::any_of(points.begin(), points.end(), [&](const AcGePoint3d& q) { return Same(p, q); });
    }

    const AcGePoint3d origin { 600.0, 400.0, 0.0 };
    double s2 = 40.0, sectionDepth = 0.0, top = 0.0, bottom = 0.0, left = 0.0, right = 0.0;
    std::vector<double> xs;
};

// The outline is the cap's width by its middle height at the section scale, centred under the
// title; one table row above it lowers it 3 under the 19 the title keeps. The title names the
// section by its index, none past the ninth.
TEST_F(ColumnSection, OutlineUnderItsTitleAtTheSectionScale)
{
    struct Case {
        int index;
        double scale;
        const wchar_t* title;
        const wchar_t* caption;
    };
    const Case cases[] = {
        { 0, 40.0, L"Ⅱ－Ⅱ", L"（1：40）" },
        { 8, 62.5, L"Ⅹ－Ⅹ", L"（1：62.5）" },
        { 9, 40.0, nullptr, nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(draw);
        draw.m_dSectionScale = s2 = c.scale;
        DrawSection(draw, 1, c.index, origin.y - 22.0);
        const std::vector<Segment> outline = LinesOn(L"02-结构");
        EXPECT_TRUE(HasSegment(outline, P(left, top), P(right, top)));
        EXPECT_TRUE(HasSegment(outline, P(right, top), P(right, bottom)));
        EXPECT_TRUE(HasSegment(outline, P(right, bottom), P(left, bottom)));
        EXPECT_TRUE(HasSegment(outline, P(left, bottom), P(left, top)));
        EXPECT_NEAR(right - left, 1800.0 / c.scale, kTol);
        EXPECT_NEAR(top - bottom, 1600.0 / c.scale, kTol);
        // Down to the lower table's single row, 12 under the bottom edge.
        EXPECT_NEAR(sectionDepth, origin.y - (bottom - 15.0), kTol);
        int titles = 0;
        for (const Text& t : Texts()) {
            if (t.text.size() == 3 && t.text[1] == L'－')
                ++titles;
        }
        if (c.title == nullptr) {
            EXPECT_EQ(titles, 0);
            continue;
        }
        const std::vector<Text> title = TextsNamed(c.title);
        ASSERT_EQ(title.size(), 1u);
        EXPECT_TRUE(Same(title[0].at, origin));
        EXPECT_EQ(TextsNamed(c.caption).size(), 1u);
    }
}

// Every bar a cut meets is a dot at each column its column text names, at its height above the
// bottom; the columns without a skeleton add their strengthening rows, one bar apart, from the
// plate bars' levels: over an end column the edge-top rows, over the middle one the middle-top
// rows, in a span the bottom rows, and each strengthened column its own plate bars.
TEST_F(ColumnSection, BarsAtTheirColumnsAndLayersWithTheStrengtheningRows)
{
    struct Case {
        const char* name;
        int code;
        std::vector<int> topRows;
        std::vector<int> bottomRows;
    };
    // Codes 0 1111 0 111 0 111 0 1111 0 across the nine columns; three supports.
    const Case cases[] = {
        { "end column", 1, { 0, 2, 0, 1, 0, 1, 0, 2, 0 }, { 0, 1, 0, 0, 0, 0, 0, 1, 0 } },
        { "middle column", 2, { 0, 2, 0, 1, 0, 1, 0, 2, 0 }, { 0, 1, 0, 0, 0, 0, 0, 1, 0 } },
        { "first span", 4, { 0, 1, 0, 0, 0, 0, 0, 1, 0 }, { 0, 2, 0, 1, 0, 1, 0, 2, 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(draw);
        DrawSection(draw, c.code, 0, origin.y - 22.0);
        const std::vector<AcGePoint3d> dots = BarDots();
        std::vector<AcGePoint3d> expected;
        double topPlate = 0.0, bottomPlate = 0.0;
        const CHLGZ_PierSteelLayer& cut = draw.m_steelLayers[c.code];
        ASSERT_GT(cut.aLayers.GetSize(), 4);
        for (INT_PTR i = 0; i < cut.aLayers.GetSize(); ++i) {
            const CHLGZ_SteelLayer& layer = cut.aLayers[i];
            const CString text = draw.FindBarByNumber(layer.nBar)->GetColumnText();
            for (int col = 0; col < text.GetLength(); ++col) {
                if (text[col] == L'1')
                    expected.push_back(P(xs[col], bottom + layer.dHeight / s2));
            }
            if (layer.nBar == model.GetMainFace().GetLTLSteel().GetTag())
                topPlate = layer.dHeight;
            if (layer.nBar == model.GetMainFace().GetLBLSteel().GetTag())
                bottomPlate = layer.dHeight;
        }
        // The sample's strengthening bars are ribbed 32 mm ones: 34.5 mm apart.
        for (int col = 0; col < 9; ++col) {
            for (int k = 0; k < c.topRows[col]; ++k)
                expected.push_back(P(xs[col], bottom + (topPlate - 34.5 * k) / s2));
            for (int k = 0; k < c.bottomRows[col]; ++k)
                expected.push_back(P(xs[col], bottom + (bottomPlate + 34.5 * k) / s2));
        }
        EXPECT_EQ(dots.size(), expected.size());
        for (const AcGePoint3d& p : expected)
            EXPECT_TRUE(HasPoint(dots, p)) << p.x << "," << p.y;
    }
}

// Where a code cuts, and the rows a column gets there: one column makes codes 0 and 1 cuts over
// an end column; two make code 0 a span; a strengthened column adds its own plate bar to the
// rows its digits ask for, while their switch is on; a skeleton column gets none.
TEST_F(ColumnSection, CutsAndStrengtheningRowsOfAColumn)
{
    struct Cut {
        int supports;
        int code;
        int atColumn;
        int endColumn;
    };
    const Cut cuts[] = {
        { 1, 0, 1, 1 }, { 1, 1, 1, 1 }, { 2, 0, 0, 0 }, { 2, 3, 0, 0 }, { 2, 2, 1, 1 },
        { 3, 0, 1, 0 }, { 3, 2, 1, 0 }, { 3, 4, 0, 0 }, { 3, 9, 0, 0 },
    };
    CGLGZ_EtDraw draw;
    CHLGZ_PierInfo pier;
    AcGeDoubleArray supports;
    draw.m_pDesign = &pier;
    draw.m_pSupports = &supports;
    for (const Cut& c : cuts) {
        supports.removeAll();
        for (int i = 0; i < c.supports; ++i)
            supports.append(1000.0);
        const CGLGZ_CapDraw::ColumnSectionCut cut = draw.ClassifyColumnSection(c.code);
        EXPECT_EQ(cut.atColumn, c.atColumn) << c.supports << "/" << c.code;
        EXPECT_EQ(cut.endColumn, c.endColumn) << c.supports << "/" << c.code;
    }
    struct Rows {
        const char* name;
        int code;
        int skeleton;
        int edgeSwitch;
        CGLGZ_CapDraw::ColumnSectionCut cut;
        int top;
        int bottom;
    };
    const Rows rows[] = {
        { "1210 over an end column", 1210, 0, 1, { 1, 1 }, 3, 1 },
        { "1210 over a middle column", 1210, 0, 1, { 1, 0 }, 2, 1 },
        { "1213 in a span", 1213, 0, 1, { 0, 0 }, 1, 4 },
        { "1210, edge switch off", 1210, 0, 0, { 1, 1 }, 1, 1 },
        { "skeleton column", 1210, 1, 1, { 1, 1 }, 0, 0 },
    };
    for (const Rows& r : rows) {
        SCOPED_TRACE(r.name);
        CHLGZ_ExtendSteel& steel = pier.GetExtendSteel();
        steel.GetCodes().removeAll();
        steel.GetCodes().append(r.code);
        steel.SetEdgeTopSwitch(r.edgeSwitch);
        steel.SetMiddleTopSwitch(1);
        steel.SetBottomSwitch(1);
        draw.m_bSkeletonColumn.removeAll();
        draw.m_bSkeletonColumn.append(r.skeleton);
        int top = -1, bottom = -1;
        draw.CountStrengtheningRows(0, r.cut, top, bottom);
        EXPECT_EQ(top, r.top);
        EXPECT_EQ(bottom, r.bottom);
        // A column past the codes has none.
        draw.CountStrengtheningRows(1, r.cut, top, bottom);
        EXPECT_EQ(top + bottom, 0);
    }
}

// Each stirrup runs round the bars of its columns, 0.1 off the dots, one round others a further
// 0.15 out, its two hooks at the upper left corner; a single leg stands right of its column with
// a hook at each end; a stirrup naming a column the section has not is left out. The first
// stirrup of each kind carries the kind's mark along its right leg.
TEST_F(ColumnSection, StirrupsWrapTheBarsOfTheirColumnsAndCarryTheirKindsMarks)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare(draw);
    const double hook = std::sqrt(0.5) * GetHookLength(12, 1, 135, 0.0) / s2;
    DrawSection(draw, 1, 0, origin.y - 22.0);
    std::vector<AcGePoint3dArray> stirrups;
    for (AcDbObjectId id : Drawn()) {
        ReadBack<AcDbPolyline> polyline(id);
        if (polyline && layerOf(id) == L"04-钢筋") {
            AcGePoint3dArray points;
            for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
                AcGePoint3d p;
                polyline->getPointAt(i, p);
                points.append(p);
            }
            stirrups.push_back(points);
        }
    }
    // Stirrups 1-9, 1-3, 3-5, 5-7, 7-9; the bars of every skeleton column reach the same levels.
    ASSERT_EQ(stirrups.size(), 5u);
    const CHLGZ_PierSteelLayer& cut = draw.m_steelLayers[1];
    const double high = bottom + cut.aLayers[cut.aLayers.GetSize() - 1].dHeight / s2;
    const double low = bottom + cut.aLayers[0].dHeight / s2;
    const int spans[5][2] = { { 0, 8 }, { 0, 2 }, { 2, 4 }, { 4, 6 }, { 6, 8 } };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const double gap = i == 0 ? 0.55 : 0.4;
        const AcGePoint3dArray& p = stirrups[static_cast<size_t>(i)];
        ASSERT_EQ(p.length(), 7);
        const AcGePoint3d corner = P(xs[spans[i][0]] - gap, high + gap);
        EXPECT_TRUE(Same(p[0], P(corner.x + hook, corner.y - hook)));
        EXPECT_TRUE(Same(p[1], corner));
        EXPECT_TRUE(Same(p[2], P(xs[spans[i][1]] + gap, high + gap)));
        EXPECT_TRUE(Same(p[3], P(xs[spans[i][1]] + gap, low - gap)));
        EXPECT_TRUE(Same(p[4], P(corner.x, low - gap)));
        EXPECT_TRUE(Same(p[5], P(corner.x - 0.1, corner.y + 0.1)));
        EXPECT_TRUE(Same(p[6], P(corner.x - 0.1 + hook, corner.y + 0.1 - hook)));
    }
    // Two kinds: the whole width and the pairs of skeletons.
    const AcGeIntArray& records = draw.m_nStirrupRecords;
    ASSERT_EQ(records.length(), 5);
    const int marked[2] = { 0, 1 };
    for (int i : marked) {
        CString text;
        text.Format(L"N%s", draw.m_steelCodes[records[i]].FormatMark().GetString());
        const std::vector<Text> marks = TextsNamed(text.GetString());
        ASSERT_EQ(marks.size(), 1u) << i;
        const double gap = i == 0 ? 0.55 : 0.4;
        EXPECT_TRUE(Same(marks[0].at, P(xs[spans[i][1]] + gap - 0.25, (high + low) / 2.0)));
        EXPECT_NEAR(marks[0].rotation, kQuarterTurn, 1e-9);
        EXPECT_EQ(marks[0].layer, L"08-标注");
    }

    // A single leg at column 3 inside the whole one, and one naming column 12 of nine.
    auto& list = model.GetMainFace().GetStirrups();
    list.RemoveAll();
    const int changed[3][2] = { { 1, 9 }, { 3, -1 }, { 2, 12 } };
    for (const auto& range : changed) {
        CHLGZ_PAFSteel stirrup;
        stirrup.SetStartColumn(range[0]);
        stirrup.SetEndColumn(range[1]);
        list.Add(stirrup);
    }
    DrawSection(draw, 1, 0, origin.y - 22.0);
    std::vector<AcGePoint3dArray> drawn;
    for (AcDbObjectId id : Drawn()) {
        ReadBack<AcDbPolyline> polyline(id);
        if (polyline && layerOf(id) == L"04-钢筋") {
            AcGePoint3dArray points;
            for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
                AcGePoint3d q;
                polyline->getPointAt(i, q);
                points.append(q);
            }
            drawn.push_back(points);
        }
    }
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(Same(drawn[0][1], P(xs[0] - 0.55, high + 0.55)));
    const AcGePoint3dArray& leg = drawn[1];
    ASSERT_EQ(leg.length(), 4);
    const double x = xs[2] + 0.4;
    EXPECT_TRUE(Same(leg[0], P(x - hook, high + 0.4 - hook)));
    EXPECT_TRUE(Same(leg[1], P(x, high + 0.4)));
    EXPECT_TRUE(Same(leg[2], P(x, low - 0.4)));
    EXPECT_TRUE(Same(leg[3], P(x - hook, low - 0.4 + hook)));
}

// The side covers and the columns' spacings in one chain under the bottom edge: the equal
// spacings merged into one dimension.
TEST_F(ColumnSection, SpacingChainUnderTheBottomEdge)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare(draw);
    DrawSection(draw, 4, 1, origin.y - 22.0);
    std::vector<Segment> chain;
    std::vector<std::wstring> texts;
    for (AcDbObjectId id : Drawn()) {
        ReadBack<AcDbAlignedDimension> dim(id);
        if (dim) {
            chain.push_back({ dim->xLine1Point(), dim->xLine2Point() });
            texts.push_back(dim->dimensionTextString());
        }
    }
    ASSERT_EQ(chain.size(), 3u);
    const double y = bottom - 3.0;
    EXPECT_TRUE(HasSegment(chain, P(left, y), P(xs.front(), y)));
    EXPECT_TRUE(HasSegment(chain, P(xs.front(), y), P(xs.back(), y)));
    EXPECT_TRUE(HasSegment(chain, P(xs.back(), y), P(right, y)));
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const std::wstring& t) { return t.rfind(L"8X", 0) == 0; }),
        1);
}

// The tables name the skeleton kind at each column that holds a bar: one row a layer, the layer
// next to the section first, or one row when every layer shows the same letters; an upper table
// of more rows lowers the section. A half drawing names every skeleton A.
TEST_F(ColumnSection, ArrangementTablesNameTheSkeletonKinds)
{
    struct Case {
        const char* name;
        int half;
        bool topPlateOffColumnOne;
        std::wstring lower;
    };
    const Case cases[] = {
        { "kinds", 0, false, L"A B C B A" },
        { "half drawing", 1, false, L"A A A A A" },
        { "top-plate bar not in column 1", 0, true, L"A B C B A" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(draw, c.half);
        if (c.topPlateOffColumnOne)
            model.GetMainFace().GetLTLSteel().SetColumnText(L"001010101");
        const CHLGZ_PierSteelLayer& cut = draw.m_steelLayers[1];
        int upperLayers = 0;
        for (INT_PTR i = 0; i < cut.aLayers.GetSize(); ++i)
            upperLayers += cut.aLayers[i].dHeight > geometry.dMiddleHeight / 2.0 ? 1 : 0;
        const int upperRows = c.topPlateOffColumnOne ? upperLayers : 1;
        DrawSection(draw, 1, 0, origin.y - 19.0 - 3.0 * upperRows);
        const double tableLeft = origin.x - 9 * 2.5 / 2.0;
        // Which letter stands in each cell: (row, column) from the section outward.
        auto cells = [&](double firstLine, double step) {
            std::map<std::pair<int, int>, wchar_t> out;
            for (const Text& t : Texts()) {
                const double column = (t.at.x - tableLeft - 1.25) / 2.5;
                const double row = (t.at.y - firstLine - step / 2.0) / step;
                if (t.text.size() == 1 && std::fabs(column - std::round(column)) < 1e-9 && row > -0.5
                    && std::fabs(row - std::round(row)) < 1e-9) {
                    EXPECT_NEAR(t.widthFactor, 0.75, kTol);
                    out[{ static_cast<int>(std::round(row)), static_cast<int>(std::round(column)) }] = t.text[0];
                }
            }
            return out;
        };
        auto row = [](const std::map<std::pair<int, int>, wchar_t>& table, int r) {
            std::wstring text(9, L' ');
            for (const auto& [at, letter] : table)
                if (at.first == r)
                    text[static_cast<size_t>(at.second)] = letter;
            return text;
        };
        const auto upper = cells(top + 10.0, 3.0);
        const auto lower = cells(bottom - 12.0, -3.0);
        EXPECT_EQ(row(lower, 0), c.lower);
        EXPECT_EQ(row(lower, 1), std::wstring(9, L' '));
        if (c.topPlateOffColumnOne) {
            // The top-plate bar is the highest: the row next to the section.
            EXPECT_EQ(row(upper, 0), L"  B C B A");
            for (int r = 1; r < upperRows; ++r)
                EXPECT_EQ(row(upper, r), L"A B C B A") << r;
        } else {
            EXPECT_EQ(row(upper, 0), c.lower);
            EXPECT_EQ(row(upper, 1), std::wstring(9, L' '));
        }
        // The grid: its first and last lines and its outer columns.
        const std::vector<Segment> lines = LinesOn(L"08-标注");
        const double upperTop = top + 10.0 + 3.0 * upperRows;
        EXPECT_TRUE(HasSegment(lines, P(tableLeft, top + 10.0), P(tableLeft + 22.5, top + 10.0)));
        EXPECT_TRUE(HasSegment(lines, P(tableLeft, upperTop), P(tableLeft + 22.5, upperTop)));
        EXPECT_TRUE(HasSegment(lines, P(tableLeft + 22.5, top + 10.0), P(tableLeft + 22.5, upperTop)));
        EXPECT_TRUE(HasSegment(lines, P(tableLeft, bottom - 12.0), P(tableLeft, bottom - 15.0)));
    }
}

// Both faces carry the side bars between the plate bars' levels, the spacings apart, 0.8
// outside the outer columns; each face's column leads to one circle outside it with the side
// bars' mark once the marks are grouped. A single side bar gets a straight leader; a single
// spacing leaves none.
TEST_F(ColumnSection, SideBarsOnBothFacesWithTheirMark)
{
    struct Case {
        const char* name;
        std::vector<double> spacings;
        bool grouped;
    };
    const Case cases[] = {
        { "ten spacings, not grouped", std::vector<double>(10, 150.0), false },
        { "ten spacings, grouped", std::vector<double>(10, 150.0), true },
        { "two spacings", { 800.0, 700.0 }, true },
        { "one spacing", { 1500.0 }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(draw);
        AcGeDoubleArray& spacings = model.GetMoreInfo().GetSideSpacings();
        spacings.removeAll();
        for (double s : c.spacings)
            spacings.append(s);
        if (c.grouped) {
            // One longitudinal mark, then the side bars' mark.
            CHLGZ_SteelCode side;
            side.nNumber = 42;
            draw.m_steelCodes.InsertAt(0, side);
            CHLGZ_SteelCode bars;
            bars.nNumber = 1;
            draw.m_steelCodes.InsertAt(0, bars);
            draw.m_nGroupedMarks = 1;
        }
        DrawSection(draw, 2, 2, origin.y - 22.0);
        const std::vector<AcGePoint3d> dots = Circles(L"04-钢筋", 0.3);
        const double faces[2] = { xs.front() - 0.8, xs.back() + 0.8 };
        std::vector<double> ys;
        double y = top - model.GetTopCover() / s2;
        for (size_t i = 0; i + 1 < c.spacings.size(); ++i) {
            y -= c.spacings[i] / s2;
            ys.push_back(y);
        }
        const std::vector<AcGePoint3d> circles = Circles(L"08-标注", draw.m_dMarkRadius);
        ASSERT_EQ(circles.size(), ys.empty() ? 0u : 2u);
        for (int side = 0; side < 2; ++side) {
            const int n = static_cast<int>(std::count_if(
                dots.begin(), dots.end(), [&](const AcGePoint3d& d) { return std::fabs(d.x - faces[side]) < kTol; }));
            EXPECT_EQ(n, static_cast<int>(ys.size()));
            for (double level : ys)
                EXPECT_TRUE(HasPoint(dots, P(faces[side], level)));
            if (ys.empty())
                continue;
            // Offset 2, tail 1.5 and the radius outside the face, level with the middle side bar
            // of an odd column.
            const double out = side == 0 ? -1.0 : 1.0;
            const AcGePoint3d centre(faces[side] + out * (2.0 + 1.5 + draw.m_dMarkRadius), ys[ys.size() / 2], 0.0);
            EXPECT_TRUE(HasPoint(circles, centre)) << side;
            const std::vector<Text> marks = TextsNamed(L"42");
            EXPECT_EQ(marks.size(), c.grouped ? 2u : 0u);
            if (c.grouped) {
                EXPECT_TRUE(Same(marks[static_cast<size_t>(side)].at, centre));
            }
        }
    }
}

// A cut without a record of bar layers (nothing shaped, or a code past the cuts) draws the
// outline and no bar in a skeleton column.
TEST_F(ColumnSection, ACutWithoutBarLayersDrawsNoSkeletonBar)
{
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare(draw);
    for (int code : { 99, -1, 1 }) {
        SCOPED_TRACE(code);
        if (code == 1)
            draw.m_steelLayers.RemoveAll();
        DrawSection(draw, code, 0, origin.y - 19.0);
        EXPECT_TRUE(HasSegment(LinesOn(L"02-结构"), P(left, top), P(right, top)));
        const std::vector<AcGePoint3d> dots = BarDots();
        EXPECT_FALSE(dots.empty());
        for (const AcGePoint3d& dot : dots) {
            for (int column = 0; column < 9; column += 2)
                EXPECT_GT(std::fabs(dot.x - xs[static_cast<size_t>(column)]), kTol);
        }
    }
}

// The whole drawing draws one section a code of the design's list, each under its own title.
TEST_F(ColumnSection, TheDrawingDrawsOneSectionACode)
{
    CBent_PierInfo sample;
    CBent_BasicGeometry g;
    ReadExample("sample.glt", sample, g);
    CorbeldrawCommand command;
    ASSERT_EQ(command.DrawDesign(sample, g, 1, 0), 1);
    std::map<std::wstring, int> titles;
    for (AcDbObjectId id : entitiesOf<AcDbText>()) {
        ReadBack<AcDbText> text(id);
        const std::wstring t = text->textStringConst();
        if (t.size() == 3 && t[1] == L'－')
            ++titles[t];
    }
    // The section view's own title and the four codes 1, 2, 4 and the middle (2).
    const std::map<std::wstring, int> expected = { { L"Ⅰ－Ⅰ", 1 }, { L"Ⅱ－Ⅱ", 1 }, { L"Ⅲ－Ⅲ", 1 }, { L"Ⅳ－Ⅳ", 1 },
        { L"Ⅴ－Ⅴ", 1 } };
    EXPECT_EQ(titles, expected);
}
