// The bar shapes of each skeleton kind, built from its trimmed face inside an outline moved to
// the kind's ends, the leg lengths of its bent-up bars, the end type of a rebar column, and the
// look-ups of bars by number over the kind faces that the details and the grouping use.
#include "CGLGZ_CapDraw_BarShapeWork.h"
#include "CGLGZ_EtDraw.h"

#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "RebarRules.h"
#include "acut.h"

#include <cmath>
#include <set>

int CGLGZ_EtDraw::BuildSkeletonBarShapes(
    const CArray<LineInfo, const LineInfo&>& lines, CHLGZ_FaceInfo& face, [[maybe_unused]] int endType, int draw)
{
    if (m_pDesign == nullptr || lines.GetSize() < 4 || m_lines.GetSize() < 4)
        return 0;
    // The kind's outline: its crown moves with its top edge.
    BarShapeWork work;
    work.lines = &lines;
    const double dx = (lines[2].start.x - m_lines[2].start.x + lines[3].start.x - m_lines[3].start.x) / 2.0;
    work.crown = AcGePoint3d(
        m_ptOutlineOrigin.x + dx, m_ptOutlineOrigin.y + lines[2].start.y - m_lines[2].start.y, m_ptOutlineOrigin.z);
    work.shapeEnd = [this](const BarEndRequest& request, int atEnd) {
        return atEnd ? ShapeBarEndOpposite(request) : ShapeBarEnd(request);
    };
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double outer = GetRebarOuterDiameter(more.GetSkeletonDiameter(), more.GetSkeletonBarType());
    if (!PrepareBarShapeWork(work, face, outer, GetWeldLength()))
        return 0;
    // Plate and straight bars; the skeleton's height at its left end dimensioned.
    ShapePlateAndStraightBars(work);
    const AcGePoint3dArray& plate = face.GetLBLSteel().GetFirstPoints();
    if (draw && plate.length() >= 2) {
        SelectDimStyle(m_dScale);
        DrawDimension(plate[0], AcGePoint3d(plate[0].x, plate[1].y, 0.0), -2.0, -4.0, nullptr, L"");
    }
    // The bent-up bars; the trimmed bar keeps the ends the planning gave it, and no section
    // layers are taken from a kind.
    SortBentUpBars(face);
    ShapeBentUpBars(work);
    return 1;
}

void CGLGZ_EtDraw::MeasureSkeletonShapes(CHLGZ_FaceInfo& face)
{
    CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& bars = face.GetLUTSteels();
    for (INT_PTR b = 0; b < bars.GetSize(); ++b) {
        CHLGZ_LUTSteel& bar = bars[b];
        const AcGePoint3dArray& p = bar.GetFirstPoints();
        const int n = p.length();
        if (bar.GetTag() == m_nTrimmedBar && m_nTrimmedBar != 0) {
            // 1. The trimmed bar: its first and last top runs.
            for (int i = 2; i < n; ++i)
                if (p[i - 1].y == p[i].y && p[i].y > p[i - 2].y) {
                    bar.SetFirstLegLength(std::fabs(p[i].x - p[i - 1].x) * m_dScale);
                    break;
                }
            for (int g = n - 3; g >= 0; --g)
                if (p[g].y == p[g + 1].y && p[g + 1].y > p[g + 2].y) {
                    bar.SetLastLegLength(std::fabs(p[g + 1].x - p[g].x) * m_dScale);
                    break;
                }
            continue;
        }
        // 2. Every other bar: its first rising and its last falling leg.
        for (int i = 1; i < n; ++i)
            if (p[i].x > p[i - 1].x && p[i].y > p[i - 1].y) {
                bar.SetFirstLegLength(p[i].distanceTo(p[i - 1]) * m_dScale);
                break;
            }
        for (int i = n - 1; i >= 1; --i)
            if (p[i].x > p[i - 1].x && p[i].y < p[i - 1].y) {
                bar.SetLastLegLength(p[i].distanceTo(p[i - 1]) * m_dScale);
                break;
            }
    }
}

int CGLGZ_EtDraw::PrepareSkeletonShapes()
{
    std::set<int> leaders(m_nKindGroups.begin(), m_nKindGroups.end());
    const double firstY = m_ptsDetailOrigins.isEmpty() ? m_ptBase.y : m_ptsDetailOrigins.first().y;
    AcDbObjectIdArray drawn;
    for (int k = 0; k < m_faces.GetSize(); ++k) {
        if (leaders.count(k))
            continue;
        // 1. The kind's outline at a scratch place right of the details.
        const AcGeVector3d offset(500.0, firstY - 100.0 * k - SkeletonBaseOrdinate() + 4.0, 0.0);
        const CArray<LineInfo, const LineInfo&> lines = SkeletonKindLines(k, offset);
        // 2. Its shapes tried out and measured.
        const int column
            = static_cast<int>(std::find(m_nColumnKinds.begin(), m_nColumnKinds.end(), k) - m_nColumnKinds.begin());
        BuildSkeletonBarShapes(lines, m_faces[k], GetSkeletonEndType(column), 0);
        MeasureSkeletonShapes(m_faces[k]);
        AcGeIntArray numbers;
        CollectFaceBarNumbers(drawn, numbers, m_faces[k], 1);
    }
    // 3. Only the shapes stay, in the bar records.
    for (AcDbObjectId id : drawn) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk)
            continue;
        entity->erase();
        entity->close();
    }
    return 1;
}

int CGLGZ_EtDraw::GetSkeletonEndType(int column)
{
    // 1.
    if (column < 0) {
        acutPrintf(L"出现内部错误(0608011724)\n");
        return 0;
    }
    // 2. - 3. The last straight bar decides, then the last bent-up bar.
    AcDbObjectIdArray ids;
    AcGeIntArray numbers;
    CHLGZ_FaceInfo& face = m_pDesign->GetMainFace();
    CollectFaceBarNumbers(ids, numbers, face, 0);
    auto lacks = [&](const CHLGZ_BASSteel& bar) {
        const CString text = bar.GetColumnText();
        return column < text.GetLength() && text[column] == L'0';
    };
    for (const std::pair<int, int>& kinds : { std::pair<int, int>(2, 3), std::pair<int, int>(4, 7) }) {
        for (int i = numbers.length() - 1; i >= 0; --i) {
            const CHLGZ_BASSteel* bar = FindFaceBar(numbers[i], face);
            if (bar == nullptr || bar->GetKind() < kinds.first || bar->GetKind() > kinds.second)
                continue;
            if (lacks(*bar))
                return kinds.first == 2 ? 2 : 1;
            break;
        }
    }
    // 4.
    return 0;
}

int CGLGZ_EtDraw::CollectFaceBarNumbers(AcDbObjectIdArray& ids, AcGeIntArray& numbers, CHLGZ_FaceInfo& face, int flag)
{
    BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) {
        const int before = ids.length();
        bar.CollectEntityIds(ids, numbers, flag);
        // A bar not drawn yet still counts by its number.
        if (!flag && ids.length() == before)
            numbers.append(bar.GetTag());
    });
    return numbers.length();
}

CHLGZ_BASSteel* CGLGZ_EtDraw::FindFaceBar(int number, CHLGZ_FaceInfo& face)
{
    CHLGZ_BASSteel* found = nullptr;
    BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) {
        if (found == nullptr && bar.GetTag() == number)
            found = &bar;
    });
    return found;
}

CHLGZ_BASSteel* CGLGZ_EtDraw::FindKindBar(int number)
{
    for (INT_PTR k = 0; k < m_faces.GetSize(); ++k) {
        CHLGZ_BASSteel* bar = FindFaceBar(std::abs(number), m_faces[k]);
        if (bar != nullptr && !(number > 0 ? bar->GetFirstId() : bar->GetSecondId()).isNull())
            return bar;
    }
    return nullptr;
}

int CGLGZ_EtDraw::AddBarToGroup(double a, int n, CHLGZ_SteelCode& group, CHLGZ_BASSteel* bar, int left, int both)
{
    if (bar == nullptr)
        return 0;
    const int count = n < 1 ? 1 : n;
    // The bar's first and last legs, the end parts that differ from kind to kind, in drawing
    // units: the size table turns them into rows.
    const double unit = m_dScale > 0.0 ? 1.0 / m_dScale : 0.0;
    const double leftLength = bar->GetFirstLegLength() * unit;
    const double rightLength = bar->GetLastLegLength() * unit;
    const bool leftDrawn = !bar->GetFirstId().isNull();
    if ((both || left) && leftDrawn) {
        group.nCount += count;
        group.aTags.append(bar->GetTag());
        group.aPoints.append(AcGePoint3d(leftLength, both ? rightLength : 0.0, a));
        bar->SetFirstMarkText(group.FormatMark());
        return 1;
    }
    if (!both && !left && !bar->GetSecondId().isNull()) {
        group.nCount += count;
        group.aTags.append(-bar->GetTag());
        group.aPoints.append(AcGePoint3d(0.0, rightLength, a));
        bar->SetSecondMarkText(group.FormatMark());
        return 1;
    }
    return 0;
}
