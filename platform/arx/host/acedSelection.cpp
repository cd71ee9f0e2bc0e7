// Selection sets: made by acedSSGet from the script, the whole drawing or a window, and by
// acedSSAdd from entity names.
#include "aced.h"

#include "AcDbDatabase.h"
#include "AcDbEntity.h"
#include "AcDbExtents.h"
#include "AcDbServices.h"
#include "HostApplication.h"
#include "HostEntityQuery.h"

#include <algorithm>
#include <cwctype>
#include <functional>

namespace {

HostSelectionSets& sets() { return HostApplication::instance().selectionSets(); }
std::wstring upperMode(const ACHAR* str)
{
    std::wstring m = str ? str : L"";
    for (wchar_t& c : m)
        c = static_cast<wchar_t>(std::towupper(c));
    if (!m.empty() && m.front() == L'_')
        m.erase(0, 1);
    return m;
}

bool insideWindow(AcDbEntity* ent, const double* a, const double* b)
{
    AcDbExtents ext;
    if (ent->getGeomExtents(ext) != Acad::eOk)
        return false;
    const double x0 = std::min(a[0], b[0]), x1 = std::max(a[0], b[0]);
    const double y0 = std::min(a[1], b[1]), y1 = std::max(a[1], b[1]);
    return ext.minPoint().x >= x0 && ext.maxPoint().x <= x1 && ext.minPoint().y >= y0 && ext.maxPoint().y <= y1;
}

} // namespace

int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss)
{
    AcDbDatabase* db = HostApplication::instance().database();
    int badCode = 0;
    if (!HostEntityQuery::filterSupported(filter, badCode)) {
        hostTranscript().report(L"Selection filter group " + std::to_wstring(badCode) + L" is not supported.");
        return RTERROR;
    }
    const std::wstring mode = upperMode(str);
    std::vector<AcDbObjectId> candidates;
    std::function<bool(AcDbEntity*)> keep = [](AcDbEntity*) { return true; };
    if (mode.empty() || mode == L":S") {
        hostTranscript().write(L"\nSelect objects: ");
        const HostInputScript::Answer a = HostApplication::instance().inputScript().next();
        if (a.kind == HostInputScript::Answer::Kind::Cancel) {
            hostTranscript().write(L"*Cancel*\n");
            return RTCAN;
        }
        if (a.kind != HostInputScript::Answer::Kind::Select && a.kind != HostInputScript::Answer::Kind::Pick
            && a.kind != HostInputScript::Answer::Kind::None) {
            hostTranscript().report(L"Script answer \"" + HostInputScript::kindName(a.kind)
                                + L"\" does not answer a selection prompt.");
            return RTERROR;
        }
        std::wstring echo;
        for (const std::wstring& handle : a.handles) {
            const AcDbObjectId id = HostEntityQuery::entityByHandle(db, handle);
            if (!id.isNull())
                candidates.push_back(id);
            echo += L"<" + handle + L">";
        }
        hostTranscript().write(echo + L"\n");
        if (mode == L":S" && candidates.size() > 1)
            candidates.resize(1);
    } else if (mode == L"X") {
        candidates = HostEntityQuery::allEntities(db);
    } else if (mode == L"W") {
        if (pt1 == nullptr || pt2 == nullptr)
            return RTERROR;
        candidates = HostEntityQuery::allEntities(db);
        const auto* a = static_cast<const double*>(pt1);
        const auto* b = static_cast<const double*>(pt2);
        keep = [a, b](AcDbEntity* ent) { return insideWindow(ent, a, b); };
    } else {
        hostTranscript().report(L"Selection mode \"" + std::wstring(str) + L"\" is not supported.");
        return RTERROR;
    }

    std::vector<AcDbObjectId> chosen;
    for (const AcDbObjectId& id : candidates) {
        AcDbEntity* ent = nullptr;
        if (acdbOpenAcDbEntity(ent, id, AcDb::kForRead) != Acad::eOk)
            continue;
        if (HostEntityQuery::matches(ent, filter) && keep(ent)
            && std::find(chosen.begin(), chosen.end(), id) == chosen.end())
            chosen.push_back(id);
        ent->close();
    }
    if (chosen.empty())
        return RTERROR;
    sets().create(ss);
    *sets().find(ss) = std::move(chosen);
    return RTNORM;
}

int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result)
{
    AcDbObjectId id;
    if (ename != nullptr && acdbGetObjectId(id, ename) != Acad::eOk)
        return RTERROR;
    if (sname == nullptr) {
        sets().create(result);
        if (!id.isNull())
            sets().find(result)->push_back(id);
        return RTNORM;
    }
    std::vector<AcDbObjectId>* members = sets().find(sname);
    if (members == nullptr)
        return RTERROR;
    if (!id.isNull() && std::find(members->begin(), members->end(), id) == members->end())
        members->push_back(id);
    if (result != sname) {
        result[0] = sname[0];
        result[1] = sname[1];
    }
    return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss)
{
    AcDbObjectId id;
    std::vector<AcDbObjectId>* members = sets().find(ss);
    if (members == nullptr || ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk)
        return RTERROR;
    const auto it = std::find(members->begin(), members->end(), id);
    if (it == members->end())
        return RTERROR;
    members->erase(it);
    return RTNORM;
}

int acedSSFree(const ads_name sname) { return sets().free(sname) ? RTNORM : RTERROR; }

int acedSSLength(const ads_name sname, long* len)
{
    const std::vector<AcDbObjectId>* members = sets().find(sname);
    if (members == nullptr || len == nullptr)
        return RTERROR;
    *len = static_cast<long>(members->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, long i, ads_name entres)
{
    const std::vector<AcDbObjectId>* members = sets().find(ss);
    if (members == nullptr || i < 0 || static_cast<std::size_t>(i) >= members->size())
        return RTERROR;
    return acdbGetAdsName(*reinterpret_cast<ads_name*>(entres), (*members)[static_cast<std::size_t>(i)]) == Acad::eOk ? RTNORM : RTERROR;
}
