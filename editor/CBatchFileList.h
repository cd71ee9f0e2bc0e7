// The design files a batch operation changes, as its page "文件" lists them: added from the
// open-file dialog without the design open in the editor and without repeats, sorted, and
// removed on confirmation.
#pragma once

#include "CArray.h"
#include "CString.h"
#include "WinDef.h"

// The open-file dialog that adds files: multiple selection, this title and filter.
inline constexpr const wchar_t* kAddFilesTitle = L"添加盖梁文件";
inline constexpr const wchar_t* kAddFilesFilter = L"Veltra盖梁文件(*.glt)|*.glt||";

class CBatchFileList {
public:
    // openPath: full path of the design open in the editor; empty for an untitled one.
    explicit CBatchFileList(const CString& openPath);

    // The paths chosen in the open-file dialog: the open design's file is refused, files already
    // listed are filtered out (one box for all), the rest appended in the order of their
    // upper-cased text. The result is the number of files appended.
    int AddFiles(const CStringArray& chosen, HWND owner = nullptr);
    // Removes the rows (0-based, in any order) after the user confirmed it. TRUE when removed.
    BOOL DeleteFiles(const CArray<int, const int&>& rows, HWND owner = nullptr);
    // The page's OK: refused, with a box, while no file is listed.
    BOOL Apply(HWND owner = nullptr) const;

    int GetCount() const { return static_cast<int>(m_paths.GetSize()); }
    const CString& GetPath(int row) const { return m_paths[row]; }
    const CStringArray& GetPaths() const { return m_paths; }
    // Column "序号" of a row: "01" to "09", then "10" on.
    static CString GetRowNumberText(int row);
    // The count text below the list.
    const CString& GetCountText() const { return m_countText; }

    // Paths name one file whatever their case, as the system compares them.
    static bool IsSamePath(const CString& a, const CString& b);

private:
    bool IsListed(const CString& path) const;

    CString m_openPath;
    CStringArray m_paths;
    CString m_countText;
};
