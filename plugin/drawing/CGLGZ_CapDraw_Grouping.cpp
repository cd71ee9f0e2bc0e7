// What the bar grouping of both drawings shares: the comparison of two bar shapes, the length
// of a drawn bar and the two closing marks after the grouped ones.
#include "CGLGZ_CapDraw.h"

#include "AcDbPolyline.h"
#include "AcDbServices.h"

#include <cmath>

namespace {

constexpr double kSameStep = 0.001;

bool Same(double a, double b) { return std::fabs(a - b) < kSameStep; }

// The step from point i to point i + 1, or from point n - 1 - i to n - 2 - i read backwards.
AcGeVector3d Step(const AcGePoint3dArray& p, int i, bool backwards)
{
    const int n = p.length();
    return backwards ? p[n - 2 - i] - p[n - 1 - i] : p[i + 1] - p[i];
}

// Every step of A against B's (forward or backward) with dy equal and dx equal to s times B's.
bool StepsAgree(const AcGePoint3dArray& a, const AcGePoint3dArray& b, int s, bool backwards, int from)
{
    for (int i = from; i + 1 < a.length(); ++i) {
        const AcGeVector3d u = Step(a, i, false);
        const AcGeVector3d v = Step(b, i, backwards);
        if (!Same(u.y, v.y) || !Same(u.x, s * v.x))
            return false;
    }
    return true;
}

} // namespace

int CGLGZ_CapDraw::IsSameShape(const AcGePoint3dArray& a, const AcGePoint3dArray& b)
{
    // 1. Shapes of one point or of different counts.
    if (a.length() < 2 || b.length() != a.length())
        return 0;
    // 2. Forward: leading vertical steps leave the orientation open and are not compared.
    int first = 0;
    int s = 0;
    for (; first + 1 < a.length(); ++first) {
        const double dxA = Step(a, first, false).x;
        const double dxB = Step(b, first, false).x;
        if (Same(dxA, 0.0) && Same(dxB, 0.0))
            continue;
        if (Same(dxA, 0.0) || Same(dxB, 0.0))
            return 0;
        s = dxA * dxB > 0.0 ? 1 : -1;
        break;
    }
    if (s == 0 || StepsAgree(a, b, s, false, first))
        return s;
    // 3. Backward: B read from its other end.
    s = Step(a, 0, false).x * Step(b, 0, true).x > 0.0 ? 1 : -1;
    return StepsAgree(a, b, s, true, 0) ? s : 0;
}

double CGLGZ_CapDraw::GetPolylineLength(AcDbObjectId id)
{
    AcDbPolyline* polyline = nullptr;
    if (id.isNull() || acdbOpenObject(polyline, id, AcDb::kForRead, true) != Acad::eOk)
        return 0.0;
    double end = 0.0;
    double length = 0.0;
    if (polyline->getEndParam(end) != Acad::eOk || polyline->getDistAtParam(end, length) != Acad::eOk)
        length = 0.0;
    polyline->close();
    return length;
}

void CGLGZ_CapDraw::AppendClosingMarks()
{
    m_nGroupedMarks = static_cast<int>(m_steelCodes.GetSize());
    const int last = m_nGroupedMarks > 0 ? m_steelCodes[m_nGroupedMarks - 1].nNumber : 0;
    CHLGZ_SteelCode mark;
    if (m_pDesign != nullptr) {
        mark.nBarType = m_pDesign->GetMoreInfo().GetSideBarType();
        mark.nDiameter = m_pDesign->GetMoreInfo().GetSideDiameter();
    }
    mark.nNumber = last + m_nStrengtheningMode + 1;
    m_steelCodes.Add(mark);
    ++mark.nNumber;
    m_steelCodes.Add(mark);
    m_nClosingMarks = 2;
}
