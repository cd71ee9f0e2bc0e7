// The spans of the skew examples as each rebar column crosses them: no offsets on a square cap,
// lengths that grow with the column's distance across a skewed end, one length a column of the
// main face, the end part's offsets only with an end part; and the span differences' guard.
#include "SkewDrawFixture.h"

#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "RebarRules.h"

#include <cmath>
#include <stdexcept>

class SkewSpanRows : public SkewDrawFixture {
protected:
    double SquareAllowance() const
    {
        const CHLGZ_MoreInfo& more = model.GetMoreInfo();
        return std::trunc(GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), 1.57079632675));
    }
};

// A square cap: every column crosses the same spans, so the offsets are 0 and each column's
// top-plate bar is the drawn bar less its two square bends.
TEST_F(SkewSpanRows, SquareCapHasNoOffsets)
{
    CGLGZ_BtDraw draw;
    ASSERT_NO_FATAL_FAILURE(PrepareSkewToSpanRows("square-two-columns.glt", draw));
    const int spans = static_cast<int>(model.GetMainFace().GetSupports().GetSize()) + 1;
    ASSERT_EQ(draw.m_dSpanMaxMain.length(), spans);
    ASSERT_EQ(draw.m_dSpanMinMain.length(), spans);
    for (int i = 0; i < spans; ++i) {
        EXPECT_NEAR(draw.m_dSpanMaxMain[i], 0.0, 1e-9);
        EXPECT_NEAR(draw.m_dSpanMinMain[i], 0.0, 1e-9);
    }
    EXPECT_TRUE(draw.m_dSpanMaxEnd.isEmpty());
    EXPECT_TRUE(draw.m_dSpanMinEnd.isEmpty());
    const CHLGZ_LTLSteel& plate = model.GetMainFace().GetLTLSteel();
    const double drawn = CGLGZ_CapDraw::GetPolylineLength(plate.GetFirstId()) * draw.m_dScale / 1000.0;
    const int columns = model.GetMainFace().GetBarColumnCount();
    ASSERT_EQ(plate.GetFirstLengths().length(), columns);
    for (int c = 0; c < columns; ++c)
        EXPECT_NEAR(plate.GetFirstLengths()[c], drawn - 2.0 * SquareAllowance() / 1000.0, 1e-9);
    // Every bar of the face has one length a column (support bars that reach no length aside).
    CGLGZ_CapDraw::BarShapeWork::ForEachBar(model.GetMainFace(), [&](CHLGZ_BASSteel& bar) {
        if (!bar.GetFirstId().isNull() && bar.GetKind() != 5 && bar.GetKind() != 7) {
            EXPECT_EQ(bar.GetFirstLengths().length(), columns) << "bar " << bar.GetTag();
        }
    });
    // The bar numbering's code lengths can read them.
    EXPECT_EQ(draw.ComputeCodeLengths(), 1);
}

// A right end skewed to 75 degrees: a column's spans grow by its distance across times the
// cotangent, so the top-plate bar of each column is that much longer than the first column's,
// and the offsets of the span between the columns spread by the same amounts.
TEST_F(SkewSpanRows, SkewedEndLengthensTheColumnsAcrossIt)
{
    CGLGZ_BtDraw draw;
    ASSERT_NO_FATAL_FAILURE(PrepareSkewToSpanRows("square-two-columns.glt", draw, 0,
        [](CHLGZ_PierInfo&, CBent_BasicGeometry& g) { g.dRightAngle = 75.0; }));
    const std::vector<double> ys = draw.ColumnSpanYs(1);
    const AcGeDoubleArray& lengths = model.GetMainFace().GetLTLSteel().GetFirstLengths();
    ASSERT_EQ(lengths.length(), static_cast<int>(ys.size()));
    const double cot = std::cos(75.0 * 3.1415926535 / 180.0) / std::sin(75.0 * 3.1415926535 / 180.0);
    for (size_t c = 1; c < ys.size(); ++c)
        EXPECT_NEAR(lengths[static_cast<int>(c)] - lengths[0], (ys[c] - ys[0]) * cot, 1e-9) << c;
    // The span between the columns, whose right support is skewed with the end: the column
    // nearest the far side is the longest, the one on the near side the shortest.
    EXPECT_NEAR(draw.m_dSpanMaxMain[1], ys.back() * cot, 1e-9);
    EXPECT_NEAR(draw.m_dSpanMinMain[1], ys.front() * cot, 1e-9);
    EXPECT_NEAR(draw.m_dSpanMaxMain[0], 0.0, 1e-9);
}

// An L-shaped section with its end part: the end part's offsets are listed, and the main face's
// bars get one length for each of its own columns, taken after the end face's columns.
TEST_F(SkewSpanRows, EndPartColumnsComeFirst)
{
    CGLGZ_BtDraw draw;
    ASSERT_NO_FATAL_FAILURE(PrepareSkewToSpanRows("l-section.glt", draw));
    ASSERT_EQ(draw.m_nEndPart, -1);
    const int spans = static_cast<int>(model.GetMainFace().GetSupports().GetSize()) + 1;
    EXPECT_EQ(draw.m_dSpanMaxEnd.length(), spans);
    EXPECT_EQ(draw.m_dSpanMinEnd.length(), spans);
    const int mainCount = model.GetMainFace().GetBarColumnCount();
    const int endCount = model.GetEndFace().GetBarColumnCount();
    EXPECT_EQ(static_cast<int>(draw.ColumnSpanYs(1).size()), mainCount + endCount - 1);
    EXPECT_EQ(model.GetMainFace().GetLTLSteel().GetFirstLengths().length(), mainCount);
    EXPECT_EQ(draw.ComputeCodeLengths(), 1);
}

TEST_F(SkewSpanRows, SpanDifferencesOutsideTheMatrixThrow)
{
    AcGeDoubleArray matrix;
    AcGeDoubleArray reference;
    for (double v : { 1.0, 2.0, 3.5, 4.0 })
        matrix.append(v);
    reference.append(1.0);
    reference.append(2.0);
    AcGeDoubleArray list;
    CGLGZ_BtDraw::GetSpanDifferences(list, matrix, reference, 1);
    ASSERT_EQ(list.length(), 2);
    EXPECT_DOUBLE_EQ(list[0], 2.5);
    EXPECT_DOUBLE_EQ(list[1], 2.0);
    EXPECT_THROW(CGLGZ_BtDraw::GetSpanDifferences(list, matrix, reference, 2), std::invalid_argument);
}

// A support bar runs out at the cap's end when its end lies nearer the end face than the end
// support's axis; one that bends down in the end span does not.
TEST_F(SkewSpanRows, SupportBarsReachTheCapEndsNearTheEndFaces)
{
    CGLGZ_BtDraw draw;
    auto line = [](double x) { return LineInfo { AcGePoint3d(x, 10.0, 0.0), AcGePoint3d(x, 0.0, 0.0) }; };
    for (double x : { 0.0, 0.0, 0.0, 100.0, 30.0, 70.0 })
        draw.m_lines.Add(line(x));
    struct Case {
        double first;
        double last;
        int left;
        int right;
    };
    const Case cases[] = {
        { 5.0, 95.0, 1, 1 },
        { 20.0, 80.0, 0, 0 },
        { 14.0, 86.0, 1, 1 },
        { 40.0, 60.0, 0, 0 },
    };
    for (const Case& c : cases) {
        AcGePoint3dArray points;
        points.append(AcGePoint3d(c.first, 5.0, 0.0));
        points.append(AcGePoint3d(50.0, 9.0, 0.0));
        points.append(AcGePoint3d(c.last, 5.0, 0.0));
        EXPECT_EQ(draw.ReachesCapEnd(points, 0), c.left) << c.first;
        EXPECT_EQ(draw.ReachesCapEnd(points, 1), c.right) << c.last;
    }
    EXPECT_EQ(draw.ReachesCapEnd(AcGePoint3dArray(), 0), 0);
}
