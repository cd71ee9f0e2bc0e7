// The labels of the skew-section details other than the bottom-plate bar's: the lengths of the
// straight segments of top-plate, straight and bent-up bars (cm), ranges where the bars of a
// mark differ, and the stirrups drawn whole with their hooks.
#include "CGLGZ_BtDraw.h"

#include "AcDbArc.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.1415926535;
constexpr double kQuarterTurn = 1.57079632675;
constexpr double kEighthTurn = 0.785398163375;
constexpr double kSameLength = 0.001;
constexpr double kOnCut = 0.1;
// How far the halved top-plate run's label stands under the bar.
constexpr double kHalvedDrop = 35.0;

// The vertices of a mark's shape and whether each segment is straight.
struct ShapeVertices {
    std::vector<AcGePoint3d> points;
    std::vector<bool> straight;
    int Segments() const { return points.size() < 2 ? 0 : static_cast<int>(points.size()) - 1; }
};

ShapeVertices ReadShape(const CHLGZ_SteelCode& record)
{
    ShapeVertices shape;
    AcDbPolyline* pl = nullptr;
    if (record.aEntityIds.length() == 0 || acdbOpenObject(pl, record.aEntityIds[0], AcDb::kForRead) != Acad::eOk)
        return shape;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        AcGePoint3d p;
        pl->getPointAt(i, p);
        double bulge = 0.0;
        pl->getBulgeAt(i, bulge);
        shape.points.push_back(p);
        shape.straight.push_back(bulge == 0.0);
    }
    pl->close();
    return shape;
}

CString Centimetres(double drawingLength, double scale) { return FormatFixed(drawingLength * scale / 10.0, -1); }

// The angle a segment's label is written at: along the segment read from its higher end.
double AlongSegment(const AcGePoint3d& a, const AcGePoint3d& b)
{
    if (a.y == b.y)
        return 0.0;
    const AcGePoint3d& high = a.y > b.y ? a : b;
    const AcGePoint3d& low = a.y > b.y ? b : a;
    if (std::fabs(high.x - low.x) < 1e-9)
        return kQuarterTurn;
    return std::atan((high.y - low.y) / (high.x - low.x));
}

// The range of a mark's lengths in cm, longest first, with an allowance added (cm).
CString RangeText(const CHLGZ_SteelCode& record, double fixedMetres, double allowance)
{
    CString text;
    text.Format(L"%s~%s", FormatFixed((record.dMaxLength - fixedMetres) * 100.0 + allowance, -1).GetString(),
        FormatFixed((record.dMinLength - fixedMetres) * 100.0 + allowance, -1).GetString());
    return text;
}

} // namespace

void CGLGZ_BtDraw::LabelPlainShape(CHLGZ_SteelCode& record)
{
    const ShapeVertices shape = ReadShape(record);
    const std::vector<AcGePoint3d>& v = shape.points;
    const int n = shape.Segments();
    if (n < 1)
        return;
    // The run from vertex 1 to vertex 3 is one piece: its length, or the range of the mark's bars.
    const bool piece = n >= 3;
    const bool differ = !IsEqualTol(record.dMinLength, record.dMaxLength, kSameLength);
    double others = 0.0;
    AcDbObjectId id;
    for (int i = 0; i < n; ++i) {
        const double d = v[i].distanceTo(v[i + 1]);
        if (piece && (i == 1 || i == 2))
            continue;
        others += d;
        // A half drawing leaves out the far leg.
        if (m_bHalfDrawing && i == n - 1 && n > 1)
            continue;
        const double angle = AlongSegment(v[i], v[i + 1]) + (i > 0 && v[i].y != v[i + 1].y ? kPi : 0.0);
        AddLabelText(id, MidPoint(v[i], v[i + 1]), Centimetres(d, m_dScale), 0, angle, 0);
        record.aEntityIds.append(id);
    }
    if (!piece)
        return;
    const double run = v[1].distanceTo(v[2]) + v[2].distanceTo(v[3]);
    AcGePoint3d at = MidPoint(v[1], v[3]);
    CString text = Centimetres(run, m_dScale);
    if (differ) {
        const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
        const double a
            = 2.0 * GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), kQuarterTurn) / 10.0;
        text = RangeText(record, others * m_dScale / 1000.0, a);
    }
    // A half drawing shows half the run, its text halved under the bar.
    if (m_bHalfDrawing) {
        text += L"/2";
        at = MidPoint(v[1], v[2]);
        at.y -= kHalvedDrop;
    }
    AddLabelText(id, at, text, 0, 0.0, 0);
    record.aEntityIds.append(id);
}

void CGLGZ_BtDraw::LabelKind2Shape(CHLGZ_SteelCode& record, double cut) { LabelBentShape(record, 1, cut); }

void CGLGZ_BtDraw::LabelKind4Shape(CHLGZ_SteelCode& record, double cut) { LabelBentShape(record, 1, cut); }

void CGLGZ_BtDraw::LabelKind5Shape(CHLGZ_SteelCode& record, double cut) { LabelBentShape(record, 1, cut); }

void CGLGZ_BtDraw::LabelKind6Shape(CHLGZ_SteelCode& record, double cut) { LabelBentShape(record, 1, cut); }

void CGLGZ_BtDraw::LabelBentShape(CHLGZ_SteelCode& record, int clipped, double cut)
{
    const ShapeVertices shape = ReadShape(record);
    const std::vector<AcGePoint3d>& v = shape.points;
    AcDbObjectId id;
    // A straight bar (its points on one level): its length, or the range of the mark's bars,
    // over the part shown; halved where a half drawing cuts it.
    bool level = v.size() >= 2;
    for (size_t i = 1; level && i < v.size(); ++i)
        level = shape.straight[i - 1] && std::fabs(v[i].y - v[0].y) < 1e-9;
    if (level) {
        const bool differ = !IsEqualTol(record.dMinLength, record.dMaxLength, kSameLength);
        CString text = differ ? RangeText(record, 0.0, 0.0) : FormatFixed(record.dMinLength * 100.0, -1);
        AcGePoint3d a = v.front().x < v.back().x ? v.front() : v.back();
        AcGePoint3d b = v.front().x < v.back().x ? v.back() : v.front();
        if (clipped && m_bHalfDrawing && b.x > cut + kOnCut && a.x < cut) {
            b.x = cut;
            text = differ ? L"(" + text + L")/2" : text + L"/2";
        }
        AddLabelText(id, MidPoint(a, b), text, 0, 0.0, 0);
        record.aEntityIds.append(id);
        return;
    }
    // Every straight segment along it; a half drawing cut at the middle labels the segments
    // left of the cut, the one through the cut halved when the middle lies in a span.
    const int supports = m_pSupports != nullptr ? m_pSupports->length() : 0;
    for (int i = 0; i < shape.Segments(); ++i) {
        if (!shape.straight[i])
            continue;
        const AcGePoint3d at = MidPoint(v[i], v[i + 1]);
        CString text = Centimetres(v[i].distanceTo(v[i + 1]), m_dScale);
        if (clipped && m_bHalfDrawing) {
            if (at.x > cut + kOnCut)
                continue;
            if (std::fabs(at.x - cut) <= kOnCut && supports % 2 == 0)
                text += L"/2";
        }
        AddLabelText(id, at, text, 0, AlongSegment(v[i], v[i + 1]), 0);
        record.aEntityIds.append(id);
    }
}
