// Texts: fixed-decimal number texts, tokens of a line, copies of strings, numbers read from a
// text entity, and the name and stem of a file path.
#include "MavUtils.h"

#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "AcDbText.h"
#include "CodePage.h"
#include "aced.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

const wchar_t* const kSeparators = L" \t,;";

// More fraction digits than a double holds only pads with zeros.
constexpr int kMaxDecimals = 340;

// The number with its fraction digits rounded, the separator between the integer and the
// fraction digits and, with no fraction digits, at the end.
wchar_t* fixedText(double value, int decimals, char separator)
{
    const int digits = std::clamp(decimals, 0, kMaxDecimals);
    // Room for the sign, the 309 integer digits of the largest double, the point and the fraction.
    std::string text(static_cast<std::size_t>(digits) + 320, '\0');
    const int size = std::snprintf(text.data(), text.size(), "%.*f", digits, value);
    if (size < 0 || static_cast<std::size_t>(size) >= text.size())
        return nullptr;
    text.resize(static_cast<std::size_t>(size));
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text[point] = separator;
    else if (text.find_first_not_of("-0123456789") == std::string::npos)
        text += separator;
    std::wstring wide;
    if (!AnsiToWide(text, wide))
        return nullptr;
    auto* result = new wchar_t[wide.size() + 1];
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, result);
    return result;
}

} // namespace

wchar_t* MavUtils::f2str(double value, int decimals) { return fixedText(value, decimals, '.'); }

wchar_t* MavUtils::f1str(double value, int decimals) { return fixedText(value, decimals, ' '); }

int MavUtils::getSubstrAt(int n, CString text, CString& token)
{
    CString rest = text;
    rest.Trim();
    if (rest.IsEmpty() || n < 0)
        return 0;
    for (int round = 0; round < n; ++round) {
        rest.Trim();
        const int separator = rest.FindOneOf(kSeparators);
        if (separator >= 0) {
            token = rest.Left(separator + 1);
            rest = rest.Mid(separator + 1);
            rest.TrimLeft(kSeparators);
        } else {
            token = rest;
        }
    }
    token.Trim(kSeparators);
    return 1;
}

wchar_t* MavUtils::StrToChar(CString text)
{
    auto* copy = new wchar_t[static_cast<std::size_t>(text.GetLength()) + 1];
    std::copy(text.GetString(), text.GetString() + text.GetLength() + 1, copy);
    return copy;
}

int MavUtils::isNumericText(AcDbObjectId id, double& value)
{
    AcDbEntity* pEnt = nullptr;
    if (openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk) {
        acedAlert(L"选则文本失败!");
        return 0;
    }
    const AcDbText* pText = AcDbText::cast(pEnt);
    if (pText == nullptr) {
        acedAlert(L"您所选的不是文本！");
        pEnt->close();
        return 0;
    }
    const CString text = pText->textStringConst();
    pEnt->close();
    ads_real number = 0.0;
    if (acdbDisToF(text, 2, &number) != RTNORM) {
        acedAlert(L"所选文本中无数字!");
        return 0;
    }
    value = number;
    return 1;
}

// Paths on this system may use either separator.
void MavUtils::getFileName(const CString& path, CString& name)
{
    const std::wstring& text = path.str();
    if (text.empty())
        return;
    const std::size_t last = text.find_last_of(L"\\/");
    if (last == std::wstring::npos || last < 1 || last + 1 >= text.size())
        return;
    name = path.Mid(static_cast<int>(last) + 1);
}

void MavUtils::deleteFilePostfix(const CString& path, CString& stem)
{
    if (path.IsEmpty())
        return;
    const int point = path.ReverseFind(L'.');
    if (point >= 1)
        stem = path.Left(point);
}

// A plain unsigned decimal number: at least one digit and at most one point.
int MavUtils::isNumeric(const CString& text)
{
    int digits = 0;
    int points = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const wchar_t ch = text.GetAt(i);
        if (ch >= L'0' && ch <= L'9')
            ++digits;
        else if (ch == L'.')
            ++points;
        else
            return 0;
    }
    return digits > 0 && points <= 1 ? 1 : 0;
}
