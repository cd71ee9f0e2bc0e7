// The spans of a skew cap as each rebar column crosses them: how far the columns' spans differ
// from those along the axis, and every bar's length in every column, which the skeleton detail,
// the bar tables and the quantities read.
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace {

// The bar lists of a face that carry a shape, by family.
template <class T>
void ForEach(CArray<T, const T&>& bars, const std::function<void(CHLGZ_BASSteel&)>& fn)
{
    for (INT_PTR i = 0; i < bars.GetSize(); ++i)
        fn(bars[i]);
}

double Sum(const AcGeDoubleArray& values, int from, int to)
{
    double sum = 0.0;
    for (int i = std::max(from, 0); i <= to && i < values.length(); ++i)
        sum += values[i];
    return sum;
}

} // namespace

// The rebar columns across the cap, metres from the axis: the main face's from the side cover by
// the skeleton spacings; with an end part its columns first, evenly from the other side cover
// up to the main face's first column, which they share.
std::vector<double> CGLGZ_BtDraw::ColumnSpanYs(int mainPart) const
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    const double sideCover = m_pDesign->GetSideCover() / 1000.0;
    const int mainCount = m_pDesign->GetMainFace().GetBarColumnCount();
    const int endCount = m_nEndPart ? m_pDesign->GetEndFace().GetBarColumnCount() : 0;
    std::vector<double> main;
    double y = sideCover - g.dWidth / 2000.0;
    for (int c = 0; c < mainCount; ++c) {
        if (c > 0 && c - 1 < m_dSkeletonSpacings.length())
            y += m_dSkeletonSpacings[c - 1] / 1000.0;
        main.push_back(y);
    }
    if (!m_nEndPart)
        return mainPart ? main : std::vector<double>();
    // The main face's columns moved to the far side, the end face's before them.
    const double shift = main.empty() ? 0.0 : (g.dWidth / 2000.0 - sideCover) - main.back();
    for (double& m : main)
        m += shift;
    std::vector<double> end;
    const double from = sideCover - g.dWidth / 2000.0;
    const double to = main.empty() ? -from : main.front();
    for (int c = 0; c < endCount; ++c)
        end.push_back(endCount > 1 ? from + (to - from) * c / (endCount - 1) : to);
    if (!mainPart)
        return end;
    std::vector<double> all(end.begin(), end.empty() ? end.end() : end.end() - 1);
    all.insert(all.end(), main.begin(), main.end());
    return all;
}

int CGLGZ_BtDraw::GetColumnSpanPoints(AcGeDoubleArray& matrix, AcGeDoubleArray& reference, int mainPart)
{
    matrix.setLogicalLength(0);
    reference.setLogicalLength(0);
    if (m_pDesign == nullptr || m_pGeometry == nullptr)
        return 0;
    AcGeDoubleArray positions;
    if (!ComputeColumnPositionsAt({ 0.0 }, reference, positions))
        return 0;
    return ComputeColumnPositionsAt(ColumnSpanYs(mainPart), matrix, positions);
}

void CGLGZ_BtDraw::GetSpanDifferences(
    AcGeDoubleArray& list, const AcGeDoubleArray& matrix, const AcGeDoubleArray& reference, int column)
{
    list.setLogicalLength(0);
    const int spans = reference.length();
    for (int s = 0; s < spans; ++s) {
        const int at = column * spans + s;
        if (column < 0 || at >= matrix.length())
            throw std::invalid_argument("span matrix index out of range");
        list.append(matrix[at] - reference[s]);
    }
}

// The largest and the smallest column span less the axis span, span by span.
void CGLGZ_BtDraw::AppendSpanOffsets(
    const AcGeDoubleArray& matrix, const AcGeDoubleArray& reference, AcGeDoubleArray& most, AcGeDoubleArray& least)
{
    const int spans = reference.length();
    const int columns = spans > 0 ? matrix.length() / spans : 0;
    for (int s = 0; s < spans && columns > 0; ++s) {
        double hi = matrix[s];
        double lo = matrix[s];
        for (int c = 1; c < columns; ++c) {
            hi = std::max(hi, matrix[c * spans + s]);
            lo = std::min(lo, matrix[c * spans + s]);
        }
        most.append(hi - reference[s]);
        least.append(lo - reference[s]);
    }
}

// Whether a support bar runs out at the cap's left (or right) end rather than bending down in
// the span: its end lies nearer the end face than the end support's axis.
int CGLGZ_BtDraw::ReachesCapEnd(const AcGePoint3dArray& points, int right) const
{
    if (points.isEmpty() || m_lines.GetSize() < 5)
        return 0;
    if (right) {
        const double face = m_lines[3].start.x;
        const double axis = m_lines[m_lines.GetSize() - 1].end.x;
        return points.last().x > axis && face - points.last().x < points.last().x - axis;
    }
    const double face = m_lines[2].start.x;
    const double axis = m_lines[4].end.x;
    return points.first().x < axis && points.first().x - face < axis - points.first().x;
}

int CGLGZ_BtDraw::ComputeSpanRows()
{
    for (AcGeDoubleArray* list : { &m_dSpanMaxMain, &m_dSpanMinMain, &m_dSpanMaxEnd, &m_dSpanMinEnd })
        list->setLogicalLength(0);
    if (m_pDesign == nullptr || m_pGeometry == nullptr)
        return 1;
    // 1. The span offsets, the end part's first.
    AcGeDoubleArray matrix;
    AcGeDoubleArray reference;
    if (m_nEndPart && GetColumnSpanPoints(matrix, reference, 0))
        AppendSpanOffsets(matrix, reference, m_dSpanMaxEnd, m_dSpanMinEnd);
    if (!GetColumnSpanPoints(matrix, reference, 1))
        return 1;
    AppendSpanOffsets(matrix, reference, m_dSpanMaxMain, m_dSpanMinMain);
    // 3. The main face's columns in the matrix. A record converted into the design again keeps
    // what an earlier drawing wrote into it; its lengths start afresh.
    CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    BarShapeWork::ForEachBar(face, [](CHLGZ_BASSteel& bar) {
        bar.GetFirstLengths().setLogicalLength(0);
        bar.GetSecondLengths().setLogicalLength(0);
    });
    const int mainCount = face.GetBarColumnCount();
    const int endCount = m_nEndPart ? m_pDesign->GetEndFace().GetBarColumnCount() : 0;
    const int first = m_nEndPart == -1 ? endCount - 1 : 0;
    const int last = m_nEndPart == -1 ? mainCount + endCount - 1 : mainCount;
    const int spans = reference.length();
    const double s = m_dScale;
    auto drawn = [s](AcDbObjectId id) { return GetPolylineLength(id) * s / 1000.0; };
    for (int c = first; c < last; ++c) {
        AcGeDoubleArray rows;
        GetSpanDifferences(rows, matrix, reference, c);
        const double total = SumSpanDifferences(matrix, reference, c);
        // 5. Each family's length in the column.
        auto add = [](CHLGZ_BASSteel& bar, double value) { bar.GetFirstLengths().append(value); };
        add(face.GetLTLSteel(), total + drawn(face.GetLTLSteel().GetFirstId()));
        add(face.GetLBLSteel(), total + drawn(face.GetLBLSteel().GetFirstId()));
        ForEach(face.GetLUPSteels(), [&](CHLGZ_BASSteel& bar) { add(bar, Sum(rows, 1, spans - 2) + drawn(bar.GetFirstId())); });
        ForEach(face.GetLUMSteels(), [&](CHLGZ_BASSteel& bar) { add(bar, total + drawn(bar.GetFirstId())); });
        auto bent = [&](CHLGZ_BASSteel& bar) {
            const AcGePoint3dArray& p = bar.GetFirstPoints();
            if (p.length() < 2)
                return;
            const int a = p[0].y == p[1].y ? 1 : 0;
            const int b = p[p.length() - 2].y == p[p.length() - 1].y ? 1 : 0;
            add(bar, Sum(rows, a, spans - 1 - b) + drawn(bar.GetFirstId()));
        };
        ForEach(face.GetLUTSteels(), bent);
        ForEach(face.GetLUBSteels(), bent);
        CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
        const int n = static_cast<int>(supports.GetSize());
        for (int k = 0; k < n; ++k) {
            CHLGZ_PoleInfo& support = supports[k];
            ForEach(support.GetLPPSteels(), [&](CHLGZ_BASSteel& bar) { add(bar, drawn(bar.GetFirstId())); });
            ForEach(support.GetLPMSteels(), [&](CHLGZ_BASSteel& bar) {
                add(bar, (k + 1 < rows.length() ? rows[k + 1] : 0.0) + drawn(bar.GetFirstId()));
            });
            // The end spans count where the bar runs out at the cap's end.
            auto ends = [&](const AcGePoint3dArray& points) {
                return (ReachesCapEnd(points, 0) ? rows.first() : 0.0) + (ReachesCapEnd(points, 1) ? rows.last() : 0.0);
            };
            ForEach(support.GetLPTSteels(), [&](CHLGZ_BASSteel& bar) {
                const double one = ends(bar.GetFirstPoints()) + drawn(bar.GetFirstId());
                if (one > 0.0)
                    bar.GetFirstLengths().append(one);
                if (bar.GetSecondId().isNull())
                    return;
                const double two = ends(bar.GetSecondPoints()) + drawn(bar.GetSecondId());
                if (two > 0.0)
                    bar.GetSecondLengths().append(two);
            });
            ForEach(support.GetLPBSteels(), [&](CHLGZ_BASSteel& bar) {
                const double one = (k == 0 && n == 1 ? ends(bar.GetFirstPoints()) : 0.0) + drawn(bar.GetFirstId());
                if (one > 0.0)
                    bar.GetFirstLengths().append(one);
            });
        }
    }
    // 6. The bends off every length.
    DeductBendAllowances(face.GetLTLSteel(), 2);
    DeductBendAllowances(face.GetLBLSteel(), m_bAbutment ? 2 : -1);
    ForEach(face.GetLUTSteels(), [&](CHLGZ_BASSteel& bar) { DeductBendAllowances(bar, -1); });
    ForEach(face.GetLUBSteels(), [&](CHLGZ_BASSteel& bar) { DeductBendAllowances(bar, -1); });
    CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
    for (INT_PTR k = 0; k < supports.GetSize(); ++k) {
        ForEach(supports[k].GetLPTSteels(), [&](CHLGZ_BASSteel& bar) { DeductBendAllowances(bar, -1); });
        ForEach(supports[k].GetLPBSteels(), [&](CHLGZ_BASSteel& bar) { DeductBendAllowances(bar, -1); });
    }
    return 1;
}
