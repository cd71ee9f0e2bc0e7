// The cap copy's choice of source file and data groups.
#include "CCapCopySelection.h"

#include "CapCopyGroups.h"
#include "DesignFileAccess.h"
#include "EditorMessageBoxes.h"

namespace {

const CString kBlanks(L' ', 27);

const wchar_t* Marker(bool equal) { return equal ? L"●" : L"○"; }

} // namespace

CCapCopySelection::CCapCopySelection(CBent_PierInfo& design, CBent_BasicGeometry& geometry, double loadFactor)
    : m_design(design), m_geometry(geometry), m_loadFactor(loadFactor), m_owner(nullptr),
      m_pierColumns(GetPierColumnCount(design)), m_barColumns(GetBarColumnCount(design))
{
    ShowNoFile();
}

bool CCapCopySelection::IsGroupEnabled(int group) const
{
    if (GetCapCopyGroupLabel(group).IsEmpty())
        return false;
    if (GetCapCopyCondition(group) == CapCopyCondition::None)
        return true;
    const auto it = m_enabled.find(group);
    return it != m_enabled.end() && it->second;
}

bool CCapCopySelection::IsGroupChecked(int group) const
{
    const auto it = m_checked.find(group);
    return it != m_checked.end() && it->second;
}

void CCapCopySelection::SetGroupChecked(int group, bool checked)
{
    m_checked[group] = checked && IsGroupEnabled(group);
}

BOOL CCapCopySelection::SelectFile(const CString& path)
{
    CBent_PierInfo source;
    CBent_BasicGeometry sourceGeometry;
    if (!ReadSource(path, source, sourceGeometry)) {
        ShowNoFile();
        return FALSE;
    }
    const int piers = GetPierColumnCount(source);
    const int bars = GetBarColumnCount(source);
    m_infoText.Format(L"●当前墩柱个数：%d%s●当前钢筋列数：%d\n\n%s文件墩柱个数：%d%s%s文件钢筋列数：%d", m_pierColumns,
                      kBlanks, m_barColumns, Marker(piers == m_pierColumns), piers, kBlanks,
                      Marker(bars == m_barColumns), bars);
    m_path = path;
    for (int group : kCapCopyOrder) {
        const CapCopyCondition condition = GetCapCopyCondition(group);
        if (condition == CapCopyCondition::None)
            continue;
        m_enabled[group] =
            condition == CapCopyCondition::EqualPierColumns ? piers == m_pierColumns : bars == m_barColumns;
        SetGroupChecked(group, IsGroupChecked(group));
    }
    return TRUE;
}

BOOL CCapCopySelection::Confirm()
{
    HWND owner = m_owner ? *m_owner : nullptr;
    if (m_path.IsEmpty()) {
        ShowInformation(L"没有选择盖梁数据复制的来源文件，请选择盖梁文件！", L"没有文件", owner);
        return FALSE;
    }
    bool anyChecked = false;
    for (int group : kCapCopyOrder)
        anyChecked = anyChecked || IsGroupChecked(group);
    if (!anyChecked) {
        ShowInformation(L"没有选择盖梁复制选项，请选择盖梁复制选项！", L"没有选择选项", owner);
        return FALSE;
    }
    if (CopyGroups() == 1)
        return TRUE;
    ShowInformation(L"复制操作失败，可能是源盖梁文件丢失！", L"复制失败", owner);
    return FALSE;
}

// The file may have changed since it was chosen; a group whose counts no longer fit is left
// out rather than copied into a design it does not fit.
int CCapCopySelection::CopyGroups()
{
    CBent_PierInfo source;
    CBent_BasicGeometry sourceGeometry;
    if (!ReadSource(m_path, source, sourceGeometry))
        return 0;
    for (int group : kCapCopyOrder)
        if (IsGroupChecked(group) && IsCapCopyAllowed(group, source, m_design))
            CopyCapGroup(group, source, sourceGeometry, m_design, m_geometry);
    return 1;
}

BOOL CCapCopySelection::ReadSource(const CString& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry) const
{
    if (path.IsEmpty() || !ReadDesignFile(path, design, geometry, m_owner))
        return FALSE;
    design.ScaleLengths(m_loadFactor);
    ScaleGeometryLengths(geometry, m_loadFactor);
    return TRUE;
}

void CCapCopySelection::ShowNoFile()
{
    m_infoText.Format(L"●当前墩柱个数：%d%s●当前钢筋列数：%d\n\n○文件墩柱个数：0%s○文件钢筋列数：0", m_pierColumns,
                      kBlanks, m_barColumns, kBlanks);
    m_path.Empty();
    for (int group : kCapCopyOrder)
        if (GetCapCopyCondition(group) != CapCopyCondition::None) {
            m_enabled[group] = false;
            m_checked[group] = false;
        }
}

void RunCapCopyCommand(CDesignCommandHost& host, CCapCopyDialog& dialog)
{
    host.StoreCurrentForm();
    CCapCopySelection selection(host.GetDesign(), host.GetGeometry(), host.GetLoadFactor());
    if (!dialog.Run(selection))
        return;
    host.SetModified();
    host.UpdateFrameTitle();
    host.RefreshViews();
}
