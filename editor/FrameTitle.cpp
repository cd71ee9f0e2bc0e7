#include "FrameTitle.h"

#include <algorithm>

CString FormatFrameTitle(const CString& path, int modified, CString& registryPath)
{
    const wchar_t* const mark = modified ? L"*" : L"";
    CString title;
    registryPath.Empty();
    if (path.IsEmpty()) {
        title.Format(L"Veltra盖梁绘图系统->%s%s", L"无标题", mark);
        return title;
    }
    const int separator = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    if (separator > 0) {
        title.Format(L"Veltra盖梁绘图系统->%s%s [%s]", path.Mid(separator + 1).GetString(), mark,
                     path.Left(separator).GetString());
        registryPath = path;
        return title;
    }
    title.Format(L"Veltra盖梁绘图系统->%s%s", path.GetString(), mark);
    return title;
}
