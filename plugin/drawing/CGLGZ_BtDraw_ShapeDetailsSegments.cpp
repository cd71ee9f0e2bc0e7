// The segment lengths of a bottom-plate bar's detail in the skew-section drawing: each segment
// in centimetres along it, the run whose length varies over the columns as a range, and the
// slopes of a pier cap's tapered ends with their slope triangles.
#include "CGLGZ_BtDraw.h"

#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.1415926535;
constexpr double kQuarterTurn = 1.57079632675;
constexpr double kSameLength = 0.001;
constexpr double kVertical = 0.001;
// How far a halved label moves left, clear of the cut at the middle.
constexpr double kHalvedShift = 10.0;

CString Centimetres(const wchar_t* format, double value)
{
    CString text;
    text.Format(format, FormatFixed(value, -1).GetString());
    return text;
}

// The angle a segment's label is written at: along the segment read from its higher end; a
// vertical second segment reads downward, any other upward; the last one is turned over.
double SegmentLabelAngle(const AcGePoint3d& a, const AcGePoint3d& b, int segment, int last)
{
    double angle = 0.0;
    if (a.y != b.y) {
        const AcGePoint3d& high = a.y > b.y ? a : b;
        const AcGePoint3d& low = a.y > b.y ? b : a;
        if (std::fabs(high.x - low.x) < kVertical)
            angle = segment == 1 ? -kQuarterTurn : kQuarterTurn;
        else
            angle = std::atan((high.y - low.y) / (high.x - low.x));
    }
    if (segment == last)
        angle += kPi;
    return angle;
}

} // namespace

void CGLGZ_BtDraw::LabelShapeSegments(CHLGZ_SteelCode& record)
{
    // 1. The shape's polyline.
    if (record.aEntityIds.length() == 0)
        return;
    AcDbPolyline* pl = nullptr;
    if (acdbOpenObject(pl, record.aEntityIds[0], AcDb::kForRead) != Acad::eOk)
        return;
    std::vector<AcGePoint3d> v(pl->numVerts());
    for (unsigned int i = 0; i < v.size(); ++i)
        pl->getPointAt(i, v[i]);
    const int count = static_cast<int>(v.size());
    // 2. The run whose length varies over the columns.
    const int varying = m_bAbutment ? 1 : 2;
    const bool differ = !IsEqualTol(record.dMinLength, record.dMaxLength, kSameLength);
    // 3. Every segment's length; a half drawing shows the segments up to the halved run.
    double sum = 0.0;
    for (int i = 0; count >= 2 && i < count - 1; ++i) {
        if (i == varying && differ)
            continue;
        const double d = v[i].distanceTo(v[i + 1]);
        sum += d;
        const bool halved = m_bHalfDrawing && i == varying;
        AcGePoint3d point = MidPoint(v[i], v[i + 1]);
        if (halved)
            point.x -= kHalvedShift;
        if (m_bHalfDrawing && i > varying)
            continue;
        const CString text = Centimetres(halved ? L"%s/2" : L"%s", d * m_dScale / 10.0);
        AcDbObjectId id;
        AddLabelText(id, point, text, 0, SegmentLabelAngle(v[i], v[i + 1], i, count - 2), 0);
        record.aEntityIds.append(id);
    }
    // 4. The varying run's range: the longest and the shortest bar less the fixed segments,
    // with the bends the fixed segments do not hold.
    if (differ && count > varying + 1) {
        AcGePoint3d point = MidPoint(v[varying], v[varying + 1]);
        const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
        const double h = m_bAbutment
            ? 2.0 * std::trunc(GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), kQuarterTurn))
            : 4.0 * m_dBendAllowance;
        const double fixed = sum * m_dScale / 1000.0;
        const double upper = (record.dMaxLength - fixed) * 100.0 + h / 10.0;
        const double lower = (record.dMinLength - fixed) * 100.0 + h / 10.0;
        CString text;
        text.Format(L"%s~%s", FormatFixed(upper, -1).GetString(), FormatFixed(lower, -1).GetString());
        if (m_bHalfDrawing) {
            text += L"/2";
            point.x -= kHalvedShift;
        }
        AcDbObjectId id;
        AddLabelText(id, point, text, 0, 0.0, 0);
        record.aEntityIds.append(id);
    }
    // 5. The slopes of a pier cap's tapered ends; a half drawing shows the left one only.
    if (!m_bAbutment && count >= 3)
        DrawSlopeTriangle(v[1], v[2], 5.0, 9.0, record.aEntityIds);
    if (!m_bAbutment && !m_bHalfDrawing && count >= 5)
        DrawSlopeTriangle(v[4], v[3], 5.0, 9.0, record.aEntityIds);
    // 6. Done with the polyline.
    pl->close();
}
