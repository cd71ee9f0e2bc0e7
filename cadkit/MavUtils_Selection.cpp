// Talking to the user through the host's editor: picks and selections turned into ids, entities
// found by layer, colour or curve condition, highlights, points, view, object snap, command
// echo around the library's commands, and diagnostics on the command line.
#include "MavUtils.h"

#include "MavSymbolTables.h"

#include "AcApDocManager.h"
#include "AcApDocument.h"
#include "AcDbBlockTable.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbBlockTableRecordIterator.h"
#include "AcDbCurve.h"
#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbPoint.h"
#include "AcDbServices.h"
#include "aced.h"

#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kOsnapSuppressed = 16384;
constexpr double kXDataMatch = 1e-10;

// The ids of a selection set's members appended to the list, in set order.
Acad::ErrorStatus appendSetMembers(const ads_name ss, AcArray<AcDbObjectId>& ids)
{
    long length = 0;
    acedSSLength(ss, &length);
    for (long i = 0; i < length; ++i) {
        ads_name ename = {0, 0};
        AcDbObjectId id;
        if (acedSSName(ss, i, ename) != RTNORM)
            return Acad::eInvalidInput;
        const Acad::ErrorStatus es = acdbGetObjectId(id, ename);
        if (es != Acad::eOk)
            return es;
        ids.append(id);
    }
    return Acad::eOk;
}

// The one entity of a single pick; the null id when the pick was cancelled or did not give
// exactly one entity.
AcDbObjectId pickedSingly()
{
    ads_name ss = {0, 0};
    if (acedSSGet(L":S", nullptr, nullptr, nullptr, ss) != RTNORM)
        return AcDbObjectId::kNull;
    AcArray<AcDbObjectId> ids;
    long length = 0;
    acedSSLength(ss, &length);
    const bool single = length == 1 && appendSetMembers(ss, ids) == Acad::eOk;
    acedSSFree(ss);
    return single ? ids[0] : AcDbObjectId::kNull;
}

// Walks the live entities of model space or paper space of the working database, each open for
// read while the visitor looks at it.
Acad::ErrorStatus scanSpace(bool modelSpace, const std::function<void(AcDbEntity*)>& visit)
{
    AcDbBlockTable* pTable = nullptr;
    Acad::ErrorStatus es = openWorkingTable(AcDb::kForRead, pTable);
    if (es != Acad::eOk)
        return es;
    AcDbBlockTableRecord* pSpace = nullptr;
    es = pTable->getAt(modelSpace ? L"*Model_Space" : L"*Paper_Space", pSpace, AcDb::kForRead, false);
    if (es != Acad::eOk) {
        pTable->close();
        return es;
    }
    AcDbBlockTableRecordIterator* pIt = nullptr;
    if (pSpace->newIterator(pIt, true, true) == Acad::eOk) {
        for (; !pIt->done(); pIt->step(true, true)) {
            AcDbEntity* pEnt = nullptr;
            if (pIt->getEntity(pEnt, AcDb::kForRead, false) != Acad::eOk)
                continue;
            visit(pEnt);
            pEnt->close();
        }
        delete pIt;
    }
    pSpace->close();
    pTable->close();
    return Acad::eOk;
}

bool onLayer(const AcDbEntity* pEnt, const CString& layerName)
{
    ACHAR* layer = pEnt->layer();
    const bool same = layer != nullptr && layerName.CompareNoCase(layer) == 0;
    std::free(layer);
    return same;
}

// The entity's "Mav_ROAD" point matches the condition's curve type, position and box number.
bool matchesCondition(AcDbEntity* pEnt, const MavCondition& condition)
{
    AcGePoint3d point;
    if (MavUtils::getXData(pEnt, point) != Acad::eOk)
        return false;
    return std::fabs(static_cast<double>(condition.type()) - point.x) < kXDataMatch
        && std::fabs(static_cast<double>(condition.position()) - point.y) < kXDataMatch
        && std::fabs(static_cast<double>(condition.boxName()) - point.z) < kXDataMatch;
}

AcDbObjectId pickedId(const wchar_t* prompt, ads_point picked, int& result)
{
    ads_name ename = {0, 0};
    AcDbObjectId id;
    result = acedEntSel(prompt, ename, picked);
    if (result == RTNORM && acdbGetObjectId(id, ename) != Acad::eOk) {
        MavUtils::BDTAlert(L"selectEntity");
        id.setNull();
    }
    return id;
}

int getVarShort(const wchar_t* name)
{
    resbuf value{};
    acedGetVar(name, &value);
    return value.resval.rint;
}

void setVarShort(const wchar_t* name, int value)
{
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(value);
    acedSetVar(name, &rb);
}

CString pointText(const wchar_t* format, const AcGePoint3d& point)
{
    CString text;
    text.Format(format, point.x, point.y, point.z);
    return text;
}

void zoomTo(const AcGePoint3d& lower, const AcGePoint3d& upper, const wchar_t* format, bool regenerate)
{
    resbuf* saved = nullptr;
    resbuf* zero = nullptr;
    MavUtils::echoStart(saved, zero);
    if (regenerate)
        acedCommand(RTSTR, L"REGEN", 0);
    const CString first = pointText(format, lower);
    const CString second = pointText(format, upper);
    acedCommand(RTSTR, L"ZOOM", RTSTR, L"W", RTSTR, static_cast<const wchar_t*>(first), RTSTR,
        static_cast<const wchar_t*>(second), 0);
    MavUtils::echoEnt(saved, zero);
}

// Highlighting is a display state, so the entity is only opened for read.
Acad::ErrorStatus showHighlight(const AcDbObjectId& id, bool on)
{
    if (!id.isValid())
        return Acad::eInvalidInput;
    AcDbEntity* pEnt = nullptr;
    const Acad::ErrorStatus es = acdbOpenAcDbEntity(pEnt, id, AcDb::kForRead, false);
    if (es != Acad::eOk)
        return es;
    if (on)
        pEnt->highlight();
    else
        pEnt->unhighlight();
    pEnt->close();
    return es;
}

} // namespace

Acad::ErrorStatus MavUtils::selectEntity(const wchar_t* prompt, AcArray<AcDbObjectId>& ids)
{
    if (prompt != nullptr)
        acutPrintf(L"\n%s", prompt);
    ads_name ss = {0, 0};
    // A cancelled or empty selection is no selection: the caller hears of it.
    if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) != RTNORM)
        return Acad::eInvalidInput;
    const Acad::ErrorStatus es = appendSetMembers(ss, ids);
    acedSSFree(ss);
    return es;
}

AcDbObjectId MavUtils::selectSingleEntity(char* prompt)
{
    if (prompt != nullptr)
        acutPrintf(L"\n%s", prompt);
    const AcDbObjectId id = pickedSingly();
    if (id.isNull())
        return id;
    highlight(id);
    pressEnterToContinue();
    unhighlight(id);
    return id;
}

void MavUtils::selectInWindow(const AcGePoint3d& corner1, const AcGePoint3d& corner2, ads_name ss)
{
    // The name the caller hands in is only where the new set goes: a set it still holds is its
    // own to free.
    ss[0] = 0;
    ss[1] = 0;
    ads_point a = {corner1.x, corner1.y, corner1.z};
    ads_point b = {corner2.x, corner2.y, corner2.z};
    acedSSGet(L"_W", a, b, nullptr, ss);
}

Acad::ErrorStatus MavUtils::selectEntityInLayerEx(
    MavCondition condition, AcDbObjectId& first, AcDbObjectId& second, bool modelSpace)
{
    const CString layerName = condition.layerName();
    int matches = 0;
    return scanSpace(modelSpace, [&](AcDbEntity* pEnt) {
        if (!onLayer(pEnt, layerName) || !matchesCondition(pEnt, condition))
            return;
        if (matches == 0)
            first = pEnt->objectId();
        else if (matches == 1)
            second = pEnt->objectId();
        ++matches;
    });
}

Acad::ErrorStatus MavUtils::highlight(const AcDbObjectId& id)
{
    return showHighlight(id, true);
}

void MavUtils::refreshDisplay()
{
    AcApDocument* pDoc = acDocManager->curDocument();
    if (pDoc != nullptr) {
        pDoc->transactionManager()->queueForGraphicsFlush();
        pDoc->transactionManager()->flushGraphics();
    }
    acedUpdateDisplay();
}

void MavUtils::echoStart(resbuf*& saved, resbuf*& zero)
{
    saved = acutNewRb(RTSHORT);
    zero = acutNewRb(RTSHORT);
    if (saved == nullptr || zero == nullptr)
        return;
    acedGetVar(L"CMDECHO", saved);
    zero->resval.rint = 0;
    acedSetVar(L"CMDECHO", zero);
}

bool MavUtils::selectEntity(const wchar_t* prompt, AcDbObjectId& id)
{
    ads_point picked = {0.0, 0.0, 0.0};
    int result = RTNORM;
    const AcDbObjectId found = pickedId(prompt != nullptr ? prompt : L"\nSelect an entity: ", picked, result);
    if (result != RTNORM) {
        acutPrintf(L"\nNothing selected.");
        return false;
    }
    if (found.isNull())
        return false;
    id = found;
    return true;
}

bool MavUtils::selectEntity(AcDbObjectId& id, AcGePoint3d& point, wchar_t* prompt)
{
    const wchar_t* text = prompt != nullptr ? prompt : L"\nSelect an entity: ";
    for (;;) {
        ads_point picked = {0.0, 0.0, 0.0};
        int result = RTNORM;
        const AcDbObjectId found = pickedId(text, picked, result);
        if (result == RTNORM) {
            if (found.isNull())
                return false;
            id = found;
            point.set(picked[0], picked[1], picked[2]);
            return true;
        }
        acutPrintf(L"\nNothing selected.");
        // A cancel is the user's break; any other miss asks again.
        if (result == RTCAN || acedUsrBrk() != 0)
            return false;
    }
}

AcDbEntity* MavUtils::selectEntity(AcDbObjectId& id, wchar_t* prompt, AcDb::OpenMode mode)
{
    ads_point picked = {0.0, 0.0, 0.0};
    int result = RTNORM;
    const AcDbObjectId found = pickedId(prompt != nullptr ? prompt : L"\nSelect an entity: ", picked, result);
    if (result != RTNORM) {
        acutPrintf(L"Nothing selected.\n");
        return nullptr;
    }
    AcDbEntity* pEnt = nullptr;
    if (found.isNull() || acdbOpenAcDbEntity(pEnt, found, mode, false) != Acad::eOk)
        return nullptr;
    id = found;
    return pEnt;
}

AcDbEntity* MavUtils::selectEntity(wchar_t* prompt, AcDb::OpenMode mode)
{
    AcDbObjectId id;
    return selectEntity(id, prompt, mode);
}

AcDbObjectId MavUtils::selectEntity(wchar_t* prompt)
{
    ads_point picked = {0.0, 0.0, 0.0};
    int result = RTNORM;
    const AcDbObjectId found = pickedId(prompt != nullptr ? prompt : L"\nSelect an entity: ", picked, result);
    if (result != RTNORM)
        acutPrintf(L"Nothing selected.\n");
    return found;
}

AcDbObjectId MavUtils::selectSingleEntity(const CString& prompt)
{
    acutPrintf(L"\n%s", prompt);
    return pickedSingly();
}

Acad::ErrorStatus MavUtils::selectEntityInLayer(CString layerName, AcArray<AcDbObjectId>& ids)
{
    resbuf* filter = acutBuildList(8, static_cast<const wchar_t*>(layerName), 0);
    ads_name ss = {0, 0};
    long length = 0;
    const bool selected = acedSSGet(L"X", nullptr, nullptr, filter, ss) == RTNORM;
    if (selected)
        acedSSLength(ss, &length);
    Acad::ErrorStatus es = Acad::eOk;
    if (length == 0) {
        BDTAlert(L"Nothing in the Layer! SelectEntityInLayer");
        es = Acad::eInvalidInput;
    } else {
        es = appendSetMembers(ss, ids);
    }
    if (selected)
        acedSSFree(ss);
    acutRelRb(filter);
    return es;
}

Acad::ErrorStatus MavUtils::selectEntityInLayerEx(CString layerName, AcArray<AcDbObjectId>& ids, bool modelSpace)
{
    return scanSpace(modelSpace, [&](AcDbEntity* pEnt) {
        if (onLayer(pEnt, layerName))
            ids.append(pEnt->objectId());
    });
}

Acad::ErrorStatus MavUtils::selectEntityInLayerEx(MavCondition condition, AcDbObjectId& id, bool modelSpace)
{
    const CString layerName = condition.layerName();
    return scanSpace(modelSpace, [&](AcDbEntity* pEnt) {
        if (onLayer(pEnt, layerName) && matchesCondition(pEnt, condition))
            id = pEnt->objectId();
    });
}

Acad::ErrorStatus MavUtils::selectEntityByColorIndex(int colorIndex, AcArray<AcDbObjectId>& ids, bool modelSpace)
{
    return scanSpace(modelSpace, [&](AcDbEntity* pEnt) {
        if (pEnt->colorIndex() == colorIndex)
            ids.append(pEnt->objectId());
    });
}

void MavUtils::deleteObjsInLayer(CString layerName)
{
    AcArray<AcDbObjectId> ids(0, 8);
    selectEntityInLayerEx(layerName, ids, true);
    deleteObjs(ids);
}

Acad::ErrorStatus MavUtils::unhighlight(const AcDbObjectId& id)
{
    return showHighlight(id, false);
}

int MavUtils::getInsertPoint(const AcGePoint3d& base, const wchar_t* prompt, AcGePoint3d& point)
{
    ads_point from = {base.x, base.y, base.z};
    ads_point result = {0.0, 0.0, 0.0};
    if (acedGetPoint(from, prompt, result) != RTNORM)
        return 0;
    point.set(result[0], result[1], result[2]);
    return 1;
}

int MavUtils::getInsertPoint(const wchar_t* prompt, AcGePoint3d& point)
{
    ads_point result = {0.0, 0.0, 0.0};
    if (acedGetPoint(nullptr, prompt, result) != RTNORM)
        return 0;
    point.set(result[0], result[1], result[2]);
    return 1;
}

int MavUtils::getInsertPoint(AcGePoint3d& point) { return getInsertPoint(L"\n请选择一点作为插入点:", point); }

int MavUtils::getInsertPointEx(const wchar_t* prompt, AcGePoint3d& point)
{
    for (;;) {
        ads_point result = {0.0, 0.0, 0.0};
        const int answer = acedGetPoint(nullptr, prompt, result);
        if (answer == RTNORM) {
            point.set(result[0], result[1], result[2]);
            return 1;
        }
        if (answer == RTCAN || acedUsrBrk() != 0)
            return 0;
    }
}

void MavUtils::pressEnterToContinue()
{
    ACHAR answer[133] = {0};
    acedGetString(0, L"\nPress <ENTER> to continue.", answer);
}

void MavUtils::zoomWindow(const AcGePoint3d& corner1, const AcGePoint3d& corner2)
{
    zoomTo(corner1, corner2, L"%f,%f,%f", false);
}

void MavUtils::zoomToHere(AcGePoint3d p1, AcGePoint3d p2)
{
    const double margin = p1.distanceTo(p2) / 4.0;
    const AcGePoint3d lower(std::fmin(p1.x, p2.x) - margin, std::fmin(p1.y, p2.y) - margin, 0.0);
    const AcGePoint3d upper(std::fmax(p1.x, p2.x) + margin, std::fmax(p1.y, p2.y) + margin, 0.0);
    zoomTo(lower, upper, L"%.3f,%.3f,%.3f", true);
}

void MavUtils::turnOffOsnap()
{
    const int mode = getVarShort(L"OSMODE");
    if ((mode & kOsnapSuppressed) == 0)
        setVarShort(L"OSMODE", mode | kOsnapSuppressed);
}

void MavUtils::turnOnOsnap()
{
    const int mode = getVarShort(L"OSMODE");
    if ((mode & kOsnapSuppressed) != 0)
        setVarShort(L"OSMODE", mode & ~kOsnapSuppressed);
}

void MavUtils::echoEnt(resbuf* saved, resbuf* zero)
{
    if (saved != nullptr)
        acedSetVar(L"CMDECHO", saved);
    if (saved != nullptr)
        acutRelRb(saved);
    if (zero != nullptr)
        acutRelRb(zero);
}

void MavUtils::printDataInAcArray(AcArray<int>& values)
{
    for (int i = 0; i < values.length(); ++i)
        acutPrintf(L"\n[%d]:%d", i, values[i]);
}

void MavUtils::printDataInAcArray(AcArray<double>& values)
{
    for (int i = 0; i < values.length(); ++i)
        acutPrintf(L"\n[%d]:%f", i, values[i]);
}

void MavUtils::printAcGePoint3dCoordinate(const AcGePoint3d& point)
{
    acutPrintf(L"\n x=%f y=%f z=%f", point.x, point.y, point.z);
}

void MavUtils::printCurveInfor(const AcDbObjectId& id, int number)
{
    AcDbCurve* pCurve = nullptr;
    const Acad::ErrorStatus es = openCurveWithID(id, AcDb::kForRead, pCurve);
    if (es != Acad::eOk) {
        errorReport(es);
        return;
    }
    double startParam = 0.0;
    double endParam = 0.0;
    double startDist = 0.0;
    double endDist = 0.0;
    AcGePoint3d start;
    AcGePoint3d end;
    pCurve->getStartParam(startParam);
    pCurve->getEndParam(endParam);
    pCurve->getDistAtParam(startParam, startDist);
    pCurve->getDistAtParam(endParam, endDist);
    pCurve->getStartPoint(start);
    pCurve->getEndPoint(end);
    acutPrintf(L"\nThis isA(%ld) %s len=%f start point:x=%.3f y=%.3f", static_cast<long>(number),
        pCurve->isA()->name(), std::fabs(endDist - startDist), start.x, start.y);
    pCurve->close();
    // The end points marked with point entities, for the eye.
    for (const AcGePoint3d& at : {start, end})
        addToCurrentSpaceAndClose(new AcDbPoint(at));
}
