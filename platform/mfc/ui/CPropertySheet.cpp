#include "CPropertySheet.h"

#include "CPropertyPage.h"
#include "QtText.h"

#include <QBoxLayout>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

const int kButtonWidth = 75;
const int kButtonHeight = 25;

} // namespace

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CDialog(0, pParentWnd), m_nStartPage(iSelectPage)
{
  SetCaption(pszCaption);
}

void CPropertySheet::AddPage(CPropertyPage* pPage) { m_pages.push_back(pPage); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
  return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_nActive); }

int CPropertySheet::GetActiveIndex() const { return m_nActive; }

// The tabs take the room of the largest page; OK and Cancel stand under them on the right.
BOOL CPropertySheet::OnInitDialog()
{
  CDialog::OnInitDialog();
  QWidget* dialog = GetWidget();
  m_tabs = new QTabWidget(dialog);
  QSize room;
  for (CPropertyPage* page : m_pages) {
    const CSize size = page->GetInitialSize();
    room = room.expandedTo(QSize(size.cx, size.cy));
    m_tabs->addTab(new QWidget, ToQString(page->GetCaption()));
  }
  for (int i = 0; i < m_tabs->count(); ++i)
    m_tabs->widget(i)->setMinimumSize(room);
  m_ok.Create(L"确定", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(0, 0, kButtonWidth, kButtonHeight), this, IDOK);
  m_cancel.Create(L"取消", WS_CHILD | WS_VISIBLE, CRect(0, 0, kButtonWidth, kButtonHeight), this, IDCANCEL);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok.GetWidget());
  buttons->addWidget(m_cancel.GetWidget());
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(m_tabs);
  layout->addLayout(buttons);
  const HWND self = m_hWnd;
  QObject::connect(m_tabs, &QTabWidget::currentChanged, m_tabs, [self](int index) {
    if (auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandle(self)))
      sheet->OnTabChanged(index);
  });
  const int start = static_cast<int>(m_nStartPage) < GetPageCount() ? static_cast<int>(m_nStartPage) : 0;
  {
    const QSignalBlocker quiet(m_tabs);
    m_tabs->setCurrentIndex(start);
  }
  if (!m_pages.empty() && EnsurePage(start)) {
    m_nActive = start;
    m_pages[static_cast<size_t>(start)]->OnSetActive();
  }
  dialog->resize(dialog->sizeHint());
  return TRUE;
}

BOOL CPropertySheet::EnsurePage(int nPage)
{
  CPropertyPage* page = GetPage(nPage);
  if (!page)
    return FALSE;
  return page->IsCreated() || page->CreatePage(this, m_tabs->widget(nPage));
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
  if (!GetPage(nPage) || !m_tabs)
    return FALSE;
  m_tabs->setCurrentIndex(nPage);
  return m_nActive == nPage;
}

// The page shown lets go first; one that refuses stays in front.
void CPropertySheet::OnTabChanged(int nPage)
{
  if (nPage == m_nActive)
    return;
  CPropertyPage* active = GetActivePage();
  if ((active && !active->OnKillActive()) || !EnsurePage(nPage)) {
    const QSignalBlocker quiet(m_tabs);
    m_tabs->setCurrentIndex(m_nActive);
    return;
  }
  m_nActive = nPage;
  m_pages[static_cast<size_t>(nPage)]->OnSetActive();
}

void CPropertySheet::OnOK()
{
  CPropertyPage* active = GetActivePage();
  if (active && !active->OnKillActive())
    return;
  for (int i = 0; i < GetPageCount(); ++i) {
    if (m_pages[static_cast<size_t>(i)]->IsCreated() && !m_pages[static_cast<size_t>(i)]->OnApply()) {
      SetActivePage(i);
      return;
    }
  }
  CDialog::OnOK();
}
