// The batch copy's source file and data groups.
#include "CBatchCopySource.h"

#include "CapCopyGroups.h"
#include "DesignFileAccess.h"
#include "EditorMessageBoxes.h"

namespace {

CString InfoText(int piers, int bars)
{
    CString text;
    text.Format(L"●文件墩柱个数：%d%s●文件钢筋列数：%d", piers, CString(L' ', 27), bars);
    return text;
}

} // namespace

CBatchCopySource::CBatchCopySource() : m_owner(nullptr), m_infoText(InfoText(0, 0)) {}

void CBatchCopySource::SetGroupChecked(int group, bool checked)
{
    if (checked && !GetCapCopyGroupLabel(group).IsEmpty())
        m_checked.insert(group);
    else
        m_checked.erase(group);
}

BOOL CBatchCopySource::SelectFile(const CString& path)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    if (path.IsEmpty() || !ReadDesignFile(path, design, geometry, m_owner)) {
        m_infoText = InfoText(0, 0);
        m_path.Empty();
        return FALSE;
    }
    m_infoText = InfoText(GetPierColumnCount(design), GetBarColumnCount(design));
    m_path = path;
    return TRUE;
}

BOOL CBatchCopySource::Apply(HWND owner) const
{
    if (m_path.IsEmpty()) {
        ShowInformation(L"没有选择盖梁数据复制的来源文件，请选择盖梁文件！", L"没有文件", owner);
        return FALSE;
    }
    if (m_checked.empty()) {
        ShowInformation(L"没有选择盖梁复制选项，请选择盖梁复制选项！", L"没有选择选项", owner);
        return FALSE;
    }
    return TRUE;
}
