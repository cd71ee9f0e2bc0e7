// Commands read their answers in the order the host's prompts ask for them; the end of the
// list answers like Enter where a prompt has a default and is a failure where it has none.
#include "HostCommandInterpreter.h"

#include "AcDbDatabase.h"
#include "AcDbServices.h"
#include "HostApplication.h"
#include "HostInputScript.h"

#include <cwchar>
#include <cwctype>
#include <sstream>

namespace {

std::wstring upper(std::wstring s)
{
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

// "_.xref" and "._attach" name the same thing as "xref" and "attach".
std::wstring keyword(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L'_' || text[i] == L'.'))
        ++i;
    return upper(text.substr(i));
}

bool parseReal(const std::wstring& text, double& value)
{
    std::wistringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    return !text.empty() && !in.fail() && in.eof();
}

std::wstring formatReal(double v)
{
    wchar_t buf[64];
    std::swprintf(buf, 64, L"%g", v);
    return buf;
}

} // namespace

HostCommandInterpreter::HostCommandInterpreter(AcDbDatabase* db) : mDb(db)
{
    mCommands = {
        {L"ZOOM", &HostCommandInterpreter::zoom},        {L"REGEN", &HostCommandInterpreter::displayOnly},
        {L"REGENALL", &HostCommandInterpreter::displayOnly}, {L"REDRAW", &HostCommandInterpreter::displayOnly},
        {L"REDRAWALL", &HostCommandInterpreter::displayOnly}, {L"LTSCALE", &HostCommandInterpreter::ltscale},
        {L"WIPEOUT", &HostCommandInterpreter::wipeout},  {L"LAYER", &HostCommandInterpreter::layer},
        {L"-LAYER", &HostCommandInterpreter::layer},     {L"INSERT", &HostCommandInterpreter::insert},
        {L"-INSERT", &HostCommandInterpreter::insert},   {L"XREF", &HostCommandInterpreter::xref},
        {L"-XREF", &HostCommandInterpreter::xref},       {L"EXPLODE", &HostCommandInterpreter::explode},
        {L"TRIM", &HostCommandInterpreter::trim},
    };
}

int HostCommandInterpreter::run(const resbuf* arguments)
{
    mTokens.clear();
    mPos = 0;
    for (const resbuf* rb = arguments; rb != nullptr; rb = rb->rbnext) {
        Token t;
        switch (rb->restype) {
        case RTSTR:
            t.kind = Token::Kind::Text;
            t.text = rb->resval.rstring ? rb->resval.rstring : L"";
            break;
        case RTREAL:
        case RTANG: t.kind = Token::Kind::Real; t.real = rb->resval.rreal; break;
        case RTSHORT: t.kind = Token::Kind::Real; t.real = rb->resval.rint; break;
        case RTLONG: t.kind = Token::Kind::Real; t.real = rb->resval.rlong; break;
        case RTPOINT:
        case RT3DPOINT:
            t.kind = Token::Kind::Point;
            for (int i = 0; i < 3; ++i)
                t.point[i] = (rb->restype == RTPOINT && i == 2) ? 0.0 : rb->resval.rpoint[i];
            break;
        case RTENAME:
        case RTPICKS:
            t.kind = rb->restype == RTENAME ? Token::Kind::Entity : Token::Kind::Selection;
            t.name[0] = rb->resval.rlname[0];
            t.name[1] = rb->resval.rlname[1];
            break;
        case RTLB: {
            // A pick: (entity name, point) between RTLB and RTLE.
            const resbuf* ent = rb->rbnext;
            const resbuf* pt = ent ? ent->rbnext : nullptr;
            const resbuf* end = pt ? pt->rbnext : nullptr;
            if (ent == nullptr || ent->restype != RTENAME || pt == nullptr
                || (pt->restype != RT3DPOINT && pt->restype != RTPOINT) || end == nullptr || end->restype != RTLE) {
                hostTranscript().report(L"A pick must be RTLB, an entity name, a point and RTLE.");
                return RTERROR;
            }
            t.kind = Token::Kind::Pick;
            t.name[0] = ent->resval.rlname[0];
            t.name[1] = ent->resval.rlname[1];
            for (int i = 0; i < 3; ++i)
                t.point[i] = (pt->restype == RTPOINT && i == 2) ? 0.0 : pt->resval.rpoint[i];
            rb = end;
            break;
        }
        case RTNONE: t.kind = Token::Kind::Text; break;
        default:
            hostTranscript().report(L"Command argument of type " + std::to_wstring(rb->restype) + L" is not understood.");
            return RTERROR;
        }
        mTokens.push_back(t);
    }

    const bool echo = [] {
        resbuf rb{};
        return HostApplication::instance().systemVariables().get(L"CMDECHO", &rb) == RTNORM && rb.resval.rint != 0;
    }();
    while (!atEnd()) {
        const std::size_t start = mPos;
        if (peek()->kind != Token::Kind::Text) {
            hostTranscript().report(L"A command must start with its name.");
            return RTERROR;
        }
        mCommandName = nextText(L"command");
        if (mCommandName.empty())
            continue; // Enter at the command prompt does nothing here
        const auto it = mCommands.find(keyword(mCommandName));
        if (it == mCommands.end()) {
            hostTranscript().report(L"Unknown command \"" + mCommandName + L"\".");
            return RTERROR;
        }
        int status = RTNORM;
        try {
            status = (this->*(it->second))();
        } catch (const Failure& f) {
            if (echo)
                hostTranscript().report(L"Command: " + echoText(start, mPos));
            hostTranscript().report(upper(keyword(mCommandName)) + L": " + f.message);
            return f.status;
        }
        if (echo)
            hostTranscript().report(L"Command: " + echoText(start, mPos));
        if (status != RTNORM)
            return status;
    }
    return RTNORM;
}

std::wstring HostCommandInterpreter::echoText(std::size_t from, std::size_t to) const
{
    std::wstring line;
    for (std::size_t i = from; i < to && i < mTokens.size(); ++i) {
        const Token& t = mTokens[i];
        if (!line.empty())
            line += L' ';
        switch (t.kind) {
        case Token::Kind::Text: line += t.text.empty() ? L"\"\"" : t.text; break;
        case Token::Kind::Real: line += formatReal(t.real); break;
        case Token::Kind::Point:
            line += formatReal(t.point[0]) + L"," + formatReal(t.point[1]) + L"," + formatReal(t.point[2]);
            break;
        case Token::Kind::Entity: line += L"<entity>"; break;
        case Token::Kind::Selection: line += L"<selection>"; break;
        case Token::Kind::Pick:
            line += L"<pick at " + formatReal(t.point[0]) + L"," + formatReal(t.point[1]) + L">";
            break;
        }
    }
    return line;
}

void HostCommandInterpreter::fail(const std::wstring& message, int status) { throw Failure{message, status}; }

bool HostCommandInterpreter::nextIsEnter() const
{
    const Token* t = peek();
    return t != nullptr && t->kind == Token::Kind::Text && t->text.empty();
}

bool HostCommandInterpreter::nextIsPoint() const
{
    const Token* t = peek();
    double p[3];
    return t != nullptr
        && (t->kind == Token::Kind::Point || (t->kind == Token::Kind::Text && HostInputScript::parsePoint(t->text, p)));
}

std::wstring HostCommandInterpreter::nextText(const wchar_t* what)
{
    const Token* t = peek();
    if (t == nullptr)
        fail(std::wstring(L"missing ") + what + L".");
    if (t->kind == Token::Kind::Real) {
        ++mPos;
        return formatReal(t->real);
    }
    if (t->kind != Token::Kind::Text)
        fail(std::wstring(L"expected ") + what + L", got another kind of value.");
    ++mPos;
    return t->text;
}

std::wstring HostCommandInterpreter::nextWord(const wchar_t* what) { return keyword(nextText(what)); }

double HostCommandInterpreter::nextReal(const wchar_t* what)
{
    const Token* t = peek();
    if (t == nullptr)
        fail(std::wstring(L"missing ") + what + L".");
    double v = 0.0;
    if (t->kind == Token::Kind::Real)
        v = t->real;
    else if (t->kind != Token::Kind::Text || !parseReal(t->text, v))
        fail(std::wstring(L"expected ") + what + L", got \"" + echoText(mPos, mPos + 1) + L"\".");
    ++mPos;
    return v;
}

void HostCommandInterpreter::nextPoint(const wchar_t* what, double point[3])
{
    const Token* t = peek();
    if (t == nullptr)
        fail(std::wstring(L"missing ") + what + L".");
    if (t->kind == Token::Kind::Point) {
        for (int i = 0; i < 3; ++i)
            point[i] = t->point[i];
    } else if (t->kind != Token::Kind::Text || !HostInputScript::parsePoint(t->text, point)) {
        fail(std::wstring(L"expected ") + what + L", got \"" + echoText(mPos, mPos + 1) + L"\".");
    }
    ++mPos;
}

std::vector<AcDbObjectId> HostCommandInterpreter::nextObjects()
{
    std::vector<AcDbObjectId> ids;
    auto add = [&](const long name[2]) {
        AcDbObjectId id;
        if (acdbGetObjectId(id, name) != Acad::eOk || id.isErased())
            fail(L"an entity name does not name a live entity.");
        ids.push_back(id);
    };
    while (const Token* t = peek()) {
        if (t->kind == Token::Kind::Text && t->text.empty()) {
            ++mPos;
            break;
        }
        if (t->kind == Token::Kind::Entity || t->kind == Token::Kind::Pick) {
            add(t->name);
        } else if (t->kind == Token::Kind::Selection) {
            const std::vector<AcDbObjectId>* members = HostApplication::instance().selectionSets().find(t->name);
            if (members == nullptr)
                fail(L"a selection set name does not name a live set.");
            ids.insert(ids.end(), members->begin(), members->end());
        } else {
            fail(L"expected objects to select, got \"" + echoText(mPos, mPos + 1) + L"\".");
        }
        ++mPos;
    }
    return ids;
}
