// Extended data under the library's registered application, and the conversions between
// object ids, entity names and handle strings.
#include "MavUtils.h"

#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "aced.h"

#include <cmath>

namespace {

const wchar_t* const kMavRegAppName = L"Mav_ROAD";
// Every extended-data member reads the application name through this pointer when it runs.
const wchar_t* const* gRegAppName = &kMavRegAppName;

constexpr short kXdReal = 1040;

bool isRealCode(short code) { return code >= 1040 && code <= 1059; }
bool isPointCode(short code) { return code >= 1010 && code <= 1039; }

// Hands every item of the application's data to take, in order, so the last matching item wins.
template <class Take>
Acad::ErrorStatus scanXData(AcDbEntity* pEnt, Take take)
{
    if (pEnt == nullptr)
        return Acad::eInvalidInput;
    resbuf* pChain = pEnt->xData(*gRegAppName);
    if (pChain == nullptr)
        return Acad::eInvalidInput;
    for (const resbuf* rb = pChain; rb != nullptr; rb = rb->rbnext)
        take(rb);
    acutRelRb(pChain);
    return Acad::eOk;
}

template <class Value>
Acad::ErrorStatus getXDataOf(AcDbObjectId id, Value& value)
{
    AcDbEntity* pEnt = nullptr;
    Acad::ErrorStatus es = MavUtils::openEntWithID(id, AcDb::kForRead, pEnt);
    if (es != Acad::eOk) {
        MavUtils::BDTAlert(L"getXData");
        return es;
    }
    es = MavUtils::getXData(pEnt, value);
    pEnt->close();
    return es;
}

} // namespace

void MavUtils::setXData(AcDbObjectId, CString, AcGePoint3d) { }

Acad::ErrorStatus MavUtils::getXData(AcDbObjectId id, double& value) { return getXDataOf(id, value); }

Acad::ErrorStatus MavUtils::objIdToHandleStr(const AcDbObjectId& id, CString& text)
{
    AcDbObject* pObj = nullptr;
    const Acad::ErrorStatus es = acdbOpenAcDbObject(pObj, id, AcDb::kForRead);
    if (es != Acad::eOk) {
        text = L"";
        return es;
    }
    objToHandleStr(pObj, text);
    pObj->close();
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::enameToObjId(ads_name ename, AcDbObjectId& id) { return acdbGetObjectId(id, ename); }

// Each call leaves the application's data as exactly this text and number: the data names
// one state of the entity, so an earlier call's items are replaced, not piled up behind it.
void MavUtils::setXData(AcDbEntity* pEnt, CString text, double value)
{
    if (pEnt == nullptr)
        return;
    const wchar_t* appName = *gRegAppName;
    acdbRegApp(appName);
    resbuf* pChain = std::isnan(value)
        ? acutBuildList(AcDb::kDxfRegAppName, appName, AcDb::kDxfXdAsciiString, text.GetString(), RTNONE)
        : acutBuildList(
            AcDb::kDxfRegAppName, appName, AcDb::kDxfXdAsciiString, text.GetString(), kXdReal, value, RTNONE);
    if (pChain == nullptr)
        return;
    pEnt->upgradeOpen();
    pEnt->setXData(pChain);
    acutRelRb(pChain);
}

void MavUtils::setXData(AcDbObjectId id, CString text, double value)
{
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForWrite, pEnt) != Acad::eOk) {
        BDTAlert(L"setXData");
        return;
    }
    setXData(pEnt, text, value);
    pEnt->close();
}

void MavUtils::setXData(AcDbEntity*, CString, AcGePoint3d) { }

Acad::ErrorStatus MavUtils::getXData(AcDbEntity* pEnt, double& value)
{
    return scanXData(pEnt, [&value](const resbuf* rb) {
        if (isRealCode(rb->restype))
            value = rb->resval.rreal;
    });
}

Acad::ErrorStatus MavUtils::getXData(AcDbEntity* pEnt, AcGePoint3d& point)
{
    return scanXData(pEnt, [&point](const resbuf* rb) {
        if (isPointCode(rb->restype))
            point.set(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
    });
}

Acad::ErrorStatus MavUtils::getXData(AcDbObjectId id, AcGePoint3d& point) { return getXDataOf(id, point); }

Acad::ErrorStatus MavUtils::objIdToEname(const AcDbObjectId& id, ads_name& ename)
{
    if (id.isNull())
        return Acad::eInvalidInput;
    return acdbGetAdsName(ename, id);
}

Acad::ErrorStatus MavUtils::enameToObjIds(ads_name selection, AcArray<AcDbObjectId>& ids)
{
    long length = 0;
    if (acedSSLength(selection, &length) != RTNORM)
        return Acad::eInvalidInput;
    Acad::ErrorStatus es = Acad::eOk;
    for (long i = 0; i < length; ++i) {
        ads_name ename = {0, 0};
        acedSSName(selection, i, ename);
        AcDbObjectId id;
        es = enameToObjId(ename, id);
        if (es == Acad::eOk)
            ids.append(id);
    }
    return es;
}

Acad::ErrorStatus MavUtils::objToHandleStr(const AcDbObject* pObj, CString& text)
{
    if (pObj == nullptr)
        return Acad::eInvalidInput;
    wchar_t buffer[17] = {0};
    pObj->handle().getIntoAsciiBuffer(buffer, 17);
    text = buffer;
    return Acad::eOk;
}

Acad::ErrorStatus MavUtils::handleStrToObjId(AcDbDatabase* pDb, const wchar_t* handle, AcDbObjectId& id, bool speak)
{
    AcDbObjectId found;
    if (pDb == nullptr || handle == nullptr || pDb->getAcDbObjectId(found, false, AcDbHandle(handle)) != Acad::eOk) {
        if (speak)
            acutPrintf(L"\nERROR: Could not translate handle to objectId");
        return Acad::eInvalidInput;
    }
    id = found;
    return Acad::eOk;
}

int MavUtils::checkIdArray(AcArray<AcDbObjectId>& ids)
{
    for (int i = 0; i < ids.length(); ++i) {
        for (int j = i + 1; j < ids.length();) {
            if (ids[j] == ids[i])
                ids.removeAt(j);
            else
                ++j;
        }
    }
    return 1;
}

// The result tells the caller whether the entity was exploded: the status of the name
// conversion when that failed, 0 when the command completed, 3 when it did not.
Acad::ErrorStatus MavUtils::explodeMavCurve(const AcDbObjectId& id)
{
    ads_name ename = {0, 0};
    const Acad::ErrorStatus es = objIdToEname(id, ename);
    if (es != Acad::eOk)
        return es;
    if (acedCommand(RTSTR, L"explode", RTENAME, static_cast<const long*>(ename), 0) != RTNORM)
        return Acad::eInvalidInput;
    return Acad::eOk;
}
