#include "CBentCapBatCopyCopy.h"

#include "CopySourceFile.h"

CBentCapBatCopyCopy::CBentCapBatCopyCopy(CBatchCopySource& source, double loadFactor, LOGFONT* pFont)
    : CBentCapBatchPage(216, L"复制"), m_source(source), m_dLoadFactor(loadFactor), m_pFont(pFont) {}

BOOL CBentCapBatCopyCopy::OnInitDialog()
{
    CBentCapBatchPage::OnInitDialog();
    m_edtSource.Create(kChild | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, CRect(10, 10, 570, 34), this, 1101);
    m_btnSelect.Create(L"选择文件", kChild, CRect(580, 9, 680, 35), this, 1102);
    m_wndInfo.Create(m_source.GetInfoText(), kChild, CRect(10, 44, 680, 84), this, 1098);
    for (int i = 0; i < kCapCopyGroupCount; ++i) {
        const int group = kCopyGeneralConstruction + i;
        const int x = 10 + (i % 2) * 340;
        const int y = 94 + (i / 2) * 34;
        m_checks[i].Create(GetCapCopyGroupLabel(group), kChild | BS_AUTOCHECKBOX, CRect(x, y, x + 330, y + 22), this,
                           static_cast<UINT>(group));
        m_checks[i].SetCheck(m_source.IsGroupChecked(group) ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

void CBentCapBatCopyCopy::OnSelectFile()
{
    if (!ChooseCopySourceFile(*this, m_source, m_dLoadFactor, m_pFont))
        return;
    m_edtSource.SetWindowText(m_source.GetPath());
    m_wndInfo.SetWindowText(m_source.GetInfoText());
}

BOOL CBentCapBatCopyCopy::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 1102) {
        OnSelectFile();
        return TRUE;
    }
    return CBentCapBatchPage::OnCommand(wParam, lParam);
}

BOOL CBentCapBatCopyCopy::OnApply()
{
    for (int i = 0; i < kCapCopyGroupCount; ++i)
        m_source.SetGroupChecked(kCopyGeneralConstruction + i, m_checks[i].GetCheck() == BST_CHECKED);
    return m_source.Apply(GetSafeHwnd());
}
