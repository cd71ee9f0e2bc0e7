// Changes to an existing entity by id (layer, colour, a dimension's text, text style, text
// position, arrowheads and extension lines), read-only style queries, and the outlines of texts
// and dimension texts that masks are built from.
#include "MavUtils.h"

#include "MavCounter.h"

#include "AcDbAlignedDimension.h"
#include "AcDbDatabase.h"
#include "AcDbDimStyleTable.h"
#include "AcDbDimension.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "AcDbTextStyleTableRecord.h"

#include <cmath>
#include <functional>

namespace {

constexpr int kFirstExtLine = -1;
constexpr int kSecondExtLine = 1;
constexpr int kBothExtLines = 2;
constexpr int kTextMoveFree = 2;

// The common frame of the dimension edits: open for write, refuse what is not a dimension, apply
// the steps, close. The steps may refuse with a status of their own.
Acad::ErrorStatus editDimension(const AcDbObjectId& id, const std::function<Acad::ErrorStatus(AcDbDimension*)>& steps)
{
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForWrite, pEnt);
    if (es != Acad::eOk)
        return es;
    AcDbDimension* pDim = AcDbDimension::cast(pEnt);
    es = pDim != nullptr ? steps(pDim) : Acad::eInvalidInput;
    pEnt->close();
    return es;
}

void suppressExtLines(AcDbDimension* pDim, int selector)
{
    if (selector == kFirstExtLine || selector == kBothExtLines)
        pDim->setDimse1(true);
    if (selector == kSecondExtLine || selector == kBothExtLines)
        pDim->setDimse2(true);
}

void setArrows(AcDbDimension* pDim, const wchar_t* block1, const wchar_t* block2)
{
    if (block1 != nullptr) {
        pDim->setDimsah(true);
        pDim->setDimblk1(block1);
    }
    if (block2 != nullptr) {
        pDim->setDimsah(true);
        pDim->setDimblk2(block2);
    }
}

// A text style record of the id, open for read, or null.
AcDbTextStyleTableRecord* openTextStyle(const AcDbObjectId& id, AcDbObject*& pObj)
{
    pObj = nullptr;
    if (acdbOpenAcDbObject(pObj, id, AcDb::kForRead, false) != Acad::eOk)
        return nullptr;
    return AcDbTextStyleTableRecord::cast(pObj);
}

} // namespace

Acad::ErrorStatus MavUtils::changeDbEntityProperty(
    const AcDbObjectId& id, const CString& layerName, int changeLayer, int colorIndex, int changeColor)
{
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = openEntWithID(id, AcDb::kForWrite, pEnt);
    if (es != Acad::eOk) {
        BDTAlert(L"changeDbEntityProperty");
        return es;
    }
    if (changeLayer != 0)
        pEnt->setLayer(layerName, true);
    if (changeColor != 0)
        pEnt->setColorIndex(static_cast<Adesk::UInt16>(colorIndex), true);
    pEnt->close();
    return es;
}

Acad::ErrorStatus MavUtils::changeDbEntityColor(const AcDbObjectId& id, int colorIndex)
{
    return changeDbEntityProperty(id, CString(), 0, colorIndex, 1);
}

Acad::ErrorStatus MavUtils::changeDimensionText(const AcDbObjectId& id, const CString& text)
{
    if (text.IsEmpty())
        return Acad::eInvalidInput;
    return editDimension(id, [&](AcDbDimension* pDim) {
        pDim->setDimensionText(text);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionTextStyle(const AcDbObjectId& id, const CString& styleName)
{
    return editDimension(id, [&](AcDbDimension* pDim) {
        AcDbObjectId styleId;
        double size = 0.0;
        double widthFactor = 0.0;
        double oblique = 0.0;
        const Acad::ErrorStatus es = getTextStyleId(styleName, styleId, size, widthFactor, oblique);
        if (es == Acad::eOk)
            pDim->setDimtxsty(styleId);
        return es;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionTextPosition(const AcDbObjectId& id, const AcGePoint3d& position)
{
    return editDimension(id, [&](AcDbDimension* pDim) {
        pDim->setDimtmove(kTextMoveFree);
        pDim->setTextPosition(position);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionTextPositionAndRotation(
    const AcDbObjectId& id, const AcGePoint3d& position, double rotation, int textMove)
{
    return editDimension(id, [&](AcDbDimension* pDim) {
        pDim->setDimtmove(textMove);
        pDim->setTextPosition(position);
        pDim->setTextRotation(rotation);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionTextPositionAndExtLinesStatus(
    const AcDbObjectId& id, const AcGePoint3d& position, int selector)
{
    return editDimension(id, [&](AcDbDimension* pDim) {
        pDim->setDimtmove(kTextMoveFree);
        pDim->setTextPosition(position);
        suppressExtLines(pDim, selector);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionArrow(const AcDbObjectId& id, const wchar_t* block1, const wchar_t* block2)
{
    return editDimension(id, [&](AcDbDimension* pDim) {
        setArrows(pDim, block1, block2);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionArrowTextPositionAndExtLinesStatus(const AcDbObjectId& id,
    const wchar_t* block1, const wchar_t* block2, const AcGePoint3d& position, int selector, int textMove)
{
    return editDimension(id, [&](AcDbDimension* pDim) {
        setArrows(pDim, block1, block2);
        pDim->setDimtmove(textMove);
        pDim->setDimtix(true);
        pDim->setTextPosition(position);
        suppressExtLines(pDim, selector);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionExtLinesStatus(const AcDbObjectId& id, int selector)
{
    if (selector == 0)
        return Acad::eOk;
    return editDimension(id, [&](AcDbDimension* pDim) {
        suppressExtLines(pDim, selector);
        return Acad::eOk;
    });
}

Acad::ErrorStatus MavUtils::changeDimensionExtLinesOffset(const AcDbObjectId& id, int selector, double value)
{
    if (selector == 0)
        return Acad::eOk;
    return editDimension(id, [&](AcDbDimension* pDim) {
        if (selector == kFirstExtLine || selector == kBothExtLines)
            pDim->setDimexe(value);
        if (selector == kSecondExtLine || selector == kBothExtLines)
            pDim->setDimexo(value);
        return Acad::eOk;
    });
}

double MavUtils::getDimGap(const CString& dimStyleName)
{
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    AcDbDimStyleTable* pTable = nullptr;
    Acad::ErrorStatus es = pDb != nullptr ? pDb->getDimStyleTable(pTable, AcDb::kForRead) : Acad::eNoDatabase;
    AcDbDimStyleTableRecord* pStyle = nullptr;
    if (es == Acad::eOk) {
        es = pTable->getAt(dimStyleName, pStyle, AcDb::kForRead, false);
        pTable->close();
    }
    if (es != Acad::eOk) {
        errorReport(es);
        return 1.0;
    }
    const double gap = pStyle->dimgap();
    pStyle->close();
    return gap;
}

double MavUtils::textWHFactor(const AcDbObjectId& textStyleId)
{
    AcDbObject* pObj = nullptr;
    const AcDbTextStyleTableRecord* pStyle = openTextStyle(textStyleId, pObj);
    const double factor = pStyle != nullptr ? pStyle->xScale() : 1.0;
    if (pObj != nullptr)
        pObj->close();
    return factor;
}

int MavUtils::needFixWidth(const AcDbObjectId& textStyleId)
{
    AcDbObject* pObj = nullptr;
    const AcDbTextStyleTableRecord* pStyle = openTextStyle(textStyleId, pObj);
    int needed = 0;
    if (pStyle != nullptr) {
        const ACHAR* bigFont = nullptr;
        const ACHAR* font = nullptr;
        pStyle->bigFontFileName(bigFont);
        pStyle->fileName(font);
        const bool namesBigFont = bigFont != nullptr && bigFont[0] != 0;
        const bool namesFont = font != nullptr && font[0] != 0;
        needed = !namesBigFont && namesFont && isSHXFile(font) == 0 ? 1 : 0;
    }
    if (pObj != nullptr)
        pObj->close();
    return needed;
}

void MavUtils::acdbTextCornerPoints(
    const AcGePoint3d& center, double rotation, const AcDbText* pText, AcArray<AcGePoint3d>& points)
{
    const AcGePoint3d position = pText->position();
    const double height = pText->height();
    const AcGeVector3d u(std::cos(rotation), std::sin(rotation), 0.0);
    const AcGeVector3d v(-std::sin(rotation), std::cos(rotation), 0.0);
    const AcGeVector3d toCenter(center.x - position.x, center.y - position.y, 0.0);
    // 1. The box is centred on the centre: its width is twice the centre's offset from the
    // position along the text (the offset's whole length would count the height in), and it
    // reaches from the cap height as far below the centre as it reaches above, so that parts
    // below the baseline are inside.
    const double width = 2.0 * std::fabs(toCenter.dotProduct(u));
    const double bottom = std::fmin(0.0, 2.0 * toCenter.dotProduct(v) - height);
    // 2-3. The corners from the lower left, counter-clockwise, closed.
    const AcGePoint3d start = position + v * bottom;
    points.append(start);
    points.append(start + u * width);
    points.append(position + u * width + v * height);
    points.append(position + v * height);
    points.append(start);
}

void MavUtils::cornerPoint(const AcDbText* pText, AcArray<AcGePoint3d>& points)
{
    acdbTextCornerPoints(centerPoint(pText), pText->rotation(), pText, points);
}

void MavUtils::dimentionTextCornerPoints(AcDbAlignedDimension* pDim, AcArray<AcGePoint3d>& points)
{
    // 1. Where the text stands, its height and style, and the direction of the measured line.
    const AcGePoint3d at = pDim->textPosition();
    const double height = pDim->dimtxt();
    const AcDbObjectId styleId = pDim->dimtxsty();
    double rotation = 0.0;
    MavCounter::vectorToAngle(pDim->xLine2Point() - pDim->xLine1Point(), rotation);
    // 2. The style's width factor.
    const double widthFactor = textWHFactor(styleId);
    // 3. The text as drawn: the override, else the measurement to the dimension's decimals.
    CString text;
    text.Format(L"%s", pDim->dimensionTextString().c_str());
    if (text.IsEmpty()) {
        double measured = 0.0;
        pDim->measurement(measured);
        text = MavCounter::precisionChange(measured, pDim->dimdec());
    }
    // 4. A temporary text in the current space, centred on the text position.
    auto* pText = new AcDbText(at, text, styleId, height, rotation);
    pText->setWidthFactor(widthFactor);
    pText->setHorizontalMode(AcDb::kTextCenter);
    pText->setVerticalMode(AcDb::kTextVertMid);
    pText->setAlignmentPoint(at);
    AcDbObjectId textId;
    // A text the space refused is freed by the append.
    if (addToCurrentSpaceAndClose(pText, textId) != Acad::eOk)
        return;
    // 5. Its outline, then it goes.
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(textId, AcDb::kForRead, pEnt) == Acad::eOk) {
        if (const AcDbText* pOpened = AcDbText::cast(pEnt))
            acdbTextCornerPoints(at, rotation, pOpened, points);
        pEnt->close();
    }
    deleteObj(textId);
}
