// Drawing helpers: one entity per call (line, arc, circle, polyline, filled dot, single-line or
// paragraph text, point) with the display properties the call names, into a record or the
// current space.
#include "MavUtils.h"

#include "AcDbArc.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbText.h"
#include "AcGeCurve2d.h"
#include "AcGeCurve3d.h"
#include "AcGePolyline2d.h"
#include "MavHelpers.h"

#include <cmath>
#include <new>

namespace {

// Below this a width factor is taken as not given.
constexpr double kMinWidthFactor = 0.001;

// The point display mode of end-point marks: a cross in a circle and a square.
constexpr int kEndMarkMode = 99;

// A paragraph text's box is this wide per character of its text.
constexpr double kMTextWidthPerChar = 5.0;

// The platform's default width of a polyline vertex.
constexpr double kDefaultWidth = -1.0;

void applyColour(AcDbEntity* pEnt, int colorIndex)
{
    pEnt->setColorIndex(static_cast<Adesk::UInt16>(colorIndex), true);
}

void applyLayer(AcDbEntity* pEnt, const CString& layerName) { pEnt->setLayer(layerName, true, false); }

void applyLayer(AcDbEntity* pEnt, const AcDbObjectId& layerId) { pEnt->setLayer(layerId, true, false); }

// Only the platform's own line weights are applied; any other value leaves the entity's.
void applyLineWeight(AcDbEntity* pEnt, int lineWeight)
{
    AcDb::LineWeight weight = AcDb::kLnWt000;
    MavUtils::getLineWidthByIndex(lineWeight, weight);
    if (static_cast<int>(weight) == lineWeight)
        pEnt->setLineWeight(weight, true);
}

void applyLinetype(AcDbEntity* pEnt, const CString& linetypeName) { pEnt->setLinetype(linetypeName, true); }

void applyLayerIfNamed(AcDbEntity* pEnt, const CString& layerName)
{
    if (!layerName.IsEmpty())
        applyLayer(pEnt, layerName);
}

void applyLinetypeIfNamed(AcDbEntity* pEnt, const CString& linetypeName)
{
    if (!linetypeName.IsEmpty())
        applyLinetype(pEnt, linetypeName);
}

// The four targets. An entity built for a null record is appended nowhere and freed here.
void toCurrentSpace(AcDbEntity* pEnt) { MavUtils::addToCurrentSpaceAndClose(pEnt); }

void toCurrentSpace(AcDbEntity* pEnt, AcDbObjectId& newId) { MavUtils::addToCurrentSpaceAndClose(pEnt, newId); }

void toRecord(AcDbEntity* pEnt, AcDbBlockTableRecord* pRecord)
{
    if (pRecord == nullptr) {
        delete pEnt;
        return;
    }
    MavUtils::addToBlockTableRecordAndClose(pEnt, pRecord);
}

void toRecord(AcDbEntity* pEnt, AcDbBlockTableRecord* pRecord, AcDbObjectId& newId)
{
    if (pRecord == nullptr) {
        delete pEnt;
        return;
    }
    MavUtils::addToBlockTableRecordAndClose(newId, pEnt, pRecord);
}

AcDbLine* newLine(const AcGePoint3d& start, const AcGePoint3d& end)
{
    return new (std::nothrow) AcDbLine(start, end);
}

// A line on a layer given by name or by id.
template <class Layer>
AcDbLine* newLineOnLayer(const AcGePoint3d& start, const AcGePoint3d& end, const Layer& layer)
{
    AcDbLine* pLine = newLine(start, end);
    if (pLine != nullptr)
        applyLayer(pLine, layer);
    return pLine;
}

AcDbLine* newColouredLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex)
{
    AcDbLine* pLine = newLine(start, end);
    if (pLine != nullptr)
        applyColour(pLine, colorIndex);
    return pLine;
}

// A coloured line on a layer given by name or by id.
template <class Layer>
AcDbLine* newColouredLine(const AcGePoint3d& start, const AcGePoint3d& end, const Layer& layer, int colorIndex)
{
    AcDbLine* pLine = newLineOnLayer(start, end, layer);
    if (pLine != nullptr)
        applyColour(pLine, colorIndex);
    return pLine;
}

// A line with all four properties as given, an empty layer or linetype name included.
AcDbLine* newLineWithEveryProperty(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex,
    const CString& layerName, int lineWeight, const CString& linetypeName)
{
    AcDbLine* pLine = newColouredLine(start, end, colorIndex);
    if (pLine == nullptr)
        return nullptr;
    applyLayer(pLine, layerName);
    applyLineWeight(pLine, lineWeight);
    applyLinetype(pLine, linetypeName);
    return pLine;
}

// A line with colour, layer when named, a standard line weight and linetype when named.
AcDbLine* newStyledLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex, const CString& layerName,
    int lineWeight, const CString& linetypeName)
{
    AcDbLine* pLine = newColouredLine(start, end, colorIndex);
    if (pLine == nullptr)
        return nullptr;
    applyLayerIfNamed(pLine, layerName);
    applyLineWeight(pLine, lineWeight);
    applyLinetypeIfNamed(pLine, linetypeName);
    return pLine;
}

// An arc with colour, layer and linetype as given and a standard line weight.
AcDbArc* newArc(const AcGePoint3d& center, double startAngle, double endAngle, double radius, int colorIndex,
    const CString& layerName, int lineWeight, const CString& linetypeName)
{
    auto* pArc = new (std::nothrow) AcDbArc(center, radius, startAngle, endAngle);
    if (pArc == nullptr)
        return nullptr;
    applyColour(pArc, colorIndex);
    applyLayer(pArc, layerName);
    applyLineWeight(pArc, lineWeight);
    applyLinetype(pArc, linetypeName);
    return pArc;
}

// A circle of the diameter given; colour -1 means no colour of its own.
AcDbCircle* newCircle(const AcGePoint3d& center, int colorIndex, const CString& layerName, double diameter)
{
    auto* pCircle = new (std::nothrow) AcDbCircle(center, AcGeVector3d(0.0, 0.0, 1.0), diameter / 2.0);
    if (pCircle == nullptr)
        return nullptr;
    if (colorIndex != -1)
        applyColour(pCircle, colorIndex);
    applyLayer(pCircle, layerName);
    return pCircle;
}

// An open polyline through the points (z dropped); colour 0 is never applied, so that such a
// polyline keeps the drawing's current colour.
AcDbPolyline* newPointPolyline(const AcArray<AcGePoint3d>& points, int colorIndex, const CString& layerName,
    int lineWeight, const CString& linetypeName)
{
    // (1) Room for every point; without it nothing is drawn.
    auto* pPline = new (std::nothrow) AcDbPolyline(static_cast<unsigned int>(points.length()));
    if (pPline == nullptr)
        return nullptr;
    // (2) One vertex per point, in order.
    for (int i = 0; i < points.length(); ++i) {
        pPline->addVertexAt(static_cast<unsigned int>(i), MavUtils::fromAcGePoint3d(points[i]), 0.0, kDefaultWidth,
            kDefaultWidth);
    }
    // (3) The properties that the arguments name.
    if (colorIndex > 0)
        applyColour(pPline, colorIndex);
    applyLayerIfNamed(pPline, layerName);
    applyLineWeight(pPline, lineWeight);
    applyLinetypeIfNamed(pPline, linetypeName);
    return pPline;
}

// An open polyline through the fit points of a geometric polyline.
AcDbPolyline* newGePolyline(const AcGePolyline2d* pGePolyline)
{
    if (pGePolyline == nullptr)
        return nullptr;
    // (1) The fit points in order.
    AcArray<AcGePoint2d> points;
    for (int i = 0; i < pGePolyline->numFitPoints(); ++i)
        points.append(pGePolyline->fitPointAt(i));
    // (2) One vertex per point.
    auto* pPline = new (std::nothrow) AcDbPolyline(static_cast<unsigned int>(points.length()));
    if (pPline == nullptr)
        return nullptr;
    for (int i = 0; i < points.length(); ++i)
        pPline->addVertexAt(static_cast<unsigned int>(i), points[i], 0.0, kDefaultWidth, kDefaultWidth);
    return pPline;
}

// A closed polyline of two half circles on a horizontal diameter, as wide as the chord, that
// shows as a filled disc.
AcDbPolyline* newDot(double x, double y, double halfChord, double width)
{
    auto* pPline = new (std::nothrow) AcDbPolyline(2);
    if (pPline == nullptr)
        return nullptr;
    pPline->addVertexAt(0, AcGePoint2d(x - halfChord, y), 1.0, width, width);
    pPline->addVertexAt(1, AcGePoint2d(x - halfChord + 2.0 * halfChord, y), 1.0, width, width);
    pPline->setClosed(true);
    return pPline;
}

// The dot of chord and width a·b, coloured and on the layer.
AcDbPolyline* newStyledDot(const AcGePoint3d& center, int colorIndex, const CString& layerName, double a, double b)
{
    const double width = a * b;
    AcDbPolyline* pDot = newDot(center.x, center.y, a * 0.5 * b, width);
    if (pDot == nullptr)
        return nullptr;
    applyColour(pDot, colorIndex);
    applyLayer(pDot, layerName);
    return pDot;
}

// The dot of the one-real forms: chord 2r and width 2r, a disc reaching 2r from the centre.
AcDbPolyline* newRadiusDot(const AcGePoint2d& center, double radius)
{
    return newDot(center.x, center.y, radius, 2.0 * radius);
}

void setTextStyleByName(AcDbText* pText, const CString& styleName)
{
    if (styleName.IsEmpty())
        return;
    AcDbObjectId styleId;
    MavUtils::getTextStyleId(styleName, styleId);
    pText->setTextStyle(styleId);
}

// The single-line justification of the codes 1 to 9; other codes set no mode.
void setJustification(AcDbText* pText, int code)
{
    static const AcDb::TextHorzMode kHorizontal[] = {AcDb::kTextCenter, AcDb::kTextLeft, AcDb::kTextRight,
        AcDb::kTextLeft, AcDb::kTextCenter, AcDb::kTextRight, AcDb::kTextLeft, AcDb::kTextCenter, AcDb::kTextRight};
    static const AcDb::TextVertMode kVertical[] = {AcDb::kTextVertMid, AcDb::kTextVertMid, AcDb::kTextVertMid,
        AcDb::kTextTop, AcDb::kTextTop, AcDb::kTextTop, AcDb::kTextBottom, AcDb::kTextBottom, AcDb::kTextBottom};
    if (code < 1 || code > 9)
        return;
    pText->setHorizontalMode(kHorizontal[code - 1]);
    pText->setVerticalMode(kVertical[code - 1]);
}

void setWidthFactorIfGiven(AcDbText* pText, double widthFactor)
{
    if (std::fabs(widthFactor) >= kMinWidthFactor)
        pText->setWidthFactor(widthFactor);
}

// The paragraph attachment of the codes 1 to 9; any other code is middle centre.
AcDbMText::AttachmentPoint attachmentOf(int code)
{
    static const AcDbMText::AttachmentPoint kAttachments[] = {AcDbMText::kMiddleCenter, AcDbMText::kMiddleLeft,
        AcDbMText::kMiddleRight, AcDbMText::kTopLeft, AcDbMText::kTopCenter, AcDbMText::kTopRight,
        AcDbMText::kBottomLeft, AcDbMText::kBottomCenter, AcDbMText::kBottomRight};
    if (code < 1 || code > 9)
        return AcDbMText::kMiddleCenter;
    return kAttachments[code - 1];
}

// The text's length in 16-bit characters: a character beyond the basic plane takes two.
int utf16Length(const CString& text)
{
    int length = 0;
    for (int i = 0; i < text.GetLength(); ++i)
        length += static_cast<unsigned long>(text.GetAt(i)) > 0xFFFFUL ? 2 : 1;
    return length;
}

AcDbMText* newMText(const AcGePoint3d& position, const CString& text, const CString& styleName, int colorIndex,
    double height, double rotation, const CString& layerName, int justification)
{
    // (1) An empty paragraph text.
    auto* pMText = new (std::nothrow) AcDbMText();
    if (pMText == nullptr)
        return nullptr;
    // (2) The style when named.
    if (!styleName.IsEmpty()) {
        AcDbObjectId styleId;
        MavUtils::getTextStyleId(styleName, styleId);
        pMText->setTextStyle(styleId);
    }
    // (3) The colour.
    applyColour(pMText, colorIndex);
    // (4) Attachment, then location.
    pMText->setAttachment(attachmentOf(justification));
    pMText->setLocation(position);
    // (5) The box: five units per character, whatever the height.
    pMText->setWidth(kMTextWidthPerChar * utf16Length(text));
    // (6) The contents as they stand.
    pMText->setContents(text);
    // (7) Height, then rotation.
    pMText->setTextHeight(height);
    pMText->setRotation(rotation);
    // (8) The layer when named.
    applyLayerIfNamed(pMText, layerName);
    return pMText;
}

} // namespace

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newLine(start, end))
        toCurrentSpace(pLine, newId);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex)
{
    if (AcDbLine* pLine = newColouredLine(start, end, colorIndex))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName)
{
    if (AcDbLine* pLine = newLineOnLayer(start, end, layerName))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId)
{
    if (AcDbLine* pLine = newLineOnLayer(start, end, layerId))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId,
    int colorIndex, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerId, colorIndex))
        toCurrentSpace(pLine, newId);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
    const AcDbObjectId& layerId, int colorIndex)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerId, colorIndex))
        toRecord(pLine, pRecord);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
    const AcDbObjectId& layerId, int colorIndex, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerId, colorIndex))
        toRecord(pLine, pRecord, newId);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex, const CString& layerName,
    int lineWeight, const CString& linetypeName)
{
    if (AcDbLine* pLine = newStyledLine(start, end, colorIndex, layerName, lineWeight, linetypeName))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex, const CString& layerName,
    int lineWeight, const CString& linetypeName, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newStyledLine(start, end, colorIndex, layerName, lineWeight, linetypeName))
        toCurrentSpace(pLine, newId);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
    int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newLineWithEveryProperty(start, end, colorIndex, layerName, lineWeight, linetypeName))
        toRecord(pLine, pRecord, newId);
}

void MavUtils::drawArc(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, double startAngle, double endAngle,
    double radius, int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName)
{
    if (AcDbArc* pArc
        = newArc(center, startAngle, endAngle, radius, colorIndex, layerName, lineWeight, linetypeName))
        toRecord(pArc, pRecord);
}

void MavUtils::drawArc(const AcGePoint3d& center, double startAngle, double endAngle, double radius, int colorIndex,
    const CString& layerName, int lineWeight, const CString& linetypeName)
{
    if (AcDbArc* pArc
        = newArc(center, startAngle, endAngle, radius, colorIndex, layerName, lineWeight, linetypeName))
        toCurrentSpace(pArc);
}

void MavUtils::drawArc(AcDbObjectId& newId, const AcGePoint3d& center, double startAngle, double endAngle,
    double radius, int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName)
{
    if (AcDbArc* pArc
        = newArc(center, startAngle, endAngle, radius, colorIndex, layerName, lineWeight, linetypeName))
        toCurrentSpace(pArc, newId);
}

void MavUtils::drawArc(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& center,
    double startAngle, double endAngle, double radius, int colorIndex, const CString& layerName, int lineWeight,
    const CString& linetypeName)
{
    if (AcDbArc* pArc
        = newArc(center, startAngle, endAngle, radius, colorIndex, layerName, lineWeight, linetypeName))
        toRecord(pArc, pRecord, newId);
}

void MavUtils::drawCircle(
    AcDbObjectId& newId, const AcGePoint3d& center, int colorIndex, const CString& layerName, double diameter)
{
    if (AcDbCircle* pCircle = newCircle(center, colorIndex, layerName, diameter))
        toCurrentSpace(pCircle, newId);
}

void MavUtils::drawCircle(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, int colorIndex,
    const CString& layerName, double diameter)
{
    if (AcDbCircle* pCircle = newCircle(center, colorIndex, layerName, diameter))
        toRecord(pCircle, pRecord);
}

void MavUtils::drawCircle(const AcGePoint3d& center, int colorIndex, const CString& layerName, double diameter)
{
    if (AcDbCircle* pCircle = newCircle(center, colorIndex, layerName, diameter))
        toCurrentSpace(pCircle);
}

void MavUtils::drawCircle(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& center,
    int colorIndex, const CString& layerName, double diameter)
{
    if (AcDbCircle* pCircle = newCircle(center, colorIndex, layerName, diameter))
        toRecord(pCircle, pRecord, newId);
}

void MavUtils::drawPolyLine(const AcArray<AcGePoint3d>& points, int colorIndex, const CString& layerName,
    int lineWeight, const CString& linetypeName, AcDbObjectId& newId)
{
    if (AcDbPolyline* pPline = newPointPolyline(points, colorIndex, layerName, lineWeight, linetypeName))
        toCurrentSpace(pPline, newId);
}

void MavUtils::drawPolyLine(const AcArray<AcGePoint3d>& points, int colorIndex, const CString& layerName,
    int lineWeight, const CString& linetypeName)
{
    if (AcDbPolyline* pPline = newPointPolyline(points, colorIndex, layerName, lineWeight, linetypeName))
        toCurrentSpace(pPline);
}

void MavUtils::drawPolyLine(AcDbBlockTableRecord* pRecord, const AcArray<AcGePoint3d>& points, int colorIndex,
    const CString& layerName, int lineWeight, const CString& linetypeName, AcDbObjectId& newId)
{
    if (AcDbPolyline* pPline = newPointPolyline(points, colorIndex, layerName, lineWeight, linetypeName))
        toRecord(pPline, pRecord, newId);
}

void MavUtils::drawGePolyline(AcGePolyline2d* pPolyline, const AcDbObjectId& layerId)
{
    AcDbPolyline* pPline = newGePolyline(pPolyline);
    if (pPline == nullptr)
        return;
    applyLayer(pPline, layerId);
    toCurrentSpace(pPline);
}

// The only record form that falls back on the current space when it is given no record.
void MavUtils::drawGePolylineThenScaleIt(AcDbBlockTableRecord* pRecord, AcGePolyline2d* pPolyline,
    const CString& layerName, const AcGePoint3d& base, double factor)
{
    AcDbPolyline* pPline = newGePolyline(pPolyline);
    if (pPline == nullptr)
        return;
    applyLayer(pPline, layerName);
    AcDbObjectId newId;
    if (pRecord != nullptr)
        toRecord(pPline, pRecord, newId);
    else
        toCurrentSpace(pPline, newId);
    scaleToSize(newId, factor, base, 0);
}

void MavUtils::drawGePolylineThenScaleIt(
    AcGePolyline2d* pPolyline, const CString& layerName, const AcGePoint3d& base, double factor)
{
    drawGePolylineThenScaleIt(nullptr, pPolyline, layerName, base, factor);
}

void MavUtils::drawDonutAtPoint(
    AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, int colorIndex, const CString& layerName, double a,
    double b)
{
    if (AcDbPolyline* pDot = newStyledDot(center, colorIndex, layerName, a, b))
        toRecord(pDot, pRecord);
}

void MavUtils::drawDonutAtPoint(AcDbBlockTableRecord* pRecord, const AcGePoint2d& center, double radius)
{
    if (AcDbPolyline* pDot = newRadiusDot(center, radius))
        toRecord(pDot, pRecord);
}

void MavUtils::drawDonutAtPoint(AcDbBlockTableRecord* pRecord, const AcGePoint3d& center, double radius)
{
    drawDonutAtPoint(pRecord, fromAcGePoint3d(center), radius);
}

void MavUtils::drawText(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& position,
    const CString& text, const CString& styleName, int colorIndex, double height, double widthFactor,
    double rotation, const CString& layerName, int alignment)
{
    // (1) The text at the position, with no style, height or rotation yet.
    auto* pText = new (std::nothrow) AcDbText(position, text, AcDbObjectId::kNull, 0.0, 0.0);
    if (pText == nullptr)
        return;
    // (2) The style when named.
    setTextStyleByName(pText, styleName);
    // (3) Colour and height.
    applyColour(pText, colorIndex);
    pText->setHeight(height);
    // (4) The width factor when given.
    setWidthFactorIfGiven(pText, widthFactor);
    // (5) The rotation.
    pText->setRotation(rotation);
    // (6) The layer when named.
    applyLayerIfNamed(pText, layerName);
    // (7) The modes of the alignment code.
    setJustification(pText, alignment);
    // (8) The alignment point, whatever the alignment.
    pText->setAlignmentPoint(position);
    // (9) A record may belong to no database yet: the position is computed here.
    if (pRecord != nullptr)
        pText->adjustAlignment(WorkingDatabase());
    toRecord(pText, pRecord, newId);
}

void MavUtils::drawText(AcDbBlockTableRecord* pRecord, const AcGePoint3d& position, const CString& text,
    const CString& styleName, int colorIndex, double height, double widthFactor, double rotation,
    const CString& layerName, int alignment)
{
    AcDbObjectId discarded;
    drawText(pRecord, discarded, position, text, styleName, colorIndex, height, widthFactor, rotation, layerName,
        alignment);
}

void MavUtils::drawText(const AcGePoint3d& position, const CString& text, const CString& styleName, int colorIndex,
    double height, double widthFactor, double rotation, const CString& layerName, int alignment)
{
    AcDbObjectId discarded;
    drawText(discarded, position, text, styleName, colorIndex, height, widthFactor, rotation, layerName, alignment);
}

void MavUtils::drawPoint(const AcGePoint3d& position, int colorIndex, int mode)
{
    if (AcDbDatabase* pDb = WorkingDatabase())
        pDb->setPdmode(static_cast<Adesk::Int16>(static_cast<Adesk::UInt16>(mode)));
    auto* pPoint = new (std::nothrow) AcDbPoint(position);
    if (pPoint == nullptr)
        return;
    applyColour(pPoint, colorIndex);
    toCurrentSpace(pPoint);
}

void MavUtils::drawStartEndPointsOnGeCurve(const AcGeCurve3d* pCurve, int colorIndex)
{
    AcGePoint3d start, end;
    if (pCurve == nullptr || !pCurve->hasStartPoint(start) || !pCurve->hasEndPoint(end))
        return;
    drawPoint(start, colorIndex, kEndMarkMode);
    drawPoint(end, colorIndex, kEndMarkMode);
}

void MavUtils::drawStartEndPointsOnGeCurve(const AcGeCurve2d* pCurve, int colorIndex)
{
    AcGePoint2d start, end;
    if (pCurve == nullptr || !pCurve->hasStartPoint(start) || !pCurve->hasEndPoint(end))
        return;
    drawPoint(fromAcGePoint2d(start, 0.0), colorIndex, kEndMarkMode);
    drawPoint(fromAcGePoint2d(end, 0.0), colorIndex, kEndMarkMode);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end)
{
    if (AcDbLine* pLine = newLine(start, end))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName, int colorIndex)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerName, colorIndex))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName, int colorIndex,
    AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerName, colorIndex))
        toCurrentSpace(pLine, newId);
}

void MavUtils::drawLine(const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId, int colorIndex)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerId, colorIndex))
        toCurrentSpace(pLine);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end)
{
    if (AcDbLine* pLine = newLine(start, end))
        toRecord(pLine, pRecord);
}

void MavUtils::drawLine(
    AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newLine(start, end))
        toRecord(pLine, pRecord, newId);
}

void MavUtils::drawLine(
    AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end, const CString& layerName)
{
    if (AcDbLine* pLine = newLineOnLayer(start, end, layerName))
        toRecord(pLine, pRecord);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
    const CString& layerName, int colorIndex)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerName, colorIndex))
        toRecord(pLine, pRecord);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
    const CString& layerName, int colorIndex, AcDbObjectId& newId)
{
    if (AcDbLine* pLine = newColouredLine(start, end, layerName, colorIndex))
        toRecord(pLine, pRecord, newId);
}

void MavUtils::drawLine(
    AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end, const AcDbObjectId& layerId)
{
    if (AcDbLine* pLine = newLineOnLayer(start, end, layerId))
        toRecord(pLine, pRecord);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end, int colorIndex)
{
    if (AcDbLine* pLine = newColouredLine(start, end, colorIndex))
        toRecord(pLine, pRecord);
}

void MavUtils::drawLine(AcDbBlockTableRecord* pRecord, const AcGePoint3d& start, const AcGePoint3d& end,
    int colorIndex, const CString& layerName, int lineWeight, const CString& linetypeName)
{
    if (AcDbLine* pLine = newLineWithEveryProperty(start, end, colorIndex, layerName, lineWeight, linetypeName))
        toRecord(pLine, pRecord);
}

void MavUtils::drawDonutAtPoint(const AcGePoint2d& center, double radius)
{
    if (AcDbPolyline* pDot = newRadiusDot(center, radius))
        toCurrentSpace(pDot);
}

void MavUtils::drawDonutAtPoint(const AcGePoint3d& center, double radius)
{
    drawDonutAtPoint(fromAcGePoint3d(center), radius);
}

void MavUtils::drawDonutAtPoint(const AcGePoint3d& center, int colorIndex, const CString& layerName, double a, double b)
{
    if (AcDbPolyline* pDot = newStyledDot(center, colorIndex, layerName, a, b))
        toCurrentSpace(pDot);
}

void MavUtils::drawDonutAtPoint(
    AcDbObjectId& newId, const AcGePoint3d& center, int colorIndex, const CString& layerName, double a, double b)
{
    if (AcDbPolyline* pDot = newStyledDot(center, colorIndex, layerName, a, b))
        toCurrentSpace(pDot, newId);
}

void MavUtils::drawDonutAtPoint(AcDbBlockTableRecord* pRecord, AcDbObjectId& newId, const AcGePoint3d& center,
    int colorIndex, const CString& layerName, double a, double b)
{
    if (AcDbPolyline* pDot = newStyledDot(center, colorIndex, layerName, a, b))
        toRecord(pDot, pRecord, newId);
}

void MavUtils::drawPolyLine(AcDbBlockTableRecord* pRecord, const AcArray<AcGePoint3d>& points, int colorIndex,
    const CString& layerName, int lineWeight, const CString& linetypeName)
{
    if (AcDbPolyline* pPline = newPointPolyline(points, colorIndex, layerName, lineWeight, linetypeName))
        toRecord(pPline, pRecord);
}

void MavUtils::drawGePolyline(AcGePolyline2d* pPolyline, int colorIndex)
{
    AcDbPolyline* pPline = newGePolyline(pPolyline);
    if (pPline == nullptr)
        return;
    applyColour(pPline, colorIndex);
    toCurrentSpace(pPline);
}

void MavUtils::drawGePolyline(AcGePolyline2d* pPolyline, const CString& layerName)
{
    AcDbPolyline* pPline = newGePolyline(pPolyline);
    if (pPline == nullptr)
        return;
    applyLayer(pPline, layerName);
    toCurrentSpace(pPline);
}

void MavUtils::drawText(AcDbObjectId& newId, const AcGePoint3d& position, const CString& text,
    const CString& styleName, int colorIndex, double height, double widthFactor, double rotation,
    const CString& layerName, int alignment)
{
    // (1) The text at the position, with no style, height or rotation yet.
    auto* pText = new (std::nothrow) AcDbText(position, text, AcDbObjectId::kNull, 0.0, 0.0);
    if (pText == nullptr)
        return;
    // (2) The style when named.
    setTextStyleByName(pText, styleName);
    // (3) The colour.
    applyColour(pText, colorIndex);
    // (4) The modes of the justification code.
    setJustification(pText, alignment);
    // (5) The alignment point, for every code.
    pText->setAlignmentPoint(position);
    // (6) The height.
    pText->setHeight(height);
    // (7) The width factor when given.
    setWidthFactorIfGiven(pText, widthFactor);
    // (8) The rotation.
    pText->setRotation(rotation);
    // (9) The layer when named.
    applyLayerIfNamed(pText, layerName);
    // (10) Into the current space.
    toCurrentSpace(pText, newId);
}

void MavUtils::drawMText(const AcGePoint3d& position, const CString& text, const CString& styleName, int colorIndex,
    double height, double rotation, const CString& layerName, int justification)
{
    if (AcDbMText* pMText
        = newMText(position, text, styleName, colorIndex, height, rotation, layerName, justification))
        toCurrentSpace(pMText);
}

void MavUtils::drawMText(AcDbObjectId& newId, const AcGePoint3d& position, const CString& text,
    const CString& styleName, int colorIndex, double height, double rotation, const CString& layerName,
    int justification)
{
    if (AcDbMText* pMText
        = newMText(position, text, styleName, colorIndex, height, rotation, layerName, justification))
        toCurrentSpace(pMText, newId);
}
