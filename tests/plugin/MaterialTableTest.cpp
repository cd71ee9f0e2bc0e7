// The material quantity table and the size table: unit weights by diameter, the cap's concrete,
// the rows of a mark list (sorted, rounded as they read, group cells, the concrete row and the
// summary), the skew-section drawing's lower header, the size rows of the marks whose end parts
// or lengths differ between the kinds, and both tables where the drawing run places them.
#include "PluginFixture.h"

#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-9;

struct Cell {
    double x;
    double y;
    std::wstring text;
};

// The texts of the text layer, where the tables write.
std::vector<Cell> TextCells()
{
    std::vector<Cell> cells;
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, HostApplication::instance().database()->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
        return cells;
    const std::vector<AcDbObjectId> ids(block->entityIds().begin(), block->entityIds().end());
    block->close();
    for (AcDbObjectId id : ids) {
        ReadBack<AcDbText> text(id);
        if (text && AcDbDatabase::symbolName(text->layerId()) == L"09-文本")
            cells.push_back({ text->alignmentPoint().x, text->alignmentPoint().y, text->textStringConst() });
    }
    return cells;
}

bool HasCell(const std::vector<Cell>& cells, double x, double y, const std::wstring& text)
{
    for (const Cell& c : cells)
        if (c.text == text && std::fabs(c.x - x) < 1e-6 && std::fabs(c.y - y) < 1e-6)
            return true;
    return false;
}

int CountText(const std::vector<Cell>& cells, const std::wstring& text)
{
    int n = 0;
    for (const Cell& c : cells)
        n += c.text == text ? 1 : 0;
    return n;
}

CHLGZ_SteelCode Mark(int number, int primes, int grade, int diameter, int count, double shortest, double longest)
{
    CHLGZ_SteelCode mark;
    mark.nNumber = number;
    mark.nPrimed = primes;
    mark.nBarType = grade;
    mark.nDiameter = diameter;
    mark.nCount = count;
    mark.dMinLength = shortest;
    mark.dMaxLength = longest;
    mark.dAverageLength = (shortest + longest) / 2.0;
    return mark;
}

CGLGZ_Var Row(const wchar_t* name, std::initializer_list<double> values)
{
    CGLGZ_Var row;
    row.SetName(name);
    for (double v : values)
        row.GetValues().append(v);
    return row;
}

} // namespace

class MaterialTable : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        CTov_InitDraw setup;
        setup.m_dElevationScale = 100.0;
        setup.m_dSectionScale = 40.0;
        setup.Run();
        geometry.dLength = 10000.0;
        geometry.dWidth = 2000.0;
        geometry.dMiddleHeight = 1500.0;
        geometry.dLeftWidth = 1000.0;
        geometry.dRightWidth = 1000.0;
        geometry.dLeftEndHeight = 1000.0;
        geometry.dRightEndHeight = 1000.0;
        app().transcript().clear();
    }

    template <class Draw>
    void Attach(Draw& draw)
    {
        draw.m_pDesign = &design;
        draw.m_pGeometry = &geometry;
        draw.PrepareDrawing();
    }

    // Marks of two grades and three diameters, one primed, one without bars, out of order.
    static void FillMarks(CGLGZ_CapDraw& draw)
    {
        draw.m_steelCodes.Add(Mark(3, 0, 1, 12, 3, 1.234, 1.234));
        draw.m_steelCodes.Add(Mark(1, 0, 1, 12, 2, 2.0, 2.5));
        draw.m_steelCodes.Add(Mark(2, 0, 0, 40, 1, 3.0, 3.0));
        draw.m_steelCodes.Add(Mark(3, 1, 1, 12, 1, 0.5, 0.5));
        draw.m_steelCodes.Add(Mark(9, 0, 1, 16, 0, 0.0, 0.0));
        draw.m_steelCodes.Add(Mark(5, 0, 1, 16, 2, 5.0, 5.0));
    }

    CHLGZ_PierInfo design;
    CBent_BasicGeometry geometry;
};

TEST(MaterialWeights, UnitWeightsComeFromTheTableElseFromTheSteel)
{
    const std::pair<int, double> cases[] = { { 6, 0.222 }, { 7, 0.302 }, { 8, 0.395 }, { 9, 0.499 }, { 10, 0.617 },
        { 12, 0.888 }, { 14, 1.208 }, { 16, 1.58 }, { 18, 2.0 }, { 20, 2.47 }, { 22, 2.98 }, { 25, 3.85 },
        { 28, 4.83 }, { 32, 6.31 }, { 40, 9.864600931990 }, { 13, 1.041948473441 } };
    for (const auto& [diameter, weight] : cases)
        EXPECT_NEAR(CGLGZ_CapDraw::GetUnitWeight(diameter), weight, 1e-11) << diameter;
}

// The prism of the middle height, the skew of the end faces and the end parts' triangles.
TEST_F(MaterialTable, ConcreteIsThePrismWithTheSkewAndTheEndParts)
{
    CGLGZ_EtDraw draw;
    draw.m_pGeometry = &geometry;
    struct Case {
        const char* what;
        double leftAngle, rightAngle, endHeight;
        double volume;
    } cases[] = {
        { "square, end heights of the middle", 90.0, 90.0, 1500.0, 30.0 },
        { "square, lower end parts", 90.0, 90.0, 1000.0, 29.0 },
        { "parallel skewed ends", 70.0, 70.0, 1000.0, 29.0 },
        { "one end at 45 degrees", 90.0, 45.0, 1500.0, 36.0 },
        { "an end along the cap adds no skew", 0.0, 90.0, 1500.0, 30.0 },
    };
    for (const Case& c : cases) {
        geometry.dLeftAngle = c.leftAngle;
        geometry.dRightAngle = c.rightAngle;
        geometry.dLeftEndHeight = geometry.dRightEndHeight = c.endHeight;
        EXPECT_NEAR(draw.GetConcreteVolume(), c.volume, 1e-6) << c.what;
    }
    draw.m_pGeometry = nullptr;
    EXPECT_EQ(draw.GetConcreteVolume(), 0.0);
}

// Rows sorted by grade, diameter, number and primes; lengths rounded to centimetres, total
// lengths and weights computed from the rounded texts; one diameter and one group weight over
// each group; a mark without bars has no row; the concrete row and the summary.
TEST_F(MaterialTable, RowsReadAsTheyAreComputedFromTheRoundedTexts)
{
    CGLGZ_EtDraw draw;
    Attach(draw);
    FillMarks(draw);
    const AcGePoint3d p(200.0, 300.0, 0.0);
    draw.DrawQuantityTable(p);
    // The list keeps the table's order.
    const int order[6][2] = { { 5, 0 }, { 9, 0 }, { 1, 0 }, { 3, 0 }, { 3, 1 }, { 2, 0 } };
    ASSERT_EQ(draw.m_steelCodes.GetSize(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(draw.m_steelCodes[i].nNumber, order[i][0]) << i;
        EXPECT_EQ(draw.m_steelCodes[i].nPrimed, order[i][1]) << i;
    }
    const std::vector<Cell> cells = TextCells();
    const double left = 153.0;
    const double top = 294.0;
    const double xs[7] = { 4.5, 15.0, 29.5, 43.0, 55.5, 70.5, 86.0 };
    const wchar_t* rows[5][5] = {
        { L"5", L"500", L"2", L"10.00", L"15.80" },
        { L"1", L"平均225", L"2", L"4.50", L"4.00" },
        { L"3", L"123", L"3", L"3.69", L"3.28" },
        { L"3'", L"50", L"1", L"0.50", L"0.44" },
        { L"2", L"300", L"1", L"3.00", L"29.59" },
    };
    const int columns[5] = { 0, 2, 3, 4, 5 };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_TRUE(HasCell(cells, left + xs[columns[c]], top - 11.5 - 5.0 * r, rows[r][c]))
                << "row " << r << " column " << columns[c] + 1;
    // Diameter and group weight once per group, at its middle.
    EXPECT_TRUE(HasCell(cells, left + 15.0, top - 11.5, L"&16"));
    EXPECT_TRUE(HasCell(cells, left + 86.0, top - 11.5, L"15.8"));
    EXPECT_TRUE(HasCell(cells, left + 15.0, top - 21.5, L"&12"));
    EXPECT_TRUE(HasCell(cells, left + 86.0, top - 21.5, L"7.7"));
    EXPECT_TRUE(HasCell(cells, left + 15.0, top - 31.5, L"^40"));
    EXPECT_TRUE(HasCell(cells, left + 86.0, top - 31.5, L"29.6"));
    EXPECT_EQ(CountText(cells, L"&12"), 1);
    EXPECT_EQ(CountText(cells, L"9"), 0) << "the mark without bars";
    // Header and title.
    EXPECT_TRUE(HasCell(cells, left + 4.5, top - 4.5, L"编号"));
    EXPECT_TRUE(HasCell(cells, left + 29.5, top - 2.25, L"长度"));
    EXPECT_TRUE(HasCell(cells, left + 29.5, top - 6.75, L"(cm)"));
    EXPECT_TRUE(HasCell(cells, left + 86.0, top - 6.75, L"(Kg)"));
    EXPECT_TRUE(HasCell(cells, 200.0, 300.0, L"一个桥墩盖梁材料数量表"));
    // Frame 9 + 5 x 6 high; inside a group only the number and length-to-weight cells are split.
    const double bottom = top - 39.0;
    int frame = 0;
    std::vector<std::pair<double, double>> splits;
    for (AcDbObjectId id : entitiesOf<AcDbLine>()) {
        ReadBack<AcDbLine> line(id);
        const AcGePoint3d a = line->startPoint();
        const AcGePoint3d b = line->endPoint();
        if (layerOf(id) == L"05-表格")
            frame += (std::fabs(a.y - bottom) < kTol || std::fabs(b.y - bottom) < kTol) ? 1 : 0;
        if (layerOf(id) == L"07-辅助" && std::fabs(a.y - b.y) < kTol && std::fabs(a.y - (top - 19.0)) < kTol)
            splits.push_back({ a.x - left, b.x - left });
    }
    EXPECT_EQ(frame, 3) << "two sides reach the bottom, which is one line";
    ASSERT_EQ(splits.size(), 2u);
    EXPECT_NEAR(splits[0].second, 9.0, kTol);
    EXPECT_NEAR(splits[1].first, 21.0, kTol);
    EXPECT_NEAR(splits[1].second, 78.0, kTol);
    // The concrete row and the summary, the total steel summed from the rounded weights.
    std::vector<AcDbObjectId> labels = entitiesOf<AcDbMText>();
    ASSERT_EQ(labels.size(), 1u);
    ReadBack<AcDbMText> label(labels[0]);
    EXPECT_EQ(std::wstring(label->contentsConst()), L"C30混凝土（m{\\H0.7x;\\S3^;}）");
    EXPECT_TRUE(label->location().isEqualTo(AcGePoint3d(left + 31.5, bottom + 2.5, 0.0)));
    EXPECT_TRUE(HasCell(cells, left + 78.5, bottom + 2.5, L"29.0"));
    EXPECT_EQ(transcript(), L"\n钢筋总重53.1,混凝土体积29.0,配筋率1.8\n");
}

// The skew-section drawing's header is one unit lower and no size table stands beside its
// table; an abutment cap titles it so. A cap without concrete gives no ratio.
TEST_F(MaterialTable, TheSkewSectionTableHasALowerHeaderAndNothingBesideIt)
{
    CGLGZ_BtDraw draw;
    Attach(draw);
    FillMarks(draw);
    draw.m_bAbutment = 1;
    geometry.dLength = 0.0;
    geometry.dLeftWidth = geometry.dRightWidth = 0.0;
    draw.DrawQuantityTable(AcGePoint3d(0.0, 0.0, 0.0));
    const std::vector<Cell> cells = TextCells();
    EXPECT_TRUE(HasCell(cells, 0.0, 0.0, L"一个桥台盖梁材料数量表"));
    EXPECT_TRUE(HasCell(cells, -47.0 + 4.5, -6.0 - 4.0, L"编号"));
    EXPECT_TRUE(HasCell(cells, -47.0 + 29.5, -6.0 - 2.0, L"长度"));
    EXPECT_TRUE(HasCell(cells, -47.0 + 29.5, -6.0 - 6.0, L"(cm)"));
    EXPECT_TRUE(HasCell(cells, -47.0 + 4.5, -6.0 - 10.5, L"5"));
    EXPECT_TRUE(HasCell(cells, -47.0 + 78.5, -6.0 - 38.0 + 2.5, L"0.0")) << "8 + 5 x 6 high";
    EXPECT_EQ(CountText(cells, L"尺寸表"), 0);
    EXPECT_EQ(transcript(), L"\n钢筋总重53.1,混凝土体积0.0,配筋率0.0\n");
}

// Rows of the marks that differ between the kinds, lettered from "a" with a prime for the
// second of a mark; length rows from the fixed part and the differing end parts; "/" where a
// kind lacks the mark. The fifth and sixth rows measure from the first upper bent-up bar's
// supports; drawn without the flag only "X1" to "X4" show.
TEST_F(MaterialTable, SizeRowsOfDifferingMarksAndTheirCells)
{
    CGLGZ_EtDraw draw;
    Attach(draw);
    draw.m_dScale = 100.0;
    for (const wchar_t* name : { L"X1", L"X2", L"X3", L"X4" })
        draw.m_vars.Add(Row(name, { 1234.0, 1200.0, -1.0 }));
    CHLGZ_SteelCode alike = Mark(1, 0, 1, 32, 3, 1.0, 1.0);
    for (int k = 0; k < 3; ++k)
        alike.aPoints.append(AcGePoint3d(2.0, 3.0, k));
    CHLGZ_SteelCode upward = Mark(2, 0, 1, 32, 2, 2.3, 2.5);
    upward.dBaseLength = 2.0;
    upward.aPoints.append(AcGePoint3d(1.0, 2.0, 0));
    upward.aPoints.append(AcGePoint3d(1.0, 4.0, 1));
    CHLGZ_SteelCode both = Mark(3, 1, 1, 32, 3, 1.7, 2.0);
    both.dBaseLength = 1.5;
    both.aPoints.append(AcGePoint3d(1.0, 1.0, 0));
    both.aPoints.append(AcGePoint3d(2.0, 3.0, 1));
    both.aPoints.append(AcGePoint3d(1.5, 2.0, 2));
    for (const CHLGZ_SteelCode& mark : { alike, upward, both })
        draw.m_steelCodes.Add(mark);
    // The first upper bent-up bar: 100 right of the first support, 50 left of the last.
    CHLGZ_LUTSteel upper;
    upper.GetPoints().append(AcGePoint2d(0.0, 100.0));
    upper.GetPoints().append(AcGePoint2d(50.0, 0.0));
    design.GetMainFace().GetLUTSteels().Add(upper);
    draw.DrawSizeTable(AcGePoint3d(0.0, 0.0, 0.0), 1);
    const wchar_t* names[9] = { L"X1", L"X2", L"X3", L"X4", L"a", L"b", L"b'", L"L2", L"L3'" };
    ASSERT_EQ(draw.m_vars.GetSize(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(draw.m_vars[i].GetName(), names[i]);
    const std::vector<Cell> cells = TextCells();
    const double left = -(17.0 + 45.0) / 2.0;
    const double top = -6.0;
    const wchar_t* shown[9][3] = {
        { L"123.4", L"120", L"/" },
        { L"123.4", L"120", L"/" },
        { L"123.4", L"120", L"/" },
        { L"123.4", L"120", L"/" },
        { L"10", L"30", L"/" },
        { L"5", L"15", L"10" },
        { L"10", L"30", L"20" },
        { L"220", L"240", L"/" },
        { L"170", L"200", L"185" },
    };
    for (int h = 0; h < 9; ++h) {
        const double y = top - 9.0 - 6.0 * (h + 0.5);
        EXPECT_TRUE(HasCell(cells, left + 8.5, y, std::wstring(names[h]) + L" (cm)")) << names[h];
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(HasCell(cells, left + 17.0 + 15.0 * (k + 0.5), y, shown[h][k])) << names[h] << " kind " << k;
    }
    EXPECT_TRUE(HasCell(cells, left + 17.0 + 7.5, top - 4.5, L"骨架A"));
    EXPECT_TRUE(HasCell(cells, left + 4.25, top - 6.75, L"符号"));
    EXPECT_TRUE(HasCell(cells, left + 12.75, top - 2.25, L"编号"));
    EXPECT_TRUE(HasCell(cells, 0.0, 0.0, L"尺寸表"));
    // Without the flag: the planning's rows only, though the rows are appended again.
    app().docManager().newDocument();
    CTov_InitDraw setup;
    setup.m_dElevationScale = 100.0;
    setup.m_dSectionScale = 40.0;
    setup.Run();
    draw.DrawSizeTable(AcGePoint3d(0.0, 0.0, 0.0), 0);
    EXPECT_EQ(draw.m_vars.GetSize(), 14);
    const std::vector<Cell> planning = TextCells();
    EXPECT_EQ(CountText(planning, L"X4 (cm)"), 1);
    EXPECT_EQ(CountText(planning, L"a (cm)"), 0);
}

// A part drawing of the sample (a pier cap) draws the size table of "X1" to "X4" beside its
// first sheet, an abutment cap none; the complete drawing draws the quantity table with the
// size table beside it and prints the summary.
TEST_F(MaterialTable, TheRunPlacesTheTables)
{
    CBent_PierInfo sample;
    CBent_BasicGeometry sampleGeometry;
    ReadExample("sample.glt", sample, sampleGeometry);
    CorbeldrawCommand command;
    ASSERT_EQ(command.DrawDesign(sample, sampleGeometry, 0, 0), 1);
    std::vector<Cell> cells = TextCells();
    EXPECT_TRUE(HasCell(cells, 450.0, 100.0, L"尺寸表"));
    const double left = 450.0 - (17.0 + 45.0) / 2.0;
    const wchar_t* values[4][3] = { { L"30", L"24.5", L"9.1" }, { L"8.1", L"23.6", L"39.1" },
        { L"245.9", L"230.5", L"215" }, { L"184.1", L"199.5", L"215" } };
    for (int h = 0; h < 4; ++h)
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(HasCell(cells, left + 17.0 + 15.0 * (k + 0.5), 94.0 - 9.0 - 6.0 * (h + 0.5), values[h][k]))
                << "X" << h + 1 << " of kind " << k;
    EXPECT_EQ(CountText(cells, L"a (cm)"), 0);
    EXPECT_EQ(CountText(cells, L"一个桥墩盖梁材料数量表"), 0);

    app().docManager().newDocument();
    CBent_PierInfo abutment;
    CBent_BasicGeometry abutmentGeometry;
    ReadExample("abutment.glt", abutment, abutmentGeometry);
    abutment.GetMoreInfo().SetBendDownMode(0);
    ASSERT_EQ(command.DrawDesign(abutment, abutmentGeometry, 0, 0), 1);
    EXPECT_EQ(CountText(TextCells(), L"尺寸表"), 0);

    app().docManager().newDocument();
    app().transcript().clear();
    ASSERT_EQ(command.DrawDesign(sample, sampleGeometry, 1, 0), 1);
    cells = TextCells();
    EXPECT_EQ(CountText(cells, L"一个桥墩盖梁材料数量表"), 1);
    EXPECT_EQ(CountText(cells, L"尺寸表"), 1);
    EXPECT_EQ(CountText(cells, L"a (cm)"), 1);
    EXPECT_TRUE(Has(transcript(), L",混凝土体积34.3,配筋率"));
}
