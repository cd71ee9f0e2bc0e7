#include "CFileDialog.h"

#include "CFilterFileTypes.h"
#include "QtText.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>

#include <cstdint>

namespace {

// "text|pattern|text|pattern||" as Qt's name filters "text (pattern)"; a text that already ends
// with its patterns in brackets ("盖梁图文件(*.glt)") is shown as it is given.
QStringList NameFilters(const CString& filter)
{
  const QStringList parts = ToQString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty())
      break;
    const QString patterns = u'(' + QString(parts[i + 1]).replace(u';', u' ') + u')';
    const QString shown = QString(parts[i]).replace(u';', u' ');
    filters << (shown.endsWith(patterns) ? shown : parts[i] + u' ' + patterns);
  }
  return filters;
}

// The names in a file-name box: each quoted name of a box that may hold several, else the
// text as one name.
CStringArray TypedNames(const CString& text, bool several)
{
  CStringArray names;
  const QStringList parts = ToQString(text).split(u'"');
  if (several && parts.size() > 2) {
    for (qsizetype i = 1; i < parts.size(); i += 2)
      if (!parts[i].trimmed().isEmpty())
        names.Add(FromQString(parts[i]));
  } else {
    names.Add(text);
  }
  return names;
}

POSITION PositionOf(INT_PTR index) { return reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(index) + 1); }

INT_PTR IndexOf(POSITION pos) { return static_cast<INT_PTR>(reinterpret_cast<std::uintptr_t>(pos)) - 1; }

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(0, pParentWnd), m_bOpen(bOpenFileDialog), m_defExt(lpszDefExt ? lpszDefExt : L""),
      m_initialFile(lpszFileName ? lpszFileName : L""), m_dwFlags(dwFlags), m_filter(lpszFilter ? lpszFilter : L"")
{
  SetCaption(bOpenFileDialog ? L"打开" : L"另存为");
  SetInitialSize(640, 420);
}

namespace {

// The list's size, type and date columns as wide as what they show, not cut to "12….KiB"; the
// name takes the rest.
void FitDetailColumns(QFileDialog* files)
{
  auto* view = files->findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!view)
    return;
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

} // namespace

QDialog* CFileDialog::CreateDialogWidget(QWidget* parent)
{
  auto* files = new QFileDialog(parent);
  files->setAcceptMode(m_bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  if (m_bOpen && (m_dwFlags & OFN_ALLOWMULTISELECT))
    files->setFileMode(QFileDialog::ExistingFiles);
  else
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
  FitDetailColumns(files);
  // The types the list shows, kept as long as the dialog's widget.
  auto* types = new CFilterFileTypes(m_filter);
  files->setIconProvider(types);
  QObject::connect(files, &QObject::destroyed, [types] { delete types; });
  const HWND self = m_hWnd;
  QObject::connect(files, &QDialog::finished, files, [self, files](int result) {
    auto* dialog = static_cast<CFileDialog*>(CWnd::FromHandle(self));
    if (!dialog || dialog->IsEnded())
      return;
    if (result == QDialog::Accepted && !files->selectedFiles().isEmpty()) {
      dialog->m_pathNames.RemoveAll();
      for (const QString& path : files->selectedFiles())
        dialog->m_pathNames.Add(FromQString(path));
      dialog->m_pathName = dialog->m_pathNames[0];
    }
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
  if (TakeChosen(TypedNames(name, (m_dwFlags & OFN_ALLOWMULTISELECT) != 0)))
    EndDialog(IDOK);
}

bool CFileDialog::TakeChosen(const CStringArray& names)
{
  CString caption;
  GetWindowText(caption);
  CStringArray paths;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) {
    const CString path = Completed(names[i]);
    const bool exists = QFileInfo(ToQString(path)).isFile();
    if (m_bOpen && (m_dwFlags & OFN_FILEMUSTEXIST) && !exists) {
      MessageBox(m_hWnd, path + L"\n找不到文件。\n请检查文件名是否正确，然后重试。", caption, MB_OK | MB_ICONWARNING);
      return false;
    }
    if (!m_bOpen && (m_dwFlags & OFN_OVERWRITEPROMPT) && exists
        && MessageBox(m_hWnd, path + L" 已存在。\n要替换它吗?", caption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2)
               != IDYES)
      return false;
    paths.Add(path);
  }
  if (paths.IsEmpty())
    return false;
  m_pathNames.RemoveAll();
  for (INT_PTR i = 0; i < paths.GetSize(); ++i)
    m_pathNames.Add(paths[i]);
  m_pathName = paths[0];
  return true;
}

POSITION CFileDialog::GetStartPosition() const { return m_pathNames.IsEmpty() ? nullptr : PositionOf(0); }

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
  const INT_PTR index = IndexOf(pos);
  if (!pos || index >= m_pathNames.GetSize())
    return CString();
  pos = index + 1 < m_pathNames.GetSize() ? PositionOf(index + 1) : nullptr;
  return m_pathNames[index];
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
