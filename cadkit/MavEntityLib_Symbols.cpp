// The entity factory's symbols: leader labels, the joint marker, a polyline from points in the
// user coordinate system, the break line, the section caption and the cut mark of a section.
#include "MavEntityLib.h"

#include "MavCounter.h"
#include "MavHelpers.h"
#include "MavUtils.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "AcGeContext.h"
#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"
#include "aced.h"
#include "acut.h"

#include <cmath>
#include <cwchar>
#include <new>

namespace {

const wchar_t* const kLabelStyle = L"YB";
const wchar_t* const kFallbackStyle = L"Standard";

const wchar_t* const kCentreLayer = L"13-中心";
const wchar_t* const kLeaderLayer = L"11-揭示";
const wchar_t* const kTextLayer = L"09-文本";
const wchar_t* const kFrameLayer = L"01-图框";

// A landing longer than this is drawn kShortLanding long, whatever the text height.
constexpr double kMaxLanding = 20.0;
constexpr double kShortLanding = 15.0;

// Texts on a landing sit this far above it.
constexpr double kTextLift = 0.18;

// A caption wider than this is underlined as if kNarrowCaption wide.
constexpr double kMaxCaption = 100.0;
constexpr double kNarrowCaption = 10.0;
// The underlines reach this far past the caption on each side.
constexpr double kUnderlineOverhang = 1.25;
// The caption's baseline lies this far above the upper underline.
constexpr double kCaptionLift = 0.5;

// The cut mark's label texts are this narrow.
constexpr double kCutLabelWidthFactor = 0.85;

// The labels' style "YB", else "Standard"; the result is the status of the look-up of "YB".
Acad::ErrorStatus labelStyle(AcDbObjectId& styleId)
{
    const Acad::ErrorStatus es = MavUtils::getTextStyleId(kLabelStyle, styleId);
    if (es != Acad::eOk) {
        MavUtils::errorReport(es);
        MavUtils::getTextStyleId(kFallbackStyle, styleId);
    }
    return es;
}

// A single-line text justified by the modes at the alignment point.
AcDbText* newText(const CString& text, double height, double widthFactor, AcDbObjectId styleId,
    AcDb::TextHorzMode horizontal, AcDb::TextVertMode vertical, const AcGePoint3d& alignment)
{
    auto* pText = new (std::nothrow) AcDbText(alignment, text, styleId, height, 0.0);
    if (pText == nullptr)
        return nullptr;
    pText->setWidthFactor(widthFactor);
    pText->setHorizontalMode(horizontal);
    pText->setVerticalMode(vertical);
    pText->setAlignmentPoint(alignment);
    return pText;
}

// A text bound for a record that may belong to no database yet has its position computed here.
void prepareForRecord(AcDbText* pText, bool toRecord)
{
    if (toRecord)
        pText->adjustAlignment(WorkingDatabase());
}

// The landing as long as the text is wide, shortened for wide texts.
double landingLength(const AcDbObjectId& textId)
{
    const double width = MavCounter::widthOfText(textId);
    return width > kMaxLanding ? kShortLanding : width;
}

// The end of a sloped leader: the run across, up or down by the slope.
AcGePoint3d leaderEnd(const AcGePoint3d& start, double angle, double run, bool toLeft, bool upward)
{
    const double rise = std::tan(angle) * run;
    return AcGePoint3d(toLeft ? start.x - run : start.x + run, upward ? start.y + rise : start.y - rise, start.z);
}

AcGePoint3d along(const AcGePoint3d& from, const AcGeVector3d& unit, double distance)
{
    return from + unit * distance;
}

// The zigzag size of a break line between points the distance apart.
double zigzagSize(double distance)
{
    if (distance < 6.0)
        return 2.0;
    if (distance < 20.0)
        return 3.0;
    if (distance < 30.0)
        return 4.0;
    if (distance < 40.0)
        return 5.0;
    return 6.0;
}

// The user coordinate system's plan transform: rotation in the plane and the plan shift.
AcGeMatrix2d planUcsTransform()
{
    AcGeMatrix3d ucs;
    MavUtils::getUcsToWcsMatrix(ucs, WorkingDatabase());
    AcGeMatrix2d plan;
    for (int row = 0; row < 2; ++row) {
        plan(row, 0) = ucs(row, 0);
        plan(row, 1) = ucs(row, 1);
        plan(row, 2) = ucs(row, 3);
    }
    return plan;
}

// One end of a cut mark: the stroke outwards from the cut line's end, the arrow towards the
// viewing side and the barb on the arrow's outer side.
struct CutEnd {
    AcGePoint3d end;
    AcGePoint3d strokeEnd;
    AcGePoint3d arrowStart;
    AcGePoint3d tip;
    AcGePoint3d barbEnd;
};

CutEnd cutEnd(const AcGePoint3d& end, const AcGeVector3d& outward, const AcGeVector3d& arrow, double length)
{
    CutEnd mark;
    mark.end = end;
    mark.strokeEnd = along(end, outward, length);
    mark.arrowStart = along(mark.strokeEnd, arrow, length / 2.5);
    mark.tip = along(mark.strokeEnd, arrow, length);
    // The barb turns off the arrow's back by a fifteenth of a half turn, to the outer side.
    AcGeVector3d back = mark.arrowStart - mark.tip;
    AcGeVector3d barb = back;
    barb.rotateBy(kPi / 15.0, AcGeVector3d::kZAxis);
    if (barb.dotProduct(outward) < 0.0) {
        barb = back;
        barb.rotateBy(-kPi / 15.0, AcGeVector3d::kZAxis);
    }
    mark.barbEnd = mark.tip + barb;
    return mark;
}

AcArray<AcGePoint3d> cutEndPoints(const CutEnd& mark)
{
    AcArray<AcGePoint3d> points;
    points.append(mark.barbEnd);
    points.append(mark.tip);
    points.append(mark.arrowStart);
    points.append(mark.strokeEnd);
    points.append(mark.end);
    return points;
}

} // namespace

Acad::ErrorStatus MavEntityLib::labelXYAngle(const AcGePoint3d& point, double angle, double length, int toLeft,
    int upward, const CString& text, double height, double widthFactor, double)
{
    // (1) The style, and the status of the look-up of "YB".
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = labelStyle(styleId);
    // (2) The leader's end.
    const AcGePoint3d end = leaderEnd(point, angle, length, toLeft != 0, upward != 0);
    // (3) The leader.
    createLine(point, end);
    // (4) The text on the landing, to the side the leader runs.
    AcDbObjectId textId;
    if (AcDbText* pText = newText(text, height, widthFactor, styleId,
            toLeft != 0 ? AcDb::kTextRight : AcDb::kTextLeft, AcDb::kTextBottom, end)) {
        prepareForRecord(pText, mBlockTableRecord != nullptr);
        appendAndClose(pText, textId);
    }
    // (5) The landing under the text.
    double landing = landingLength(textId);
    if (toLeft != 0)
        landing = -landing;
    createLine(end, end + AcGeVector3d(landing, 0.0, 0.0));
    // (6) The status of "YB".
    return es;
}

Acad::ErrorStatus MavEntityLib::drawFlexSlotLineAndText(const AcGePoint3d& point, int toRight, int upward,
    double upLength, double otherLength, double angle, double length, const CString& text, double height,
    double widthFactor)
{
    AcDbObjectId unused;
    // (1) The style, and the status of the look-up of "YB".
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = labelStyle(styleId);
    // (2) The centre line, the longer part on the leader's side.
    const double sign = upward != 0 ? 1.0 : -1.0;
    if (auto* pCentre = new (std::nothrow) AcDbLine(AcGePoint3d(point.x, point.y + sign * upLength, point.z),
            AcGePoint3d(point.x, point.y - sign * otherLength, point.z))) {
        pCentre->setLayer(kCentreLayer);
        appendAndClose(pCentre, unused);
    }
    // (3) The leader.
    const AcGePoint3d end = leaderEnd(point, angle, length, toRight == 0, upward != 0);
    if (auto* pLeader = new (std::nothrow) AcDbLine(point, end)) {
        pLeader->setLayer(kLeaderLayer);
        appendAndClose(pLeader, unused);
    }
    // (4) The text just above the landing.
    AcDbObjectId textId;
    if (AcDbText* pText = newText(text, height, widthFactor, styleId,
            toRight != 0 ? AcDb::kTextLeft : AcDb::kTextRight, AcDb::kTextBottom,
            end + AcGeVector3d(0.0, kTextLift, 0.0))) {
        pText->setLayer(kTextLayer);
        prepareForRecord(pText, mBlockTableRecord != nullptr);
        appendAndClose(pText, textId);
    }
    // (5) The landing under the text.
    double landing = landingLength(textId);
    if (toRight == 0)
        landing = -landing;
    if (auto* pLanding = new (std::nothrow) AcDbLine(end, end + AcGeVector3d(landing, 0.0, 0.0))) {
        pLanding->setLayer(kLeaderLayer);
        appendAndClose(pLanding, unused);
    }
    // (6) The status of "YB".
    return es;
}

Acad::ErrorStatus MavEntityLib::LPoly(AcArray<AcGePoint2d>& points, AcDbObjectId& newId, bool closed, bool plinegen)
{
    // (1) The plan transform of the user coordinate system.
    const AcGeMatrix2d ucs = planUcsTransform();
    // (2) The drawing redrawn.
    acedRedraw(nullptr, 1);
    // (3) A line needs two points.
    if (points.isEmpty()) {
        acutPrintf(L"\n坐标数组为空.");
        return Acad::eOutOfMemory;
    }
    if (points.length() == 1) {
        acutPrintf(L"\n仅有一点，无法画线！");
        return Acad::eOutOfMemory;
    }
    // (4) One vertex per point, in world coordinates.
    auto* pPline = new (std::nothrow) AcDbPolyline(static_cast<unsigned int>(points.length()));
    if (pPline == nullptr)
        return Acad::eOutOfMemory;
    for (int i = 0; i < points.length(); ++i) {
        AcGePoint2d vertex = points[i];
        vertex.transformBy(ucs);
        pPline->addVertexAt(static_cast<unsigned int>(i), vertex, 0.0, -1.0, -1.0);
    }
    // (5) Closed and linetype generation as asked.
    pPline->setClosed(closed);
    pPline->setPlinegen(plinegen);
    // (6) Appended.
    return appendAndClose(pPline, newId);
}

int MavEntityLib::createZheLine(AcGePoint3d first, AcGePoint3d second)
{
    // (1) Two distinct points.
    if (first.isEqualTo(second, AcGeContext::gTol)) {
        acutPrintf(L"选取的两个点为同一个点!\n");
        return 0;
    }
    // (2) The zigzag size by the distance; a short span is drawn straight and zigzagged whole.
    const double distance = first.distanceTo(second);
    double size = zigzagSize(distance);
    if (distance < 2.0) {
        acutPrintf(L"两个点之间距离小于2!");
        createLine(first, second);
        size = distance;
    }
    // (3) The zigzag centred on the middle, its peaks a size off the line on either side.
    const AcGeVector3d unit = (second - first).normal();
    const AcGePoint3d a = along(first, unit, distance / 2.0 - size / 2.0);
    const AcGePoint3d b = along(first, unit, distance / 2.0 + size / 2.0);
    const AcGePoint3d c1 = along(a, unit, size / 4.0);
    const AcGePoint3d c2 = along(a, unit, 3.0 * size / 4.0);
    const AcGePoint3d d1 = along(c1, AcGeVector3d(unit).rotateBy(-kPi / 2.0, AcGeVector3d::kZAxis), size);
    const AcGePoint3d d2 = along(c2, AcGeVector3d(unit).rotateBy(kPi / 2.0, AcGeVector3d::kZAxis), size);
    // (4) One open polyline through the six points.
    AcArray<AcGePoint3d> points;
    for (const AcGePoint3d& p : {first, a, d1, d2, b, second})
        points.append(p);
    AcDbObjectId id;
    createPolyline(points, false, id);
    return 1;
}

int MavEntityLib::createDuanmianSymbol(const AcGePoint3d& position, const wchar_t* styleName, double height,
    double widthFactor, const wchar_t* caption, double scaleFactor, int withScale)
{
    const bool toRecord = mBlockTableRecord != nullptr;
    AcDbObjectId styleId;
    MavUtils::getTextStyleId(styleName, styleId);
    // (1) The caption on the text layer, its baseline centred a little above the position.
    MavUtils::selectLayer(kTextLayer);
    AcDbObjectId captionId;
    if (AcDbText* pCaption = newText(caption, height, widthFactor, styleId, AcDb::kTextCenter, AcDb::kTextBottom,
            AcGePoint3d(position.x, position.y + kCaptionLift, position.z))) {
        if (toRecord)
            pCaption->setDatabaseDefaults(WorkingDatabase());
        prepareForRecord(pCaption, toRecord);
        appendAndClose(pCaption, captionId);
    }
    // (2) The caption's width; a very wide caption is underlined short.
    double width = MavCounter::widthOfText(captionId);
    if (width > kMaxCaption)
        width = kNarrowCaption;
    // (3) The upper underline on the frame layer, the lower one on the text layer.
    const double left = position.x - width / 2.0 - kUnderlineOverhang;
    const double right = position.x + width / 2.0 + kUnderlineOverhang;
    const double lower = position.y - height / 4.0;
    MavUtils::selectLayer(kFrameLayer);
    createLine(AcGePoint3d(left, position.y, 0.0), AcGePoint3d(right, position.y, 0.0));
    MavUtils::selectLayer(kTextLayer);
    createLine(AcGePoint3d(left, lower, 0.0), AcGePoint3d(right, lower, 0.0));
    // (4) The scale beside the underlines. A factor without a finite whole scale gives no text
    // rather than a scale made up by the conversion.
    const double denominator = 1000.0 / scaleFactor;
    if (withScale != 0 && std::isfinite(denominator) && std::fabs(denominator) < 2147483647.0) {
        CString scale;
        scale.Format(L"(1:%d)", static_cast<int>(denominator));
        const AcGePoint3d at(right, lower + (height / 4.0 + kCaptionLift + height / 2.0) / 2.0, 0.0);
        if (AcDbText* pScale
            = newText(scale, 0.7 * height, widthFactor, styleId, AcDb::kTextLeft, AcDb::kTextVertMid, at)) {
            if (toRecord)
                pScale->setDatabaseDefaults(WorkingDatabase());
            prepareForRecord(pScale, toRecord);
            AcDbObjectId scaleId;
            appendAndClose(pScale, scaleId);
        }
    }
    // (5) Done; the text layer stays current.
    return 1;
}

Acad::ErrorStatus MavEntityLib::labelXYAngleEx(const AcGePoint3d& point, double angle, double run, int toLeft,
    int rise, const CString& lowerText, const CString& upperText, double height, double widthFactor, double)
{
    const bool toRecord = mBlockTableRecord != nullptr;
    AcDbObjectId unused;
    // (1) The style, and the status of the look-up of "YB".
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = labelStyle(styleId);
    // (2) The leader's end.
    const AcGePoint3d end = leaderEnd(point, angle, run, toLeft != 0, rise != 0);
    // (3) The leader on the leader layer.
    if (auto* pLeader = new (std::nothrow) AcDbLine(point, end)) {
        pLeader->setLayer(kLeaderLayer);
        appendAndClose(pLeader, unused);
    }
    // (4) The upper text just above the shelf, to the side the leader runs.
    AcDbObjectId upperId;
    if (AcDbText* pUpper = newText(upperText, height, widthFactor, styleId,
            toLeft != 0 ? AcDb::kTextRight : AcDb::kTextLeft, AcDb::kTextBottom,
            end + AcGeVector3d(0.0, kTextLift, 0.0))) {
        if (toRecord)
            pUpper->setDatabaseDefaults(WorkingDatabase());
        prepareForRecord(pUpper, toRecord);
        appendAndClose(pUpper, upperId);
    }
    // (5) The shelf as long as the upper text is wide.
    double shelf = landingLength(upperId);
    if (toLeft != 0)
        shelf = -shelf;
    const AcGePoint3d shelfEnd = end + AcGeVector3d(shelf, 0.0, 0.0);
    if (auto* pShelf = new (std::nothrow) AcDbLine(end, shelfEnd)) {
        pShelf->setLayer(kLeaderLayer);
        appendAndClose(pShelf, unused);
    }
    // (6) The lower text hanging under the shelf's middle.
    const AcGePoint3d middle((end.x + shelfEnd.x) / 2.0, (end.y + shelfEnd.y) / 2.0, (end.z + shelfEnd.z) / 2.0);
    if (AcDbText* pLower
        = newText(lowerText, height, widthFactor, styleId, AcDb::kTextCenter, AcDb::kTextTop, middle)) {
        if (toRecord)
            pLower->setDatabaseDefaults(WorkingDatabase());
        prepareForRecord(pLower, toRecord);
        appendAndClose(pLower, unused);
    }
    // (7) The status of "YB".
    return es;
}

int MavEntityLib::createPoushiLineHorVer(AcGePoint3d first, AcGePoint3d second, AcGePoint3d viewSide,
    const wchar_t* label, const AcDbObjectId& styleId, double height)
{
    // (1) The leader layer, and two distinct ends.
    MavUtils::selectLayer(kLeaderLayer);
    if (first.isEqualTo(second, AcGeContext::gTol)) {
        acutPrintf(L"两点重合，无法生成剖视箭头!\n");
        return 0;
    }
    // (2) A cut line steeper than 45° is vertical, lower end first; else horizontal, left end first.
    const double slope = std::atan2(std::fabs(second.y - first.y), second.x - first.x);
    const bool vertical = slope > kPi / 4.0 && slope < 3.0 * kPi / 4.0;
    if (vertical) {
        second.x = first.x;
        if (second.y < first.y)
            MavUtils::swapGePoint3d(first, second);
    } else {
        second.y = first.y;
        if (second.x < first.x)
            MavUtils::swapGePoint3d(first, second);
    }
    // (3) Strokes as long as the label needs.
    const wchar_t* text = label != nullptr ? label : L"";
    const double count = static_cast<double>(std::wcslen(text));
    const double length = count * height / 1.5;
    const AcGeVector3d outward = (first - second).normal();
    // (4) The arrows point to the viewing side.
    AcGeVector3d arrow;
    if (vertical)
        arrow = first.x >= viewSide.x ? AcGeVector3d(-1.0, 0.0, 0.0) : AcGeVector3d(1.0, 0.0, 0.0);
    else
        arrow = first.y >= viewSide.y ? AcGeVector3d(0.0, -1.0, 0.0) : AcGeVector3d(0.0, 1.0, 0.0);
    const CutEnd end1 = cutEnd(first, outward, arrow, length);
    const CutEnd end2 = cutEnd(second, -outward, arrow, length);
    // (5) One open heavyweight polyline per end.
    AcDbObjectId unused;
    AcArray<AcGePoint3d> points1 = cutEndPoints(end1);
    AcArray<AcGePoint3d> points2 = cutEndPoints(end2);
    create2DPolyline(points1, false, unused);
    create2DPolyline(points2, false, unused);
    // (6) The labels beside the arrow tips.
    AcGePoint3d label1 = end1.tip;
    AcGePoint3d label2 = end2.tip;
    if (vertical && arrow.x < 0.0) {
        label1.x -= (count + 0.4) * height;
        label2.x -= (count + 0.4) * height;
    } else if (vertical) {
        label1.x += height / 2.5;
        label2.x += height / 2.5;
    } else {
        label1.x -= 0.8 * count * height;
        label2.x += 0.3 * count * height;
    }
    createText(label1, text, styleId, height, kCutLabelWidthFactor, 0.0, unused);
    createText(label2, text, styleId, height, kCutLabelWidthFactor, 0.0, unused);
    // (7) Done.
    return 1;
}
