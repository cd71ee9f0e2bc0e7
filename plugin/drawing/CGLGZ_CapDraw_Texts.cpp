// Titles, table cells, length labels and angle marks: every text of the drawings goes through
// here, so that styles, layers, heights and offsets are decided in one place.
#include "CGLGZ_CapDraw.h"

#include "AcDb3PointAngularDimension.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "CTov_DwgDataBase.h"
#include "DrawingConstants.h"
#include "MavEntityLib.h"
#include "MavUtils.h"
#include "NumericHelpers.h"
#include "RebarRules.h"

#include <cmath>

namespace {

constexpr double kSame = 0.001;
constexpr double kLabelGap = 0.25;
constexpr double kLegLimit = 12.0;

CString Length(double value) { return FormatFixed(value, -1); }

CString Formatted(const wchar_t* format, double value)
{
    CString text;
    text.Format(format, Length(value).GetString());
    return text;
}

CString Formatted(const wchar_t* format, double first, double second)
{
    CString text;
    text.Format(format, Length(first).GetString(), Length(second).GetString());
    return text;
}

// The value of a pair that a mode compares: first, second or their sum.
double PairValue(const AcGePoint3d& pair, int mode)
{
    if (mode == 0)
        return pair.x;
    if (mode == 1)
        return pair.y;
    return pair.x + pair.y;
}

// The segment text of a record, empty when the record carries fewer texts.
CString SegmentText(const CHLGZ_SteelCode& record, int index)
{
    return index < record.aTexts.GetSize() ? record.aTexts[index] : CString();
}

// Which field of the bar record carries the flag that keeps one label per pair of equal segments.
int RepeatSuppression(const CHLGZ_SteelCode& record) { return record.nFurther3; }

} // namespace

void CGLGZ_CapDraw::SelectDimStyle(double scale)
{
    CString name;
    if (scale == std::floor(scale))
        name.Format(L"DIM%d", static_cast<int>(scale));
    else
        name.Format(L"DIM%.1f", scale);
    AcDbObjectId previous;
    m_entityLib.selectDimStyle(name, previous);
}

int CGLGZ_CapDraw::AddBoxedText(const AcGePoint3d& position, const wchar_t* title, const wchar_t* secondText)
{
    // 1. - 2. The title.
    MavUtils::selectLayer(L"09-文本");
    AcDbObjectId titleId;
    m_entityLib.createText(position, title, L"BT", m_dTitleHeight, m_dWidthFactor, 0.0, titleId);
    // 3. Its underlines; without them there is no end to place the second text after.
    AcGePoint3d end;
    if (!DrawTitleUnderlines(titleId, &end))
        return 1;
    // 4. The second text, on the layer the underlines left current.
    const int count = secondText == nullptr ? 0 : static_cast<int>(std::wcslen(secondText));
    const int n = count + count % 2;
    if (n == 0)
        return 1;
    AcDbObjectId secondId;
    m_entityLib.createText(AcGePoint3d(end.x + n * m_dSecondTextStep, end.y, 0.0), secondText, L"BT", 0.6 * m_dTitleHeight,
        m_dWidthFactor, 0.0, secondId);
    return 1;
}

int CGLGZ_CapDraw::DrawTitleUnderlines(AcDbObjectId textId, AcGePoint3d* outPoint)
{
    // 1. The text's extents.
    AcDbEntity* pText = nullptr;
    if (textId.isNull() || acdbOpenObject(pText, textId, AcDb::kForRead) != Acad::eOk)
        return 0;
    AcDbExtents extents;
    pText->getGeomExtents(extents);
    pText->close();
    const AcGePoint3d lo = extents.minPoint();
    const AcGePoint3d hi = extents.maxPoint();
    // 2. The upper line.
    MavUtils::selectLayer(L"01-图框");
    const AcGePoint3d upperEnd(hi.x + 1.0, lo.y - 1.0, 0.0);
    DrawLine(AcGePoint3d(lo.x - 1.0, lo.y - 1.0, 0.0), upperEnd);
    if (outPoint != nullptr)
        *outPoint = upperEnd;
    // 3. The lower line.
    MavUtils::selectLayer(L"02-结构");
    DrawLine(AcGePoint3d(lo.x - 1.0, lo.y - 2.0, 0.0), AcGePoint3d(hi.x + 1.0, lo.y - 2.0, 0.0));
    return 1;
}

void CGLGZ_CapDraw::AddTableText(double x, double y, const wchar_t* text, double height)
{
    AcDbObjectId id;
    m_entityLib.createText(
        AcGePoint3d(x, y, 0.0), text, L"YB", height > 0.0 ? height : m_dParam4, m_dWidthFactor, 0.0, id);
}

AcDbObjectId CGLGZ_CapDraw::AddLabelText(
    AcDbObjectId& outId, const AcGePoint3d& point, const wchar_t* text, int below, double angle, int collect)
{
    // 1. The anchor, clear of the point on the side away from it.
    const double normal = angle + kQuarterTurn;
    const AcGePoint3d toward(point.x + std::cos(normal), point.y + std::sin(normal), point.z);
    AcGePoint3d anchor = PointAlongLine(point, toward, below ? -kLabelGap : kLabelGap);
    anchor.z = 0.0;
    // 2. The label style.
    AcDbObjectId styleId;
    CreateTextStyle(L"DM", 0.0, 0.0, styleId);
    // 3. - 4. The text.
    outId = AcDbObjectId::kNull;
    MavUtils::selectLayer(L"08-标注");
    auto* pText = new AcDbText(anchor, text, styleId, m_dLabelHeight, angle);
    pText->setHorizontalMode(AcDb::kTextCenter);
    pText->setVerticalMode(below ? AcDb::kTextTop : AcDb::kTextBottom);
    pText->setAlignmentPoint(anchor);
    pText->setWidthFactor(m_dWidthFactor);
    AcDbObjectId newId;
    if (!AppendToModelSpace(pText, newId)) {
        delete pText;
        return outId;
    }
    pText->close();
    outId = newId;
    // 5. A label that was never made has nothing to mask.
    if (collect)
        m_idsMaskedTexts.append(outId);
    return outId;
}

void CGLGZ_CapDraw::AddRangeLabel(
    CHLGZ_SteelCode& record, double first, double second, double half, int range, int draw)
{
    const AcGePoint3dArray& pts = record.aPoints;
    if (pts.length() != 5 || !draw)
        return;
    const CString halved = Formatted(L"%s/2", 2.0 * half / 10.0);
    // 1. Over the first side.
    CString firstText = halved;
    if (range)
        firstText = std::fabs(first - second) < kSame ? Formatted(L"%s", second / 10.0)
                                                      : Formatted(L"%s~%s", second / 10.0, first / 10.0);
    // 2. A quarter along the second side.
    const CString secondText = range ? Formatted(L"%s", half / 10.0) : halved;
    // 3. Both labels belong to the shape.
    AcDbObjectId id;
    AddLabelText(id, MidPoint(pts[1], pts[2]), firstText, 0, 0.0, 0);
    record.aEntityIds.append(id);
    AddLabelText(id, MidPoint(pts[2], MidPoint(pts[2], pts[3])), secondText, 0, 0.0, 0);
    record.aEntityIds.append(id);
}

void CGLGZ_CapDraw::AddAverageRangeLabel(CHLGZ_SteelCode& record, int halving)
{
    const AcGePoint3dArray& pts = record.aPoints;
    if (pts.length() != 4)
        return;
    // 1. - 2. Lengths without the hooks, in centimetres.
    const double t = 2.0 * GetHookLength(record.nDiameter, record.nBarType, 90, 0.0) / 1000.0;
    const double a1 = (record.dMaxLength - t) * 100.0;
    const double a2 = (record.dMinLength - t) * 100.0;
    const AcGePoint3d m = MidPoint(pts[1], pts[2]);
    // 3. The text.
    CString text;
    if (std::fabs(record.dMaxLength - record.dMinLength) < kSame)
        text = Formatted(halving ? L"%s/2" : L"%s", a2);
    else
        text = Formatted(halving ? L"(%s~%s)/2" : L"%s~%s", a2, a1);
    // 4. - 5. One label per half, or one for the whole.
    AcDbObjectId id;
    if (halving) {
        AddLabelText(id, MidPoint(pts[1], m), text, 0, 0.0, 0);
        record.aEntityIds.append(id);
        AcGePoint3d second = MidPoint(pts[2], m);
        second.x -= 7.0;
        AddLabelText(id, second, text, 0, 0.0, 0);
        record.aEntityIds.append(id);
    } else {
        AddLabelText(id, AcGePoint3d(m.x - 5.0, m.y, m.z), text, 0, 0.0, 0);
        record.aEntityIds.append(id);
    }
}

void CGLGZ_CapDraw::AddSegmentLabels(CHLGZ_SteelCode& record)
{
    if (record.aEntityIds.length() == 0)
        return;
    AcDbPolyline* pl = nullptr;
    if (acdbOpenObject(pl, record.aEntityIds[0], AcDb::kForRead) != Acad::eOk)
        return;
    // A shape of fewer vertices has no segments 2-3 and 3-4 to label.
    AcGePoint3d v[5];
    const bool shaped = pl->numVerts() >= 5;
    for (unsigned int i = 0; shaped && i < 5; ++i)
        pl->getPointAt(i, v[i]);
    pl->close();
    if (!shaped)
        return;
    // 1. The texts: the record's own, else the measured lengths.
    CString a = SegmentText(record, 0);
    if (a.IsEmpty())
        a = Formatted(L"%s", v[2].distanceTo(v[3]) * m_dScale / 10.0);
    CString b = SegmentText(record, 1);
    if (b.IsEmpty())
        b = Formatted(L"%s", v[1].distanceTo(v[2]) * m_dScale / 10.0);
    // 2. The labels.
    const int all = RepeatSuppression(record) == 0;
    const struct {
        int from;
        const CString& text;
        int below;
        double angle;
        bool drawn;
    } labels[] = {
        { 2, a, 1, 0.0, all != 0 },
        { 0, a, 0, 0.0, all != 0 },
        { 1, b, 0, kQuarterTurn, true },
        { 3, b, 1, kQuarterTurn, all != 0 },
    };
    for (const auto& label : labels) {
        if (!label.drawn)
            continue;
        AcDbObjectId id;
        AddLabelText(id, MidPoint(v[label.from], v[label.from + 1]), label.text, label.below, label.angle, 0);
        record.aEntityIds.append(id);
    }
}

int CGLGZ_CapDraw::PointListAllEqual(const AcGePoint3dArray& pairs, int mode)
{
    // An entry without a value takes no part, the first one included.
    bool found = false;
    double reference = 0.0;
    for (int i = 0; i < pairs.length(); ++i) {
        const double value = PairValue(pairs[i], mode);
        if (std::fabs(value) < kSame)
            continue;
        if (!found) {
            found = true;
            reference = value;
        } else if (std::fabs(value - reference) >= kSame) {
            return 0;
        }
    }
    return 1;
}

double CGLGZ_CapDraw::PointListAverage(const AcGePoint3dArray& pairs, int mode)
{
    if (pairs.length() == 0)
        return 0.0;
    double sum = 0.0;
    for (int i = 0; i < pairs.length(); ++i)
        sum += mode == 0 ? pairs[i].x : pairs[i].y;
    return sum / pairs.length();
}

double CGLGZ_CapDraw::PointListMax(const AcGePoint3dArray& pairs, int mode)
{
    if (pairs.length() == 0)
        return 0.0;
    double best = PairValue(pairs[0], mode);
    for (int i = 1; i < pairs.length(); ++i)
        best = std::max(best, PairValue(pairs[i], mode));
    return best;
}

double CGLGZ_CapDraw::PointListMin(const AcGePoint3dArray& pairs, int mode)
{
    if (pairs.length() == 0)
        return 0.0;
    double best = PairValue(pairs[0], mode);
    for (int i = 1; i < pairs.length(); ++i)
        best = std::min(best, PairValue(pairs[i], mode));
    return best;
}

void CGLGZ_CapDraw::DrawAngularDimension(const AcGePoint3d& firstLeg, const AcGePoint3d& secondLeg,
    const AcGePoint3d& vertex, const AcGePoint3d& arcPoint, AcDbObjectId* outId)
{
    // 1. The arc's ends and the text beyond their middle.
    const double r = vertex.distanceTo(arcPoint);
    const AcGePoint3d q1 = PointAlongLine(vertex, firstLeg, r);
    const AcGePoint3d q2 = PointAlongLine(vertex, secondLeg, r);
    const AcGePoint3d middle((q1.x + q2.x) / 2.0, (q1.y + q2.y) / 2.0, 0.0);
    const AcGePoint3d t = PointAlongLine(vertex, middle, r + 2.0);
    // 2. The dimension: no extension lines, its text placed freely and kept inside when tight.
    MavUtils::selectLayer(L"08-标注");
    auto* pDim = new AcDb3PointAngularDimension(vertex, firstLeg, secondLeg, arcPoint);
    pDim->setDimse1(true);
    pDim->setDimse2(true);
    pDim->setDimtmove(2);
    pDim->setDimatfit(2);
    pDim->setDimensionText(L"{\\W0.7;<>}");
    pDim->setTextPosition(t);
    AcDbObjectId id;
    if (AppendToModelSpace(pDim, id))
        pDim->close();
    else
        delete pDim;
    if (outId != nullptr)
        *outId = id;
}

void CGLGZ_CapDraw::DrawAngleMark(const AcGePoint3d& first, const AcGePoint3d& second, AcDbObjectIdArray& ids)
{
    // 1. Upper and lower end.
    const bool firstUpper = first.y >= second.y;
    const AcGePoint3d& u = firstUpper ? first : second;
    const AcGePoint3d& l = firstUpper ? second : first;
    // 2. The horizontal leg, never longer than the limit.
    MavUtils::selectLayer(L"08-标注");
    AcGePoint3d k(u.x, l.y, 0.0);
    if (l.distanceTo(k) > kLegLimit)
        k = PointAlongLine(l, k, kLegLimit);
    // 3. The leg.
    AcDbObjectId lineId;
    DrawLine(l, k, &lineId);
    ids.append(lineId);
    // 4. - 5. The angle between leg and segment.
    const AcGePoint3d arc = PointAlongLine(l, MidPoint(u, k), 0.8 * l.distanceTo(k));
    AcDbObjectId dimId;
    DrawAngularDimension(k, u, l, arc, &dimId);
    ids.append(dimId);
}
