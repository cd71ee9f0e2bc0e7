// The skeleton details of the normal-section drawing: one welded cage a group of skeleton
// kinds, drawn in elevation at its origin with the support centre lines, the welds between the
// bars, the dimensions (the lengths that differ between the kinds of the group named "X1" to
// "X4", or given as ranges in a half drawing) and the bar marks.
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "DrawingConstants.h"
#include "CGLGZ_EtDraw.h"

#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"
#include "acut.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

using Lines = CArray<LineInfo, const LineInfo&>;
using Work = CGLGZ_CapDraw::BarShapeWork;

constexpr double kSameX = 1e-6;
// Detail layout in drawing units: the cap's top under the detail's title (room for the title's
// underlines and the dimension texts over the top bars), the centre lines' reach over and
// under the cap, the pitch of the dimension rows under the skeleton.
constexpr double kTopUnderTitle = 14.0;
constexpr double kCentreOver = 6.0;
constexpr double kCentreUnder = 5.0;
constexpr double kRowPitch = 5.0;
constexpr double kArrowScale = 2.5;
bool Missing(double value) { return value >= Work::kNoBranch; }

// A length in centimetres from millimetres.
CString Centimetres(double mm) { return FormatFixed(mm / 10.0, -1); }

CString Range(double a, double b)
{
    CString text;
    text.Format(L"%s~%s", Centimetres(std::min(a, b)).GetString(), Centimetres(std::max(a, b)).GetString());
    return text;
}

// Where the bent-up bars of one face end their runs along the top (upper) or the bottom
// (lower): the design's distances from the support axes; the outer ends of the upper bar of the
// given number are left to its shape.
std::vector<double> RunEnds(
    const CHLGZ_FaceInfo& face, const std::vector<double>& axes, double scale, bool upper, int outerShaped = 0)
{
    std::vector<double> xs;
    const int n = static_cast<int>(axes.size());
    auto add = [&](int j, double left, double right) {
        if (!Missing(left))
            xs.push_back(axes[static_cast<size_t>(j)] - left / scale);
        if (!Missing(right))
            xs.push_back(axes[static_cast<size_t>(j)] + right / scale);
    };
    if (upper) {
        for (INT_PTR b = 0; b < face.GetLUTSteels().GetSize(); ++b) {
            const AcGePoint2dArray& entries = face.GetLUTSteels()[b].GetPoints();
            const bool shaped = outerShaped != 0 && face.GetLUTSteels()[b].GetTag() == outerShaped;
            const int last = std::min(n, entries.length()) - 1;
            for (int j = 0; j <= last; ++j)
                add(j, shaped && j == 0 ? Work::kNoBranch : entries[j].x,
                    shaped && j == last ? Work::kNoBranch : entries[j].y);
        }
    } else {
        for (INT_PTR b = 0; b < face.GetLUBSteels().GetSize(); ++b) {
            const AcGePoint3dArray& entries = face.GetLUBSteels()[b].GetPoints();
            for (int j = 0; j < n && j < entries.length(); ++j)
                add(j, entries[j].x, entries[j].y);
        }
    }
    for (int j = 0; j < n && j < face.GetSupports().GetSize(); ++j) {
        const CHLGZ_PoleInfo& support = face.GetSupports()[j];
        if (upper) {
            for (INT_PTR b = 0; b < support.GetLPTSteels().GetSize(); ++b)
                add(j, support.GetLPTSteels()[b].GetLeftAxisDistance(),
                    support.GetLPTSteels()[b].GetRightAxisDistance());
        } else {
            for (INT_PTR b = 0; b < support.GetLPBSteels().GetSize(); ++b)
                add(j, support.GetLPBSteels()[b].GetLeftAxisDistance(),
                    support.GetLPBSteels()[b].GetRightAxisDistance());
        }
    }
    return xs;
}

// The outermost ends of the top runs of a bar as drawn; false without a top run.
bool TopRunEnds(const AcGePoint3dArray& p, double& left, double& right, bool found = false)
{
    double top = -1e300;
    for (const AcGePoint3d& q : p)
        top = std::max(top, q.y);
    for (int i = 0; i + 1 < p.length(); ++i) {
        if (std::fabs(p[i].y - top) > kSameX || std::fabs(p[i + 1].y - top) > kSameX)
            continue;
        const double a = std::min(p[i].x, p[i + 1].x);
        const double b = std::max(p[i].x, p[i + 1].x);
        left = found ? std::min(left, a) : a;
        right = found ? std::max(right, b) : b;
        found = true;
    }
    return found;
}

// The same over every upper bent-up bar of the face: the skeleton's reach along the top.
bool TopRunEnds(CHLGZ_FaceInfo& face, double& left, double& right)
{
    bool found = false;
    for (INT_PTR b = 0; b < face.GetLUTSteels().GetSize(); ++b)
        found = TopRunEnds(face.GetLUTSteels()[b].GetFirstPoints(), left, right, found);
    for (INT_PTR j = 0; j < face.GetSupports().GetSize(); ++j)
        for (INT_PTR b = 0; b < face.GetSupports()[j].GetLPTSteels().GetSize(); ++b) {
            const CHLGZ_LPTSteel& bar = face.GetSupports()[j].GetLPTSteels()[b];
            found = TopRunEnds(bar.GetFirstPoints(), left, right, found);
            found = TopRunEnds(bar.GetSecondPoints(), left, right, found);
        }
    return found;
}

size_t NearestIndex(const std::vector<double>& xs, double x)
{
    size_t best = 0;
    for (size_t i = 1; i < xs.size(); ++i)
        if (std::fabs(xs[i] - x) < std::fabs(xs[best] - x))
            best = i;
    return best;
}

} // namespace

double CGLGZ_EtDraw::SkeletonBaseOrdinate() const
{
    // The top of the section view's outline, which the details' outlines are copied from.
    return m_ptOutlineOrigin.y;
}

AcGePoint2d CGLGZ_EtDraw::SkeletonKindExtents(int kind) const
{
    const int column
        = static_cast<int>(std::find(m_nColumnKinds.begin(), m_nColumnKinds.end(), kind) - m_nColumnKinds.begin());
    if (column >= m_ptsColumnExtents.length() || m_pGeometry == nullptr || m_dScale <= 0.0)
        return AcGePoint2d();
    const AcGePoint2d& extents = m_ptsColumnExtents[column];
    const double left = m_bAbutment ? 0.0 : m_pGeometry->dLeftWidth;
    const double right = m_bAbutment ? 0.0 : m_pGeometry->dRightWidth;
    return AcGePoint2d((extents.x - left) / m_dScale, (extents.y - right) / m_dScale);
}

CArray<LineInfo, const LineInfo&> CGLGZ_EtDraw::SkeletonKindLines(int kind, const AcGeVector3d& offset)
{
    Lines lines = m_lines;
    if (!m_bHalfDrawing && lines.GetSize() >= 4 && m_pDesign != nullptr && m_pGeometry != nullptr) {
        // The ends of the section view sit at the supports' distances along the axis.
        const AcGeDoubleArray& s = m_pDesign->GetSupportDistances();
        const CBent_BasicGeometry& g = *m_pGeometry;
        const double d1 = s.isEmpty() ? 0.0 : s.first() / m_dScale;
        const double d2
            = s.length() > 1 ? s.last() / m_dScale : (g.dLength - g.dLeftWidth - g.dRightWidth) / m_dScale - d1;
        const AcGePoint2d extents = SkeletonKindExtents(kind);
        const AcGeVector3d left(-(extents.x - d1), 0.0, 0.0);
        const AcGeVector3d right(extents.y - d2, 0.0, 0.0);
        for (int i : { 0, 2 }) {
            lines[i].start += left;
            lines[i].end += left;
        }
        for (int i : { 1, 3 }) {
            lines[i].start += right;
            lines[i].end += right;
        }
    }
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        lines[i].start += offset;
        lines[i].end += offset;
    }
    return lines;
}

CString CGLGZ_EtDraw::SkeletonDetailItem(int kind) const
{
    CString name;
    name.Format(L"骨架大样%c", static_cast<wchar_t>(L'A' + (m_bHalfDrawing ? 0 : kind)));
    return name;
}

int CGLGZ_EtDraw::DrawSkeletonDetails()
{
    m_drawnItems.BeginItem(L"");
    // 1. The kinds that share an earlier kind's detail, shaped out of sight.
    PrepareSkeletonShapes();
    // 3. The groups in the order of their first kind.
    std::vector<int> groups;
    for (int g : m_nKindGroups)
        if (std::find(groups.begin(), groups.end(), g) == groups.end())
            groups.push_back(g);
    if (static_cast<int>(groups.size()) != m_nGroups) {
        acutPrintf(
            L"出现内部错误，程序意外终止(%d,%d)，内部编号0607181628\n", static_cast<int>(groups.size()), m_nGroups);
        return 0;
    }
    // 4. The scale caption.
    CString caption;
    caption.Format(L"（1：%s）", FormatFixed(m_dScale, -7).GetString());
    // 5. One detail a group.
    std::vector<std::pair<int, AcGePoint3d>> leaders;
    for (size_t g = 0; g < groups.size(); ++g) {
        const int k = static_cast<int>(
            std::find(m_nKindGroups.begin(), m_nKindGroups.end(), groups[g]) - m_nKindGroups.begin());
        if (k >= m_faces.GetSize())
            continue;
        const AcGePoint3d origin = SkeletonDetailOrigin(static_cast<int>(g));
        leaders.push_back({ k, origin });
        // Title: the letters of the group's kinds.
        CString title;
        title.Format(L"骨架大样%c", static_cast<wchar_t>(L'A' + (m_bHalfDrawing ? 0 : k)));
        m_dGroupLefts.setLogicalLength(0);
        m_dGroupRights.setLogicalLength(0);
        std::vector<int> kinds;
        for (int j = 0; j < m_nKindGroups.length() && j < m_faces.GetSize(); ++j) {
            if (m_nKindGroups[j] != groups[g])
                continue;
            kinds.push_back(j);
            const AcGePoint2d extents = SkeletonKindExtents(j);
            m_dGroupLefts.append(extents.x);
            m_dGroupRights.append(extents.y);
            if (j != k && !m_bHalfDrawing) {
                CString letter;
                letter.Format(L"、%c", static_cast<wchar_t>(L'A' + j));
                title += letter;
            }
        }
        m_drawnItems.BeginItem(SkeletonDetailItem(k));
        AcGePoint3d titlePoint = origin;
        if (m_bHalfDrawing && m_pGeometry != nullptr)
            titlePoint.x -= m_pGeometry->dLength / m_dScale / 4.0;
        AddBoxedText(titlePoint, title, caption);
        // The kind's outline under the title, its bars, their legs, the detail.
        const Lines lines = SkeletonKindLines(k, SkeletonDetailOffset(origin));
        const int endType = GetSkeletonEndType(FirstColumnOfKind(k));
        BuildSkeletonBarShapes(lines, m_faces[k], endType, 1);
        MeasureSkeletonShapes(m_faces[k]);
        double lengths[4] = { 0.0, 0.0, 0.0, 0.0 };
        DrawSkeletonDetail(lines, m_faces[k], lengths, endType);
        StoreSkeletonLengths(kinds, lengths);
    }
    // 6. The marks of the bars of each detail's leading kind; the grouping writes the marks of
    // the elevation.
    m_drawnItems.BeginItem(L"立面");
    GroupBarShapes();
    for (const auto& [k, origin] : leaders) {
        const Lines lines = SkeletonKindLines(k, SkeletonDetailOffset(origin));
        m_drawnItems.BeginItem(SkeletonDetailItem(k));
        const int clip = m_bClipAtMiddle;
        m_bClipAtMiddle = m_bHalfDrawing;
        DrawBarMarks(lines, m_faces[k], 0);
        m_bClipAtMiddle = clip;
    }
    return 1;
}

int CGLGZ_EtDraw::DrawSkeletonDetail(const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face,
    double lengths[4], [[maybe_unused]] int endType)
{
    const int n = static_cast<int>(lines.GetSize()) - 4;
    if (m_pDesign == nullptr || n < 1 || face.GetLBLSteel().GetFirstPoints().length() < 2)
        return 0;
    // 1. Label style, dimension style, the weld length and the bar's thickness.
    AcDbObjectId styleId;
    CreateTextStyle(L"DM", 0.0, 0.0, styleId);
    SelectDimStyle(m_dScale);
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    m_dDetailDiameter = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType()) / m_dScale;
    m_dDetailWeld = GetWeldLength() / m_dScale;
    m_dDetailMiddle = (lines[2].end.x + lines[3].end.x) / 2.0;
    // 2. - 3. Centre lines.
    AcGeDoubleArray positions;
    DrawSkeletonCentreLines(lines, positions);
    // 4. - 5. Welds.
    for (int t = 0; t < 3; ++t)
        m_idWeldBlocks[t] = GetWeldBlock(m_dDetailWeld * m_dScale, m_dDetailDiameter * m_dScale, t);
    const int clip = m_bClipAtMiddle;
    m_bClipAtMiddle = m_bHalfDrawing;
    DrawSkeletonWelds(face, positions);
    // 6. - 7. Dimensions and the ends of the bottom bars at the supports.
    DrawSkeletonDimensions(lines, face, lengths);
    DrawSkeletonBarEndArrows(lines, face);
    m_bClipAtMiddle = clip;
    return 1;
}

AcGePoint3d CGLGZ_EtDraw::SkeletonDetailOrigin(int group)
{
    if (group < m_ptsDetailOrigins.length())
        return m_ptsDetailOrigins[group];
    // A detail the layout found no place for goes to the top of a sheet of its own.
    const double x = m_ptsDetailOrigins.isEmpty() ? MainViewOrigin().x : m_ptsDetailOrigins.last().x;
    while (m_ptsDetailOrigins.length() <= group)
        m_ptsDetailOrigins.append(AcGePoint3d(x, NextViewOrigin().y + kSheetHeight - m_dLayoutMargin, 0.0));
    return m_ptsDetailOrigins[group];
}

AcGeVector3d CGLGZ_EtDraw::SkeletonDetailOffset(const AcGePoint3d& origin) const
{
    return AcGeVector3d(0.0, origin.y - SkeletonBaseOrdinate() - kTopUnderTitle, 0.0);
}

int CGLGZ_EtDraw::FirstColumnOfKind(int kind) const
{
    const int column
        = static_cast<int>(std::find(m_nColumnKinds.begin(), m_nColumnKinds.end(), kind) - m_nColumnKinds.begin());
    return column < m_nColumnKinds.length() ? column : -1;
}

void CGLGZ_EtDraw::StoreSkeletonLengths(const std::vector<int>& kinds, const double lengths[4])
{
    if (kinds.empty())
        return;
    for (int v = 0; v < 4; ++v) {
        for (INT_PTR i = 0; i < m_vars.GetSize(); ++i) {
            if (m_vars[i].GetName() != kSkeletonVariableNames[v])
                continue;
            AcGeDoubleArray& values = m_vars[i].GetValues();
            for (size_t j = 0; j < kinds.size(); ++j) {
                const int kind = kinds[j];
                // X1 and X3 follow a kind's left end, X2 and X4 its right end.
                const AcGeDoubleArray& ends = v % 2 == 0 ? m_dGroupLefts : m_dGroupRights;
                const double shift = (ends[static_cast<int>(j)] - ends[0]) * m_dScale;
                if (kind < values.length())
                    values[kind] = lengths[v] + shift;
            }
            break;
        }
    }
}

void CGLGZ_EtDraw::DrawSkeletonCentreLines(const CArray<LineInfo, const LineInfo&>& lines, AcGeDoubleArray& positions)
{
    const int n = static_cast<int>(lines.GetSize()) - 4;
    MavUtils::selectLayer(L"13-中心");
    m_dDetailAxes.setLogicalLength(0);
    for (int j = 0; j < n; ++j) {
        const LineInfo& axis = lines[4 + j];
        m_dDetailAxes.append(axis.end.x);
        if (m_bHalfDrawing && axis.end.x > m_dDetailMiddle + 0.0001)
            continue;
        DrawLine(At(axis.start.x, axis.start.y + kCentreOver), At(axis.end.x, axis.end.y - kCentreUnder));
    }
    // The straight bars are welded at the axes and in the middle of every span.
    positions = m_dDetailAxes;
    for (int j = 1; j < n; ++j)
        positions.append((m_dDetailAxes[j - 1] + m_dDetailAxes[j]) / 2.0);
    // 3. A half drawing of an even number of supports shows the middle of the span it cuts.
    if (!m_bHalfDrawing || n % 2 != 0)
        return;
    const double x = ((lines[2].start.x + lines[3].start.x) / 2.0 + (lines[0].end.x + lines[1].end.x) / 2.0) / 2.0;
    const double y1 = std::max(lines[2].start.y, lines[3].start.y) + kCentreOver;
    const double y2 = std::min(lines[0].end.y, lines[1].end.y) - kCentreUnder;
    DrawLine(At(x, y1), At(x, y2));
    WriteSpanCentreText(x, y1, y2);
}

void CGLGZ_EtDraw::DrawSkeletonWelds(CHLGZ_FaceInfo& face, const AcGeDoubleArray& positions)
{
    MavUtils::selectLayer(L"04-钢筋");
    const AcGePoint3dArray& top = face.GetLTLSteel().GetFirstPoints();
    const AcGePoint3dArray& plate = face.GetLBLSteel().GetFirstPoints();
    const double upper = top.length() > 1 ? top[1].y : plate.first().y;
    double lower = plate.first().y;
    for (const AcGePoint3d& p : plate)
        lower = std::min(lower, p.y);
    const double l = m_dDetailWeld;
    std::set<int> seen;
    Work::ForEachBar(face, [&](CHLGZ_BASSteel& bar) {
        if (bar.GetTag() != 0 && !seen.insert(bar.GetTag()).second)
            return;
        const AcGePoint3dArray& p = bar.GetFirstPoints();
        switch (bar.GetKind()) {
        case 0:
            // The lower ends of the top-plate bar's legs, welded to the bottom-plate bar's.
            if (p.length() >= 3) {
                InsertMirroredBlock(p[0], At(p[0].x, p[0].y + l), p[2], m_dDetailMiddle, 0);
                if (!m_bHalfDrawing) {
                    const AcGePoint3d& last = p[p.length() - 1];
                    InsertMirroredBlock(At(last.x, last.y + l), last, p[p.length() - 3], m_dDetailMiddle, 0);
                }
            }
            break;
        case 2:
        case 3:
            DrawWeldRow(p, bar.GetKind() == 2 ? 1 : 0, l, positions, 0);
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            for (AcDbObjectId id : { bar.GetFirstId(), bar.GetSecondId() }) {
                AcGePoint3dArray vertices;
                if (!id.isNull() && ReadPolylineVertices(vertices, id) == 0)
                    DrawBarWelds(vertices, bar.GetKind() <= 5 ? 1 : 0, upper, lower, 0);
            }
            break;
        default:
            break;
        }
    });
}

void CGLGZ_EtDraw::DrawSkeletonDimensions(
    const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face, double lengths[4])
{
    const int n = static_cast<int>(lines.GetSize()) - 4;
    const AcGePoint3dArray& plate = face.GetLBLSteel().GetFirstPoints();
    const AcGePoint3dArray& top = face.GetLTLSteel().GetFirstPoints();
    std::vector<double> axes(m_dDetailAxes.begin(), m_dDetailAxes.end());
    double lower = plate.first().y;
    for (const AcGePoint3d& p : plate)
        lower = std::min(lower, p.y);
    const double upper = top.length() > 1 ? top[1].y : plate.first().y;
    const double limit = m_bHalfDrawing ? m_dDetailMiddle + kOnDetailMiddle : 1e300;
    auto shown = [&](double a, double b) { return std::max(a, b) < limit; };
    // Along the bottom: the axes, the ends of the first bottom bar of every span and the bends of
    // the lower bent-up bars between the plate bar's corners in one chain; every further bottom
    // bar of a span from the axes to its ends, a row lower.
    const double cornerLeft = plate[m_bAbutment ? 1 : std::min(2, plate.length() - 1)].x;
    const double cornerRight = plate[m_bAbutment ? std::max(0, plate.length() - 2) : std::max(0, plate.length() - 3)].x;
    std::vector<double> bottom = axes;
    int rows = 0;
    for (int j = 0; j + 1 < n && j < face.GetSupports().GetSize(); ++j) {
        const CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&>& bars = face.GetSupports()[j].GetLPMSteels();
        int row = 0;
        for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
            const AcGePoint3dArray& p = bars[b].GetFirstPoints();
            if (p.length() < 2)
                continue;
            if (row == 0) {
                bottom.push_back(p.first().x);
                bottom.push_back(p.last().x);
            } else {
                const double y = lower - kRowPitch * row;
                const double a = axes[static_cast<size_t>(j)];
                const double c = axes[static_cast<size_t>(j) + 1];
                if (shown(a, p.first().x))
                    DrawDimension(At(a, y), At(p.first().x, y), -1.0, -3.0, nullptr, L"");
                if (shown(p.last().x, c))
                    DrawDimension(At(p.last().x, y), At(c, y), -1.0, -3.0, nullptr, L"");
            }
            ++row;
        }
        rows = std::max(rows, row - 1);
    }
    for (double x : RunEnds(face, axes, m_dScale, false))
        if (x > cornerLeft && x < cornerRight)
            bottom.push_back(x);
    DrawSkeletonChain(DistinctAbscissas(bottom), lower, 0.0, -4.0);
    const double chain = lower - kRowPitch * rows;
    // The end spans to the bottom-plate bar's bends and the spans between the axes.
    const double spanY = chain - 1.0;
    const double leftBend = plate[1].x;
    const double rightBend = plate[plate.length() - 2].x;
    lengths[2] = std::fabs(axes.front() - leftBend) * m_dScale;
    lengths[3] = std::fabs(rightBend - axes.back()) * m_dScale;
    CString x3 = kSkeletonVariableNames[2];
    CString x4 = kSkeletonVariableNames[3];
    if (m_bHalfDrawing && !m_ptsColumnExtents.isEmpty()) {
        const double cover = m_pDesign->GetEndCover();
        x3 = Range(m_ptsColumnExtents[0].x - cover, m_ptsColumnExtents[0].y - cover);
    }
    AcDbObjectId id;
    DrawDimension(At(leftBend, spanY), At(axes.front(), spanY), -1.0, -6.5, &id, x3);
    MoveDimensionTextAside(id, -1.0, 0.0);
    AcGeDoubleArray greatest;
    AcGeDoubleArray smallest;
    AcGeDoubleArray firstRow;
    AcGeDoubleArray lastRow;
    const int limits = ComputeSpanLimits(greatest, smallest, firstRow, lastRow);
    for (int j = 1; j < n; ++j) {
        const double a = axes[static_cast<size_t>(j) - 1];
        const double b = axes[static_cast<size_t>(j)];
        CString text;
        if (limits && j < greatest.length() && std::fabs(greatest[j] - smallest[j]) * 1000.0 >= 0.5)
            text = Range(smallest[j] * 1000.0, greatest[j] * 1000.0);
        if (shown(a, b))
            DrawDimension(At(a, spanY), At(b, spanY), -1.0, -6.5, nullptr, text);
    }
    if (!m_bHalfDrawing) {
        DrawDimension(At(axes.back(), spanY), At(rightBend, spanY), -1.0, -6.5, &id, x4);
        MoveDimensionTextAside(id, 1.0, 0.0);
    }
    // Along the top: the ends of the upper bars' runs and the axes. The pieces from the trimmed
    // bar's ends inward follow the kind's ends: "X1" and "X2".
    double outerLeft = 0.0;
    double outerRight = 0.0;
    if (!TopRunEnds(face, outerLeft, outerRight))
        return;
    double trimLeft = outerLeft;
    double trimRight = outerRight;
    const CHLGZ_BASSteel* trimmed = m_nTrimmedBar != 0 ? FindFaceBar(m_nTrimmedBar, face) : nullptr;
    if (trimmed == nullptr || !TopRunEnds(trimmed->GetFirstPoints(), trimLeft, trimRight)) {
        trimLeft = outerLeft;
        trimRight = outerRight;
    }
    std::vector<double> xs = axes;
    for (double x : RunEnds(face, axes, m_dScale, true, trimmed != nullptr ? m_nTrimmedBar : 0))
        if (x > outerLeft + kSameX && x < outerRight - kSameX)
            xs.push_back(x);
    for (double x : { outerLeft, outerRight, trimLeft, trimRight })
        xs.push_back(x);
    const std::vector<double> along = DistinctAbscissas(xs);
    const size_t i = NearestIndex(along, trimLeft);
    const size_t r = NearestIndex(along, trimRight);
    if (i + 1 > r)
        return;
    lengths[0] = (along[i + 1] - along[i]) * m_dScale;
    lengths[1] = (along[r] - along[r - 1]) * m_dScale;
    CString x1 = kSkeletonVariableNames[0];
    if (m_bHalfDrawing) {
        double least = 1e300;
        double most = -1e300;
        for (int j = 0; j < m_dGroupLefts.length(); ++j) {
            for (double value : { lengths[0] + (m_dGroupLefts[j] - m_dGroupLefts[0]) * m_dScale,
                     lengths[1] + (m_dGroupRights[j] - m_dGroupRights[0]) * m_dScale }) {
                least = std::min(least, value);
                most = std::max(most, value);
            }
        }
        x1 = Range(least, most);
    }
    auto topChain = [&](size_t from, size_t to) {
        if (to > from)
            DrawSkeletonChain(std::vector<double>(along.begin() + from, along.begin() + to + 1), upper, 0.0, 4.0);
    };
    // A name that does not fit its piece moves off it, outward unless pieces lie further out.
    topChain(0, i);
    DrawDimension(At(along[i], upper), At(along[i + 1], upper), 0.0, 4.0, &id, x1);
    MoveDimensionTextAside(id, i > 0 ? 1.0 : -1.0, 0.0);
    if (r > i + 1) {
        topChain(i + 1, r - 1);
        if (!m_bHalfDrawing) {
            DrawDimension(At(along[r - 1], upper), At(along[r], upper), 0.0, 4.0, &id, kSkeletonVariableNames[1]);
            MoveDimensionTextAside(id, r + 1 < along.size() ? -1.0 : 1.0, 0.0);
        }
    }
    if (!m_bHalfDrawing)
        topChain(r, along.size() - 1);
}

// Texts of short pieces are narrowed, not moved off the line: over the skeleton they would run
// into the title, under it into the bars.
void CGLGZ_EtDraw::DrawSkeletonChain(const std::vector<double>& xs, double y, double offset, double textOffset)
{
    DrawHalfDetailChain(xs, y, offset, textOffset);
}

void CGLGZ_EtDraw::DrawSkeletonBarEndArrows(const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face)
{
    const int n = static_cast<int>(lines.GetSize()) - 4;
    MavUtils::selectLayer(L"08-标注");
    for (int j = 0; j < n; ++j) {
        const double axis = lines[4 + j].end.x;
        if (m_bHalfDrawing && axis >= m_dDetailMiddle + kOnDetailMiddle)
            continue;
        // The ends of the bottom bars of the spans on either side, by their distance from the axis.
        std::vector<AcGePoint3d> ends = { At(0.0, 0.0) };
        auto add = [&](int support, bool last) {
            // Bottom bars run in the spans, from the support of their number to the next one.
            if (support < 0 || support > n - 2 || support >= face.GetSupports().GetSize())
                return;
            const CArray<CHLGZ_LPMSteel, const CHLGZ_LPMSteel&>& bars = face.GetSupports()[support].GetLPMSteels();
            for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
                const AcGePoint3dArray& p = bars[b].GetFirstPoints();
                if (p.length() >= 2) {
                    const AcGePoint3d& e = last ? p.last() : p.first();
                    ends.push_back(At(e.x - axis, e.y));
                }
            }
        };
        add(j - 1, true);
        add(j, false);
        std::stable_sort(
            ends.begin(), ends.end(), [](const AcGePoint3d& a, const AcGePoint3d& b) { return a.x < b.x; });
        const auto right = std::find_if(ends.begin(), ends.end(), [](const AcGePoint3d& e) { return e.x > 0.0; });
        if (right == ends.end())
            continue;
        const size_t i = static_cast<size_t>(right - ends.begin());
        InsertMarkBlock(At(axis + right->x, right->y), kArrowScale, 180.0, m_idLeaderArrow);
        if (i >= 2 && ends[i - 2].x < 0.0)
            InsertMarkBlock(At(axis + ends[i - 2].x, ends[i - 2].y), kArrowScale, 0.0, m_idLeaderArrow);
    }
}
