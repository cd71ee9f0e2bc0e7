// Layers made, made current, locked and listed; empty block definitions; wipeouts built from a
// polygon; lineweight values and shape-font file names.
#include "MavUtils.h"

#include "MavHelpers.h"
#include "MavSymbolTables.h"

#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbRasterImage.h"
#include "AcDbServices.h"
#include "AcGeMatrix3d.h"
#include "MavCounter.h"
#include "aced.h"

#include <algorithm>
#include <cwctype>
#include <new>
#include <string>

namespace {

constexpr int kLineWeights[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100,
    106, 120, 140, 158, 200, 211};

double smallest(const AcArray<double>& values)
{
    if (values.isEmpty())
        return 0.0;
    double low = values[0];
    for (int i = 1; i < values.length(); ++i)
        low = std::min(low, values[i]);
    return low;
}

} // namespace

// The class is looked up by name, as a module finds a class of the host that it does not link.
AcDbRasterImage* NewWipeout()
{
    AcRxClassDictionary* pClasses = acrxClassDictionary;
    AcRxClass* pClass = pClasses != nullptr ? pClasses->at(L"AcDbWipeout") : nullptr;
    if (pClass == nullptr)
        return nullptr;
    AcRxObject* pObj = pClass->create();
    AcDbRasterImage* pImage = AcDbRasterImage::cast(pObj);
    if (pImage == nullptr)
        delete pObj;
    return pImage;
}

Acad::ErrorStatus MavUtils::createLayer(const wchar_t* name, AcDbObjectId& id)
{
    return findOrAddSymbol<AcDbLayerTable, AcDbLayerTableRecord>(name, id);
}

AcDbObjectId MavUtils::createNewLayer(CString name)
{
    AcDbDatabase* pDb = WorkingDatabase();
    AcDbLayerTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getLayerTable(pTable, AcDb::kForWrite) != Acad::eOk)
        return AcDbObjectId::kNull;
    AcDbObjectId id;
    AcDbLayerTableRecord* pLayer = nullptr;
    if (pTable->has(name)) {
        if (pTable->getAt(name, pLayer, AcDb::kForWrite, false) == Acad::eOk) {
            pLayer->setIsFrozen(false);
            id = pLayer->objectId();
            pLayer->close();
        }
    } else {
        pLayer = new AcDbLayerTableRecord();
        if (pLayer->setName(name) == Acad::eOk && pTable->add(id, pLayer) == Acad::eOk) {
            pLayer->close();
        } else {
            delete pLayer;
            id.setNull();
        }
    }
    pTable->close();
    if (!id.isNull())
        pDb->setClayer(id);
    return id;
}

void MavUtils::lockLayer(const wchar_t* name, int lock)
{
    AcDbDatabase* pDb = WorkingDatabase();
    AcDbLayerTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getLayerTable(pTable, AcDb::kForRead) != Acad::eOk)
        return;
    AcDbLayerTableRecord* pLayer = nullptr;
    if (pTable->getAt(name, pLayer, AcDb::kForWrite, false) == Acad::eOk) {
        pLayer->setIsLocked(lock == 1);
        pLayer->close();
    }
    pTable->close();
}

Acad::ErrorStatus MavUtils::setLinetypeToLayer(const wchar_t* layerName, const AcDbObjectId& linetypeId)
{
    AcDbSymbolTable* pTable = openSymbolTable(AcDbLayerTableRecord::desc(), AcDb::kForWrite, WorkingDatabase());
    if (pTable == nullptr)
        return Acad::eInvalidInput;
    AcDbSymbolTableRecord* pRecord = nullptr;
    const Acad::ErrorStatus es = pTable->getAt(layerName, pRecord, AcDb::kForWrite, false);
    pTable->close();
    // A layer that is not there has no record to change.
    if (es != Acad::eOk)
        return es;
    AcDbLayerTableRecord::cast(pRecord)->setLinetypeObjectId(linetypeId);
    pRecord->close();
    return Acad::eOk;
}

AcDbObjectId MavUtils::selectLayerById(const AcDbObjectId& layerId)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return AcDbObjectId::kNull;
    const AcDbObjectId previous = pDb->clayer();
    const Acad::ErrorStatus es = pDb->setClayer(layerId);
    if (es != Acad::eOk) {
        acutPrintf(L"set layer id error:%s!\n", acadErrorStatusText(es));
        return AcDbObjectId::kNull;
    }
    return previous;
}

Acad::ErrorStatus MavUtils::collectLayerNames(CStringArray& names)
{
    AcDbDatabase* pDb = WorkingDatabase();
    if (pDb == nullptr)
        return Acad::eNoDatabase;
    return collectSymbolNames<AcDbLayerTable>(pDb, names);
}

Acad::ErrorStatus MavUtils::createBlockRecord(const wchar_t* name)
{
    // 1-2. The working database's block table, for read.
    AcDbBlockTable* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    // 3. A block of that name is there already.
    if (pTable->has(name)) {
        pTable->close();
        return Acad::eDuplicateKey;
    }
    // 4. The new record, named, at the origin.
    auto* pBlock = new (std::nothrow) AcDbBlockTableRecord();
    if (pBlock == nullptr) {
        pTable->close();
        return Acad::eOutOfMemory;
    }
    es = pBlock->setName(name);
    if (es == Acad::eOk)
        es = pBlock->setOrigin(AcGePoint3d(0.0, 0.0, 0.0));
    // 5. The table, for write.
    if (es == Acad::eOk)
        es = pTable->upgradeOpen();
    // 6. The record joins the table.
    if (es == Acad::eOk)
        es = pTable->add(pBlock);
    if (es == Acad::eOk)
        pBlock->close();
    else
        delete pBlock;
    pTable->close();
    return es;
}

Acad::ErrorStatus MavUtils::createAcDbRasterImage(AcDbObjectId& id, const AcArray<AcGePoint3d>& polygon)
{
    // 1-2. An instance of the host's wipeout class; without the class, nothing is made.
    AcDbRasterImage* pWipeout = NewWipeout();
    if (pWipeout == nullptr)
        return Acad::eOk;
    // 3. The polygon's range in x and y.
    AcArray<double> xs;
    AcArray<double> ys;
    for (const AcGePoint3d& point : polygon) {
        xs.append(point.x);
        ys.append(point.y);
    }
    const double minX = smallest(xs);
    const double minY = smallest(ys);
    const double maxX = MavCounter::maxValueInAcArray(xs);
    const double maxY = MavCounter::maxValueInAcArray(ys);
    // 4. The image over that range.
    pWipeout->setOrientation(
        AcGePoint3d(minX, minY, 0.0), AcGeVector3d(maxX - minX, 0.0, 0.0), AcGeVector3d(0.0, maxY - minY, 0.0));
    // 5. Clipped to the whole image first.
    AcGeVector2d size(0.0, 0.0);
    pWipeout->setClipBoundaryToWholeImage(size);
    // 6. Then to the polygon, in pixel coordinates.
    AcGeMatrix3d pixelToModel;
    pWipeout->getPixelToModelTransform(pixelToModel);
    const AcGeMatrix3d modelToPixel = pixelToModel.inverse();
    AcArray<AcGePoint3d> pixels;
    for (const AcGePoint3d& point : polygon)
        pixels.append(AcGePoint3d(point).transformBy(modelToPixel));
    const Acad::ErrorStatus es = pWipeout->setClipBoundary(AcDbRasterImage::kPoly, fromAcGePoint3dArray(pixels));
    if (es != Acad::eOk) {
        delete pWipeout;
        return es;
    }
    // 7. A mask without frame picture: transparent, not shown as an image.
    pWipeout->setDisplayOpt(AcDbRasterImage::kTransparent, true);
    pWipeout->setDisplayOpt(AcDbRasterImage::kShow, false);
    // 8. Into the current space.
    return addToCurrentSpaceAndClose(pWipeout, id);
}

void MavUtils::getLineWidthByIndex(int value, AcDb::LineWeight& lineWeight)
{
    if (std::find(std::begin(kLineWeights), std::end(kLineWeights), value) != std::end(kLineWeights))
        lineWeight = static_cast<AcDb::LineWeight>(value);
}

int MavUtils::isSHXFile(const wchar_t* fileName)
{
    const std::wstring name = fileName != nullptr ? fileName : L"";
    if (name.find(L'.') == std::wstring::npos)
        return 1;
    if (name.size() < 4)
        return 0;
    std::wstring tail = name.substr(name.size() - 4);
    std::transform(
        tail.begin(), tail.end(), tail.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return tail == L".shx" ? 1 : 0;
}
