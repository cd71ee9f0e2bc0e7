#include "CBentCapFormSCView.h"

namespace {

const wchar_t* const kGrades[] = {L"R235", L"HRB335", L"HRB400", L"KL400"};

// Where a pair of lists keeps its grade and diameter.
struct BarPair {
    const wchar_t* label;
    UINT gradeId;
    int (*getType)(const CBent_PierInfo&);
    void (*setType)(CBent_PierInfo&, int);
    int (*getDiameter)(const CBent_PierInfo&);
    void (*setDiameter)(CBent_PierInfo&, int);
    BOOL enabled;
};

#define MORE_FIELD(Name) \
    [](const CBent_PierInfo& d) { return d.GetMoreInfo().Get##Name(); }, \
    [](CBent_PierInfo& d, int v) { d.GetMoreInfo().Set##Name(v); }
#define EXTEND_FIELD(Name) \
    [](const CBent_PierInfo& d) { return d.GetExtendSteel().Get##Name(); }, \
    [](CBent_PierInfo& d, int v) { d.GetExtendSteel().Set##Name(v); }

const BarPair kPairs[6] = {
    {L"骨架钢筋", 1021, MORE_FIELD(SkeletonBarType), MORE_FIELD(SkeletonDiameter), TRUE},
    {L"侧面钢筋", 1023, MORE_FIELD(SideBarType), MORE_FIELD(SideDiameter), TRUE},
    {L"顶板加强钢筋", 1025, EXTEND_FIELD(TopBarType), EXTEND_FIELD(TopDiameter), TRUE},
    {L"底板加强钢筋", 1027, EXTEND_FIELD(BottomBarType), EXTEND_FIELD(BottomDiameter), TRUE},
    {L"断面箍筋", 1029, MORE_FIELD(StirrupBarType), MORE_FIELD(StirrupDiameter), TRUE},
    {L"封锚钢筋", 1031, MORE_FIELD(AnchorBarType), MORE_FIELD(AnchorDiameter), FALSE},
};

#undef MORE_FIELD
#undef EXTEND_FIELD

} // namespace

CBentCapFormSCView::CBentCapFormSCView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormSCView::OnInitialUpdate()
{
    for (int i = 0; i < 6; ++i) {
        const BarPair& pair = kPairs[i];
        const int top = 12 + 36 * i;
        const DWORD state = pair.enabled ? 0U : WS_DISABLED;
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | state;
        CStatic* label = AddLabel(pair.label, CRect(12, top + 2, 124, top + 22));
        CStatic* gradeLabel = AddLabel(L"等级", CRect(128, top + 2, 160, top + 22));
        m_cboGrades[i].Create(style, CRect(164, top, 264, top + 24), this, pair.gradeId);
        for (const wchar_t* grade : kGrades)
            m_cboGrades[i].AddString(grade);
        CStatic* diameterLabel = AddLabel(L"直径", CRect(276, top + 2, 308, top + 22));
        m_cboDiameters[i].Create(style, CRect(312, top, 392, top + 24), this, pair.gradeId + 1);
        for (CStatic* text : {label, gradeLabel, diameterLabel})
            if (text)
                text->EnableWindow(pair.enabled);
    }
    // The picture of the bars (bitmap 139).
    AddPicture(CRect(410, 12, 720, 220), 139);
}

BOOL CBentCapFormSCView::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != CBN_SELCHANGE)
        return FALSE;
    for (int i = 0; i < 6; ++i)
        if (LOWORD(wParam) == kPairs[i].gradeId) {
            OnGradeChange(i);
            return TRUE;
        }
    return FALSE;
}

void CBentCapFormSCView::OnGradeChange(int nPair)
{
    m_cboDiameters[nPair].FillDiameters(m_cboGrades[nPair].GetCurSel(), -1);
}

int CBentCapFormSCView::LoadData()
{
    if (!m_pPierInfo || !m_cboGrades[0].GetSafeHwnd())
        return 1;
    for (int i = 0; i < 6; ++i) {
        const int grade = kPairs[i].getType(*m_pPierInfo);
        m_cboGrades[i].SetCurSel(grade);
        m_cboDiameters[i].FillDiameters(grade, kPairs[i].getDiameter(*m_pPierInfo));
    }
    return 1;
}

int CBentCapFormSCView::SaveData()
{
    if (!m_pPierInfo || !m_cboGrades[0].GetSafeHwnd())
        return 1;
    for (int i = 0; i < 6; ++i) {
        int type = kPairs[i].getType(*m_pPierInfo);
        UpdateInt(type, m_cboGrades[i].GetCurSel());
        kPairs[i].setType(*m_pPierInfo, type);
        int diameter = kPairs[i].getDiameter(*m_pPierInfo);
        UpdateInt(diameter, m_cboDiameters[i].GetDiameter());
        kPairs[i].setDiameter(*m_pPierInfo, diameter);
    }
    return 1;
}
