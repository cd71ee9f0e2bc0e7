#include "CBentCapFormPTView.h"

#include "NumericField.h"
#include "NumericHelpers.h"

namespace {


// The covers are members of the design's field block, reached through the design record by
// plain functions (a pointer to a member of the block would be called on the block, not on the
// record).
struct CoverField {
    UINT nID;
    const wchar_t* label;
    double (*get)(const CBent_PierInfo&);
    void (*set)(CBent_PierInfo&, double);
};
const CoverField kCovers[4] = {
    {1020, L"顶板保护层：", [](const CBent_PierInfo& p) { return p.GetTopCover(); },
        [](CBent_PierInfo& p, double v) { p.SetTopCover(v); }},
    {1021, L"底板保护层：", [](const CBent_PierInfo& p) { return p.GetBottomCover(); },
        [](CBent_PierInfo& p, double v) { p.SetBottomCover(v); }},
    {1022, L"侧面保护层：", [](const CBent_PierInfo& p) { return p.GetSideCover(); },
        [](CBent_PierInfo& p, double v) { p.SetSideCover(v); }},
    {1023, L"端部保护层：", [](const CBent_PierInfo& p) { return p.GetEndCover(); },
        [](CBent_PierInfo& p, double v) { p.SetEndCover(v); }},
};

const wchar_t* const kCoverNote =
    L"1、顶板保护层是骨架钢筋（1#筋）距离盖梁顶板的中心保护层；底板保护层是骨架钢筋（2#筋）距离盖梁底板的中心保护层。\n"
    L"2、侧面保护层是断面图上骨架钢筋（或加强钢筋）距离左右两侧的中心保护层；端部保护层是立面图上骨架钢筋（2#筋）距离盖梁端部的中心保护层。\n"
    L"3、侧面钢筋不等间距布置时，修改顶板保护层和底板保护层会影响侧面钢筋间距表达式。\n"
    L"4、钢筋列间距不等间距布置时，修改侧面保护层会影响钢筋列间距表达式。\n"
    L"5、钢筋端部保护层是斜保护层，角度影响由用户考虑。";

} // namespace

CBentCapFormPTView::CBentCapFormPTView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormPTView::OnInitialUpdate()
{
    for (int i = 0; i < 4; ++i) {
        const int top = 12 + 32 * i;
        AddLabel(kCovers[i].label, CRect(12, top + 2, 112, top + 22));
        m_cboCovers[i].Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, CRect(116, top, 216, top + 24), this,
                              kCovers[i].nID);
    }
    AddLabel(L"保护层说明：", CRect(12, 144, 720, 164));
    AddLabel(kCoverNote, CRect(12, 166, 720, 300));
    // The picture of the covers (bitmap 136).
    AddPicture(CRect(240, 12, 720, 140), 136);
}

int CBentCapFormPTView::LoadData()
{
    if (!m_pPierInfo || !m_pProject || !m_cboCovers[0].GetSafeHwnd())
        return 1;
    const double factor = m_pProject->GetLoadFactor();
    for (int i = 0; i < 4; ++i) {
        CComboBox& combo = m_cboCovers[i];
        combo.ResetContent();
        for (int mm = 40; mm <= 90; ++mm)
            combo.AddString(FormatFixed(mm * factor, -7));
        combo.SetWindowText(FormatFixed(kCovers[i].get(*m_pPierInfo), -7));
    }
    return 1;
}

int CBentCapFormPTView::SaveData()
{
    if (!m_pPierInfo || !m_cboCovers[0].GetSafeHwnd())
        return 1;
    double values[4] = {};
    for (int i = 0; i < 4; ++i)
        if (!ExchangeRealField(m_cboCovers[i], values[i]))
            return 0;
    for (int i = 0; i < 4; ++i) {
        double stored = kCovers[i].get(*m_pPierInfo);
        UpdateReal(stored, values[i]);
        kCovers[i].set(*m_pPierInfo, stored);
    }
    return 1;
}
