// Numbers are read in the C locale whatever the process locale is.
#include "HostInputScript.h"

#include <cwchar>
#include <sstream>

namespace {

std::wstring trim(const std::wstring& s)
{
    const auto b = s.find_first_not_of(L" \t\r");
    if (b == std::wstring::npos)
        return L"";
    const auto e = s.find_last_not_of(L" \t\r");
    return s.substr(b, e - b + 1);
}

bool parseTrimmedReal(const std::wstring& text, double& value)
{
    std::wistringstream in(trim(text));
    in.imbue(std::locale::classic());
    in >> value;
    return !in.fail() && in.eof();
}

bool isHandle(const std::wstring& s)
{
    return !s.empty() && s.size() <= 16 && s.find_first_not_of(L"0123456789abcdefABCDEF") == std::wstring::npos;
}

} // namespace

bool HostInputScript::parsePoint(const std::wstring& text, double point[3])
{
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(L',', start);
        fields.push_back(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (comma == std::wstring::npos)
            break;
        start = comma + 1;
    }
    if (fields.size() < 2 || fields.size() > 3)
        return false;
    double v[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!parseTrimmedReal(fields[i], v[i]))
            return false;
    }
    for (int i = 0; i < 3; ++i)
        point[i] = v[i];
    return true;
}

bool HostInputScript::add(const std::wstring& script, std::wstring* error)
{
    std::deque<Answer> parsed;
    std::wistringstream lines(script);
    std::wstring line;
    int number = 0;
    auto fail = [&](const std::wstring& why) {
        if (error != nullptr)
            *error = L"line " + std::to_wstring(number) + L": " + why;
        return false;
    };
    while (std::getline(lines, line)) {
        ++number;
        const std::wstring text = trim(line);
        if (text.empty() || text[0] == L'#')
            continue;
        const std::size_t space = text.find_first_of(L" \t");
        const std::wstring word = text.substr(0, space);
        const std::wstring rest = space == std::wstring::npos ? L"" : trim(text.substr(space + 1));
        Answer a;
        if (word == L"point") {
            a.kind = Answer::Kind::Point;
            a.hasPoint = parsePoint(rest, a.point);
            if (!a.hasPoint)
                return fail(L"\"" + rest + L"\" is not a point");
        } else if (word == L"pick") {
            a.kind = Answer::Kind::Pick;
            std::wistringstream fields(rest);
            std::wstring handle, where;
            fields >> handle >> where;
            if (!isHandle(handle))
                return fail(L"\"" + handle + L"\" is not an entity handle");
            a.handles.push_back(handle);
            if (!where.empty()) {
                a.hasPoint = parsePoint(where, a.point);
                if (!a.hasPoint)
                    return fail(L"\"" + where + L"\" is not a point");
            }
        } else if (word == L"select") {
            a.kind = Answer::Kind::Select;
            std::wistringstream fields(rest);
            std::wstring handle;
            while (fields >> handle) {
                if (!isHandle(handle))
                    return fail(L"\"" + handle + L"\" is not an entity handle");
                a.handles.push_back(handle);
            }
        } else if (word == L"string") {
            a.kind = Answer::Kind::String;
            a.text = space == std::wstring::npos ? L"" : line.substr(line.find(word) + word.size() + 1);
            while (!a.text.empty() && (a.text.back() == L'\r'))
                a.text.pop_back();
        } else if (word == L"none") {
            a.kind = Answer::Kind::None;
        } else if (word == L"cancel") {
            a.kind = Answer::Kind::Cancel;
        } else {
            return fail(L"unknown answer \"" + word + L"\"");
        }
        parsed.push_back(a);
    }
    mAnswers.insert(mAnswers.end(), parsed.begin(), parsed.end());
    return true;
}

HostInputScript::Answer HostInputScript::next()
{
    if (mAnswers.empty())
        return Answer{};
    Answer a = mAnswers.front();
    mAnswers.pop_front();
    return a;
}

std::wstring HostInputScript::kindName(Answer::Kind kind)
{
    switch (kind) {
    case Answer::Kind::Point: return L"point";
    case Answer::Kind::Pick: return L"pick";
    case Answer::Kind::Select: return L"select";
    case Answer::Kind::String: return L"string";
    case Answer::Kind::None: return L"none";
    case Answer::Kind::Cancel: return L"cancel";
    }
    return L"";
}
