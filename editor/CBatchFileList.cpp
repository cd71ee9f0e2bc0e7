// The design files of a batch operation.
#include "CBatchFileList.h"

#include "CodePage.h"
#include "EditorMessageBoxes.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

CString Upper(const CString& text)
{
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

// Paths sort as the system's multibyte text compares, byte by byte.
std::string SortKey(const CString& path)
{
    const std::wstring upper = Upper(path).GetString();
    std::string bytes;
    if (!WideToAnsi(upper, bytes))
        bytes = WideToUtf8Lossy(upper);
    return bytes;
}

} // namespace

CBatchFileList::CBatchFileList(const CString& openPath)
    : m_openPath(Upper(openPath)), m_countText(L"文件个数（本文件将发生改变）：0")
{
}

int CBatchFileList::AddFiles(const CStringArray& chosen, HWND owner)
{
    std::vector<CString> paths;
    for (INT_PTR i = 0; i < chosen.GetSize(); ++i)
        paths.push_back(chosen[i]);

    // The design open in the editor is not changed behind its back.
    const auto open = std::find_if(paths.begin(), paths.end(),
                                   [&](const CString& p) { return !m_openPath.IsEmpty() && Upper(p) == m_openPath; });
    if (open != paths.end()) {
        paths.erase(open);
        CString message;
        message.Format(L"以下文件当前正打开编辑，无法进行复制操作！\n%s", m_openPath);
        ShowInformation(message, L"文件打开", owner);
    }

    // Files already listed are filtered out.
    const auto listed = [&](const CString& p) { return IsListed(p); };
    if (std::any_of(paths.begin(), paths.end(), listed)) {
        ShowInformation(L"部分文件已经在列表中存在，系统将自动过滤！", L"文件重复", owner);
        paths.erase(std::remove_if(paths.begin(), paths.end(), listed), paths.end());
    }

    std::stable_sort(paths.begin(), paths.end(),
                     [](const CString& a, const CString& b) { return SortKey(a) < SortKey(b); });
    for (const CString& p : paths)
        m_paths.Add(p);
    m_countText.Format(L"文件个数：%d", GetCount());
    return static_cast<int>(paths.size());
}

BOOL CBatchFileList::DeleteFiles(const CArray<int, const int&>& rows, HWND owner)
{
    std::vector<int> selected;
    for (INT_PTR i = 0; i < rows.GetSize(); ++i)
        if (rows[i] >= 0 && rows[i] < GetCount())
            selected.push_back(rows[i]);
    if (selected.empty() || !AskYesNo(L"确实需要删除选中文件吗？", L"确认删除", owner))
        return FALSE;
    std::sort(selected.rbegin(), selected.rend());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (int row : selected)
        m_paths.RemoveAt(row);
    m_countText.Format(L"文件个数（本文件将发生改变）：%d", GetCount());
    return TRUE;
}

BOOL CBatchFileList::Apply(HWND owner) const
{
    if (GetCount() > 0)
        return TRUE;
    ShowInformation(L"没有选择任何需要操作的文件，请先选择操作文件！", L"没有文件", owner);
    return FALSE;
}

CString CBatchFileList::GetRowNumberText(int row)
{
    CString text;
    text.Format(row + 1 <= 9 ? L"0%d" : L"%d", row + 1);
    return text;
}

bool CBatchFileList::IsSamePath(const CString& a, const CString& b) { return Upper(a) == Upper(b); }

bool CBatchFileList::IsListed(const CString& path) const
{
    for (INT_PTR i = 0; i < m_paths.GetSize(); ++i)
        if (IsSamePath(m_paths[i], path))
            return true;
    return false;
}
