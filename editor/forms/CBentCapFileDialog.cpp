#include "CBentCapFileDialog.h"

#include "CBent_BasicGeometry.h"
#include "CBent_HlFile.h"
#include "CBent_PierInfo.h"
#include "QtText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

namespace {

// Where the preview stands beside the file list.
const int kPreviewWidth = 404;
const int kPreviewHeight = 374;

} // namespace

CBentCapFileDialog::CBentCapFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                                       DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd)
{
    SetCaption(L"打开盖梁文件");
    SetInitialSize(640 + kPreviewWidth, 460);
}

CBentCapFileDialog::~CBentCapFileDialog()
{
    if (m_pPreview && m_pPreview->GetSafeHwnd())
        m_pPreview->DestroyWindow();
    m_pPreview.reset();
}

// The file list and its fields are the file dialog's own widgets, laid out by it: the preview
// takes a column of that layout, and every change of the current file reaches the preview.
QDialog* CBentCapFileDialog::CreateDialogWidget(QWidget* parent)
{
    QDialog* dialog = CFileDialog::CreateDialogWidget(parent);
    auto* files = static_cast<QFileDialog*>(dialog);
    files->setOption(QFileDialog::DontUseNativeDialog);
    const HWND self = m_hWnd;
    QObject::connect(files, &QFileDialog::currentChanged, files, [self](const QString& path) {
        auto* owner = dynamic_cast<CBentCapFileDialog*>(CWnd::FromHandle(self));
        if (owner)
            owner->OnFileNameChange(QFileInfo(path).isFile() ? FromQString(path) : CString());
    });
    return dialog;
}

BOOL CBentCapFileDialog::OnInitDialog()
{
    const BOOL result = CFileDialog::OnInitDialog();
    CreatePreview();
    return result;
}

void CBentCapFileDialog::CreatePreview()
{
    if (m_pPreview)
        return;
    auto preview = std::make_unique<CBentCapPreviewSketch>();
    if (!preview->Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, kPreviewWidth, kPreviewHeight), this, 0xFFFF))
        return;
    preview->m_pFont = m_pFont;
    if (auto* grid = dynamic_cast<QGridLayout*>(GetWidget() ? GetWidget()->layout() : nullptr)) {
        preview->GetWidget()->setMinimumSize(kPreviewWidth, kPreviewHeight);
        grid->addWidget(preview->GetWidget(), 0, grid->columnCount(), grid->rowCount(), 1);
    }
    m_pPreview = std::move(preview);
    // The file the dialog opens on is shown at once.
    if (auto* files = qobject_cast<QFileDialog*>(GetWidget()); files && !files->selectedFiles().isEmpty()) {
        const QFileInfo first(files->selectedFiles().first());
        OnFileNameChange(first.isFile() ? FromQString(first.absoluteFilePath()) : CString());
    }
}

void CBentCapFileDialog::OnFileNameChange(const CString& path)
{
    // A file met before the preview is made is read once the preview is there.
    if (!m_pPreview)
        return;
    // 1.-2. The same file again is not read again.
    if (path == m_strPreviewPath)
        return;
    m_strPreviewPath = path;
    // 3.-4. Nothing to read: the preview as it is, its columns placed anew.
    m_pPreview->m_aColumnX.RemoveAll();
    if (!path.IsEmpty())
        ShowFile(path);
    // 8. Shown at once.
    m_pPreview->Invalidate();
    m_pPreview->UpdateWindow();
}

BOOL CBentCapFileDialog::ShowFile(const CString& path)
{
    // 5. Read into defaults, the dialog owning the reader's messages.
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    HWND owner = m_hWnd;
    CBent_HlFile file(&owner);
    file.SetPath(path);
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    // 7. A file that cannot be read leaves the earlier values.
    if (!file.Read())
        return FALSE;
    // 6. The values in the caller's unit.
    file.ScaleLengths(m_dLoadFactor);
    m_pPreview->m_nColumnCount = static_cast<int>(design.GetSupportDistances().GetSize());
    m_pPreview->m_nAbutment = geometry.nAbutmentCap;
    m_pPreview->m_dLength = geometry.dLength;
    m_pPreview->m_dMiddleHeight = geometry.dMiddleHeight;
    m_pPreview->m_dWidth = geometry.dWidth;
    m_pPreview->m_dAngle = geometry.dLeftAngle;
    m_pPreview->m_nBarColumnCount = design.GetMainFace().GetBarColumnCount();
    m_pPreview->m_nSkeletonColumnCount = design.CountSkeletonColumns();
    return TRUE;
}
