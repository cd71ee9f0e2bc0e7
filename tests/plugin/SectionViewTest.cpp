// The section view "Ⅰ－Ⅰ" of the examples: outline and lines against the design's geometry, the
// title, the cut marks of the column sections, the half drawing and the L part.
#include "DrawingDesignFixture.h"

#include "AcDbBlockReference.h"
#include "AcDbDimension.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"

#include <cmath>
#include <map>

namespace {

constexpr double kTol = 1e-9;

std::wstring LayerOf(AcDbEntity* entity)
{
    ACHAR* name = entity->layer();
    std::wstring out(name);
    acutDelString(name);
    return out;
}

struct Text {
    std::wstring text;
    AcGePoint3d at;
};

} // namespace

class SectionView : public DrawingDesignFixture {
protected:
    // The example as the run hands it to the drawing, the set-up made, the drawing prepared.
    template <class Drawing = CGLGZ_EtDraw>
    void Prepare(const char* example, Drawing& draw)
    {
        LoadAsTheRun(example);
        AttachAsTheRun(draw);
        draw.m_bHalfDrawing = 0;
        draw.DecideAbutment();
        draw.PrepareDrawing();
        draw.m_idLeaderArrow = draw.GetLeaderArrowBlock();
    }

    static std::vector<Text> TextsOn(const wchar_t* layer)
    {
        std::vector<Text> out;
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<AcDbText> text(id);
            if (text && LayerOf(text.operator->()) == layer)
                out.push_back({ text->textStringConst(), text->alignmentPoint() });
        }
        return out;
    }
    template <class T>
    static int CountOn(const wchar_t* layer)
    {
        int n = 0;
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<T> e(id);
            n += e && LayerOf(e.operator->()) == layer ? 1 : 0;
        }
        return n;
    }
    static std::vector<std::pair<AcGePoint3d, AcGePoint3d>> LinesOn(const wchar_t* layer)
    {
        std::vector<std::pair<AcGePoint3d, AcGePoint3d>> out;
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<AcDbLine> line(id);
            if (line && LayerOf(line.operator->()) == layer)
                out.push_back({ line->startPoint(), line->endPoint() });
        }
        return out;
    }

    const AcGePoint3d origin { 200.0, 260.0, 0.0 };
};

TEST_F(SectionView, OutlineAndLinesFollowTheGeometryOfEachExample)
{
    for (const char* example : { "sample.glt", "abutment.glt", "l-section.glt" }) {
        SCOPED_TRACE(example);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(example, draw);
        AcGePoint3d at = origin;
        double depth = -1.0;
        ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
        const double s = draw.m_dScale;
        const bool ends = !draw.m_bAbutment;
        const double lh = geometry.dLHeight / s;
        const AcGePoint3d b(origin.x, origin.y - 24.0 - lh, 0.0);
        EXPECT_TRUE(draw.m_ptOutlineOrigin.isEqualTo(b));
        // Closed round, as long as the cap, as high as its middle.
        const AcGePoint3dArray& o = draw.m_ptsOutline;
        ASSERT_EQ(o.length(), ends ? 8 : 6);
        EXPECT_TRUE(o.first().isEqualTo(o.last()));
        double xmin = 1e9, xmax = -1e9, ymin = 1e9, ymax = -1e9;
        for (const AcGePoint3d& p : o) {
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
        }
        EXPECT_NEAR(xmax - xmin, geometry.dLength / s, kTol);
        EXPECT_NEAR((xmax + xmin) / 2.0, origin.x, kTol);
        EXPECT_NEAR(ymax, b.y, kTol);
        EXPECT_NEAR(ymax - ymin, geometry.dMiddleHeight / s, kTol);
        // End parts: their bottom edges run from the end face's foot to the middle part's bottom.
        const auto& lines = draw.m_lines;
        const double wl = ends ? geometry.dLeftWidth / s : 0.0, wr = ends ? geometry.dRightWidth / s : 0.0;
        EXPECT_NEAR(lines[0].end.x - lines[0].start.x, wl, kTol);
        EXPECT_NEAR(lines[1].start.x - lines[1].end.x, wr, kTol);
        EXPECT_NEAR(lines[2].start.y - lines[2].end.y, ends ? geometry.dLeftEndHeight / s : geometry.dMiddleHeight / s, kTol);
        // One column line a support, the first and last at their distances from the roots.
        const AcGeDoubleArray& d = model.GetSupportDistances();
        ASSERT_EQ(lines.GetSize(), 4 + d.length());
        EXPECT_NEAR(lines[4].start.x - lines[0].end.x, d[0] / s, kTol);
        EXPECT_NEAR(lines[1].end.x - lines[lines.GetSize() - 1].start.x, d[d.length() - 1] / s, kTol);
        for (int k = 1; k + 1 < d.length(); ++k)
            EXPECT_NEAR(lines[4 + k].start.x - lines[3 + k].start.x, d[k] / s, kTol);
        // The outline is drawn as one open polyline through the outline points.
        int outlines = 0;
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<AcDbPolyline> pl(id);
            if (!pl || LayerOf(pl.operator->()) != L"02-结构" || pl->numVerts() != static_cast<unsigned>(o.length()))
                continue;
            ++outlines;
            EXPECT_FALSE(pl->isClosed());
            AcGePoint3d p;
            pl->getPointAt(3, p);
            EXPECT_TRUE(p.isEqualTo(o[3]));
        }
        EXPECT_EQ(outlines, 1);
        // The view reaches 9 below the column lines and the margin beyond.
        EXPECT_NEAR(depth, origin.y - lines[4].end.y + 9.0 + 4.0, kTol);
        // End-part widths on a pier cap only.
        EXPECT_EQ(CountOn<AcDbDimension>(L"08-标注"), ends ? 2 : 0);
    }
}

TEST_F(SectionView, TitleCaptionReadsTheScale)
{
    for (double scale : { 100.0, 62.5 }) {
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw);
        draw.m_dScale = scale;
        AcGePoint3d at = origin;
        double depth = 0.0;
        draw.DrawSectionView(at, depth);
        std::map<std::wstring, int> titles;
        for (const wchar_t* layer : { L"09-文本", L"02-结构" })
            for (const Text& t : TextsOn(layer))
                ++titles[t.text];
        EXPECT_EQ(titles[L"Ⅰ－Ⅰ"], 1);
        EXPECT_EQ(titles[scale == 100.0 ? L"（1：100）" : L"（1：62.5）"], 1);
    }
}

TEST_F(SectionView, CutMarksNameTheMiddleAColumnAndASpan)
{
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    const int n = model.GetSupportDistances().length();
    AcGeIntArray& codes = model.GetSectionPositions();
    codes.setLogicalLength(0);
    codes.append(0);
    codes.append(2);
    codes.append(n + 1);
    AcGePoint3d at = origin;
    double depth = 0.0;
    ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
    const auto& l = draw.m_lines;
    const double yT = l[2].start.y + 13.5, yB = l[0].end.y - 12.5;
    const double xs[3] = { (l[0].end.x + l[1].end.x) / 2.0, l[5].end.x, (l[4].end.x + l[5].end.x) / 2.0 };
    const wchar_t* labels[3] = { L"Ⅱ", L"Ⅲ", L"Ⅳ" };
    const std::vector<Text> texts = TextsOn(L"08-标注");
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        int found = 0;
        for (const Text& t : texts) {
            if (t.text != labels[j] || std::fabs(t.at.x - (xs[j] + 7.0)) > kTol)
                continue;
            EXPECT_TRUE(std::fabs(t.at.y - (yT + 3.0)) < kTol || std::fabs(t.at.y - (yB - 3.0)) < kTol);
            ++found;
        }
        EXPECT_EQ(found, 2);
    }
    // Two arrows a code.
    int arrows = 0;
    for (AcDbObjectId id : modelSpace()) {
        ReadBack<AcDbBlockReference> ref(id);
        arrows += ref && ref->blockTableRecord() == draw.m_idLeaderArrow ? 1 : 0;
    }
    EXPECT_EQ(arrows, 6);
}

TEST_F(SectionView, AHalfDrawingKeepsTheLeftHalfWithTheSymmetryAxis)
{
    CGLGZ_EtDraw draw;
    Prepare("abutment.glt", draw);
    ASSERT_EQ(draw.m_bAbutment, 1);
    // Three equal spans' worth of columns: the middle one stands on the axis.
    AcGeDoubleArray& d = model.GetSupportDistances();
    d.setLogicalLength(0);
    for (double v : { 1000.0, 6000.0, 1000.0 })
        d.append(v);
    model.GetSectionPositions().setLogicalLength(0);
    model.GetSectionPositions().append(2);
    draw.m_bHalfDrawing = 1;
    AcGePoint3d at = origin;
    double depth = 0.0;
    ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
    const double xm = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
    const AcGePoint3dArray& o = draw.m_ptsOutline;
    ASSERT_EQ(o.length(), 4);
    EXPECT_TRUE(o.first().isEqualTo(draw.m_ptOutlineOrigin));
    EXPECT_NEAR(o.last().x, xm, kTol);
    EXPECT_NEAR(xm, origin.x, kTol);
    // Centre lines: the axis and the left column; none on or right of the middle.
    int axis = 0, left = 0, right = 0;
    for (const auto& [s, e] : LinesOn(L"13-中心")) {
        if (std::fabs(s.x - xm) < 1e-6)
            ++axis;
        else if (s.x < xm)
            ++left;
        else
            ++right;
    }
    EXPECT_EQ(axis, 1);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, 0);
    // Stub sides: two for the left column, one for the middle column's half stub.
    int sides = 0;
    for (const auto& [s, e] : LinesOn(L"02-结构"))
        sides += std::fabs(s.x - e.x) < kTol && s.y < draw.m_lines[4].end.y ? 1 : 0;
    EXPECT_EQ(sides, 3);
}

TEST_F(SectionView, TheLPartStandsOnTheCapTopOverTheDrawnLength)
{
    struct Case {
        const char* example;
        int half;
        int lines;
    } cases[] = { { "l-section.glt", 0, 3 }, { "abutment.glt", 0, 3 }, { "abutment.glt", 1, 2 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.example) + (c.half ? " half" : ""));
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(c.example, draw);
        geometry.dLHeight = 500.0;
        draw.m_bHalfDrawing = c.half;
        AcGePoint3d at = origin;
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
        const double lh = 500.0 / draw.m_dScale;
        const double yt = draw.m_ptOutlineOrigin.y;
        const double xm = (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0;
        const double right = c.half ? xm : draw.m_lines[3].start.x;
        int top = 0, ends = 0;
        for (const auto& [s, e] : LinesOn(L"02-结构")) {
            if (std::fabs(s.y - (yt + lh)) < kTol && std::fabs(e.y - (yt + lh)) < kTol) {
                ++top;
                EXPECT_NEAR(std::min(s.x, e.x), draw.m_lines[2].start.x, kTol);
                EXPECT_NEAR(std::max(s.x, e.x), right, kTol);
            } else if (std::fabs(s.x - e.x) < kTol && std::fabs(std::max(s.y, e.y) - (yt + lh)) < kTol) {
                ++ends;
                EXPECT_NEAR(std::min(s.y, e.y), yt, kTol);
            }
        }
        EXPECT_EQ(top, 1);
        EXPECT_EQ(top + ends, c.lines);
    }
}

TEST_F(SectionView, AZeroAngleOrACodeBeyondTheLinesStopsTheViewWithoutACrash)
{
    {
        CGLGZ_EtDraw draw;
        Prepare("sample.glt", draw);
        geometry.dRightAngle = 0.0;
        AcGePoint3d at = origin;
        double depth = 0.0;
        EXPECT_EQ(draw.DrawSectionView(at, depth), 0);
        EXPECT_EQ(depth, 0.0);
        ASSERT_EQ(mBoxes->Boxes().size(), 1u);
        EXPECT_TRUE(Has(mBoxes->Boxes()[0].text, L"盖梁角度为0"));
    }
    app().docManager().newDocument();
    CGLGZ_EtDraw draw;
    Prepare("sample.glt", draw);
    model.GetSectionPositions().append(2 * model.GetSupportDistances().length() + 3);
    AcGePoint3d at = origin;
    double depth = 0.0;
    EXPECT_EQ(draw.DrawSectionView(at, depth), 0);
    EXPECT_TRUE(Has(transcript(), L"出现内部错误"));
}

TEST_F(SectionView, TheSkewSectionDrawingCutsAHalfCapWithEndPartsAtItsEighthPoint)
{
    CGLGZ_BtDraw draw;
    Prepare("square-two-columns.glt", draw);
    ASSERT_EQ(draw.m_bAbutment, 0);
    draw.m_bHalfDrawing = 1;
    AcGePoint3d at = origin;
    double depth = 0.0;
    ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
    const AcGePoint3dArray& o = draw.m_ptsOutline;
    ASSERT_EQ(o.length(), 5);
    EXPECT_TRUE(o.first().isEqualTo(draw.m_ptOutlineOrigin));
    EXPECT_NEAR(o.last().x, (draw.m_lines[2].end.x + draw.m_lines[3].end.x) / 2.0, kTol);
    EXPECT_NEAR(o.last().y, draw.m_ptOutlineOrigin.y - geometry.dMiddleHeight / draw.m_dScale, kTol);
    // Only the drawn end part is dimensioned.
    EXPECT_EQ(CountOn<AcDbDimension>(L"08-标注"), 1);
}
