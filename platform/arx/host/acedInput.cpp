// Each request prints its prompt, takes the next scripted answer and echoes it, so the
// transcript reads like a session at the keyboard.
#include "aced.h"

#include "AcDbServices.h"
#include "HostApplication.h"
#include "HostEntityQuery.h"

#include <cstdio>
#include <cwchar>

namespace {

typedef HostInputScript::Answer Answer;

Answer ask(const ACHAR* prompt, const ACHAR* fallbackPrompt)
{
    hostTranscript().write(prompt != nullptr ? prompt : fallbackPrompt);
    return HostApplication::instance().inputScript().next();
}

std::wstring pointText(const double p[3])
{
    wchar_t buf[128];
    std::swprintf(buf, 128, L"%g,%g,%g", p[0], p[1], p[2]);
    return buf;
}

int cancelled()
{
    hostTranscript().write(L"*Cancel*\n");
    return RTCAN;
}

int mismatch(const Answer& a, const wchar_t* wanted)
{
    hostTranscript().write(L"\n");
    hostTranscript().report(L"Script answer \"" + HostInputScript::kindName(a.kind) + L"\" does not answer a " + wanted
                        + L" prompt.");
    return RTERROR;
}

} // namespace

int acedGetPoint(const ads_point, const ACHAR* prompt, ads_point result)
{
    const Answer a = ask(prompt, L"\nSpecify point: ");
    switch (a.kind) {
    case Answer::Kind::Point:
        for (int i = 0; i < 3; ++i)
            result[i] = a.point[i];
        hostTranscript().write(pointText(a.point) + L"\n");
        return RTNORM;
    case Answer::Kind::None: hostTranscript().write(L"\n"); return RTNONE;
    case Answer::Kind::Cancel: return cancelled();
    default: return mismatch(a, L"point");
    }
}

int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres)
{
    const Answer a = ask(str, L"\nSelect object: ");
    switch (a.kind) {
    case Answer::Kind::Pick: {
        const AcDbObjectId id = HostEntityQuery::entityByHandle(HostApplication::instance().database(), a.handles[0]);
        if (id.isNull() || acdbGetAdsName(*reinterpret_cast<ads_name*>(entres), id) != Acad::eOk) {
            hostTranscript().write(L"\n");
            hostTranscript().report(L"No entity has the handle " + a.handles[0] + L".");
            return RTERROR;
        }
        for (int i = 0; i < 3; ++i)
            ptres[i] = a.point[i];
        hostTranscript().write(L"<" + a.handles[0] + L">\n");
        return RTNORM;
    }
    case Answer::Kind::None: hostTranscript().write(L"\n"); return RTERROR;
    case Answer::Kind::Cancel: return cancelled();
    default: return mismatch(a, L"pick");
    }
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen)
{
    const Answer a = ask(prompt, L"");
    switch (a.kind) {
    case Answer::Kind::String:
    case Answer::Kind::None: {
        std::wstring text = a.text;
        if (cronly == 0) {
            const std::size_t space = text.find(L' ');
            if (space != std::wstring::npos)
                text.erase(space);
        }
        hostTranscript().write(text + L"\n");
        if (result == nullptr || text.size() + 1 > bufLen)
            return RTERROR;
        std::wmemcpy(result, text.c_str(), text.size() + 1);
        return RTNORM;
    }
    case Answer::Kind::Cancel: return cancelled();
    default: return mismatch(a, L"text");
    }
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result) { return acedGetString(cronly, prompt, result, 133); }
