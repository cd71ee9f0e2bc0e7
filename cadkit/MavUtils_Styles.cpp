// Symbol tables of the working database: layers, linetypes, text and dimension styles looked
// up, made current, created and listed; symbol names checked and set; blocks from drawings.
#include "MavUtils.h"

#include "MavHelpers.h"
#include "MavSymbolTables.h"

#include "AcCmColor.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLinetypeTable.h"
#include "AcDbServices.h"
#include "AcDbTextStyleTable.h"
#include "aced.h"

namespace {

// The platform's failure report has no stand-in on this host: the text goes to the command
// line, where the host's own report would appear.
void reportFailure(const wchar_t* text) { acutPrintf(L"%s", text); }

// Statuses of a linetype load that are worth a report: the rest only reach the caller.
bool isReportedLoadFailure(Acad::ErrorStatus es)
{
    const int code = static_cast<int>(es);
    return code == 15 || code == 73 || code == 162 || code == 203;
}

void setLayerStates(AcDbLayerTableRecord* pLayer, int color, bool frozen, bool off, bool vpdflt, bool locked)
{
    AcCmColor colour;
    colour.setColorIndex(static_cast<Adesk::UInt16>(color));
    pLayer->setColor(colour);
    pLayer->setIsFrozen(frozen);
    pLayer->setIsOff(off);
    pLayer->setVPDFLT(vpdflt);
    pLayer->setIsLocked(locked);
}

bool namesLinetype(const wchar_t* linetype) { return linetype != nullptr && linetype[0] != 0; }

void setStyleFont(AcDbTextStyleTableRecord* pStyle, int fontKind, double textHeight, double widthFactor,
    const CString& font, const CString& bigFont)
{
    if (fontKind == 1 && font != L"NULL") {
        pStyle->setFont(font, false, false, 134, 2);
    } else if (fontKind == 2 && font != L"NULL" && bigFont != L"NULL") {
        pStyle->setFileName(font);
        pStyle->setBigFontFileName(bigFont);
    }
    pStyle->setXScale(widthFactor);
    pStyle->setTextSize(textHeight);
}

} // namespace

Acad::ErrorStatus MavUtils::getLayerId(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return lookUpSymbol<AcDbLayerTable>(pDb, name, id);
}

Acad::ErrorStatus MavUtils::getLinetypeId(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return lookUpSymbol<AcDbLinetypeTable>(pDb, name, id);
}

Acad::ErrorStatus MavUtils::getTextStyleId(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return lookUpSymbol<AcDbTextStyleTable>(pDb, name, id);
}

Acad::ErrorStatus MavUtils::getTextStyleId(
    const wchar_t* name, AcDbObjectId& id, double& textSize, double& widthFactor, double& obliquingAngle)
{
    id.setNull();
    AcDbTextStyleTable* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    AcDbTextStyleTableRecord* pStyle = nullptr;
    es = pTable->getAt(name, pStyle, AcDb::kForRead, false);
    if (es == Acad::eOk) {
        id = pStyle->objectId();
        textSize = pStyle->textSize();
        widthFactor = pStyle->xScale();
        obliquingAngle = pStyle->obliquingAngle();
        pStyle->close();
    }
    pTable->close();
    return es;
}

Acad::ErrorStatus MavUtils::getLinetypeIdEx(const wchar_t* name, AcDbObjectId& id)
{
    id.setNull();
    if (getLinetypeId(name, id) == Acad::eOk)
        return Acad::eOk;
    const Acad::ErrorStatus es = loadLineTypeFromSystemFile(name, id);
    if (es != Acad::eOk)
        return es;
    return getLinetypeId(name, id);
}

Acad::ErrorStatus MavUtils::getTextStyleName(const AcDbObjectId& id, CString& name)
{
    if (id.isNull())
        return Acad::eNullObjectId;
    AcDbObject* pObj = nullptr;
    const Acad::ErrorStatus es = acdbOpenAcDbObject(pObj, id, AcDb::kForRead);
    if (es != Acad::eOk) {
        BDTAlert(L"Get text style name");
        return es;
    }
    auto* pStyle = AcDbTextStyleTableRecord::cast(pObj);
    if (pStyle == nullptr) {
        pObj->close();
        return Acad::eWrongObjectType;
    }
    name = pStyle->name();
    pStyle->close();
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::selectLayer(const wchar_t* name)
{
    AcDbObjectId layerId;
    Acad::ErrorStatus es = getLayerId(name, layerId);
    if (es != Acad::eOk) {
        acutPrintf(L"\n图层%s不存在!", name);
        return es;
    }
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    es = pDb->setClayer(layerId);
    if (es != Acad::eOk) {
        acutPrintf(L"\n无法选取该图层%s!", name);
        return es;
    }
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::selectLinetype(const wchar_t* name)
{
    AcDbObjectId linetypeId;
    Acad::ErrorStatus es = getLinetypeId(name, linetypeId);
    if (es != Acad::eOk) {
        acutPrintf(L"\nThe linetype name %s does not exsits!", name);
        return es;
    }
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    es = pDb->setCeltype(linetypeId);
    if (es != Acad::eOk) {
        acutPrintf(L"\nThe linetype name%s can not be slected!", name);
        return es;
    }
    return Acad::eOk;
}

AcDbObjectId MavUtils::selectLayerByName(const wchar_t* name)
{
    AcDbObjectId layerId;
    if (getLayerId(name, layerId) != Acad::eOk)
        return AcDbObjectId::kNull;
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return AcDbObjectId::kNull;
    const AcDbObjectId previous = pDb->clayer();
    const Acad::ErrorStatus es = pDb->setClayer(layerId);
    if (es != Acad::eOk) {
        acutPrintf(L"set %s layer error:%s!\n", name, acadErrorStatusText(es));
        return AcDbObjectId::kNull;
    }
    return previous;
}

Acad::ErrorStatus MavUtils::selectColor(unsigned short colorIndex, int&)
{
    AcCmColor colour;
    Acad::ErrorStatus es = colour.setColorIndex(colorIndex);
    if (es != Acad::eOk) {
        reportFailure(L"set color fail!\n");
        return es;
    }
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    es = pDb->setCecolor(colour);
    if (es != Acad::eOk)
        acutPrintf(L"\nThe color%d can not be slected!", static_cast<int>(colorIndex));
    acutPrintf(L"current color value:%d\n", static_cast<int>(pDb->cecolor().colorIndex()));
    return es;
}

Acad::ErrorStatus MavUtils::createLayerEx(const wchar_t* name, const wchar_t* linetype, AcDbObjectId& id, int color,
    bool frozen, bool off, bool frozenInNewViewports, bool locked, int update)
{
    AcDbDatabase* pDb = WorkingDatabase();
    // An existing layer is changed only when asked to.
    if (symbolExists(AcDbLayerTableRecord::desc(), name, pDb, id)) {
        if (update == 0)
            return Acad::eOk;
        AcDbLayerTable* pTable = nullptr;
        Acad::ErrorStatus es = pDb->getLayerTable(pTable, AcDb::kForWrite);
        if (es != Acad::eOk) {
            errorReport(es);
            return es;
        }
        AcDbLayerTableRecord* pLayer = nullptr;
        es = pTable->getAt(name, pLayer, AcDb::kForWrite, false);
        if (es != Acad::eOk) {
            errorReport(es);
            pTable->close();
            return es;
        }
        setLayerStates(pLayer, color, frozen, off, frozenInNewViewports, locked);
        if (namesLinetype(linetype)) {
            AcDbObjectId linetypeId;
            es = getLinetypeIdEx(linetype, linetypeId);
            if (es != Acad::eOk) {
                errorReport(es);
                pLayer->close();
                pTable->close();
                return es;
            }
            pLayer->setLinetypeObjectId(linetypeId);
        }
        pLayer->close();
        pTable->close();
        return Acad::eOk;
    }
    // A new layer.
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    auto* pLayer = new AcDbLayerTableRecord();
    if (setSymbolName(pLayer, name) != Acad::eOk) {
        delete pLayer;
        return Acad::eInvalidInput;
    }
    setLayerStates(pLayer, color, frozen, off, frozenInNewViewports, locked);
    if (namesLinetype(linetype)) {
        AcDbObjectId linetypeId;
        const Acad::ErrorStatus es = getLinetypeIdEx(linetype, linetypeId);
        if (es != Acad::eOk) {
            errorReport(es);
            delete pLayer;
            return es;
        }
        pLayer->setLinetypeObjectId(linetypeId);
    }
    if (addToSymbolTableAndClose(pLayer, id) == 0)
        return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::createLinetype(const wchar_t* name, AcDbObjectId& id)
{
    return findOrAddSymbol<AcDbLinetypeTable, AcDbLinetypeTableRecord>(name, id);
}

Acad::ErrorStatus MavUtils::loadLineTypeFromSystemFile(const wchar_t* name, AcDbObjectId&)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    const Acad::ErrorStatus es = pDb->loadLineTypeFile(name, L"ACADISO.LIN");
    if (isReportedLoadFailure(es))
        errorReport(es);
    return es;
}

AcDbObjectId MavUtils::createNewTextStyleEx(const CString& name, int fontKind, double textHeight, double widthFactor,
    const CString& font, const CString& bigFont, int update)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return AcDbObjectId::kNull;
    AcDbTextStyleTable* pTable = nullptr;
    if (pDb->getTextStyleTable(pTable, AcDb::kForWrite) != Acad::eOk)
        return AcDbObjectId::kNull;
    AcDbObjectId styleId;
    if (pTable->has(name)) {
        AcDbTextStyleTableRecord* pStyle = nullptr;
        if (update != 0 && pTable->getAt(name, pStyle, AcDb::kForWrite, false) == Acad::eOk) {
            setStyleFont(pStyle, fontKind, textHeight, widthFactor, font, bigFont);
            pStyle->close();
        }
    } else {
        auto* pStyle = new AcDbTextStyleTableRecord();
        Acad::ErrorStatus es = pStyle->setName(name);
        setStyleFont(pStyle, fontKind, textHeight, widthFactor, font, bigFont);
        if (es == Acad::eOk)
            es = pTable->add(styleId, pStyle);
        if (es == Acad::eOk) {
            pStyle->close();
        } else {
            delete pStyle;
            styleId.setNull();
        }
    }
    pTable->close();
    return styleId;
}

Acad::ErrorStatus MavUtils::createNamedBlockByDWGFile(CString path, CString blockName)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    // A block of that name already there: nothing to do.
    AcDbBlockTable* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getBlockTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    if (pTable->has(blockName)) {
        acutPrintf(L"\n图块%s已存在，无需创建！", blockName);
        pTable->close();
        return Acad::eInvalidInput;
    }
    // Read the drawing file into a database of its own.
    constexpr int kDenyWrite = 0x20;
    AcDbDatabase source(false, true);
    es = source.readDwgFile(path, kDenyWrite, false, nullptr);
    if (es != Acad::eOk) {
        acutPrintf(L"\n图块%s创建失败！", blockName);
        pTable->close();
        return es;
    }
    // An empty block of that name at the origin.
    auto* pBlock = new AcDbBlockTableRecord();
    es = pBlock->setName(blockName);
    if (es == Acad::eOk)
        es = pBlock->setOrigin(AcGePoint3d(0.0, 0.0, 0.0));
    if (es == Acad::eOk)
        es = pTable->upgradeOpen();
    if (es == Acad::eOk)
        es = pTable->add(pBlock);
    if (es != Acad::eOk) {
        acutPrintf(L"\n图块%s创建失败！", blockName);
        delete pBlock;
        pTable->close();
        return es;
    }
    pBlock->close();
    pTable->close();
    // Fill it with the drawing.
    AcDbObjectId blockId;
    es = pDb->insert(blockId, blockName, &source, true);
    if (es != Acad::eOk)
        BDTAlert(L"insert");
    return es;
}

Acad::ErrorStatus MavUtils::setLayerHide(const wchar_t* name, int hide)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eOk;
    AcDbLayerTable* pTable = nullptr;
    Acad::ErrorStatus es = pDb->getLayerTable(pTable, AcDb::kForRead);
    if (es != Acad::eOk)
        return es;
    AcDbLayerTableRecord* pLayer = nullptr;
    es = pTable->getAt(name, pLayer, AcDb::kForWrite, false);
    pTable->close();
    if (es == Acad::eOk) {
        pLayer->setIsOff(hide != 0);
        pLayer->close();
    }
    return es;
}

void MavUtils::layer_edit(const wchar_t* first, const wchar_t* second)
{
    if (acedCommand(RTSTR, L"LAYER", RTSTR, first, RTSTR, second, RTSTR, L"", RTNONE) != RTNORM)
        reportFailure(L"\n Layer edit opration error.");
}

Acad::ErrorStatus MavUtils::getNewSymbolName(const wchar_t* candidate, AcRxClass* recordClass, CString& name)
{
    if (acdbSNValid(candidate, false) != RTNORM) {
        acutPrintf(L"\n\"%s\" is not a valid symbol name.", candidate);
        return Acad::eInvalidInput;
    }
    if (symbolExists(recordClass, candidate, WorkingDatabase())) {
        acutPrintf(L"\nSymbol \"%s\" already exists.", candidate);
        return Acad::eOk;
    }
    name = candidate;
    return Acad::eOk;
}

int MavUtils::setSymbolName(AcDbSymbolTableRecord* pRecord, const wchar_t* name)
{
    const Acad::ErrorStatus es = pRecord->setName(name);
    if (es != Acad::eOk) {
        pRecord->close();
        CString tag;
        tag.Format(L"Invalid Symbol Name: \"%s\"", name);
        BDTAlert(tag);
    }
    return static_cast<int>(es);
}

Acad::ErrorStatus MavUtils::collectLineTypeNames(CStringArray& names)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return collectSymbolNames<AcDbLinetypeTable>(pDb, names);
}

Acad::ErrorStatus MavUtils::collectTextStyleNames(CStringArray& names)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return collectSymbolNames<AcDbTextStyleTable>(pDb, names);
}

Acad::ErrorStatus MavUtils::collectLineWeightNames(CStringArray& names)
{
    static const wchar_t* const kNames[] = {L"ByLayer", L"ByBlock", L"Default", L"0.05", L"0.09", L"0.13", L"0.15",
        L"0.18", L"0.20", L"0.25", L"0.30", L"0.35", L"0.40", L"0.50", L"0.53", L"0.60", L"0.70", L"0.80", L"0.90",
        L"1.00", L"1.06", L"1.20", L"1.40", L"1.58", L"2.00", L"2.11"};
    for (const wchar_t* name : kNames)
        names.Add(name);
    return Acad::eOk;
}

bool MavUtils::symbolExists(AcRxClass* recordClass, const wchar_t* name, AcDbDatabase* pDb)
{
    AcDbSymbolTable* pTable = openSymbolTable(recordClass, AcDb::kForRead, pDb);
    if (pTable == nullptr)
        return false;
    const bool found = pTable->has(name);
    pTable->close();
    return found;
}

bool MavUtils::symbolExists(AcRxClass* recordClass, const wchar_t* name, AcDbDatabase* pDb, AcDbObjectId& id)
{
    AcDbSymbolTable* pTable = openSymbolTable(recordClass, AcDb::kForRead, pDb);
    if (pTable == nullptr)
        return false;
    bool found = pTable->has(name);
    if (found)
        found = pTable->getAt(name, id, false) == Acad::eOk;
    pTable->close();
    return found;
}
