// Layers, linetypes, text and dimension styles made in the working database, and entities
// appended to its model space.
#include "CTov_DwgDataBase.h"

#include "AcCmColor.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "AcDbLinetypeTable.h"
#include "MavEntityLib.h"
#include "MavUtils.h"
#include "WinUser.h"
#include "aced.h"

namespace {

AcDbDatabase* workingDb() { return acdbHostApplicationServices()->workingDatabase(); }

} // namespace

CTov_DwgDataBase::CTov_DwgDataBase()
    : m_strCaption(L"预筋模块")
{
}

void CTov_DwgDataBase::ShowMessage(const CString& text) const
{
    MessageBox(adsw_acadMainWnd(), text, m_strCaption, MB_OK | MB_ICONINFORMATION);
}

int CTov_DwgDataBase::CreateLayer(
    const CString& name, AcDbObjectId linetypeId, AcDb::LineWeight lineWeight, int colorIndex, AcDbObjectId& layerId)
{
    // 1. The layer table, for write.
    AcDbDatabase* pDb = workingDb();
    AcDbLayerTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getLayerTable(pTable, AcDb::kForWrite) != Acad::eOk) {
        ShowMessage(L"打开数据库获取层表记录失败");
        return 0;
    }
    // 2. The existing layer opened, or a new one added.
    AcDbLayerTableRecord* pLayer = nullptr;
    bool added = true;
    if (pTable->has(name)) {
        if (pTable->getAt(name, pLayer, AcDb::kForWrite) != Acad::eOk) {
            pTable->close();
            ShowMessage(L"打开已经存在层失败");
            return 0;
        }
    } else {
        pLayer = new AcDbLayerTableRecord();
        added = pLayer->setName(name) == Acad::eOk && pTable->add(pLayer) == Acad::eOk;
    }
    // 3. Colour, linetype and lineweight. A record the table refused is the caller's to free;
    // the look-up below then reports the layer as not made.
    if (added) {
        AcCmColor color;
        color.setColorIndex(static_cast<Adesk::UInt16>(colorIndex));
        pLayer->setColor(color);
        pLayer->setLinetypeObjectId(linetypeId);
        pLayer->setLineWeight(lineWeight);
        pLayer->close();
    } else {
        delete pLayer;
    }
    // 4. The layer's id, looked up by name.
    const Acad::ErrorStatus es = pTable->getAt(name, layerId);
    pTable->close();
    if (es != Acad::eOk) {
        ShowMessage(L"创建层或打开层失败");
        return 0;
    }
    return 1;
}

int CTov_DwgDataBase::LoadLinetype(const CString& name, AcDbObjectId& linetypeId)
{
    // 1. The linetype table, for read.
    AcDbDatabase* pDb = workingDb();
    AcDbLinetypeTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getLinetypeTable(pTable, AcDb::kForRead) != Acad::eOk) {
        ShowMessage(L"打开数据库获取线型表记录失败");
        return 0;
    }
    // 2. A linetype not yet in the drawing is loaded from the host's linetype file; the message
    // names that file (not acadiso.lin, which is not the one read).
    if (!pTable->has(name)) {
        pTable->close();
        const Acad::ErrorStatus es = pDb->loadLineTypeFile(name, L"acad.lin");
        if (es != Acad::eOk) {
            CString text;
            text.Format(L"装入线型“%s”失败!\n可能是文件acad.lin中没有此种线型样式(%d)。", name.GetString(),
                static_cast<int>(es));
            ShowMessage(text);
            return 0;
        }
        if (pDb->getLinetypeTable(pTable, AcDb::kForRead) != Acad::eOk) {
            ShowMessage(L"打开数据库获取线型表记录失败");
            return 0;
        }
    }
    // 3. Its id by name.
    const Acad::ErrorStatus es = pTable->getAt(name, linetypeId);
    pTable->close();
    if (es != Acad::eOk) {
        ShowMessage(L"");
        return 0;
    }
    return 1;
}

int CTov_DwgDataBase::CreateTextStyle(const CString& name, double textHeight, double widthFactor, AcDbObjectId& styleId)
{
    styleId = MavUtils::createNewTextStyle(name, 2, textHeight, widthFactor, L"fsdb_e.shx", L"fsdb.shx");
    return styleId.isNull() ? 0 : 1;
}

int CTov_DwgDataBase::CreateDimStyle(const CString& name, double overall, AcDbObjectId& styleId)
{
    MavEntityLib factory;
    const Acad::ErrorStatus es =
        factory.createDimStyle(overall, name, styleId, 1, 1, 2.5, 1.0, 0.75, 0.75, 2.5, L"MavArrows", L"NULL", 0);
    return es == Acad::eOk ? 1 : 0;
}

int AppendToModelSpace(AcDbEntity* pEntity, AcDbObjectId& id)
{
    AcDbDatabase* pDb = workingDb();
    AcDbBlockTable* pTable = nullptr;
    if (pEntity == nullptr || pDb == nullptr || pDb->getBlockTable(pTable, AcDb::kForRead) != Acad::eOk)
        return 0;
    AcDbBlockTableRecord* pModel = nullptr;
    if (pTable->getAt(L"*Model_Space", pModel, AcDb::kForWrite) != Acad::eOk) {
        pTable->close();
        return 0;
    }
    // The table is closed before the append: an entity that makes records of its own when it
    // joins the database (a dimension's graphics block) needs the block table free.
    pTable->close();
    const Acad::ErrorStatus es = pModel->appendAcDbEntity(id, pEntity);
    pModel->close();
    return es == Acad::eOk ? 1 : 0;
}
