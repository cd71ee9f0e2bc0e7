// Dimension styles looked up, copied and listed; two edits of existing dimensions; insignificant
// zeros stripped from number texts.
#include "MavUtils.h"

#include "MavHelpers.h"
#include "MavSymbolTables.h"

#include "AcDbAlignedDimension.h"
#include "AcDbDatabase.h"
#include "AcDbDimStyleTable.h"
#include "AcDbDimension.h"
#include "AcDbHostApplicationServices.h"

namespace {

// The variables a copied style takes from its source, in the order they are copied; its text
// style and text gap stay the new record's defaults.
void copyDimStyleVariables(AcDbDimStyleTableRecord* pTarget, const AcDbDimStyleTableRecord* pSource)
{
    pTarget->setDimdec(pSource->dimdec());
    pTarget->setDimadec(pSource->dimadec());
    pTarget->setDimasz(pSource->dimasz());
    pTarget->setDimtxt(pSource->dimtxt());
    pTarget->setDimblk(pSource->dimblk());
    pTarget->setDimlfac(pSource->dimlfac());
    pTarget->setDimexe(pSource->dimexe());
    pTarget->setDimexo(pSource->dimexo());
    pTarget->setDimaltd(pSource->dimaltd());
    pTarget->setDimtad(pSource->dimtad());
    pTarget->setDimdsep(pSource->dimdsep());
    pTarget->setDimtih(pSource->dimtih());
    pTarget->setDimtoh(pSource->dimtoh());
    pTarget->setDimtix(pSource->dimtix());
    pTarget->setDimtofl(pSource->dimtofl());
    pTarget->setDimsoxd(pSource->dimsoxd());
    pTarget->setDimtolj(pSource->dimtolj());
    pTarget->setDimzin(pSource->dimzin());
}

// Extension lines by mode: -1 hides the first, 1 the second, 2 both; any other shows both as they were.
void suppressExtensionLines(AcDbDimension* pDim, int mode)
{
    if (mode == -1 || mode == 2)
        pDim->setDimse1(true);
    if (mode == 1 || mode == 2)
        pDim->setDimse2(true);
}

} // namespace

Acad::ErrorStatus MavUtils::getDimStyleId(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return lookUpSymbol<AcDbDimStyleTable>(pDb, name, id);
}

Acad::ErrorStatus MavUtils::getDimStyleTableRecord(const wchar_t* name, AcDbDimStyleTableRecord*& pRecord)
{
    AcDbDimStyleTable* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    es = pTable->getAt(name, pRecord, AcDb::kForRead, false);
    pTable->close();
    return es;
}

Acad::ErrorStatus MavUtils::createDimStyleHideSideLines(
    const wchar_t* name, const AcDbDimStyleTableRecord* pSource, AcDbObjectId& id)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    if (pSource == nullptr)
        return Acad::eNullObjectPointer;
    AcDbDimStyleTable* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getDimStyleTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    // A style of that name is kept as it is.
    if (pTable->getAt(name, id) == Acad::eOk) {
        pTable->close();
        return Acad::eOk;
    }
    return addDimStyle(
        pTable, name, id, [pSource](AcDbDimStyleTableRecord* pRecord) { copyDimStyleVariables(pRecord, pSource); });
}

Acad::ErrorStatus MavUtils::collectDimStyleNames(CStringArray& names)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return collectSymbolNames<AcDbDimStyleTable>(pDb, names);
}

Acad::ErrorStatus MavUtils::changeDimensionLineOblique(const AcDbObjectId& id, double oblique)
{
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = openEntWithID(id, AcDb::kForWrite, pEnt);
    if (es != Acad::eOk)
        return es;
    auto* pDim = AcDbAlignedDimension::cast(pEnt);
    if (pDim == nullptr) {
        pEnt->close();
        return Acad::eInvalidInput;
    }
    es = pDim->setOblique(oblique);
    pDim->close();
    return es;
}

Acad::ErrorStatus MavUtils::changeDimensionArrowAndExtLinesStatus(const AcDbObjectId& id, const wchar_t* firstArrow,
    const wchar_t* secondArrow, int extLineMode, int textMovement)
{
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = openEntWithID(id, AcDb::kForWrite, pEnt);
    if (es != Acad::eOk)
        return es;
    auto* pDim = AcDbDimension::cast(pEnt);
    if (pDim == nullptr) {
        pEnt->close();
        return Acad::eInvalidInput;
    }
    // Arrow blocks of each end, which only count with separate arrows on.
    if (firstArrow != nullptr) {
        pDim->setDimsah(true);
        pDim->setDimblk1(firstArrow);
    }
    if (secondArrow != nullptr) {
        pDim->setDimsah(true);
        pDim->setDimblk2(secondArrow);
    }
    // The text stays where it is while its movement rule changes.
    const AcGePoint3d textPosition = pDim->textPosition();
    pDim->setDimtmove(textMovement);
    pDim->setDimtix(false);
    pDim->setTextPosition(textPosition);
    suppressExtensionLines(pDim, extLineMode);
    pDim->close();
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::textZeroSuppression(CString& text, int leading)
{
    if (text.Find(L'.') < 0)
        return Acad::eOk;
    if (leading != 0) {
        text.TrimLeft();
        text.TrimLeft(L'0');
    } else {
        text.TrimRight();
        text.TrimRight(L'0');
        text.TrimRight(L'.');
    }
    return Acad::eOk;
}

CString MavUtils::textZeroSuppressionEx(const CString& text, int leading)
{
    CString copy = text;
    if (textZeroSuppression(copy, leading) != Acad::eOk)
        return CString();
    return copy;
}
