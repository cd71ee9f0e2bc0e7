// The entity factory's dimensions (rotated, aligned, radial, diametric, two-line angular) and the
// system's dimension styles: one fixed set of dimension variables, made current by name or scale.
#include "MavEntityLib.h"

#include "MavHelpers.h"
#include "MavSymbolTables.h"
#include "MavUtils.h"

#include "AcDb2LineAngularDimension.h"
#include "AcDbAlignedDimension.h"
#include "AcDbDatabase.h"
#include "AcDbDiametricDimension.h"
#include "AcDbDimStyleTable.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbRadialDimension.h"
#include "AcDbRotatedDimension.h"
#include "AcDbServices.h"
#include "acut.h"

#include <cmath>
#include <new>

namespace {

// Extension-line origins closer than this measure nothing.
constexpr double kMinDimensionLength = 1e-10 * 1e6;
// A text rotation of no more than this is taken as none.
constexpr double kMinTextRotation = 0.000001;

// What the system's dimension styles are made from, as createDimStyle is given it.
struct DimStyleSettings {
    double linearScale;
    int decimals;
    int angularDecimals;
    double textHeight;
    double extensionBeyond;
    double extensionOffset;
    double textGap;
    double arrowSize;
    const wchar_t* arrowBlock;
    const wchar_t* textStyleName;
};

// The style's text style: the library's default for no name or "NULL", none for a missing one.
AcDbObjectId dimTextStyleId(const wchar_t* name)
{
    if (name == nullptr || name[0] == L'\0' || CString(name) == L"NULL")
        name = L"Standard";
    AcDbObjectId id;
    MavUtils::getTextStyleId(name, id);
    return id;
}

// The system's dimension-variable set, in its order. The arrow block is only named: a drawing
// without that block keeps the closed filled arrow.
void writeDimStyleVariables(AcDbDimStyleTableRecord* pRecord, const DimStyleSettings& s)
{
    pRecord->setDimdec(s.decimals);
    pRecord->setDimadec(s.angularDecimals);
    pRecord->setDimasz(s.arrowSize);
    pRecord->setDimtxt(s.textHeight);
    pRecord->setDimtxsty(dimTextStyleId(s.textStyleName));
    pRecord->setDimblk(s.arrowBlock);
    pRecord->setDimlfac(s.linearScale);
    pRecord->setDimexe(s.extensionBeyond);
    pRecord->setDimexo(s.extensionOffset);
    pRecord->setDimgap(s.textGap);
    pRecord->setDimaltd(3);
    pRecord->setDimtad(1);
    pRecord->setDimdsep(L'.');
    pRecord->setDimtih(false);
    pRecord->setDimtoh(false);
    pRecord->setDimtix(true);
    pRecord->setDimtofl(true);
    pRecord->setDimsoxd(false);
    pRecord->setDimtolj(1);
    pRecord->setDimzin(8);
}

// A style opened for write is known to be there and writable; it is closed again at once unless
// the caller takes it.
Acad::ErrorStatus openDimStyleForWrite(AcDbObjectId id, AcDbDimStyleTableRecord*& pStyle)
{
    pStyle = nullptr;
    AcDbObject* pObj = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(pObj, id, AcDb::kForWrite);
    if (es != Acad::eOk) {
        acutPrintf(L"open dim style id error:%s!\n", acadErrorStatusText(es));
        return es;
    }
    pStyle = AcDbDimStyleTableRecord::cast(pObj);
    if (pStyle == nullptr) {
        pObj->close();
        return Acad::eWrongObjectType;
    }
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus MavEntityLib::createDimRotation(AcDbObjectId& newId, double rotation,
    const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
    const wchar_t* dimText, AcDbObjectId dimStyle, const wchar_t* layerName)
{
    if (xLine1Point.distanceTo(xLine2Point) < kMinDimensionLength)
        return Acad::eOk;
    auto* pDim = new (std::nothrow)
        AcDbRotatedDimension(rotation, xLine1Point, xLine2Point, dimLinePoint, dimText, dimStyle);
    if (pDim == nullptr)
        return outOfMemory(L"没有足够内存创建一条尺寸标注!");
    if (layerName != nullptr && layerName[0] != L'\0')
        pDim->setLayer(layerName);
    return appendAndClose(pDim, newId);
}

Acad::ErrorStatus MavEntityLib::createDimRotation(AcDbObjectId& newId, double rotation,
    const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
    const wchar_t* dimText, const wchar_t* dimStyleName, const wchar_t* layerName)
{
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = getDimStyleId(dimStyleName, styleId);
    if (es != Acad::eOk)
        return es;
    return createDimRotation(newId, rotation, xLine1Point, xLine2Point, dimLinePoint, dimText, styleId, layerName);
}

Acad::ErrorStatus MavEntityLib::createDimAligned(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
    const AcGePoint3d& dimLinePoint, wchar_t* dimText, const wchar_t* dimStyleName, AcDbObjectId& newId,
    int colorIndex, double textRotation)
{
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = getDimStyleId(dimStyleName, styleId);
    if (es != Acad::eOk)
        return es;
    return createDimAligned(
        xLine1Point, xLine2Point, dimLinePoint, dimText, styleId, newId, colorIndex, textRotation);
}

Acad::ErrorStatus MavEntityLib::createDimDia(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
    double leaderLength, wchar_t* dimText, wchar_t* dimStyleName, AcDbObjectId& newId)
{
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = getDimStyleId(dimStyleName, styleId);
    if (es != Acad::eOk)
        return es;
    return createDimDia(chordPoint, farChordPoint, leaderLength, dimText, styleId, newId);
}

Acad::ErrorStatus MavEntityLib::createDim2LineAng(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
    const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End, const AcGePoint3d& arcPoint, wchar_t* dimText,
    AcDbObjectId dimStyle, AcDbObjectId& newId)
{
    auto* pDim = new (std::nothrow)
        AcDb2LineAngularDimension(xLine1Start, xLine1End, xLine2Start, xLine2End, arcPoint, dimText, dimStyle);
    if (pDim == nullptr)
        return outOfMemory(L"无足够内存以创建一条尺寸标注!");
    return appendAndClose(pDim, newId);
}

Acad::ErrorStatus MavEntityLib::createDimStyle(double linearScale, const wchar_t* name, AcDbObjectId& newId,
    int decimals, int angularDecimals, double textHeight, double extensionBeyond, double extensionOffset,
    double textGap, double arrowSize, CString arrowBlock, const wchar_t* textStyleName, int update)
{
    const DimStyleSettings settings { linearScale, decimals, angularDecimals, textHeight, extensionBeyond,
        extensionOffset, textGap, arrowSize, arrowBlock.GetString(), textStyleName };
    // 1-2. The working database's dimension style table.
    AcDbDimStyleTable* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    if (pTable->has(name)) {
        // 3. An existing style rewritten; one that cannot be opened keeps its variables.
        if (update != 0) {
            AcDbDimStyleTableRecord* pRecord = nullptr;
            es = pTable->getAt(name, pRecord, AcDb::kForWrite, true);
            if (es == Acad::eOk) {
                writeDimStyleVariables(pRecord, settings);
                newId = pRecord->objectId();
                pRecord->close();
            }
            pTable->close();
            return es;
        }
        // 4. An existing style left as it is.
        es = pTable->getAt(name, newId);
        pTable->close();
        return es;
    }
    // 5. A new style.
    return addDimStyle(pTable, name, newId,
        [&settings](AcDbDimStyleTableRecord* pRecord) { writeDimStyleVariables(pRecord, settings); });
}

Acad::ErrorStatus MavEntityLib::selectDimStyle(double linearScale, const wchar_t* name)
{
    AcDbObjectId styleId;
    Acad::ErrorStatus es
        = createDimStyle(linearScale, name, styleId, 1, 1, 2.5, 1.0, 0.75, 0.75, 2.5, L"MavArrows", L"NULL", 0);
    if (es != Acad::eOk)
        return es;
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    AcDbDimStyleTableRecord* pStyle = nullptr;
    es = openDimStyleForWrite(styleId, pStyle);
    if (es != Acad::eOk)
        return es;
    pStyle->setDimlfac(linearScale);
    pStyle->close();
    es = pDb->setDimstyle(styleId);
    if (es != Acad::eOk) {
        acutPrintf(L"open dim style id error:%s!\n", acadErrorStatusText(es));
        return es;
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavEntityLib::selectDimStyle(const wchar_t* name, AcDbObjectId& previousId)
{
    AcDbObjectId styleId;
    Acad::ErrorStatus es = getDimStyleId(name, styleId);
    if (es != Acad::eOk)
        return es;
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    AcDbDimStyleTableRecord* pStyle = nullptr;
    es = openDimStyleForWrite(styleId, pStyle);
    if (es != Acad::eOk)
        return es;
    pStyle->close();
    previousId = pDb->dimstyle();
    es = pDb->setDimstyle(styleId);
    if (es != Acad::eOk) {
        acutPrintf(L"open dim style id error:%s!\n", acadErrorStatusText(es));
        previousId.setNull();
        return es;
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavEntityLib::createDimAligned(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
    const AcGePoint3d& dimLinePoint, wchar_t* dimText, AcDbObjectId dimStyle, AcDbObjectId& newId, int colorIndex,
    double textRotation)
{
    auto* pDim
        = new (std::nothrow) AcDbAlignedDimension(xLine1Point, xLine2Point, dimLinePoint, dimText, dimStyle);
    if (pDim == nullptr)
        return outOfMemory(L"无足够内存以创建一条尺寸标注!");
    if (colorIndex > 0)
        pDim->setColorIndex(static_cast<Adesk::UInt16>(colorIndex), true);
    if (std::fabs(textRotation) > kMinTextRotation)
        pDim->setTextRotation(textRotation);
    return appendAndClose(pDim, newId);
}

Acad::ErrorStatus MavEntityLib::createDimRotation(double rotation, const AcGePoint3d& xLine1Point,
    const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const wchar_t* dimText, AcDbObjectId dimStyle,
    AcDbObjectId& newId)
{
    return createDimRotation(newId, rotation, xLine1Point, xLine2Point, dimLinePoint, dimText, dimStyle, nullptr);
}

Acad::ErrorStatus MavEntityLib::createDimRad(const AcGePoint3d& center, const AcGePoint3d& chordPoint,
    double leaderLength, wchar_t* dimText, AcDbObjectId dimStyle, AcDbObjectId& newId)
{
    auto* pDim = new (std::nothrow) AcDbRadialDimension(center, chordPoint, leaderLength, dimText, dimStyle);
    if (pDim == nullptr)
        return outOfMemory(L"Not enough memory to create a dimension!");
    return appendAndClose(pDim, newId);
}

Acad::ErrorStatus MavEntityLib::createDimDia(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
    double leaderLength, wchar_t* dimText, AcDbObjectId dimStyle, AcDbObjectId& newId)
{
    auto* pDim
        = new (std::nothrow) AcDbDiametricDimension(chordPoint, farChordPoint, leaderLength, dimText, dimStyle);
    if (pDim == nullptr)
        return outOfMemory(L"Not enough memory to create a dimension!");
    return appendAndClose(pDim, newId);
}

Acad::ErrorStatus MavEntityLib::createDimRotation(double rotation, const AcGePoint3d& xLine1Point,
    const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint, const wchar_t* dimText,
    const wchar_t* dimStyleName, AcDbObjectId& newId)
{
    return createDimRotation(newId, rotation, xLine1Point, xLine2Point, dimLinePoint, dimText, dimStyleName, nullptr);
}

Acad::ErrorStatus MavEntityLib::createDimRad(const AcGePoint3d& center, const AcGePoint3d& chordPoint,
    double leaderLength, wchar_t* dimText, wchar_t* dimStyleName, AcDbObjectId& newId)
{
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = getDimStyleId(dimStyleName, styleId);
    if (es != Acad::eOk)
        return es;
    return createDimRad(center, chordPoint, leaderLength, dimText, styleId, newId);
}

Acad::ErrorStatus MavEntityLib::createDim2LineAng(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
    const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End, const AcGePoint3d& arcPoint, wchar_t* dimText,
    wchar_t* dimStyleName, AcDbObjectId& newId)
{
    AcDbObjectId styleId;
    const Acad::ErrorStatus es = getDimStyleId(dimStyleName, styleId);
    if (es != Acad::eOk)
        return es;
    return createDim2LineAng(xLine1Start, xLine1End, xLine2Start, xLine2End, arcPoint, dimText, styleId, newId);
}
