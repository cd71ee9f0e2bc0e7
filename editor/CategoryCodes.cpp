// From the label of a design message to the category where its value is edited.
#include "CategoryCodes.h"

#include <cwctype>

namespace {

struct NamedCategory {
    const wchar_t* label;
    int code;
};

// In the order they are looked up; the first equal label wins.
constexpr NamedCategory kNamedCategories[] = {
    {L"设计参数", 0},           {L"基本资料", 200},         {L"一般构造", 201},         {L"墩柱间距", 209},
    {L"保护层", 202},           {L"钢筋等级", 203},         {L"剖面位置", 208},         {L"骨架钢筋", 1},
    {L"加强钢筋", 204},         {L"侧面钢筋", 205},         {L"断面箍筋", 206},         {L"骨架编排", 207},
    {L"整体立面", 10},          {L"整体立面顶板直筋", 101}, {L"整体立面底板直筋", 102}, {L"整体立面上弯起筋", 103},
    {L"整体立面下弯起筋", 104},
};

// The bar lists of a support, in the order of their kind digit.
constexpr const wchar_t* kSupportBarLists[] = {L"顶板直筋", L"底板直筋", L"上弯起筋", L"下弯起筋"};

constexpr const wchar_t* kSupportSuffix = L"#墩柱";

// The whole number the text starts with; 0 for none.
int LeadingNumber(const CString& text)
{
    int value = 0;
    for (int i = 0; i < text.GetLength() && std::iswdigit(text[i]); ++i)
        value = value * 10 + (text[i] - L'0');
    return value;
}

} // namespace

int CategoryCodeFromLabel(const CString& label)
{
    for (const NamedCategory& named : kNamedCategories)
        if (label == named.label)
            return named.code;
    const int hash = label.Find(L'#');
    if (hash < 0)
        return 0;
    const int support = LeadingNumber(label.Left(hash));
    const CString suffix = label.Mid(hash);
    if (suffix == kSupportSuffix)
        return 10 + support;
    const CString supportSuffix(kSupportSuffix);
    if (suffix.Left(supportSuffix.GetLength()) != supportSuffix)
        return 0;
    const CString list = suffix.Mid(supportSuffix.GetLength());
    for (int kind = 0; kind < 4; ++kind)
        if (list == kSupportBarLists[kind])
            return 100 + 10 * support + kind + 1;
    return 0;
}
