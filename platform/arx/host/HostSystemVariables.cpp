// OSMODE starts at 4133 (endpoint, centre, intersection, extension), SORTENTS at 127 and
// CMDECHO at 1, the values a fresh session has.
#include "HostSystemVariables.h"

#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "HostApplication.h"
#include "HostPaths.h"

#include <chrono>
#include <ctime>
#include <cwctype>
#include <filesystem>

namespace {

std::wstring upper(const ACHAR* name)
{
    std::wstring s = name ? name : L"";
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

// The working database, or the current document's when none is set.
AcDbDatabase* db()
{
    AcDbDatabase* working = acdbHostApplicationServices()->workingDatabase();
    return working != nullptr ? working : HostApplication::instance().database();
}

void putReal(resbuf& rb, double v)
{
    rb.restype = RTREAL;
    rb.resval.rreal = v;
}

void putPoint(resbuf& rb, const AcGePoint3d& p)
{
    rb.restype = RT3DPOINT;
    rb.resval.rpoint[0] = p.x;
    rb.resval.rpoint[1] = p.y;
    rb.resval.rpoint[2] = p.z;
}

void putString(resbuf& rb, const std::wstring& s)
{
    rb.restype = RTSTR;
    rb.resval.rstring = acutNewString(s.c_str());
}

bool positiveReal(const resbuf& rb, double& out)
{
    if (rb.restype == RTREAL)
        out = rb.resval.rreal;
    else if (rb.restype == RTSHORT)
        out = rb.resval.rint;
    else
        return false;
    return out > 0.0;
}

// YYYYMMDD.HHMMSSmmm of the local time.
double currentDate()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    const long long ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const double day = (tm.tm_year + 1900) * 10000.0 + (tm.tm_mon + 1) * 100.0 + tm.tm_mday;
    const double time = tm.tm_hour * 1e7 + tm.tm_min * 1e5 + tm.tm_sec * 1e3 + static_cast<double>(ms);
    return day + time / 1e9;
}

} // namespace

HostSystemVariables::HostSystemVariables()
{
    addShort(L"CMDECHO", 1, 0, 1);
    addShort(L"OSMODE", 4133, 0, 32767);
    addShort(L"SORTENTS", 127, 0, 127);

    mVariables[L"CDATE"] = {RTREAL, [](resbuf& rb) { putReal(rb, currentDate()); }, nullptr};
    mVariables[L"LTSCALE"] = {RTREAL, [](resbuf& rb) { putReal(rb, db()->ltscale()); },
                              [](const resbuf& rb) {
                                  double v = 0.0;
                                  return positiveReal(rb, v) && db()->setLtscale(v) == Acad::eOk;
                              }};
    mVariables[L"CELTSCALE"] = {RTREAL, [](resbuf& rb) { putReal(rb, db()->celtscale()); },
                                [](const resbuf& rb) {
                                    double v = 0.0;
                                    return positiveReal(rb, v) && db()->setCeltscale(v) == Acad::eOk;
                                }};
    mVariables[L"TEXTSIZE"] = {RTREAL, [](resbuf& rb) { putReal(rb, db()->textsize()); },
                               [](const resbuf& rb) {
                                   double v = 0.0;
                                   return positiveReal(rb, v) && db()->setTextsize(v) == Acad::eOk;
                               }};
    mVariables[L"PDSIZE"] = {RTREAL, [](resbuf& rb) { putReal(rb, db()->pdsize()); },
                             [](const resbuf& rb) {
                                 return rb.restype == RTREAL && db()->setPdsize(rb.resval.rreal) == Acad::eOk;
                             }};
    mVariables[L"PDMODE"] = {RTSHORT,
                             [](resbuf& rb) {
                                 rb.restype = RTSHORT;
                                 rb.resval.rint = db()->pdmode();
                             },
                             [](const resbuf& rb) {
                                 return rb.restype == RTSHORT && db()->setPdmode(rb.resval.rint) == Acad::eOk;
                             }};
    mVariables[L"CLAYER"] = {RTSTR, [](resbuf& rb) { putString(rb, AcDbDatabase::symbolName(db()->clayer())); },
                             [](const resbuf& rb) {
                                 if (rb.restype != RTSTR || rb.resval.rstring == nullptr)
                                     return false;
                                 const AcDbObjectId id = db()->symbolId(db()->layerTableId(), rb.resval.rstring);
                                 return !id.isNull() && db()->setClayer(id) == Acad::eOk;
                             }};
    mVariables[L"INSBASE"] = {RT3DPOINT, [](resbuf& rb) { putPoint(rb, db()->insbase()); },
                              [](const resbuf& rb) {
                                  if (rb.restype != RT3DPOINT && rb.restype != RTPOINT)
                                      return false;
                                  const double z = rb.restype == RT3DPOINT ? rb.resval.rpoint[2] : 0.0;
                                  return db()->setInsbase(AcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1], z))
                                      == Acad::eOk;
                              }};
    mVariables[L"EXTMIN"] = {RT3DPOINT, [](resbuf& rb) { putPoint(rb, db()->extmin()); }, nullptr};
    mVariables[L"EXTMAX"] = {RT3DPOINT, [](resbuf& rb) { putPoint(rb, db()->extmax()); }, nullptr};
    mVariables[L"DWGNAME"] = {RTSTR,
                              [](resbuf& rb) {
                                  const std::wstring& f = db()->fileName();
                                  putString(rb, f.empty() ? L"Drawing1.dwg"
                                                          : HostPaths::fromPath(HostPaths::toPath(f).filename()));
                              },
                              nullptr};
    mVariables[L"DWGPREFIX"] = {RTSTR,
                                [](resbuf& rb) {
                                    const std::wstring& f = db()->fileName();
                                    std::error_code ec;
                                    std::filesystem::path folder = f.empty()
                                        ? std::filesystem::current_path(ec)
                                        : HostPaths::toPath(f).parent_path();
                                    putString(rb, HostPaths::fromPath(folder) + L"/");
                                },
                                nullptr};
}

void HostSystemVariables::addShort(const std::wstring& name, short initial, short lowest, short highest)
{
    mShorts[name] = initial;
    mDefaults[name] = initial;
    mVariables[name] = {RTSHORT,
                        [this, name](resbuf& rb) {
                            rb.restype = RTSHORT;
                            rb.resval.rint = mShorts.at(name);
                        },
                        [this, name, lowest, highest](const resbuf& rb) {
                            long v = 0;
                            if (rb.restype == RTSHORT)
                                v = rb.resval.rint;
                            else if (rb.restype == RTLONG)
                                v = rb.resval.rlong;
                            else
                                return false;
                            if (v < lowest || v > highest)
                                return false;
                            mShorts[name] = static_cast<short>(v);
                            return true;
                        }};
}

const HostSystemVariables::Variable* HostSystemVariables::find(const ACHAR* name) const
{
    const auto it = mVariables.find(upper(name));
    return it == mVariables.end() ? nullptr : &it->second;
}

bool HostSystemVariables::has(const ACHAR* name) const { return find(name) != nullptr; }

int HostSystemVariables::get(const ACHAR* name, resbuf* result) const
{
    const Variable* v = find(name);
    if (v == nullptr || result == nullptr)
        return RTERROR;
    v->read(*result);
    return RTNORM;
}

int HostSystemVariables::set(const ACHAR* name, const resbuf* value)
{
    const Variable* v = find(name);
    if (v == nullptr || value == nullptr)
        return RTERROR;
    if (!v->write)
        return RTREJ;
    return v->write(*value) ? RTNORM : RTREJ;
}

void HostSystemVariables::reset() { mShorts = mDefaults; }
