// The batch column adjustment's mapping.
#include "CBatchColumnMap.h"

#include "EditorMessageBoxes.h"

namespace {

bool IsRow(int row) { return row >= 0 && row < kColumnMapRows; }

CString Number(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

} // namespace

CBatchColumnMap::CBatchColumnMap()
{
    for (int i = 0; i < kColumnMapRows; ++i)
        m_oldColumns[i] = i;
}

CString CBatchColumnMap::GetNewColumnText(int row) const { return Number(row + 1); }

CString CBatchColumnMap::GetOldColumnText(int row) const
{
    return IsRow(row) ? Number(m_oldColumns[row] + 1) : CString();
}

CString CBatchColumnMap::GetChangedText(int row) const
{
    return IsRow(row) && m_oldColumns[row] != row ? CString(L"是") : CString();
}

void CBatchColumnMap::EditOldColumn(int row, CColumnMapDialog& dialog)
{
    if (!IsRow(row))
        return;
    int old = m_oldColumns[row];
    if (dialog.Edit(row, old) && IsRow(old))
        m_oldColumns[row] = old;
}

BOOL CBatchColumnMap::Apply(HWND owner)
{
    m_mapping.RemoveAll();
    for (int i = 0; i < kColumnMapRows; ++i)
        m_mapping.Add(m_oldColumns[i]);

    // The first pair of new columns on one old column is asked about.
    bool asked = false;
    for (int i = 0; i < kColumnMapRows && !asked; ++i)
        for (int j = i + 1; j < kColumnMapRows && !asked; ++j) {
            if (m_oldColumns[i] != m_oldColumns[j])
                continue;
            CString question;
            question.Format(L"新骨架编排中第%d列和第%d列都指向旧骨架编排中的第%d列，是否需要继续？", i + 1, j + 1,
                            m_oldColumns[i] + 1);
            if (!AskYesNo(question, L"确认继续", owner)) {
                m_mapping.RemoveAll();
                return FALSE;
            }
            asked = true;
        }

    bool changed = false;
    for (int i = 0; i < kColumnMapRows; ++i)
        changed = changed || m_oldColumns[i] != i;
    if (!changed) {
        ShowInformation(L"没有进行任何列调整修改，请先作列调整修改！", L"没有调整", owner);
        m_mapping.RemoveAll();
        return FALSE;
    }
    return TRUE;
}
