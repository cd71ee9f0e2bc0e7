// The stirrup and bar details of the normal-section drawing: every bar mark's detail with its
// callout, the strengthening bars over the pier columns, the hooked bars and the stirrups, the
// bent-up bars hung under the top-plate bar, and the packing of all of them onto the sheets.
#include "CGLGZ_EtDraw.h"

#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "BarColumnCodes.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"
#include "ShapePieces.h"
#include "acut.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr double kSameLevel = 1e-6;

AcGePoint3d Along(const AcGePoint3d& a, const AcGePoint3d& b, double t)
{
    return CGLGZ_CapDraw::PointAlongLine(a, b, t * a.distanceTo(b));
}

// A point on the piece of a shape that a half drawing shows nearest its cut: a quarter back
// from where the piece ends at the cut or before it. The given point when nothing is shown.
AcGePoint3d PointShownBeforeCut(AcDbObjectId shape, double cut, const AcGePoint3d& otherwise)
{
    AcDbPolyline* outline = nullptr;
    if (acdbOpenObject(outline, shape, AcDb::kForRead) != Acad::eOk)
        return otherwise;
    AcGePoint3d point = otherwise;
    double reached = -1e300;
    for (const ShapePiece& piece : StraightPiecesOf(*outline)) {
        const auto shown = PieceUpTo(piece, cut);
        if (!shown)
            continue;
        const auto [start, end]
            = std::minmax(shown->a, shown->b, [](const AcGePoint3d& p, const AcGePoint3d& q) { return p.x < q.x; });
        if (end.x > reached) {
            reached = end.x;
            point = Along(end, start, 0.25);
        }
    }
    outline->close();
    return point;
}

} // namespace

// The working data of one run of the details: the reference (top-plate) detail, the kind-1
// (bottom-plate) detail, the bent-up bars hung under them, the polylines cut at the middle of a
// half drawing and the records that have no detail.
struct CGLGZ_EtDraw::DetailRun {
    int reference = -1;
    int kindOne = -1;
    std::vector<int> upper;
    std::vector<int> lower;
    AcDbObjectIdArray clip;
    double clipX = 0.0;
    int upperCount = 0;
    std::vector<int> withoutDetail;
};

CString CGLGZ_EtDraw::VaryingLengthLabel(const CHLGZ_SteelCode& record)
{
    return m_strDetailLetter.IsEmpty() ? CGLGZ_CapDraw::VaryingLengthLabel(record) : m_strDetailLetter;
}

void CGLGZ_EtDraw::DrawLongitudinalDetail(int index, DetailRun& run)
{
    CHLGZ_SteelCode& record = m_steelCodes[index];
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    // 1. The main bars' grade and diameter.
    record.nBarType = more.GetSkeletonBarType();
    record.nDiameter = more.GetSkeletonDiameter();
    // 2. The bar shape the record stands for.
    const int reference = record.aTags.isEmpty() ? 0 : record.aTags[0];
    CHLGZ_BASSteel* bar = reference != 0 ? FindKindBar(reference) : nullptr;
    const AcDbObjectId source = bar == nullptr ? AcDbObjectId() : reference > 0 ? bar->GetFirstId() : bar->GetSecondId();
    const AcDbObjectId copy = source.isNull() ? AcDbObjectId() : CopyEntityToModelSpace(source);
    if (copy.isNull()) {
        acutPrintf(L"内部错误0607221445\n");
        run.withoutDetail.push_back(index);
        return;
    }
    // 3. Its copy and its points; the ends that differ from bar to bar and their letter are
    // read before the points give way to the shape's.
    record.aEntityIds.append(copy);
    m_nVaryingEnds = (IsMarkUniform(record, 0) ? 0 : 1) | (IsMarkUniform(record, 1) ? 0 : 2);
    m_strDetailLetter.Empty();
    if (m_nVaryingEnds != 0)
        m_strDetailLetter.Format(L"%c", static_cast<wchar_t>(m_nNextLetter++));
    const AcGePoint3dArray grouped = record.aPoints;
    const AcGePoint3dArray& p = reference > 0 ? bar->GetFirstPoints() : bar->GetSecondPoints();
    record.aPoints = p;
    const int n = p.length();
    const int kind = bar->GetKind();
    if (PlacementState(record) != 2 && PlacementState(record) != 3)
        PlacementState(record) = kind >= 0 && kind <= 3 ? 2 : 3;
    // 4. - 5. The drawer of its kind, the callout's anchor and the polylines to cut.
    AcGePoint3d anchor = n > 0 ? p[0] : AcGePoint3d::kOrigin;
    int calloutFlag = 0;
    bool clipped = true;
    const double d = m_pSupports != nullptr && !m_pSupports->isEmpty() ? m_pSupports->first() / m_dScale : 0.0;
    switch (kind) {
    case 1:
        DrawBottomPlateBarDetail(record);
        if (n > 3) {
            anchor = m_bAbutment ? PointAlongLine(p[1], p[2], d) : PointAlongLine(p[2], p[3], d);
            if (!m_bHalfDrawing && m_lines.GetSize() > 4)
                anchor.x = m_lines[4].start.x;
        }
        run.kindOne = index;
        break;
    case 2:
        if (n < 3) {
            DrawStraightBarDetail(record);
            if (n == 2) {
                anchor = MidPoint(p[0], p[1]);
                if (!m_bHalfDrawing)
                    anchor = MidPoint(anchor, p[1]);
            }
            clipped = false;
        } else {
            const AcGePoint3d taken = record.aPoints[1];
            record.aPoints.removeAt(1);
            DrawStraightBarDetail(record);
            record.aPoints.insertAt(1, taken);
            anchor = m_bHalfDrawing ? p[1] : MidPoint(p[1], p[2]);
        }
        break;
    case 3:
        DrawStraightBarDetail(record);
        if (n >= 2) {
            anchor = MidPoint(p[0], p[1]);
            if (!m_bHalfDrawing)
                anchor = MidPoint(anchor, p[1]);
        }
        break;
    case 4:
        DrawUpperBentBarDetail(record, run.clipX, run.upperCount++);
        for (int j = 1; j < n - 1; ++j) {
            if (p[j - 1].y == p[j].y && p[j + 1].y < p[j].y) {
                anchor = Along(p[j], p[j + 1], 0.25);
                break;
            }
        }
        run.upper.push_back(index);
        break;
    case 5:
        DrawSupportUpperBentBarDetail(record);
        if (reference > 0) {
            for (int j = 1; j < n - 1; ++j) {
                if (p[j + 1].y == p[j].y && p[j + 1].y > p[j - 1].y) {
                    anchor = Along(p[j], p[j - 1], 0.25);
                    break;
                }
            }
            calloutFlag = 1;
        } else if (n > 2) {
            anchor = Along(p[1], p[2], 0.25);
        }
        clipped = false;
        break;
    case 6: {
        DrawLowerBentBarDetail(record, run.clipX);
        AcGePoint3dArray v;
        ReadPolylineVertexList(bar->GetFirstId(), v);
        const int m = v.length();
        if (m > 0)
            anchor = v[m - 1];
        for (int j = 2; m > 3 && j < m - 1; ++j) {
            if (std::fabs(v[j].y - v[j - 1].y) < kSameLevel && v[j].y > v[j + 1].y) {
                anchor = Along(v[j], v[j + 1], 0.25);
                break;
            }
        }
        run.lower.push_back(index);
        break;
    }
    case 7:
        DrawSupportLowerBentBarDetail(record);
        if (n > 1 && p[n - 1].x >= p[0].x) {
            anchor = p[n - 1];
            for (int k = n - 1; k > 0; --k) {
                if (p[k].x > p[k - 1].x && p[k].y < p[k - 1].y) {
                    anchor = Along(p[k], p[k - 1], 0.2);
                    break;
                }
            }
        }
        clipped = false;
        break;
    default:
        // The top-plate bar, and a bar of a kind of its own, is the detail the others hang under.
        if (n > 2)
            run.clipX = p[2].x;
        DrawTopPlateBarDetail(record);
        if (n > 3) {
            anchor = m_bHalfDrawing ? AcGePoint3d(p[2].x - 25.0, p[2].y, 0.0) : MidPoint(p[2], p[3]);
            if (!m_bHalfDrawing && !m_lines.IsEmpty())
                anchor.x = m_lines[m_lines.GetSize() - 1].start.x + 2.0;
        }
        run.reference = index;
        break;
    }
    if (clipped)
        run.clip.append(copy);
    // A half drawing shows the shape up to its cut: a callout the rule puts past the cut moves
    // back onto the last piece shown.
    if (m_bHalfDrawing && clipped && run.clipX > 0.0 && anchor.x > run.clipX + kSameLevel)
        anchor = PointShownBeforeCut(copy, run.clipX, anchor);
    // 6. The callout; the shape's points kept beside those the size table reads.
    DrawBarCallout(anchor, &record, calloutFlag);
    record.GetExtents(0);
    record.aFurtherPoints = record.aPoints;
    record.aPoints = grouped;
    m_nVaryingEnds = 0;
    m_strDetailLetter.Empty();
}

void CGLGZ_EtDraw::DrawStrengtheningSet(CHLGZ_SteelCode& set, double length, double drawnLength, int secondSet)
{
    const CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    const double t = steel.GetMultiLayerDecrement();
    // 1. A step below a millimetre makes one group of all the bars.
    if (std::fabs(t) < 1.0)
        for (int k = 0; k < set.aTags.length(); ++k)
            set.aTags[k] = 0;
    // 2. One record a group index; an index that no bar carries makes none.
    int groups = 0;
    for (int tag : set.aTags)
        groups = std::max(groups, tag);
    for (int i = 0; i <= groups; ++i) {
        CHLGZ_SteelCode record;
        record.nBarType = steel.GetTopBarType();
        record.nDiameter = steel.GetTopDiameter();
        const int last = m_nLongitudinalRecords > 0 ? m_steelCodes[m_nLongitudinalRecords - 1].nNumber : 0;
        record.nNumber = i == 0 ? last + 1 : last;
        record.nPrimed = i;
        PlacementState(record) = 4;
        int k = 0;
        for (int b = 0; b < set.aTags.length() && b < set.aLengths.length(); ++b) {
            if (set.aTags[b] != i)
                continue;
            record.AddLength(set.aLengths[b]);
            ++k;
        }
        if (k == 0)
            continue;
        // The bars of the group are counted in the quantities.
        record.nCount = k;
        record.dTotalLength /= k;
        // The part beyond the column's centre, then the group's shortening and the hooks.
        record.dMinLength -= length / 1000.0;
        record.dMaxLength -= length / 1000.0;
        const double h = GetHookLength(record.nDiameter, record.nBarType, 90, 0.0);
        record.dTotalLength = 2.0 * h / 1000.0 + record.dTotalLength - i * 2.0 * t / 1000.0;
        if (secondSet) {
            record.dMinLength -= i * t / 1000.0;
            record.dMaxLength -= i * t / 1000.0;
        } else {
            record.dMinLength = static_cast<int>((record.dMinLength - i * t / 1000.0) * 100.0 + 0.5) / 100.0;
            record.dMaxLength = static_cast<int>((record.dMaxLength - i * t / 1000.0) * 100.0 + 0.5) / 100.0;
        }
        record.dAverageLength = record.dTotalLength;
        MavUtils::selectLayer(L"04-钢筋");
        const double a1 = record.dMinLength * 1000.0;
        const double a2 = record.dMaxLength * 1000.0;
        DrawTwoPartBarDetail(record, a1, a2, drawnLength - t * i, 1, 1);
        AddRangeLabel(record, a1, a2, length - t * i, 1, 1);
        if (secondSet)
            record.dMinLength = record.dMaxLength = record.dTotalLength;
        if (record.aPoints.length() > 3)
            DrawBarCallout(MidPoint(record.aPoints[2], record.aPoints[3]), &record, 0);
        record.GetExtents(0);
        record.aFurtherPoints = record.aPoints;
        record.aPoints.setLogicalLength(0);
        m_steelCodes.InsertAt(m_nLongitudinalRecords, record);
        ++m_nLongitudinalRecords;
    }
}

void CGLGZ_EtDraw::DrawStrengtheningBars()
{
    CHLGZ_ExtendSteel& steel = m_pDesign->GetExtendSteel();
    CHLGZ_SteelCode& a = m_edgeTopBars;
    CHLGZ_SteelCode& b = m_middleTopBars;
    // 1. The middle columns' bars drawn as the edge columns' when they are the same.
    if (steel.GetEdgeTopSwitch() && steel.GetMiddleTopSwitch() && steel.GetSameAsEdgeSwitch()) {
        a.nCount += b.nCount;
        a.aTags.append(b.aTags);
        a.aLengths.append(b.aLengths);
        b.nCount = 0;
    }
    // 2. - 3. The edge columns' bars from the column inward; the middle columns' to each side.
    if (steel.GetEdgeTopSwitch() && a.nCount > 0)
        DrawStrengtheningSet(a, steel.GetEdgeInnerDistance(), steel.GetEdgeInnerDistance(), 0);
    if (steel.GetMiddleTopSwitch() && b.nCount > 0)
        DrawStrengtheningSet(b, steel.GetEdgeInnerDistance(), steel.GetMiddlePierDistance(), 1);
}

int CGLGZ_EtDraw::DrawStirrupDetails()
{
    m_drawnItems.BeginItem(L"大样");
    DetailRun run;
    const int total = static_cast<int>(m_steelCodes.GetSize());
    m_nLongitudinalRecords = std::clamp(m_nGroupedMarks, 0, total);
    m_nHookedRecords = std::clamp(m_nClosingMarks, 0, total - m_nLongitudinalRecords);
    // 1. A strengthened column has its own top-plate and bottom-plate bar.
    for (int code : m_pDesign->GetExtendSteel().GetCodes()) {
        if (!IsStrengthenedCode(code))
            continue;
        for (int r = 0; r < 2 && r < m_nLongitudinalRecords; ++r)
            ++m_steelCodes[r].nCount;
    }
    // 2. The longitudinal bars.
    for (int i = 0; i < m_nLongitudinalRecords; ++i)
        DrawLongitudinalDetail(i, run);
    // 3. The strengthening bars, at the end of the longitudinal bars.
    const int firstAdded = m_nLongitudinalRecords;
    DrawStrengtheningBars();
    const int added = m_nLongitudinalRecords - firstAdded;
    // 4. The hooked bars; a mark without bars has nothing to show.
    const int firstHooked = m_nLongitudinalRecords;
    std::vector<int> hooked;
    for (int i = firstHooked; i < firstHooked + m_nHookedRecords; ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        PlacementState(record) = 4;
        if (record.nCount <= 0 || record.dMaxLength <= 0.0) {
            run.withoutDetail.push_back(i);
            continue;
        }
        MavUtils::selectLayer(L"04-钢筋");
        if (!DrawHookedBarDetail(record, 0)) {
            run.withoutDetail.push_back(i);
            continue;
        }
        const AcGePoint3dArray& p = record.aPoints;
        AcGePoint3d anchor = Along(p[1], p[2], 0.75);
        anchor.x -= 5.0;
        AddAverageRangeLabel(record, 0);
        if (record.dAverageLength <= 0.0)
            record.dAverageLength = record.dTotalLength / record.nCount;
        DrawBarCallout(anchor, &record, 0);
        record.GetExtents(0);
        record.aFurtherPoints = record.aPoints;
        record.aPoints.setLogicalLength(0);
        hooked.push_back(i);
    }
    // 5. The stirrups, each whole with its legs' lengths; their mean length is what the
    // quantity table and the callout show.
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    for (int i = firstHooked + m_nHookedRecords; i < static_cast<int>(m_steelCodes.GetSize()); ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        PlacementState(record) = 5;
        record.nDiameter = more.GetStirrupDiameter();
        if (record.aPoints.length() < 2) {
            if (record.nCount > 0)
                record.dAverageLength = record.dTotalLength / record.nCount;
            acutPrintf(L"一个箍筋无法绘制大样!\n");
            run.withoutDetail.push_back(i);
            continue;
        }
        MavUtils::selectLayer(L"04-钢筋");
        DrawPlanStirrupKindDetail(record);
        record.aFurtherPoints = record.aPoints;
        record.aPoints.setLogicalLength(0);
    }
    // 6. A whole plan's details sorted by their group; the working indexes follow their records.
    if (!m_bHalfPlan) {
        const int n = static_cast<int>(m_steelCodes.GetSize());
        std::vector<int> at(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            at[static_cast<size_t>(i)] = i;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (PlacementState(m_steelCodes[j]) < PlacementState(m_steelCodes[i])) {
                    std::swap(m_steelCodes[i], m_steelCodes[j]);
                    std::swap(at[static_cast<size_t>(i)], at[static_cast<size_t>(j)]);
                }
        std::vector<int> position(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            position[static_cast<size_t>(at[static_cast<size_t>(i)])] = i;
        auto follow = [&](int& index) {
            if (index >= 0)
                index = position[static_cast<size_t>(index)];
        };
        follow(run.reference);
        follow(run.kindOne);
        for (std::vector<int>* list : { &run.upper, &run.lower, &run.withoutDetail, &hooked })
            for (int& index : *list)
                follow(index);
    }
    // 7. Each detail one group on request.
    if (m_bGroup)
        for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i)
            MakeGroup(L"", m_steelCodes[i].aEntityIds, 1);
    // 8. - 9. The bent-up bars under the top-plate bar, the bottom-plate bar under them and
    // the span centre lines through all; a drawing without both plate bars hangs nothing.
    if (m_steelCodes.GetSize() >= 2) {
        const int reference = run.reference >= 0 ? run.reference : 0;
        const int kindOne = run.kindOne >= 0 ? run.kindOne : 1;
        HangDetails(reference, kindOne, run.upper, run.lower);
        DrawSpanCentreLines(reference, kindOne);
    }
    // 12. A half drawing's details cut at its middle, while every detail still stands where its
    // bar stands in the elevation; each box then holds what is left of it.
    if (m_bHalfDrawing) {
        for (int i = run.clip.length() - 1; i >= 0; --i)
            ClipPolylineAtX(run.clip[i], run.clipX);
        for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i)
            if (PlacementState(m_steelCodes[i]) != -1)
                m_steelCodes[i].GetExtents(0);
    }
    // 11. The records without a detail take no room; the others are packed.
    for (int i : run.withoutDetail)
        MarkPlaced(m_steelCodes[i]);
    if (m_bHalfPlan) {
        if (added > 1)
            JoinDetail(firstAdded, firstAdded + 1,
                AcGePoint3d(m_steelCodes[firstAdded].ptMax.x, m_steelCodes[firstAdded].ptMax.y, 0.0));
        if (added > 1)
            m_steelCodes[firstAdded].GetExtents(0);
        if (hooked.size() > 1) {
            const CHLGZ_SteelCode& first = m_steelCodes[hooked[0]];
            JoinDetail(hooked[0], hooked[1], AcGePoint3d(first.ptMax.x, first.ptMax.y, 0.0));
            m_steelCodes[hooked[0]].GetExtents(0);
        }
        ArrangeDetails();
    } else {
        ArrangeDetailsInRows();
    }
    return 1;
}

int CGLGZ_EtDraw::ArrangeDetailsInRows()
{
    if (m_ptsSheetOrigins.isEmpty() || m_steelCodes.IsEmpty())
        return 1;
    const AcGePoint3d o = m_ptsSheetOrigins.first();
    AcGePoint3d l = m_ptsSheetOrigins.last();
    const double f = m_frame.m_dWidth;
    const double g = m_frame.m_dHeight;
    const double t = TitleStripHeight();
    const double side = 95.0;
    const double lower = 50.0;
    bool newSheet = false;
    int result = 1;
    // 1. The first detail under the views, on a sheet of its own when it does not fit there.
    CHLGZ_SteelCode& first = m_steelCodes[0];
    if (!IsPlaced(first)) {
        PlaceDetail(first, first.ptMin.x, m_dLowestY);
        const bool below = l.y + 10.0 > first.ptMin.y;
        const bool wide = first.ptMax.x > l.x + 380.0 - side && first.ptMin.y - l.y < 40.0;
        if (below || wide) {
            l = OpenSheet();
            newSheet = true;
            MoveEntities(first, AcGePoint3d(0.0, first.ptMax.y, 0.0), AcGePoint3d(0.0, l.y + kSheetHeight - 10.0, 0.0));
        }
    }
    // 2. - 3. Rows in two runs a sheet, the lower one clear of the notes; a new sheet while
    // details remain.
    double level = first.ptMin.y;
    double firstBottom = l.y + lower;
    double secondBottom = t + l.y;
    double firstRight = o.x + f;
    const double secondRight = o.x + f - side;
    auto remaining = [&]() {
        for (INT_PTR i = 1; i < m_steelCodes.GetSize(); ++i)
            if (!IsPlaced(m_steelCodes[i]))
                return true;
        return false;
    };
    while (remaining()) {
        int placed = 0;
        for (int run = 0; run < 2; ++run) {
            const double bottom = run == 0 ? firstBottom : secondBottom;
            const double right = run == 0 ? firstRight : secondRight;
            double x = o.x;
            double rowHeight = 0.0;
            for (INT_PTR i = 1; i < m_steelCodes.GetSize(); ++i) {
                CHLGZ_SteelCode& record = m_steelCodes[i];
                if (IsPlaced(record))
                    continue;
                if (DetailHeight(record) > level - bottom)
                    break;
                if (DetailWidth(record) > right - x) {
                    if (rowHeight == 0.0) {
                        // Wider than a whole row: it fits nowhere.
                        MarkPlaced(record);
                        result = 0;
                        continue;
                    }
                    level -= rowHeight;
                    x = o.x;
                    rowHeight = 0.0;
                    --i;
                    continue;
                }
                PlaceDetail(record, x, level);
                ++placed;
                x += DetailWidth(record);
                rowHeight = std::max(rowHeight, DetailHeight(record));
            }
            level -= rowHeight;
        }
        if (!remaining())
            break;
        // A fresh sheet that takes none of them would take none ever.
        if (placed == 0 && newSheet && level >= l.y + g - 3.0 - 1e-9) {
            result = 0;
            break;
        }
        l = OpenSheet();
        newSheet = true;
        level = g + l.y - 3.0;
        firstBottom = l.y + lower;
        secondBottom = t + l.y;
        firstRight = o.x + f - side;
    }
    // 4. The quantity table last, beside the last sheet or at the top of a new one.
    DrawQuantityTable(newSheet ? AcGePoint3d(l.x + f - 47.0 - 5.0, g + l.y - m_dLayoutMargin, 0.0) : QuantityTablePoint());
    return result;
}
