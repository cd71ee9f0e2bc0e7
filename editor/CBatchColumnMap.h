// The batch column adjustment's mapping, as its page "调列" holds it: for each of the twenty
// new bar columns the old column whose per-column code it takes.
#pragma once

#include "CArray.h"
#include "CString.h"
#include "DesignLimits.h"
#include "WinDef.h"

inline constexpr int kColumnMapRows = kMaxBarColumns;

inline constexpr const wchar_t* kColumnMapNote =
    L"1、列表中的列数按系统支持的最大列数显示，如果实际列数小于最大列数，多出的列数可以不予理睬。\n"
    L"2、如果骨架编排对称，后半部分骨架编排调整无效。";
inline constexpr const wchar_t* kColumnMapFrameCaption = L"钢筋列数（本操作不改变钢筋列数）：";

// The small dialog that picks the old column of one new column (both 0-based).
class CColumnMapDialog {
public:
    virtual ~CColumnMapDialog() = default;
    // TRUE on OK, with the chosen old column.
    virtual BOOL Edit(int newColumn, int& oldColumn) = 0;
};

class CBatchColumnMap {
public:
    // Every new column on its own old column.
    CBatchColumnMap();

    // The texts of a row: "新列", "对应旧列" (both 1-based) and "有改变" ("是" or empty).
    CString GetNewColumnText(int row) const;
    CString GetOldColumnText(int row) const;
    CString GetChangedText(int row) const;

    int GetOldColumn(int row) const { return m_oldColumns[row]; }
    // A double click on a row: the dialog picks its old column.
    void EditOldColumn(int row, CColumnMapDialog& dialog);

    // The page's OK: takes the rows as the mapping. Two new columns on one old column need the
    // user's consent (No empties the mapping); a mapping that changes nothing is refused.
    BOOL Apply(HWND owner = nullptr);
    // Empty until the page was confirmed.
    const CArray<int, const int&>& GetMapping() const { return m_mapping; }

private:
    int m_oldColumns[kColumnMapRows];
    CArray<int, const int&> m_mapping;
};
