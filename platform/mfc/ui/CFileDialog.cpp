#include "CFileDialog.h"

#include "QtText.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// "text|pattern|text|pattern||" as Qt's name filters "text (pattern)".
QStringList NameFilters(const CString& filter)
{
  const QStringList parts = ToQString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty())
      break;
    QString patterns = parts[i + 1];
    filters << parts[i] + QStringLiteral(" (") + patterns.replace(u';', u' ') + u')';
  }
  return filters;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(0, pParentWnd), m_bOpen(bOpenFileDialog), m_defExt(lpszDefExt ? lpszDefExt : L""),
      m_initialFile(lpszFileName ? lpszFileName : L""), m_dwFlags(dwFlags), m_filter(lpszFilter ? lpszFilter : L"")
{
  SetCaption(bOpenFileDialog ? L"打开" : L"另存为");
  SetInitialSize(640, 420);
}

QDialog* CFileDialog::CreateDialogWidget(QWidget* parent)
{
  auto* files = new QFileDialog(parent);
  files->setAcceptMode(m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  files->setFileMode(m_bOpen && (m_dwFlags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  files->setDefaultSuffix(ToQString(m_defExt));
  if (!(m_dwFlags & OFN_OVERWRITEPROMPT))
    files->setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(m_filter);
  if (!filters.isEmpty())
    files->setNameFilters(filters);
  if (!m_initialFile.IsEmpty()) {
    const QFileInfo initial(ToQString(m_initialFile));
    if (initial.dir().exists())
      files->setDirectory(initial.dir());
    files->selectFile(initial.fileName());
  }
  const HWND self = m_hWnd;
  QObject::connect(files, &QDialog::finished, files, [self, files](int result) {
    auto* dialog = static_cast<CFileDialog*>(CWnd::FromHandle(self));
    if (!dialog || dialog->IsEnded())
      return;
    if (result == QDialog::Accepted && !files->selectedFiles().isEmpty())
      dialog->m_pathName = FromQString(files->selectedFiles().first());
    dialog->SetModalResult(result == QDialog::Accepted ? IDOK : IDCANCEL);
  });
  return files;
}

CString CFileDialog::Completed(const CString& name) const
{
  QFileInfo file(ToQString(name));
  if (file.isRelative() && !m_initialFile.IsEmpty())
    file = QFileInfo(QFileInfo(ToQString(m_initialFile)).dir(), ToQString(name));
  QString path = file.absoluteFilePath();
  if (file.suffix().isEmpty() && !m_defExt.IsEmpty())
    path += u'.' + ToQString(m_defExt);
  return FromQString(path);
}

void CFileDialog::ChooseFile(const CString& name)
{
  CString caption;
  GetWindowText(caption);
  const CString path = Completed(name);
  const bool exists = QFileInfo(ToQString(path)).isFile();
  if (m_bOpen && (m_dwFlags & OFN_FILEMUSTEXIST) && !exists) {
    MessageBox(m_hWnd, path + L"\n找不到文件。\n请检查文件名是否正确，然后重试。", caption, MB_OK | MB_ICONWARNING);
    return;
  }
  if (!m_bOpen && (m_dwFlags & OFN_OVERWRITEPROMPT) && exists
      && MessageBox(m_hWnd, path + L" 已存在。\n要替换它吗?", caption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
    return;
  m_pathName = path;
  EndDialog(IDOK);
}

CString CFileDialog::GetFileName() const
{
  const int slash = m_pathName.ReverseFind(L'/');
  return slash < 0 ? m_pathName : m_pathName.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
  const CString name = GetFileName();
  const int dot = name.ReverseFind(L'.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
  const CString name = GetFileName();
  const int dot = name.ReverseFind(L'.');
  return dot < 0 ? name : name.Left(dot);
}
