// Groups of entities and the linetype scale of one entity.
#include "CTov_DrawEntity.h"

#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbEntity.h"
#include "AcDbGroup.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbServices.h"

#include <cstdlib>
#include <ctime>

void SetEntityScale(AcDbObjectId id, double scale)
{
    AcDbEntity* pEntity = nullptr;
    if (acdbOpenAcDbEntity(pEntity, id, AcDb::kForWrite) != Acad::eOk)
        return;
    pEntity->setLinetypeScale(scale, true);
    pEntity->close();
}

int MakeGroup(const CString& name, const AcDbObjectIdArray& ids, int enable)
{
    if (enable == 0)
        return 0;
    CString groupName = name;
    if (groupName.IsEmpty())
        groupName.Format(L"CAPGROUP_%ld_%d", static_cast<long>(std::time(nullptr)), std::rand());

    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    AcDbDictionary* pDict = nullptr;
    if (pDb == nullptr || pDb->getGroupDictionary(pDict, AcDb::kForWrite) != Acad::eOk)
        return 0;
    AcDbGroup* pGroup = nullptr;
    if (pDict->has(groupName)) {
        AcDbObject* pObject = nullptr;
        if (pDict->getAt(groupName, pObject, AcDb::kForWrite) != Acad::eOk) {
            pDict->close();
            return 0;
        }
        pGroup = AcDbGroup::cast(pObject);
        if (pGroup == nullptr) {
            pObject->close();
            pDict->close();
            return 0;
        }
    } else {
        pGroup = new AcDbGroup(L"", true);
        AcDbObjectId groupId;
        if (pDict->setAt(groupName, pGroup, groupId) != Acad::eOk) {
            delete pGroup;
            pDict->close();
            return 0;
        }
    }
    pGroup->append(ids);
    pGroup->close();
    pDict->close();
    return 1;
}
