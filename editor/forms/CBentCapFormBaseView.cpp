#include "CBentCapFormBaseView.h"

#include "CBentCapFormPicture.h"

#include "FormMessages.h"
#include "NumericHelpers.h"

CBentCapFormBaseView::CBentCapFormBaseView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

int CBentCapFormBaseView::SaveData() { return 1; }

int CBentCapFormBaseView::LoadData() { return 1; }

BOOL CBentCapFormBaseView::UpdateCommandUI(CCmdUI*) { return FALSE; }

void CBentCapFormBaseView::SetProject(CBentCapProject* pProject)
{
    m_pProject = pProject;
    m_pPierInfo = pProject ? &pProject->m_PierInfo : nullptr;
    m_pBasicGeometry = pProject ? &pProject->m_BasicGeometry : nullptr;
}

LRESULT CBentCapFormBaseView::OnUpdateData(WPARAM wParam, LPARAM lParam)
{
    const int result = wParam ? LoadData() : SaveData();
    if (lParam)
        *reinterpret_cast<int*>(lParam) = result;
    return result;
}

LRESULT CBentCapFormBaseView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_UPDATE_DATA)
        return OnUpdateData(wParam, lParam);
    return CFormView::WindowProc(message, wParam, lParam);
}

void CBentCapFormBaseView::MarkModified()
{
    if (m_pProject)
        m_pProject->m_nModified = 1;
}

void CBentCapFormBaseView::UpdateInt(int& stored, int value)
{
    if (stored == value)
        return;
    MarkModified();
    stored = value;
}

void CBentCapFormBaseView::UpdateReal(double& stored, double value)
{
    if (IsEqualTol(stored, value, 1e-6))
        return;
    MarkModified();
    stored = value;
}

void CBentCapFormBaseView::NoteIntChange(int stored, int value)
{
    if (stored != value)
        MarkModified();
}

int CBentCapFormBaseView::NoteRealChange(double stored, double value)
{
    if (IsEqualTol(stored, value, 1e-6))
        return 1;
    MarkModified();
    return 0;
}

void CBentCapFormBaseView::NotifyDataChanged()
{
    if (CWnd* frame = FindProtocolFrame(this))
        frame->SendMessage(WM_DATA_CHANGED);
}

CStatic* CBentCapFormBaseView::AddLabel(LPCTSTR lpszText, const RECT& rect, UINT nID)
{
    auto label = std::make_unique<CStatic>();
    if (!label->Create(lpszText, WS_CHILD | WS_VISIBLE | SS_LEFT, rect, this, nID))
        return nullptr;
    m_labels.push_back(std::move(label));
    return m_labels.back().get();
}

void CBentCapFormBaseView::AddPicture(const RECT& rect, UINT nPicture)
{
    auto picture = std::make_unique<CBentCapFormPicture>();
    if (picture->Create(L"", WS_CHILD | WS_VISIBLE, rect, this, nPicture))
        m_labels.push_back(std::move(picture));
}
