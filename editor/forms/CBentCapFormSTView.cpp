#include "CBentCapFormSTView.h"

#include "NumericField.h"
#include "NumericHelpers.h"

namespace {

const UINT kH1 = 204, kW1 = 205, kH2 = 206, kW2 = 207, kA = 214, kB = 202;

bool IsEndValue(UINT nID) { return nID == kH1 || nID == kW1 || nID == kH2 || nID == kW2; }

} // namespace

// One edit of the form: its id, label, geometry field and the letter handed to the sketch.
struct CBentCapFormSTView::Field {
    UINT nID;
    const wchar_t* label;
    UINT labelId;
    double CBent_BasicGeometry::*value;
    const wchar_t* letter;
};

const CBentCapFormSTView::Field CBentCapFormSTView::kFields[12] = {
    {200, L"盖梁斜长L：", 0xFFFF, &CBent_BasicGeometry::dLength, L"L"},
    {201, L"盖梁宽度W：", 0xFFFF, &CBent_BasicGeometry::dWidth, L"W"},
    {203, L"跨中高度H：", 0xFFFF, &CBent_BasicGeometry::dMiddleHeight, L"H"},
    {209, L"墩柱直径D：", 0xFFFF, &CBent_BasicGeometry::dColumnDiameter, L"D"},
    {kW1, L"左变宽度W1：", 1023, &CBent_BasicGeometry::dLeftWidth, L"W1"},
    {kW2, L"右变宽度W2：", 213, &CBent_BasicGeometry::dRightWidth, L"W2"},
    {kH1, L"左端高度H1：", 1022, &CBent_BasicGeometry::dLeftEndHeight, L"H1"},
    {kH2, L"右端高度H2：", 212, &CBent_BasicGeometry::dRightEndHeight, L"R2"},
    {kA, L"左端偏角A：", 0xFFFF, &CBent_BasicGeometry::dLeftAngle, L"A"},
    {kB, L"右端偏度B：", 220, &CBent_BasicGeometry::dRightAngle, L"B"},
    {216, L"Ｌ端宽度K1：", 215, &CBent_BasicGeometry::dLWidth, L"X1"},
    {219, L"Ｌ端高度K2：", 218, &CBent_BasicGeometry::dLHeight, L"L1"},
};

CBentCapFormSTView::CBentCapFormSTView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormSTView::OnInitialUpdate()
{
    // Room for the elevation above and the plan below with their dimensions apart.
    m_wndSketch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(8, 8, 720, 400), this, 1077);
    for (int i = 0; i < 12; ++i) {
        const int left = 8 + (i % 2) * 300;
        const int top = 412 + (i / 2) * 30;
        m_labels[i] = AddLabel(kFields[i].label, CRect(left, top + 2, left + 110, top + 22), kFields[i].labelId);
        m_edits[i].Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(left + 114, top, left + 234, top + 22),
                          this, kFields[i].nID);
    }
}

CEdit* CBentCapFormSTView::EditOf(UINT nID)
{
    for (int i = 0; i < 12; ++i)
        if (kFields[i].nID == nID)
            return &m_edits[i];
    return nullptr;
}

BOOL CBentCapFormSTView::EndValueEnabled(UINT nID) const
{
    const BOOL pierCap = !m_pBasicGeometry->nAbutmentCap;
    const BOOL free = !m_pPierInfo->GetGeneralSymmetric();
    if (nID == kH1 || nID == kW1)
        return pierCap;
    if (nID == kH2 || nID == kW2)
        return pierCap && free;
    return nID == kB ? free : TRUE;
}

int CBentCapFormSTView::LoadData()
{
    if (!m_pPierInfo || !m_pBasicGeometry || !m_edits[0].GetSafeHwnd())
        return 1;
    // 1. The values; 2. an abutment cap's end values as 0; 3. what can be typed.
    const BOOL abutment = m_pBasicGeometry->nAbutmentCap != 0;
    for (int i = 0; i < 12; ++i) {
        const Field& field = kFields[i];
        const bool zero = abutment && IsEndValue(field.nID);
        m_edits[i].SetWindowText(zero ? CString(L"0") : FormatFixed(m_pBasicGeometry->*field.value, -7));
        const BOOL enabled = EndValueEnabled(field.nID);
        m_edits[i].EnableWindow(enabled);
        if (m_labels[i])
            m_labels[i]->EnableWindow(enabled);
    }
    // 4. The sketch: the cap's kind and its piers, the columns placed anew.
    m_wndSketch.m_pFont = m_pLogFont;
    m_wndSketch.m_pGeometry = m_pBasicGeometry;
    m_wndSketch.m_nAbutment = abutment ? 1 : 0;
    m_wndSketch.m_nColumnCount = static_cast<int>(m_pPierInfo->GetSupportDistances().GetSize());
    m_wndSketch.m_aColumnX.RemoveAll();
    m_wndSketch.Invalidate();
    return 1;
}

int CBentCapFormSTView::SaveData() { return StoreFields(TRUE); }

// A field that holds no number refuses the store with the box when bReport is set; otherwise it
// is passed over and keeps its value.
int CBentCapFormSTView::StoreFields(BOOL bReport)
{
    if (!m_pBasicGeometry || !m_edits[0].GetSafeHwnd())
        return 1;
    const BOOL abutment = m_pBasicGeometry->nAbutmentCap != 0;
    for (int i = 0; i < 12; ++i) {
        if (abutment && IsEndValue(kFields[i].nID))
            continue;
        double value = 0;
        if (bReport && !ExchangeRealField(m_edits[i], value))
            return 0;
        CString text;
        m_edits[i].GetWindowText(text);
        if (ParseRealText(text, value))
            UpdateReal(m_pBasicGeometry->*kFields[i].value, value);
    }
    return 1;
}

BOOL CBentCapFormSTView::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT nID = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (!EditOf(nID) || (code != EN_CHANGE && code != EN_SETFOCUS))
        return FALSE;
    OnEditNotify(nID, code);
    return TRUE;
}

void CBentCapFormSTView::OnEditNotify(UINT nID, UINT nCode)
{
    if (!m_pPierInfo)
        return;
    if (nCode == EN_CHANGE) {
        // The right end follows the left while the construction is symmetric.
        const UINT follower = nID == kH1 ? kH2 : nID == kW1 ? kW2 : nID == kA ? kB : 0;
        if (!follower || !m_pPierInfo->GetGeneralSymmetric())
            return;
        CString text;
        EditOf(nID)->GetWindowText(text);
        EditOf(follower)->SetWindowText(text);
        return;
    }
    for (const Field& field : kFields)
        if (field.nID == nID)
            HighlightLabel(field.letter);
}

void CBentCapFormSTView::HighlightLabel(const wchar_t* letter)
{
    StoreFields(FALSE);
    m_strHighlight = letter;
    m_wndSketch.m_strFocusedLetter = m_strHighlight;
    m_wndSketch.Invalidate();
}
