// Skeleton detail A of the skew-section drawing: the main part's bars moved from the elevation
// to the detail's place, drawn again with their welds, the support and span centre lines, and
// the dimensions, the lengths that vary over the bar columns given as ranges.
#include "CGLGZ_BtDraw.h"
#include "DrawingConstants.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"

#include "MavUtils.h"
#include "NumericHelpers.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

constexpr double kCentreOver = 10.0;
constexpr double kCentreUnder = 5.0;
constexpr double kRightOfMiddle = 0.001;
constexpr double kRowPitch = 4.0;

} // namespace

CString CGLGZ_BtDraw::ColumnLengthRange(const CHLGZ_BASSteel& bar)
{
    const AcGeDoubleArray& lengths = bar.GetFirstLengths();
    if (lengths.isEmpty())
        return CString();
    double least = lengths[0];
    double most = lengths[0];
    for (double l : lengths) {
        least = std::min(least, l);
        most = std::max(most, l);
    }
    const CString low = FormatFixed(least * 100.0, -1);
    const CString high = FormatFixed(most * 100.0, -1);
    if (low == high)
        return low;
    CString text;
    text.Format(L"%s~%s", low.GetString(), high.GetString());
    return text;
}

void CGLGZ_BtDraw::TransformPartBars(const AcGeMatrix3d& matrix, int mainPart)
{
    CHLGZ_FaceInfo& face = mainPart ? m_pDesign->GetMainFace() : m_pDesign->GetEndFace();
    BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) { bar.Transform(matrix, 1, 1); });
}

// A dimension of the detail; in a half view one wholly right of the middle is left out and
// one across it is marked as the half of its length.
void CGLGZ_BtDraw::DrawDetailDimension(
    const AcGePoint3d& a, const AcGePoint3d& b, double offset, double textOffset, const CString& text)
{
    const double limit = m_dDetailMiddle + kOnDetailMiddle;
    CString shown = text;
    if (m_bHalfDrawing) {
        const bool aRight = a.x > limit;
        const bool bRight = b.x > limit;
        if (aRight && bRight)
            return;
        if (aRight != bRight) {
            if (shown.IsEmpty())
                shown = FormatFixed(a.distanceTo(b) * m_dScale / 10.0, -1);
            shown += L"/2";
        }
    }
    DrawDimension(a, b, offset, textOffset, nullptr, shown.IsEmpty() ? nullptr : shown.GetString());
}

// A chain along x at y through the abscissas, cut at the middle of a half view.
void CGLGZ_BtDraw::DrawDetailChain(std::vector<double> xs, double y, double offset, double textOffset)
{
    DrawHalfDetailChain(DistinctAbscissas(std::move(xs)), y, offset, textOffset);
}

// A straight bar: welded at the axes and span middles to the bar beside it, its length along
// it with the range over the columns (over a top bar, under a bottom one), a row further out
// than the bar before it.
void CGLGZ_BtDraw::MarkStraightBar(
    AcDbObjectIdArray& /*ids*/, int top, double height, const AcGePoint3dArray& points, double middle)
{
    if (points.length() < 2)
        return;
    DrawWeldRow(points, top ? 1 : 0, m_dDetailWeld, m_dDetailPositions, 0);
    const AcGePoint3d a(std::min(points.first().x, points.last().x), height, 0.0);
    const AcGePoint3d b(std::max(points.first().x, points.last().x), height, 0.0);
    const CString range = m_pCurrentBar != nullptr ? ColumnLengthRange(*m_pCurrentBar) : CString();
    const double saved = m_dDetailMiddle;
    m_dDetailMiddle = middle;
    // Each further bar's length a row further out, past the plate bars' lengths.
    const double row = kRowPitch * (top ? ++m_nDetailTopRows : ++m_nDetailBottomRows);
    if (top)
        DrawDetailDimension(a, b, 9.0 + row, 0.0, range);
    else
        DrawDetailDimension(a, b, -7.5 - row, -1.0, range);
    m_dDetailMiddle = saved;
}

// A bent-up bar's polyline: welds along its runs and ends; its vertices join the chain of the
// upper (lower) bars' bends that the dimensions draw over (under) the skeleton.
void CGLGZ_BtDraw::DimensionBentBar(const AcGePoint3dArray& vertices, int upper, double top, double bottom,
    double middle, double /*unused*/)
{
    if (vertices.length() < 2)
        return;
    const double saved = m_dDetailMiddle;
    m_dDetailMiddle = middle;
    DrawBarWelds(vertices, upper, top, bottom, 0);
    m_dDetailMiddle = saved;
    // Its bends join the one chain of the upper (lower) bars' bends along the top (bottom).
    AcGeDoubleArray& xs = upper ? m_dDetailUpperBends : m_dDetailLowerBends;
    for (const AcGePoint3d& p : vertices)
        xs.append(p.x);
}

int CGLGZ_BtDraw::DrawSkeletonDetail(const AcGePoint3dArray& /*sheets*/, const AcGePoint3d& corner)
{
    CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    const int lineCount = static_cast<int>(m_lines.GetSize());
    // 2. Where the detail goes: the layout's place for it, else the top of the sheet at the
    // corner; the bars of the main part moved there.
    AcGePoint3d p = corner;
    if (m_bDetailsOnSheet && !m_ptsDetailOrigins.isEmpty())
        p = m_ptsDetailOrigins[0];
    else
        p.y = kSheetHeight - m_dLayoutMargin + corner.y;
    const AcGeVector3d shift(p.x - m_ptBase.x, p.y - SectionViewOrigin().y + 3.0, 0.0);
    m_detailTransform = AcGeMatrix3d::translation(shift);
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double outer = GetBarOuterDiameter(more.GetSkeletonDiameter());
    m_dDetailDiameter = outer / m_dScale;
    m_dDetailWeld = GetWeldLength() / m_dScale;
    m_dDetailAxes.setLogicalLength(0);
    m_dDetailPositions.setLogicalLength(0);
    m_dDetailUpperBends.setLogicalLength(0);
    m_nDetailTopRows = 0;
    m_nDetailBottomRows = 0;
    m_dDetailLowerBends.setLogicalLength(0);
    m_dDetailMiddle = 0.0;
    if (lineCount > 3) {
        TransformPartBars(m_detailTransform, 1);
        // 3. The caption, a quarter of the cap further left in a half view.
        CString scale;
        scale.Format(L"（1：%s）", FormatFixed(m_dScale, -7).GetString());
        AcGePoint3d caption = SectionViewOrigin() + shift;
        if (m_bHalfDrawing)
            caption.x -= m_pGeometry->dLength / m_dScale / 4.0;
        AddBoxedText(caption, L"骨架大样A", scale);
        // 4. The middle; 5. - 7. the centre lines.
        AcGePoint3d middle((m_lines[2].end.x + m_lines[3].end.x) / 2.0, 0.0, 0.0);
        middle.transformBy(m_detailTransform);
        m_dDetailMiddle = middle.x;
        DrawDetailCentreLines();
        // 8. The weld blocks.
        for (int t = 0; t < 3; ++t)
            m_idWeldBlocks[t] = GetWeldBlock(GetWeldLength(), outer, t);
        // 9. The bars, each number once.
        DrawDetailBars(face);
    }
    // 10. The dimensions.
    DrawDetailDimensions(face, lineCount > 3);
    return 1;
}

void CGLGZ_BtDraw::DrawDetailCentreLines()
{
    AcDbObjectId styleId;
    CreateTextStyle(L"DM", 0.0, 0.0, styleId);
    SelectDimStyle(m_dScale);
    const int count = static_cast<int>(m_lines.GetSize());
    for (int i = 4; i < count; ++i) {
        AcGePoint3d start = m_lines[i].start;
        AcGePoint3d end = m_lines[i].end;
        start.transformBy(m_detailTransform);
        end.transformBy(m_detailTransform);
        start.y += kCentreOver;
        end.y -= kCentreUnder;
        const bool right = start.x > m_dDetailMiddle + kRightOfMiddle;
        MavUtils::selectLayer(L"13-中心");
        if (!m_bHalfDrawing || !right)
            DrawLine(start, end);
        m_dDetailAxes.append(start.x);
        if (m_bHalfDrawing && right)
            continue;
        // The label stands outside: left of the lines of the left half, right of the others.
        const double side = (i - 4) < (count - 4) / 2.0 ? -3.0 : 3.0;
        DrawCentreMark(start, side, 2.0, 1.0, 0.5, L"墩柱中心线", styleId, m_dLabelHeight, m_dWidthFactor);
        // 6. A half view of an even number of supports shows the middle of the span it cuts.
        const int supports = count - 4;
        if (i == 4 && m_bHalfDrawing && supports % 2 == 0) {
            AcGePoint3d top = MidPoint(m_lines[2].start, m_lines[3].start);
            AcGePoint3d bottom = MidPoint(m_lines[2].end, m_lines[3].end);
            top.transformBy(m_detailTransform);
            bottom.transformBy(m_detailTransform);
            MavUtils::selectLayer(L"13-中心");
            DrawLine(top, bottom);
            WriteSpanCentreText(top.x, top.y, bottom.y);
        }
    }
    // 7. The straight bars are welded at the axes and in the middle of every span.
    m_dDetailPositions = m_dDetailAxes;
    for (int j = 1; j < m_dDetailAxes.length(); ++j)
        m_dDetailPositions.append((m_dDetailAxes[j - 1] + m_dDetailAxes[j]) / 2.0);
}

void CGLGZ_BtDraw::DrawDetailBars(CHLGZ_FaceInfo& face)
{
    const AcGePoint3dArray& topPlate = face.GetLTLSteel().GetFirstPoints();
    const AcGePoint3dArray& plate = face.GetLBLSteel().GetFirstPoints();
    m_dDetailTop = topPlate.length() > 1 ? topPlate[1].y : 0.0;
    m_dDetailBottom = plate.length() > 2 ? plate[2].y : (plate.isEmpty() ? 0.0 : plate.first().y);
    m_dDetailPlateX = plate.isEmpty() ? 0.0 : plate.first().x;
    std::set<int> seen;
    for (CHLGZ_BASSteel* listed : BarsInNumberingOrder(face)) {
        if (!seen.insert(listed->GetTag()).second)
            continue;
        CHLGZ_BASSteel* bar = FindBarByNumber(listed->GetTag());
        if (bar == nullptr || (bar->GetFirstPoints().isEmpty() && bar->GetSecondPoints().isEmpty()))
            continue;
        bar->DrawPolylines(m_dDetailWeld);
        const AcGePoint3dArray& points = bar->GetFirstPoints();
        m_pCurrentBar = bar;
        AcDbObjectIdArray ids;
        switch (bar->GetKind()) {
        case 0:
            // Welded to the bottom-plate bar at its first end and, in a whole view, its far end.
            if (points.length() >= 3) {
                MavUtils::selectLayer(L"04-钢筋");
                InsertMirroredBlock(points[0], At(points[0].x, points[0].y + m_dDetailWeld), points[2],
                    m_dDetailMiddle, 0);
                if (!m_bHalfDrawing) {
                    const AcGePoint3d& last = points[points.length() - 1];
                    InsertMirroredBlock(At(last.x, last.y + m_dDetailWeld), last, points[points.length() - 3],
                        m_dDetailMiddle, 0);
                }
                m_dDetailTop = points[1].y;
            }
            break;
        case 1:
            if (points.length() > 2) {
                m_dDetailPlateX = points[0].x;
                m_dDetailBottom = points[2].y;
            }
            break;
        case 2:
        case 3:
            MarkStraightBar(ids, bar->GetKind() == 2 ? 1 : 0, points.isEmpty() ? 0.0 : points.first().y, points,
                m_dDetailMiddle);
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            for (AcDbObjectId id : { bar->GetFirstId(), bar->GetSecondId() }) {
                AcGePoint3dArray vertices;
                if (!id.isNull() && ReadPolylineVertices(vertices, id) == 0)
                    DimensionBentBar(vertices, bar->GetKind() <= 5 ? 1 : 0, m_dDetailTop, m_dDetailBottom,
                        m_dDetailMiddle, 0.0);
            }
            break;
        default:
            break;
        }
        m_pCurrentBar = nullptr;
    }
}

void CGLGZ_BtDraw::DrawDetailDimensions(CHLGZ_FaceInfo& face, int full)
{
    for (int upper : { 1, 0 }) {
        const AcGeDoubleArray& bends = upper ? m_dDetailUpperBends : m_dDetailLowerBends;
        if (bends.length() >= 2)
            DrawDetailChain(std::vector<double>(bends.begin(), bends.end()), upper ? m_dDetailTop : m_dDetailBottom,
                upper ? 4.0 : -4.0, 0.0);
    }
    const bool shaped
        = face.GetLTLSteel().GetFirstPoints().length() >= 2 && face.GetLBLSteel().GetFirstPoints().length() > 2;
    if (full && shaped) {
        // The skeleton's height at the bottom-plate bar's first x.
        DrawDimension(At(m_dDetailPlateX, m_dDetailTop), At(m_dDetailPlateX, m_dDetailBottom), -2.0, -4.0);
        // The bars at each support from its axis: the straight bars' and the upper bent-up bars'
        // left distances.
        for (int j = 0; j < face.GetSupports().GetSize() && j < m_dDetailAxes.length(); ++j) {
            const double axis = m_dDetailAxes[j];
            CHLGZ_PoleInfo& support = face.GetSupports()[j];
            auto left = [&](double distance, double y) {
                if (distance > 0.0 && distance < 99999.0)
                    DrawDetailDimension(At(axis - distance / m_dScale, y), At(axis, y), -3.0, -1.0, CString());
            };
            for (INT_PTR b = 0; b < support.GetLPPSteels().GetSize(); ++b) {
                const CHLGZ_LPPSteel& bar = support.GetLPPSteels()[b];
                if (!bar.GetFirstPoints().isEmpty())
                    left(bar.GetLeftDistance(), bar.GetFirstPoints().first().y);
            }
            for (INT_PTR b = 0; b < support.GetLPTSteels().GetSize(); ++b)
                left(support.GetLPTSteels()[b].GetLeftAxisDistance(), m_dDetailTop);
        }
        DrawSupportBarChains(face);
    }
    // The plate bars' lengths along the detail: the top-plate bar's over it, the bottom-plate
    // bar's under it, each with the range over the columns.
    const AcGePoint3dArray& top = face.GetLTLSteel().GetFirstPoints();
    if (top.length() >= 2)
        DrawDetailDimension(At(top.first().x, m_dDetailTop), At(top.last().x, m_dDetailTop), 9.0, 0.0,
            ColumnLengthRange(face.GetLTLSteel()));
    const AcGePoint3dArray& plate = face.GetLBLSteel().GetFirstPoints();
    if (plate.length() >= 2) {
        std::vector<double> xs;
        for (const AcGePoint3d& q : plate)
            xs.push_back(q.x);
        DrawDetailChain(xs, m_dDetailBottom, -4.0, 0.0);
        DrawDetailDimension(At(plate.first().x, m_dDetailBottom), At(plate.last().x, m_dDetailBottom), -7.5, -1.0,
            ColumnLengthRange(face.GetLBLSteel()));
    }
}

// The bottom straight bars of each support lie in the span after its axis: each gets the chain
// from that axis to its ends and on to the next axis, a row a bar under the bars' lengths.
void CGLGZ_BtDraw::DrawSupportBarChains(CHLGZ_FaceInfo& face)
{
    int row = m_nDetailBottomRows + 1;
    for (int j = 0; j < face.GetSupports().GetSize() && j < m_dDetailAxes.length(); ++j) {
        // A half view ends at the middle: the bars of a support standing on it lie in the half
        // that is not drawn.
        if (m_bHalfDrawing && m_dDetailAxes[j] > m_dDetailMiddle - kOnDetailMiddle)
            break;
        const CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&>& bars = face.GetSupports()[j].GetLPMSteels();
        for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
            const AcGePoint3dArray& p = bars[b].GetFirstPoints();
            if (p.length() < 2)
                continue;
            std::vector<double> xs { m_dDetailAxes[j], p.first().x, p.last().x };
            if (j + 1 < m_dDetailAxes.length())
                xs.push_back(m_dDetailAxes[j + 1]);
            std::sort(xs.begin(), xs.end());
            xs.erase(std::unique(xs.begin(), xs.end(), [](double a, double c) { return std::fabs(a - c) < 1e-6; }),
                xs.end());
            // Measured at a level of its own, so that the chain's line stands a row further out.
            const double y = m_dDetailBottom - 4.5 - kRowPitch * row++;
            for (size_t k = 0; k + 1 < xs.size(); ++k)
                DrawDetailDimension(At(xs[k], y), At(xs[k + 1], y), -1.0, -3.0, CString());
        }
    }
}
